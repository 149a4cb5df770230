// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A machine whose sound system cannot be reached: the driver named in the
// environment does not exist, so no wave output device is counted. The first
// clip reports "Sound Card Check", once until a device is found, and nothing
// waits.
#include "robustness_rig.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_media_control.h"
#include "test_main.h"

#include <QTest>

using namespace horavox;
using namespace horavox_test;

class TestAudioNoDevice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // Before the first use of SDL in this process.
        qputenv("SDL_AUDIODRIVER", "horavox_no_such_driver");
    }
    void init() { cleanFolders(); }

    void noDeviceIsCounted()
    {
        AudioOutput output;
        SdlMediaControl media(&output);
        QCOMPARE(output.deviceCount(), 0);
        QCOMPARE(media.waveOutDeviceCount(), 0);
    }

    void commandsFailWithoutBlocking()
    {
        AudioOutput output;
        SdlMediaControl media(&output);
        // A good clip: whatever fails below fails for want of a device.
        writeFile(clipFilePath(clipName("A")), readAll(QStringLiteral(":/CUSTOM/BLEEP")));
        QString reply = QStringLiteral("untouched");
        media.sendString(QStringLiteral("open c:\\tmpSndA.$$$ type waveaudio alias voice1"));
        media.sendString(QStringLiteral("play voice1"));
        media.sendString(QStringLiteral("status voice1 mode"), &reply);
        QVERIFY(reply != QLatin1String("playing"));
        QVERIFY(!output.isDeviceOpen());
    }

    void soundCardCheckIsReportedOnce_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::newRow("9:05 AM: time, nine, oh, five, AM") << QTime(9, 5, 0);
        QTest::newRow("12:00 PM: time, twelve, PM") << QTime(12, 0, 0);
    }

    void soundCardCheckIsReportedOnce()
    {
        QFETCH(QTime, time);
        AudioOutput output;
        SdlMediaControl media(&output);
        ClockWindowRig rig(kQuietSettings, "450\r\n", ClockWindowRig::Load::Whole,
                           {.start = QDateTime(QDate(2026, 12, 7), time), .media = &media});
        rig.form->speakNow();
        // The player's wait runs on the fake clock, which stands still here:
        // a wait for this device would never end and hit the test's limit.
        QCOMPARE(rig.sink.shown, QStringList{QStringLiteral("Sound Card Check|Your system cannot play WAV files")});
        QCOMPARE(media.waveOutDeviceCount(), 0);
        // The clock runs on: the next due minute tries its clips and returns,
        // without telling again what the user has been told.
        rig.sink.shown.clear();
        rig.tickAt(QTime(9, 14, 59));
        rig.tickAt(QTime(9, 15, 0));
        QCOMPARE(rig.sink.shown.size(), 0);
        QVERIFY(rig.form->state().WaveModeText != QLatin1String("playing"));
    }
};

HORAVOX_TEST_MAIN(TestAudioNoDevice)
#include "test_audio_no_device.moc"
