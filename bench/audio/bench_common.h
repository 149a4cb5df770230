// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small helpers shared by the audio benchmarks.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <functional>

namespace horavox_bench {

// Sleeps in the event loop between looks, so that the waiting itself does
// not show up in the processor time being measured.
inline bool waitUntil(const std::function<bool()> &done, int timeoutMs, int stepMs = 1)
{
    QElapsedTimer t;
    t.start();
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (done() || t.elapsed() > timeoutMs)
            loop.quit();
    });
    if (done())
        return true;
    tick.start(stepMs);
    loop.exec();
    return done();
}

inline void idleFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

inline double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Process CPU time (user + system) in milliseconds.
inline double cpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0
           + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

} // namespace horavox_bench
