#pragma once
#include "core/clock.h"

namespace horavox_test {

// A clock the test moves by hand. Wall time and monotonic time advance
// together unless a test steps the wall clock alone (a DST change, a manual
// correction).
class FakeClock final : public horavox::Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 7), QTime(9, 0, 0)))
        : m_wall(std::move(start))
    {
    }
    QDateTime now() const override { return m_wall; }
    qint64 monotonicMs() const override { return m_mono; }

    void advanceMs(qint64 ms)
    {
        m_wall = m_wall.addMSecs(ms);
        m_mono += ms;
    }
    void advanceSecs(qint64 s) { advanceMs(s * 1000); }
    void setTime(const QTime &t) { m_wall = QDateTime(m_wall.date(), t); }
    void setWall(const QDateTime &dt) { m_wall = dt; } // steps the wall clock only

private:
    QDateTime m_wall;
    qint64 m_mono = 1000000;
};

} // namespace horavox_test
