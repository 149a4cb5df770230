// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace horavox {

// Calls take(key, value) for each "key=value" line of one of the program's
// own small INI files, both sides trimmed. Blank lines, comments (; or #),
// section headers and lines with no key are passed over, so a hand-edited
// file reads as far as it makes sense.
template <typename Take>
void forEachIniEntry(const QByteArray &ini, Take take)
{
    const QStringList lines = QString::fromUtf8(ini).split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))
            || line.startsWith(QLatin1Char('[')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        take(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
}

} // namespace horavox
