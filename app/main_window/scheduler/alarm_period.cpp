// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "alarm_period.h"

#include "core/clock.h"
#include "core/program_state.h"
#include "core/time_texts.h"
#include "dispatcher.h"

#include <limits>

namespace horavox {

AlarmPeriod::AlarmPeriod(Clock &clock, ProgramState &state, Dispatcher &dispatcher)
    : m_clock(clock), m_state(state), m_dispatcher(dispatcher)
{
}

std::optional<qint32> AlarmPeriod::periodSecsFor(int intervalMinutes)
{
    const qint32 product = qint32(intervalMinutes) * 60;
    if (product > std::numeric_limits<qint16>::max() || product < std::numeric_limits<qint16>::min())
        return std::nullopt;
    return product;
}

bool AlarmPeriod::start(int intervalMinutes)
{
    if (intervalMinutes <= 0)
        return false;
    const std::optional<qint32> secs = periodSecsFor(intervalMinutes);
    if (!secs)
        return false;
    m_periodSecs = *secs;
    m_periodStartMs = m_clock.sinceBootMs();
    const QTime wall = m_clock.now().time();
    m_startStamp = longClockText(wall);
    m_state.AlarmStartText = mediumTimeText(wall);
    m_running = true;
    return true;
}

void AlarmPeriod::stop()
{
    m_running = false;
}

qint64 AlarmPeriod::elapsedSecs() const
{
    return (m_clock.sinceBootMs() - m_periodStartMs) / 1000;
}

bool AlarmPeriod::tick()
{
    if (!m_running)
        return false;
    if (elapsedSecs() < m_periodSecs)
        return false;
    // Measured from this tick: after a sleep across several periods the
    // first tick on waking announces once, and the next period starts then.
    m_periodStartMs = m_clock.sinceBootMs();
    m_dispatcher.alarmPeriodEnded();
    return true;
}

} // namespace horavox
