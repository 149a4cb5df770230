// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numeron_p.h"
#include "test_main.h"

#include <QPainter>
#include <QSet>

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kLit[3] = {qRgb(0, 255, 255), qRgb(0, 255, 0), qRgb(255, 0, 0)};
const QRgb kDim[3] = {qRgb(0, 128, 128), qRgb(0, 128, 0), qRgb(128, 0, 0)};

void makeSingleCell(Numeron &n, int colour, int size, const QString &text)
{
    n.setDigitOutLine(false);
    n.setDigitPlaceHolders(1);
    n.setDigitColor(colour);
    n.setDigitSize(size);
    n.setDigitDisplay(text);
}

} // namespace

class TestNumeronPainting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void litAndUnlit_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("size");
        for (int colour = 0; colour < 3; ++colour) {
            QTest::addRow("colour %d small", colour) << colour << 0;
            QTest::addRow("colour %d large", colour) << colour << 1;
        }
    }
    // The top segment of an "8" is lit; of a blank cell it is a dim dotted trace;
    // the same on the face and on the widget as shown.
    void litAndUnlit()
    {
        QFETCH(int, colour);
        QFETCH(int, size);
        Numeron n;
        makeSingleCell(n, colour, size, QStringLiteral("8"));
        const QPoint top(size ? 8 : 6, 2);
        QCOMPARE(NumeronPrivate::get(&n)->face().pixel(top), kLit[colour]);
        QCOMPARE(NumeronPrivate::get(&n)->face().pixel(top + QPoint(1, 0)), kLit[colour]);
        n.show();
        QVERIFY(QTest::qWaitForWindowExposed(&n));
        const QImage shown = n.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), NumeronPrivate::get(&n)->face().size());
        QCOMPARE(shown.pixel(top), kLit[colour]);

        n.setDigitDisplay(QString());
        QCOMPARE(NumeronPrivate::get(&n)->face().pixel(top), kDim[colour]);
        QCOMPARE(NumeronPrivate::get(&n)->face().pixel(top + QPoint(1, 0)), kBlack);
        QCOMPARE(NumeronPrivate::get(&n)->face().pixel(0, 0), kBlack);
    }

    // The face is the strip's cells side by side, each copied whole from its
    // place in the strip.
    void hostClockFace()
    {
        Numeron n;
        n.setDigitDisplay(QStringLiteral("543"));
        n.setDigitColor(Numeron::dgGreen);
        n.setDigitOutLine(false);
        n.setDigitFormat(Numeron::dgLongTime);
        n.setDigitSize(Numeron::dgSmall);
        n.setDigitDisplay(QStringLiteral("10:58:07"));
        QCOMPARE(n.size(), QSize(88, 21));

        const QImage strip = NumeronPrivate::glyphStrip().convertToFormat(QImage::Format_RGB32);
        const struct { int left, width; } cells[] = {
            {13, 13}, {0, 13}, {182, 5}, {65, 13}, {104, 13}, {182, 5}, {0, 13}, {91, 13}};
        int x = 0;
        for (const auto &cell : cells) {
            QCOMPARE(NumeronPrivate::get(&n)->face().copy(x, 0, cell.width, 21), strip.copy(cell.left, 21, cell.width, 21));
            x += cell.width;
        }
        QCOMPARE(x, 88);
    }

    // Five digit cells in a face sized for four and a point: the last one is
    // cut at the face's edge.
    void decimalOverrunIsClipped()
    {
        Numeron n;
        n.setDigitOutLine(false);
        n.setDigitFormat(Numeron::dgDecimal);
        n.setDigitColor(Numeron::dgRed);
        n.setDigitDisplay(QStringLiteral("3.14159"));
        QCOMPARE(n.size(), QSize(57, 21));
        const QImage strip = NumeronPrivate::glyphStrip().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(NumeronPrivate::get(&n)->face().copy(52, 0, 5, 21), strip.copy(9 * 13, 42, 5, 21));
    }

    // The outer ring of an outlined face: dark along the top and left, light
    // along the bottom and right; glyphs start inside it.
    void sunkenOutline()
    {
        Numeron n;
        QPalette pal = n.palette();
        pal.setColor(QPalette::Dark, QColor(10, 20, 30));
        pal.setColor(QPalette::Light, QColor(240, 230, 220));
        pal.setColor(QPalette::Button, QColor(1, 2, 3));
        n.setPalette(pal);
        const QImage &face = NumeronPrivate::get(&n)->face();
        QCOMPARE(face.size(), QSize(54, 23));
        const QRgb dark = qRgb(10, 20, 30), light = qRgb(240, 230, 220);
        for (int x = 0; x < 53; ++x) {
            QCOMPARE(face.pixel(x, 0), dark);
            if (x > 0)
                QCOMPARE(face.pixel(x, 22), light);
        }
        for (int y = 0; y < 22; ++y) {
            QCOMPARE(face.pixel(0, y), dark);
            if (y > 0)
                QCOMPARE(face.pixel(53, y), light);
        }
        QCOMPARE(face.pixel(1, 1), kBlack);    // the first cell's margin
        QCOMPARE(face.pixel(52, 21), kBlack);  // the last cell's margin
        QCOMPARE(face.pixel(1 + 6, 1 + 2), kDim[2]);       // the unlit top of the "1"
        QCOMPARE(face.pixel(1 + 13 + 6, 1 + 2), kLit[2]);  // the lit top of the "2"
    }

    // A palette change is an ambient change: the face is drawn again at once.
    void paletteChangeRedraws()
    {
        Numeron n;
        const qint64 before = NumeronPrivate::get(&n)->face().cacheKey();
        QPalette pal = n.palette();
        pal.setColor(QPalette::Dark, QColor(200, 0, 200));
        n.setPalette(pal);
        QVERIFY(NumeronPrivate::get(&n)->face().cacheKey() != before);
        QCOMPARE(NumeronPrivate::get(&n)->face().pixel(0, 0), qRgb(200, 0, 200));
    }

    // On a screen at twice the density each face pixel becomes a solid 2 x 2
    // block of one of the face's own colours: no smoothing, no blur.
    void crispWhenScaled()
    {
        Numeron n;
        n.setDigitSize(Numeron::dgLarge);
        n.setDigitColor(Numeron::dgBlue);
        n.setDigitDisplay(QStringLiteral("-8.5"));
        QImage target(n.size() * 2, QImage::Format_RGB32);
        target.setDevicePixelRatio(2.0);
        target.fill(Qt::magenta);
        n.render(&target);
        const QImage &face = NumeronPrivate::get(&n)->face();
        for (int y = 0; y < face.height(); ++y) {
            for (int x = 0; x < face.width(); ++x) {
                const QRgb c = face.pixel(x, y);
                QCOMPARE(target.pixel(2 * x, 2 * y), c);
                QCOMPARE(target.pixel(2 * x + 1, 2 * y), c);
                QCOMPARE(target.pixel(2 * x, 2 * y + 1), c);
                QCOMPARE(target.pixel(2 * x + 1, 2 * y + 1), c);
            }
        }
    }

    // Glyph strings of any length or content paint without reading outside
    // the strip or the face.
    void strangeTextsPaint_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("format");
        QTest::newRow("long general") << QString(5000, u'8') << 0;
        QTest::newRow("control characters") << QStringLiteral("\x01\x02\x7f:.-") << 3;
        QTest::newRow("long time garbage") << QStringLiteral("::::::::....") << 2;
        QTest::newRow("error figure") << QStringLiteral("E") << 1;
    }
    void strangeTextsPaint()
    {
        QFETCH(QString, text);
        QFETCH(int, format);
        Numeron n;
        n.setDigitFormat(format);
        n.setDigitDisplay(text);
        QCOMPARE(NumeronPrivate::get(&n)->face().size(), n.size());
        QSet<QRgb> colours;
        for (int y = 1; y < n.height() - 1; ++y)
            for (int x = 1; x < n.width() - 1; ++x)
                colours.insert(NumeronPrivate::get(&n)->face().pixel(x, y));
        colours -= kBlack;
        colours -= kLit[2];
        colours -= kDim[2];
        QVERIFY2(colours.isEmpty(), "only the red band's colours inside the ring");
    }
};

HORAVOX_TEST_MAIN(TestNumeronPainting)
#include "test_numeron_painting.moc"
