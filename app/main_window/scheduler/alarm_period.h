// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QtGlobal>
#include <optional>

namespace horavox {

class Clock;
class Dispatcher;
struct ProgramState;

// The alarm period of alarm mode (Timer3). Periods are measured on the boot
// clock: a wall-clock step (a change of daylight-saving time, a manual
// correction) neither stalls the alarm nor makes it fire early, and time the
// machine spends asleep counts, as it does for the person waiting.
class AlarmPeriod
{
public:
    AlarmPeriod(Clock &clock, ProgramState &state, Dispatcher &dispatcher);

    // The period length for an interval, formed in 16-bit arithmetic as the
    // slider's interval always was; none when the product would overflow.
    static std::optional<qint32> periodSecsFor(int intervalMinutes);

    // A slider release in alarm mode: starts (or restarts) the period from
    // now and stamps the start time. An interval of 0 or less, or one whose
    // period cannot be formed, leaves a running period as it was and returns
    // false; the caller enables its 1 s tick only on true.
    bool start(int intervalMinutes);
    // Alarm mode switched off.
    void stop();
    bool isRunning() const { return m_running; }

    // One 1 s tick. When the period is complete the next one starts from this
    // tick and the dispatcher is told; returns true then.
    bool tick();

    qint32 periodSecs() const { return m_periodSecs; }
    // Whole seconds since the current period began.
    qint64 elapsedSecs() const;
    // The start as long clock text "h:nn:ssAM/PM", spoken after START.
    QString startStamp() const { return m_startStamp; }

private:
    Clock &m_clock;
    ProgramState &m_state;
    Dispatcher &m_dispatcher;
    bool m_running = false;
    qint32 m_periodSecs = 0;
    qint64 m_periodStartMs = 0;
    QString m_startStamp;
};

} // namespace horavox
