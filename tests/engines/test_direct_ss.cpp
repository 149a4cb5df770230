// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engines/direct_ss.h"
#include "engines/tts_engine.h"
#include "speech/audio/audio_output.h"
#include "speech/language/spoken_language.h"
#include "tap_recorder.h"
#include "test_main.h"

#include <QSignalSpy>
#include <QTest>

using namespace horavox;
using namespace horavox_test;

namespace {

const QString kSentence = QStringLiteral("The Time is Now 05:30 PM");

// Frames from the first to the last sound in a recording: the length of what
// was said, whatever silence surrounds it.
qint64 spokenFrames(const std::vector<int16_t> &s)
{
    const auto first = std::find_if(s.begin(), s.end(), [](int16_t v) { return v != 0; });
    if (first == s.end())
        return 0;
    const auto last = std::find_if(s.rbegin(), s.rend(), [](int16_t v) { return v != 0; });
    return qint64(last.base() - first);
}

DirectSS::Options only(int engine)
{
    DirectSS::Options o;
    o.engines = engine;
    return o;
}

} // namespace

class TestDirectSS : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void enginesAndVoices();
    void chooseEngine();
    void speedIsKeptInRange_data();
    void speedIsKeptInRange();
    void withoutEngineNothingHappens();

    void busyFromSpeakUntilHeard_data();
    void busyFromSpeakUntilHeard();
    void stopSilencesAtOnce_data();
    void stopSilencesAtOnce();
    void fasterSpeedSaysItInFewerSamples_data();
    void fasterSpeedSaysItInFewerSamples();
    void sentenceDuringSpeechFollowsIt_data();
    void sentenceDuringSpeechFollowsIt();
    void speakAfterStopSpeaksAgain_data();
    void speakAfterStopSpeaksAgain();
    void destroyWhileSpeaking();
    void enginesStartWithTheFirstSentence_data();
    void enginesStartWithTheFirstSentence();
    void preparedEngineStartsSilently_data() { enginesStartWithTheFirstSentence_data(); }
    void preparedEngineStartsSilently();
    void knownVoicesMatchTheEngines_data();
    void knownVoicesMatchTheEngines();
    void voicesByStoredId_data();
    void voicesByStoredId();
    void everyLanguageIsSpokenInItsVoice_data();
    void everyLanguageIsSpokenInItsVoice();

private:
    void addEngineRows();
};

void TestDirectSS::addEngineRows()
{
    QTest::addColumn<int>("engine");
    QTest::newRow("flite") << int(DirectSS::Flite);
    QTest::newRow("espeak") << int(DirectSS::Espeak);
}

void TestDirectSS::enginesAndVoices()
{
    DirectSS ss;
    QCOMPARE(ss.TtsEngineCount(), qint16(2));
    QCOMPARE(ss.engineNames(), QStringList({"flite", "espeak"}));
    QCOMPARE(ss.currentEngine(), 0);
    QCOMPARE(ss.TtsVoiceName(ss.TtsCurrentVoice()), QStringLiteral("slt"));
    QCOMPARE(ss.TtsVoiceName(-1), QString());
    QCOMPARE(ss.TtsVoiceName(1000), QString());
    QCOMPARE(ss.TtsBusy(), qint16(0));
}

void TestDirectSS::chooseEngine()
{
    AudioOutput out;
    DirectSS ss(&out, {});
    QVERIFY(ss.setCurrentEngine(1));
    QCOMPARE(ss.currentEngine(), 1);
    QCOMPARE(ss.TtsVoiceName(ss.TtsCurrentVoice()), QStringLiteral("en-us"));
    QVERIFY(!ss.setCurrentEngine(2));
    QVERIFY(!ss.setCurrentEngine(-1));
    QCOMPARE(ss.currentEngine(), 1);
    QVERIFY(!ss.setCurrentVoice(1000));

    DirectSS espeakOnly(&out, only(DirectSS::Espeak));
    QCOMPARE(espeakOnly.TtsEngineCount(), qint16(1));
    QCOMPARE(espeakOnly.TtsVoiceName(espeakOnly.TtsCurrentVoice()), QStringLiteral("en-us"));
    QCOMPARE(espeakOnly.output(), &out);
}

void TestDirectSS::speedIsKeptInRange_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("kept");
    QTest::newRow("slowest") << 50 << 50;
    QTest::newRow("natural") << 135 << 135;
    QTest::newRow("fastest") << 220 << 220;
    QTest::newRow("below") << 10 << 50;
    QTest::newRow("negative") << -5 << 50;
    QTest::newRow("above") << 1000 << 220;
}

void TestDirectSS::speedIsKeptInRange()
{
    QFETCH(int, asked);
    DirectSS ss(nullptr, only(0));
    ss.TtsSetSpeed(asked);
    QTEST(int(ss.speed()), "kept");
}

void TestDirectSS::withoutEngineNothingHappens()
{
    AudioOutput out;
    TapRecorder tap(out);
    DirectSS ss(&out, only(0));
    QSignalSpy busy(&ss, &SpeechEngine::busyChanged);
    QCOMPARE(ss.TtsEngineCount(), qint16(0));
    QCOMPARE(ss.currentEngine(), -1);
    QCOMPARE(ss.TtsVoiceName(ss.TtsCurrentVoice()), QString());
    ss.TtsSetSpeed(100);
    ss.TtsSpeak(kSentence);
    QCOMPARE(ss.TtsBusy(), qint16(0));
    ss.TtsStop();
    QTest::qWait(100);
    QCOMPARE(ss.TtsBusy(), qint16(0));
    QCOMPARE(busy.count(), 0);
    QCOMPARE(tap.loudCount(), size_t(0));
    QVERIFY(!out.isDeviceOpen());
}

void TestDirectSS::busyFromSpeakUntilHeard_data()
{
    addEngineRows();
}

void TestDirectSS::busyFromSpeakUntilHeard()
{
    QFETCH(int, engine);
    AudioOutput out;
    TapRecorder tap(out);
    DirectSS ss(&out, only(engine));
    QCOMPARE(ss.TtsEngineCount(), qint16(1));
    QSignalSpy busy(&ss, &SpeechEngine::busyChanged);
    ss.TtsSetSpeed(135);
    ss.TtsSpeak(kSentence);
    QVERIFY(ss.TtsBusy() != 0);
    QTRY_VERIFY_WITH_TIMEOUT(ss.TtsBusy() == 0, 30000);
    // Busy ends when everything is made and what is left is no more than
    // the output's end notice, so that a sound started now follows on.
    const size_t loudAtEnd = tap.loudCount();
    QTRY_COMPARE_WITH_TIMEOUT(out.activeVoices(), 0, 5000);
    const qint64 heard = spokenFrames(tap.samples());
    QVERIFY2(heard > out.sampleRate() / 2, qPrintable(QString::number(heard)));
    QVERIFY2(heard < out.sampleRate() * 6, qPrintable(QString::number(heard)));
    const qint64 notice = qint64(out.options().endNoticeMs) * out.sampleRate() / 1000;
    QVERIFY2(qint64(tap.loudCount() - loudAtEnd) <= notice, qPrintable(QString::number(tap.loudCount() - loudAtEnd)));
    QTRY_COMPARE(busy.count(), 2);
    QCOMPARE(busy.at(0).at(0).toBool(), true);
    QCOMPARE(busy.at(1).at(0).toBool(), false);
}

void TestDirectSS::stopSilencesAtOnce_data()
{
    QTest::addColumn<int>("engine");
    QTest::addColumn<bool>("inItsEnd");
    for (const auto &[name, engine] : {std::pair{"flite", int(DirectSS::Flite)}, std::pair{"espeak", int(DirectSS::Espeak)}}) {
        QTest::newRow(qPrintable(QStringLiteral("%1, while spoken").arg(QLatin1String(name)))) << engine << false;
        // Its end announced (the engine no longer busy), its last samples
        // still on the way: a press on Speak then must not let them through.
        QTest::newRow(qPrintable(QStringLiteral("%1, in its announced end").arg(QLatin1String(name)))) << engine << true;
    }
}

void TestDirectSS::stopSilencesAtOnce()
{
    QFETCH(int, engine);
    QFETCH(bool, inItsEnd);
    AudioOutput out;
    TapRecorder tap(out);
    DirectSS ss(&out, only(engine));
    QSignalSpy busy(&ss, &SpeechEngine::busyChanged);
    QSignalSpy closed(&out, &AudioOutput::deviceClosed);
    ss.TtsSetSpeed(inItsEnd ? 220 : 50);
    ss.TtsSpeak(inItsEnd ? QStringLiteral("Nine") : QStringLiteral("5 minutes have elapsed. The Time is now 05:05 PM. Start Time 05:00 PM"));
    if (inItsEnd)
        QTRY_VERIFY_WITH_TIMEOUT(ss.TtsBusy() == 0, 10000);
    else
        QTRY_VERIFY_WITH_TIMEOUT(tap.loudCount() > 2000, 10000);
    ss.TtsStop();
    QCOMPARE(ss.TtsBusy(), qint16(0));
    const size_t atStop = tap.size();
    // What the device held of it is thrown away with the device.
    QCOMPARE(closed.count(), 1);
    QTest::qWait(300);
    QCOMPARE(tap.loudCount(atStop), size_t(0));
    QCOMPARE(ss.TtsBusy(), qint16(0));
    QTRY_COMPARE(busy.count(), 2);
    QCOMPARE(busy.last().at(0).toBool(), false);
}

void TestDirectSS::fasterSpeedSaysItInFewerSamples_data()
{
    addEngineRows();
}

void TestDirectSS::fasterSpeedSaysItInFewerSamples()
{
    QFETCH(int, engine);
    AudioOutput out;
    TapRecorder tap(out);
    DirectSS ss(&out, only(engine));
    qint64 frames[2] = {};
    const int speeds[2] = {50, 220};
    for (int i = 0; i < 2; ++i) {
        tap.clear();
        ss.TtsSetSpeed(speeds[i]);
        ss.TtsSpeak(QStringLiteral("Twelve forty five"));
        QTRY_VERIFY_WITH_TIMEOUT(ss.TtsBusy() == 0, 30000);
        frames[i] = spokenFrames(tap.samples());
    }
    QVERIFY(frames[1] > 0);
    // 220 against 50 is more than four times the pace; allow for pauses
    // that engines do not stretch.
    QVERIFY2(frames[0] > 2 * frames[1],
             qPrintable(QStringLiteral("speed 50: %1, speed 220: %2").arg(frames[0]).arg(frames[1])));
}

void TestDirectSS::sentenceDuringSpeechFollowsIt_data()
{
    addEngineRows();
}

void TestDirectSS::sentenceDuringSpeechFollowsIt()
{
    QFETCH(int, engine);
    AudioOutput out;
    TapRecorder tap(out);
    DirectSS ss(&out, only(engine));
    QSignalSpy busy(&ss, &SpeechEngine::busyChanged);
    ss.TtsSpeak(QStringLiteral("One"));
    QTRY_COMPARE_WITH_TIMEOUT(ss.TtsBusy(), qint16(0), 30000);
    QTRY_COMPARE(busy.count(), 2); // the end is signalled after TtsBusy turns 0
    const qint64 single = spokenFrames(tap.samples());
    tap.clear();
    busy.clear();

    ss.TtsSpeak(QStringLiteral("One"));
    ss.TtsSpeak(QStringLiteral("One"));
    QTRY_COMPARE_WITH_TIMEOUT(ss.TtsBusy(), qint16(0), 30000);
    const qint64 both = spokenFrames(tap.samples());
    // Said one after the other, not over each other, and busy throughout.
    QVERIFY2(both > single * 3 / 2, qPrintable(QStringLiteral("%1 vs %2").arg(both).arg(single)));
    QTRY_COMPARE(busy.count(), 2);
}

void TestDirectSS::speakAfterStopSpeaksAgain_data()
{
    addEngineRows();
}

void TestDirectSS::speakAfterStopSpeaksAgain()
{
    QFETCH(int, engine);
    AudioOutput out;
    TapRecorder tap(out);
    DirectSS ss(&out, only(engine));
    // The speak button's way: stop whatever is said, then speak at once.
    ss.TtsSpeak(kSentence);
    ss.TtsStop();
    ss.TtsSpeak(QStringLiteral("Nine"));
    QVERIFY(ss.TtsBusy() != 0);
    QTRY_COMPARE_WITH_TIMEOUT(ss.TtsBusy(), qint16(0), 30000);
    const qint64 heard = spokenFrames(tap.samples());
    QVERIFY2(heard > out.sampleRate() / 10, qPrintable(QString::number(heard)));
    QVERIFY2(heard < out.sampleRate() * 3 / 2, qPrintable(QString::number(heard)));
}

void TestDirectSS::destroyWhileSpeaking()
{
    AudioOutput out;
    TapRecorder tap(out);
    {
        DirectSS ss(&out, {});
        ss.TtsSpeak(kSentence);
        QTRY_VERIFY_WITH_TIMEOUT(tap.loudCount() > 0, 10000);
    }
    const size_t atEnd = tap.size();
    QTest::qWait(200);
    QCOMPARE(tap.loudCount(atEnd), size_t(0));
    QCOMPARE(out.activeVoices(), 0);
}

void TestDirectSS::enginesStartWithTheFirstSentence_data()
{
    QTest::addColumn<int>("engines");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("voice");
    QTest::newRow("both") << int(DirectSS::AllEngines) << QStringList{"flite", "espeak"} << "slt";
    QTest::newRow("flite") << int(DirectSS::Flite) << QStringList{"flite"} << "slt";
    QTest::newRow("espeak") << int(DirectSS::Espeak) << QStringList{"espeak"} << "en-us";
    // Offered, found by its library's file, not by loading it.
    QTest::newRow("with the speech service") << int(DirectSS::AllEngines | DirectSS::Dispatcher)
                                             << QStringList{"flite", "espeak", "speech-dispatcher"} << "slt";
}

void TestDirectSS::enginesStartWithTheFirstSentence()
{
    QFETCH(int, engines);
    QFETCH(QStringList, names);
    AudioOutput out;
    DirectSS ss(&out, only(engines));
    // What the settings window shows comes without starting anything.
    QCOMPARE(ss.TtsEngineCount(), qint16(names.size()));
    QCOMPARE(ss.engineNames(), names);
    QTEST(ss.TtsVoiceName(ss.TtsCurrentVoice()), "voice");
    QVERIFY(!ss.engineStarted());
    QVERIFY(!out.isStarted());
    ss.TtsSpeak(QStringLiteral("One"));
    QVERIFY(ss.TtsBusy() != 0);
    QTRY_COMPARE_WITH_TIMEOUT(ss.TtsBusy(), qint16(0), 30000);
    QVERIFY(ss.engineStarted());
    QVERIFY(out.isStarted());
    // Started, the engines are what the look found.
    QCOMPARE(ss.TtsEngineCount(), qint16(names.size()));
    QCOMPARE(ss.engineNames(), names);
    QTEST(ss.TtsVoiceName(ss.TtsCurrentVoice()), "voice");
}

void TestDirectSS::preparedEngineStartsSilently()
{
    QFETCH(int, engines);
    AudioOutput out;
    DirectSS ss(&out, only(engines));
    ss.prepare();
    QCOMPARE(ss.TtsBusy(), qint16(0)); // nothing is on its way to be heard
    QTRY_VERIFY_WITH_TIMEOUT(ss.engineStarted(), 30000);
    QVERIFY(!out.isStarted());
    // The sentence after it is spoken whole, by the engine already started.
    ss.TtsSpeak(QStringLiteral("One"));
    QVERIFY(ss.TtsBusy() != 0);
    QTRY_COMPARE_WITH_TIMEOUT(ss.TtsBusy(), qint16(0), 30000);
    QVERIFY(out.isStarted());
}

void TestDirectSS::knownVoicesMatchTheEngines_data()
{
    addEngineRows();
}

void TestDirectSS::knownVoicesMatchTheEngines()
{
    QFETCH(int, engine);
    const std::optional<TtsEngineInfo> info = engine == DirectSS::Flite ? fliteInfo() : espeakInfo();
    QVERIFY(info);
    TtsEngine &started = engine == DirectSS::Flite ? fliteEngine() : espeakEngine();
    QVERIFY(started.isReady());
    QCOMPARE(info->name, started.engineName());
    QCOMPARE(info->voices, started.voiceNames());
    for (int v = 0; v < info->voices.size(); ++v)
        QCOMPARE(info->rates.value(v), started.sampleRate(v));
    // Every voice is described to a person, none by its short name alone.
    QCOMPARE(info->speakers.size(), info->voices.size());
    for (const TtsEngineInfo::Speaker &who : info->speakers)
        QVERIFY(!who.language.isEmpty() && !who.accent.isEmpty() && !who.kind.isEmpty());
}

// The program's own choices are read through the dialog and the window
// elsewhere; here, what only a smaller set of engines shows.
void TestDirectSS::voicesByStoredId_data()
{
    QTest::addColumn<int>("engines");
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("speaks"); // the id of the current voice afterwards
    QTest::addColumn<QString>("readable");
    QTest::newRow("engine no longer installed") << int(DirectSS::Flite) << "espeak/en" << false << "flite/slt"
                                                << "US female";
    QTest::newRow("default of the only engine, numbered alone")
        << int(DirectSS::Espeak) << "flite/kal" << false << "espeak/en-us" << "US male";
    QTest::newRow("a voice's short name is no id") << int(DirectSS::AllEngines) << "en" << false << "flite/slt"
                                                   << "US female";
    QTest::newRow("none stored") << int(DirectSS::AllEngines) << "" << true << "flite/slt" << "US female";
    const int withService = DirectSS::AllEngines | DirectSS::Dispatcher;
    QTest::newRow("the speech service's default") << withService << "speech-dispatcher" << true
                                                  << "speech-dispatcher" << "speech-dispatcher";
    // Taken at its word: asking the modules would start the service at every start.
    QTest::newRow("a module's voice before the modules are asked")
        << withService << "speech-dispatcher/espeak-ng/English (America)" << true
        << "speech-dispatcher/espeak-ng/English (America)" << "English (America)";
    QTest::newRow("a module's voice as stored") << withService << "speech-dispatcher/espeak-ng/English+20+28America+29+2BAnnie"
                                                << true << "speech-dispatcher/espeak-ng/English (America)+Annie"
                                                << "English (America)+Annie";
    QTest::newRow("a module without a voice") << withService << "speech-dispatcher/espeak-ng" << false << "flite/slt"
                                              << "US female";
    QTest::newRow("the speech service not offered") << int(DirectSS::AllEngines) << "speech-dispatcher" << false
                                                    << "flite/slt" << "US female";
}

void TestDirectSS::voicesByStoredId()
{
    QFETCH(int, engines);
    QFETCH(QString, id);
    QFETCH(QString, speaks);
    AudioOutput out;
    DirectSS ss(&out, only(engines));
    // From another voice than the default, as a running clock may be.
    ss.setCurrentVoice(1);
    QSignalSpy changed(&ss, &SpeechEngine::currentVoiceChanged);
    QTEST(ss.chooseVoice(id), "known");
    QCOMPARE(ss.voiceId(ss.TtsCurrentVoice()), speaks);
    QCOMPARE(changed.count(), 1);
    QTEST(ss.readableVoiceName(ss.TtsCurrentVoice()), "readable");
    // Callers of the engine's short name are given what they always were.
    QCOMPARE(ss.TtsVoiceName(ss.TtsCurrentVoice()), speaks.section(QLatin1Char('/'), 1));
    QVERIFY(!ss.engineStarted());
}

HORAVOX_TEST_MAIN(TestDirectSS)
#include "test_direct_ss.moc"

void TestDirectSS::everyLanguageIsSpokenInItsVoice_data()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : spokenLanguages()) {
        if (!espeakVoiceFor(code).isEmpty())
            QTest::newRow(qPrintable(code)) << code;
    }
}

void TestDirectSS::everyLanguageIsSpokenInItsVoice()
{
    QFETCH(QString, code);
    TtsEngine &engine = espeakEngine();
    QVERIFY(engine.isReady());
    const int voice = int(engine.voiceNames().indexOf(espeakVoiceFor(code)));
    QVERIFY2(voice >= 0, "the voice is installed with the engine's data");
    const QString sentence = spokenAlarmSentence(code, 21, true, QString(), QTime(23, 59), "12:45 PM",
                                                 ClockStyle::Usual);
    qint64 frames = 0;
    QVERIFY(engine.synthesize(sentence, voice, 135, [&](const int16_t *, int n) {
        frames += n;
        return true;
    }));
    // Words read at a speaking pace take 45 to 65 ms a letter, kana about
    // 100 ms; a sentence read letter by letter (or kanji as "Chinese
    // letter", 600 ms each) runs far longer, one the voice cannot read
    // hardly starts.
    const double seconds = double(frames) / engine.sampleRate(voice);
    QVERIFY2(seconds > 0.02 * sentence.size() && seconds < 0.2 * sentence.size(),
             qPrintable(QStringLiteral("%1 s for %2 letters").arg(seconds).arg(sentence.size())));
}
