// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QStringList>

namespace horavox {

// The lead-in clip of the current time. The time routine has always spelled it
// with a lower-case "s"; clipFilePath() maps it to the same file as the table.
QString timeClipName();
// The bleep; a bleep is always heard twice, so callers play it two times.
QString bleepClipName();

// The clips that speak a time text "h:nn:ssAM/PM" (9 or 10 characters):
// hour, minute words, AM or PM. The seconds are never spoken. A text of any
// other length, or a part that has no clip, contributes nothing rather than a
// wrong word.
QStringList timeWords(const QString &timeText);

// The clips that speak an elapsed count written as decimal text ("5", "25").
// Counts without words in the clip set (0, negatives, 60 and above) say nothing
// for the missing word.
QStringList countWords(const QString &countText);
QStringList countWords(int count);
// "MINUTE" for a count of exactly 1, "MINUTES" for every other count.
QString minuteWordClip(int count);

} // namespace horavox
