// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chimes/chime_controller.h"
#include "chimes/chime_preferences.h"
#include "core/clock.h"
#include "core/paths.h"
#include "speech/audio/audio_output.h"
#include "test_files.h"
#include "test_main.h"

#include <QSignalSpy>

using namespace horavox;
using namespace horavox_test;

Q_DECLARE_METATYPE(horavox::ChimePreferences)

class TestChimePreferences : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QDir(configDir()).removeRecursively(); }
    void readsWhatItCan_data();
    void readsWhatItCan();
    void writesWhatItReads_data();
    void writesWhatItReads();
    void unreadableFileIsNotWrittenOver();
    void failedSaveIsSaid();
};

void TestChimePreferences::readsWhatItCan_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<ChimePreferences>("expected");
    const ChimePreferences none;
    QTest::newRow("empty") << QByteArray() << none;
    QTest::newRow("all") << QByteArray("[General]\nChime=westminster\nChimeOnly=true\nSoundFile=/a b/c.ogg\n")
                         << ChimePreferences{ChimeChoice::Westminster, true, QStringLiteral("/a b/c.ogg")};
    QTest::newRow("unknown chime keeps the bleep") << QByteArray("Chime=cuckoo\nChimeOnly=1\n")
                                                   << ChimePreferences{ChimeChoice::Bleep, true, {}};
    QTest::newRow("unusable flag") << QByteArray("Chime=pips\nChimeOnly=maybe\n")
                                   << ChimePreferences{ChimeChoice::Pips, false, {}};
    QTest::newRow("comments and other keys") << QByteArray("; mine\n#x\nVolume=3\n Chime = HOUR-STRIKE \r\n")
                                             << ChimePreferences{ChimeChoice::HourStrike, false, {}};
    QTest::newRow("no key") << QByteArray("=pips\nChime\n") << none;
}

void TestChimePreferences::readsWhatItCan()
{
    QFETCH(QByteArray, ini);
    QTEST(chime_preferences::parse(ini), "expected");
}

void TestChimePreferences::writesWhatItReads_data()
{
    QTest::addColumn<ChimePreferences>("prefs");
    QTest::newRow("defaults") << ChimePreferences{};
    QTest::newRow("file with spaces and accents")
        << ChimePreferences{ChimeChoice::SoundFile, true, QStringLiteral("/home/zoë/My Sounds/gong=1.flac")};
    QTest::newRow("pips") << ChimePreferences{ChimeChoice::Pips, false, QStringLiteral("/x.wav")};
}

void TestChimePreferences::writesWhatItReads()
{
    QFETCH(ChimePreferences, prefs);
    const QString path = chime_preferences::path();
    QVERIFY(chime_preferences::save(path, prefs));
    QString why;
    QCOMPARE(chime_preferences::load(path, &why), prefs);
    QVERIFY(why.isEmpty());
}

void TestChimePreferences::unreadableFileIsNotWrittenOver()
{
    // Bigger than any preferences file: not read, and so not ours to replace.
    const QString path = chime_preferences::path();
    const QByteArray big(2 * 1024 * 1024, 'x');
    writeFile(path, big);
    AudioOutput audio;
    ChimeController chimes(systemClock(), audio, path, joinPath(dataDir(), QStringLiteral("chimes")));
    QVERIFY(!chimes.readFailure().isEmpty());
    QCOMPARE(chimes.preferences(), ChimePreferences{});
    QSignalSpy notSaved(&chimes, &ChimeController::notSaved);
    const QString why = chimes.setPreferences({ChimeChoice::Pips, false, {}});
    QVERIFY(why.contains(path));
    QCOMPARE(notSaved.count(), 1);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll() == big);
    // The choice holds for the run all the same.
    QCOMPARE(chimes.preferences().choice, ChimeChoice::Pips);
}

void TestChimePreferences::failedSaveIsSaid()
{
    AudioOutput audio;
    ChimeController chimes(systemClock(), audio, chime_preferences::path(), joinPath(dataDir(), QStringLiteral("chimes")));
    QVERIFY(chimes.readFailure().isEmpty());
    QDir().mkpath(configDir());
    BlockedFolder blocked(configDir());
    QVERIFY(blocked.blocked());
    QSignalSpy notSaved(&chimes, &ChimeController::notSaved);
    QVERIFY(!chimes.setPreferences({ChimeChoice::Westminster, false, {}}).isEmpty());
    QCOMPARE(notSaved.count(), 1);
    blocked.release();
    QCOMPARE(chimes.setPreferences({ChimeChoice::Westminster, true, {}}), QString());
    QCOMPARE(chime_preferences::load(chime_preferences::path()).chimeOnly, true);
}

HORAVOX_TEST_MAIN(TestChimePreferences)
#include "test_chime_preferences.moc"
