// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clip_words.h"

#include "clip_table.h"

namespace horavox {

namespace {

QString clip(const QString &key)
{
    return clipName(key.toLatin1().constData());
}

bool isDigitIn(QChar c, char first, char last)
{
    return c.unicode() >= uchar(first) && c.unicode() <= uchar(last);
}

// Minute or count words for a tens digit and a units digit, both characters.
// A tens digit of 0 is handled by the caller, because a minute says "oh" there
// and a count has no tens digit at all.
void appendTensAndUnits(QStringList &out, QChar tens, QChar units)
{
    if (tens == QLatin1Char('1') && isDigitIn(units, '0', '9')) {
        out << clip(QString(tens) + units); // TEN .. NINETEEN
        return;
    }
    if (!isDigitIn(tens, '2', '5'))
        return; // no clip exists for sixty and above
    out << clip(QString(tens) + QLatin1Char('0'));
    if (isDigitIn(units, '1', '9'))
        out << clip(QString(units));
}

} // namespace

QString timeClipName()
{
    return QStringLiteral("c:\\tmpsndT.$$$");
}

QString bleepClipName()
{
    return clipName("A");
}

QStringList timeWords(const QString &timeText)
{
    const int len = int(timeText.size());
    if (len != 9 && len != 10)
        return {};
    const int hourChars = len - 8;
    const QChar tens = timeText.at(hourChars + 1);
    const QChar units = timeText.at(hourChars + 2);
    const QChar ampm = timeText.at(hourChars + 6);

    QStringList out;
    bool ok = false;
    const int hour = timeText.left(hourChars).toInt(&ok);
    if (ok && hour >= 1 && hour <= 12)
        out << clip(QString::number(hour));

    if (tens == QLatin1Char('0')) {
        if (isDigitIn(units, '1', '9'))
            out << clipName("0") << clip(QString(units)); // OH, FIVE
        // on the hour there is no minute word: no clip for o'clock
    } else {
        appendTensAndUnits(out, tens, units);
    }

    out << (ampm == QLatin1Char('A') ? clipName("AM") : clipName("PM"));
    return out;
}

QStringList countWords(const QString &countText)
{
    QStringList out;
    if (countText.size() == 1) {
        if (isDigitIn(countText.at(0), '1', '9'))
            out << clip(countText);
    } else if (countText.size() == 2) {
        appendTensAndUnits(out, countText.at(0), countText.at(1));
    }
    return out;
}

QStringList countWords(int count)
{
    return countWords(QString::number(count));
}

QString minuteWordClip(int count)
{
    return count == 1 ? clipName("M1") : clipName("M2");
}

} // namespace horavox
