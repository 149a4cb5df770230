// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once
#include <QImage>
#include <QRect>

// Drawing and lookup of the glyph strip; internal to the library.
namespace numeron_strip {

// The glyph strip drawn from scratch: 262 x 144, 16-colour indexed.
QImage draw();

// Top row of the band of glyphs for this size and colour (both already in range).
int bandTop(bool large, int color);

// Where a glyph lies inside its band: left edge and width. Anything that is not
// a known glyph reads as the unlit cell, so a stray character can never reach
// outside the strip.
QRect cellOf(QChar glyph, bool large);

} // namespace numeron_strip
