// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiet_gate.h"

#include "core/clock.h"
#include "translations/interface_language.h"
#include "speech/tts_announcer.h"

#include <QLocale>
#include <algorithm>

namespace horavox {

namespace {

QDateTime startOfMinute(const QDateTime &t)
{
    return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute()), t.timeSpec());
}

QString clockText(const QTime &t)
{
    // Read as the clock face's reading is, on the translator's clock.
    return interfaceLocale().toString(
        t, QuietGate::tr("h:mm AP", "a time of day, in QTime format letters"));
}

} // namespace

std::optional<QDateTime> nextDueMinute(const QDateTime &after, const ScheduleView &schedule, quint8 weekdays,
                                       int horizonDays)
{
    // The same due minutes the minute trigger announces on, in hour order.
    QVector<int> due = dueMinutes(schedule.interval);
    std::sort(due.begin(), due.end());
    if (due.isEmpty() || weekdays == 0)
        return std::nullopt;
    const QTime from = after.time();
    for (int day = 0; day <= horizonDays; ++day) {
        const QDate date = after.date().addDays(day);
        if (!(weekdays & (1u << (date.dayOfWeek() - 1))))
            continue;
        for (int hour = 0; hour < 24; ++hour) {
            for (int minute : due) {
                const QTime t(hour, minute);
                if (day == 0 && t <= QTime(from.hour(), from.minute()))
                    continue;
                // The minute trigger tests the window at the first second of the minute.
                if (!inTimeWindow(schedule.start, schedule.end, t))
                    continue;
                const QDateTime at(date, t);
                // A minute that summer time skips never shows on the clock.
                if (at.time() == t)
                    return at;
            }
        }
    }
    return std::nullopt;
}

QString dueText(const QDateTime &at, const QDateTime &now)
{
    const qint64 days = now.date().daysTo(at.date());
    if (days == 0)
        return clockText(at.time());
    if (days == 1)
        return QuietGate::tr("tomorrow %1").arg(clockText(at.time()));
    return interfaceLocale().dayName(at.date().dayOfWeek(), QLocale::ShortFormat) + QLatin1Char(' ')
           + clockText(at.time());
}

QuietGate::QuietGate(const Clock &clock, QObject *parent) : QObject(parent), m_clock(clock) {}

void QuietGate::setPreferences(const QuietPreferences &p)
{
    if (p == m_prefs)
        return;
    m_prefs = p;
    Q_EMIT changed();
}

void QuietGate::setMutedUntil(const QDateTime &until)
{
    if (until == m_prefs.mutedUntil)
        return;
    m_prefs.mutedUntil = until;
    Q_EMIT changed();
}

void QuietGate::muteForMinutes(int minutes)
{
    if (minutes <= 0) {
        unmute();
        return;
    }
    setMutedUntil(startOfMinute(m_clock.now()).addSecs(qint64(minutes) * 60));
}

void QuietGate::muteUntilTomorrow()
{
    setMutedUntil(QDateTime(m_clock.now().date().addDays(1), QTime(0, 0)));
}

void QuietGate::unmute()
{
    setMutedUntil(QDateTime());
}

QDateTime QuietGate::mutedUntil() const
{
    const QDateTime &until = m_prefs.mutedUntil;
    return until.isValid() && m_clock.now() < until ? until : QDateTime();
}

void QuietGate::setSkipNext(bool skip)
{
    if (skip == m_skipNext)
        return;
    m_skipNext = skip;
    Q_EMIT changed();
}

void QuietGate::setInCall(bool inCall)
{
    if (inCall == m_inCall)
        return;
    m_inCall = inCall;
    Q_EMIT changed();
}

void QuietGate::setDoNotDisturb(bool dnd)
{
    if (dnd == m_dnd)
        return;
    m_dnd = dnd;
    Q_EMIT changed();
}

unsigned QuietGate::holds() const
{
    unsigned h = 0;
    if (mutedUntil().isValid())
        h |= Muted;
    if (m_inCall && m_prefs.quietDuringCalls)
        h |= InCall;
    if (m_dnd && m_prefs.respectDoNotDisturb)
        h |= DoNotDisturb;
    return h;
}

QString QuietGate::holdText() const
{
    const unsigned h = holds();
    QStringList parts;
    if (h & Muted)
        parts << tr("muted until %1").arg(dueText(mutedUntil(), m_clock.now()));
    if (h & InCall)
        parts << tr("in a call");
    if (h & DoNotDisturb)
        parts << tr("do not disturb");
    return parts.join(QStringLiteral("; "));
}

QString QuietGate::quietNotice() const
{
    const QDateTime now = m_clock.now();
    const unsigned h = holds();
    QStringList why;
    if (h & Muted)
        why << tr("muted until %1").arg(dueText(mutedUntil(), now));
    if (h & InCall)
        why << tr("a program is using the microphone");
    if (h & DoNotDisturb)
        why << tr("the desktop is set to do not disturb");
    if (!m_prefs.announcesOn(Qt::DayOfWeek(now.date().dayOfWeek())))
        why << tr("%1 is left out", "a day of the week the clock does not speak on")
                   .arg(interfaceLocale().dayName(now.date().dayOfWeek()));
    return why.isEmpty() ? QString()
                         : tr("Quiet: %1", "the reasons the clock keeps quiet").arg(why.join(QStringLiteral("; ")));
}

QString QuietGate::statusText(const ScheduleView &schedule) const
{
    const QDateTime now = m_clock.now();
    QStringList why;
    QString next = tr("none", "no announcement is due");
    if (schedule.alarmMode) {
        why << tr("alarm mode is on");
    } else if (dueMinutes(schedule.interval).isEmpty()) {
        why << tr("the interval is 0");
    } else if (const auto at = nextDueMinute(now, schedule, m_prefs.weekdays)) {
        next = dueText(*at, now);
        if (m_skipNext)
            why << tr("skipped");
    } else {
        why << tr("no announcement day or time");
    }
    const QString held = holdText();
    if (!held.isEmpty())
        why << held;
    if (why.isEmpty())
        return tr("next: %1").arg(next);
    return tr("next: %1 (%2)").arg(next, why.join(QStringLiteral("; ")));
}

bool QuietGate::admitDueMinute()
{
    if (!m_prefs.announcesOn(Qt::DayOfWeek(m_clock.now().date().dayOfWeek())))
        return false;
    // Held minutes are dropped without using up the skip: it is meant for one
    // the user would otherwise have heard.
    if (holds() != 0)
        return false;
    if (m_skipNext) {
        setSkipNext(false);
        return false;
    }
    return true;
}

bool QuietGate::holdsAlarm() const
{
    return holds() != 0;
}

} // namespace horavox
