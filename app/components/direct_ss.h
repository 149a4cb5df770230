#pragma once
#include "components/speech_engine.h"

#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace horavox {

class AudioOutput;
class AudioVoice;
class TtsEngine;

// The speech engine of the program: the engines that could be started
// (flite, eSpeak NG), one current voice, synthesis on a worker thread and the
// sound through the shared AudioOutput. A sentence handed over while another
// is being spoken follows it without a pause.
class DirectSS : public SpeechEngine
{
    Q_OBJECT
public:
    enum EngineFlag { Flite = 0x1, Espeak = 0x2, AllEngines = Flite | Espeak };

    struct Options
    {
        int engines = AllEngines;
        QString espeakDataPath; // empty: the library's default
    };

    explicit DirectSS(QObject *parent = nullptr);
    // `output` must outlive this object; with none, one of its own is made.
    DirectSS(AudioOutput *output, const Options &options, QObject *parent = nullptr);
    ~DirectSS() override;

    void TtsSpeak(const QString &sentence) override;
    void TtsSetSpeed(qint32 speed) override;
    void TtsStop() override;
    qint16 TtsBusy() const override;
    qint16 TtsEngineCount() const override;
    qint32 TtsCurrentVoice() const override;
    QString TtsVoiceName(qint32 voice) const override;

    // Engine names in index order ("flite", "espeak").
    QStringList engineNames() const;
    int currentEngine() const;
    // Makes the engine's default voice current; false for a bad index.
    bool setCurrentEngine(int engine);
    bool setCurrentVoice(qint32 voice);
    qint32 speed() const { return m_speed; }
    AudioOutput *output() const { return m_output; }

private:
    struct VoiceRef
    {
        int engine;
        int voice; // index within the engine
        QString name;
    };
    struct Job
    {
        TtsEngine *engine;
        QString text;
        int voice;
        int speed;
        std::shared_ptr<AudioVoice> out;
        std::shared_ptr<std::atomic<bool>> cancel;
    };

    void run();
    void refreshBusyLater();
    void refreshBusy();

    AudioOutput *m_output = nullptr;
    std::vector<TtsEngine *> m_engines;
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
    std::thread m_worker;
};

} // namespace horavox
