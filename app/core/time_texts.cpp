// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "time_texts.h"

namespace horavox {

namespace {
int hour12(int h24)
{
    const int h = h24 % 12;
    return h == 0 ? 12 : h;
}
QString suffix(int h24)
{
    return h24 < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
}
QString two(int v)
{
    return QString::number(v).rightJustified(2, QLatin1Char('0'));
}
} // namespace

QString longClockText(const QTime &t)
{
    return QString::number(hour12(t.hour())) + QLatin1Char(':') + two(t.minute()) + QLatin1Char(':')
        + two(t.second()) + suffix(t.hour());
}

QString mediumTimeText(const QTime &t)
{
    return two(hour12(t.hour())) + QLatin1Char(':') + two(t.minute()) + QLatin1Char(' ') + suffix(t.hour());
}

QString shortTimeText(const QTime &t)
{
    return two(t.hour()) + QLatin1Char(':') + two(t.minute());
}

} // namespace horavox
