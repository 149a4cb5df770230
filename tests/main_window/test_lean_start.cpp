// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What starts with the program and what waits for the first sound: the real
// main window, media layer, audio output and speech engine, loaded as the
// program loads them with text-to-speech chosen.
#include "main_window/main_form.h"

#include "engines/direct_ss.h"
#include "clock_window_rig.h"
#include "settings/settings_window.h"
#include "settings_control.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_audio.h"
#include "speech/audio/sdl_media_control.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>

using namespace horavox;
using namespace horavox_test;

namespace {

// True when a library whose file name holds `part` is mapped into this process.
bool mapped(const char *part)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(part);
}

} // namespace

class TestLeanStart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void soundAndSpeechWaitForTheFirstSentence()
    {
        AudioOutput audio;
        SdlMediaControl media(&audio);
        // The engines the program offers, speech-dispatcher's among them.
        DirectSS engine(&audio, DirectSS::Options{DirectSS::AllEngines | DirectSS::Dispatcher, QString()});
        ClockWindowRig rig(kQuietSpeechSettings, "0\r\n", ClockWindowRig::Load::Whole,
                           {.media = &media, .engine = &engine});
        MainForm &window = *rig.form;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Timer1_Timer();

        // Shown, ticking, with the settings window's engine count and voice,
        // and nothing of the sound or the engines loaded. The settings
        // window's text boxes would bring in the font system: they wait for
        // it to be opened.
        Settings *settings = window.settingsWindow();
        QVERIFY(!settings->hasControls());
        QCOMPARE(settingsControl<QLabel>(settings, "Label10")->text(),
                 QStringLiteral("There are 3 TTS engines installed"));
        QCOMPARE(settingsControl<QGroupBox>(settings, "Frame2")->title(),
                 QStringLiteral("TTS Speed of voice \"US female\""));
        QVERIFY(!sdlLoaded());
        QVERIFY(!mapped("libSDL2"));
        QVERIFY(!mapped("horavox_voices"));
        QVERIFY(!mapped("libspeechd"));
        QVERIFY(!engine.engineStarted());

        // The first sentence brings them.
        window.speakNow();
        QVERIFY(engine.TtsBusy() != 0);
        QTRY_COMPARE_WITH_TIMEOUT(engine.TtsBusy(), qint16(0), 30000);
        QVERIFY(sdlLoaded());
        QVERIFY(mapped("libSDL2"));
        QVERIFY(mapped("horavox_voices"));
        QVERIFY(engine.engineStarted());
        QVERIFY(!mapped("libspeechd")); // a voice of the program's own spoke
        QCOMPARE(engine.TtsEngineCount(), qint16(3));
        window.saveForExit();
    }
};

HORAVOX_TEST_MAIN(TestLeanStart)
#include "test_lean_start.moc"
