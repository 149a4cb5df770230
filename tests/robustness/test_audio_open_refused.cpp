// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A device that is listed but refuses to open (busy, or its output cannot be
// created): SDL's disk driver with its output file under a regular file.
// Clips fail silently, one after another, and the clock goes on.
#include "robustness_rig.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_media_control.h"
#include "test_main.h"
#include "main_form_parts.h"

#include <QTemporaryDir>
#include <QTest>

using namespace horavox;
using namespace horavox_test;

class TestAudioOpenRefused : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        writeFile(m_dir.filePath(QStringLiteral("blocker")), "a file, not a folder");
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", m_dir.filePath(QStringLiteral("blocker/out.raw")).toLocal8Bit());
        qputenv("SDL_DISKAUDIODELAY", "0");
    }
    void init() { cleanFolders(); }

    void playFailsAndReportsStopped()
    {
        AudioOutput output;
        SdlMediaControl media(&output);
        writeFile(dataDir() + QStringLiteral("/b.wav"), readAll(QStringLiteral(":/CUSTOM/BLEEP")));
        QCOMPARE(media.sendString(QStringLiteral("open %1 type waveaudio alias voice1").arg(dataDir() + QStringLiteral("/b.wav"))), 0);
        QVERIFY(media.sendString(QStringLiteral("play voice1")) != 0);
        QString reply;
        QCOMPARE(media.sendString(QStringLiteral("status voice1 mode"), &reply), 0);
        QVERIFY(reply != QLatin1String("playing"));
        QVERIFY(!output.isDeviceOpen());
    }

    void announcementGoesOnSilently_data()
    {
        QTest::addColumn<int>("rounds");
        QTest::newRow("once") << 1;
        QTest::newRow("again and again") << 3;
    }

    void announcementGoesOnSilently()
    {
        QFETCH(int, rounds);
        AudioOutput output;
        SdlMediaControl media(&output);
        ClockWindowRig rig(kQuietSettings, "450\r\n", ClockWindowRig::Load::Whole, {.media = &media});
        for (int i = 0; i < rounds; ++i)
            rig.form->speakNow();
        // The player's wait runs on the fake clock, which stands still here:
        // a wait for this device would never end and hit the test's limit.
        QVERIFY(rig.form->state().WaveModeText != QLatin1String("playing"));
        QVERIFY(!formPart<SheerPicture>(*rig.form, "SheerPicture1")->isVisibleTo(rig.form.get()));
        // The device is listed, so the sound-card message is not the answer.
        QVERIFY(rig.sink.shown.isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

HORAVOX_TEST_MAIN(TestAudioOpenRefused)
#include "test_audio_open_refused.moc"
