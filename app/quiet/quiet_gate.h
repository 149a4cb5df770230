// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "core/announcement_gate.h"
#include "quiet/quiet_preferences.h"
#include "settings/time_window.h"

#include <QObject>
#include <optional>

namespace horavox {

class Clock;

// What the scheduler is set to at a moment: enough to work out the next
// minute it would announce.
struct ScheduleView
{
    int interval = 0; // minutes, 0 = never
    WindowBound start;
    WindowBound end;
    bool alarmMode = false;
};

// The next minute after `after` that the scheduler announces: a due minute
// of the interval, inside the daily speaking window, on an announcement day.
// None when there is none within `horizonDays`.
std::optional<QDateTime> nextDueMinute(const QDateTime &after, const ScheduleView &schedule, quint8 weekdays,
                                       int horizonDays = 8);

// "10:15 AM", "tomorrow 8:00 AM", "Sat 8:00 AM", seen from `now`.
QString dueText(const QDateTime &at, const QDateTime &now);

// When the clock keeps quiet. Plain policy: it is told whether a call is on
// and whether the desktop asks not to be disturbed, reads the time from the
// clock, and decides; it reads no files and no buses.
class QuietGate : public QObject, public AnnouncementGate
{
    Q_OBJECT
public:
    enum Hold : unsigned {
        Muted = 1,
        InCall = 2,
        DoNotDisturb = 4,
    };

    explicit QuietGate(const Clock &clock, QObject *parent = nullptr);

    // The whole set of choices, the mute time among them.
    void setPreferences(const QuietPreferences &p);
    const QuietPreferences &preferences() const { return m_prefs; }

    // Muted until the start of the minute `minutes` from now (so that the
    // announcement at that minute is heard); 0 or less unmutes.
    void muteForMinutes(int minutes);
    // Muted until midnight; the speaking window keeps the night quiet anyway.
    void muteUntilTomorrow();
    void unmute();
    // The time the mute ends, or invalid when not muted now.
    QDateTime mutedUntil() const;

    // The next regular announcement that would be spoken is dropped instead.
    void setSkipNext(bool skip);
    bool skipNext() const { return m_skipNext; }

    void setInCall(bool inCall);
    void setDoNotDisturb(bool dnd);
    bool inCall() const { return m_inCall; }
    bool doNotDisturb() const { return m_dnd; }

    // The holds in force now; a call or do-not-disturb counts only while the
    // matching choice is on.
    unsigned holds() const;
    // "muted until 11:02 AM; in a call", or empty when nothing holds.
    QString holdText() const;
    // What the clock itself shows while it keeps quiet, one reason after
    // another: "Quiet: a program is using the microphone"; empty when the
    // next due minute would be heard. A day left out counts here though it
    // is no hold: the clock is just as quiet.
    QString quietNotice() const;
    // "next: 10:15 AM (muted until 11:02 AM)".
    QString statusText(const ScheduleView &schedule) const;

    // AnnouncementGate
    bool admitDueMinute() override;
    bool holdsAlarm() const override;

Q_SIGNALS:
    // Anything holds(), skipNext() or preferences() report has changed.
    void changed();

private:
    void setMutedUntil(const QDateTime &until);

    const Clock &m_clock;
    QuietPreferences m_prefs;
    bool m_skipNext = false;
    bool m_inCall = false;
    bool m_dnd = false;
};

} // namespace horavox
