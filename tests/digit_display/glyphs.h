// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "numeron_p.h"

#include <QString>

// Glyph strings written readably in tables: '_' stands for the unlit cell.
inline QString glyphs(const char *readable)
{
    QString out = QString::fromLatin1(readable);
    out.replace(u'_', numeron_strip::BlankGlyph);
    return out;
}

inline QString readable(QString glyphString)
{
    return glyphString.replace(numeron_strip::BlankGlyph, u'_');
}
