// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spanbar.h"
#include "test_main.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

// The pictures travel inside the slider library; these checks make sure they
// are really there, are what a host expects, and reach the screen.
class TestSpanbarBitmaps : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resources_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("track") << QStringLiteral(":/spanbar/SLIDERBACKING") << QSize(138, 27);
        QTest::newRow("pointer") << QStringLiteral(":/spanbar/SLIDERPOINTER") << QSize(18, 27);
    }
    void resources()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFile file(name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        const QByteArray data = file.readAll();
        // A plain Windows bitmap, 24 bits per pixel, uncompressed.
        QVERIFY(data.size() > 54);
        QCOMPARE(data.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<quint32>(data.constData() + 14), quint32(40));
        QCOMPARE(qFromLittleEndian<quint16>(data.constData() + 28), quint16(24));
        QCOMPARE(qFromLittleEndian<quint32>(data.constData() + 30), quint32(0));
        const QImage image = QImage::fromData(data, "BMP");
        QCOMPARE(image.size(), size);
    }

    void pointerCarriesARedLine()
    {
        const QImage pointer(QStringLiteral(":/spanbar/SLIDERPOINTER"), "BMP");
        QVERIFY(!pointer.isNull());
        for (int y = 4; y < 23; ++y) {
            const QColor c = pointer.pixelColor(8, y);
            QVERIFY2(c.red() > 150 && c.green() < 80 && c.blue() < 80, qPrintable(QString::number(y)));
        }
        // The rest of the knob is grey steel, not red.
        const QColor body = pointer.pixelColor(5, 13);
        QVERIFY(qAbs(body.red() - body.green()) < 20);
    }

    void trackHasADarkGroove()
    {
        const QImage track(QStringLiteral(":/spanbar/SLIDERBACKING"), "BMP");
        QVERIFY(!track.isNull());
        // Along the middle row the groove is much darker than the bar above it.
        for (int x = 10; x < 128; x += 13) {
            const int groove = qGray(track.pixel(x, 13));
            const int bar = qGray(track.pixel(x, 5));
            QVERIFY2(groove + 30 < bar, qPrintable(QString::number(x)));
        }
    }

    void pointerIsDrawnWhereItStands_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("redX");
        QTest::newRow("origin") << 0 << 8;
        QTest::newRow("middle") << 900 << 68;
        QTest::newRow("stop") << 1800 << 128;
    }
    void pointerIsDrawnWhereItStands()
    {
        QFETCH(int, position);
        QFETCH(int, redX);
        Spanbar bar;
        bar.resize(bar.sizeHint());
        bar.setInitial(qint16(position));
        const QImage shot = bar.grab().toImage();
        int redColumns = 0;
        int foundX = -1;
        for (int x = 0; x < 138; ++x) {
            const QColor c = shot.pixelColor(x, 13);
            if (c.red() > 150 && c.green() < 80) {
                ++redColumns;
                foundX = x;
            }
        }
        QCOMPARE(redColumns, 1);
        QCOMPARE(foundX, redX);
    }
};

HORAVOX_TEST_MAIN(TestSpanbarBitmaps)
#include "test_spanbar_bitmaps.moc"
