// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Stand-ins for the settings window and the speech engine, shared by the
// speech and scheduler tests.
#include "core/speech_engine.h"
#include "core/clock.h"
#include "core/settings_model.h"

#include <QStringList>

namespace horavox_test {

// An engine that records what it is told. It is busy while `busy` is set, or,
// with a clock attached, for speakMs after each sentence.
class FakeEngine final : public horavox::SpeechEngine
{
public:
    void TtsSpeak(const QString &sentence) override
    {
        ++speakCount;
        if (keepLog)
            log << QStringLiteral("speak:") + sentence;
        if (clock)
            busyUntilMs = clock->monotonicMs() + speakMs;
    }
    void TtsSetSpeed(qint32 speed) override
    {
        if (keepLog)
            log << QStringLiteral("speed:") + QString::number(speed);
    }
    void TtsStop() override
    {
        if (keepLog)
            log << QStringLiteral("stop");
        busyUntilMs = 0;
    }
    qint16 TtsBusy() const override
    {
        ++busyReads;
        if (busy)
            return 1;
        return clock && clock->monotonicMs() < busyUntilMs ? 1 : 0;
    }
    qint16 TtsEngineCount() const override { return 1; }
    qint32 TtsCurrentVoice() const override { return 0; }
    QString TtsVoiceName(qint32) const override { return QStringLiteral("fake"); }

    QStringList sentences() const
    {
        QStringList out;
        for (const QString &entry : log) {
            if (entry.startsWith(QLatin1String("speak:")))
                out << entry.mid(6);
        }
        return out;
    }

    bool busy = false;
    const horavox::Clock *clock = nullptr;
    qint64 speakMs = 2500;
    qint64 busyUntilMs = 0;
    bool keepLog = true;
    int speakCount = 0;
    mutable int busyReads = 0;
    QStringList log;
};

// The settings window's controls as plain fields.
class FakeSettings final : public horavox::SettingsModel
{
public:
    bool ttsSelected() const override { return tts; }
    bool clipsSelected() const override { return !tts; }
    int speed() const override { return speedValue; }
    QString phrase() const override { return phraseText; }
    int announceAtStartup() const override { return startup; }
    int alarmMode() const override { return alarm; }
    int tellTime() const override { return tell; }
    int playBleep() const override { return bleep; }
    horavox::SpeechEngine &engine() const override { return *eng; }

    explicit FakeSettings(FakeEngine &e) : eng(&e) {}

    bool tts = true;
    int speedValue = 135;
    QString phraseText;
    int startup = 0;
    int alarm = 0;
    int tell = 0;
    int bleep = 0;
    FakeEngine *eng;
};

} // namespace horavox_test
