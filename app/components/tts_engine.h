#pragma once
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

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

// The process-wide engines; never null, but possibly not ready.
TtsEngine &fliteEngine();
// The data folder is only looked at by the first call; empty means the
// library's own default.
TtsEngine &espeakEngine(const QString &dataPath = QString());

} // namespace horavox
