// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/about_layout.h"
#include "test_main.h"

#include <QFontMetrics>

using namespace horavox;

class TestAboutLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void twipsConversion_data()
    {
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("window") << QRect(0, 0, 3540, 2355) << QRect(0, 0, 236, 157);
        QTest::newRow("first title") << QRect(140, 0, 975, 735) << QRect(9, 0, 65, 49);
        QTest::newRow("third title") << QRect(1770, 0, 1530, 735) << QRect(118, 0, 102, 49);
        QTest::newRow("text box rounds up") << QRect(380, 840, 2895, 1000) << QRect(25, 56, 193, 67);
        QTest::newRow("close button") << QRect(3270, 90, 195, 195) << QRect(218, 6, 13, 13);
        QTest::newRow("mail label") << QRect(860, 2015, 2415, 285) << QRect(57, 134, 161, 19);
    }
    void twipsConversion()
    {
        QFETCH(QRect, twips);
        QFETCH(QRect, pixels);
        QCOMPARE(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()), pixels);
    }

    void placement_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<int>("mainHeight");
        QTest::addColumn<QPoint>("expected");
        const QRect fullHd(0, 0, 1920, 1080);
        // (1080*15 - 2355)/2 - 97*15 + 400 = 5867.5 twips = 391.2 px
        QTest::newRow("full hd") << fullHd << fullHd << 97 << QPoint(842, 391);
        // (11520 - 2355)/2 - 1455 + 400 = 3527.5 twips = 235.2 px
        QTest::newRow("1366x768") << QRect(0, 0, 1366, 768) << QRect(0, 0, 1366, 768) << 97
                                  << QPoint(565, 235);
        // a main window shorter than 400 twips lowers the window below centre
        QTest::newRow("short main window") << fullHd << fullHd << 20 << QPoint(842, 468);
        QTest::newRow("no main window height") << fullHd << fullHd << 0 << QPoint(842, 488);
        QTest::newRow("second screen to the right")
            << QRect(1920, 0, 1920, 1080) << QRect(1920, 0, 1920, 1080) << 97 << QPoint(2762, 391);
        QTest::newRow("screen above the primary")
            << QRect(0, -1080, 1920, 1080) << QRect(0, -1080, 1920, 1080) << 97 << QPoint(842, -689);
        // raised off the top: held at the top of the usable area
        QTest::newRow("tall main window") << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 600) << 500
                                          << QPoint(282, 0);
        QTest::newRow("top panel") << QRect(0, 0, 800, 600) << QRect(0, 32, 800, 568) << 300
                                   << QPoint(282, 32);
        QTest::newRow("bottom dock") << QRect(0, 0, 1920, 1080) << QRect(0, 0, 1920, 500) << 0
                                     << QPoint(842, 343);
        QTest::newRow("left dock") << QRect(0, 0, 300, 600) << QRect(100, 0, 200, 600) << 97
                                   << QPoint(100, 151);
        QTest::newRow("screen smaller than window")
            << QRect(0, 0, 200, 100) << QRect(0, 20, 200, 80) << 97 << QPoint(0, 20);
        QTest::newRow("no available area") << QRect(0, 0, 800, 600) << QRect() << 500 << QPoint(282, -252);
    }
    void placement()
    {
        QFETCH(QRect, screen);
        QFETCH(QRect, available);
        QFETCH(int, mainHeight);
        QFETCH(QPoint, expected);
        QCOMPARE(aboutWindowPlacement(screen, available, QSize(236, 157), mainHeight), expected);
    }

    void fittedSizeIsLargestThatFits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<bool>("wrapped");
        QTest::newRow("short word") << "Email" << QSize(41, 17) << false;
        QTest::newRow("long address") << "someone.with.a.long.name@example.org" << QSize(161, 19) << false;
        QTest::newRow("welcome text") << "Horavox speaks the time at the interval you choose, or whenever "
                                         "you ask. In alarm mode it counts the minutes for you.\n"
                                         "Version 1.0.0, \u00A9 2026 The Horavox developers"
                                      << QSize(189, 63) << true;
    }
    void fittedSizeIsLargestThatFits()
    {
        QFETCH(QString, text);
        QFETCH(QSize, box);
        QFETCH(bool, wrapped);
        const TextFlow flow = wrapped ? TextFlow::Wrapped : TextFlow::SingleLine;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        const int px = fittedPixelSize(font, text, box, 13, 6, flow);
        QVERIFY(px >= 6 && px <= 13);

        auto fits = [&](int size) {
            QFont f(font);
            f.setPixelSize(size);
            const QFontMetrics fm(f);
            if (!wrapped)
                return fm.horizontalAdvance(text) <= box.width() && fm.height() <= box.height();
            const QRect r = fm.boundingRect(QRect(0, 0, box.width(), 100000), Qt::TextWordWrap, text);
            return r.width() <= box.width() && r.height() <= box.height();
        };
        if (px > 6)
            QVERIFY2(fits(px), qPrintable(QString::number(px)));
        if (px < 13)
            QVERIFY2(!fits(px + 1), qPrintable(QString::number(px)));
    }

    void fittedSizeBounds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<int>("expected");
        QTest::newRow("plenty of room keeps the largest") << "Email" << QSize(400, 100) << 13;
        QTest::newRow("no room gives the smallest") << "a very long line of text" << QSize(10, 5) << 7;
        QTest::newRow("empty text in a tall box") << "" << QSize(10, 100) << 13;
    }
    void fittedSizeBounds()
    {
        QFETCH(QString, text);
        QFETCH(QSize, box);
        QFETCH(int, expected);
        QCOMPARE(fittedPixelSize(QFont(QStringLiteral("DejaVu Sans")), text, box, 13, 7), expected);
    }

    void wordWiderThanBoxDoesNotFit()
    {
        // One long word cannot wrap; judging by height alone would pass it.
        const QFont font(QStringLiteral("DejaVu Sans"));
        QCOMPARE(fittedPixelSize(font, QStringLiteral("Unbreakablewordthatisfartoolong"), QSize(60, 400), 13, 5,
                                 TextFlow::Wrapped),
                 5);
    }
};

HORAVOX_TEST_MAIN(TestAboutLayout)
#include "test_about_layout.moc"
