// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "time_window.h"

#include "core/leading_number.h"

namespace horavox {

namespace {
constexpr qint64 kHalfDay = 43200;
}

qint64 boundSeconds(const WindowBound &bound)
{
    const qint64 h = wholeNumber(bound.hour);
    const qint64 m = wholeNumber(bound.minute);
    if (bound.am)
        return h == 12 ? m * 60 : h * 3600 + m * 60;
    return h == 12 ? kHalfDay + m * 60 : h * 3600 + kHalfDay + m * 60;
}

bool inTimeWindow(const WindowBound &start, const WindowBound &end, const QTime &now)
{
    const qint64 nowSecs = now.hour() * 3600 + now.minute() * 60 + now.second();
    const qint64 s = boundSeconds(start);
    const qint64 e = boundSeconds(end);

    if (e > s)
        return s <= nowSecs && nowSecs <= e;
    if (e == s)
        return true;

    // The end lies before the start: the window runs past midnight. The rows
    // are tried in this order; their option conditions do not overlap.
    const bool startPM = !start.am;
    const bool startAM = start.am;
    const bool endAM = end.am;
    const bool endPM = !end.am;
    const bool afterStart = nowSecs >= s;
    const bool atMidnight = nowSecs == 0;
    const bool beforeEnd = 1 <= nowSecs && nowSecs <= e;
    if (startPM && endAM && e != 0)
        return afterStart || atMidnight || beforeEnd;
    if (startPM && e == 0)
        return afterStart || atMidnight;
    if (startAM && e == 0)
        return afterStart || atMidnight;
    if (startAM && endAM && e != 0)
        return afterStart || atMidnight || beforeEnd;
    if (startPM && endPM && e != 0)
        return afterStart || atMidnight || beforeEnd;
    // Start AM, end PM: only boxes holding negative hours from a damaged file
    // get here, and no row admits them.
    return false;
}

} // namespace horavox
