// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDateTime>
#include <QtGlobal>

namespace horavox {

// The one source of time for the whole program. Wall time drives what the
// clock shows and says; the monotonic time measures short spans (timeouts)
// so that a wall-clock step never stretches or shrinks them; the boot time
// is monotonic too but keeps counting while the machine sleeps, for spans a
// person waits out (alarm periods), which a suspend must not stretch.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;     // local wall time
    virtual qint64 monotonicMs() const = 0; // milliseconds, arbitrary origin
    virtual qint64 sinceBootMs() const = 0; // milliseconds, counts time asleep
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
    qint64 monotonicMs() const override;
    qint64 sinceBootMs() const override;
};

// The process-wide system clock, for production wiring only.
Clock &systemClock();

} // namespace horavox
