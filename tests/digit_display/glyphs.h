// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "numeron.h"

#include <QString>

// Glyph strings written readably in tables: '_' stands for the unlit cell.
inline QString glyphs(const char *readable)
{
    QString out = QString::fromLatin1(readable);
    out.replace(u'_', Numeron::BlankGlyph);
    return out;
}

inline QString readable(QString glyphString)
{
    return glyphString.replace(Numeron::BlankGlyph, u'_');
}
