// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The preferences file: what a hand-edited or damaged file reads as, and that
// what is written reads back, here and through QSettings.
#include "quiet/quiet_controller.h"
#include "quiet/quiet_preferences.h"

#include "fake_clock.h"

#include "test_main.h"

#include <QSettings>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace horavox;

Q_DECLARE_METATYPE(horavox::QuietPreferences)

namespace {
QuietPreferences with(const std::function<void(QuietPreferences &)> &change)
{
    QuietPreferences p;
    change(p);
    return p;
}
} // namespace

class TestQuietPreferences : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QuietPreferences>("expected");

        QTest::newRow("empty file: defaults") << QByteArray() << QuietPreferences{};
        QTest::newRow("two days, CR LF, comment, section")
            << QByteArray("; mine\r\n[General]\r\nWeekdays=Mon, fri\r\n")
            << with([](QuietPreferences &p) { p.weekdays = 0x11; });
        QTest::newRow("no day at all") << QByteArray("Weekdays=none\n") << with([](QuietPreferences &p) { p.weekdays = 0; });
        QTest::newRow("unknown days keep the default") << QByteArray("Weekdays=Someday\n") << QuietPreferences{};
        QTest::newRow("volume above 100") << QByteArray("Volume=150\n") << with([](QuietPreferences &p) { p.volume = 100; });
        QTest::newRow("volume below 0") << QByteArray("Volume=-5\n") << with([](QuietPreferences &p) { p.volume = 0; });
        QTest::newRow("volume not a number") << QByteArray("Volume=loud\n") << QuietPreferences{};
        QTest::newRow("switches as 1/0 and any case")
            << QByteArray("PauseMedia=1\nQuietDuringCalls=FALSE\nRespectDoNotDisturb=0\n")
            << with([](QuietPreferences &p) {
                   p.pauseMedia = true;
                   p.quietDuringCalls = false;
                   p.respectDoNotDisturb = false;
               });
        QTest::newRow("switch not a truth value") << QByteArray("PauseMedia=maybe\n") << QuietPreferences{};
        QTest::newRow("voice id") << QByteArray("Voice=flite/slt\n") << with([](QuietPreferences &p) { p.voice = "flite/slt"; });
        QTest::newRow("voice with blanks or quotes is refused") << QByteArray("Voice=\"a, b\"\n") << QuietPreferences{};
        QTest::newRow("voice of every allowed sign") << QByteArray("Voice=Az09._/+-\n")
                                                     << with([](QuietPreferences &p) { p.voice = "Az09._/+-"; });
        QTest::newRow("voice of 64 signs") << "Voice=" + QByteArray(64, 'v') + '\n'
                                           << with([](QuietPreferences &p) { p.voice = QString(64, u'v'); });
        QTest::newRow("voice of 65 signs is refused") << "Voice=" + QByteArray(65, 'v') + '\n' << QuietPreferences{};
        QTest::newRow("voice with a letter beyond ASCII is refused") << QByteArray("Voice=fr\xc3\xa9" "d\n")
                                                                     << QuietPreferences{};
        QTest::newRow("voice with a colon is refused") << QByteArray("Voice=a:b\n") << QuietPreferences{};
        QTest::newRow("mute time in UTC") << QByteArray("MutedUntil=2026-12-07T10:00:00Z\n")
                                          << with([](QuietPreferences &p) {
                                                 p.mutedUntil = QDateTime(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC).toLocalTime();
                                             });
        QTest::newRow("language and clock") << QByteArray("Language=pt-BR\nClock=24-HOUR\n")
                                            << with([](QuietPreferences &p) {
                                                   p.language = "pt-BR";
                                                   p.clock = ClockStyle::TwentyFourHour;
                                               });
        QTest::newRow("a language not spoken (yet) is kept") << QByteArray("Language=sv\n")
                                                             << with([](QuietPreferences &p) { p.language = "sv"; });
        QTest::newRow("clock unknown") << QByteArray("Clock=13-hour\n") << QuietPreferences{};
        QTest::newRow("mute time unreadable") << QByteArray("MutedUntil=soon\n") << QuietPreferences{};
        QTest::newRow("no equals sign, no key") << QByteArray("Volume\n=5\n") << QuietPreferences{};
    }
    void parse()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QuietPreferences, expected);
        const QuietPreferences got = quiet_preferences::parse(ini);
        QCOMPARE(got.weekdays, expected.weekdays);
        QCOMPARE(got.volume, expected.volume);
        QCOMPARE(got.pauseMedia, expected.pauseMedia);
        QCOMPARE(got.quietDuringCalls, expected.quietDuringCalls);
        QCOMPARE(got.respectDoNotDisturb, expected.respectDoNotDisturb);
        QCOMPARE(got.voice, expected.voice);
        QCOMPARE(got.language, expected.language);
        QCOMPARE(got.clock, expected.clock);
        QCOMPARE(got.mutedUntil, expected.mutedUntil);
    }

    void writtenFileReadsBackHereAndInQSettings()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/QuietTimesAndVoice.ini"));
        QuietPreferences p;
        p.weekdays = 0x1f;
        p.volume = 35;
        p.pauseMedia = true;
        p.quietDuringCalls = false;
        p.voice = QStringLiteral("espeak-ng/en-us");
        p.language = QStringLiteral("pt-PT");
        p.clock = ClockStyle::TwelveHour;
        p.mutedUntil = QDateTime(QDate(2026, 12, 7), QTime(11, 2));
        QVERIFY(quiet_preferences::save(path, p));
        QVERIFY(quiet_preferences::load(path) == p);

        QSettings s(path, QSettings::IniFormat);
        QCOMPARE(s.status(), QSettings::NoError);
        QCOMPARE(s.value("Weekdays").toStringList(), QStringList({"Mon", "Tue", "Wed", "Thu", "Fri"}));
        QCOMPARE(s.value("Volume").toInt(), 35);
        QCOMPARE(s.value("PauseMedia").toBool(), true);
        QCOMPARE(s.value("QuietDuringCalls").toBool(), false);
        QCOMPARE(s.value("Voice").toString(), p.voice);
        QCOMPARE(QDateTime::fromString(s.value("MutedUntil").toString(), Qt::ISODate), p.mutedUntil);
    }

    void missingFileGivesDefaults()
    {
        QVERIFY(quiet_preferences::load(QStringLiteral("/nonexistent/x.ini")) == QuietPreferences{});
    }

    // A file that is there but could not be read whole keeps the user's
    // choices: the run takes the defaults, a change is not written over it,
    // and saying so once is not skipped.
    void unreadableFileIsNeverWrittenOver_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("larger than a preferences file can be") << "huge";
        QTest::newRow("a folder in its place") << "folder";
    }
    void unreadableFileIsNeverWrittenOver()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("QuietTimesAndVoice.ini"));
        QByteArray before;
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else {
            before = "Volume=40\n" + QByteArray(2 * 1024 * 1024, '#') + "\n";
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(before) == before.size());
        }
        horavox_test::FakeClock clock;
        QuietController controller(clock, path);
        QVERIFY(!controller.readFailure().isEmpty());
        QCOMPARE(controller.preferences().volume, QuietPreferences{}.volume);
        QSignalSpy notSaved(&controller, &QuietController::notSaved);
        for (int volume : {30, 20}) {
            QuietPreferences p = controller.preferences();
            p.volume = volume;
            controller.setPreferences(p);
            QVERIFY(!controller.flush());
        }
        QCOMPARE(notSaved.size(), 1);
        if (kind == QLatin1String("folder")) {
            QVERIFY(QFileInfo(path).isDir());
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll() == before);
        }
    }
};

HORAVOX_TEST_MAIN(TestQuietPreferences)
#include "test_quiet_preferences.moc"
