// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chimes/chime_sounds.h"
#include "chimes/sound_file.h"
#include "test_files.h"
#include "test_main.h"

#include <QTemporaryDir>

#include <sndfile.h>

#include <cmath>

using namespace horavox;

Q_DECLARE_METATYPE(horavox::SoundFileError)

class TestSoundFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void readsOrRefuses_data();
    void readsOrRefuses();
    void ownSoundIsResampledToTheDevice();

private:
    QTemporaryDir m_dir;
};

namespace {
std::vector<int16_t> tone(int frames, int channels, int rate)
{
    std::vector<int16_t> s(size_t(frames) * size_t(channels));
    for (int f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
            s[size_t(f * channels + c)] = int16_t(8000 * std::sin(2 * M_PI * 440 * f / rate) * (c + 1));
    return s;
}

// A file in a format of libsndfile's own making (FLAC, Ogg Vorbis, WAV).
QString writeWithLibrary(const QString &path, int format, int channels, int rate, int frames)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *f = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    if (!f)
        return {};
    const std::vector<int16_t> s = tone(frames, channels, rate);
    sf_writef_short(f, s.data(), frames);
    sf_close(f);
    return path;
}
} // namespace

void TestSoundFile::initTestCase()
{
    QVERIFY(soundFileLibraryAvailable());
}

void TestSoundFile::readsOrRefuses_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<SoundFileError>("error");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("frames");
    const auto at = [this](const char *name) { return m_dir.filePath(QLatin1String(name)); };
    horavox_test::writeFile(at("empty.wav"), {});
    horavox_test::writeFile(at("text.wav"), "This is not a sound, only words about one.\n");
    horavox_test::writeFile(at("header-only.wav"), monoWavBytes({}, 44100));
    // One frame at a high rate resamples to no frame at all (found by the fuzzer).
    horavox_test::writeFile(at("one-frame.wav"), monoWavBytes({0}, 183535));
    QByteArray cut = monoWavBytes(std::vector<int16_t>(100, 1000), 44100);
    cut.truncate(30);
    horavox_test::writeFile(at("cut.wav"), cut);
    // A minute and a second of sound, in very few bytes.
    horavox_test::writeFile(at("long.wav"), monoWavBytes(std::vector<int16_t>(61 * 4000, 100), 4000));
    // Bigger than the cap: never read.
    horavox_test::writeFile(at("huge.wav"), QByteArray(kMaxSoundFileBytes + 1, '\0'));
    horavox_test::writeFile(at("mono.wav"), monoWavBytes(tone(22050, 1, 22050), 22050));
    QTest::newRow("missing") << at("none.wav") << SoundFileError::Missing << 0 << 0;
    QTest::newRow("a folder") << m_dir.path() << SoundFileError::Missing << 0 << 0;
    QTest::newRow("empty") << at("empty.wav") << SoundFileError::Empty << 0 << 0;
    QTest::newRow("not a sound") << at("text.wav") << SoundFileError::NotSound << 0 << 0;
    QTest::newRow("no samples") << at("header-only.wav") << SoundFileError::Empty << 0 << 0;
    QTest::newRow("too short to hear") << at("one-frame.wav") << SoundFileError::Empty << 0 << 0;
    QTest::newRow("cut short") << at("cut.wav") << SoundFileError::NotSound << 0 << 0;
    QTest::newRow("too long") << at("long.wav") << SoundFileError::TooLong << 0 << 0;
    QTest::newRow("huge") << at("huge.wav") << SoundFileError::TooLarge << 0 << 0;
    QTest::newRow("wav mono") << at("mono.wav") << SoundFileError::None << 22050 << 22050;
    QTest::newRow("flac stereo") << writeWithLibrary(at("s.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 2, 48000, 24000)
                                 << SoundFileError::None << 48000 << 24000;
    QTest::newRow("ogg vorbis") << writeWithLibrary(at("s.ogg"), SF_FORMAT_OGG | SF_FORMAT_VORBIS, 1, 44100, 44100)
                                << SoundFileError::None << 44100 << 44100;
}

void TestSoundFile::readsOrRefuses()
{
    QFETCH(QString, file);
    QFETCH(SoundFileError, error);
    QFETCH(int, rate);
    QFETCH(int, frames);
    QVERIFY(!file.isEmpty());
    const SoundFileResult r = readSoundFile(file);
    QCOMPARE(r.error, error);
    // Every refusal is told in words; a sound read is mono at its own rate.
    QCOMPARE(soundFileErrorText(r.error).isEmpty(), r.ok());
    if (!r.ok()) {
        QVERIFY(r.clip.samples.isEmpty());
        return;
    }
    QCOMPARE(r.clip.format, (PcmFormat{rate, 1, 16}));
    QCOMPARE(r.clip.frames(), qint64(frames));
}

void TestSoundFile::ownSoundIsResampledToTheDevice()
{
    const QString path = writeWithLibrary(m_dir.filePath(QStringLiteral("r.flac")), SF_FORMAT_FLAC | SF_FORMAT_PCM_16,
                                          2, 22050, 22050);
    const OwnSound own = ownSoundAt(path, 44100);
    QCOMPARE(own.error, SoundFileError::None);
    // A second of sound stays a second long at the device's rate.
    QVERIFY2(std::abs(int(own.samples.size()) - 44100) < 100, qPrintable(QString::number(own.samples.size())));
    QCOMPARE(ownSoundAt(m_dir.filePath(QStringLiteral("none.ogg")), 44100).error, SoundFileError::Missing);
}

HORAVOX_TEST_MAIN(TestSoundFile)
#include "test_sound_file.moc"
