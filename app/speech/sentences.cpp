// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sentences.h"

namespace horavox {

bool phraseIsEmpty(const QString &phrase)
{
    return phrase.trimmed().isEmpty();
}

QString TimeSentence(const QString &phrase, const QString &t)
{
    const QString lead = phraseIsEmpty(phrase) ? QStringLiteral("The Time is Now") : phrase;
    return lead + QLatin1Char(' ') + t;
}

QString AlarmSentence(int n, bool tellTime, const QString &phrase, const QString &t,
                      const QString &alarmStartText)
{
    const bool one = n == 1;
    QString s = QString::number(n) + QLatin1Char(' ')
                + (one ? QStringLiteral("minute") : QStringLiteral("minutes")) + QLatin1Char(' ')
                + (one ? QStringLiteral("has elapsed") : QStringLiteral("have elapsed"));
    if (!tellTime)
        return s;
    // The built-in lead differs from the time sentence's: lower-case "now" and
    // its own trailing blank, so no blank is added after it.
    const QString lead = phraseIsEmpty(phrase) ? QStringLiteral("The Time is now ")
                                               : phrase + QLatin1Char(' ');
    s += QStringLiteral(". ") + lead + t + QStringLiteral(". Start Time ") + alarmStartText;
    return s;
}

} // namespace horavox
