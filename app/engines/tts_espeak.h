// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "engines/tts_engine.h"

#include <mutex>
#include <vector>

namespace horavox {

// eSpeak NG in its synchronous mode: samples come back through a callback on
// the thread that asked for them.
class EspeakEngine final : public TtsEngine
{
public:
    explicit EspeakEngine(const QString &dataPath);

    bool isReady() const override { return m_ready; }
    QString engineName() const override { return QStringLiteral("espeak"); }
    QStringList voiceNames() const override;
    int sampleRate(int voice) const override;
    bool synthesize(const QString &text, int voice, int speed, const Sink &sink) override;

private:
    std::mutex m_lock; // the library is one global, non-reentrant state
    bool m_ready = false;
    int m_rate = 0;
    std::vector<const char *> m_voices; // the library's names, in the voices' order
};

} // namespace horavox
