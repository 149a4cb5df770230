// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/window_region.h"
#include "test_main.h"

using namespace horavox;

class TestWindowRegion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void outline_data()
    {
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<QPolygon>("expected");
        QTest::newRow("96 dpi") << 15.0
                                << QPolygon({QPoint(76, 0), QPoint(230, 0), QPoint(301, 95), QPoint(1, 96), QPoint(74, 0)});
        QTest::newRow("120 dpi") << 12.0
                                 << QPolygon({QPoint(95, 0), QPoint(288, 0), QPoint(376, 119), QPoint(1, 120), QPoint(92, 0)});
        // 144 dpi: 1.5 times, halves go to the even neighbour (1.5 -> 2, 142.5 -> 142, 451.5 -> 452).
        QTest::newRow("144 dpi") << 10.0
                                 << QPolygon({QPoint(114, 0), QPoint(345, 0), QPoint(452, 142), QPoint(2, 144), QPoint(111, 0)});
    }
    void outline()
    {
        QFETCH(double, twipsPerPixel);
        QFETCH(QPolygon, expected);
        QCOMPARE(windowOutline(1.0f, 1.0f, 0, 0, twipsPerPixel, twipsPerPixel), expected);
    }
    void pointsOutsideTheTableAreZero()
    {
        QCOMPARE(RegionPointX(5), qint16(0));
        QCOMPARE(RegionPointY(-1), qint16(0));
        QCOMPARE(RegionPointX(2), qint16(301));
    }
    void offsetsShiftEveryPoint()
    {
        const QPolygon p = windowOutline(1.0f, 1.0f, 10, -3, 15.0, 15.0);
        QCOMPARE(p.first(), QPoint(86, -3));
        QCOMPARE(p.at(2), QPoint(311, 92));
    }
    void regionCoversOnlyTheOutline_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("inside");
        QTest::newRow("centre") << QPoint(150, 50) << true;
        QTest::newRow("top left corner cut") << QPoint(10, 5) << false;
        QTest::newRow("top right corner cut") << QPoint(295, 5) << false;
        QTest::newRow("just inside top edge") << QPoint(100, 0) << true;
        QTest::newRow("bottom left") << QPoint(5, 94) << true;
        QTest::newRow("below the bottom") << QPoint(150, 97) << false;
        QTest::newRow("right of the slant") << QPoint(290, 40) << false;
    }
    void regionCoversOnlyTheOutline()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, inside);
        QCOMPARE(BuildWindowRegion(1.0f, 1.0f, 0, 0).contains(point), inside);
    }
};

HORAVOX_TEST_MAIN(TestWindowRegion)
#include "test_window_region.moc"
