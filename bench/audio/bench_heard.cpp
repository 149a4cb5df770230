// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a listener hears, on a real sound server: a private PulseAudio server
// with a null sink whose monitor is recorded at the device's own rate. The
// real main window speaks "the time is seven forty five AM" from the Speak
// button and announces due minutes (on a clock shifted to just before them);
// the speech engine says a sentence. Every 1024-sample window of each clip
// must be found again in the recording, in order: a sample inserted or
// dropped inside a clip fails the run. Measured once on a quiet machine and
// once with two busy processes, in the same run. A run during which the
// machine itself stopped (a real-time thread held off for longer than the
// stream holds, as when a host takes the processor from a virtual machine)
// is measured again, at most twice, and says so.
//   bench_heard [presses, default 2] [due minutes, default 2]
//   bench_heard first-press clips|speech [rest ms]   (one press of a fresh
//     program, the pointer resting on Speak for that long first; 150 ms)
#include "bench_common.h"
#include "engines/direct_ss.h"
#include "core/clock.h"
#include "core/message_sink.h"
#include "core/paths.h"
#include "main_window/main_form.h"
#include "pulse_server.h"
#include "speech_dispatcher_server.h"
#include "resources/resources.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/pcm_convert.h"
#include "speech/audio/sdl_media_control.h"
#include "speech/audio/wav_reader.h"
#include "ui_main_form.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include <vector>

#include <csignal>
#include <ctime>
#include <pthread.h>
#include <sched.h>
#include <sys/types.h>

using namespace horavox;
using namespace horavox_bench;
using horavox_test::PulseServer;

namespace {

constexpr int kRate = 44100;
constexpr int kWindow = 1024;

class ShiftedClock final : public Clock
{
public:
    QDateTime now() const override { return systemClock().now().addMSecs(m_shiftMs.load()); }
    qint64 monotonicMs() const override { return systemClock().monotonicMs(); }
    qint64 sinceBootMs() const override { return systemClock().sinceBootMs(); }
    // Makes now() read `t` today.
    void setTime(const QTime &t)
    {
        const QDateTime real = systemClock().now();
        m_shiftMs = real.msecsTo(QDateTime(real.date(), t));
    }

private:
    std::atomic<qint64> m_shiftMs{0};
};

class NoMessages final : public MessageSink
{
public:
    void information(QWidget *, const QString &, const QString &) override {}
};

struct Stats
{
    std::vector<double> v;
    void add(double x) { v.push_back(x); }
    double at(double q) const
    {
        if (v.empty())
            return -1;
        std::vector<double> s = v;
        std::sort(s.begin(), s.end());
        return s[std::min(s.size() - 1, size_t(q * double(s.size() - 1)))];
    }
    double max() const { return v.empty() ? -1 : *std::max_element(v.begin(), v.end()); }
};

std::vector<int16_t> clipAtDeviceRate(const char *resource)
{
    const WavResult wav = parseWav(resourceBytes(QStringLiteral("CUSTOM"), QLatin1String(resource)));
    return wav.ok() ? convertToMono16(wav.clip, kRate) : std::vector<int16_t>{};
}

int leadingSilence(const std::vector<int16_t> &s)
{
    return int(std::find_if(s.begin(), s.end(), [](int16_t v) { return v != 0; }) - s.begin());
}

// Where one clip was found in the recording.
struct Found
{
    qint64 start = -1;    // where the clip's first sample lies, from its first window found
    qint64 shift = 0;     // samples inserted (> 0) or dropped (< 0) inside the clip
    int breaks = 0;       // windows not where the one before says they should be
    int missing = 0;      // windows not found at all
    int windows = 0;
    qint64 end() const { return start + shift; }
};

bool sameAt(const std::vector<int16_t> &rec, qint64 at, const int16_t *w, int n)
{
    return at >= 0 && at + n <= qint64(rec.size()) && std::memcmp(rec.data() + at, w, size_t(n) * 2) == 0;
}

qint64 searchWindow(const std::vector<int16_t> &rec, qint64 from, qint64 to, const int16_t *w, int n)
{
    from = std::max<qint64>(0, from);
    to = std::min<qint64>(qint64(rec.size()), to + n);
    if (to - from < n)
        return -1;
    const auto it = std::search(rec.begin() + from, rec.begin() + to, w, w + n);
    return it == rec.begin() + to ? -1 : qint64(it - rec.begin());
}

// Finds every window of `clip` in `rec` at or after `from`, in order.
Found findClip(const std::vector<int16_t> &rec, const std::vector<int16_t> &clip, qint64 from)
{
    Found f;
    qint64 expected = -1; // where the next window should be
    for (size_t k = 0; k < clip.size(); k += kWindow) {
        const int n = int(std::min<size_t>(kWindow, clip.size() - k));
        const int16_t *w = clip.data() + k;
        if (std::all_of(w, w + n, [](int16_t v) { return v == 0; })) {
            if (expected >= 0)
                expected += n;
            continue; // silence inside the clip cannot be placed
        }
        ++f.windows;
        qint64 at = -1;
        if (expected >= 0 && sameAt(rec, expected, w, n)) {
            at = expected;
        } else if (expected >= 0) {
            // Nearest match around where it should be: later means samples
            // were inserted, earlier that some were dropped.
            at = searchWindow(rec, expected, expected + kRate, w, n);
            const qint64 before = searchWindow(rec, expected - 4 * kWindow, expected - 1, w, n);
            if (before >= 0 && (at < 0 || expected - before < at - expected))
                at = before;
            if (at >= 0)
                ++f.breaks;
        } else {
            at = searchWindow(rec, from, from + 20 * kRate, w, n);
        }
        if (at < 0) {
            if (qEnvironmentVariableIsSet("BENCH_VERBOSE") && expected >= 0) {
                int d = 0;
                while (d < n && expected + d < qint64(rec.size()) && rec[size_t(expected + d)] == w[d])
                    ++d;
                std::printf("  window %zu not found; at its place %d samples agree, then %d for %d\n", k / kWindow,
                            d, expected + d < qint64(rec.size()) ? rec[size_t(expected + d)] : 0, d < n ? w[d] : 0);
            } else if (qEnvironmentVariableIsSet("BENCH_VERBOSE")) {
                std::printf("  window %zu not found, nothing before it\n", k / kWindow);
            }
            ++f.missing;
            if (expected >= 0)
                expected += n;
            continue;
        }
        if (f.start < 0)
            f.start = at - qint64(k);
        else
            f.shift = (at - qint64(k)) - f.start;
        expected = at + n;
    }
    if (qEnvironmentVariableIsSet("BENCH_VERBOSE") && f.start >= 0 && f.missing > 0) {
        for (size_t i = 0; i < clip.size() && f.start + qint64(i) < qint64(rec.size()); ++i) {
            if (rec[size_t(f.start) + i] != clip[i]) {
                std::printf("  first difference at clip sample %zu: heard %d, clip %d\n", i, rec[size_t(f.start) + i],
                            clip[i]);
                break;
            }
        }
    }
    return f;
}

struct Heard
{
    int clips = 0;
    int damaged = 0; // clips with a sample inserted or dropped, or a window missing
    qint64 inserted = 0;
    qint64 dropped = 0;
    int missing = 0;
    Stats joinMs;
};

// Checks one announcement: the clips in order, each whole, and the silence
// each join added beyond the clips' own.
void checkAnnouncement(const std::vector<int16_t> &rec, const std::vector<std::vector<int16_t>> &clips, Heard &h)
{
    qint64 from = 0;
    qint64 previousEnd = -1;
    for (const auto &clip : clips) {
        const Found f = findClip(rec, clip, from);
        ++h.clips;
        if (f.start < 0) {
            ++h.damaged;
            h.missing += f.windows;
            continue;
        }
        if (f.shift != 0 || f.missing > 0)
            ++h.damaged;
        (f.shift > 0 ? h.inserted : h.dropped) += std::abs(f.shift);
        h.missing += f.missing;
        if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
            std::printf("  clip of %zu samples at %lld: shift %lld, breaks %d, missing %d of %d windows\n",
                        clip.size(), f.start, f.shift, f.breaks, f.missing, f.windows);
        if (previousEnd >= 0) {
            h.joinMs.add(1000.0 * double(f.start - previousEnd) / kRate);
            if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
                std::printf("  join: %lld samples\n", f.start - previousEnd);
        }
        previousEnd = f.end() + qint64(clip.size());
        from = previousEnd;
    }
}

// The stream's latency as the sound server reports it, in milliseconds.
double serverLatencyMs(const PulseServer &pulse)
{
    QString listing;
    if (pulse.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")}, &listing) != 0)
        return -1;
    double ms = 0;
    bool any = false;
    for (const char *what : {"Buffer Latency", "Sink Latency"}) {
        const QRegularExpression re(QStringLiteral("%1: (\\d+) usec").arg(QLatin1String(what)));
        const auto m = re.match(listing);
        if (m.hasMatch()) {
            ms += m.captured(1).toDouble() / 1000.0;
            any = true;
        }
    }
    return any ? ms : -1;
}

// Two processes that keep both cores busy, ended by their process ids.
class BusyMachine
{
public:
    explicit BusyMachine(int n)
    {
        for (int i = 0; i < n; ++i) {
            auto p = std::make_unique<QProcess>();
            p->setStandardOutputFile(QProcess::nullDevice());
            p->start(QStringLiteral("yes"), {});
            if (p->waitForStarted(2000))
                m_busy.push_back(std::move(p));
        }
    }
    ~BusyMachine()
    {
        for (auto &p : m_busy) {
            ::kill(pid_t(p->processId()), SIGKILL);
            p->waitForFinished(2000);
        }
    }
    int count() const { return int(m_busy.size()); }

private:
    std::vector<std::unique_ptr<QProcess>> m_busy;
};

// Whether the machine itself stopped: a thread above every sound thread
// wakes every 2 ms and notes the longest it was held off. Only a machine that
// runs nothing at all holds it off for long; without real-time scheduling it
// proves nothing, and says so.
class StallWatcher
{
public:
    StallWatcher() : m_thread([this] { run(); }) {}
    ~StallWatcher()
    {
        m_stop = true;
        pause(false);
        m_thread.join();
    }
    StallWatcher(const StallWatcher &) = delete;
    StallWatcher &operator=(const StallWatcher &) = delete;
    bool realTime() const { return m_realTime; }
    // While the program's idle cost is measured, the watcher costs nothing.
    void pause(bool paused)
    {
        {
            std::lock_guard lk(m_lock);
            m_paused = paused;
        }
        m_wake.notify_all();
    }
    // The longest stop since the last call, in ms.
    double takeLongestMs() { return double(m_longestUs.exchange(0)) / 1000.0; }

private:
    void run()
    {
        sched_param param{};
        param.sched_priority = 10;
        m_realTime = pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
        constexpr long kPeriodUs = 2000;
        timespec last{};
        clock_gettime(CLOCK_MONOTONIC, &last);
        while (!m_stop) {
            {
                std::unique_lock lk(m_lock);
                if (m_paused) {
                    m_wake.wait(lk, [this] { return !m_paused || m_stop; });
                    clock_gettime(CLOCK_MONOTONIC, &last);
                }
            }
            const timespec nap{0, kPeriodUs * 1000};
            nanosleep(&nap, nullptr);
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const long us = (now.tv_sec - last.tv_sec) * 1000000L + (now.tv_nsec - last.tv_nsec) / 1000 - kPeriodUs;
            last = now;
            long seen = m_longestUs.load();
            while (us > seen && !m_longestUs.compare_exchange_weak(seen, us)) {
            }
        }
    }

    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_realTime{false};
    std::atomic<long> m_longestUs{0};
    std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_paused = false;
    std::thread m_thread;
};

// Time the host took from this machine, from /proc/stat, in ms.
double stolenMs()
{
    QFile f(QStringLiteral("/proc/stat"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> cols = f.readLine().simplified().split(' ');
    return cols.size() > 8 ? cols[8].toDouble() * 1000.0 / double(sysconf(_SC_CLK_TCK)) : 0;
}

// Watches the device stream for the first sound after being armed.
// Watches the device stream for the first sound after being armed. The
// stream plays on from the moment the device opened, so a sample is heard
// its place on the output's clock after that moment, plus the sink's own
// latency (which the caller adds).
struct FirstSound
{
    std::mutex lock;
    bool armed = false;
    double openWallMs = -1;
    QDateTime openClock;
    double wallMs = -1;  // when it is heard, but for the sink's latency
    QTime clockTime;     // the clock's time then
    void arm()
    {
        std::lock_guard lk(lock);
        armed = true;
        wallMs = -1;
    }
    double at()
    {
        std::lock_guard lk(lock);
        return wallMs;
    }
};

struct Figures
{
    Heard clips;
    Heard speech;
    Stats speakMs, dueMs, speechMs, latencyMs;
    int underruns = 0;
    double idleCpu = -1;
    bool closedWhenIdle = false;
    double machineStopMs = 0; // the longest the whole machine stood still
    double stolenMs = 0;
    int repeats = 0;
    bool whole() const { return clips.clips > 0 && clips.damaged == 0 && speech.damaged == 0; }
    bool ok() const { return whole() && closedWhenIdle; }
};

// A quick click holds the button down for about this long.
constexpr int kClickMs = 80;

void pressSpeak(MainForm &window, int holdMs)
{
    QWidget *button = window.ui()->SpeakB;
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, button->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, at, button->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(button, &press);
    idleFor(holdMs);
    QApplication::sendEvent(button, &release);
}

Figures measure(PulseServer &pulse, StallWatcher &watcher, int presses, int minutes)
{
    Figures fig;
    ShiftedClock clock;
    clock.setTime(QTime(7, 45, 5));
    AudioOutput audio;
    audio.setIdleCloseMs(400); // the device closes sooner between runs
    SdlMediaControl media(&audio);
    DirectSS engine(&audio, DirectSS::Options{});
    NoMessages messages;
    FirstSound first;
    auto watch = [&](const int16_t *s, int n) {
        const qint64 at = audio.framesRendered(); // the first frame of this buffer
        std::lock_guard lk(first.lock);
        if (at == 0) {
            first.openWallMs = nowMs();
            first.openClock = clock.now();
        }
        if (!first.armed || first.wallMs >= 0)
            return;
        for (int i = 0; i < n; ++i) {
            if (s[i] != 0) {
                const double sinceOpen = 1000.0 * double(at + i) / kRate;
                first.wallMs = first.openWallMs + sinceOpen;
                first.clockTime = first.openClock.time().addMSecs(int(sinceOpen));
                return;
            }
        }
    };
    audio.setTap(watch);
    MainForm window({clock, media, engine, messages});
    window.Form_Load();
    window.show();
    window.startTimers();

    const std::vector<std::vector<int16_t>> sevenFortyFive{clipAtDeviceRate("TIME"), clipAtDeviceRate("SEVEN"),
                                                           clipAtDeviceRate("FORTY"), clipAtDeviceRate("FIVE"),
                                                           clipAtDeviceRate("AM")};
    const double timeLeadMs = 1000.0 * leadingSilence(sevenFortyFive[0]) / kRate;
    auto settle = [&] {
        waitUntil([&] { return !audio.isDeviceOpen(); }, 5000, 5);
        idleFor(100);
    };
    auto latencyWhileSounding = [&] {
        waitUntil([&] { return audio.activeVoices() > 0 || !window.state().WaveModeText.isEmpty(); }, 2000, 5);
        idleFor(300);
        const double ms = serverLatencyMs(pulse);
        if (ms >= 0)
            fig.latencyMs.add(ms);
    };

    // The sink's own latency, and the whole stream's, on a silent device.
    double sinkMs = 0;
    audio.prepare();
    idleFor(400);
    {
        QString listing;
        pulse.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")}, &listing);
        const auto m = QRegularExpression(QStringLiteral("Sink Latency: (\\d+) usec")).match(listing);
        sinkMs = m.hasMatch() ? m.captured(1).toDouble() / 1000.0 : 0;
        const double all = serverLatencyMs(pulse);
        if (all >= 0)
            fig.latencyMs.add(all);
    }

    // The Speak button on a closed device, as after a quiet spell: pressed,
    // held as a quick click holds it, released.
    for (int i = 0; i < presses; ++i) {
        settle();
        clock.setTime(QTime(7, 45, 5));
        auto rec = pulse.recordSink();
        if (!rec)
            break;
        first.arm();
        const double t0 = nowMs();
        pressSpeak(window, kClickMs); // returns when the last clip has been announced
        waitUntil([&] { return audio.activeVoices() == 0; }, 5000, 5);
        idleFor(200);
        if (first.at() >= 0)
            fig.speakMs.add(first.at() - t0 - timeLeadMs + sinkMs);
        checkAnnouncement(rec->stop(), sevenFortyFive, fig.clips);
    }

    // Due minutes: the clock is moved to two seconds before 8:00, 8:15, ...
    // (interval 15); a minute once announced is not announced again.
    const QStringList quarter{QStringLiteral("00"), QStringLiteral("15"), QStringLiteral("30"), QStringLiteral("45")};
    for (int i = 0; i < minutes && i < 4; ++i) {
        std::vector<std::vector<int16_t>> words{clipAtDeviceRate("TIME"), clipAtDeviceRate("EIGHT")};
        const char *minuteWords[] = {nullptr, "FIFTEEN", "THIRTY", nullptr};
        if (i == 3) {
            words.push_back(clipAtDeviceRate("FORTY"));
            words.push_back(clipAtDeviceRate("FIVE"));
        } else if (minuteWords[i]) {
            words.push_back(clipAtDeviceRate(minuteWords[i]));
        }
        words.push_back(clipAtDeviceRate("AM"));
        const QTime due(8, 15 * i);
        settle();
        auto rec = pulse.recordSink();
        if (!rec)
            break;
        first.arm();
        clock.setTime(due.addSecs(-2));
        waitUntil([&] { return first.at() >= 0; }, 6000, 2);
        if (first.at() >= 0) {
            QTime t;
            {
                std::lock_guard lk(first.lock);
                t = first.clockTime;
            }
            fig.dueMs.add(due.msecsTo(t) - timeLeadMs + sinkMs);
        }
        waitUntil([&] { return window.state().WaveModeText != QLatin1String("playing"); }, 10000, 5);
        waitUntil([&] { return audio.activeVoices() == 0; }, 5000, 5);
        idleFor(200);
        checkAnnouncement(rec->stop(), words, fig.clips);
        clock.setTime(QTime(7, 45, 5));
    }

    // The speech engine: what the mixer sent must be what is heard.
    if (engine.TtsEngineCount() > 0) {
        for (int i = 0; i < presses; ++i) {
            settle();
            std::vector<int16_t> sent;
            std::mutex sentLock;
            audio.setTap([&](const int16_t *s, int n) {
                {
                    std::lock_guard lk(sentLock);
                    sent.insert(sent.end(), s, s + n);
                }
                watch(s, n);
            });
            auto rec = pulse.recordSink();
            if (!rec)
                break;
            first.arm();
            const double t0 = nowMs();
            engine.TtsSpeak(QStringLiteral("The Time is Now 07:45 AM"));
            latencyWhileSounding();
            waitUntil([&] { return engine.TtsBusy() == 0 && audio.activeVoices() == 0; }, 20000, 5);
            idleFor(200);
            if (first.at() >= 0)
                fig.speechMs.add(first.at() - t0 + sinkMs);
            std::vector<int16_t> ref;
            {
                std::lock_guard lk(sentLock);
                const auto a = std::find_if(sent.begin(), sent.end(), [](int16_t v) { return v != 0; });
                const auto b = std::find_if(sent.rbegin(), sent.rend(), [](int16_t v) { return v != 0; }).base();
                if (a < b)
                    ref.assign(a, b);
            }
            audio.setTap(nullptr);
            checkAnnouncement(rec->stop(), {ref}, fig.speech);
        }
    }
    fig.underruns = audio.underruns();

    // Idle: the device closes, and the clock costs what it cost before.
    settle();
    fig.closedWhenIdle = !audio.isDeviceOpen();
    watcher.pause(true);
    const double c0 = cpuMs(), t0 = nowMs();
    idleFor(4000);
    fig.idleCpu = 100.0 * (cpuMs() - c0) / (nowMs() - t0);
    watcher.pause(false);
    fig.closedWhenIdle = fig.closedWhenIdle && !audio.isDeviceOpen();
    window.saveForExit();
    return fig;
}

void writeSettings(bool speech)
{
    // Every 15 minutes, all day, no bleep, nothing at start; the recorded
    // voice or text-to-speech at the natural speed with the built-in phrase.
    QDir().mkpath(configDir());
    const QByteArray settings = speech ? QByteArray("T\r\n135\r\n\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n")
                                       : QByteArray("R\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n");
    for (const auto &[path, bytes] : {std::pair{settingsFilePath(), settings}, std::pair{sliderFilePath(), QByteArray("450\r\n")}}) {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(bytes);
    }
}

// The very first Speak press of a fresh program in one voice mode. A hand
// on a mouse brings the pointer onto the button before it presses, and the
// clock uses that moment to wake the output and the engine; `restMs` is how
// long the pointer rests there first (0: the press comes with no warning and
// everything starts with it).
int firstPress(bool speech, int restMs)
{
    writeSettings(speech);
    ShiftedClock clock;
    clock.setTime(QTime(7, 45, 5));
    AudioOutput audio;
    SdlMediaControl media(&audio);
    DirectSS engine(&audio, DirectSS::Options{});
    NoMessages messages;
    FirstSound first;
    audio.setTap([&](const int16_t *s, int n) {
        const qint64 at = audio.framesRendered();
        std::lock_guard lk(first.lock);
        if (at == 0)
            first.openWallMs = nowMs();
        if (!first.armed || first.wallMs >= 0)
            return;
        for (int i = 0; i < n; ++i) {
            if (s[i] != 0) {
                first.wallMs = first.openWallMs + 1000.0 * double(at + i) / kRate;
                return;
            }
        }
    });
    MainForm window({clock, media, engine, messages});
    window.Form_Load();
    window.show();
    window.startTimers();
    idleFor(500);
    const double lead = speech ? 0 : 1000.0 * leadingSilence(clipAtDeviceRate("TIME")) / kRate;
    // The pointer comes onto Speak and rests, then a quick click; the time
    // from the press to the first sample, or -1 when none came.
    const auto press = [&] {
        if (restMs > 0) {
            QWidget *button = window.ui()->SpeakB;
            const QPointF at(5, 5);
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(button, &leave);
            QEnterEvent enter(at, at, button->mapToGlobal(at));
            QApplication::sendEvent(button, &enter);
            idleFor(restMs);
        }
        first.arm();
        const double t0 = nowMs();
        pressSpeak(window, kClickMs);
        waitUntil([&] { return first.at() >= 0; }, 10000, 1);
        return first.at() < 0 ? -1.0 : first.at() - t0 - lead;
    };
    const auto silent = [&] {
        return engine.TtsBusy() == 0 && window.state().WaveModeText != QLatin1String("playing");
    };
    const char *mode = speech ? "speech" : "clips";
    const double firstMs = press();
    std::printf("first Speak press to first sample (%s, pointer rested %d ms)  %.1f ms\n", mode, restMs, firstMs);
    waitUntil(silent, 20000, 5);
    // The same press again once the device has closed, with everything
    // loaded: what is left of the first figure when nothing starts for the
    // first time, so the difference is what starting late costs.
    waitUntil([&] { return !audio.isDeviceOpen(); }, 10000, 5);
    const double laterMs = press();
    std::printf("later Speak press to first sample (%s, pointer rested %d ms)  %.1f ms\n", mode, restMs, laterMs);
    waitUntil(silent, 20000, 5);
    window.saveForExit();
    return firstMs < 0 || laterMs < 0 ? 1 : 0;
}

void printRow(const char *what, const QString &quiet, const QString &busy)
{
    std::printf("%-60s %14s %14s\n", what, qPrintable(quiet), qPrintable(busy));
}

// speech-dispatcher says the sentence through its own stream: the first
// sample is looked for in the recording as it grows, and dated back by what
// the recorder already wrote after it (its own 20 ms fragments remain in the
// figure). The first sentence opens the connection; the later ones find it
// open, as a clock's do.
struct ServiceFigures
{
    Stats firstMs, laterMs;
};

ServiceFigures dispatcherHeard(PulseServer &pulse, int sentences)
{
    ServiceFigures fig;
    horavox_test::SpeechDispatcherServer speechd;
    if (!speechd.start()) {
        std::printf("speech-dispatcher: not available: %s\n", qPrintable(speechd.error()));
        return fig;
    }
    AudioOutput audio;
    DirectSS::Options o;
    o.engines = DirectSS::AllEngines | DirectSS::Dispatcher;
    DirectSS engine(&audio, o);
    if (!engine.chooseVoice(QStringLiteral("speech-dispatcher")))
        return fig;
    for (int i = 0; i <= sentences; ++i) {
        idleFor(300);
        auto rec = pulse.recordSink();
        if (!rec)
            break;
        QFile file(rec->path());
        if (!file.open(QIODevice::ReadOnly))
            break;
        QByteArray got;
        double heardAt = -1;
        const double t0 = nowMs();
        engine.TtsSpeak(QStringLiteral("The Time is Now 07:45 AM"));
        while (heardAt < 0 && nowMs() - t0 < 10000) {
            QCoreApplication::processEvents();
            got += file.readAll();
            const double now = nowMs();
            const auto *s = reinterpret_cast<const int16_t *>(got.constData());
            const qsizetype n = got.size() / 2;
            for (qsizetype k = 0; k < n; ++k) {
                if (std::abs(int(s[k])) > 64) {
                    heardAt = now - double(n - k) * 1000.0 / kRate;
                    break;
                }
            }
            QThread::msleep(1);
        }
        waitUntil([&] { return engine.TtsBusy() == 0; }, 20000, 5);
        rec->stop();
        if (heardAt >= 0)
            (i == 0 ? fig.firstMs : fig.laterMs).add(heardAt - t0);
    }
    return fig;
}

QString ms(const Stats &s)
{
    return s.v.empty() ? QStringLiteral("-") : QStringLiteral("%1 / %2").arg(s.at(0.5), 0, 'f', 1).arg(s.max(), 0, 'f', 1);
}

} // namespace

int main(int argc, char **argv)
{
    const bool first = argc > 2 && qstrcmp(argv[1], "first-press") == 0;
    const int presses = !first && argc > 1 ? std::max(1, atoi(argv[1])) : 2;
    const int minutes = !first && argc > 2 ? std::max(1, atoi(argv[2])) : 2;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    const QString runtime = home.path() + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform cannot shape a window; saying so is no finding.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("horavox"));

    PulseServer pulse;
    if (!pulse.start()) {
        std::printf("no sound server: %s\n", qPrintable(pulse.error()));
        return 2;
    }
    pulse.pointProcessAtIt();
    if (first)
        return firstPress(qstrcmp(argv[2], "speech") == 0, argc > 3 ? std::max(0, atoi(argv[3])) : 150);
    writeSettings(false);

    StallWatcher watcher;
    // Measures again, at most twice, only when sound was lost while the
    // whole machine stood still for longer than the stream holds.
    auto measured = [&](const char *name) {
        Figures fig;
        for (int attempt = 0; attempt < 3; ++attempt) {
            watcher.takeLongestMs();
            const double stolen0 = stolenMs();
            fig = measure(pulse, watcher, presses, minutes);
            fig.machineStopMs = watcher.takeLongestMs();
            fig.stolenMs = stolenMs() - stolen0;
            fig.repeats = attempt;
            const double holds = fig.latencyMs.v.empty() ? 0 : *std::min_element(fig.latencyMs.v.begin(), fig.latencyMs.v.end());
            if (fig.whole() || !watcher.realTime() || holds <= 0 || fig.machineStopMs <= holds)
                break;
            std::printf("%s: sound was lost while the machine stood still for %.0f ms (the stream holds %.0f ms); measured again\n",
                        name, fig.machineStopMs, holds);
        }
        return fig;
    };
    const Figures quiet = measured("quiet");
    const ServiceFigures quietService = dispatcherHeard(pulse, presses);
    Figures busy;
    ServiceFigures busyService;
    int busyCount = 0;
    {
        BusyMachine load(2);
        busyCount = load.count();
        busy = measured("busy");
        busyService = dispatcherHeard(pulse, presses);
    }

    std::printf("%-60s %14s %14s\n", "", "quiet", qPrintable(QStringLiteral("%1 busy").arg(busyCount)));
    auto clipRow = [](const Heard &h) { return QStringLiteral("%1 of %2").arg(h.damaged).arg(h.clips); };
    printRow("clips with samples inserted or dropped", clipRow(quiet.clips), clipRow(busy.clips));
    printRow("samples inserted / dropped inside clips",
             QStringLiteral("%1 / %2").arg(quiet.clips.inserted).arg(quiet.clips.dropped),
             QStringLiteral("%1 / %2").arg(busy.clips.inserted).arg(busy.clips.dropped));
    printRow("windows of 1024 samples not found", QString::number(quiet.clips.missing + quiet.speech.missing),
             QString::number(busy.clips.missing + busy.speech.missing));
    printRow("silence added at joins, ms (median / max)", ms(quiet.clips.joinMs), ms(busy.clips.joinMs));
    printRow("Speak press to first sample heard, clips, ms (median / max)", ms(quiet.speakMs), ms(busy.speakMs));
    printRow("due minute to first sample heard, ms (median / max)", ms(quiet.dueMs), ms(busy.dueMs));
    printRow("speech: samples inserted / dropped",
             QStringLiteral("%1 / %2").arg(quiet.speech.inserted).arg(quiet.speech.dropped),
             QStringLiteral("%1 / %2").arg(busy.speech.inserted).arg(busy.speech.dropped));
    printRow("speech: times the stream ran dry", QString::number(quiet.underruns), QString::number(busy.underruns));
    printRow("TtsSpeak to first sample heard, ms (median / max)", ms(quiet.speechMs), ms(busy.speechMs));
    printRow("speech-dispatcher, first (connects): to first sample, ms", ms(quietService.firstMs),
             ms(busyService.firstMs));
    printRow("speech-dispatcher: TtsSpeak to first sample, ms (median/max)", ms(quietService.laterMs),
             ms(busyService.laterMs));
    printRow("stream latency (pactl: buffer + sink), ms", ms(quiet.latencyMs), ms(busy.latencyMs));
    printRow("idle CPU, device closed, % of a core", QString::number(quiet.idleCpu, 'f', 2),
             QString::number(busy.idleCpu, 'f', 2));

    printRow(watcher.realTime() ? "longest the whole machine stood still, ms" : "longest stop seen (watcher not real-time), ms",
             QString::number(quiet.machineStopMs, 'f', 1), QString::number(busy.machineStopMs, 'f', 1));
    printRow("time the host took from this machine, ms", QString::number(quiet.stolenMs, 'f', 0),
             QString::number(busy.stolenMs, 'f', 0));
    printRow("runs measured again", QString::number(quiet.repeats), QString::number(busy.repeats));

    const bool ok = quiet.ok() && busy.ok();
    if (!ok)
        std::printf("FAILED: a clip was not heard whole, or the device stayed open\n");
    return ok ? 0 : 1;
}
