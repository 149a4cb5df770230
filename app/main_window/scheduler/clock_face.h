// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDateTime>
#include <QString>

namespace horavox {

// The long clock text as the display shows it: the digits on the digit
// display, AM or PM in the label beside them.
struct ClockFace
{
    QString digits; // "9:05:07", "10:05:07"
    QString suffix; // "AM", "PM"

    friend bool operator==(const ClockFace &, const ClockFace &) = default;
};

// 10 characters: the first 8 and the last 2; 9 characters: the first 7 and the
// last 2; any other text is shown whole with no suffix.
ClockFace splitClockText(const QString &longText);
ClockFace clockFaceAt(const QTime &t);

// Milliseconds from now until just after the next change of the wall-clock
// second, so that a one-second tick started with it shows each new second
// within a few milliseconds. The margin keeps a timer that fires a little
// early from showing the old second; the result lies in (margin, 1000 + margin].
int msUntilNextSecond(const QDateTime &now, int marginMs = 5);

} // namespace horavox
