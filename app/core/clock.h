#pragma once
#include <QDateTime>
#include <QtGlobal>

namespace horavox {

// The one source of time for the whole program. Wall time drives what the
// clock shows and says; the monotonic time measures spans (alarm periods,
// timeouts) so that a wall-clock step never stretches or shrinks them.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;     // local wall time
    virtual qint64 monotonicMs() const = 0; // milliseconds, arbitrary origin
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
    qint64 monotonicMs() const override;
};

// The process-wide system clock, for production wiring only.
Clock &systemClock();

} // namespace horavox
