// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/image_control.h"
#include "test_main.h"

using namespace horavox;

namespace {
int pixelsOf(const QImage &img, QColor c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y) == c;
    return n;
}
} // namespace

class TestIndicatorLabel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hourglassInTheTextColourOnlyForSix_data()
    {
        QTest::addColumn<bool>("dayHalf"); // the AM/PM caption, not the alarm indicator
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("alarm on") << false << "6" << true;
        QTest::newRow("alarm off") << false << "" << false;
        QTest::newRow("any other text") << false << "5" << false;
        QTest::newRow("morning") << true << "AM" << true;
        QTest::newRow("afternoon") << true << "PM" << true;
        QTest::newRow("no half of the day") << true << "" << false;
        QTest::newRow("the alarm's text on the day half") << true << "6" << false;
    }
    void hourglassInTheTextColourOnlyForSix()
    {
        QFETCH(bool, dayHalf);
        QFETCH(QString, caption);
        QFETCH(bool, drawn);
        QWidget host;
        host.setAutoFillBackground(true);
        QPalette hostPal = host.palette();
        hostPal.setColor(QPalette::Window, Qt::black);
        host.setPalette(hostPal);
        host.resize(25, 17);
        std::unique_ptr<QLabel> owned(dayHalf ? static_cast<QLabel *>(new DayHalfLabel(&host))
                                              : new IndicatorLabel(&host));
        QLabel &label = *owned;
        label.setGeometry(0, 0, dayHalf ? 25 : 17, 17);
        QPalette pal = label.palette();
        pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
        label.setPalette(pal);
        label.setText(caption);
        const QImage img = host.grab().toImage();
        const int green = pixelsOf(img, QColor(0, 255, 0));
        if (drawn) {
            QVERIFY2(green > 10, qPrintable(QString::number(green)));
            // Nothing but the text colour and the background: the glyph is tinted.
            QCOMPARE(pixelsOf(img, QColor(255, 255, 255)), 0);
        } else {
            QCOMPARE(green, 0);
        }
    }
};

HORAVOX_TEST_MAIN(TestIndicatorLabel)
#include "test_indicator_label.moc"
