// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// FormatDigits takes whatever text a host sets; the first bytes pick the
// display settings, including values outside their ranges.
#include "fuzz_check.h"
#include "numeron_p.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 7)
        return 0;
    const int format = int(int8_t(data[0]));
    const bool error = data[1] & 1;
    const int justify = int(int8_t(data[2]));
    int16_t places16;
    std::memcpy(&places16, data + 3, 2);
    // Place counts beyond a few hundred only measure the allocator.
    const int placeHolders = int(places16) % 512;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 5), qsizetype(size - 5));

    const QString g = NumeronPrivate::FormatDigits(text, format, error, justify, placeHolders);
    const QString allowed = QStringLiteral("0123456789-:.Er") + QChar(numeron_strip::BlankGlyph);
    for (QChar c : g)
        FUZZ_CHECK(allowed.contains(c));

    const bool timeFormat = format == Numeron::dgShortTime || format == Numeron::dgLongTime;
    if (format == Numeron::dgShortTime)
        FUZZ_CHECK(g.size() == 5);
    else if (format == Numeron::dgLongTime)
        FUZZ_CHECK(g.size() == 8);
    else {
        // Every other format fills exactly its places; a decimal point takes
        // no place of its own. Cutting a long decimal to its rightmost
        // characters can drop the point itself, leaving one digit more than
        // the places (the face then clips it).
        const int places = placeHolders < 1 ? 1 : placeHolders;
        const qsizetype points = g.count(QLatin1Char('.'));
        FUZZ_CHECK(points <= 1);
        const bool pointCutOff = format == Numeron::dgDecimal && points == 0;
        FUZZ_CHECK(g.size() - points == places + (pointCutOff ? 1 : 0));
    }
    if (!timeFormat)
        FUZZ_CHECK(!g.contains(QLatin1Char(':')));
    return 0;
}
