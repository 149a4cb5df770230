// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QPolygon>
#include <QRegion>
#include <QtGlobal>

namespace horavox {

// The five corners of the main window's outline, in pixels of a 96-dpi screen.
qint16 RegionPointX(qint16 index);
qint16 RegionPointY(qint16 index);

// The outline scaled to a screen with the given twips per pixel (15 at 96 dpi,
// 12 at 120 dpi) and shifted by the offsets; each point is rounded to the
// nearest pixel, halves to the even neighbour.
QPolygon windowOutline(float scaleX, float scaleY, qint16 offsetX, qint16 offsetY,
                       double twipsPerPixelX, double twipsPerPixelY);

// The region the window is cut to: the outline filled with the alternate rule.
QRegion BuildWindowRegion(float scaleX, float scaleY, qint16 offsetX, qint16 offsetY,
                          double twipsPerPixelX = 15.0, double twipsPerPixelY = 15.0);

} // namespace horavox
