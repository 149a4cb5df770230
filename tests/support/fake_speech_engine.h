// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A speech engine that records what it is asked to say; the test decides
// when it is busy.
#include "core/speech_engine.h"

#include <QStringList>
#include <QVector>

namespace horavox_test {

class FakeSpeechEngine final : public horavox::SpeechEngine
{
public:
    QStringList spoken;
    QVector<qint32> speeds;      // the speed in force at each TtsSpeak
    qint32 speed = 135;
    int stops = 0;
    int prepares = 0;
    bool busy = false;
    bool busyWhileSpeaking = false; // TtsSpeak makes the engine busy
    qint16 engines = 1;
    QString voice = QStringLiteral("slt");
    QString readable; // empty: the short name, as an engine that knows no better

    void TtsSpeak(const QString &sentence) override
    {
        spoken << sentence;
        speeds << speed;
        if (busyWhileSpeaking)
            setBusy(true);
    }
    void prepare() override { ++prepares; }
    void TtsSetSpeed(qint32 s) override { speed = s; }
    void TtsStop() override
    {
        ++stops;
        setBusy(false);
    }
    qint16 TtsBusy() const override { return busy ? 1 : 0; }
    qint16 TtsEngineCount() const override { return engines; }
    qint32 TtsCurrentVoice() const override { return 0; }
    QString TtsVoiceName(qint32) const override { return voice; }
    QString readableVoiceName(qint32 v) const override
    {
        return readable.isEmpty() ? SpeechEngine::readableVoiceName(v) : readable;
    }

    void setBusy(bool b)
    {
        if (busy == b)
            return;
        busy = b;
        Q_EMIT busyChanged(b);
    }
};

} // namespace horavox_test
