#pragma once
#include "components/speech_engine.h"
#include "components/tts_engine.h"

#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace horavox {

class AudioOutput;
class AudioVoice;
class TtsEngine;

// The speech engine of the program: the engines that can be started (flite,
// eSpeak NG), one current voice, synthesis on a worker thread and the sound
// through the shared AudioOutput. A sentence handed over while another is
// being spoken follows it without a pause.
//
// Starting an engine costs time and memory, so at construction the engines
// are only looked for (data present), and when first counted or asked to
// speak, whether their module and every library it needs are on disk; the
// engine of a voice starts
// on the worker thread when that voice first speaks. The count, names and
// voices come from that look. An engine that then fails to start is left out
// from that moment on.
class DirectSS : public SpeechEngine
{
    Q_OBJECT
public:
    enum EngineFlag { Flite = 0x1, Espeak = 0x2, AllEngines = Flite | Espeak };

    struct Options
    {
        int engines = AllEngines;
        QString espeakDataPath; // empty: the library's default
        // The engines' module as looked at start; empty: the one beside the
        // program (or in its build folder). Sentences always load that one.
        QString voicesModule;
    };

    explicit DirectSS(QObject *parent = nullptr);
    // `output` must outlive this object; with none, one of its own is made.
    DirectSS(AudioOutput *output, const Options &options, QObject *parent = nullptr);
    ~DirectSS() override;

    void TtsSpeak(const QString &sentence) override;
    void prepare() override;
    void TtsSetSpeed(qint32 speed) override;
    void TtsStop() override;
    qint16 TtsBusy() const override;
    qint16 TtsEngineCount() const override;
    qint32 TtsCurrentVoice() const override;
    QString TtsVoiceName(qint32 voice) const override;
    // "US female", "UK male"; "US male 2" for the second voice of a kind.
    QString readableVoiceName(qint32 voice) const override;

    // Voices are known by index for the engine operations, and by an id that
    // stays the same from run to run for a stored choice: the engine's name
    // and the voice's, as in "flite/slt" or "espeak/en-us".
    qint32 voiceCount() const { return qint32(m_voices.size()); }
    QString voiceId(qint32 voice) const;
    // -1 when no voice of a usable engine has that id.
    qint32 voiceIndex(const QString &id) const;
    // The language, then who speaks, for a list to choose from.
    QString voiceLabel(qint32 voice) const override;
    // Makes the voice with this id current for the next sentence. An empty
    // id, or one that is not (or no longer) installed, gives the default
    // voice; false for the latter. Nothing is started.
    bool chooseVoice(const QString &id);

    // Engine names in index order ("flite", "espeak").
    QStringList engineNames() const;
    // True once the engine of some voice has been started.
    bool engineStarted() const;
    int currentEngine() const;
    // Makes the engine's default voice current; false for a bad index.
    bool setCurrentEngine(int engine);
    bool setCurrentVoice(qint32 voice);
    qint32 speed() const { return m_speed; }
    AudioOutput *output() const { return m_output; }

private:
    struct Engine
    {
        TtsEngineInfo info;
        int flag;
        TtsEngine *started = nullptr; // set by the worker
        std::atomic<bool> failed{false};
    };
    struct VoiceRef
    {
        int engine;
        int voice; // index within the engine
        QString name;
        int rate;
        TtsEngineInfo::Speaker speaker;
    };
    struct Job
    {
        int engine;
        QString text;
        int voice;
        int speed;
        std::shared_ptr<AudioVoice> out;
        std::shared_ptr<std::atomic<bool>> cancel;
    };

    bool usable(int engine) const;
    // Whether the engines' module could be loaded; on the first call it is
    // looked at, and without it every engine counts as failed.
    bool moduleLoadable() const;
    void makeCurrent(qint32 voice);
    TtsEngine *startEngine(int engine); // on the worker thread
    void run();
    void refreshBusyLater();
    void refreshBusy();

    AudioOutput *m_output = nullptr;
    QString m_espeakDataPath;
    QString m_voicesModule;
    mutable std::optional<bool> m_moduleLoadable;
    std::vector<std::unique_ptr<Engine>> m_engines;
    std::vector<VoiceRef> m_voices;
    int m_currentVoice = 0;
    qint32 m_speed = 135;
    bool m_reportedBusy = false;

    mutable std::mutex m_lock; // guards everything below
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    int m_pending = 0; // sentences not yet fully made, stopped ones excluded
    std::shared_ptr<AudioVoice> m_voice; // what the current sentences play on
    int m_voiceRate = 0;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    bool m_quit = false;
    std::thread m_worker; // started with the first sentence
};

} // namespace horavox
