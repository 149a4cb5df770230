// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "core/speech_engine.h"
#include "engines/tts_engine.h"

#include <QHash>
#include <QList>
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
class DispatcherVoice;
struct DispatcherVoiceInfo;
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
//
// speech-dispatcher, the desktop's speech service, offers its voices beside
// them when its library is installed: its default voice from the start, the
// voices of its output modules once they have been asked for
// (loadDispatcherVoices). It says its sentences itself, through its own
// sound stream; a sentence it cannot take is said by the default voice of
// the program's own engines, and the voice's names say so until the service
// takes one again.
class DirectSS : public SpeechEngine
{
    Q_OBJECT
public:
    // speech-dispatcher is no engine of the program's own; offered, it is
    // counted and named after them.
    enum EngineFlag { Flite = 0x1, Espeak = 0x2, AllEngines = Flite | Espeak, Dispatcher = 0x4 };

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
    // and the voice's, as in "flite/slt" or "espeak/en-us";
    // "speech-dispatcher" for the service's default and
    // "speech-dispatcher/<module>/<voice>" for a voice of one of its modules.
    qint32 voiceCount() const { return qint32(m_voices.size()); }
    QString voiceId(qint32 voice) const;
    // -1 when no voice of a usable engine has that id.
    qint32 voiceIndex(const QString &id) const;
    // The id as a preferences file keeps it: a module's voice names may have
    // blanks, brackets and letters of any script, which are written as "+"
    // and two hex digits of their UTF-8 bytes ("English+20+28America+29").
    // chooseVoice() takes either form.
    static QString storableVoiceId(const QString &id);
    // The language, then who speaks, for a list to choose from.
    QString voiceLabel(qint32 voice) const override;
    // Makes the voice with this id current for the next sentence. An empty
    // id, or one that is not (or no longer) installed, gives the default
    // voice; false for the latter. Nothing is started.
    bool chooseVoice(const QString &id);

    // Asks speech-dispatcher for the voices of its output modules (at most a
    // few seconds) and offers them; false when it is not offered or did not
    // answer. A second call asks again and adds what is new.
    bool loadDispatcherVoices();
    // The same without waiting; dispatcherVoicesChanged() follows when the
    // service answered.
    void requestDispatcherVoices();
    // The language a voice of speech-dispatcher's modules speaks, as the
    // module names it ("en-US"); empty for every other voice.
    QString voiceLanguage(qint32 voice) const;
    // True when speech-dispatcher's library is installed and was asked for.
    bool dispatcherOffered() const { return m_dispatcherOffered; }
    // True while the chosen speech-dispatcher voice could not take the last
    // sentence and the program's own engine said it.
    bool dispatcherFellBack() const { return m_dispatcherFellBack; }
    DispatcherVoice *dispatcher() const { return m_dispatcher; }

    // Engine names in index order ("flite", "espeak", then
    // "speech-dispatcher").
    QStringList engineNames() const;
    // True once the engine of some voice has been started.
    bool engineStarted() const;
    int currentEngine() const;
    // Makes the engine's default voice current; false for a bad index.
    bool setCurrentEngine(int engine);
    bool setCurrentVoice(qint32 voice);
    qint32 speed() const { return m_speed; }
    AudioOutput *output() const { return m_output; }

Q_SIGNALS:
    // More of speech-dispatcher's voices are offered.
    void dispatcherVoicesChanged();

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
        int engine; // kDispatcherEngine for speech-dispatcher
        int voice;  // index within the engine
        QString name; // for speech-dispatcher "<module>/<voice>", empty for its default
        int rate;
        TtsEngineInfo::Speaker speaker;
        QString language = {}; // speech-dispatcher's code for it, for its voices
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

    static constexpr int kDispatcherEngine = -1;

    bool usable(int engine) const;
    bool usableVoice(qint32 voice) const;
    qint32 builtInDefault() const;
    qint32 addDispatcherVoice(const QString &name, const QString &language);
    bool addDispatcherVoices(const QList<DispatcherVoiceInfo> &voices);
    void speakBuiltIn(qint32 voice, const QString &sentence);
    void speakThroughDispatcher(const VoiceRef &ref, const QString &sentence);
    void dispatcherCouldNotSay(const QString &sentence);
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
    // speech-dispatcher's modules may offer thousands of voices.
    QHash<QString, qint32> m_dispatcherVoices; // by VoiceRef::name
    int m_currentVoice = 0;
    qint32 m_speed = 135;
    bool m_reportedBusy = false;
    bool m_dispatcherOffered = false;
    bool m_dispatcherFellBack = false;
    bool m_dispatcherWired = false;
    bool m_dispatcherListWired = false;
    DispatcherVoice *m_dispatcher = nullptr; // made with its first sentence

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
