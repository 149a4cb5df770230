#include "speech/audio/audio_output.h"
#include "tap_recorder.h"
#include "test_main.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <thread>

using namespace horavox;
using namespace horavox_test;

namespace {

std::shared_ptr<const std::vector<int16_t>> constant(int frames, int16_t value)
{
    return std::make_shared<const std::vector<int16_t>>(size_t(frames), value);
}

// Index of the first and one past the last sample equal to `value`.
std::pair<size_t, size_t> span(const std::vector<int16_t> &s, int16_t value)
{
    size_t first = s.size(), last = s.size();
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == value) {
            if (first == s.size())
                first = i;
            last = i + 1;
        }
    }
    return {first, last};
}

} // namespace

class TestAudioOutput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dummyDriverCountsAsOneDevice();
    void clipReachesDeviceWhole();
    void finishRunsOnceOnOwnerThread();
    void clipStartedOnFinishFollowsWithinTenMs();
    void stopSilencesAtOnce();
    void streamPlaysWhatIsWrittenAndEndsAfterInputEnds();
    void reopenInputOnlyBeforeTheEnd();
    void voicesMixWithClipping();
    void deviceClosesAfterIdleDelayOnly();
    void startAfterCloseReopens();
    void voiceStartsOnlyOnce();
};

void TestAudioOutput::dummyDriverCountsAsOneDevice()
{
    AudioOutput out;
    QCOMPARE(out.deviceCount(), 1);
    QVERIFY(!out.isDeviceOpen()); // counting does not leave the device open
}

void TestAudioOutput::clipReachesDeviceWhole()
{
    AudioOutput out;
    TapRecorder tap(out);
    std::vector<int16_t> clip;
    for (int i = 0; i < 3000; ++i)
        clip.push_back(int16_t(i % 2000 + 1));
    auto voice = out.createClipVoice(std::make_shared<const std::vector<int16_t>>(clip));
    QVERIFY(out.start(voice));
    QVERIFY(voice->isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(voice->isOver(), 5000);
    QCOMPARE(voice->state(), AudioVoice::State::Finished);
    QCOMPARE(voice->framesPlayed(), qint64(3000));
    const std::vector<int16_t> got = tap.samples();
    const auto it = std::find_if(got.begin(), got.end(), [](int16_t s) { return s != 0; });
    QVERIFY(it != got.end());
    QVERIFY(got.end() - it >= 3000);
    QVERIFY(std::equal(clip.begin(), clip.end(), it));
    QCOMPARE(tap.loudCount(), size_t(3000));
}

void TestAudioOutput::finishRunsOnceOnOwnerThread()
{
    AudioOutput out;
    auto voice = out.createClipVoice(constant(500, 100));
    int calls = 0;
    bool onOwner = false;
    voice->setOnFinished([&] {
        ++calls;
        onOwner = QThread::currentThread() == out.thread();
    });
    QVERIFY(out.start(voice));
    QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 5000);
    QVERIFY(onOwner);
    out.stop(voice); // stopping a finished voice changes nothing
    QTest::qWait(100);
    QCOMPARE(calls, 1);
    QCOMPARE(voice->state(), AudioVoice::State::Finished);
}

void TestAudioOutput::clipStartedOnFinishFollowsWithinTenMs()
{
    AudioOutput out;
    TapRecorder tap(out);
    // Other work on the machine can delay this thread; the best of three
    // tries tells what the output itself allows.
    QStringList gaps;
    for (int attempt = 0; attempt < 3; ++attempt) {
        tap.clear();
        auto a = out.createClipVoice(constant(4410, 1111));
        auto b = out.createClipVoice(constant(4410, 2222));
        a->setOnFinished([&] { out.start(b); });
        QVERIFY(out.start(a));
        QTRY_VERIFY_WITH_TIMEOUT(b->isOver(), 5000);
        const std::vector<int16_t> s = tap.samples();
        const auto [aFirst, aEnd] = span(s, 1111);
        const auto [bFirst, bEnd] = span(s, 2222);
        QCOMPARE(aEnd - aFirst, size_t(4410));
        QCOMPARE(bEnd - bFirst, size_t(4410));
        QVERIFY(bFirst >= aEnd);
        const size_t gap = bFirst - aEnd;
        if (gap < size_t(out.sampleRate() / 100))
            return;
        gaps << QString::number(gap);
    }
    QFAIL(qPrintable(QStringLiteral("gaps of %1 samples").arg(gaps.join(QLatin1String(", ")))));
}

void TestAudioOutput::stopSilencesAtOnce()
{
    AudioOutput out;
    TapRecorder tap(out);
    auto voice = out.createClipVoice(constant(44100 * 3, 500));
    QVERIFY(out.start(voice));
    QTRY_VERIFY_WITH_TIMEOUT(voice->framesPlayed() > 2000, 5000);
    out.stop(voice);
    const size_t atStop = tap.size();
    QCOMPARE(voice->state(), AudioVoice::State::Stopped);
    QVERIFY(tap.loudCount() > 0);
    QTest::qWait(150);
    QVERIFY(tap.size() > atStop + 1000); // the device went on, silently
    QCOMPARE(tap.loudCount(atStop), size_t(0));
    QVERIFY(voice->framesPlayed() < 44100 * 3);
}

void TestAudioOutput::streamPlaysWhatIsWrittenAndEndsAfterInputEnds()
{
    AudioOutput out;
    TapRecorder tap(out);
    auto voice = out.createStreamVoice(PcmFormat{44100, 1, 16});
    QVERIFY(out.start(voice));
    std::thread producer([voice] {
        std::vector<int16_t> piece(441, 700);
        for (int i = 0; i < 20; ++i) {
            voice->write(piece.data(), qsizetype(piece.size() * 2));
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    producer.join();
    // Everything written is heard, but the voice waits for more input.
    QTRY_COMPARE_WITH_TIMEOUT(voice->framesPlayed(), qint64(20 * 441), 5000);
    QTest::qWait(50);
    QVERIFY(voice->isPlaying());
    voice->finishInput();
    QTRY_VERIFY_WITH_TIMEOUT(voice->isOver(), 5000);
    QCOMPARE(voice->state(), AudioVoice::State::Finished);
    QCOMPARE(tap.loudCount(), size_t(20 * 441));
    voice->write(std::vector<int16_t>(100, 5).data(), 200); // too late: dropped
    QCOMPARE(voice->framesQueued(), qint64(0));
}

void TestAudioOutput::reopenInputOnlyBeforeTheEnd()
{
    AudioOutput out;
    auto voice = out.createStreamVoice(PcmFormat{22050, 1, 16});
    QVERIFY(out.start(voice));
    voice->finishInput();
    QVERIFY(voice->reopenInput() || voice->isOver());
    voice->finishInput();
    QTRY_VERIFY_WITH_TIMEOUT(voice->isOver(), 5000);
    QVERIFY(!voice->reopenInput());
    // A clip is complete from the start and takes no more input.
    QVERIFY(!out.createClipVoice(constant(10, 1))->reopenInput());
}

void TestAudioOutput::voicesMixWithClipping()
{
    AudioOutput out;
    TapRecorder tap(out);
    auto a = out.createClipVoice(constant(2000, 30000));
    auto b = out.createClipVoice(constant(2000, 30000));
    auto c = out.createClipVoice(constant(2000, -1000));
    QVERIFY(out.start(a));
    QVERIFY(out.start(b));
    QVERIFY(out.start(c));
    QTRY_VERIFY_WITH_TIMEOUT(a->isOver() && b->isOver() && c->isOver(), 5000);
    const std::vector<int16_t> s = tap.samples();
    QVERIFY(std::count(s.begin(), s.end(), int16_t(32767)) >= 1900);
    QVERIFY(std::none_of(s.begin(), s.end(), [](int16_t v) { return v < 0; }));
}

void TestAudioOutput::deviceClosesAfterIdleDelayOnly()
{
    AudioOutput::Options o;
    o.idleCloseMs = 150;
    AudioOutput out(o);
    QSignalSpy opened(&out, &AudioOutput::deviceOpened);
    QSignalSpy closed(&out, &AudioOutput::deviceClosed);
    auto stream = out.createStreamVoice(PcmFormat{44100, 1, 16});
    QVERIFY(out.start(stream));
    QVERIFY(out.isDeviceOpen());
    QCOMPARE(opened.count(), 1);
    // A voice waiting for input keeps the device open however long it waits.
    QTest::qWait(400);
    QVERIFY(out.isDeviceOpen());
    stream->finishInput();
    QTRY_VERIFY_WITH_TIMEOUT(stream->isOver(), 2000);
    QVERIFY(out.isDeviceOpen()); // not at once: the next clip may follow
    QTRY_VERIFY_WITH_TIMEOUT(!out.isDeviceOpen(), 2000);
    QCOMPARE(closed.count(), 1);
}

void TestAudioOutput::startAfterCloseReopens()
{
    AudioOutput::Options o;
    o.idleCloseMs = 50;
    AudioOutput out(o);
    TapRecorder tap(out);
    auto a = out.createClipVoice(constant(100, 9));
    QVERIFY(out.start(a));
    QTRY_VERIFY_WITH_TIMEOUT(!out.isDeviceOpen(), 3000);
    auto b = out.createClipVoice(constant(100, 9));
    QVERIFY(out.start(b));
    QVERIFY(out.isDeviceOpen());
    QTRY_VERIFY_WITH_TIMEOUT(b->isOver(), 3000);
    QCOMPARE(tap.loudCount(), size_t(200));
}

void TestAudioOutput::voiceStartsOnlyOnce()
{
    AudioOutput out;
    TapRecorder tap(out);
    auto a = out.createClipVoice(constant(300, 3));
    QVERIFY(out.start(a));
    QVERIFY(out.start(a)); // still playing: no second copy
    QTRY_VERIFY_WITH_TIMEOUT(a->isOver(), 3000);
    QVERIFY(!out.start(a)); // over: not played again
    QTest::qWait(50);
    QCOMPARE(tap.loudCount(), size_t(300));
    QVERIFY(!out.start(nullptr));
}

HORAVOX_TEST_MAIN(TestAudioOutput)
#include "test_audio_output.moc"
