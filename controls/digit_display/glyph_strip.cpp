// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "glyph_strip_p.h"


#include <array>
#include <cstdlib>

namespace numeron_strip {
namespace {

// The classic 16-colour palette; every colour the strip uses is in it, so the
// strip stays a true 16-colour image.
enum Index : uchar {
    Black = 0, Maroon = 1, Green = 2, Teal = 6, White = 15, Red = 9, Lime = 10, Aqua = 14,
};

QList<QRgb> sixteenColours()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

struct Shade
{
    uchar lit;
    uchar dim;
};
// Indexed by colour: blue, green, red.
constexpr std::array<Shade, 3> kShades{{{Aqua, Teal}, {Lime, Green}, {Red, Maroon}}};

// Segment bits: a top, b upper right, c lower right, d bottom, e lower left,
// f upper left, g middle.
enum Segment : uint { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };

// Glyph order within a band: digits 0..9, blank, minus, E, r.
constexpr std::array<uint, 14> kPatterns{{
    A | B | C | D | E | F,     // 0
    B | C,                     // 1
    A | B | G | E | D,         // 2
    A | B | G | C | D,         // 3
    F | G | B | C,             // 4
    A | F | G | C | D,         // 5
    A | F | G | E | D | C,     // 6
    A | B | C,                 // 7
    A | B | C | D | E | F | G, // 8
    A | B | C | D | F | G,     // 9
    0,                         // blank
    G,                         // minus
    A | D | E | F | G,         // E
    E | G,                     // r
}};

// Segments are 3 pixels thick around centre lines that sit 2 pixels inside the
// cell, which leaves the one-pixel black margin. Each segment is a hexagon:
// a pixel belongs to it when it lies within one pixel of the centre line and
// is farther from either end than from the line, so neighbouring segments
// meet in a clean diagonal mitre with a black gap.
struct CellGeometry
{
    int left, right, top, middle, bottom;
    explicit CellGeometry(int w, int h)
        : left(2), right(w - 3), top(2), middle((2 + h - 3) / 2), bottom(h - 3)
    {
    }
};

bool onHorizontal(int x, int y, int rowCentre, const CellGeometry &g)
{
    const int off = std::abs(y - rowCentre);
    return off <= 1 && x - g.left > off && g.right - x > off;
}

bool onVertical(int x, int y, int colCentre, int from, int to)
{
    const int off = std::abs(x - colCentre);
    return off <= 1 && y - from > off && to - y > off;
}

uint segmentAt(int x, int y, const CellGeometry &g)
{
    if (onHorizontal(x, y, g.top, g))
        return A;
    if (onHorizontal(x, y, g.middle, g))
        return G;
    if (onHorizontal(x, y, g.bottom, g))
        return D;
    if (onVertical(x, y, g.right, g.top, g.middle))
        return B;
    if (onVertical(x, y, g.right, g.middle, g.bottom))
        return C;
    if (onVertical(x, y, g.left, g.top, g.middle))
        return F;
    if (onVertical(x, y, g.left, g.middle, g.bottom))
        return E;
    return 0;
}

// Whether a pixel of a segment lies on the segment's centre line.
bool onCentreLine(int x, int y, uint seg, const CellGeometry &g)
{
    switch (seg) {
    case A: return y == g.top;
    case G: return y == g.middle;
    case D: return y == g.bottom;
    case B:
    case C: return x == g.right;
    default: return x == g.left;
    }
}

void drawDigitCell(QImage &strip, int x0, int y0, int w, int h, uint lit, Shade shade)
{
    const CellGeometry g(w, h);
    for (int y = 0; y < h; ++y) {
        uchar *row = strip.scanLine(y0 + y) + x0;
        for (int x = 0; x < w; ++x) {
            const uint seg = segmentAt(x, y, g);
            if (!seg)
                continue;
            // An unlit segment is only a dotted trace along its centre line:
            // enough to show the figure-eight of a real display, faint enough
            // that a 5 cannot be taken for a 9 at a glance.
            if (lit & seg)
                row[x] = shade.lit;
            else if ((x + y) % 2 == 0 && onCentreLine(x, y, seg, g))
                row[x] = shade.dim;
        }
    }
}

// A round dot three pixels across centred on (cx, cy): a plus with its arms
// thickened to a disc for the taller large cells.
void drawDot(QImage &strip, int cx, int cy, bool large, uchar colour)
{
    static constexpr std::array<const char *, 3> kSmall{{".#.", "###", ".#."}};
    static constexpr std::array<const char *, 4> kLarge{{".#.", "###", "###", ".#."}};
    const int rows = large ? 4 : 3;
    const int top = cy - 1;
    for (int r = 0; r < rows; ++r) {
        const char *pattern = large ? kLarge[r] : kSmall[r];
        for (int c = 0; c < 3; ++c) {
            if (pattern[c] == '#')
                strip.scanLine(top + r)[cx - 1 + c] = colour;
        }
    }
}

void drawBand(QImage &strip, int top, bool large, Shade shade)
{
    const int w = large ? LargeCellWidth : SmallCellWidth;
    const int h = large ? LargeCellHeight : SmallCellHeight;
    for (int i = 0; i < int(kPatterns.size()); ++i)
        drawDigitCell(strip, i * w, top, w, h, kPatterns[i], shade);

    // The separators' dots line up with the digits: the colon's halfway up each
    // half of a digit, the point on the bottom segment's line.
    const CellGeometry g(w, h);
    const int colon = 14 * w;
    const int point = colon + SeparatorWidth;
    const int centre = SeparatorWidth / 2;
    const int upper = (g.top + g.middle) / 2;
    const int lower = (g.middle + g.bottom + 1) / 2 - (large ? 1 : 0);
    drawDot(strip, colon + centre, top + upper, large, shade.lit);
    drawDot(strip, colon + centre, top + lower, large, shade.lit);
    drawDot(strip, point + centre, top + g.bottom - (large ? 1 : 0), large, shade.lit);
}

} // namespace

QImage draw()
{
    QImage strip(StripWidth, StripHeight, QImage::Format_Indexed8);
    strip.setColorTable(sixteenColours());
    strip.fill(Black);
    // Beside the small bands nothing is ever copied; it stays white.
    const int smallBandWidth = 14 * SmallCellWidth + 2 * SeparatorWidth;
    for (int y = 0; y < 3 * SmallCellHeight; ++y) {
        uchar *row = strip.scanLine(y);
        std::fill(row + smallBandWidth, row + StripWidth, uchar(White));
    }
    for (int colour = 0; colour < 3; ++colour) {
        drawBand(strip, bandTop(false, colour), false, kShades[colour]);
        drawBand(strip, bandTop(true, colour), true, kShades[colour]);
    }
    return strip;
}

int bandTop(bool large, int color)
{
    return large ? 3 * SmallCellHeight + LargeCellHeight * color
                 : SmallCellHeight * color;
}

QRect cellOf(QChar glyph, bool large)
{
    const int w = large ? LargeCellWidth : SmallCellWidth;
    const int h = large ? LargeCellHeight : SmallCellHeight;
    const char16_t c = glyph.unicode();
    int index = 10;
    if (c >= u'0' && c <= u'9')
        index = c - u'0';
    else if (c == u'-')
        index = 11;
    else if (c == u'E')
        index = 12;
    else if (c == u'r')
        index = 13;
    else if (c == u':')
        return QRect(14 * w, 0, SeparatorWidth, h);
    else if (c == u'.')
        return QRect(14 * w + SeparatorWidth, 0, SeparatorWidth, h);
    return QRect(index * w, 0, w, h);
}

} // namespace numeron_strip
