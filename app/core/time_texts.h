// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QTime>

namespace horavox {

// The three renderings of the local time of day the program speaks and shows.

// "h:nn:ssAM/PM": 12-hour hour without leading zero, e.g. 9:05:07AM, 12:00:00PM.
QString longClockText(const QTime &t);
// "hh:nn AM": two-digit 12-hour hour, e.g. 05:04 PM.
QString mediumTimeText(const QTime &t);
// "HH:nn": two-digit 24-hour hour, e.g. 17:05.
QString shortTimeText(const QTime &t);

} // namespace horavox
