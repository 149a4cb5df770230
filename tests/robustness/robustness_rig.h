// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared pieces of the fault tests: the clock window's rig, and a reading of
// which words the clip player was asked for.
#include "clock_window_rig.h"
#include "speech/clip_table.h"

namespace horavox_test {

// The resource name of a clip ("NINE"), "?" for a name outside the table.
inline QString wordOf(const QString &clipName)
{
    for (const horavox::ClipRow &row : horavox::kClipTable)
        if (horavox::clipName(row.key).compare(clipName, Qt::CaseInsensitive) == 0)
            return QLatin1String(row.resource);
    return QStringLiteral("?");
}

// Clip names grouped into announcements: each starts at the TIME clip.
inline QStringList announcements(const QStringList &clips)
{
    QStringList out;
    for (const QString &c : clips) {
        const QString w = wordOf(c);
        if (w == QLatin1String("TIME") || out.isEmpty())
            out << w;
        else
            out.last() += QLatin1Char(' ') + w;
    }
    return out;
}

} // namespace horavox_test
