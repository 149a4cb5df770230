// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures what the ear notices: the gap between two clips, the delay from a
// play command or a sentence to the first sound, and the processor time the
// sound costs. Prints one table; runs on whatever SDL audio driver is chosen
// (dummy when none is set).
#include "bench_common.h"
#include "engines/direct_ss.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_media_control.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <vector>

using namespace horavox;
using namespace horavox_bench;

namespace {

QByteArray constantWav(int rate, int frames, int16_t value)
{
    QByteArray b("RIFF");
    auto put32 = [&b](quint32 v) { char c[4]; qToLittleEndian(v, c); b.append(c, 4); };
    auto put16 = [&b](quint16 v) { char c[2]; qToLittleEndian(v, c); b.append(c, 2); };
    put32(quint32(36 + frames * 2));
    b += "WAVEfmt ";
    put32(16); put16(1); put16(1); put32(quint32(rate)); put32(quint32(rate * 2)); put16(2); put16(16);
    b += "data";
    put32(quint32(frames * 2));
    for (int i = 0; i < frames; ++i)
        put16(quint16(value));
    return b;
}

// Watches the device stream for the first sound after being armed, and keeps
// the stream for gap measurements.
class Probe
{
public:
    explicit Probe(AudioOutput &out) : m_rate(out.sampleRate())
    {
        out.setTap([this](const int16_t *s, int n) {
            const double t = nowMs();
            std::lock_guard lk(m_lock);
            if (m_record)
                m_samples.insert(m_samples.end(), s, s + n);
            if (m_armed && m_firstSound < 0) {
                for (int i = 0; i < n; ++i) {
                    if (s[i] != 0) {
                        m_firstSound = t + 1000.0 * i / m_rate;
                        break;
                    }
                }
            }
        });
    }
    void arm()
    {
        std::lock_guard lk(m_lock);
        m_armed = true;
        m_firstSound = -1;
    }
    double firstSound()
    {
        std::lock_guard lk(m_lock);
        return m_firstSound;
    }
    void record(bool on)
    {
        std::lock_guard lk(m_lock);
        m_record = on;
        if (on)
            m_samples.clear();
    }
    std::vector<int16_t> samples()
    {
        std::lock_guard lk(m_lock);
        return m_samples;
    }

private:
    const int m_rate;
    std::mutex m_lock;
    bool m_armed = false;
    bool m_record = false;
    double m_firstSound = -1;
    std::vector<int16_t> m_samples;
};

struct Stats
{
    std::vector<double> v;
    void add(double x) { v.push_back(x); }
    double median()
    {
        std::sort(v.begin(), v.end());
        return v.empty() ? 0 : v[v.size() / 2];
    }
    double max() const { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }
    double min() const { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }
};

void row(const char *what, Stats s, const char *unit)
{
    std::printf("%-52s %8.2f %8.2f %8.2f  %s\n", what, s.min(), s.median(), s.max(), unit);
}

void playLikeTheClock(SdlMediaControl &mc, const QString &clip)
{
    mc.sendString(QStringLiteral("open %1 type waveaudio alias voice1").arg(clip));
    mc.sendString(QStringLiteral("play voice1"));
    QString mode;
    do {
        mc.sendString(QStringLiteral("status voice1 mode"), &mode);
        QCoreApplication::processEvents();
    } while (mode == QLatin1String("playing"));
    mc.sendString(QStringLiteral("close voice1"));
}

// The same, but sleeping until the end is signalled instead of asking.
void playWaitingForEnd(SdlMediaControl &mc, const QString &clip)
{
    mc.sendString(QStringLiteral("open %1 type waveaudio alias voice1").arg(clip));
    QEventLoop loop;
    QObject::connect(&mc, &MediaControl::playbackEnded, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    mc.sendString(QStringLiteral("play voice1"));
    loop.exec();
    mc.sendString(QStringLiteral("close voice1"));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication app(argc, argv);
    AudioOutput out;
    Probe probe(out);
    SdlMediaControl mc(&out);
    QTemporaryDir dir;
    const QString clipA = dir.filePath(QStringLiteral("a.wav"));
    const QString clipB = dir.filePath(QStringLiteral("b.wav"));
    QFile fa(clipA), fb(clipB);
    if (!fa.open(QIODevice::WriteOnly) || !fb.open(QIODevice::WriteOnly))
        return 1;
    fa.write(constantWav(44100, 8820, 1000));
    fb.write(constantWav(44100, 8820, 2000));
    fa.close();
    fb.close();

    std::printf("driver %s, %d Hz, %d-frame buffer, %d device(s)\n", SDL_GetCurrentAudioDriver(),
                out.sampleRate(), AudioOutput::Options{}.bufferFrames, out.deviceCount());
    if (out.deviceCount() == 0) {
        std::printf("no audio device: nothing to measure\n");
        return 0;
    }
    std::printf("%-52s %8s %8s %8s\n", "", "min", "median", "max");

    // Gap between two clips played the way the clock plays them, and by a
    // player that sleeps until the end is signalled.
    for (auto play : {&playLikeTheClock, &playWaitingForEnd}) {
        Stats gap;
        for (int i = 0; i < 20; ++i) {
            probe.record(true);
            play(mc, clipA);
            play(mc, clipB);
            // The end is announced ahead of the last sample: the rest of the
            // second clip is still to come.
            waitUntil([&] { return out.activeVoices() == 0; }, 5000);
            const std::vector<int16_t> s = probe.samples();
            probe.record(false);
            const auto aEnd = std::find(s.rbegin(), s.rend(), int16_t(1000)).base() - s.begin();
            const auto bStart = std::find(s.begin(), s.end(), int16_t(2000)) - s.begin();
            gap.add(1000.0 * double(bStart - aEnd) / out.sampleRate());
            if (qEnvironmentVariableIsSet("BENCH_VERBOSE"))
                std::printf("  gap %d: %.2f ms\n", i, gap.v.back());
        }
        row(play == &playLikeTheClock ? "gap between two clips, status polled"
                                      : "gap between two clips, end signalled",
            gap, "ms");
    }

    // Play command to first sound, device already open and closed.
    Stats warm, cold;
    for (int i = 0; i < 10; ++i) {
        out.setIdleCloseMs(i % 2 ? 2000 : 0);
        idleFor(50);
        const bool wasOpen = out.isDeviceOpen();
        probe.arm();
        const double t0 = nowMs();
        mc.sendString(QStringLiteral("open %1 type waveaudio alias voice1").arg(clipA));
        mc.sendString(QStringLiteral("play voice1"));
        waitUntil([&] { return probe.firstSound() >= 0; }, 5000);
        (wasOpen ? warm : cold).add(probe.firstSound() - t0);
        mc.sendString(QStringLiteral("stop voice1"));
        mc.sendString(QStringLiteral("close voice1"));
    }
    out.setIdleCloseMs(2000);
    row("open + play to first sound, device open", warm, "ms");
    row("open + play to first sound, device closed", cold, "ms");

    // Sentences.
    const QString sentence = QStringLiteral("The Time is Now 05:30 PM");
    for (int engine : {int(DirectSS::Flite), int(DirectSS::Espeak)}) {
        DirectSS::Options o;
        o.engines = engine;
        DirectSS ss(&out, o);
        if (ss.TtsEngineCount() == 0) {
            std::printf("%s: not available\n", engine == DirectSS::Flite ? "flite" : "espeak");
            continue;
        }
        const QByteArray name = ss.engineNames().value(0).toUtf8();
        Stats latency, cpu, spoken;
        for (int i = 0; i < 5; ++i) {
            probe.arm();
            const double c0 = cpuMs();
            const double t0 = nowMs();
            ss.TtsSpeak(sentence);
            waitUntil([&] { return probe.firstSound() >= 0 || ss.TtsBusy() == 0; }, 10000);
            latency.add(probe.firstSound() - t0);
            waitUntil([&] { return ss.TtsBusy() == 0; }, 30000);
            const double wall = nowMs() - t0;
            spoken.add(wall / 1000.0);
            cpu.add(100.0 * (cpuMs() - c0) / wall);
        }
        row(qPrintable(QStringLiteral("%1: TtsSpeak to first sound").arg(QString::fromUtf8(name))), latency, "ms");
        row(qPrintable(QStringLiteral("%1: sentence heard in").arg(QString::fromUtf8(name))), spoken, "s");
        row(qPrintable(QStringLiteral("%1: CPU while speaking").arg(QString::fromUtf8(name))), cpu, "% of a core");
    }

    // What an open but silent device costs, against a closed one.
    Stats openCpu, closedCpu;
    auto hold = out.createStreamVoice(PcmFormat{44100, 1, 16});
    out.start(hold);
    for (int i = 0; i < 3; ++i) {
        const double c0 = cpuMs(), t0 = nowMs();
        idleFor(1000);
        openCpu.add(100.0 * (cpuMs() - c0) / (nowMs() - t0));
    }
    out.stop(hold);
    out.setIdleCloseMs(10);
    waitUntil([&] { return !out.isDeviceOpen(); }, 2000);
    for (int i = 0; i < 3; ++i) {
        const double c0 = cpuMs(), t0 = nowMs();
        idleFor(1000);
        closedCpu.add(100.0 * (cpuMs() - c0) / (nowMs() - t0));
    }
    row("CPU, device open and silent", openCpu, "% of a core");
    row("CPU, device closed", closedCpu, "% of a core");
    return 0;
}
