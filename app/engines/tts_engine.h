// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <functional>
#include <optional>

namespace horavox {

// One synthesiser behind DirectSS. The libraries behind them keep global
// state, so there is one object per engine per process, and each serialises
// its own use: synthesize() may be called from any thread.
class TtsEngine
{
public:
    // Receives 16-bit mono samples as they are made; returning false stops
    // the synthesis early.
    using Sink = std::function<bool(const int16_t *samples, int frames)>;

    virtual ~TtsEngine() = default;

    virtual bool isReady() const = 0;
    virtual QString engineName() const = 0;
    // Short display names, one per voice, in index order.
    virtual QStringList voiceNames() const = 0;
    virtual int defaultVoice() const { return 0; }
    virtual int sampleRate(int voice) const = 0;
    // Speaks `text` with `voice` at `speed` (50..220, 135 being the engine's
    // natural pace) on the calling thread. Returns false when the engine
    // failed or was stopped by the sink.
    virtual bool synthesize(const QString &text, int voice, int speed, const Sink &sink) = 0;
};

// What is known of an engine without starting it: enough to show it, count
// it and open a sound stream for it, for a fraction of what starting costs.
struct TtsEngineInfo
{
    // Who a voice sounds like, in words a person choosing one understands.
    struct Speaker
    {
        QString language; // as language menus name it: "English (US)"
        QString accent;   // the same, in short: "US"
        QString kind;     // "female", "male"
    };

    QString name;
    QStringList voices; // display names, in the engine's voice order
    QVector<int> rates; // samples per second, one per voice
    QVector<Speaker> speakers; // one per voice
    QString title;             // the engine as its makers spell it: "eSpeak NG"
};

// The file the engines' module is loaded from: installed beside the program,
// else where it was built; empty when neither is there.
QString voicesModuleFile();

// flite and its voices come with the engines' module.
TtsEngineInfo fliteInfo();
// eSpeak NG needs its data folder; none is returned when the data is not
// there. An empty folder name means the library's own default.
std::optional<TtsEngineInfo> espeakInfo(const QString &dataPath = QString());

// The process-wide engines; never null, but possibly not ready.
TtsEngine &fliteEngine();
// The data folder is only looked at by the first call; empty means the
// library's own default.
TtsEngine &espeakEngine(const QString &dataPath = QString());

} // namespace horavox
