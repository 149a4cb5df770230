// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "core/clock.h"

namespace horavox_test {

// A clock the test moves by hand. Wall, monotonic and boot time advance
// together unless a test steps the wall clock alone (a DST change, a manual
// correction) or sleeps (wall and boot time move, monotonic time stands).
class FakeClock final : public horavox::Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 7), QTime(9, 0, 0)))
        : m_wall(std::move(start))
    {
    }
    QDateTime now() const override { return m_wall; }
    qint64 monotonicMs() const override { return m_mono; }
    qint64 sinceBootMs() const override { return m_boot; }

    void advanceMs(qint64 ms)
    {
        m_wall = m_wall.addMSecs(ms);
        m_mono += ms;
        m_boot += ms;
    }
    // The machine is suspended for `ms`: the monotonic clock stands still.
    void sleepMs(qint64 ms)
    {
        m_wall = m_wall.addMSecs(ms);
        m_boot += ms;
    }
    void advanceSecs(qint64 s) { advanceMs(s * 1000); }
    void setTime(const QTime &t) { m_wall = QDateTime(m_wall.date(), t); }
    void setWall(const QDateTime &dt) { m_wall = dt; } // steps the wall clock only

private:
    QDateTime m_wall;
    qint64 m_mono = 1000000;
    qint64 m_boot = 5000000;
};

} // namespace horavox_test
