// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The chime in the bleep's place, on the real main window and scheduler
// with a fake player: which sound comes first, and whether the words follow.
#include "chimes/chime_controller.h"
#include "chimes/chime_sounds.h"
#include "clock_window_rig.h"
#include "main_form_parts.h"
#include "speech/audio/audio_output.h"
#include "test_main.h"

#include <QSignalSpy>

using namespace horavox;
using namespace horavox_test;

Q_DECLARE_METATYPE(horavox::ChimeChoice)

namespace {
const QByteArray kClipsWithBleep = "R\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n1\r\n";
const QByteArray kSpeechWithBleep = "T\r\n150\r\n\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n1\r\n";
const QString kBleep = QStringLiteral("c:\\tmpSndA.$$$");
} // namespace

class TestChimeAnnouncements : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void soundBeforeTheWords_data();
    void soundBeforeTheWords();
    void speakWhileTheLeadPipsSound();
};

void TestChimeAnnouncements::soundBeforeTheWords_data()
{
    QTest::addColumn<bool>("speech");
    QTest::addColumn<ChimeChoice>("choice");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<bool>("chimeOnly");
    QTest::addColumn<QString>("file"); // for ChimeChoice::SoundFile: "good" or "broken"
    QTest::addColumn<QString>("first"); // "bleep", a chime file's name, or "" for none
    QTest::addColumn<bool>("words");
    const auto W = ChimeChoice::Westminster;
    QTest::newRow("bleep stays the bleep") << false << ChimeChoice::Bleep << QTime(9, 15) << false << "" << "bleep" << true;
    QTest::newRow("bleep, chime only, still speaks") << false << ChimeChoice::Bleep << QTime(9, 15) << true << "" << "bleep" << true;
    QTest::newRow("westminster quarter") << false << W << QTime(9, 15) << false << "" << "westminster-1-0-44100.wav" << true;
    QTest::newRow("westminster hour") << false << W << QTime(15, 0) << false << "" << "westminster-4-3-44100.wav" << true;
    QTest::newRow("westminster off the quarter") << false << W << QTime(9, 20) << false << "" << "" << true;
    QTest::newRow("westminster chime only") << false << W << QTime(9, 45) << true << "" << "westminster-3-0-44100.wav" << false;
    QTest::newRow("silence, chime only, speaks") << false << W << QTime(9, 20) << true << "" << "" << true;
    QTest::newRow("strike, speech") << true << ChimeChoice::HourStrike << QTime(15, 0) << false << "" << "strike-3-44100.wav" << true;
    QTest::newRow("strike, speech, chime only") << true << ChimeChoice::HourStrike << QTime(12, 0) << true << "" << "strike-12-44100.wav" << false;
    QTest::newRow("pips asked for at once") << false << ChimeChoice::Pips << QTime(9, 7) << false << "" << "pips-44100.wav" << true;
    QTest::newRow("own sound") << false << ChimeChoice::SoundFile << QTime(9, 7) << false << "good" << "own-44100.wav" << true;
    QTest::newRow("own sound broken") << false << ChimeChoice::SoundFile << QTime(9, 7) << true << "broken" << "bleep" << true;
    QTest::newRow("own sound broken, speech") << true << ChimeChoice::SoundFile << QTime(9, 7) << false << "broken" << "bleep" << true;
}

void TestChimeAnnouncements::soundBeforeTheWords()
{
    QFETCH(bool, speech);
    QFETCH(ChimeChoice, choice);
    QFETCH(QTime, time);
    QFETCH(bool, chimeOnly);
    QFETCH(QString, file);
    QFETCH(QString, first);
    QFETCH(bool, words);

    cleanFolders();
    const QString own = joinPath(dataDir(), QStringLiteral("own.wav"));
    writeFile(own, file == QLatin1String("good") ? monoWavBytes(std::vector<int16_t>(4410, 2000), 22050)
                                                 : QByteArray("not a sound at all"));

    AudioOutput audio;
    ClockWindowRig rig(speech ? kSpeechWithBleep : kClipsWithBleep, "150\r\n", ClockWindowRig::Load::Whole,
                       {.start = QDateTime(QDate(2026, 12, 7), time)});
    const QString folder = joinPath(dataDir(), QStringLiteral("chimes"));
    ChimeController chimes(rig.clock, audio, joinPath(configDir(), QStringLiteral("Chimes.ini")), folder);
    QSignalSpy failed(&chimes, &ChimeController::soundFileFailed);
    QCOMPARE(chimes.setPreferences({choice, chimeOnly, own}), QString());
    chimes.attach(rig.form.get());

    rig.media.played.clear();
    if (speech)
        rig.form->state().TTSBleepTimeRequest = true;
    else
        rig.form->state().ClipTimeRequest = true;
    rig.form->Timer2_Timer();
    QTRY_VERIFY(!rig.form->state().ClipTimeRequest && !rig.form->state().TTSBleepTimeRequest);

    QStringList played = rig.media.played;
    if (first == QLatin1String("bleep")) {
        QVERIFY2(played.size() >= 2, qPrintable(played.join(QLatin1Char(' '))));
        QCOMPARE(played.mid(0, 2), (QStringList{kBleep, kBleep}));
        played = played.mid(2);
    } else if (!first.isEmpty()) {
        QVERIFY2(!played.isEmpty(), "nothing played");
        QCOMPARE(played.first(), joinPath(folder, first));
        // What the player is given is a wave file it can play.
        QVERIFY(readWavFile(played.first()).ok());
        played = played.mid(1);
    }
    QCOMPARE(failed.count(), file == QLatin1String("broken") ? 1 : 0);
    const bool spoken = speech ? !rig.engine.spoken.isEmpty() : !played.isEmpty();
    QCOMPARE(spoken, words);
    if (!speech && words)
        QVERIFY(!played.contains(kBleep)); // the words alone follow
}

void TestChimeAnnouncements::speakWhileTheLeadPipsSound()
{
    cleanFolders();
    AudioOutput audio;
    // A little over the look ahead before 9:15, a due minute.
    ClockWindowRig rig(kClipsWithBleep, "150\r\n", ClockWindowRig::Load::Whole,
                       {.start = QDateTime(QDate(2026, 12, 7), QTime(9, 14, 51, 500))});
    rig.form->Timer1_Timer(); // the interval, as a tick finds it
    const QString folder = joinPath(dataDir(), QStringLiteral("chimes"));
    ChimeController chimes(rig.clock, audio, joinPath(configDir(), QStringLiteral("Chimes.ini")), folder);
    QCOMPARE(chimes.setPreferences({ChimeChoice::Pips, false, {}}), QString());
    chimes.attach(rig.form.get());
    QTRY_VERIFY_WITH_TIMEOUT(chimes.pipsAhead(), 6000);
    const auto *lamp = formPart<SheerPicture>(*rig.form, "SheerPicture1");
    QVERIFY(!lamp->isHidden()); // lit from the first pip

    // Speak while they sound: the words wait for the sixth pip, and the
    // pips are not begun again over themselves.
    rig.media.played.clear();
    rig.form->state().ClipTimeRequest = true;
    rig.form->Timer2_Timer();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.form->state().ClipTimeRequest, 15000);
    QVERIFY(!rig.media.played.isEmpty());
    QVERIFY(!rig.media.played.contains(joinPath(folder, QStringLiteral("pips-44100.wav"))));
    QVERIFY(!rig.media.played.contains(kBleep));
    QVERIFY(lamp->isHidden());
}

HORAVOX_TEST_MAIN(TestChimeAnnouncements)
#include "test_chime_announcements.moc"
