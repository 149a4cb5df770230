// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "glyphs.h"
#include "numeron_p.h"
#include "test_main.h"

#include <QPainter>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kLit[3] = {qRgb(0, 255, 255), qRgb(0, 255, 0), qRgb(255, 0, 0)};
const QRgb kDim[3] = {qRgb(0, 128, 128), qRgb(0, 128, 0), qRgb(128, 0, 0)};

struct Band
{
    int top, w, h;
};
Band band(bool large, int colour)
{
    return large ? Band{63 + 27 * colour, 18, 27} : Band{21 * colour, 13, 21};
}

// A point in the middle of each segment, by segment letter a..g, in cell
// coordinates chosen so that x + y is even: on a dim pixel when unlit.
QPoint segmentCentre(char segment, int w, int h)
{
    const int mid = (h - 1) / 2;
    const int upper = (2 + mid) / 2, lower = (mid + h - 3) / 2;
    auto even = [](int x, int y) { return QPoint(x + ((x + y) % 2), y); };
    auto evenV = [](int x, int y) { return QPoint(x, y + ((x + y) % 2)); };
    switch (segment) {
    case 'a': return even(w / 2 - 1, 2);
    case 'g': return even(w / 2 - 1, mid);
    case 'd': return even(w / 2 - 1, h - 3);
    case 'f': return evenV(2, upper - 1);
    case 'b': return evenV(w - 3, upper - 1);
    case 'e': return evenV(2, lower - 1);
    default: return evenV(w - 3, lower - 1); // c
    }
}

} // namespace

class TestGlyphStrip : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void format()
    {
        const QImage &strip = NumeronPrivate::glyphStrip();
        QCOMPARE(strip.size(), QSize(262, 144));
        QCOMPARE(strip.format(), QImage::Format_Indexed8);
        QVERIFY(strip.colorCount() <= 16);
        QCOMPARE(&NumeronPrivate::glyphStrip(), &strip); // drawn once, shared
    }

    void whiteBesideSmallBands()
    {
        const QImage &strip = NumeronPrivate::glyphStrip();
        for (int y = 0; y < 63; ++y) {
            for (int x = 192; x < 262; ++x)
                QCOMPARE(strip.pixel(x, y), kWhite);
            QVERIFY(strip.pixel(191, y) != kWhite);
        }
        QCOMPARE(strip.pixel(192, 63), kBlack);
    }

    void segments_data()
    {
        QTest::addColumn<int>("glyph");
        QTest::addColumn<QString>("litSegments");
        const char *digits[] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
        for (int d = 0; d < 10; ++d)
            QTest::addRow("%d", d) << d << QString::fromLatin1(digits[d]);
        QTest::newRow("blank") << 10 << QString();
        QTest::newRow("minus") << 11 << "g";
        QTest::newRow("E") << 12 << "adefg";
        QTest::newRow("r") << 13 << "eg";
    }
    // Every glyph cell in every band: lit segments solid in the bright colour,
    // unlit ones a dotted trace of the dim colour on black.
    void segments()
    {
        QFETCH(int, glyph);
        QFETCH(QString, litSegments);
        const QImage &strip = NumeronPrivate::glyphStrip();
        for (bool large : {false, true}) {
            for (int colour = 0; colour < 3; ++colour) {
                const Band b = band(large, colour);
                const QPoint cell(glyph * b.w, b.top);
                for (char s = 'a'; s <= 'g'; ++s) {
                    const QPoint p = cell + segmentCentre(s, b.w, b.h);
                    const QString where = QStringLiteral("%1 %2 colour %3 segment %4")
                                              .arg(glyph).arg(large ? "large" : "small").arg(colour).arg(s);
                    if (litSegments.contains(QLatin1Char(s))) {
                        QVERIFY2(strip.pixel(p) == kLit[colour], qPrintable(where));
                        QVERIFY2(strip.pixel(p + QPoint(1, 0)) == kLit[colour], qPrintable(where));
                    } else {
                        QVERIFY2(strip.pixel(p) == kDim[colour], qPrintable(where));
                        QVERIFY2(strip.pixel(p + QPoint(1, 0)) == kBlack, qPrintable(where));
                        QVERIFY2(strip.pixel(p + QPoint(0, 1)) == kBlack, qPrintable(where));
                    }
                }
            }
        }
    }

    void unlitSegmentsAreFaint_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<int>("colour");
        for (bool large : {false, true})
            for (int colour = 0; colour < 3; ++colour)
                QTest::addRow("%s colour %d", large ? "large" : "small", colour) << large << colour;
    }
    // Readability: all seven segments unlit give off only a small part of
    // the light they give lit, so an unlit segment beside lit ones cannot
    // pass for lit (a 5 must not read as a 9); yet the trace stays visible.
    void unlitSegmentsAreFaint()
    {
        QFETCH(bool, large);
        QFETCH(int, colour);
        const QImage &strip = NumeronPrivate::glyphStrip();
        const Band b = band(large, colour);
        auto light = [&](int glyph) {
            qint64 sum = 0;
            for (int y = 0; y < b.h; ++y)
                for (int x = 0; x < b.w; ++x) {
                    const QRgb c = strip.pixel(glyph * b.w + x, b.top + y);
                    sum += qRed(c) + qGreen(c) + qBlue(c);
                }
            return double(sum);
        };
        const double ratio = light(10) / light(8);
        QVERIFY2(ratio <= 0.12, qPrintable(QString::number(ratio)));
        QVERIFY2(ratio >= 0.03, qPrintable(QString::number(ratio)));
    }

    // A one-pixel black frame around every cell, separators included, and only
    // the band's own two colours inside.
    void cellMarginsAndColours()
    {
        const QImage &strip = NumeronPrivate::glyphStrip();
        for (bool large : {false, true}) {
            for (int colour = 0; colour < 3; ++colour) {
                const Band b = band(large, colour);
                QList<QRect> cells;
                for (int i = 0; i < 14; ++i)
                    cells << QRect(i * b.w, b.top, b.w, b.h);
                cells << QRect(14 * b.w, b.top, 5, b.h) << QRect(14 * b.w + 5, b.top, 5, b.h);
                for (const QRect &cell : cells) {
                    for (int y = cell.top(); y <= cell.bottom(); ++y) {
                        for (int x = cell.left(); x <= cell.right(); ++x) {
                            const QRgb c = strip.pixel(x, y);
                            const bool edge = x == cell.left() || x == cell.right() || y == cell.top() || y == cell.bottom();
                            if (edge)
                                QCOMPARE(c, kBlack);
                            else
                                QVERIFY(c == kBlack || c == kLit[colour] || c == kDim[colour]);
                        }
                    }
                }
            }
        }
    }

    // Three pixels thick, with bevelled ends: the outer rows of a segment are
    // shorter than its middle row.
    void segmentShape()
    {
        const QImage &strip = NumeronPrivate::glyphStrip();
        for (bool large : {false, true}) {
            const Band b = band(large, 2);
            const int eight = 8 * b.w;
            int thick = 0;
            for (int y = 0; y < 6; ++y)
                thick += strip.pixel(eight + b.w / 2, b.top + y) == kLit[2] ? 1 : 0;
            QCOMPARE(thick, 3);
            // Between the vertical segments' centre lines, so their tips do
            // not count.
            auto rowLength = [&](int y) {
                int n = 0;
                for (int x = 3; x <= b.w - 4; ++x)
                    n += strip.pixel(eight + x, b.top + y) == kLit[2] ? 1 : 0;
                return n;
            };
            QCOMPARE(rowLength(1), rowLength(2) - 2);
            QCOMPARE(rowLength(3), rowLength(2) - 2);
        }
    }

    void separators()
    {
        const QImage &strip = NumeronPrivate::glyphStrip();
        for (bool large : {false, true}) {
            for (int colour = 0; colour < 3; ++colour) {
                const Band b = band(large, colour);
                auto litRows = [&](int left) {
                    QList<int> rows;
                    for (int y = 0; y < b.h; ++y) {
                        for (int x = 0; x < 5; ++x) {
                            if (strip.pixel(left + x, b.top + y) == kLit[colour]) {
                                rows << y;
                                break;
                            }
                        }
                    }
                    return rows;
                };
                // Colon: two separate dots, one in each half.
                const QList<int> colon = litRows(14 * b.w);
                QVERIFY(!colon.isEmpty());
                QVERIFY(colon.first() > 2 && colon.last() < b.h - 3);
                int runs = 1;
                for (int i = 1; i < colon.size(); ++i)
                    runs += colon[i] != colon[i - 1] + 1 ? 1 : 0;
                QCOMPARE(runs, 2);
                QVERIFY(colon.first() < b.h / 2 && colon.last() > b.h / 2);
                // Point: one dot at the baseline.
                const QList<int> point = litRows(14 * b.w + 5);
                QVERIFY(!point.isEmpty());
                QCOMPARE(point.last(), b.h - 2);
                QVERIFY(point.first() > b.h - 7);
            }
        }
    }
};

HORAVOX_TEST_MAIN(TestGlyphStrip)
#include "test_glyph_strip.moc"
