// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// CPU used while idle: Horavox and a minimal Qt clock run side by side for the
// same span; CPU time comes from the scheduler's own account (nanoseconds).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

static double cpuSeconds(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/schedstat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return f.readAll().split(' ').value(0).toDouble() / 1e9;
}

static long residentKb(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(5, atoi(argv[1])) : 60;
    // "speech": the settings choose text-to-speech; otherwise the recorded voice.
    const bool speech = argc > 2 && qstrcmp(argv[2], "speech") == 0;
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!env.contains(QStringLiteral("SDL_AUDIODRIVER")))
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    // Interval 0 and no start-up announcement: the clock is idle by choice.
    QDir().mkpath(home.path() + QStringLiteral("/config/horavox"));
    QFile slider(home.path() + QStringLiteral("/config/horavox/SliderSetting.txt"));
    if (slider.open(QIODevice::WriteOnly))
        slider.write("0\r\n");
    slider.close();
    QFile settings(home.path() + QStringLiteral("/config/horavox/SettingsSetup.txt"));
    if (settings.open(QIODevice::WriteOnly))
        settings.write(speech ? "T\r\n135\r\n\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n"
                              : "R\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n");
    settings.close();

    // A first start writes the clip files from the program's own resources,
    // and those pages stay counted as resident for a while; every start after
    // it is what a clock started with the session pays. As the start-up
    // benchmark does, one start comes first.
    {
        QProcess first;
        QProcessEnvironment once = env;
        once.insert(QStringLiteral("HORAVOX_BENCH_SHOWN"), QStringLiteral("quit"));
        first.setProcessEnvironment(once);
        first.start(QStringLiteral(HORAVOX_BIN), {});
        if (!first.waitForFinished(20000))
            first.kill();
        first.waitForFinished();
    }

    QProcess ref, hv;
    ref.setProcessEnvironment(env);
    hv.setProcessEnvironment(env);
    ref.start(QStringLiteral(REF_CLOCK), {});
    hv.start(QStringLiteral(HORAVOX_BIN), {});
    ref.waitForStarted();
    hv.waitForStarted();
    QThread::sleep(3); // let both settle past start-up
    const double r0 = cpuSeconds(ref.processId()), h0 = cpuSeconds(hv.processId());
    QThread::sleep(seconds);
    const double r1 = cpuSeconds(ref.processId()), h1 = cpuSeconds(hv.processId());
    const long rRss = residentKb(ref.processId()), hRss = residentKb(hv.processId());
    ref.kill();
    hv.kill();
    ref.waitForFinished();
    hv.waitForFinished();

    const double rPct = 100.0 * (r1 - r0) / seconds, hPct = 100.0 * (h1 - h0) / seconds;
    std::printf("%-34s %10s %10s %8s\n", "idle, over seconds", "horavox", "ref clock", "ratio");
    std::printf("%-34s %10.4f %10.4f %8.2f\n", "CPU, % of one core", hPct, rPct, rPct > 0 ? hPct / rPct : 0.0);
    std::printf("%-34s %10ld %10ld %8.2f\n", "resident memory, kB", hRss, rRss, rRss > 0 ? double(hRss) / rRss : 0.0);
    return 0;
}
