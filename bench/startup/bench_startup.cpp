// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Time from process start to the first shown window, and resident memory at
// that moment: Horavox against a minimal Qt Widgets window, in the same run.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

struct Sample
{
    double ms;
    long rssKb;
};

static Sample runOnce(const QString &program, const QProcessEnvironment &env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(program, {});
    Sample s{-1, -1};
    QByteArray out;
    while (p.waitForReadyRead(10000)) {
        out += p.readAllStandardOutput();
        const int at = out.indexOf("shown ");
        if (at >= 0 && out.indexOf('\n', at) > 0) {
            s.ms = t.nsecsElapsed() / 1e6;
            s.rssKb = out.mid(at + 6, out.indexOf('\n', at) - at - 6).trimmed().toLong();
            break;
        }
    }
    p.waitForFinished(5000);
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished();
    }
    return s;
}

static double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 15;
    // "speech": the settings choose text-to-speech; otherwise the recorded voice.
    const bool speech = argc > 2 && qstrcmp(argv[2], "speech") == 0;
    QTemporaryDir home;
    QDir().mkpath(home.path() + QStringLiteral("/config/horavox"));
    QFile settings(home.path() + QStringLiteral("/config/horavox/SettingsSetup.txt"));
    if (settings.open(QIODevice::WriteOnly))
        settings.write(speech ? "T\r\n135\r\n\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n"
                              : "R\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n");
    settings.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HORAVOX_BENCH_SHOWN"), QStringLiteral("quit"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!env.contains(QStringLiteral("SDL_AUDIODRIVER")))
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));

    // One warm-up each (and Horavox's first run writes its clip files).
    runOnce(QStringLiteral(REF_WINDOW), env);
    runOnce(QStringLiteral(HORAVOX_BIN), env);

    std::vector<double> refMs, appMs, refKb, appKb;
    for (int i = 0; i < runs; ++i) {
        const Sample r = runOnce(QStringLiteral(REF_WINDOW), env);
        const Sample a = runOnce(QStringLiteral(HORAVOX_BIN), env);
        refMs.push_back(r.ms);
        appMs.push_back(a.ms);
        refKb.push_back(double(r.rssKb));
        appKb.push_back(double(a.rssKb));
    }
    const double rm = median(refMs), am = median(appMs), rk = median(refKb), ak = median(appKb);
    std::printf("%-34s %10s %10s %8s  (%s)\n", "startup (median of runs)", "horavox", "reference", "ratio",
                speech ? "speech" : "clips");
    std::printf("%-34s %10.1f %10.1f %8.2f\n", "time to first shown window, ms", am, rm, am / rm);
    std::printf("%-34s %10.0f %10.0f %8.2f\n", "resident memory at that time, kB", ak, rk, ak / rk);
    return 0;
}
