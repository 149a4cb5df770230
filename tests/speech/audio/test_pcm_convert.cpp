// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/audio/pcm_convert.h"
#include "test_main.h"
#include "wav_bytes.h"

#include <QTest>

#include <cmath>

using namespace horavox;
using namespace horavox_test;

namespace {

PcmClip clipOf(int rate, int channels, int bits, const QByteArray &samples)
{
    PcmClip c;
    c.format = {rate, channels, bits};
    c.samples = samples;
    return c;
}

QByteArray mono16(const std::vector<int16_t> &v)
{
    QByteArray b;
    for (int16_t s : v)
        put16(b, quint16(s));
    return b;
}

} // namespace

class TestPcmConvert : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unsigned8BitMapsAroundMidpoint_data();
    void unsigned8BitMapsAroundMidpoint();
    void sameFormatIsUntouched();
    void stereoBecomesMono();
    void rateChangeKeepsDuration_data();
    void rateChangeKeepsDuration();
    void unusableFormatGivesNothing_data();
    void unusableFormatGivesNothing();
    void piecewiseMatchesWhole();
};

void TestPcmConvert::unsigned8BitMapsAroundMidpoint_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("expected");
    // 8-bit samples are unsigned with 128 as silence; a signed reading would
    // turn silence into a full-scale square wave.
    QTest::newRow("silence") << 128 << 0;
    QTest::newRow("lowest") << 0 << -32768;
    QTest::newRow("highest") << 255 << 32512;
    QTest::newRow("just above silence") << 129 << 256;
}

void TestPcmConvert::unsigned8BitMapsAroundMidpoint()
{
    QFETCH(int, byte);
    const std::vector<int16_t> out =
        convertToMono16(clipOf(22050, 1, 8, QByteArray(64, char(byte))), 22050);
    QCOMPARE(out.size(), size_t(64));
    QFETCH(int, expected);
    QVERIFY2(std::abs(out[32] - expected) <= 1, qPrintable(QString::number(out[32])));
}

void TestPcmConvert::sameFormatIsUntouched()
{
    std::vector<int16_t> in;
    for (int i = 0; i < 500; ++i)
        in.push_back(int16_t((i * 97) % 20000 - 10000));
    const std::vector<int16_t> out = convertToMono16(clipOf(44100, 1, 16, mono16(in)), 44100);
    QCOMPARE(out, in);
}

void TestPcmConvert::stereoBecomesMono()
{
    QByteArray b;
    for (int i = 0; i < 100; ++i) {
        put16(b, quint16(int16_t(8000)));
        put16(b, quint16(int16_t(-2000)));
    }
    const std::vector<int16_t> out = convertToMono16(clipOf(44100, 2, 16, b), 44100);
    QCOMPARE(out.size(), size_t(100));
    QVERIFY2(std::abs(out[50] - 3000) <= 1, qPrintable(QString::number(out[50])));
}

void TestPcmConvert::rateChangeKeepsDuration_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("to");
    QTest::newRow("bleep 11025 -> 44100") << 11025 << 8 << 44100;
    QTest::newRow("flite 16000 -> 44100") << 16000 << 16 << 44100;
    QTest::newRow("espeak 22050 -> 44100") << 22050 << 16 << 44100;
    QTest::newRow("44100 -> 22050") << 44100 << 16 << 22050;
    QTest::newRow("8000 -> 48000") << 8000 << 16 << 48000;
}

void TestPcmConvert::rateChangeKeepsDuration()
{
    QFETCH(int, from);
    QFETCH(int, bits);
    QFETCH(int, to);
    const int frames = from / 2; // half a second
    const PcmClip clip = clipOf(from, 1, bits, QByteArray(frames * bits / 8, bits == 8 ? '\x90' : '\x10'));
    const std::vector<int16_t> out = convertToMono16(clip, to);
    const double expected = double(frames) * to / from;
    QVERIFY2(std::abs(double(out.size()) - expected) <= 1,
             qPrintable(QStringLiteral("%1 frames, expected %2").arg(out.size()).arg(expected)));
    // The middle keeps the level.
    const int16_t mid = out[out.size() / 2];
    const int16_t level = bits == 8 ? int16_t((0x90 - 128) << 8) : int16_t(0x1010);
    QVERIFY2(std::abs(mid - level) <= 64, qPrintable(QString::number(mid)));
}

void TestPcmConvert::unusableFormatGivesNothing_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("bits");
    QTest::newRow("no rate") << 0 << 1 << 16;
    QTest::newRow("no channels") << 8000 << 0 << 16;
    QTest::newRow("12 bits") << 8000 << 1 << 12;
}

void TestPcmConvert::unusableFormatGivesNothing()
{
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, bits);
    QVERIFY(convertToMono16(clipOf(rate, channels, bits, QByteArray(64, 'x')), 44100).empty());
    QVERIFY(!PcmConverter({rate, channels, bits}, 44100).isValid());
}

void TestPcmConvert::piecewiseMatchesWhole()
{
    // Speech arrives in uneven pieces; the result must not depend on where
    // the pieces break.
    std::vector<int16_t> in;
    for (int i = 0; i < 16000; ++i)
        in.push_back(int16_t(8000 * std::sin(i * 0.05)));
    const QByteArray bytes = mono16(in);
    const std::vector<int16_t> whole = convertToMono16(clipOf(16000, 1, 16, bytes), 44100);

    PcmConverter conv({16000, 1, 16}, 44100);
    std::vector<int16_t> pieces;
    qsizetype pos = 0;
    int step = 1;
    while (pos < bytes.size()) {
        const qsizetype n = std::min<qsizetype>(qsizetype(step) * 2, bytes.size() - pos);
        conv.put(bytes.constData() + pos, n, pieces);
        pos += n;
        step = step * 3 % 1021 + 1;
    }
    conv.flush(pieces);
    QCOMPARE(pieces.size(), whole.size());
    int worst = 0;
    size_t where = 0;
    // The last few frames meet the padding that ends the stream and may be
    // shaped differently by the resampler; everything before must agree.
    for (size_t i = 0; i + 16 < whole.size(); ++i) {
        if (std::abs(whole[i] - pieces[i]) > worst) {
            worst = std::abs(whole[i] - pieces[i]);
            where = i;
        }
    }
    // SDL rounds the resampling phase at each piece, which may shift the
    // output by up to one output frame (about 150 for this wave); a lost or
    // doubled input frame would jump by 400 and more.
    QVERIFY2(worst <= 250, qPrintable(QStringLiteral("%1 at %2").arg(worst).arg(where)));
}

HORAVOX_TEST_MAIN(TestPcmConvert)
#include "test_pcm_convert.moc"
