// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The six pips on a real sound server (a private PulseAudio server with a
// null sink): the clock is set to ten seconds before a due minute, with the
// pips as the sound before the time, and the moment the sixth pip is heard is
// compared with the moment the minute begins.
//
// Heard: the device callback that sent the sixth pip's first sample is
// timed, and the sound server's own figure for what it held before that
// buffer (the stream's buffer and the sink's latency, asked while the pips
// sound) is added, with the sample's place in its buffer.
//   bench_pips [minutes, default 4]
#include "bench_common.h"
#include "chimes/chime_controller.h"
#include "chimes/chime_synth.h"
#include "engines/direct_ss.h"
#include "core/clock.h"
#include "core/message_sink.h"
#include "core/paths.h"
#include "main_window/main_form.h"
#include "pulse_server.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_media_control.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <vector>

using namespace horavox;
using namespace horavox_bench;
using horavox_test::PulseServer;

namespace {

constexpr int kRate = 44100;

class ShiftedClock final : public Clock
{
public:
    QDateTime now() const override { return systemClock().now().addMSecs(m_shiftMs.load()); }
    qint64 monotonicMs() const override { return systemClock().monotonicMs(); }
    qint64 sinceBootMs() const override { return systemClock().sinceBootMs(); }
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

// Every buffer sent: where it starts in the stream and when it was asked for.
struct Buffers
{
    std::mutex lock;
    std::vector<int16_t> samples;
    std::vector<std::pair<size_t, double>> starts; // sample index, steady ms
};

double serverLatencyMs(const PulseServer &pulse)
{
    QString listing;
    if (pulse.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")}, &listing) != 0)
        return -1;
    double ms = 0;
    bool any = false;
    for (const char *what : {"Buffer Latency", "Sink Latency"}) {
        const auto m = QRegularExpression(QStringLiteral("%1: (\\d+) usec").arg(QLatin1String(what))).match(listing);
        if (m.hasMatch()) {
            ms += m.captured(1).toDouble() / 1000.0;
            any = true;
        }
    }
    return any ? ms : -1;
}

// Where the whole pips clip starts in what was sent, or -1. Every pip is the
// same 1 kHz tone, which repeats sample for sample every 441 samples, so a
// piece of one pip is found inside the others: the clip is matched from its
// first sounding sample and then checked whole.
qint64 find(const std::vector<int16_t> &hay, const std::vector<int16_t> &clip)
{
    const auto sounding = std::find_if(clip.begin(), clip.end(), [](int16_t v) { return v != 0; });
    const size_t lead = size_t(sounding - clip.begin());
    constexpr size_t kProbe = 256;
    if (clip.size() < lead + kProbe || hay.size() < clip.size())
        return -1;
    for (size_t i = lead; i + kProbe <= hay.size(); ++i) {
        if (!std::equal(sounding, sounding + kProbe, hay.begin() + qsizetype(i)))
            continue;
        const size_t start = i - lead;
        if (start + clip.size() <= hay.size() && std::equal(clip.begin(), clip.end(), hay.begin() + qsizetype(start)))
            return qint64(start);
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    PulseServer pulse;
    if (!pulse.start()) {
        std::fprintf(stderr, "bench_pips: %s\n", qPrintable(pulse.error()));
        return 1;
    }
    pulse.pointProcessAtIt();
    QApplication app(argc, argv);
    const int minutes = argc > 1 ? std::max(1, atoi(argv[1])) : 4;

    // Recorded voice, the sound before set, all day.
    QDir().mkpath(configDir());
    QFile settings(settingsFilePath());
    settings.open(QIODevice::WriteOnly);
    settings.write("R\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n1\r\n");
    settings.close();

    ShiftedClock clock;
    clock.setTime(QTime(8, 59, 40));
    AudioOutput audio;
    Buffers sent;
    audio.setTap([&](const int16_t *s, int n) {
        const double at = nowMs();
        std::lock_guard lk(sent.lock);
        sent.starts.emplace_back(sent.samples.size(), at);
        sent.samples.insert(sent.samples.end(), s, s + n);
    });
    SdlMediaControl media(&audio);
    DirectSS engine(&audio, DirectSS::Options{});
    NoMessages messages;
    MainForm window({clock, media, engine, messages});
    window.Form_Load();
    window.startTimers();
    ChimeController chimes(clock, audio, joinPath(configDir(), QStringLiteral("Chimes.ini")),
                           joinPath(dataDir(), QStringLiteral("chimes")));
    chimes.setPreferences({ChimeChoice::Pips, false, {}});
    chimes.attach(&window);

    ChimePlan pipsPlan;
    pipsPlan.kind = ChimePlan::Kind::Pips;
    const std::vector<int16_t> pips = renderChime(pipsPlan, kRate);
    const size_t sixth = size_t(qint64(kLongPipStartMs) * kRate / 1000);

    std::printf("%-8s %10s %12s %10s\n", "minute", "sent ms", "server ms", "error ms");
    std::vector<double> errors;
    for (int i = 0; i < minutes; ++i) {
        const QTime due(9, (15 * i) % 60);
        clock.setTime(due.addSecs(-12));
        window.state().AnnounceInterval = 15;
        window.state().InTimeWindow = true;
        chimes.attach(&window); // the look ahead follows the step of the clock
        // The minute on the steady clock of the buffers' times.
        const QDateTime minute(clock.now().date(), due);
        const double minuteMs = nowMs() + double(clock.now().msecsTo(minute));
        {
            std::lock_guard lk(sent.lock);
            sent.samples.clear();
            sent.starts.clear();
        }
        // The server's figure while the pips sound, asked again and again
        // from the first pip to the sixth: the stream is listed only while
        // it is open, and its figure moves with the server's buffering.
        std::vector<double> latencies;
        waitUntil([&] { return nowMs() > minuteMs - 4500; }, 20000, 5);
        while (nowMs() < minuteMs + 300) {
            if (const double l = serverLatencyMs(pulse); l >= 0)
                latencies.push_back(l);
            waitUntil([] { return false; }, 150, 5);
        }
        std::sort(latencies.begin(), latencies.end());
        const double latency = latencies.empty() ? -1 : latencies[latencies.size() / 2];
        waitUntil([&] { return nowMs() > minuteMs + 6000 && audio.activeVoices() == 0; }, 30000, 5);
        std::vector<int16_t> samples;
        std::vector<std::pair<size_t, double>> starts;
        {
            std::lock_guard lk(sent.lock);
            samples = sent.samples;
            starts = sent.starts;
        }
        const qint64 first = find(samples, pips);
        if (first < 0 || latency < 0) {
            std::printf("%-8s %10s %12s %10s\n", qPrintable(due.toString(QStringLiteral("HH:mm"))), "-", "-",
                        "not heard");
            continue;
        }
        const size_t at = size_t(first) + sixth;
        auto buf = std::upper_bound(starts.begin(), starts.end(), std::make_pair(at, 1e300)) - 1;
        const double sentAt = buf->second + 1000.0 * double(at - buf->first) / kRate;
        const double heard = sentAt + latency;
        const double error = heard - minuteMs;
        errors.push_back(error);
        std::printf("%-8s %10.1f %12.1f %+10.1f\n", qPrintable(due.toString(QStringLiteral("HH:mm"))),
                    sentAt - minuteMs, latency, error);
    }
    if (errors.empty())
        return 1;
    double worst = 0, sum = 0;
    for (double e : errors) {
        worst = std::max(worst, std::fabs(e));
        sum += e;
    }
    std::printf("sixth pip vs minute: mean %+.1f ms, worst %.1f ms over %zu minutes (target 20 ms)\n",
                sum / double(errors.size()), worst, errors.size());
    return worst <= 20 ? 0 : 2;
}
