// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The resources carried inside the program: that each is there under the
// name the program asks for, and in the shape the program relies on.
#include "resources/resources.h"
#include "test_main.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <cmath>

using namespace horavox;

namespace {

struct Wave
{
    bool ok = false;
    QString why;
    quint16 format = 0, channels = 0, bits = 0, blockAlign = 0;
    quint32 rate = 0, byteRate = 0;
    QByteArray data;

    // Samples scaled to -1..1, whatever the sample width.
    double sample(qsizetype i) const
    {
        if (bits == 8)
            return (quint8(data[i]) - 128) / 128.0;
        return qFromLittleEndian<qint16>(data.constData() + 2 * i) / 32768.0;
    }
    qsizetype samples() const { return blockAlign ? data.size() / blockAlign : 0; }
    double seconds() const { return rate ? double(samples()) / rate : 0; }
    double peak() const
    {
        double p = 0;
        for (qsizetype i = 0; i < samples(); ++i)
            p = std::max(p, std::abs(sample(i)));
        return p;
    }
};

// Reads a clip that must be the plain canonical layout: RIFF, WAVE, a 16-byte
// "fmt " chunk and the "data" chunk, nothing else, sizes agreeing.
Wave parseWave(const QByteArray &b)
{
    Wave w;
    auto u32 = [&](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    auto u16 = [&](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    if (b.size() < 44) {
        w.why = "shorter than a header";
        return w;
    }
    if (b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE" || b.mid(12, 4) != "fmt " || b.mid(36, 4) != "data") {
        w.why = "not a canonical RIFF/WAVE header";
        return w;
    }
    if (u32(4) != quint32(b.size() - 8) || u32(16) != 16 || u32(40) != quint32(b.size() - 44)) {
        w.why = "chunk sizes do not match the file";
        return w;
    }
    w.format = u16(20);
    w.channels = u16(22);
    w.rate = u32(24);
    w.byteRate = u32(28);
    w.blockAlign = u16(32);
    w.bits = u16(34);
    w.data = b.mid(44);
    w.ok = true;
    return w;
}

const char *const kWords[] = {
    "ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE", "TEN",
    "ELEVEN", "TWELVE", "THIRTEEN", "FOURTEEN", "FIFTEEN", "SIXTEEN", "SEVENTEEN",
    "EIGHTEEN", "NINETEEN", "TWENTY", "THIRTY", "FORTY", "FIFTY", "OH", "TIME",
    "AM", "PM", "MINUTE", "MINUTES", "START",
};

QImage picture(const QString &type, const QString &name)
{
    QByteArray bytes = resourceBytes(type, name);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    return reader.read();
}

} // namespace

class TestResourceAssets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // First, while no other test has asked Qt to guess a format: the
    // program's own pictures need the GIF plugin at most, never the JPEG
    // one and the library it brings.
    void ownPicturesLoadNoOtherImagePlugin()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(!maps.readAll().contains("libqgif"), "a test ran before this one");
        for (const char *name : {"TCSKIN", "SPEAKUP", "ABOUTBACK", "HOURGLASS"})
            QVERIFY(!bitmapResource(QString::fromLatin1(name)).isNull());
        for (int number = 101; number <= 107; ++number)
            QVERIFY(!decodePicture(resourceBytes(QStringLiteral("CUSTOM"), QString::number(number))).isNull());
        QVERIFY(!decodePicture(resourceBytes(QStringLiteral("ICON"), QStringLiteral("horavox"))).isNull());
        maps.seek(0);
        const QByteArray mapped = maps.readAll();
        QVERIFY(mapped.contains("libqgif"));
        QVERIFY(!mapped.contains("libqjpeg"));
        QVERIFY(!mapped.contains("libqico"));
    }

    void pictureFormat_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("GIF 89a") << QByteArray("GIF89a\x2a\0") << QByteArray("gif");
        QTest::newRow("GIF 87a") << QByteArray("GIF87a") << QByteArray("gif");
        QTest::newRow("GIF, other version") << QByteArray("GIF90a") << QByteArray();
        QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1a\n") << QByteArray("png");
        QTest::newRow("PNG, line ends mangled") << QByteArray("\x89PNG\n\x1a\n\0") << QByteArray();
        QTest::newRow("BMP") << QByteArray("BM6\xe4") << QByteArray("bmp");
        QTest::newRow("JPEG") << QByteArray("\xff\xd8\xff\xe0") << QByteArray();
        QTest::newRow("cut short") << QByteArray("GIF8") << QByteArray();
        QTest::newRow("nothing") << QByteArray() << QByteArray();
    }
    void pictureFormat()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, format);
        QCOMPARE(pictureFormatOf(head), format);
    }

    void decodesWhatItsHeadDoesNotName_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        // Formats Qt reads by itself, found by looking at the content.
        QTest::newRow("PPM") << QByteArray("P3\n2 1\n255\n255 0 0 0 0 255\n") << QSize(2, 1);
        QTest::newRow("XPM") << QByteArray("/* XPM */\nstatic const char *x[] = {\"1 1 1 1\", \"a c #ff0000\", \"a\"};\n")
                             << QSize(1, 1);
        // A head that names a format, over bytes that are not that format.
        QTest::newRow("GIF head, nothing after") << QByteArray("GIF89a\x01\0\x01\0") << QSize();
        QTest::newRow("BMP head, text after") << QByteArray("BM is a bitmap, this is not") << QSize();
        QTest::newRow("empty") << QByteArray() << QSize();
    }
    void decodesWhatItsHeadDoesNotName()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        const QImage image = decodePicture(bytes);
        if (size.isValid())
            QCOMPARE(image.size(), size);
        else
            QVERIFY(image.isNull());
    }

    void clipFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("bits");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");
        for (const char *word : kWords)
            QTest::newRow(word) << QString(word) << 44100 << 16 << 0.2 << 2.0;
        QTest::newRow("BLEEP") << QString("BLEEP") << 11025 << 8 << 0.55 << 0.65;
    }
    void clipFormat()
    {
        QFETCH(QString, name);
        QFETCH(int, rate);
        QFETCH(int, bits);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        const Wave w = parseWave(resourceBytes("CUSTOM", name));
        QVERIFY2(w.ok, qPrintable(w.why));
        QCOMPARE(w.format, quint16(1));
        QCOMPARE(w.channels, quint16(1));
        QCOMPARE(int(w.rate), rate);
        QCOMPARE(int(w.bits), bits);
        QCOMPARE(int(w.blockAlign), bits / 8);
        QCOMPARE(int(w.byteRate), rate * bits / 8);
        QCOMPARE(w.data.size() % w.blockAlign, 0);
        QVERIFY2(w.seconds() >= shortest && w.seconds() <= longest, qPrintable(QString::number(w.seconds())));
    }

    void clipIsTrimmed_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *word : kWords)
            QTest::newRow(word) << QString(word);
        QTest::newRow("BLEEP") << QString("BLEEP");
    }
    void clipIsTrimmed()
    {
        // Joined one after another, clips with long silent ends would drag
        // the spoken time out; ends that are not quiet would click.
        QFETCH(QString, name);
        const Wave w = parseWave(resourceBytes("CUSTOM", name));
        QVERIFY(w.ok);
        const double quiet = 0.02, sound = 0.01;
        QVERIFY(std::abs(w.sample(0)) < quiet);
        QVERIFY(std::abs(w.sample(w.samples() - 1)) < quiet);
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i < w.samples(); ++i) {
            if (std::abs(w.sample(i)) > sound) {
                if (first < 0)
                    first = i;
                last = i;
            }
        }
        QVERIFY(first >= 0);
        const double lead = double(first) / w.rate, tail = double(w.samples() - 1 - last) / w.rate;
        QVERIFY2(lead < 0.03, qPrintable(QString("leading silence %1 s").arg(lead)));
        QVERIFY2(tail < 0.03, qPrintable(QString("trailing silence %1 s").arg(tail)));
    }

    void wordsAreEquallyLoud()
    {
        double lowest = 1, highest = 0;
        for (const char *word : kWords) {
            const double peak = parseWave(resourceBytes("CUSTOM", word)).peak();
            QVERIFY2(peak < 0.99, word); // no clipping
            lowest = std::min(lowest, peak);
            highest = std::max(highest, peak);
        }
        QVERIFY(20 * std::log10(lowest) > -6.0);
        QVERIFY2(20 * std::log10(highest / lowest) < 1.0, "peak levels differ by a decibel or more");
    }

    void bleepIsTwoTones()
    {
        // Two tones with a short rest between them: somewhere in the middle
        // there is a stretch of at least 20 ms of near silence, and sound on
        // both sides of it.
        const Wave w = parseWave(resourceBytes("CUSTOM", "BLEEP"));
        QVERIFY(w.ok);
        const qsizetype from = qsizetype(0.15 * w.rate), to = qsizetype(0.45 * w.rate);
        qsizetype run = 0, best = 0, bestEnd = 0;
        for (qsizetype i = from; i < to; ++i) {
            run = std::abs(w.sample(i)) < 0.02 ? run + 1 : 0;
            if (run > best) {
                best = run;
                bestEnd = i;
            }
        }
        QVERIFY2(best >= qsizetype(0.02 * w.rate), "no rest between the tones");
        double before = 0, after = 0;
        for (qsizetype i = 0; i < bestEnd - best; ++i)
            before = std::max(before, std::abs(w.sample(i)));
        for (qsizetype i = bestEnd; i < w.samples(); ++i)
            after = std::max(after, std::abs(w.sample(i)));
        QVERIFY(before > 0.3);
        QVERIFY(after > 0.3);
    }

    void typeIgnoresCase_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::newRow("Custom clip") << "Custom" << "ONE";
        QTest::newRow("custom picture") << "custom" << "103";
        QTest::newRow("Bitmap") << "Bitmap" << "TCSKIN";
        QTest::newRow("cursor") << "cursor" << "HAND";
    }
    void typeIgnoresCase()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QVERIFY(hasResource(type, name));
        const QByteArray bytes = resourceBytes(type, name);
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(bytes, resourceBytes(type.toUpper(), name));
    }
    void missingResources()
    {
        QVERIFY(!hasResource("CUSTOM", "ZERO"));
        QVERIFY(resourceBytes("CUSTOM", "ZERO").isNull());
        QVERIFY(!hasResource("CUSTOM", "one")); // names are exact
        QVERIFY(bitmapResource("NOSUCH").isNull());
    }

    void gifPictures_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QSize>("size");
        QTest::newRow("101 lit lamp") << 101 << QSize(42, 42);
        QTest::newRow("102 unlit lamp") << 102 << QSize(42, 42);
        QTest::newRow("103 About up") << 103 << QSize(22, 29);
        QTest::newRow("104 About down") << 104 << QSize(22, 29);
        QTest::newRow("105 title 1") << 105 << QSize(67, 50);
        QTest::newRow("106 title 2") << 106 << QSize(39, 50);
        QTest::newRow("107 title 3") << 107 << QSize(99, 50);
    }
    void gifPictures()
    {
        QFETCH(int, number);
        QFETCH(QSize, size);
        const QByteArray bytes = resourceBytes("CUSTOM", QString::number(number));
        QCOMPARE(bytes.left(6), QByteArray("GIF89a"));
        const QImage img = picture("CUSTOM", QString::number(number));
        QCOMPARE(img.size(), size);
        // The host makes exactly this colour see-through, so it must come out
        // exact and opaque, all round the picture, and only where nothing is drawn.
        const QRgb key = qRgb(190, 190, 190);
        const int w = size.width() - 1, h = size.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
            QCOMPARE(img.pixel(corner), key);
        int drawn = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                drawn += img.pixel(x, y) != key;
        QVERIFY2(drawn > img.width() * img.height() / 8, "next to nothing drawn");
    }
    void lampsDiffer()
    {
        const QImage lit = picture("CUSTOM", "101"), unlit = picture("CUSTOM", "102");
        const QPoint centre(21, 21);
        QVERIFY(qGreen(lit.pixel(centre)) > qGreen(unlit.pixel(centre)) + 60);
    }
    void aboutButtonPressedIsDarker()
    {
        const QImage up = picture("CUSTOM", "103"), down = picture("CUSTOM", "104");
        auto brightness = [](const QImage &img) {
            qint64 sum = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (img.pixel(x, y) != qRgb(190, 190, 190))
                        sum += qGray(img.pixel(x, y));
            return sum;
        };
        QVERIFY(brightness(down) < brightness(up));
    }

    void bitmaps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("TCSKIN") << "TCSKIN" << QSize(302, 97);
        QTest::newRow("IMAGE2") << "IMAGE2" << QSize(38, 27);
        QTest::newRow("SPEAKUP") << "SPEAKUP" << QSize(38, 27);
        QTest::newRow("SPEAKDOWN") << "SPEAKDOWN" << QSize(38, 27);
        QTest::newRow("SETTINGSUP") << "SETTINGSUP" << QSize(29, 21);
        QTest::newRow("SETTINGSDOWN") << "SETTINGSDOWN" << QSize(29, 21);
        QTest::newRow("MINUSUP") << "MINUSUP" << QSize(13, 13);
        QTest::newRow("MINUSDOWN") << "MINUSDOWN" << QSize(13, 13);
        QTest::newRow("XUP") << "XUP" << QSize(13, 13);
        QTest::newRow("XDOWN") << "XDOWN" << QSize(13, 13);
        QTest::newRow("ABOUTBACK") << "ABOUTBACK" << QSize(236, 157);
    }
    void bitmaps()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QByteArray bytes = resourceBytes("BITMAP", name);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 28), quint16(24));
        QCOMPARE(bitmapResource(name).size(), size);
    }
    void pressedButtonsDiffer_data()
    {
        QTest::addColumn<QString>("button");
        for (const char *b : {"SPEAK", "SETTINGS", "MINUS", "X"})
            QTest::newRow(b) << QString(b);
    }
    void pressedButtonsDiffer()
    {
        QFETCH(QString, button);
        const QImage up = bitmapResource(button + "UP").toImage();
        const QImage down = bitmapResource(button + "DOWN").toImage();
        QVERIFY(up != down);
    }
    void aboutPanelIsWhite()
    {
        const QImage back = bitmapResource("ABOUTBACK").toImage();
        QCOMPARE(back.pixel(117, 90), qRgb(255, 255, 255));
        QCOMPARE(back.pixel(210, 118), qRgb(255, 255, 255));
        QVERIFY(back.pixel(8, 90) != qRgb(255, 255, 255));
    }

    void symbolsHaveAlpha_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("solid");
        QTest::newRow("hourglass") << "BITMAP" << "HOURGLASS" << QSize(17, 17) << QPoint(8, 2);
        QTest::newRow("hand cursor, hotspot") << "CURSOR" << "HAND" << QSize(32, 32) << QPoint(11, 1);
    }
    void symbolsHaveAlpha()
    {
        QFETCH(QString, type);
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QPoint, solid);
        const QImage img = picture(type, name);
        QCOMPARE(img.size(), size);
        QVERIFY(img.hasAlphaChannel());
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QVERIFY(qAlpha(img.pixel(solid)) > 128);
    }
};

HORAVOX_TEST_MAIN(TestResourceAssets)
#include "test_resource_assets.moc"
