// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/audio/audio_output.h"
#include "fake_clock.h"
#include "tap_recorder.h"
#include "test_main.h"

#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <atomic>
#include <thread>

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace horavox;
using namespace horavox_test;

namespace {

std::shared_ptr<const std::vector<int16_t>> constant(int frames, int16_t value)
{
    return std::make_shared<const std::vector<int16_t>>(size_t(frames), value);
}

std::shared_ptr<AudioVoice> makeVoice(AudioOutput &out, const QString &kind, int frames, int16_t value)
{
    if (kind == QLatin1String("clip"))
        return out.createClipVoice(constant(frames, value));
    auto v = out.createStreamVoice(PcmFormat{out.sampleRate(), 1, 16});
    const std::vector<int16_t> s(size_t(frames), value);
    v->write(s.data(), qsizetype(s.size() * 2));
    v->finishInput();
    return v;
}

} // namespace

class TestAudioOutput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dummyDriverCountsAsOneDevice();
    void sdlStartsWhenSoundIsNear_data();
    void sdlStartsWhenSoundIsNear();
    void clipReachesDeviceWhole();
    void deviceThreadRunsAheadWhereAllowed();
    void finishRunsOnceOnOwnerThread();
    void nextVoiceFollows_data();
    void nextVoiceFollows();
    void endAnnouncedAhead_data();
    void endAnnouncedAhead();
    void leadInBeforeFirstSound_data();
    void leadInBeforeFirstSound();
    void streamGathersBeforeItStarts();
    void announcedVoiceIsHeardToItsEnd_data();
    void announcedVoiceIsHeardToItsEnd();
    void stopSilencesAtOnce();
    void streamPlaysWhatIsWrittenAndEndsAfterInputEnds();
    void reopenInputOnlyBeforeTheEnd();
    void voicesMixWithClipping();
    void deviceClosesAfterIdleDelayOnly();
    void soundDueLaterHoldsTheDeviceAndIsPlaced();
    void startAfterCloseReopens();
    void voiceStartsOnlyOnce();
};

void TestAudioOutput::dummyDriverCountsAsOneDevice()
{
    AudioOutput out;
    QCOMPARE(out.deviceCount(), 1);
    QVERIFY(!out.isDeviceOpen()); // counting does not leave the device open
}

void TestAudioOutput::sdlStartsWhenSoundIsNear_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("device count") << "count";
    QTest::newRow("sound expected") << "prepare";
    QTest::newRow("sound started") << "start";
}

void TestAudioOutput::sdlStartsWhenSoundIsNear()
{
    QFETCH(QString, action);
    AudioOutput out;
    auto voice = out.createClipVoice(constant(100, 1));
    QVERIFY(!out.isStarted()); // a program that never speaks never starts it
    if (action == QLatin1String("count"))
        QCOMPARE(out.deviceCount(), 1);
    else if (action == QLatin1String("prepare"))
        QVERIFY(out.prepare());
    else
        QVERIFY(out.start(voice));
    QVERIFY(out.isStarted());
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
    QTRY_VERIFY_WITH_TIMEOUT(voice->endFrame() >= 0, 5000);
    QCOMPARE(voice->state(), AudioVoice::State::Finished);
    QCOMPARE(voice->framesPlayed(), qint64(3000));
    const std::vector<int16_t> got = tap.samples();
    const auto it = std::find_if(got.begin(), got.end(), [](int16_t s) { return s != 0; });
    QVERIFY(it != got.end());
    QVERIFY(got.end() - it >= 3000);
    QVERIFY(std::equal(clip.begin(), clip.end(), it));
    QCOMPARE(tap.loudCount(), size_t(3000));
}

void TestAudioOutput::deviceThreadRunsAheadWhereAllowed()
{
    // Where the process may ask for real-time scheduling (root, or a
    // real-time limit), the thread that fills the device has it.
    rlimit limit{};
    getrlimit(RLIMIT_RTPRIO, &limit);
    if (geteuid() != 0 && limit.rlim_cur == 0)
        QSKIP("this process may not ask for real-time scheduling");
    AudioOutput out;
    std::atomic<int> policy{-1};
    out.setTap([&](const int16_t *, int) { policy = sched_getscheduler(0) & ~SCHED_RESET_ON_FORK; });
    QVERIFY(out.start(out.createClipVoice(constant(100, 100))));
    QTRY_VERIFY_WITH_TIMEOUT(policy != -1, 5000);
    QCOMPARE(policy.load(), SCHED_RR);
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

void TestAudioOutput::nextVoiceFollows_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("onFinish");
    QTest::addColumn<bool>("follows");
    // Started from the end notice, the second voice takes up on the sample
    // after the first one's last; started at once, the two sound together.
    QTest::newRow("clip after clip") << "clip" << "clip" << true << true;
    QTest::newRow("speech after clip") << "clip" << "stream" << true << true;
    QTest::newRow("clip after speech") << "stream" << "clip" << true << true;
    QTest::newRow("clip with clip") << "clip" << "clip" << false << false;
}

void TestAudioOutput::nextVoiceFollows()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, onFinish);
    QFETCH(bool, follows);
    // Measured on the output's own clock. The long notice leaves the test
    // thread time to answer however busy the machine is.
    AudioOutput::Options o;
    o.endNoticeMs = 1000;
    AudioOutput out(o);
    TapRecorder tap(out);
    auto a = makeVoice(out, first, 20000, 1111);
    auto b = makeVoice(out, second, 4410, 2222);
    if (onFinish)
        a->setOnFinished([&] { QVERIFY(out.start(b)); });
    QVERIFY(out.start(a));
    if (!onFinish)
        QVERIFY(out.start(b));
    QTRY_VERIFY_WITH_TIMEOUT(a->endFrame() >= 0 && b->endFrame() >= 0, 5000);
    QCOMPARE(a->endFrame() - a->firstFrame(), qint64(20000));
    QCOMPARE(b->endFrame() - b->firstFrame(), qint64(4410));
    if (follows) {
        QCOMPARE(b->firstFrame(), a->endFrame());
        const std::vector<int16_t> s = tap.samples();
        QCOMPARE(s.at(size_t(a->endFrame() - 1)), int16_t(1111));
        QCOMPARE(s.at(size_t(b->firstFrame())), int16_t(2222));
    } else {
        QCOMPARE(b->firstFrame(), a->firstFrame());
        QCOMPARE(tap.samples().at(size_t(a->firstFrame())), int16_t(3333));
    }
}

void TestAudioOutput::endAnnouncedAhead_data()
{
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("noticeMs");
    QTest::addColumn<int>("earliest"); // the notice's lead over the last sample,
    QTest::addColumn<int>("latest");   // in buffers after the notice frames
    // At the first buffer boundary within the notice; a clip shorter than the
    // notice is announced at once; with no notice, when it is all mixed.
    QTest::newRow("long clip") << 88200 << 250 << -1 << 0;
    QTest::newRow("clip shorter than the notice") << 1000 << 250 << -3 << 0;
    QTest::newRow("no notice: at the last sample") << 30000 << 0 << -1 << 0;
}

void TestAudioOutput::endAnnouncedAhead()
{
    QFETCH(int, frames);
    QFETCH(int, noticeMs);
    QFETCH(int, earliest);
    QFETCH(int, latest);
    AudioOutput::Options o;
    o.endNoticeMs = noticeMs;
    AudioOutput out(o);
    auto v = out.createClipVoice(constant(frames, 7));
    QVERIFY(out.start(v));
    QTRY_VERIFY_WITH_TIMEOUT(v->endFrame() >= 0, 5000);
    const qint64 buffer = out.options().bufferFrames;
    const qint64 notice = qint64(noticeMs) * out.sampleRate() / 1000;
    const qint64 lead = v->endFrame() - v->noticeFrame();
    QVERIFY2(lead > notice + earliest * buffer && lead <= notice + latest * buffer,
             qPrintable(QStringLiteral("announced %1 frames ahead").arg(lead)));
    if (frames < notice)
        QCOMPARE(v->noticeFrame(), buffer); // after the first buffer
}

void TestAudioOutput::leadInBeforeFirstSound_data()
{
    QTest::addColumn<int>("leadInMs");
    QTest::addColumn<qint64>("firstFrame");
    QTest::newRow("none") << 0 << qint64(0);
    QTest::newRow("a tenth of a second") << 100 << qint64(4410);
}

void TestAudioOutput::leadInBeforeFirstSound()
{
    QFETCH(int, leadInMs);
    AudioOutput::Options o;
    o.leadInMs = leadInMs;
    AudioOutput out(o);
    TapRecorder tap(out);
    auto v = out.createClipVoice(constant(100, 5));
    QVERIFY(out.start(v));
    QTRY_VERIFY_WITH_TIMEOUT(v->endFrame() >= 0, 5000);
    QTEST(v->firstFrame(), "firstFrame");
    const std::vector<int16_t> s = tap.samples();
    QCOMPARE(qint64(std::find(s.begin(), s.end(), int16_t(5)) - s.begin()), v->firstFrame());
}

void TestAudioOutput::streamGathersBeforeItStarts()
{
    AudioOutput::Options o;
    o.streamStartMs = 100; // 4410 frames
    AudioOutput out(o);
    auto v = out.createStreamVoice(PcmFormat{44100, 1, 16});
    QVERIFY(out.start(v));
    const std::vector<int16_t> piece(1000, 9);
    auto write = [&](int pieces) {
        for (int i = 0; i < pieces; ++i)
            v->write(piece.data(), qsizetype(piece.size() * 2));
    };
    auto waitBuffers = [&](int n) {
        const qint64 until = out.framesRendered() + qint64(n) * out.options().bufferFrames;
        QTRY_VERIFY_WITH_TIMEOUT(out.framesRendered() >= until, 5000);
    };
    write(4);
    waitBuffers(4);
    QCOMPARE(v->framesPlayed(), qint64(0)); // 4000 frames in hand: not enough
    write(1);
    QTRY_COMPARE_WITH_TIMEOUT(v->framesPlayed(), qint64(5000), 5000);
    // Ran dry with more to come: it waits for a start's worth again.
    QTRY_COMPARE_WITH_TIMEOUT(v->underruns(), 1, 5000);
    write(2);
    waitBuffers(4);
    QCOMPARE(v->framesPlayed(), qint64(5000));
    QVERIFY(v->isPlaying());
    // The end of the input is enough to start on.
    v->finishInput();
    QTRY_VERIFY_WITH_TIMEOUT(v->endFrame() >= 0, 5000);
    QCOMPARE(v->framesPlayed(), qint64(7000));
    QCOMPARE(v->underruns(), 1);
}

void TestAudioOutput::announcedVoiceIsHeardToItsEnd_data()
{
    QTest::addColumn<bool>("destroyOutput");
    QTest::newRow("stopped after its end notice") << false;
    QTest::newRow("output destroyed after its end notice") << true;
}

void TestAudioOutput::announcedVoiceIsHeardToItsEnd()
{
    QFETCH(bool, destroyOutput);
    // Whoever heard the end announced may move on (close the clip, end the
    // program): what was announced still reaches the device whole.
    auto heard = std::make_shared<std::atomic<int>>(0);
    AudioOutput::Options o;
    o.endNoticeMs = 1000;
    auto out = std::make_unique<AudioOutput>(o);
    out->setTap([heard](const int16_t *s, int n) { *heard += int(std::count(s, s + n, int16_t(77))); });
    auto v = out->createClipVoice(constant(22050, 77));
    QVERIFY(out->start(v));
    QTRY_VERIFY_WITH_TIMEOUT(v->isOver(), 5000);
    QVERIFY(v->endFrame() < 0);
    if (destroyOutput) {
        out.reset();
    } else {
        out->stop(v);
        QTRY_VERIFY_WITH_TIMEOUT(v->endFrame() >= 0, 5000);
    }
    QCOMPARE(heard->load(), 22050);
    QCOMPARE(v->state(), AudioVoice::State::Finished);
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
    QTRY_VERIFY_WITH_TIMEOUT(a->endFrame() >= 0 && b->endFrame() >= 0 && c->endFrame() >= 0, 5000);
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

void TestAudioOutput::soundDueLaterHoldsTheDeviceAndIsPlaced()
{
    // The chimes' pips: the device opens seconds ahead, and the pips are
    // placed by the program's own monotonic clock, which starts at zero.
    FakeClock clock;
    AudioOutput::Options o;
    o.idleCloseMs = 50;
    o.clock = &clock;
    AudioOutput out(o);
    QVERIFY(out.prepare(AudioOutput::kPreparedHoldMs + 600));
    QTRY_VERIFY_WITH_TIMEOUT(out.framesRendered() > 4 * 4096, 3000);
    // Asked for faster than the clock moved: the steady pace puts frame
    // zero before the clock's zero, and a moment still maps to a frame.
    QCOMPARE(out.frameHeardAt(2000) - out.frameHeardAt(1000), qint64(44100));
    QTest::qWait(AudioOutput::kPreparedHoldMs + 100);
    QVERIFY(out.isDeviceOpen()); // held for the later sound
    QTRY_VERIFY_WITH_TIMEOUT(!out.isDeviceOpen(), 2000);
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
    QTRY_VERIFY_WITH_TIMEOUT(b->endFrame() >= 0, 3000);
    QCOMPARE(tap.loudCount(), size_t(200));
}

void TestAudioOutput::voiceStartsOnlyOnce()
{
    AudioOutput out;
    TapRecorder tap(out);
    auto a = out.createClipVoice(constant(300, 3));
    QVERIFY(out.start(a));
    QVERIFY(out.start(a)); // still playing: no second copy
    QTRY_VERIFY_WITH_TIMEOUT(a->endFrame() >= 0, 3000);
    QVERIFY(!out.start(a)); // over: not played again
    QTest::qWait(50);
    QCOMPARE(tap.loudCount(), size_t(300));
    QVERIFY(!out.start(nullptr));
}

HORAVOX_TEST_MAIN(TestAudioOutput)
#include "test_audio_output.moc"
