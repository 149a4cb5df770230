// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/paths.h"
#include "main_window/scheduler/slider_file.h"
#include "test_main.h"

#include <QTemporaryDir>

#include <cfenv>

#include <unistd.h>

using namespace horavox;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll();
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class TestSliderFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void checkCreatesTheDefault()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("deeper/still/SliderSetting.txt");
        SliderCheck(path);
        QCOMPARE(contents(path), QByteArray("30\r\n"));
        QCOMPARE(readSliderPosition(path), 30);
        QCOMPARE(minutesForSliderPosition(readSliderPosition(path)), 1);
    }

    void checkLeavesAnExistingFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("SliderSetting.txt");
        put(path, "450\r\n");
        SliderCheck(path);
        QCOMPARE(contents(path), QByteArray("450\r\n"));
    }

    void checkUsesTheProgramPath()
    {
        QFile::remove(sliderFilePath());
        SliderCheck();
        QCOMPARE(contents(sliderFilePath()), QByteArray("30\r\n"));
        QVERIFY(WriteSlider(15));
        QCOMPARE(readSliderPosition(), 450);
    }

    void checkIgnoresFailure()
    {
        QTemporaryDir dir;
        put(dir.filePath("blocker"), "a file, not a folder");
        const QString path = dir.filePath("blocker/SliderSetting.txt");
        SliderCheck(path); // must not throw or crash
        QCOMPARE(readSliderPosition(path), kDefaultSliderPosition);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("position");
        QTest::newRow("default") << "30" << 30;
        QTest::newRow("fifteen minutes") << "450" << 450;
        QTest::newRow("far right") << "1800" << 1800;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("leading blanks") << "   450" << 450;
        QTest::newRow("leading tab") << "\t450" << 450;
        QTest::newRow("trailing junk") << "450 twips" << 450;
        QTest::newRow("fraction rounds") << "450.6" << 451;
        QTest::newRow("half to even") << "450.5" << 450;
        QTest::newRow("plus sign") << "+60" << 60;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("junk") << "abc" << 0;
        QTest::newRow("sign alone") << "-" << 0;
        QTest::newRow("negative limited") << "-30" << 0;
        QTest::newRow("over the track limited") << "1801" << 1800;
        QTest::newRow("beyond 16 bits limited") << "70000" << 1800;
        QTest::newRow("huge limited") << QString(400, QLatin1Char('9')) << 1800;
        QTest::newRow("huge negative limited") << "-" + QString(400, QLatin1Char('9')) << 0;
        QTest::newRow("non-ascii digits are junk") << QString::fromUtf8("\u0664\u0665\u0660") << 0;
    }
    void parse()
    {
        QFETCH(QString, line);
        QFETCH(int, position);
        // A speech engine or plug-in may leave the FPU in another rounding
        // mode; the stored position must not depend on it.
        for (const int mode : {FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
            std::fesetround(mode);
            const int parsed = parseSliderPosition(line);
            std::fesetround(FE_TONEAREST);
            QCOMPARE(parsed, position);
        }
    }

    void readsOnlyTheFirstLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("position");
        QTest::newRow("crlf") << QByteArray("450\r\n") << 450;
        QTest::newRow("no line end") << QByteArray("1800") << 1800;
        QTest::newRow("more lines") << QByteArray("600\r\n900\r\n") << 600;
        QTest::newRow("empty first line") << QByteArray("\r\n450\r\n") << 0;
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("junk") << QByteArray("fifteen\r\n") << 0;
        QTest::newRow("negative") << QByteArray("-450\r\n") << 0;
        QTest::newRow("huge") << QByteArray("99999999999999999999\r\n") << 1800;
    }
    void readsOnlyTheFirstLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, position);
        QTemporaryDir dir;
        const QString path = dir.filePath("SliderSetting.txt");
        put(path, bytes);
        QCOMPARE(readSliderPosition(path), position);
    }

    void missingFileReadsAsTheDefault()
    {
        QTemporaryDir dir;
        QCOMPARE(readSliderPosition(dir.filePath("none.txt")), kDefaultSliderPosition);
    }

    void positionsGiveTheirIntervals_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("minutes");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("30") << 30 << 1;
        QTest::newRow("450") << 450 << 15;
        QTest::newRow("1800") << 1800 << 60;
    }
    void positionsGiveTheirIntervals()
    {
        QFETCH(int, position);
        QFETCH(int, minutes);
        QCOMPARE(minutesForSliderPosition(position), minutes);
    }

    void everyIntervalSurvivesARestart()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("SliderSetting.txt");
        for (int n = 0; n <= 60; ++n) {
            QVERIFY(WriteSlider(n, path));
            QCOMPARE(contents(path), QByteArray::number(n * 30) + "\r\n");
            QCOMPARE(minutesForSliderPosition(readSliderPosition(path)), n);
        }
    }

    void value_data()
    {
        QTest::addColumn<double>("rangeLeft");
        QTest::addColumn<int>("value");
        QTest::newRow("15") << 15.0 << 450;
        QTest::newRow("rounds to nearest") << 15.02 << 451;
        QTest::newRow("rounds down") << 15.01 << 450;
        QTest::newRow("zero") << 0.0 << 0;
        QTest::newRow("16-bit top") << 5000.0 << 32767;
        QTest::newRow("16-bit bottom") << -5000.0 << -32768;
    }
    void value()
    {
        QFETCH(double, rangeLeft);
        QFETCH(int, value);
        QCOMPARE(int(sliderValueFor(rangeLeft)), value);
    }

    void writeReplacesTheWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("SliderSetting.txt");
        put(path, "1800\r\nold second line\r\n");
        QVERIFY(WriteSlider(1, path));
        QCOMPARE(contents(path), QByteArray("30\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"SliderSetting.txt"});
    }

    void writeIsAtomic()
    {
        // A second name for the old file keeps the old contents only when the
        // new file replaces it whole instead of being written into it.
        QTemporaryDir dir;
        const QString path = dir.filePath("SliderSetting.txt");
        const QString twin = dir.filePath("twin.txt");
        put(path, "450\r\n");
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(twin).constData()), 0);
        QVERIFY(WriteSlider(60, path));
        QCOMPARE(contents(path), QByteArray("1800\r\n"));
        QCOMPARE(contents(twin), QByteArray("450\r\n"));
    }

    void writeFailureLeavesTheOldFile()
    {
        QTemporaryDir dir;
        put(dir.filePath("blocker"), "x");
        QVERIFY(!WriteSlider(15, dir.filePath("blocker/SliderSetting.txt")));
        QCOMPARE(contents(dir.filePath("blocker")), QByteArray("x"));
    }
};

HORAVOX_TEST_MAIN(TestSliderFile)
#include "test_slider_file.moc"
