// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// speech-dispatcher as the voice, against a real private server whose sound
// goes to a private PulseAudio server, recorded as a listener would hear it.
#include "engines/direct_ss.h"
#include "speech/audio/audio_output.h"
#include "pulse_server.h"
#include "speech_dispatcher_server.h"
#include "test_main.h"

#include <QProcess>
#include <QTest>

#include <optional>

using namespace horavox;
using namespace horavox_test;

namespace {

const QString kSentence = QStringLiteral("The Time is Now 05:30 PM");
constexpr int kRate = 44100;

bool loud(int16_t v)
{
    return std::abs(int(v)) > 64;
}
// Samples that carry sound: how much was said, gaps left out.
qint64 soundFrames(const std::vector<int16_t> &s)
{
    return std::count_if(s.begin(), s.end(), loud);
}

const DirectSS::Options kWithService{DirectSS::AllEngines | DirectSS::Dispatcher, QString()};

} // namespace

class TestDispatcherVoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        if (!m_pulse.start())
            QSKIP(qPrintable(m_pulse.error()));
        m_pulse.pointProcessAtIt();
    }
    void init()
    {
        m_speechd.emplace();
        if (!m_speechd->start())
            QSKIP(qPrintable(m_speechd->error()));
    }
    void cleanup() { m_speechd.reset(); }
    void saidToTheEndThroughTheService_data();
    void saidToTheEndThroughTheService();
    void anotherProgramsMessageAndTheClocksFollowEachOther();
    void serverLostMidSentence_data();
    void serverLostMidSentence();

private:
    // Records one sentence said alone by `say`, until `done` is true.
    template <typename Say, typename Done>
    std::vector<int16_t> recorded(Say say, Done done)
    {
        auto rec = m_pulse.recordSink();
        say();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(done(), 20000); }();
        QTest::qWait(400);
        return rec->stop();
    }

    PulseServer m_pulse;
    std::optional<SpeechDispatcherServer> m_speechd;
};

void TestDispatcherVoice::saidToTheEndThroughTheService_data()
{
    QTest::addColumn<QString>("language"); // of a module's voice to pick; none: the service's default
    QTest::newRow("the service's default") << QString();
    QTest::newRow("a module's voice") << QStringLiteral("en");
}

void TestDispatcherVoice::saidToTheEndThroughTheService()
{
    QFETCH(QString, language);
    AudioOutput out;
    DirectSS ss(&out, kWithService);
    qint32 voice = 0;
    if (!language.isEmpty()) {
        HORAVOX_SKIP_VOICE_LISTING_UNDER_SANITIZER();
        QVERIFY(ss.loadDispatcherVoices());
        while (++voice < ss.voiceCount() && !ss.voiceLanguage(voice).startsWith(language)) {}
        QVERIFY(voice < ss.voiceCount());
    }
    QVERIFY(ss.chooseVoice(language.isEmpty() ? QStringLiteral("speech-dispatcher") : ss.voiceId(voice)));

    auto rec = m_pulse.recordSink();
    QTRY_VERIFY(rec->bytesSoFar() > 0);
    ss.TtsSpeak(kSentence);
    QVERIFY(ss.TtsBusy());
    QTRY_VERIFY_WITH_TIMEOUT(!ss.TtsBusy(), 15000);
    const qint64 framesAtEnd = rec->bytesSoFar() / 2;
    QTest::qWait(800);
    const std::vector<int16_t> heard = rec->stop();

    QVERIFY(soundFrames(heard) > kRate / 2);
    // Busy to the real end: nothing is heard once it fell (the recorder's
    // own delay allowed for).
    QVERIFY(std::find_if(heard.rbegin(), heard.rend(), loud).base() - heard.begin() <= framesAtEnd + kRate / 4);
    // Said by the service, not by the program's own engine.
    QVERIFY(!ss.engineStarted());
    QVERIFY(!ss.dispatcherFellBack());
}

void TestDispatcherVoice::anotherProgramsMessageAndTheClocksFollowEachOther()
{
    AudioOutput out;
    DirectSS ss(&out, kWithService);
    QVERIFY(ss.chooseVoice(QStringLiteral("speech-dispatcher")));
    QProcess spdSay;
    const auto sayOther = [&] {
        spdSay.start(QStringLiteral("spd-say"), {"-P", "message", "-w", "Another program has a message of its own"});
    };
    const auto otherDone = [&] { return spdSay.state() == QProcess::NotRunning; };

    const qint64 otherAlone = soundFrames(recorded(sayOther, otherDone));
    const qint64 clockAlone = soundFrames(recorded([&] { ss.TtsSpeak(kSentence); }, [&] { return !ss.TtsBusy(); }));
    QVERIFY(otherAlone > kRate / 2 && clockAlone > kRate / 2);

    const qint64 both = soundFrames(recorded(
        [&] {
            sayOther();
            QTest::qWait(300); // the other message is being said
            ss.TtsSpeak(kSentence);
        },
        [&] { return otherDone() && !ss.TtsBusy(); }));
    // Neither cut short by the other: both are heard whole.
    QVERIFY2(both >= (otherAlone + clockAlone) * 9 / 10,
             qPrintable(QStringLiteral("%1 + %2 alone, %3 together").arg(otherAlone).arg(clockAlone).arg(both)));

    // The clock's stop takes back its own sentence, waiting, and nothing of
    // the other program's.
    const qint64 afterStop = soundFrames(recorded(
        [&] {
            sayOther();
            QTest::qWait(300);
            ss.TtsSpeak(kSentence);
            QTest::qWait(200);
            ss.TtsStop();
            QTRY_VERIFY_WITH_TIMEOUT(!ss.TtsBusy(), 3000);
            QVERIFY(!otherDone());
        },
        otherDone));
    QVERIFY(afterStop >= otherAlone * 9 / 10 && afterStop <= otherAlone * 11 / 10);
}

void TestDispatcherVoice::serverLostMidSentence_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("ownVoiceSpeaks"); // the next sentence, instead of the service
    // A dead server is noticed and one is started on demand again.
    QTest::newRow("killed") << int(SIGKILL) << false;
    // One that answers nothing is given up on for the clock's own voice.
    QTest::newRow("stopped") << int(SIGSTOP) << true;
}

void TestDispatcherVoice::serverLostMidSentence()
{
    QFETCH(int, signal);
    QFETCH(bool, ownVoiceSpeaks);
    AudioOutput out;
    DirectSS ss(&out, kWithService);
    QVERIFY(ss.chooseVoice(QStringLiteral("speech-dispatcher")));
    ss.TtsSpeak(QStringLiteral("This sentence is long enough to be cut short by the server going away"));
    QTest::qWait(700);
    QVERIFY(ss.TtsBusy());
    QVERIFY(m_speechd->signal(signal) > 0);
    // Noticed within a few seconds, and the clock goes on.
    QTRY_VERIFY_WITH_TIMEOUT(!ss.TtsBusy(), 6000);

    QVERIFY(soundFrames(recorded([&] { ss.TtsSpeak(kSentence); }, [&] { return !ss.TtsBusy(); })) > kRate / 2);
    QCOMPARE(ss.dispatcherFellBack(), ownVoiceSpeaks);
    QCOMPARE(ss.engineStarted(), ownVoiceSpeaks);
    QCOMPARE(ss.readableVoiceName(ss.TtsCurrentVoice()).contains(QLatin1String("unavailable")), ownVoiceSpeaks);
}

HORAVOX_TEST_MAIN(TestDispatcherVoice)
#include "test_dispatcher_voice.moc"
