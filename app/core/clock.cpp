#include "clock.h"

#include <QElapsedTimer>

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

Clock &systemClock()
{
    static SystemClock clock;
    return clock;
}

} // namespace horavox
