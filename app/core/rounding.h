// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <cmath>

namespace horavox {

// Round to the nearest whole number, halves to the even neighbour: the window
// shape, the slider's minutes and the stored values are all rounded this way.
// Written out rather than left to the floating-point environment's rounding
// mode, which a plug-in or a speech engine loaded into the process could
// have changed. NaN and the infinities come back as they went in.
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

} // namespace horavox
