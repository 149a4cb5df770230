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
        // The fraction is gathered as a whole number and divided once: both
        // are exact below 10^15, so "450.5" is exactly 450.5 whatever
        // rounding mode the FPU is in, and a half is still a half when it is
        // rounded. Digits past the fifteenth cannot change a double anyway.
        double fraction = 0;
        double scale = 1;
        for (++i; i < n && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i) {
            digits = true;
            if (scale < 1e15) {
                fraction = fraction * 10 + (text.at(i).unicode() - '0');
                scale *= 10;
            }
        }
        value += fraction / scale;
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
