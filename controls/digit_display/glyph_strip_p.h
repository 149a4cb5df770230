// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once
// The glyph strip: its layout, its drawing and the lookup of a glyph in it.
// Internal to the library; not installed.
#include <QChar>
#include <QImage>
#include <QRect>

namespace numeron_strip {

// The unlit digit cell inside a glyph string.
constexpr QChar BlankGlyph = QChar(1);

// Geometry of the strip, in pixels.
constexpr int StripWidth = 262;
constexpr int StripHeight = 144;
constexpr int SmallCellWidth = 13;
constexpr int SmallCellHeight = 21;
constexpr int LargeCellWidth = 18;
constexpr int LargeCellHeight = 27;
// Width of the ":" and "." cells.
constexpr int SeparatorWidth = 5;

// The glyph strip drawn from scratch: 262 x 144, 16-colour indexed.
QImage draw();

// Top row of the band of glyphs for this size and colour (both already in range).
int bandTop(bool large, int color);

// Where a glyph lies inside its band: left edge and width. Anything that is not
// a known glyph reads as the unlit cell, so a stray character can never reach
// outside the strip.
QRect cellOf(QChar glyph, bool large);

} // namespace numeron_strip
