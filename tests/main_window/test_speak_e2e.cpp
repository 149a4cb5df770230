// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole road of an on-demand announcement: the main window at a fake
// 9:05 AM, the Speak button pressed, the real clip player rendering through
// SDL's disk driver. What reaches the "device" must be the five clips in
// order, each whole, each starting on the sample after the last one's end.
#include "main_window/main_form.h"

#include "clock_window_rig.h"
#include "main_window/image_control.h"
#include "resources/resources.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_media_control.h"
#include "speech/audio/wav_reader.h"
#include "test_main.h"
#include "main_form_parts.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>

using namespace horavox;
using namespace horavox_test;

namespace {

std::vector<int16_t> clipSamples(const char *resource)
{
    const WavResult wav = parseWav(resourceBytes(QStringLiteral("CUSTOM"), QLatin1String(resource)));
    const QByteArray &bytes = wav.clip.samples;
    std::vector<int16_t> out(size_t(bytes.size()) / 2);
    std::memcpy(out.data(), bytes.constData(), out.size() * 2);
    return out;
}

} // namespace

class TestSpeakEndToEnd : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void speakAtFivePastNine()
    {
        QTemporaryDir dir;
        const QString recording = dir.filePath(QStringLiteral("device.raw"));
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", recording.toLocal8Bit());

        {
            // A long end notice: the join must not depend on how soon this
            // thread answers on a busy machine.
            AudioOutput::Options options;
            options.idleCloseMs = 200;
            options.endNoticeMs = 1000;
            AudioOutput output(options);
            SdlMediaControl media(&output);
            ClockWindowRig rig(kQuietSettings, "0\r\n", ClockWindowRig::Load::Whole, {.media = &media});
            QVERIFY(media.waveOutDeviceCount() > 0);

            QTest::mousePress(formPart<PictureButton>(*rig.form, "SpeakB"), Qt::LeftButton);
            QTest::mouseRelease(formPart<PictureButton>(*rig.form, "SpeakB"), Qt::LeftButton);
            QCOMPARE(rig.sink.shown, QStringList());
            // The device closes itself after a short silence, flushing the file.
            QTRY_VERIFY_WITH_TIMEOUT(!output.isDeviceOpen(), 5000);
        }

        QFile f(recording);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray raw = f.readAll();
        std::vector<int16_t> heard(size_t(raw.size()) / 2);
        std::memcpy(heard.data(), raw.constData(), heard.size() * 2);

        const char *expected[] = {"TIME", "NINE", "OH", "FIVE", "AM"};
        auto from = heard.begin();
        qint64 previousEnd = -1;
        qint64 worstGap = 0;
        for (const char *word : expected) {
            const std::vector<int16_t> clip = clipSamples(word);
            QVERIFY2(!clip.empty(), word);
            const auto at = std::search(from, heard.end(), clip.begin(), clip.end());
            QVERIFY2(at != heard.end(), qPrintable(QStringLiteral("%1 not heard whole, in order").arg(word)));
            const qint64 start = at - heard.begin();
            if (previousEnd >= 0) {
                // Only silence lies between two clips.
                QVERIFY(std::all_of(heard.begin() + previousEnd, at, [](int16_t s) { return s == 0; }));
                worstGap = std::max(worstGap, start - previousEnd);
            }
            previousEnd = start + qint64(clip.size());
            from = at + qint64(clip.size());
        }
        QVERIFY2(worstGap == 0, qPrintable(QStringLiteral("gap of %1 samples").arg(worstGap)));
    }
};

HORAVOX_TEST_MAIN(TestSpeakEndToEnd)
#include "test_speak_e2e.moc"
