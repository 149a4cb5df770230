// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_region.h"

#include "core/rounding.h"

#include <cmath>

namespace horavox {

namespace {
constexpr qint16 kPoints[5][2] = {{76, 0}, {230, 0}, {301, 95}, {1, 96}, {74, 0}};
} // namespace

qint16 RegionPointX(qint16 index)
{
    return index >= 0 && index < 5 ? kPoints[index][0] : 0;
}

qint16 RegionPointY(qint16 index)
{
    return index >= 0 && index < 5 ? kPoints[index][1] : 0;
}

QPolygon windowOutline(float scaleX, float scaleY, qint16 offsetX, qint16 offsetY,
                       double twipsPerPixelX, double twipsPerPixelY)
{
    QPolygon poly;
    for (qint16 i = 0; i < 5; ++i) {
        const double x = double(RegionPointX(i)) * scaleX * 15.0 / twipsPerPixelX + offsetX;
        const double y = double(RegionPointY(i)) * scaleY * 15.0 / twipsPerPixelY + offsetY;
        poly << QPoint(int(roundHalfEven(x)), int(roundHalfEven(y)));
    }
    return poly;
}

QRegion BuildWindowRegion(float scaleX, float scaleY, qint16 offsetX, qint16 offsetY,
                          double twipsPerPixelX, double twipsPerPixelY)
{
    return QRegion(windowOutline(scaleX, scaleY, offsetX, offsetY, twipsPerPixelX, twipsPerPixelY),
                   Qt::OddEvenFill);
}

} // namespace horavox
