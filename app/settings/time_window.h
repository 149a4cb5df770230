// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QTime>

namespace horavox {

// One end of the daily speaking window as the settings window holds it: the
// hour and minute box texts and whether AM (rather than PM) is selected.
struct WindowBound
{
    QString hour;
    QString minute;
    bool am = true;
};

// Seconds since midnight of a bound on the 12-hour clock; "12" and "0" are
// both the first hour of their half. Box texts count by their leading number,
// empty text as 0.
qint64 boundSeconds(const WindowBound &bound);

// Whether the time of day lies inside the window, both bounds inclusive to
// the second. Equal bounds mean the whole day; an end before the start runs
// past midnight.
bool inTimeWindow(const WindowBound &start, const WindowBound &end, const QTime &now);

} // namespace horavox
