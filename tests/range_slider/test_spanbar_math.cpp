// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spanbar_math.h"
#include "test_main.h"

#include <limits>

Q_DECLARE_METATYPE(std::optional<qint16>)

using namespace spanbar_math;

class TestSpanbarMath : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("zero") << 0.0 << 0.0;
        QTest::newRow("half to zero") << 0.5 << 0.0;
        QTest::newRow("one and a half up") << 1.5 << 2.0;
        QTest::newRow("two and a half down") << 2.5 << 2.0;
        QTest::newRow("minus half") << -0.5 << 0.0;
        QTest::newRow("minus one and a half") << -1.5 << -2.0;
        QTest::newRow("minus two and a half") << -2.5 << -2.0;
        QTest::newRow("just below a half") << 2.4999999999999996 << 2.0;
        QTest::newRow("just above a half") << 0.5000000000000001 << 1.0;
        QTest::newRow("below nearest") << 30.17 << 30.0;
        QTest::newRow("above nearest") << 100.56 << 101.0;
        QTest::newRow("negative nearest") << -10.06 << -10.0;
        QTest::newRow("large odd half") << 32767.5 << 32768.0;
        QTest::newRow("large even half") << 32766.5 << 32766.0;
        QTest::newRow("lowest half") << -32768.5 << -32768.0;
    }
    void roundsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(roundHalfEven(value), expected);
    }

    void sixteenBitLimits_data()
    {
        QTest::addColumn<double>("rounded");
        QTest::addColumn<bool>("fits");
        QTest::newRow("top") << 32767.0 << true;
        QTest::newRow("past top") << 32768.0 << false;
        QTest::newRow("bottom") << -32768.0 << true;
        QTest::newRow("past bottom") << -32769.0 << false;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << false;
    }
    void sixteenBitLimits()
    {
        QFETCH(double, rounded);
        QFETCH(bool, fits);
        const auto v = toInt16(rounded);
        QCOMPARE(v.has_value(), fits);
        if (fits)
            QCOMPARE(double(*v), rounded);
    }

    void standardSpan()
    {
        QCOMPARE(usableSpan(2070), 1790.0);
    }

    void leftValues_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<int>("range");
        QTest::addColumn<std::optional<qint16>>("expected");
        using V = std::optional<qint16>;
        QTest::newRow("origin") << 0.0 << 60 << V(0);
        QTest::newRow("one minute") << 30.0 << 60 << V(1);
        QTest::newRow("fifteen minutes") << 450.0 << 60 << V(15);
        QTest::newRow("middle") << 900.0 << 60 << V(30);
        QTest::newRow("stop") << 1800.0 << 60 << V(60);
        QTest::newRow("off the right") << 3000.0 << 60 << V(101);
        QTest::newRow("off the left") << -300.0 << 60 << V(-10);
        QTest::newRow("zero range") << 1800.0 << 0 << V(0);
        // 65/1790*179 is a hair above 6.5 in double precision (single
        // precision would make it exactly 6.5 and round down), 75 a hair
        // below 7.5 (single precision: exactly 7.5, rounding up).
        QTest::newRow("double precision above half") << 65.0 << 179 << V(7);
        QTest::newRow("double precision below half") << 75.0 << 179 << V(7);
        QTest::newRow("exact half to even down") << 25.0 << 179 << V(2);
        QTest::newRow("exact half to even up") << 15.0 << 179 << V(2);
        QTest::newRow("largest range at stop overflows") << 1800.0 << 32767 << V();
        QTest::newRow("lowest range at stop overflows") << 1800.0 << -32768 << V();
        QTest::newRow("largest range inside") << 1780.0 << 32767 << V(32584);
    }
    void leftValues()
    {
        QFETCH(double, position);
        QFETCH(int, range);
        QFETCH(std::optional<qint16>, expected);
        QCOMPARE(leftValue(position, 1790.0, qint16(range)), expected);
    }

    void rightValues_data()
    {
        QTest::addColumn<double>("position");
        QTest::addColumn<int>("range");
        QTest::addColumn<std::optional<qint16>>("expected");
        using V = std::optional<qint16>;
        QTest::newRow("standard") << 2055.0 << 60 << V(60);
        QTest::newRow("capped 121 to 120") << 2055.0 << 120 << V(120);
        QTest::newRow("zero range") << 2055.0 << 0 << V(0);
        QTest::newRow("negative range not capped") << 2055.0 << -60 << V(-60);
        QTest::newRow("below the range") << 1605.0 << 60 << V(45);
        // Capping before the 16-bit check keeps the largest range usable.
        QTest::newRow("largest range capped") << 2055.0 << 32767 << V(32767);
        QTest::newRow("lowest range overflows") << 2055.0 << -32768 << V();
    }
    void rightValues()
    {
        QFETCH(double, position);
        QFETCH(int, range);
        QFETCH(std::optional<qint16>, expected);
        QCOMPARE(rightValue(position, 255.0, 1790.0, qint16(range)), expected);
    }
};

HORAVOX_TEST_MAIN(TestSpanbarMath)
#include "test_spanbar_math.moc"
