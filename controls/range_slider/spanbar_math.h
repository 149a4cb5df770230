// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once
// Position-to-value arithmetic of the range slider, kept apart from the
// widget so the rounding can be checked on its own. Internal: not installed.
#include <QtGlobal>
#include <cmath>
#include <limits>
#include <optional>

namespace spanbar_math {

// The part of the track a pointer's left edge can travel over: the track
// less the two pointer widths (510), plus the 230 twips by which the left
// pointer may pass the right pointer's left edge less one pointer width.
constexpr double usableSpan(double trackWidth)
{
    return trackWidth - 510.0 + 230.0;
}

// Round to the nearest whole number, halves to the even neighbour. Written
// out rather than left to the floating-point environment's rounding mode,
// which a host could have changed.
inline double roundHalfEven(double v)
{
    const double lower = std::floor(v);
    const double diff = v - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1.0;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// Converts a rounded value to 16 bits; nothing when it does not fit (NaN
// included, as it compares false with every bound).
inline std::optional<qint16> toInt16(double rounded)
{
    if (!(rounded >= std::numeric_limits<qint16>::min() && rounded <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

// Value at a left pointer standing at `position` twips. Not limited to
// 0..range: a pointer off the track gives a value off the scale.
inline std::optional<qint16> leftValue(double position, double span, qint16 range)
{
    return toInt16(roundHalfEven(position / span * range));
}

// Value at a right pointer standing at `position` twips: measured from the
// pointer's own left edge less one pointer width, and never above `range`.
// The cap comes before the 16-bit check so that any range a caller can
// store gives a valid value at the standard stop.
inline std::optional<qint16> rightValue(double position, double pointerWidth, double span, qint16 range)
{
    double v = roundHalfEven((position - pointerWidth) / span * range);
    if (v > range)
        v = range;
    return toInt16(v);
}

} // namespace spanbar_math
