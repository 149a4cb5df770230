// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two delays a user notices: how long after the wall clock's second the
// clock face shows it, and how long after a due minute the first sample of
// the announcement reaches the audio device. The real main window, media
// layer and audio output (SDL's dummy driver) run on a clock shifted by whole
// seconds, so that due minutes come every few seconds instead of every minute.
#include "bench_common.h"
#include "engines/direct_ss.h"
#include "core/clock.h"
#include "core/message_sink.h"
#include "core/paths.h"
#include "main_window/main_form.h"
#include "numeron.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_media_control.h"
#include "speech/audio/wav_reader.h"
#include "speech/clip_table.h"
#include "ui_main_form.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <vector>

using namespace horavox;
using namespace horavox_bench;

namespace {

class ShiftedClock final : public Clock
{
public:
    QDateTime now() const override { return systemClock().now().addMSecs(m_shiftMs.load()); }
    qint64 monotonicMs() const override { return systemClock().monotonicMs(); }
    qint64 sinceBootMs() const override { return systemClock().sinceBootMs(); }
    void shiftBySeconds(qint64 s) { m_shiftMs += s * 1000; }

private:
    std::atomic<qint64> m_shiftMs{0};
};

class NoMessages final : public MessageSink
{
public:
    void information(QWidget *, const QString &, const QString &) override {}
};

int msPastSecond(const QDateTime &t) { return t.time().msec(); }
int msPastMinute(const QDateTime &t) { return t.time().second() * 1000 + t.time().msec(); }

struct Stats
{
    std::vector<double> v;
    double at(double q) const
    {
        if (v.empty())
            return -1;
        std::vector<double> s = v;
        std::sort(s.begin(), s.end());
        return s[std::min(s.size() - 1, size_t(q * double(s.size())))];
    }
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// Milliseconds of silence the clip itself starts with, so that the figure is
// the program's delay and not the recording's.
double leadInMs(const QString &path)
{
    const WavResult r = readWavFile(path);
    if (!r.ok() || r.clip.format.bytesPerFrame() == 0)
        return 0;
    const QByteArray &s = r.clip.samples;
    const int bpf = r.clip.format.bytesPerFrame();
    const int bytesPerSample = r.clip.format.bitsPerSample / 8;
    qint64 frame = 0;
    for (; frame < r.clip.frames(); ++frame) {
        bool silent = true;
        for (int c = 0; c < r.clip.format.channels; ++c) {
            const char *p = s.constData() + frame * bpf + c * bytesPerSample;
            const int v = bytesPerSample == 1 ? int(quint8(p[0])) - 128 : int(qint16(quint8(p[0]) | quint8(p[1]) << 8));
            if (v != 0)
                silent = false;
        }
        if (!silent)
            break;
    }
    return 1000.0 * double(frame) / r.clip.format.sampleRate;
}

} // namespace

int main(int argc, char **argv)
{
    const int ticks = argc > 1 ? std::max(3, atoi(argv[1])) : 20;
    const int minutes = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/data")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("horavox"));

    // Recorded voice, every minute, all day, no bleep, nothing at start-up.
    writeFile(settingsFilePath(), "R\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n");
    writeFile(sliderFilePath(), "30\r\n");

    ShiftedClock clock;
    AudioOutput audio;
    SdlMediaControl media(&audio);
    DirectSS engine(&audio, DirectSS::Options{});
    NoMessages messages;

    std::mutex lock;
    bool armed = false;
    int firstSampleMsPastMinute = -1;
    audio.setTap([&](const int16_t *s, int n) {
        const QDateTime t = clock.now();
        std::lock_guard lk(lock);
        if (!armed || firstSampleMsPastMinute >= 0)
            return;
        for (int i = 0; i < n; ++i) {
            if (s[i] != 0) {
                firstSampleMsPastMinute = msPastMinute(t) + 1000 * i / audio.sampleRate();
                return;
            }
        }
    });

    MainForm window({clock, media, engine, messages});
    window.Form_Load();
    window.show();
    window.startTimers();
    const double timeLeadIn = leadInMs(clipFilePath(clipName("T")));

    // Clock face: the wall time of the first paint that shows a new text.
    Stats face;
    QString lastShown;
    struct PaintWatch : QObject
    {
        std::function<void()> onPaint;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                onPaint();
            return QObject::eventFilter(o, e);
        }
    } watch;
    Numeron *numeron = window.ui()->Numeron1;
    watch.onPaint = [&] {
        if (numeron->DigitDisplay() == lastShown)
            return;
        lastShown = numeron->DigitDisplay();
        face.v.push_back(msPastSecond(clock.now()));
    };
    numeron->installEventFilter(&watch);
    waitUntil([&] { return int(face.v.size()) > ticks; }, (ticks + 5) * 1000, 5);
    numeron->removeEventFilter(&watch);
    if (!face.v.empty())
        face.v.erase(face.v.begin()); // the first paint is the window's first show

    // Due minute: move the shifted clock to two seconds before a minute,
    // wait for the announcement's first sample, then for the voice to end.
    Stats due;
    for (int i = 0; i < minutes; ++i) {
        waitUntil([&] { return window.state().WaveModeText != QLatin1String("playing"); }, 20000, 5);
        idleFor(300);
        const int past = msPastMinute(clock.now());
        clock.shiftBySeconds(qint64(58 - past / 1000 + (past / 1000 >= 58 ? 60 : 0)));
        {
            std::lock_guard lk(lock);
            armed = true;
            firstSampleMsPastMinute = -1;
        }
        waitUntil([&] {
            std::lock_guard lk(lock);
            return firstSampleMsPastMinute >= 0 && firstSampleMsPastMinute < 30000;
        }, 8000, 1);
        std::lock_guard lk(lock);
        if (firstSampleMsPastMinute >= 0 && firstSampleMsPastMinute < 30000)
            due.v.push_back(firstSampleMsPastMinute - timeLeadIn);
        armed = false;
    }

    std::printf("%-52s %8s %8s %8s\n", "", "median", "p90", "max");
    std::printf("%-52s %8.1f %8.1f %8.1f  ms (%zu ticks)\n", "clock face shown after the wall clock's second",
                face.at(0.5), face.at(0.9), face.at(1.0), face.v.size());
    std::printf("%-52s %8.1f %8.1f %8.1f  ms (%zu minutes)\n", "due minute to first sample (recorded voice)",
                due.at(0.5), due.at(0.9), due.at(1.0), due.v.size());
    window.saveForExit();
    return face.v.empty() || due.v.empty() ? 1 : 0;
}
