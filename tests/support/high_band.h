// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How much of a recording lies above a frequency: tells a voice made at a
// low sample rate from one made at a higher rate, whatever rate the sound
// was played at.
#include <cmath>
#include <cstdint>
#include <vector>

namespace horavox_test {

// The share (0..1) of the energy of `samples` (mono, `rate` a second) above
// `cutoffHz`, through a windowed-sinc high-pass whose stop band lies some
// 70 dB down.
inline double highBandShare(const std::vector<int16_t> &samples, int rate, double cutoffHz)
{
    constexpr int kTaps = 255;
    constexpr int kMid = kTaps / 2;
    const double fc = cutoffHz / rate;
    double h[kTaps];
    for (int n = 0; n < kTaps; ++n) {
        const int k = n - kMid;
        const double lowPass = k == 0 ? 2 * fc : std::sin(2 * M_PI * fc * k) / (M_PI * k);
        const double blackman = 0.42 - 0.5 * std::cos(2 * M_PI * n / (kTaps - 1))
                                + 0.08 * std::cos(4 * M_PI * n / (kTaps - 1));
        h[n] = (k == 0 ? 1.0 : 0.0) - lowPass * blackman;
    }
    double all = 0, high = 0;
    for (size_t i = kTaps; i < samples.size(); ++i) {
        double y = 0;
        for (int n = 0; n < kTaps; ++n)
            y += h[n] * samples[i - size_t(n)];
        const double x = samples[i - kMid];
        all += x * x;
        high += y * y;
    }
    return all > 0 ? high / all : 0;
}

} // namespace horavox_test
