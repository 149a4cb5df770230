// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QTime>

#include <optional>

namespace horavox {

// What plays where the bleep would: the bleep itself (the default), or one of
// the clock's chimes, or a sound of the user's own.
enum class ChimeChoice { Bleep, HourStrike, Westminster, Pips, SoundFile };

// Why the chime is played. Only a due minute is known ahead, so only there
// do the pips end on the minute; a preview always has something to hear.
enum class ChimeOccasion { DueMinute, Startup, SpeakRequest, Preview };

// The sound that one announcement begins with.
struct ChimePlan
{
    enum class Kind { Bleep, Silence, Strike, Westminster, Pips, SoundFile };
    Kind kind = Kind::Bleep;
    // Kind::Strike, and the hour struck after Westminster's fourth change.
    int strikes = 0;
    // Kind::Westminster: how many changes (1 at :15 ... 4 at the hour).
    int changes = 0;
    // Kind::Westminster: the quarter the changes belong to, 1..4, which picks
    // them out of the peal (the hour's four are not the quarter's first four).
    int quarter = 0;
    // Kind::Pips: the five short pips start this long before the minute, so
    // that the long sixth begins as the minute does; 0 plays them at once.
    int leadMs = 0;

    bool operator==(const ChimePlan &) const = default;
};

// The hour on the 12-hour dial, as a clock strikes it: 12 at noon and midnight.
int dialHour(const QTime &t);

// Which chime a choice plays at a time. The hour strike sounds on the hour
// (the hour's count) and once at the half hour; Westminster on the quarters;
// at other minutes both leave the bleep's place silent. A preview plays the
// next time the chime would sound, so that it is never silent.
ChimePlan chimeFor(ChimeChoice choice, const QTime &t, ChimeOccasion occasion);

// The names used in the preferences file and on the command line:
// "bleep", "hour-strike", "westminster", "pips", "file".
QString chimeChoiceName(ChimeChoice choice);
std::optional<ChimeChoice> chimeChoiceFromName(const QString &name);

// Five short pips a second apart and the long sixth.
inline constexpr int kPipCount = 6;
inline constexpr int kPipSpacingMs = 1000;
inline constexpr int kShortPipMs = 100;
inline constexpr int kLongPipMs = 500;
inline constexpr int kPipFrequencyHz = 1000;
// The sixth pip begins this long after the first.
inline constexpr int kLongPipStartMs = (kPipCount - 1) * kPipSpacingMs;

} // namespace horavox
