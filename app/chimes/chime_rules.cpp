// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chime_rules.h"

#include <array>

namespace horavox {

namespace {
using Kind = ChimePlan::Kind;

const std::array<const char *, 5> kNames = {"bleep", "hour-strike", "westminster", "pips", "file"};

// The Westminster rule by the quarter: how many changes are rung.
ChimePlan westminsterAt(int quarter, const QTime &t)
{
    ChimePlan p;
    p.kind = Kind::Westminster;
    p.quarter = quarter;
    p.changes = quarter;
    if (quarter == 4)
        p.strikes = dialHour(t);
    return p;
}

// The quarter (1..4) a minute is, or 0 when it is none.
int quarterOf(int minute)
{
    switch (minute) {
    case 15: return 1;
    case 30: return 2;
    case 45: return 3;
    case 0: return 4;
    default: return 0;
    }
}

ChimePlan silence()
{
    ChimePlan p;
    p.kind = Kind::Silence;
    return p;
}
} // namespace

int dialHour(const QTime &t)
{
    const int h = t.hour() % 12;
    return h == 0 ? 12 : h;
}

ChimePlan chimeFor(ChimeChoice choice, const QTime &t, ChimeOccasion occasion)
{
    const bool preview = occasion == ChimeOccasion::Preview;
    switch (choice) {
    case ChimeChoice::Bleep:
        return {};
    case ChimeChoice::SoundFile: {
        ChimePlan p;
        p.kind = Kind::SoundFile;
        return p;
    }
    case ChimeChoice::Pips: {
        ChimePlan p;
        p.kind = Kind::Pips;
        p.leadMs = occasion == ChimeOccasion::DueMinute ? kLongPipStartMs : 0;
        return p;
    }
    case ChimeChoice::HourStrike: {
        ChimePlan p;
        p.kind = Kind::Strike;
        if (t.minute() == 0) {
            p.strikes = dialHour(t);
            return p;
        }
        if (t.minute() == 30 || (preview && t.minute() < 30)) {
            p.strikes = 1;
            return p;
        }
        if (preview) {
            p.strikes = dialHour(t.addSecs(3600));
            return p;
        }
        return silence();
    }
    case ChimeChoice::Westminster: {
        if (const int q = quarterOf(t.minute()))
            return westminsterAt(q, t);
        if (!preview)
            return silence();
        // The coming quarter; past :45 that is the next hour's.
        const int next = t.minute() / 15 + 1;
        return next == 4 ? westminsterAt(4, t.addSecs(3600)) : westminsterAt(next, t);
    }
    }
    return {};
}

QString chimeChoiceName(ChimeChoice choice)
{
    return QLatin1String(kNames[size_t(choice)]);
}

std::optional<ChimeChoice> chimeChoiceFromName(const QString &name)
{
    for (size_t i = 0; i < kNames.size(); ++i) {
        if (name.compare(QLatin1String(kNames[i]), Qt::CaseInsensitive) == 0)
            return ChimeChoice(i);
    }
    return std::nullopt;
}

} // namespace horavox
