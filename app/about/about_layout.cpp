// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_layout.h"

#include <QFontMetrics>
#include <QtGlobal>
#include <algorithm>

namespace horavox {

namespace {
// The main window's height counts against the raise only past this much.
constexpr double kRaiseAllowanceTwips = 400.0;
} // namespace

int twipsToPixels(double twips)
{
    return qRound(twips / kTwipsPerPixel);
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QPoint aboutWindowPlacement(const QRect &screen, const QRect &available, const QSize &window,
                            int mainWindowHeight)
{
    // Worked in twips, as designed, so that the 400-twip allowance does not
    // pick up a rounding error of its own before the final conversion.
    const double screenW = double(screen.width()) * kTwipsPerPixel;
    const double screenH = double(screen.height()) * kTwipsPerPixel;
    const double winW = double(window.width()) * kTwipsPerPixel;
    const double winH = double(window.height()) * kTwipsPerPixel;
    const double mainH = double(mainWindowHeight) * kTwipsPerPixel;

    const double leftTw = (screenW - winW) / 2.0;
    const double topTw = (screenH - winH) / 2.0 - mainH + kRaiseAllowanceTwips;

    int x = screen.x() + twipsToPixels(leftTw);
    int y = screen.y() + twipsToPixels(topTw);

    if (available.isValid()) {
        // Right and bottom first, so that a window too big for the area ends
        // up with its top left corner (and its close button row) on screen.
        x = std::min(x, available.x() + available.width() - window.width());
        y = std::min(y, available.y() + available.height() - window.height());
        x = std::max(x, available.x());
        y = std::max(y, available.y());
    }
    return QPoint(x, y);
}

int fittedPixelSize(const QFont &font, const QString &text, const QSize &box, int largest, int smallest,
                    TextFlow flow)
{
    for (int px = largest; px > smallest; --px) {
        QFont f(font);
        f.setPixelSize(px);
        const QFontMetrics fm(f);
        if (flow == TextFlow::SingleLine) {
            if (fm.horizontalAdvance(text) <= box.width() && fm.height() <= box.height())
                return px;
        } else {
            // A word longer than the width overflows the bounding rectangle,
            // so the width is checked as well as the height.
            const QRect needed = fm.boundingRect(QRect(0, 0, box.width(), 1 << 20),
                                                 Qt::TextWordWrap, text);
            if (needed.width() <= box.width() && needed.height() <= box.height())
                return px;
        }
    }
    return smallest;
}

} // namespace horavox
