// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin/sheer_picture.h"
#include "test_main.h"

#include <QSignalSpy>

using namespace horavox;

namespace {
// A 6 x 4 picture: key colour on the left half, red on the right half.
QImage keyedPicture()
{
    QImage img(6, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            img.setPixel(x, y, x < 3 ? qRgb(190, 190, 190) : qRgb(200, 0, 0));
    return img;
}

QImage rendered(SheerPicture &p, QColor background)
{
    QWidget host;
    host.setAutoFillBackground(true);
    QPalette pal = host.palette();
    pal.setColor(QPalette::Window, background);
    host.setPalette(pal);
    host.resize(10, 10);
    p.setParent(&host);
    p.setGeometry(0, 0, 10, 10);
    p.show();
    const QImage img = host.grab().toImage();
    p.setParent(nullptr);
    return img;
}
} // namespace

class TestSheerPicture : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keyColourShowsTheBackground_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("key pixel") << QPoint(1, 1) << QColor(0, 0, 255);
        QTest::newRow("picture pixel") << QPoint(4, 1) << QColor(200, 0, 0);
        QTest::newRow("beyond the picture") << QPoint(8, 8) << QColor(0, 0, 255);
    }
    void keyColourShowsTheBackground()
    {
        QFETCH(QPoint, at);
        QFETCH(QColor, expected);
        SheerPicture p;
        p.setPicture(keyedPicture(), 0, 0);
        QCOMPARE(rendered(p, Qt::blue).pixelColor(at), expected);
    }

    void pictureIsDrawnFromTheGivenOffset()
    {
        SheerPicture p;
        p.setPicture(keyedPicture(), 2, 3);
        const QImage img = rendered(p, Qt::blue);
        QCOMPARE(img.pixelColor(5, 4), QColor(200, 0, 0)); // picture x 3, y 1
        QCOMPARE(img.pixelColor(4, 4), QColor(0, 0, 255));  // picture x 2: key
        QCOMPARE(img.pixelColor(5, 2), QColor(0, 0, 255));  // above the picture
    }

    void anotherKeyColourCanBeChosen()
    {
        SheerPicture p;
        p.setPicture(keyedPicture(), 0, 0);
        p.setTransparentColor(qRgb(200, 0, 0));
        const QImage img = rendered(p, Qt::blue);
        QCOMPARE(img.pixelColor(1, 1), QColor(190, 190, 190));
        QCOMPARE(img.pixelColor(4, 1), QColor(0, 0, 255));
    }

    void nullPictureDrawsNothing()
    {
        SheerPicture p;
        p.setPicture(QImage(), 0, 0);
        QVERIFY(p.renderedPixmap().isNull());
        QCOMPARE(rendered(p, Qt::green).pixelColor(2, 2), QColor(Qt::green));
    }

    void mouseSignalsCarryButtonAndTwips_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("mods");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("shift");
        QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers() << 1 << 0;
        QTest::newRow("right with shift") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << 2 << 1;
        QTest::newRow("middle with ctrl+alt")
            << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::AltModifier) << 4 << 6;
    }
    void mouseSignalsCarryButtonAndTwips()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, mods);
        QFETCH(int, code);
        QFETCH(int, shift);
        SheerPicture p;
        p.resize(40, 40);
        QSignalSpy down(&p, &SheerPicture::mouseDown);
        QSignalSpy up(&p, &SheerPicture::mouseUp);
        QTest::mousePress(&p, button, mods, QPoint(2, 3));
        QTest::mouseRelease(&p, button, mods, QPoint(4, 5));
        QCOMPARE(down.count(), 1);
        QCOMPARE(up.count(), 1);
        QCOMPARE(down.at(0).at(0).toInt(), code);
        QCOMPARE(down.at(0).at(1).toInt(), shift);
        QCOMPARE(down.at(0).at(2).toFloat(), 30.0f);
        QCOMPARE(down.at(0).at(3).toFloat(), 45.0f);
        QCOMPARE(up.at(0).at(2).toFloat(), 60.0f);
    }
};

HORAVOX_TEST_MAIN(TestSheerPicture)
#include "test_sheer_picture.moc"
