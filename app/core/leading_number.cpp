// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "leading_number.h"

#include <cmath>

namespace horavox {

namespace {
constexpr double kLimit = 1e9;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}
} // namespace

double leadingNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text.at(i)))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    double value = 0;
    bool digits = false;
    for (; i < n && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i) {
        digits = true;
        // Saturate instead of running off to infinity on a line of digits.
        if (value < kLimit)
            value = value * 10 + (text.at(i).unicode() - '0');
    }
    if (i < n && text.at(i) == QLatin1Char('.')) {
        double scale = 0.1;
        for (++i; i < n && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i) {
            digits = true;
            value += (text.at(i).unicode() - '0') * scale;
            scale /= 10;
        }
    }
    if (!digits)
        return 0;
    value = std::min(value, kLimit);
    return negative ? -value : value;
}

qint64 wholeNumber(const QString &text)
{
    return static_cast<qint64>(std::trunc(leadingNumber(text)));
}

} // namespace horavox
