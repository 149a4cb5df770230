// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QtGlobal>
#include <optional>

namespace horavox {

// The slider file keeps the interval pointer's position between runs: one
// line, the position in twips (30 per minute of interval, 0..1800).
inline constexpr int kDefaultSliderPosition = 30; // one minute
inline constexpr int kMaxSliderPosition = 1800;   // sixty minutes

// Creates the file with the single line "30" when it is missing, making its
// folder first. Any failure is ignored: the reader copes with a missing file.
void SliderCheck();
void SliderCheck(const QString &path);

// The position a first line stands for: after leading blanks, the longest
// prefix that reads as a decimal number, rounded to a whole twip; 0 when
// there is none. A hand-edited value off the track is limited to 0..1800.
int parseSliderPosition(const QString &line);

// The position stored in line 1 of the file. A file that cannot be read
// counts as the default content.
int readSliderPosition();
int readSliderPosition(const QString &path);
// The same, or nothing when the file cannot be read; a file that is there
// but could not be read also gives the reason in `why`, so that the run
// knows to leave it as it is.
std::optional<int> readSliderFile(const QString &path, QString *why);

// The stored value for a slider reading: RangeLeft x 30 rounded to nearest
// (halves to even), held within 16 bits.
qint16 sliderValueFor(double rangeLeft);

// Replaces the file with one line holding the current slider value. The old
// file stays intact until the new one is complete. Returns false on failure,
// with the reason in `why` when given.
bool WriteSlider(double rangeLeft);
bool WriteSlider(double rangeLeft, const QString &path, QString *why = nullptr);

// The interval the slider's track gives for a position: position / 1790 x 60
// rounded to nearest, halves to even (the track is 1790 twips for 60 minutes).
int minutesForSliderPosition(int position);

} // namespace horavox
