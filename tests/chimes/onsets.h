// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where blows and pips begin in a sound: 10 ms frames whose energy jumps well
// above that of the frames just before, taken on the sound's first
// difference, which favours the upper partials: they die within a second,
// so each new blow stands out against the hum of the last.
#include <cmath>
#include <cstdint>
#include <vector>

namespace horavox_test {

// Onsets in milliseconds from the first sample.
inline std::vector<int> onsetsMs(const std::vector<int16_t> &s, int rate)
{
    const int frame = rate / 100;
    std::vector<double> energy;
    for (size_t at = 0; at + size_t(frame) <= s.size(); at += size_t(frame)) {
        double e = 0;
        for (int i = 0; i < frame; ++i) {
            const size_t k = at + size_t(i);
            const double d = k > 0 ? double(s[k]) - double(s[k - 1]) : double(s[k]);
            e += d * d;
        }
        energy.push_back(e / frame);
    }
    const double floor = 30.0 * 30.0; // well below any blow, above dither and hiss
    // Partials beat against each other, so single frames flicker: the
    // frames just after are averaged against those a little before.
    auto mean = [&](size_t from, size_t to) {
        double sum = 0;
        for (size_t k = from; k < to; ++k)
            sum += energy[k];
        return to > from ? sum / double(to - from) : 0.0;
    };
    std::vector<int> onsets;
    for (size_t i = 0; i + 3 <= energy.size(); ++i) {
        const double before = i >= 2 ? mean(i >= 8 ? i - 8 : 0, i - 1) : 0.0;
        if (energy[i] > floor && energy[i] > 1.5 * before && mean(i, i + 3) > 1.8 * before) {
            // One onset per rise: the frames that follow belong to it.
            if (onsets.empty() || int(i) * 10 - onsets.back() > 300)
                onsets.push_back(int(i) * 10);
        }
    }
    return onsets;
}

} // namespace horavox_test
