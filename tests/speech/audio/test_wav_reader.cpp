// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/audio/wav_reader.h"
#include "test_main.h"
#include "wav_bytes.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace horavox;
using namespace horavox_test;

Q_DECLARE_METATYPE(horavox::WavError)

class TestWavReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void keepsSampleBytes();
    void dropsPartialFrame();
    void readFile_data();
    void readFile();
    void refusesFileOverCapWithoutReading();
};

void TestWavReader::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<horavox::WavError>("error");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bits");
    QTest::addColumn<qint64>("frames");

    const QByteArray fourBytes("\x01\x02\x03\x04", 4);
    QTest::newRow("16-bit mono") << wav(44100, 1, 16, QByteArray(200, 'a')) << WavError::None
                                 << 44100 << 1 << 16 << qint64(100);
    QTest::newRow("8-bit mono") << wav(11025, 1, 8, QByteArray(99, '\x80')) << WavError::None
                                << 11025 << 1 << 8 << qint64(99);
    QTest::newRow("16-bit stereo") << wav(22050, 2, 16, QByteArray(400, 'b')) << WavError::None
                                   << 22050 << 2 << 16 << qint64(100);
    QTest::newRow("8-bit stereo") << wav(8000, 2, 8, QByteArray(50, 'c')) << WavError::None
                                  << 8000 << 2 << 8 << qint64(25);
    QTest::newRow("empty data chunk") << wav(44100, 1, 16, {}) << WavError::None << 44100 << 1
                                      << 16 << qint64(0);

    // Files from real tools carry extra chunks before and after the samples,
    // with odd lengths padded to a word.
    QTest::newRow("LIST chunk first, odd length")
        << riff(chunk("LIST", QByteArray(7, 'x')) + fmtChunk(16000, 1, 16)
                + chunk("data", QByteArray(20, 'd')))
        << WavError::None << 16000 << 1 << 16 << qint64(10);
    QTest::newRow("odd chunk between fmt and data")
        << riff(fmtChunk(16000, 1, 8) + chunk("fact", QByteArray(3, 'f'))
                + chunk("data", QByteArray(5, 'd')))
        << WavError::None << 16000 << 1 << 8 << qint64(5);
    QTest::newRow("odd data without trailing pad byte")
        << riff(fmtChunk(8000, 1, 8) + chunk("data", QByteArray(3, 'd'), false))
        << WavError::None << 8000 << 1 << 8 << qint64(3);
    {
        QByteArray wrongRiffSize = wav(8000, 1, 8, QByteArray(10, 'd'));
        wrongRiffSize[4] = '\x7f'; // RIFF length far too big: tolerated
        QTest::newRow("wrong RIFF length") << wrongRiffSize << WavError::None << 8000 << 1 << 8
                                           << qint64(10);
    }

    QTest::newRow("empty") << QByteArray() << WavError::Empty << 0 << 0 << 0 << qint64(0);
    QTest::newRow("shorter than header") << QByteArray("RIFF\0\0", 6) << WavError::NotRiff << 0
                                         << 0 << 0 << qint64(0);
    QTest::newRow("not RIFF") << QByteArray("RIFX").append(wav(8000, 1, 8, fourBytes).mid(4))
                              << WavError::NotRiff << 0 << 0 << 0 << qint64(0);
    QTest::newRow("RIFF but not WAVE")
        << QByteArray("RIFF\x10\0\0\0AVI ", 12) + chunk("data", fourBytes) << WavError::NotWave
        << 0 << 0 << 0 << qint64(0);
    QTest::newRow("header only") << riff({}) << WavError::NoFormat << 0 << 0 << 0 << qint64(0);
    QTest::newRow("truncated chunk header")
        << riff(fmtChunk(8000, 1, 8)).append("dat") << WavError::NoData << 0 << 0 << 0
        << qint64(0);
    QTest::newRow("fmt chunk cut short") << riff(fmtChunk(8000, 1, 8).left(20))
                                         << WavError::Truncated << 0 << 0 << 0 << qint64(0);
    {
        QByteArray longData = wav(8000, 1, 8, fourBytes);
        longData.chop(1);
        QTest::newRow("data size beyond file") << longData << WavError::Truncated << 0 << 0 << 0
                                               << qint64(0);
    }
    {
        QByteArray huge = riff(fmtChunk(8000, 1, 8)) + QByteArray("data\xff\xff\xff\x7f", 8)
                          + fourBytes;
        QTest::newRow("absurd declared data size") << huge << WavError::Truncated << 0 << 0 << 0
                                                   << qint64(0);
    }
    {
        QByteArray hugeOther = riff(QByteArray("junk\xff\xff\xff\xff", 8) + fmtChunk(8000, 1, 8));
        QTest::newRow("absurd size of an unknown chunk")
            << hugeOther << WavError::Truncated << 0 << 0 << 0 << qint64(0);
    }
    QTest::newRow("data before fmt")
        << riff(chunk("data", fourBytes) + fmtChunk(8000, 1, 8)) << WavError::NoFormat << 0 << 0
        << 0 << qint64(0);
    QTest::newRow("no data chunk") << riff(fmtChunk(8000, 1, 8) + chunk("LIST", fourBytes))
                                   << WavError::NoData << 0 << 0 << 0 << qint64(0);
    QTest::newRow("ADPCM format tag")
        << riff(fmtChunk(8000, 1, 4, 2) + chunk("data", fourBytes)) << WavError::NotPcm << 0 << 0
        << 0 << qint64(0);
    QTest::newRow("float format tag")
        << riff(fmtChunk(8000, 1, 32, 3) + chunk("data", fourBytes)) << WavError::NotPcm << 0
        << 0 << 0 << qint64(0);
    QTest::newRow("24-bit PCM") << wav(8000, 1, 24, QByteArray(6, 'x')) << WavError::BadFormat
                                << 0 << 0 << 0 << qint64(0);
    QTest::newRow("six channels") << wav(8000, 6, 16, QByteArray(12, 'x'))
                                  << WavError::BadFormat << 0 << 0 << 0 << qint64(0);
    QTest::newRow("zero channels") << wav(8000, 0, 16, fourBytes) << WavError::BadFormat << 0
                                   << 0 << 0 << qint64(0);
    QTest::newRow("zero rate") << wav(0, 1, 16, fourBytes) << WavError::BadFormat << 0 << 0 << 0
                               << qint64(0);
    {
        QByteArray badAlign = wav(8000, 1, 16, fourBytes);
        badAlign[12 + 8 + 12] = 7; // block alignment
        QTest::newRow("block alignment disagrees") << badAlign << WavError::BadFormat << 0 << 0
                                                   << 0 << qint64(0);
    }
}

void TestWavReader::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(horavox::WavError, error);
    const WavResult r = parseWav(bytes);
    QCOMPARE(r.error, error);
    if (error != WavError::None) {
        QVERIFY(r.clip.samples.isEmpty());
        return;
    }
    QTEST(r.clip.format.sampleRate, "rate");
    QTEST(r.clip.format.channels, "channels");
    QTEST(r.clip.format.bitsPerSample, "bits");
    QTEST(r.clip.frames(), "frames");
}

void TestWavReader::keepsSampleBytes()
{
    QByteArray samples;
    for (int i = 0; i < 64; ++i)
        samples.append(char(i * 3));
    const WavResult r = parseWav(riff(chunk("LIST", QByteArray(5, 'z')) + fmtChunk(11025, 1, 8)
                                      + chunk("data", samples) + chunk("LIST", "tail")));
    QVERIFY(r.ok());
    QCOMPARE(r.clip.samples, samples);
    QCOMPARE(r.clip.durationMs(), 64 * 1000 / 11025);
}

void TestWavReader::dropsPartialFrame()
{
    // Seven bytes of 16-bit stereo hold one whole frame and a fragment.
    const WavResult r = parseWav(wav(8000, 2, 16, QByteArray(7, 'q')));
    QVERIFY(r.ok());
    QCOMPARE(r.clip.frames(), qint64(1));
    QCOMPARE(r.clip.samples.size(), 4);
}

void TestWavReader::readFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<horavox::WavError>("error");

    QTest::newRow("good") << "good.wav" << wav(44100, 1, 16, QByteArray(882, 'a'))
                          << WavError::None;
    QTest::newRow("empty file") << "empty.wav" << QByteArray() << WavError::Empty;
    QTest::newRow("missing") << QString() << QByteArray() << WavError::Missing;
    QByteArray noise(4096, Qt::Uninitialized);
    QRandomGenerator rng(20240601);
    for (char &c : noise)
        c = char(rng.bounded(256));
    noise[0] = 'M'; // so that it never starts "RIFF" by chance
    QTest::newRow("random bytes") << "noise.wav" << noise << WavError::NotRiff;
    QTest::newRow("text file") << "notes.wav" << QByteArray("just some words\n")
                               << WavError::NotRiff;
}

void TestWavReader::readFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(horavox::WavError, error);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("absent.wav"));
    if (!name.isEmpty()) {
        path = dir.filePath(name);
        QVERIFY(writeFile(path, bytes));
    }
    QCOMPARE(readWavFile(path).error, error);
}

void TestWavReader::refusesFileOverCapWithoutReading()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.wav"));
    const QByteArray good = wav(44100, 1, 16, QByteArray(2000, 'a'));
    QVERIFY(writeFile(path, good));
    QCOMPARE(readWavFile(path, 1000).error, WavError::TooLarge);
    QCOMPARE(readWavFile(path, good.size()).error, WavError::None);
    // A cap far above any file reads the file, not a buffer of the cap's size.
    QCOMPARE(readWavFile(path, std::numeric_limits<qint64>::max() - 1).error, WavError::None);

    // A sparse file far beyond the cap: refused from its size alone.
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.resize(kMaxWavFileBytes + 1));
    f.close();
    QCOMPARE(readWavFile(path).error, WavError::TooLarge);
    QCOMPARE(readWavFile(dir.path()).error, WavError::Missing); // a folder is no clip
}

HORAVOX_TEST_MAIN(TestWavReader)
#include "test_wav_reader.moc"
