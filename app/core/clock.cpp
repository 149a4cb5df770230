// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock.h"

#include <QElapsedTimer>

#include <time.h>

namespace horavox {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemClock::monotonicMs() const
{
    static const QElapsedTimer origin = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return origin.elapsed();
}

qint64 SystemClock::sinceBootMs() const
{
    timespec ts{};
    // Linux counts suspend in CLOCK_BOOTTIME; where it is missing the
    // monotonic clock is the best there is.
    if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0)
        return monotonicMs();
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

Clock &systemClock()
{
    static SystemClock clock;
    return clock;
}

} // namespace horavox
