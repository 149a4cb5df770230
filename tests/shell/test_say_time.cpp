// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings_control.h"
#include "shell/say_time.h"

#include "clock_window_rig.h"
#include "settings/settings_codec.h"
#include "settings/settings_window.h"
#include "speech/language/spoken_language.h"
#include "test_main.h"

#include <QCheckBox>
#include <QSignalSpy>

using namespace horavox;
using namespace horavox_test;

namespace {

// 9:05 AM in clips.
const QStringList kNineOhFive{kTimeClip, clip("9"), clip("0"), clip("5"), clip("AM")};
const QString kPhrase = QStringLiteral("Listen, it is");
const QString kSentence = QStringLiteral("Listen, it is 09:05 AM");

StoredSettings settingsWith(bool tts, bool atStartup, bool bleep)
{
    StoredSettings s;
    s.tts = tts;
    if (tts) {
        s.speed = 170;
        s.phrase = kPhrase;
    }
    s.announceAtStartup = atStartup;
    s.bleep = bleep;
    return s;
}

struct Rig : ClockWindowRig
{
    explicit Rig(const StoredSettings &settings)
        : ClockWindowRig(settings_codec::serialize(settings), "450\r\n", Load::Later)
    {
        engine.busyWhileSpeaking = true;
        build(Load::Whole);
    }
    // Runs --say-time to its end; false if it timed out or never ended.
    bool run(int timeoutMs = 5000, bool *byLoad = nullptr)
    {
        SayTimeRun sayTime(*form, engine, timeoutMs);
        QSignalSpy finished(&sayTime, &SayTimeRun::finished);
        sayTime.start();
        if (finished.isEmpty() && !finished.wait(timeoutMs + 2000))
            return false;
        if (byLoad)
            *byLoad = sayTime.startedByLoad();
        QTest::qWait(2 * SayTimeRun::kPollMs);
        return finished.count() == 1 && finished.first().first().toBool();
    }
};

// Every clip is closed before the next one opens: one sound stream.
bool oneStreamAtATime(const QStringList &commands)
{
    bool open = false;
    for (const QString &c : commands) {
        if (c.startsWith(QLatin1String("open "))) {
            if (open)
                return false;
            open = true;
        } else if (c == QLatin1String("close voice1")) {
            open = false;
        }
    }
    return true;
}

} // namespace

class TestSayTime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        cleanFolders();
        setLanguageForRun(QString());
    }

    void recordedVoiceSpeaksOnce_data()
    {
        QTest::addColumn<bool>("atStartup");
        QTest::addColumn<bool>("bleep");
        QTest::addColumn<QStringList>("clips");
        const QStringList bleep{clip("A"), clip("A")};
        QTest::newRow("plain") << false << false << kNineOhFive;
        QTest::newRow("bleep first") << false << true << bleep + kNineOhFive;
        QTest::newRow("start-up announcement is the one") << true << false << kNineOhFive;
        QTest::newRow("start-up announcement with bleep") << true << true << bleep + kNineOhFive;
    }
    void recordedVoiceSpeaksOnce()
    {
        QFETCH(bool, atStartup);
        QFETCH(bool, bleep);
        QFETCH(QStringList, clips);
        Rig rig(settingsWith(false, atStartup, bleep));
        bool byLoad = false;
        QVERIFY(rig.run(5000, &byLoad));
        QCOMPARE(byLoad, atStartup);
        QCOMPARE(rig.media.played, clips);
        QVERIFY(rig.engine.spoken.isEmpty());
        QVERIFY(oneStreamAtATime(rig.media.commands));
    }

    void textToSpeechSpeaksOnceAndWaitsForSilence_data()
    {
        QTest::addColumn<bool>("atStartup");
        QTest::addColumn<bool>("bleep");
        QTest::addColumn<QString>("language"); // --language
        QTest::addColumn<QString>("sentence");
        QTest::newRow("plain") << false << false << QString() << kSentence;
        QTest::newRow("bleep first") << false << true << QString() << kSentence;
        QTest::newRow("start-up announcement is the one") << true << false << QString() << kSentence;
        QTest::newRow("start-up announcement with bleep") << true << true << QString() << kSentence;
        // The phrase keeps its place; the time is the language's.
        QTest::newRow("in German") << false << false << "de" << kPhrase + " neun Uhr fünf";
        QTest::newRow("in German, bleep first") << false << true << "de" << kPhrase + " neun Uhr fünf";
        QTest::newRow("in German, at start-up") << true << false << "de" << kPhrase + " neun Uhr fünf";
    }
    void textToSpeechSpeaksOnceAndWaitsForSilence()
    {
        QFETCH(bool, atStartup);
        QFETCH(bool, bleep);
        QFETCH(QString, language);
        QFETCH(QString, sentence);
        setLanguageForRun(language);
        Rig rig(settingsWith(true, atStartup, bleep));
        SayTimeRun sayTime(*rig.form, rig.engine, 5000);
        QSignalSpy finished(&sayTime, &SayTimeRun::finished);
        sayTime.start();
        QTRY_COMPARE(rig.engine.spoken, QStringList({sentence}));
        QCOMPARE(rig.engine.speeds, QVector<qint32>({170}));
        const QStringList bleepClips = bleep ? QStringList({clip("A"), clip("A")}) : QStringList();
        QCOMPARE(rig.media.played, bleepClips);
        // Still speaking: the run must not end yet.
        QTest::qWait(5 * SayTimeRun::kPollMs);
        QCOMPARE(finished.count(), 0);
        rig.engine.setBusy(false);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toBool(), true);
        QCOMPARE(rig.engine.spoken.size(), 1);
    }

    void printedSentence_data()
    {
        QTest::addColumn<QByteArray>("settingsFile"); // empty: none
        QTest::addColumn<QString>("sentence");
        QTest::newRow("the settings' phrase") << settings_codec::serialize(settingsWith(true, false, false))
                                              << kPhrase + " neun Uhr fünf";
        QTest::newRow("recorded voice: the built-in phrase") << settings_codec::defaultFile() << "Es ist neun Uhr fünf";
        QTest::newRow("no settings file") << QByteArray() << "Es ist neun Uhr fünf";
    }
    void printedSentence()
    {
        QFETCH(QByteArray, settingsFile);
        if (!settingsFile.isEmpty())
            writeFile(settingsFilePath(), settingsFile);
        setLanguageForRun("de");
        const FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 5, 30))};
        QTEST(printedTimeSentence(clock), "sentence");
        // It only reads.
        QCOMPARE(QFile::exists(settingsFilePath()), !settingsFile.isEmpty());
    }

    // The tray's "Say the time" and --say-time through a running clock, as
    // a press on Speak: a sentence being spoken gives way to a new one.
    void requestWhileTheEngineTalksStartsAgain_data()
    {
        QTest::addColumn<bool>("bleep");
        QTest::newRow("plain") << false;
        QTest::newRow("bleep first") << true;
    }
    void requestWhileTheEngineTalksStartsAgain()
    {
        QFETCH(bool, bleep);
        Rig rig(settingsWith(true, false, bleep));
        rig.engine.TtsSpeak(QStringLiteral("an earlier sentence"));
        QVERIFY(rig.engine.TtsBusy() != 0);
        const int stopsBefore = rig.engine.stops;
        requestTimeAnnouncement(*rig.form);
        QTRY_COMPARE(rig.engine.spoken, QStringList({QStringLiteral("an earlier sentence"), kSentence}));
        QVERIFY(rig.engine.stops > stopsBefore);
        QCOMPARE(rig.media.played, bleep ? QStringList({clip("A"), clip("A")}) : QStringList());
    }

    void aVoiceThatNeverEndsIsCutOff()
    {
        Rig rig(settingsWith(true, false, false));
        SayTimeRun sayTime(*rig.form, rig.engine, 200);
        QSignalSpy finished(&sayTime, &SayTimeRun::finished);
        const int stopsBefore = rig.engine.stops;
        sayTime.start();
        QVERIFY(finished.wait(3000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toBool(), false);
        QVERIFY(rig.engine.stops > stopsBefore);
        QCOMPARE(rig.engine.TtsBusy(), qint16(0));
    }

    void runningClockDefersARequestThatMeetsAPlayingClip()
    {
        Rig rig(settingsWith(false, false, true));
        bool asked = false;
        rig.media.onQuery = [&] {
            if (!asked) {
                asked = true;
                // A second start asks in the middle; its request arrives as
                // an event, as the socket's would, while the clip plays.
                QTimer::singleShot(0, rig.form.get(), [&] { requestTimeAnnouncement(*rig.form); });
            }
        };
        rig.form->speakNow();
        QTRY_COMPARE(rig.media.played.size(), 5 + 2 + 5);
        QCOMPARE(rig.media.played.mid(0, 5), kNineOhFive);
        QCOMPARE(rig.media.played.mid(5), QStringList({clip("A"), clip("A")}) + kNineOhFive);
        QVERIFY(oneStreamAtATime(rig.media.commands));
    }

    void alarmModeServesTheRequestAsTheSpeakButtonDoes_data()
    {
        QTest::addColumn<bool>("tts");
        QTest::newRow("recorded") << false;
        QTest::newRow("text to speech") << true;
    }
    void alarmModeServesTheRequestAsTheSpeakButtonDoes()
    {
        QFETCH(bool, tts);
        Rig rig(settingsWith(tts, false, true));
        settingsControl<QCheckBox>(rig.form->settingsWindow(), "Check4")->click();
        QCOMPARE(rig.form->settingsWindow()->alarmMode(), 1);
        requestTimeAnnouncement(*rig.form);
        if (tts) {
            QCOMPARE(rig.engine.spoken, QStringList({kSentence}));
            QVERIFY(rig.media.played.isEmpty());
        } else {
            QCOMPARE(rig.media.played, kNineOhFive);
        }
        // Nothing left waiting that would speak again once alarm mode ends.
        QVERIFY(!rig.form->state().ClipTimeRequest);
        QVERIFY(!rig.form->state().TTSBleepTimeRequest);
    }

    void silence_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("silent");
        QTest::newRow("nothing") << "" << true;
        QTest::newRow("clip request waiting") << "clip-request" << false;
        QTest::newRow("bleep request waiting") << "bleep-request" << false;
        QTest::newRow("clip playing") << "playing" << false;
        QTest::newRow("clip stopped") << "stopped" << true;
        QTest::newRow("engine busy") << "busy" << false;
    }
    void silence()
    {
        QFETCH(QString, what);
        QFETCH(bool, silent);
        Rig rig(settingsWith(false, false, false));
        ProgramState &s = rig.form->state();
        if (what == QLatin1String("clip-request"))
            s.ClipTimeRequest = true;
        else if (what == QLatin1String("bleep-request"))
            s.TTSBleepTimeRequest = true;
        else if (what == QLatin1String("playing") || what == QLatin1String("stopped"))
            s.WaveModeText = what;
        else if (what == QLatin1String("busy"))
            rig.engine.busy = true;
        QCOMPARE(voiceSilent(*rig.form, rig.engine), silent);
    }
};

HORAVOX_TEST_MAIN(TestSayTime)
#include "test_say_time.moc"
