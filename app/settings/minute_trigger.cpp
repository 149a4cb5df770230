// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "minute_trigger.h"

namespace horavox {

namespace {
constexpr int kRemembered = 64;
} // namespace

bool MinuteTrigger::changed(const QString &shortTime, const QDateTime &now)
{
    if (shortTime == m_last)
        return false;
    m_last = shortTime;
    const QString minute = now.date().toString(Qt::ISODate) + QLatin1Char(' ')
                           + QString::number(now.offsetFromUtc()) + QLatin1Char(' ') + shortTime;
    if (m_reported.contains(minute))
        return false;
    m_reported.append(minute);
    if (m_reported.size() > kRemembered)
        m_reported.removeFirst();
    return true;
}

} // namespace horavox
