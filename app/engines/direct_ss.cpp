// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "direct_ss.h"

#include "engines/dispatcher_voice.h"
#include "engines/speechd_library.h"
#include "engines/library_check.h"
#include "engines/tts_engine.h"
#include "speech/audio/audio_output.h"

#include <QLocale>
#include <QPointer>

#include <algorithm>

namespace horavox {

DirectSS::DirectSS(QObject *parent) : DirectSS(nullptr, Options{}, parent) {}

DirectSS::DirectSS(AudioOutput *output, const Options &options, QObject *parent)
    : SpeechEngine(parent), m_output(output ? output : new AudioOutput(this)), m_espeakDataPath(options.espeakDataPath)
{
    auto add = [this](const TtsEngineInfo &info, int flag) {
        auto e = std::make_unique<Engine>();
        e->info = info;
        e->flag = flag;
        m_engines.push_back(std::move(e));
    };
    m_voicesModule = options.voicesModule.isEmpty() ? voicesModuleFile() : options.voicesModule;
    if (options.engines & Flite)
        add(fliteInfo(), Flite);
    if (options.engines & Espeak) {
        if (const auto info = espeakInfo(options.espeakDataPath))
            add(*info, Espeak);
    }
    for (int i = 0; i < int(m_engines.size()); ++i) {
        const TtsEngineInfo &info = m_engines[size_t(i)]->info;
        for (int v = 0; v < info.voices.size(); ++v)
            m_voices.push_back({i, v, info.voices.at(v), info.rates.value(v), info.speakers.value(v)});
    }
    // Offered when its library is there, which is told without loading it.
    m_dispatcherOffered = (options.engines & Dispatcher) && speechdInstalled();
    if (m_dispatcherOffered)
        addDispatcherVoice(QString(), QString());
    setCurrentEngine(0);
}

namespace {
// "en-US" as the other voices name their language: "English (US)".
QString languageName(const QString &code)
{
    // Thousands of voices share a few hundred codes.
    static QHash<QString, QString> known;
    if (const auto it = known.constFind(code); it != known.constEnd())
        return *it;
    const QLocale locale(code);
    QString name = code;
    if (!code.isEmpty() && locale.language() != QLocale::C) {
        name = QLocale::languageToString(locale.language());
        const QString region = code.section(QLatin1Char('-'), 1, 1);
        if (!region.isEmpty())
            name += QStringLiteral(" (") + region.toUpper() + QLatin1Char(')');
    }
    known.insert(code, name);
    return name;
}

const QString kDispatcherName = QStringLiteral("speech-dispatcher");

// The catalogue's own words for a built-in voice, in the windows' language;
// a speech-dispatcher voice's name is its module's and stays as it is.
QString kindText(const QString &kind)
{
    if (kind == QLatin1String("female"))
        return DirectSS::tr("female", "a voice");
    if (kind == QLatin1String("male"))
        return DirectSS::tr("male", "a voice");
    return kind;
}
} // namespace

qint32 DirectSS::addDispatcherVoice(const QString &name, const QString &language)
{
    if (const auto it = m_dispatcherVoices.constFind(name); it != m_dispatcherVoices.constEnd()) {
        // One taken at its word before the modules were asked learns its
        // language.
        if (!language.isEmpty()) {
            m_voices[size_t(*it)].speaker.language = languageName(language);
            m_voices[size_t(*it)].language = language;
        }
        return *it;
    }
    m_voices.push_back({kDispatcherEngine, 0, name, 0,
                        {languageName(language), QString(), name.section(QLatin1Char('/'), 1)}, language});
    const qint32 index = qint32(m_voices.size()) - 1;
    m_dispatcherVoices.insert(name, index);
    return index;
}

bool DirectSS::loadDispatcherVoices()
{
    if (!m_dispatcherOffered || !DispatcherVoice::available())
        return false;
    if (!m_dispatcher)
        m_dispatcher = new DispatcherVoice(this);
    return addDispatcherVoices(m_dispatcher->listVoices());
}

void DirectSS::requestDispatcherVoices()
{
    if (!m_dispatcherOffered || !DispatcherVoice::available())
        return;
    if (!m_dispatcher)
        m_dispatcher = new DispatcherVoice(this);
    if (!m_dispatcherListWired) {
        m_dispatcherListWired = true;
        connect(m_dispatcher, &DispatcherVoice::voicesListed, this, [this](const QList<DispatcherVoiceInfo> &voices) {
            const qint32 before = voiceCount();
            addDispatcherVoices(voices);
            if (voiceCount() != before)
                Q_EMIT dispatcherVoicesChanged();
        });
    }
    m_dispatcher->requestVoices();
}

bool DirectSS::addDispatcherVoices(const QList<DispatcherVoiceInfo> &voices)
{
    for (const DispatcherVoiceInfo &v : voices)
        addDispatcherVoice(v.module + QLatin1Char('/') + v.name, v.language);
    return !voices.isEmpty();
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
    if (m_worker.joinable())
        m_worker.join();
    m_output->stop(voice);
}

bool DirectSS::moduleLoadable() const
{
    // Looked at when the engines are first counted or asked to speak, after
    // the window is shown: the look reads a dozen libraries' headers.
    if (!m_moduleLoadable) {
        QString missing;
        m_moduleLoadable = sharedObjectLoadable(m_voicesModule, &missing);
        // Both engines live in that module: without it there is none, and
        // the clock must say so rather than count engines that stay silent.
        if (!*m_moduleLoadable && !m_engines.empty()) {
            qWarning("No speech engine: %s cannot be loaded (%s is missing)", qPrintable(m_voicesModule),
                     qPrintable(missing));
            for (const auto &e : m_engines)
                e->failed = true;
        }
    }
    return *m_moduleLoadable;
}

bool DirectSS::usable(int engine) const
{
    return engine >= 0 && engine < int(m_engines.size()) && !m_engines[size_t(engine)]->failed;
}

bool DirectSS::usableVoice(qint32 voice) const
{
    if (voice < 0 || voice >= qint32(m_voices.size()))
        return false;
    const int engine = m_voices[size_t(voice)].engine;
    return engine == kDispatcherEngine ? m_dispatcherOffered : usable(engine);
}

bool DirectSS::engineStarted() const
{
    std::lock_guard lk(m_lock);
    return std::any_of(m_engines.begin(), m_engines.end(), [](const auto &e) { return e->started != nullptr; });
}

TtsEngine *DirectSS::startEngine(int engine)
{
    Engine &e = *m_engines[size_t(engine)];
    {
        std::lock_guard lk(m_lock);
        if (e.started || e.failed)
            return e.started;
    }
    TtsEngine &started = e.flag == Flite ? fliteEngine() : espeakEngine(m_espeakDataPath);
    const bool ready = started.isReady() && started.voiceNames() == e.info.voices;
    std::lock_guard lk(m_lock);
    if (ready)
        e.started = &started;
    else
        e.failed = true;
    return e.started;
}

QStringList DirectSS::engineNames() const
{
    moduleLoadable();
    QStringList names;
    for (int i = 0; i < int(m_engines.size()); ++i) {
        if (usable(i))
            names << m_engines[size_t(i)]->info.name;
    }
    if (m_dispatcherOffered)
        names << kDispatcherName;
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
    for (int i = 0; i < int(m_voices.size()); ++i) {
        if (m_voices[size_t(i)].engine == engine && m_voices[size_t(i)].voice == 0) {
            makeCurrent(i);
            return true;
        }
    }
    return false;
}

bool DirectSS::setCurrentVoice(qint32 voice)
{
    if (voice < 0 || voice >= qint32(m_voices.size()))
        return false;
    makeCurrent(voice);
    return true;
}

void DirectSS::makeCurrent(qint32 voice)
{
    if (voice == m_currentVoice)
        return;
    m_currentVoice = voice;
    Q_EMIT currentVoiceChanged();
}

QString DirectSS::voiceId(qint32 voice) const
{
    if (voice < 0 || voice >= qint32(m_voices.size()))
        return {};
    const VoiceRef &ref = m_voices[size_t(voice)];
    if (ref.engine == kDispatcherEngine)
        return ref.name.isEmpty() ? kDispatcherName : kDispatcherName + QLatin1Char('/') + ref.name;
    return m_engines[size_t(ref.engine)]->info.name + QLatin1Char('/') + ref.name;
}

QString DirectSS::voiceLanguage(qint32 voice) const
{
    return voice >= 0 && voice < qint32(m_voices.size()) ? m_voices[size_t(voice)].language : QString();
}

qint32 DirectSS::voiceIndex(const QString &id) const
{
    if (id == kDispatcherName || id.startsWith(kDispatcherName + QLatin1Char('/'))) {
        if (!m_dispatcherOffered)
            return -1;
        return m_dispatcherVoices.value(id.mid(kDispatcherName.size() + 1), -1);
    }
    for (qint32 i = 0; i < qint32(m_voices.size()); ++i) {
        if (usableVoice(i) && voiceId(i) == id)
            return i;
    }
    return -1;
}

QString DirectSS::voiceLabel(qint32 voice) const
{
    if (voice < 0 || voice >= qint32(m_voices.size()))
        return {};
    const VoiceRef &ref = m_voices[size_t(voice)];
    if (ref.engine == kDispatcherEngine) {
        if (ref.name.isEmpty())
            return tr("Default voice of the speech service (speech-dispatcher)");
        const QString module = ref.name.section(QLatin1Char('/'), 0, 0);
        return QStringLiteral("%1 \u2014 %2 (speech-dispatcher, %3)")
            .arg(ref.speaker.language, ref.speaker.kind, module);
    }
    if (ref.speaker.language.isEmpty())
        return readableVoiceName(voice);
    return QStringLiteral("%1 \u2014 %2 (%3)")
        .arg(ref.speaker.language, kindText(ref.speaker.kind), m_engines[size_t(ref.engine)]->info.title);
}

qint32 DirectSS::builtInDefault() const
{
    // The first engine's own voice, of the first engine that still works.
    for (qint32 i = 0; i < qint32(m_voices.size()); ++i) {
        if (usable(m_voices[size_t(i)].engine))
            return i;
    }
    return -1;
}

namespace {
bool storableSign(uchar c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_'
           || c == '-';
}

// What storableVoiceId() wrote, back; null when `stored` is not of its form.
QString fromStorable(const QString &stored)
{
    QByteArray bytes;
    const QByteArray in = stored.toLatin1();
    for (qsizetype i = 0; i < in.size(); ++i) {
        const uchar c = uchar(in.at(i));
        if (c == '+') {
            bool ok = false;
            const int byte = in.mid(i + 1, 2).toInt(&ok, 16);
            if (!ok || i + 2 >= in.size())
                return QString();
            bytes += char(byte);
            i += 2;
        } else if (storableSign(c)) {
            bytes += char(c);
        } else {
            return QString();
        }
    }
    return QString::fromUtf8(bytes);
}
} // namespace

QString DirectSS::storableVoiceId(const QString &id)
{
    const QStringList parts = id.split(QLatin1Char('/'));
    if (parts.size() != 3 || parts.at(0) != kDispatcherName)
        return id;
    QString name;
    for (const char c : parts.at(2).toUtf8()) {
        if (storableSign(uchar(c)))
            name += QLatin1Char(c);
        else
            name += QStringLiteral("+%1").arg(uchar(c), 2, 16, QLatin1Char('0')).toUpper();
    }
    return parts.at(0) + QLatin1Char('/') + parts.at(1) + QLatin1Char('/') + name;
}

bool DirectSS::chooseVoice(const QString &id)
{
    qint32 found = id.isEmpty() ? -1 : voiceIndex(id);
    // A module's voice is taken at its word before the modules have been
    // asked, which would start the service for every start of the clock;
    // one the module does not have leaves the service to choose. A stored
    // id is read back from its stored form.
    const QStringList parts = id.split(QLatin1Char('/'));
    if (found < 0 && m_dispatcherOffered && parts.size() == 3 && parts.at(0) == kDispatcherName
        && !parts.at(1).isEmpty() && !parts.at(2).isEmpty()) {
        const QString stored = fromStorable(parts.at(2));
        found = addDispatcherVoice(parts.at(1) + QLatin1Char('/') + (stored.isEmpty() ? parts.at(2) : stored), QString());
    }
    if (found >= 0) {
        makeCurrent(found);
        return true;
    }
    if (const qint32 fallback = builtInDefault(); fallback >= 0)
        makeCurrent(fallback);
    return id.isEmpty();
}

void DirectSS::TtsSetSpeed(qint32 speed)
{
    m_speed = std::clamp<qint32>(speed, 50, 220);
}

qint16 DirectSS::TtsEngineCount() const
{
    moduleLoadable();
    qint16 n = m_dispatcherOffered ? 1 : 0;
    for (int i = 0; i < int(m_engines.size()); ++i)
        n += usable(i) ? 1 : 0;
    return n;
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

QString DirectSS::readableVoiceName(qint32 voice) const
{
    if (voice < 0 || voice >= qint32(m_voices.size()))
        return {};
    const VoiceRef &ref = m_voices[size_t(voice)];
    // A voice the catalogue says nothing about keeps its own name.
    if (ref.engine == kDispatcherEngine) {
        const QString name = ref.name.isEmpty() ? kDispatcherName : ref.speaker.kind;
        // Says which voice spoke instead, so that a listener knows why the
        // voice sounds different.
        if (voice == m_currentVoice && m_dispatcherFellBack) {
            const qint32 own = builtInDefault();
            return tr("%1 unavailable, %2", "a voice that could not speak, then the voice that spoke instead")
                .arg(name, own >= 0 ? readableVoiceName(own) : QString());
        }
        return name;
    }
    if (ref.speaker.accent.isEmpty())
        return ref.name;
    // Short enough for the speed frame's caption, so the engine is left to
    // the full label; a voice that would read the same as one before it is
    // numbered.
    const QString plain = ref.speaker.accent + QLatin1Char(' ') + kindText(ref.speaker.kind);
    int same = 1;
    for (qint32 v = 0; v < voice; ++v) {
        const TtsEngineInfo::Speaker &other = m_voices[size_t(v)].speaker;
        same += other.accent == ref.speaker.accent && other.kind == ref.speaker.kind;
    }
    return same == 1 ? plain : plain + QLatin1Char(' ') + QString::number(same);
}

qint16 DirectSS::TtsBusy() const
{
    if (m_dispatcher && m_dispatcher->busy())
        return 1;
    std::lock_guard lk(m_lock);
    return (m_pending > 0 || (m_voice && !m_voice->isOver())) ? 1 : 0;
}

void DirectSS::TtsSpeak(const QString &sentence)
{
    if (m_voices.empty() || !moduleLoadable())
        return;
    // The chosen voice's engine failed to start: it is as good as not
    // installed, and the default voice speaks instead.
    if (!usableVoice(m_currentVoice))
        chooseVoice(QString());
    const VoiceRef &ref = m_voices[size_t(m_currentVoice)];
    if (ref.engine == kDispatcherEngine) {
        speakThroughDispatcher(ref, sentence);
        return;
    }
    speakBuiltIn(m_currentVoice, sentence);
}

void DirectSS::speakThroughDispatcher(const VoiceRef &ref, const QString &sentence)
{
    if (!m_dispatcher)
        m_dispatcher = new DispatcherVoice(this);
    if (!m_dispatcherWired) {
        m_dispatcherWired = true;
        connect(m_dispatcher, &DispatcherVoice::busyChanged, this, &DirectSS::refreshBusy);
        connect(m_dispatcher, &DispatcherVoice::unspoken, this, &DirectSS::dispatcherCouldNotSay);
        connect(m_dispatcher, &DispatcherVoice::accepted, this, [this] {
            if (!m_dispatcherFellBack)
                return;
            m_dispatcherFellBack = false;
            Q_EMIT currentVoiceChanged();
        });
    }
    m_dispatcher->setVoice(ref.name.section(QLatin1Char('/'), 0, 0), ref.name.section(QLatin1Char('/'), 1));
    m_dispatcher->speak(sentence, m_speed, m_output->volume());
}

void DirectSS::dispatcherCouldNotSay(const QString &sentence)
{
    // Said all the same, by the program's own default voice; the caption
    // tells why it sounds different.
    const qint32 own = builtInDefault();
    if (own >= 0)
        speakBuiltIn(own, sentence);
    if (!m_dispatcherFellBack) {
        m_dispatcherFellBack = true;
        Q_EMIT currentVoiceChanged();
    }
}

void DirectSS::speakBuiltIn(qint32 voice, const QString &sentence)
{
    const VoiceRef &ref = m_voices[size_t(voice)];
    if (!usable(ref.engine))
        return;
    const int rate = ref.rate;
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
        m_jobs.push_back({ref.engine, sentence, ref.voice, m_speed, m_voice, m_cancel});
        ++m_pending;
        if (!m_worker.joinable())
            m_worker = std::thread([this] { run(); });
    }
    if (fresh) {
        QPointer<DirectSS> self(this);
        fresh->setOnFinished([self] {
            if (self)
                self->refreshBusy();
        });
        // Started before any sample exists: the device opens (and its
        // lead-in passes) while the worker makes the first samples.
        m_output->start(fresh);
    }
    m_wake.notify_one();
    refreshBusyLater();
}

void DirectSS::TtsStop()
{
    if (m_dispatcher)
        m_dispatcher->stop();
    std::shared_ptr<AudioVoice> voice;
    {
        std::lock_guard lk(m_lock);
        if (m_cancel)
            *m_cancel = true;
        m_jobs.clear();
        m_pending = 0;
        voice = std::move(m_voice);
    }
    // Cut, end and all: a sentence stopped to be said again must not be
    // heard going on under (or before) the new one.
    m_output->cut(voice);
    refreshBusyLater();
}

void DirectSS::prepare()
{
    if (m_voices.empty() || !moduleLoadable())
        return;
    const VoiceRef &ref = m_voices[size_t(m_currentVoice)];
    if (ref.engine == kDispatcherEngine)
        return; // the service's voices are ready in the service
    std::lock_guard lk(m_lock);
    const Engine &e = *m_engines[size_t(ref.engine)];
    // With sentences queued, the first of them starts the engine anyway.
    if (e.started || e.failed || !m_jobs.empty() || m_pending > 0)
        return;
    m_jobs.push_back({ref.engine, QString(), ref.voice, m_speed, nullptr, std::make_shared<std::atomic<bool>>(false)});
    if (!m_worker.joinable())
        m_worker = std::thread([this] { run(); });
    m_wake.notify_one();
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
        // The engine starts with the first sentence that needs it, here and
        // not on the owner's thread, which goes on showing the time.
        TtsEngine *engine = *job.cancel ? nullptr : startEngine(job.engine);
        if (!job.out)
            continue; // started ahead of a sentence, nothing to say
        if (engine) {
            const auto &cancel = job.cancel;
            const auto &out = job.out;
            engine->synthesize(job.text, job.voice, job.speed,
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
