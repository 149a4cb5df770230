// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engines/direct_ss.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_media_control.h"
#include "test_main.h"
#include "wav_bytes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace horavox;
using namespace horavox_test;

// A machine that cannot play sound: every sound path must say so and carry
// on, never hang or crash.
class TestNoAudioDevice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // A driver that does not exist makes SDL's audio start fail, as on a
        // machine without any sound system.
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
    }

    void outputCountsNoDeviceAndStartsNothing()
    {
        AudioOutput out;
        QCOMPARE(out.deviceCount(), 0);
        auto voice = out.createClipVoice(std::make_shared<const std::vector<int16_t>>(100, 5));
        QVERIFY(!out.start(voice));
        QVERIFY(voice->isOver());
        QVERIFY(!out.isDeviceOpen());
    }

    void mediaControlRefusesToPlay()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("clip.wav"));
        QVERIFY(writeFile(path, constantMono16(44100, 4410, 100)));
        SdlMediaControl mc;
        QSignalSpy ended(&mc, &MediaControl::playbackEnded);
        QCOMPARE(mc.waveOutDeviceCount(), 0);
        QCOMPARE(mc.sendString(QStringLiteral("open %1 type waveaudio alias voice1").arg(path)), 0);
        QCOMPARE(mc.sendString(QStringLiteral("play voice1")), int(SdlMediaControl::NoDevice));
        QString reply;
        QCOMPARE(mc.sendString(QStringLiteral("status voice1 mode"), &reply), 0);
        QCOMPARE(reply, QStringLiteral("stopped")); // a waiting player is not stuck
        QCOMPARE(mc.sendString(QStringLiteral("stop voice1")), 0);
        QCOMPARE(mc.sendString(QStringLiteral("close voice1")), 0);
        QTest::qWait(50);
        QCOMPARE(ended.count(), 0); // nothing played, so nothing ended
    }

    void speechEngineFallsSilent()
    {
        DirectSS::Options o;
        o.engines = DirectSS::Flite;
        DirectSS ss(nullptr, o);
        QCOMPARE(ss.TtsEngineCount(), qint16(1));
        ss.TtsSpeak(QStringLiteral("Nobody hears this"));
        QTRY_COMPARE_WITH_TIMEOUT(ss.TtsBusy(), qint16(0), 10000);
    }
};

HORAVOX_TEST_MAIN(TestNoAudioDevice)
#include "test_no_audio_device.moc"
