// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace horavox {

// The About window is laid out in twips as designed at 96 dots per inch,
// where 15 twips make one pixel; Qt's device-pixel scaling takes care of
// denser screens, so the conversion never needs the real resolution.
inline constexpr int kTwipsPerPixel = 15;

int twipsToPixels(double twips);
QRect twipsRect(int left, int top, int width, int height);

// Where the About window opens, in pixels: centred across the screen and,
// vertically, raised above centre by the main window's height less 400
// twips. The result is then pulled inside the available area (panels and
// docks excluded), since a frameless window pushed off the top could
// never be dragged back. When the window is larger than the available area
// its top left corner stays visible.
QPoint aboutWindowPlacement(const QRect &screen, const QRect &available, const QSize &window,
                            int mainWindowHeight);

enum class TextFlow { SingleLine, Wrapped };

// The largest pixel size from largest down to smallest at which text in
// font fits into box, on one line or word-wrapped to the box's width;
// smallest when none does. The window was designed for a font narrower than
// the ones found on Linux desktops, and the mail address comes from the
// build, so the lengths are not known in advance.
int fittedPixelSize(const QFont &font, const QString &text, const QSize &box, int largest, int smallest,
                    TextFlow flow = TextFlow::SingleLine);

} // namespace horavox
