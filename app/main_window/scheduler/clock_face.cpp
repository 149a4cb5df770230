// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock_face.h"

#include "core/time_texts.h"

namespace horavox {

ClockFace splitClockText(const QString &longText)
{
    const qsizetype len = longText.size();
    if (len == 10 || len == 9)
        return {longText.left(len - 2), longText.right(2)};
    return {longText, QString()};
}

ClockFace clockFaceAt(const QTime &t)
{
    return splitClockText(longClockText(t));
}

int msUntilNextSecond(const QDateTime &now, int marginMs)
{
    const QTime t = now.time();
    if (!t.isValid())
        return 1000;
    return 1000 - t.msec() + marginMs;
}

} // namespace horavox
