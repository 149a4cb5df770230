// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clip_table.h"

#include "core/paths.h"

namespace horavox {

const std::array<ClipRow, 31> kClipTable = {{
    {"ONE", "1", "one"},           {"TWO", "2", "two"},
    {"THREE", "3", "three"},       {"FOUR", "4", "four"},
    {"FIVE", "5", "five"},         {"SIX", "6", "six"},
    {"SEVEN", "7", "seven"},       {"EIGHT", "8", "eight"},
    {"NINE", "9", "nine"},         {"TEN", "10", "ten"},
    {"ELEVEN", "11", "eleven"},    {"TWELVE", "12", "twelve"},
    {"THIRTEEN", "13", "thirteen"}, {"FOURTEEN", "14", "fourteen"},
    {"FIFTEEN", "15", "fifteen"},  {"SIXTEEN", "16", "sixteen"},
    {"SEVENTEEN", "17", "seventeen"}, {"EIGHTEEN", "18", "eighteen"},
    {"NINETEEN", "19", "nineteen"}, {"TWENTY", "20", "twenty"},
    {"THIRTY", "30", "thirty"},    {"FORTY", "40", "forty"},
    {"FIFTY", "50", "fifty"},      {"OH", "0", "oh"},
    {"TIME", "T", "the time is"},  {"AM", "AM", "A M"},
    {"PM", "PM", "P M"},           {"MINUTE", "M1", "minute"},
    {"MINUTES", "M2", "minutes"},  {"START", "I", "start time"},
    {"BLEEP", "A", "(bleep)"},
}};

QString clipName(const char *key)
{
    return QStringLiteral("c:\\tmpSnd") + QLatin1String(key) + QStringLiteral(".$$$");
}

QString clipFilePath(const QString &name, const QString &folder)
{
    static const QString prefix = QStringLiteral("c:\\tmpsnd");
    static const QString ext = QStringLiteral(".$$$");
    if (!name.startsWith(prefix, Qt::CaseInsensitive) || !name.endsWith(ext))
        return {};
    const QString key = name.mid(prefix.size(), name.size() - prefix.size() - ext.size());
    for (const ClipRow &row : kClipTable) {
        if (key.compare(QLatin1String(row.key), Qt::CaseInsensitive) == 0)
            return joinPath(folder, QStringLiteral("tmpSnd") + QLatin1String(row.key) + ext);
    }
    return {};
}

QString clipFilePath(const QString &name)
{
    return clipFilePath(name, dataDir());
}

} // namespace horavox
