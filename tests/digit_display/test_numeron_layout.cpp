// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numeron_p.h"
#include "test_main.h"

#include <QSignalSpy>

class TestNumeronLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void faceSize_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("places");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("outLine");
        QTest::addColumn<QSize>("expected");

        QTest::newRow("general small") << 0 << 4 << 0 << false << QSize(52, 21);
        QTest::newRow("general small outlined") << 0 << 4 << 0 << true << QSize(54, 23);
        QTest::newRow("long time small") << 2 << 4 << 0 << false << QSize(88, 21);
        QTest::newRow("decimal large outlined") << 3 << 4 << 1 << true << QSize(79, 29);
        QTest::newRow("short time small") << 1 << 4 << 0 << false << QSize(57, 21);
        QTest::newRow("short time large outlined") << 1 << 4 << 1 << true << QSize(79, 29);
        QTest::newRow("long time large outlined") << 2 << 4 << 1 << true << QSize(120, 29);
        QTest::newRow("time ignores places") << 2 << 30000 << 0 << false << QSize(88, 21);
        QTest::newRow("one place") << 0 << 1 << 0 << false << QSize(13, 21);
        QTest::newRow("zero places count as one") << 0 << 0 << 0 << false << QSize(13, 21);
        QTest::newRow("decimal two places outlined") << 3 << 2 << 0 << true << QSize(33, 23);
        QTest::newRow("format out of range is general") << 9 << 4 << 0 << false << QSize(52, 21);
        QTest::newRow("size out of range is large") << 0 << 4 << 2 << false << QSize(72, 27);
        QTest::newRow("widest small") << 0 << 2520 << 0 << false << QSize(32760, 21);
        QTest::newRow("widest large") << 0 << 1820 << 1 << false << QSize(32760, 27);
        QTest::newRow("exactly the limit") << 3 << 2520 << 0 << true << QSize(32767, 23);
    }
    void faceSize()
    {
        QFETCH(int, format);
        QFETCH(int, places);
        QFETCH(int, size);
        QFETCH(bool, outLine);
        QFETCH(QSize, expected);
        bool overflow = true;
        QCOMPARE(NumeronPrivate::faceSizeFor(format, places, size, outLine, &overflow), expected);
        QVERIFY(!overflow);
    }

    void overflowingFaces_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("places");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("outLine");
        QTest::newRow("small one cell too many") << 0 << 2521 << 0 << false;
        QTest::newRow("large one cell too many") << 0 << 1821 << 1 << false;
        QTest::newRow("one pixel over") << 3 << 2521 << 0 << true;
        QTest::newRow("largest place count") << 0 << 32767 << 1 << true;
    }
    void overflowingFaces()
    {
        QFETCH(int, format);
        QFETCH(int, places);
        QFETCH(int, size);
        QFETCH(bool, outLine);
        bool overflow = false;
        NumeronPrivate::faceSizeFor(format, places, size, outLine, &overflow);
        QVERIFY(overflow);
    }

    // The widget takes the face size as its fixed size whenever a setter runs
    // the size rule, as the host's clock face relies on.
    void widgetFollowsSizeRule()
    {
        Numeron n;
        QCOMPARE(n.size(), QSize(54, 23));
        n.setDigitColor(Numeron::dgGreen);
        n.setDigitOutLine(false);
        n.setDigitFormat(Numeron::dgLongTime);
        n.setDigitSize(Numeron::dgSmall);
        QCOMPARE(n.size(), QSize(88, 21));
        QCOMPARE(n.minimumSize(), n.maximumSize());
        n.setDigitFormat(Numeron::dgDecimal);
        QCOMPARE(n.size(), QSize(57, 21));
        n.setDigitSize(Numeron::dgLarge);
        QCOMPARE(n.size(), QSize(77, 27));
        n.setDigitPlaceHolders(2);
        QCOMPARE(n.size(), QSize(41, 27));
        QCOMPARE(n.sizeHint(), n.size());
        QCOMPARE(NumeronPrivate::get(&n)->face().size(), n.size());
    }

    // A host resizing a shown control gets the face size back.
    void hostResizeRunsSizeRule()
    {
        Numeron n;
        n.setMinimumSize(0, 0);
        n.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        n.show();
        QVERIFY(QTest::qWaitForWindowExposed(&n));
        n.resize(200, 100);
        QCOMPARE(n.size(), QSize(54, 23));
    }

    void colourReRunsSizeRule()
    {
        Numeron n;
        n.setMinimumSize(0, 0);
        n.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        n.resize(200, 100); // hidden: no resize event, so the rule does not run
        QCOMPARE(n.size(), QSize(200, 100));
        n.setDigitJustify(Numeron::dgLeft);
        n.setDigitDisplay(QStringLiteral("7"));
        n.setDigitError(true);
        QCOMPARE(n.size(), QSize(200, 100));
        n.setDigitColor(Numeron::dgBlue);
        QCOMPARE(n.size(), QSize(54, 23));
    }

    void overflowLeavesOldValue_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("value");
        QTest::newRow("places beyond the width") << "DigitPlaceHolders" << 2521;
        QTest::newRow("places beyond 16 bits") << "DigitPlaceHolders" << 40000;
        QTest::newRow("places far beyond") << "DigitPlaceHolders" << (1 << 30);
    }
    void overflowLeavesOldValue()
    {
        QFETCH(QString, property);
        QFETCH(int, value);
        Numeron n;
        QSignalSpy changed(&n, &Numeron::propertyChanged);
        QSignalSpy errors(&n, &Numeron::errorOccurred);
        const qint64 faceKey = NumeronPrivate::get(&n)->face().cacheKey();
        n.setProperty(property.toLatin1(), value);
        QCOMPARE(n.DigitPlaceHolders(), 4);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(errors.count(), 1);
        QVERIFY(!n.lastError().isEmpty());
        QCOMPARE(n.size(), QSize(54, 23));
        QCOMPARE(NumeronPrivate::get(&n)->face().cacheKey(), faceKey);
    }

    // Near the limit, a change of size or outline that would push the face
    // past it is refused, while one that shrinks it is taken.
    void overflowFromOtherProperties()
    {
        Numeron n;
        n.setDigitOutLine(false);
        n.setDigitPlaceHolders(2520);
        QCOMPARE(n.width(), 32760);
        QSignalSpy errors(&n, &Numeron::errorOccurred);

        n.setDigitSize(Numeron::dgLarge);
        QCOMPARE(n.DigitSize(), Numeron::dgSmall);
        QVERIFY(!n.lastError().isEmpty());
        n.setDigitFormat(Numeron::dgDecimal);
        QCOMPARE(n.DigitFormat(), Numeron::dgDecimal); // 32765 still fits
        n.setDigitOutLine(true);
        QCOMPARE(n.DigitOutLine(), true); // 32767 fits exactly
        QCOMPARE(n.width(), 32767);
        QCOMPARE(errors.count(), 1);

        n.setDigitFormat(Numeron::dgLongTime);
        QCOMPARE(n.width(), 90);
        QVERIFY(n.lastError().isEmpty());
        n.setDigitSize(Numeron::dgLarge);
        QCOMPARE(n.DigitSize(), Numeron::dgLarge);
        QCOMPARE(errors.count(), 1);
    }

    void twipsPerPixel_data()
    {
        QTest::addColumn<qreal>("dpi");
        QTest::addColumn<double>("twips");
        QTest::newRow("96 dpi") << qreal(96) << 15.0;
        QTest::newRow("120 dpi") << qreal(120) << 12.0;
        QTest::newRow("144 dpi") << qreal(144) << 10.0;
        QTest::newRow("72 dpi") << qreal(72) << 20.0;
        QTest::newRow("no dpi") << qreal(0) << 15.0;
    }
    void twipsPerPixel()
    {
        QFETCH(qreal, dpi);
        QFETCH(double, twips);
        QCOMPARE(NumeronPrivate::twipsPerPixel(dpi), twips);
    }

    // The host's clock face: 1320 x 315 twips at 96 dpi is the long-time face.
    void sizeInTwips()
    {
        Numeron n;
        n.setDigitOutLine(false);
        n.setDigitFormat(Numeron::dgLongTime);
        const QSize twips = NumeronPrivate::get(&n)->sizeInTwips();
        QCOMPARE(twips.width(), qRound(88 * NumeronPrivate::twipsPerPixelX(n.screen())));
        QCOMPARE(twips.height(), qRound(21 * NumeronPrivate::twipsPerPixelY(n.screen())));
        if (qFuzzyCompare(n.screen()->logicalDotsPerInchX(), qreal(96)))
            QCOMPARE(twips, QSize(1320, 315));
    }
};

HORAVOX_TEST_MAIN(TestNumeronLayout)
#include "test_numeron_layout.moc"
