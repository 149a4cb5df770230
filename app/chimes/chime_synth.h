// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "chimes/chime_rules.h"

#include <array>
#include <cstdint>
#include <vector>

namespace horavox {

// The chimes' sounds, made here rather than recorded: a bell is a sum of
// decaying partials (hum, prime, tierce, quint, nominal, and the short clang
// of the strike), a pip a plain 1 kHz tone with soft edges.

// A bell's strike note, in hertz: the four quarter bells, high to low, and
// the hour bell.
inline constexpr double kQuarterBellHz[4] = {415.30, 369.99, 329.63, 246.94};
inline constexpr double kHourBellHz = 164.81;

inline constexpr int kStrikeSpacingMs = 1750;
inline constexpr int kChangeNoteMs = 650;
// After the last change, before the hour is struck.
inline constexpr int kBeforeHourMs = 2000;
// What is left to ring after the last blow.
inline constexpr int kBellTailMs = 3000;
// Every chime peaks at this share of full scale: as loud as the words that
// follow, with room to spare so that no rounding ever clips.
inline constexpr double kChimePeak = 0.7;

// The Westminster changes rung at a quarter (1..4), each a row of four bells
// (0 the highest ... 3 the lowest).
std::vector<std::array<int, 4>> westminsterChanges(int quarter);

// One bell's blow at `rate`, ringing for `ms`.
std::vector<float> bellBlow(double strikeHz, int rate, int ms);

// The whole chime of a plan as 16-bit mono at `rate`; empty for the plans
// that are not ours to make (the bleep, silence, the user's own file).
std::vector<int16_t> renderChime(const ChimePlan &plan, int rate);

} // namespace horavox
