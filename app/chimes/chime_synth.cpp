// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chime_synth.h"

#include <algorithm>
#include <cmath>

namespace horavox {

namespace {
using Kind = ChimePlan::Kind;

struct Partial
{
    double ratio; // to the strike note
    double level;
    double decaySec; // to 1/e, at the strike note of 330 Hz
};

// A church bell's principal partials. The hum lingers longest and the clang
// dies almost at once; bigger (lower) bells ring longer.
constexpr Partial kPartials[] = {
    {0.5, 0.35, 4.0}, // hum
    {1.0, 0.50, 2.6}, // prime (the strike note)
    {1.2, 0.40, 2.0}, // tierce, a minor third above
    {1.5, 0.18, 1.4}, // quint
    {2.0, 0.55, 1.6}, // nominal
    {3.0, 0.50, 0.25}, // the clang of the clapper
    {4.2, 0.30, 0.10},
};

// Change rows of the peal, bells numbered from the highest.
constexpr std::array<int, 4> kPeal[5] = {
    {0, 1, 2, 3}, {2, 0, 1, 3}, {2, 1, 0, 2}, {0, 2, 1, 3}, {3, 1, 0, 2},
};

struct Blow
{
    int atMs;
    double hz;
};

void addInto(std::vector<float> &mix, const std::vector<float> &sound, qint64 at)
{
    const qint64 n = std::min<qint64>(qint64(sound.size()), qint64(mix.size()) - at);
    for (qint64 i = 0; i < n; ++i)
        mix[size_t(at + i)] += sound[size_t(i)];
}

std::vector<int16_t> toPcm(std::vector<float> mix, double peak)
{
    float top = 0;
    for (float s : mix)
        top = std::max(top, std::fabs(s));
    std::vector<int16_t> out(mix.size());
    if (top <= 0)
        return out;
    const double gain = peak * 32767.0 / top;
    for (size_t i = 0; i < mix.size(); ++i)
        out[i] = int16_t(std::lround(std::clamp(mix[i] * gain, -32767.0, 32767.0)));
    return out;
}

std::vector<int16_t> ring(const std::vector<Blow> &blows, int rate)
{
    if (blows.empty())
        return {};
    const int lastMs = blows.back().atMs;
    std::vector<float> mix(size_t(qint64(lastMs + kBellTailMs) * rate / 1000));
    for (const Blow &b : blows) {
        const qint64 at = qint64(b.atMs) * rate / 1000;
        addInto(mix, bellBlow(b.hz, rate, lastMs + kBellTailMs - b.atMs), at);
    }
    // The last of the ringing fades rather than stops.
    const size_t fade = std::min(mix.size(), size_t(rate / 4));
    for (size_t i = 0; i < fade; ++i)
        mix[mix.size() - 1 - i] *= float(double(i) / double(fade));
    return toPcm(std::move(mix), kChimePeak);
}

std::vector<Blow> hourBlows(int strikes, int fromMs)
{
    std::vector<Blow> b;
    for (int i = 0; i < strikes; ++i)
        b.push_back({fromMs + i * kStrikeSpacingMs, kHourBellHz});
    return b;
}

std::vector<int16_t> pips(int rate)
{
    const int rampMs = 5;
    std::vector<float> mix(size_t(qint64(kLongPipStartMs + kLongPipMs + 50) * rate / 1000));
    for (int i = 0; i < kPipCount; ++i) {
        const qint64 at = qint64(i) * kPipSpacingMs * rate / 1000;
        const int ms = i == kPipCount - 1 ? kLongPipMs : kShortPipMs;
        const qint64 n = qint64(ms) * rate / 1000;
        const qint64 ramp = qint64(rampMs) * rate / 1000;
        for (qint64 k = 0; k < n; ++k) {
            // Raised-cosine edges: a tone switched on hard clicks.
            double env = 1.0;
            if (k < ramp)
                env = 0.5 - 0.5 * std::cos(M_PI * double(k) / double(ramp));
            else if (k >= n - ramp)
                env = 0.5 - 0.5 * std::cos(M_PI * double(n - 1 - k) / double(ramp));
            mix[size_t(at + k)] = float(env * std::sin(2 * M_PI * kPipFrequencyHz * double(k) / rate));
        }
    }
    // A pure tone sounds louder than a bell at the same peak.
    return toPcm(std::move(mix), 0.5);
}
} // namespace

std::vector<std::array<int, 4>> westminsterChanges(int quarter)
{
    switch (quarter) {
    case 1: return {kPeal[0]};
    case 2: return {kPeal[1], kPeal[2]};
    case 3: return {kPeal[3], kPeal[4], kPeal[0]};
    case 4: return {kPeal[1], kPeal[2], kPeal[3], kPeal[4]};
    default: return {};
    }
}

std::vector<float> bellBlow(double strikeHz, int rate, int ms)
{
    std::vector<float> s(size_t(qint64(ms) * rate / 1000));
    const double size = std::sqrt(330.0 / strikeHz);
    const double attack = 0.002 * rate; // a clapper's blow is sharp, not a click
    for (const Partial &p : kPartials) {
        const double w = 2 * M_PI * strikeHz * p.ratio / rate;
        const double decay = std::exp(-1.0 / (p.decaySec * size * rate));
        // A decaying phasor turned by one step a sample: the partial's sine
        // and its decay in two multiplications, where a sine a sample would
        // make the hour's twelve blows take seconds to ring.
        const double stepRe = decay * std::cos(w), stepIm = decay * std::sin(w);
        double re = p.level, im = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            const double a = double(i) < attack ? double(i) / attack : 1.0;
            s[i] += float(a * im);
            const double r = re * stepRe - im * stepIm;
            im = re * stepIm + im * stepRe;
            re = r;
            if ((i & 1023) == 0 && re * re + im * im < 1e-10)
                break;
        }
    }
    return s;
}

std::vector<int16_t> renderChime(const ChimePlan &plan, int rate)
{
    if (rate <= 0)
        return {};
    switch (plan.kind) {
    case Kind::Strike:
        return ring(hourBlows(plan.strikes, 0), rate);
    case Kind::Westminster: {
        std::vector<Blow> blows;
        int at = 0;
        for (const auto &row : westminsterChanges(plan.quarter)) {
            for (int bell : row) {
                blows.push_back({at, kQuarterBellHz[bell]});
                at += kChangeNoteMs;
            }
            at += kChangeNoteMs; // a beat's rest between changes
        }
        if (plan.strikes > 0) {
            const auto hour = hourBlows(plan.strikes, at - kChangeNoteMs + kBeforeHourMs);
            blows.insert(blows.end(), hour.begin(), hour.end());
        }
        return ring(blows, rate);
    }
    case Kind::Pips:
        return pips(rate);
    case Kind::Bleep:
    case Kind::Silence:
    case Kind::SoundFile:
        return {};
    }
    return {};
}

} // namespace horavox
