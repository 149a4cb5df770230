// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound path against a real sound server: a private PulseAudio server
// with a null sink, whose monitor is recorded as a listener would hear it.
#include "engines/direct_ss.h"
#include "pulse_server.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_media_control.h"
#include "tap_recorder.h"
#include "test_main.h"
#include "wav_bytes.h"

#include <QEventLoop>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace horavox;
using namespace horavox_test;

namespace {

// A clip with no silent sample, different in every clip, so that a sample
// out of place or missing shows.
std::vector<int16_t> ramp(int frames, int seed)
{
    std::vector<int16_t> s(size_t(frames), 0);
    for (int i = 0; i < frames; ++i)
        s[size_t(i)] = int16_t(1 + (i * 7 + seed * 331) % 20000);
    return s;
}

QByteArray wavOf(const std::vector<int16_t> &s, int rate)
{
    QByteArray data(reinterpret_cast<const char *>(s.data()), qsizetype(s.size() * 2));
    return wav(rate, 1, 16, data);
}

std::vector<int16_t> withoutSilence(std::vector<int16_t> s)
{
    std::erase(s, int16_t(0));
    return s;
}

// The value of one property of the sink input whose client is this process.
QString sinkInputProperty(const QString &listing, const QString &key)
{
    const QRegularExpression re(QStringLiteral("^\\s*%1 = \"([^\"]*)\"").arg(QRegularExpression::escape(key)),
                                QRegularExpression::MultilineOption);
    const auto m = re.match(listing);
    return m.hasMatch() ? m.captured(1) : QStringLiteral("<missing>");
}

// Plays clips the way the clock does: open, play, sleep until the end is
// signalled, close, and on to the next with nothing in between.
void playInTurn(SdlMediaControl &mc, const QStringList &files)
{
    for (const QString &file : files) {
        QCOMPARE(mc.sendString(QStringLiteral("open %1 type waveaudio alias voice1").arg(file)), 0);
        QEventLoop wait;
        QObject::connect(&mc, &MediaControl::playbackEnded, &wait, &QEventLoop::quit);
        QTimer::singleShot(10000, &wait, &QEventLoop::quit);
        QCOMPARE(mc.sendString(QStringLiteral("play voice1")), 0);
        wait.exec();
        QString mode;
        mc.sendString(QStringLiteral("status voice1 mode"), &mode);
        QCOMPARE(mode, QStringLiteral("stopped"));
        QCOMPARE(mc.sendString(QStringLiteral("close voice1")), 0);
    }
}

} // namespace

class TestPulseOutput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void streamSaysWhoItIs_data();
    void streamSaysWhoItIs();
    void soundArrivesWhole_data();
    void soundArrivesWhole();
    void cutVoiceIsNotHeardAfterTheCut();

private:
    PulseServer m_pulse;
    QTemporaryDir m_dir;
};

void TestPulseOutput::initTestCase()
{
    if (!PulseServer::installed())
        QSKIP("pulseaudio and pulseaudio-utils are not installed (scripts/bootstrap installs them)");
    QVERIFY2(m_pulse.start(), qPrintable(m_pulse.error()));
    m_pulse.pointProcessAtIt();
}

void TestPulseOutput::streamSaysWhoItIs_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("expected");
    QTest::newRow("application name") << "application.name" << "Horavox";
    QTest::newRow("icon") << "application.icon_name" << "horavox";
    QTest::newRow("stream name") << "media.name" << "Spoken time";
    QTest::newRow("role") << "media.role" << "a11y";
}

void TestPulseOutput::streamSaysWhoItIs()
{
    QFETCH(QString, property);
    AudioOutput out;
    QVERIFY(out.deviceCount() > 0);
    auto voice = out.createStreamVoice(PcmFormat{44100, 1, 16});
    QVERIFY(out.start(voice));
    QString listing;
    QTRY_VERIFY_WITH_TIMEOUT(m_pulse.pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")}, &listing) == 0
                                 && listing.contains(QLatin1String("Sink Input #")),
                             5000);
    QTEST(sinkInputProperty(listing, property), "expected");
    out.stop(voice);
}

void TestPulseOutput::soundArrivesWhole_data()
{
    QTest::addColumn<QList<int>>("rates");
    QTest::addColumn<QList<int>>("lengths");
    QTest::addColumn<QString>("sentence");
    // Clips at the device's rate, one shorter than the end notice; a clip
    // that is resampled on the way; a sentence from the speech engine.
    QTest::newRow("three clips in turn") << QList<int>{44100, 44100, 44100} << QList<int>{9000, 2000, 15000} << QString();
    QTest::newRow("resampled clip") << QList<int>{11025} << QList<int>{6615} << QString();
    QTest::newRow("sentence") << QList<int>{} << QList<int>{} << "The Time is Now 07:45 AM";
}

void TestPulseOutput::soundArrivesWhole()
{
    QFETCH(QList<int>, rates);
    QFETCH(QList<int>, lengths);
    QFETCH(QString, sentence);
    AudioOutput out;
    TapRecorder tap(out);
    auto recording = m_pulse.recordSink();
    QVERIFY(recording);
    if (sentence.isEmpty()) {
        SdlMediaControl mc(&out);
        QStringList files;
        for (int i = 0; i < rates.size(); ++i) {
            files << m_dir.filePath(QStringLiteral("clip%1.wav").arg(i));
            QVERIFY(writeFile(files.last(), wavOf(ramp(lengths[i], i + 1), rates[i])));
        }
        playInTurn(mc, files);
    } else {
        DirectSS engine(&out, DirectSS::Options{});
        if (engine.TtsEngineCount() == 0)
            QSKIP("no speech engine");
        engine.TtsSpeak(sentence);
        QTRY_COMPARE_WITH_TIMEOUT(engine.TtsBusy(), qint16(0), 20000);
    }
    // Every sample the mixer sent, in order and nothing else: a busy machine
    // may stretch the silences, never the sound itself.
    QTRY_VERIFY_WITH_TIMEOUT(out.activeVoices() == 0, 5000);
    const std::vector<int16_t> sent = withoutSilence(tap.samples());
    QVERIFY(sent.size() > 1000);
    QTRY_VERIFY_WITH_TIMEOUT(size_t(recording->bytesSoFar() / 2) >= tap.size(), 5000);
    QTest::qWait(100);
    const std::vector<int16_t> heard = withoutSilence(recording->stop());
    QCOMPARE(heard.size(), sent.size());
    QVERIFY(heard == sent);
    if (!rates.isEmpty() && rates.first() == 44100) {
        std::vector<int16_t> clips;
        for (int i = 0; i < lengths.size(); ++i) {
            const std::vector<int16_t> c = ramp(lengths[i], i + 1);
            clips.insert(clips.end(), c.begin(), c.end());
        }
        QVERIFY(heard == clips);
    }
}

// A sentence started again (Speak pressed while the engine talks): what the
// device and the sound server still held of the first must not be heard
// after the press, and the new one must come whole.
void TestPulseOutput::cutVoiceIsNotHeardAfterTheCut()
{
    AudioOutput out;
    TapRecorder tap(out);
    auto recording = m_pulse.recordSink();
    QVERIFY(recording);
    constexpr int16_t kFirst = 3000, kSecond = -3000;
    const auto first = out.createClipVoice(std::make_shared<const std::vector<int16_t>>(size_t(3 * 44100), kFirst));
    QVERIFY(out.start(first));
    const auto sentOfFirst = [&] {
        const std::vector<int16_t> sent = tap.samples();
        return size_t(std::count(sent.begin(), sent.end(), kFirst));
    };
    QTRY_VERIFY_WITH_TIMEOUT(sentOfFirst() > 44100 / 2, 5000);
    out.cut(first);
    const size_t sentAtCut = sentOfFirst();
    const auto second = out.createClipVoice(std::make_shared<const std::vector<int16_t>>(size_t(44100 / 2), kSecond));
    QVERIFY(out.start(second));
    QTRY_VERIFY_WITH_TIMEOUT(out.activeVoices() == 0, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(size_t(recording->bytesSoFar() / 2) >= tap.size(), 5000);
    QTest::qWait(200);
    const std::vector<int16_t> heard = recording->stop();
    QCOMPARE(sentOfFirst(), sentAtCut);
    const size_t heardOfFirst = size_t(std::count(heard.begin(), heard.end(), kFirst));
    qInfo("cut: %zu of %zu samples sent of the first sound were heard", heardOfFirst, sentAtCut);
    // What had gone to the sound server but was not yet played at the cut
    // is thrown away, not played late: at least a few milliseconds of it.
    QVERIFY2(heardOfFirst + 44100 / 200 < sentAtCut,
             qPrintable(QStringLiteral("%1 of %2 sent samples heard").arg(heardOfFirst).arg(sentAtCut)));
    const auto secondStarts = std::find(heard.begin(), heard.end(), kSecond);
    QVERIFY(std::find(secondStarts, heard.end(), kFirst) == heard.end());
    QCOMPARE(size_t(std::count(heard.begin(), heard.end(), kSecond)), size_t(44100 / 2));
}

HORAVOX_TEST_MAIN(TestPulseOutput)
#include "test_pulse_output.moc"
