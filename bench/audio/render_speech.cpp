// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Says one sentence with each engine and writes exactly what went to the
// device as a 16-bit mono wave file per engine, to listen to or inspect:
//   render_speech [folder] [sentence]
#include "bench_common.h"
#include "engines/direct_ss.h"
#include "speech/audio/audio_output.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cstdio>
#include <mutex>
#include <vector>

using namespace horavox;

namespace {

bool writeWav(const QString &path, const std::vector<int16_t> &s, int rate)
{
    QByteArray b("RIFF");
    auto put32 = [&b](quint32 v) { char c[4]; qToLittleEndian(v, c); b.append(c, 4); };
    auto put16 = [&b](quint16 v) { char c[2]; qToLittleEndian(v, c); b.append(c, 2); };
    put32(quint32(36 + s.size() * 2));
    b += "WAVEfmt ";
    put32(16); put16(1); put16(1); put32(quint32(rate)); put32(quint32(rate * 2)); put16(2); put16(16);
    b += "data";
    put32(quint32(s.size() * 2));
    for (int16_t v : s)
        put16(quint16(v));
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(b) == b.size();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const QString sentence = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                      : QStringLiteral("The Time is Now 05:30 PM");
    AudioOutput out;
    std::mutex lock;
    std::vector<int16_t> samples;
    out.setTap([&](const int16_t *s, int n) {
        std::lock_guard lk(lock);
        samples.insert(samples.end(), s, s + n);
    });
    int failures = 0;
    for (int engine : {int(DirectSS::Flite), int(DirectSS::Espeak)}) {
        DirectSS::Options o;
        o.engines = engine;
        DirectSS ss(&out, o);
        if (ss.TtsEngineCount() == 0) {
            ++failures;
            continue;
        }
        {
            std::lock_guard lk(lock);
            samples.clear();
        }
        ss.TtsSpeak(sentence);
        horavox_bench::waitUntil([&] { return ss.TtsBusy() == 0; }, 30000);
        const QString path = QDir(folder).filePath(ss.engineNames().value(0) + QStringLiteral(".wav"));
        std::lock_guard lk(lock);
        if (!writeWav(path, samples, out.sampleRate()))
            ++failures;
        std::printf("%s: %.2f s\n", qPrintable(path), double(samples.size()) / out.sampleRate());
    }
    return failures;
}
