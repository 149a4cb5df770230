// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "engines/tts_engine.h"

#include <mutex>
#include <vector>

struct cst_voice_struct;

namespace horavox {

// The flite synthesiser with its US English voices.
class FliteEngine final : public TtsEngine
{
public:
    FliteEngine();

    bool isReady() const override { return !m_voices.empty(); }
    QString engineName() const override { return QStringLiteral("flite"); }
    QStringList voiceNames() const override;
    int sampleRate(int voice) const override;
    bool synthesize(const QString &text, int voice, int speed, const Sink &sink) override;

private:
    struct Voice
    {
        cst_voice_struct *voice;
        QString name;
        int rate;
    };
    mutable std::mutex m_lock; // voices' feature sets are shared state
    std::vector<Voice> m_voices;
};

} // namespace horavox
