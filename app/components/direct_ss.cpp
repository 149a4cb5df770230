#include "direct_ss.h"

#include "components/tts_engine.h"
#include "speech/audio/audio_output.h"

#include <QPointer>

#include <algorithm>

namespace horavox {

DirectSS::DirectSS(QObject *parent) : DirectSS(nullptr, Options{}, parent) {}

DirectSS::DirectSS(AudioOutput *output, const Options &options, QObject *parent)
    : SpeechEngine(parent), m_output(output ? output : new AudioOutput(this))
{
    if (options.engines & Flite) {
        if (TtsEngine &e = fliteEngine(); e.isReady())
            m_engines.push_back(&e);
    }
    if (options.engines & Espeak) {
        if (TtsEngine &e = espeakEngine(options.espeakDataPath); e.isReady())
            m_engines.push_back(&e);
    }
    for (int i = 0; i < int(m_engines.size()); ++i) {
        const QStringList names = m_engines[size_t(i)]->voiceNames();
        for (int v = 0; v < names.size(); ++v)
            m_voices.push_back({i, v, names.at(v)});
    }
    setCurrentEngine(0);
    m_worker = std::thread([this] { run(); });
}

DirectSS::~DirectSS()
{
    std::shared_ptr<AudioVoice> voice;
    {
        std::lock_guard lk(m_lock);
        m_quit = true;
        if (m_cancel)
            *m_cancel = true;
        m_jobs.clear();
        voice = std::move(m_voice);
    }
    m_wake.notify_all();
    m_worker.join();
    m_output->stop(voice);
}

QStringList DirectSS::engineNames() const
{
    QStringList names;
    for (const TtsEngine *e : m_engines)
        names << e->engineName();
    return names;
}

int DirectSS::currentEngine() const
{
    return m_voices.empty() ? -1 : m_voices[size_t(m_currentVoice)].engine;
}

bool DirectSS::setCurrentEngine(int engine)
{
    if (engine < 0 || engine >= int(m_engines.size()))
        return false;
    const int wanted = m_engines[size_t(engine)]->defaultVoice();
    for (int i = 0; i < int(m_voices.size()); ++i) {
        if (m_voices[size_t(i)].engine == engine && m_voices[size_t(i)].voice == wanted) {
            m_currentVoice = i;
            return true;
        }
    }
    return false;
}

bool DirectSS::setCurrentVoice(qint32 voice)
{
    if (voice < 0 || voice >= qint32(m_voices.size()))
        return false;
    m_currentVoice = voice;
    return true;
}

void DirectSS::TtsSetSpeed(qint32 speed)
{
    m_speed = std::clamp<qint32>(speed, 50, 220);
}

qint16 DirectSS::TtsEngineCount() const
{
    return qint16(m_engines.size());
}

qint32 DirectSS::TtsCurrentVoice() const
{
    return m_currentVoice;
}

QString DirectSS::TtsVoiceName(qint32 voice) const
{
    if (voice < 0 || voice >= qint32(m_voices.size()))
        return {};
    return m_voices[size_t(voice)].name;
}

qint16 DirectSS::TtsBusy() const
{
    std::lock_guard lk(m_lock);
    return (m_pending > 0 || (m_voice && !m_voice->isOver())) ? 1 : 0;
}

void DirectSS::TtsSpeak(const QString &sentence)
{
    if (m_voices.empty())
        return;
    const VoiceRef &ref = m_voices[size_t(m_currentVoice)];
    TtsEngine *engine = m_engines[size_t(ref.engine)];
    const int rate = engine->sampleRate(ref.voice);
    std::shared_ptr<AudioVoice> fresh;
    {
        std::lock_guard lk(m_lock);
        // A sentence that comes while the last one is still heard joins its
        // voice, so the two neither overlap nor leave a gap.
        if (!(m_voice && m_voiceRate == rate && m_voice->reopenInput())) {
            fresh = m_output->createStreamVoice(PcmFormat{rate, 1, 16});
            m_voice = fresh;
            m_voiceRate = rate;
            m_cancel = std::make_shared<std::atomic<bool>>(false);
        }
        m_jobs.push_back({engine, sentence, ref.voice, m_speed, m_voice, m_cancel});
        ++m_pending;
    }
    if (fresh) {
        QPointer<DirectSS> self(this);
        fresh->setOnFinished([self] {
            if (self)
                self->refreshBusy();
        });
        // Started before any sample exists: the device then plays each piece
        // the moment the worker hands it over.
        m_output->start(fresh);
    }
    m_wake.notify_one();
    refreshBusyLater();
}

void DirectSS::TtsStop()
{
    std::shared_ptr<AudioVoice> voice;
    {
        std::lock_guard lk(m_lock);
        if (m_cancel)
            *m_cancel = true;
        m_jobs.clear();
        m_pending = 0;
        voice = std::move(m_voice);
    }
    m_output->stop(voice);
    refreshBusyLater();
}

void DirectSS::run()
{
    for (;;) {
        Job job;
        {
            std::unique_lock lk(m_lock);
            m_wake.wait(lk, [this] { return m_quit || !m_jobs.empty(); });
            if (m_quit)
                return;
            job = std::move(m_jobs.front());
            m_jobs.pop_front();
        }
        if (!*job.cancel) {
            const auto &cancel = job.cancel;
            const auto &out = job.out;
            job.engine->synthesize(job.text, job.voice, job.speed,
                                   [&](const int16_t *samples, int frames) {
                                       if (*cancel)
                                           return false;
                                       out->write(samples, qsizetype(frames) * 2);
                                       return !*cancel;
                                   });
        }
        {
            std::lock_guard lk(m_lock);
            if (!*job.cancel) {
                --m_pending;
                // The voice ends once heard, unless another sentence for it
                // is already waiting.
                if (m_jobs.empty() || m_jobs.front().out != job.out)
                    job.out->finishInput();
            }
        }
        refreshBusyLater();
    }
}

void DirectSS::refreshBusyLater()
{
    QMetaObject::invokeMethod(this, &DirectSS::refreshBusy, Qt::QueuedConnection);
}

void DirectSS::refreshBusy()
{
    const bool busy = TtsBusy() != 0;
    if (busy == m_reportedBusy)
        return;
    m_reportedBusy = busy;
    Q_EMIT busyChanged(busy);
}

} // namespace horavox
