// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dispatcher_voice.h"

#include "speech/language/spoken_language.h"

#include "engines/speechd_library.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include <sys/socket.h>

namespace horavox {

int dispatcherRate(int speed)
{
    // 135 sits in the middle of 50..220, so both halves scale alike.
    return (std::clamp(speed, 50, 220) - 135) * 100 / 85;
}

int dispatcherVolume(int percent)
{
    return std::clamp(percent, 0, 100) - 100;
}

QString dispatcherLanguage()
{
    // The one place that says which language the clock speaks to the
    // service: the language its sentences are in.
    return currentLanguage();
}

namespace {
enum Kind { Say, Cancel, Look };

using Clock = std::chrono::steady_clock;

struct Job
{
    Kind kind = Say;
    quint64 request = 0;
    QByteArray text;
    QByteArray module, voice, language;
    int rate = 0;
    int volume = 0;
};

int elapsedMs(Clock::time_point since)
{
    return int(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}
} // namespace

struct DispatcherVoice::Link
{
    // The owner's thread only: cleared when the owner leaves or gives the
    // link up, so that late news from its thread is dropped.
    DispatcherVoice *owner = nullptr;

    std::mutex lock; // guards what follows, up to the worker's own
    std::condition_variable wake;
    std::deque<Job> jobs;
    bool quit = false;
    bool finished = false;
    bool inCall = false;
    bool broken = false; // the call's connection was shut down from outside
    Clock::time_point callStarted;
    int callLimitMs = 0;
    int socket = -1;
    int clientId = -1;
    std::condition_variable done;

    // The worker's own.
    const SpeechdLibrary *api = nullptr;
    SPDConnection *connection = nullptr;
    QByteArray forcedModule; // set on the connection for a picked voice
    Timing timing;

    // Runs on the owner's thread, if the owner is still there.
    template <typename Fn>
    static void post(const std::shared_ptr<Link> &link, Fn fn)
    {
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, [link, fn] {
                if (DispatcherVoice *owner = link->owner)
                    fn(owner);
            }, Qt::QueuedConnection);
    }

    void startCall(int limitMs)
    {
        std::lock_guard lk(lock);
        inCall = true;
        broken = false;
        callStarted = Clock::now();
        callLimitMs = limitMs;
    }

    static void over(const std::shared_ptr<Link> &link, int message)
    {
        post(link, [message](DispatcherVoice *owner) { owner->messageOver(message); });
    }

    bool open();
    void close();
    static void run(std::shared_ptr<Link> link);
};

namespace {
// libspeechd calls back with the client and the message, not the
// connection: every open link is looked up by its client id.
std::mutex g_linksLock;
std::vector<std::weak_ptr<DispatcherVoice::Link>> g_links;

void onNotification(size_t message, size_t client, SPDNotificationType type)
{
    if (type != SPD_EVENT_END && type != SPD_EVENT_CANCEL)
        return;
    std::lock_guard lk(g_linksLock);
    for (const auto &weak : g_links) {
        const auto link = weak.lock();
        if (!link)
            continue;
        bool ours;
        {
            std::lock_guard l(link->lock);
            ours = link->clientId == int(client);
        }
        if (ours)
            DispatcherVoice::Link::over(link, int(message));
    }
}
} // namespace

bool DispatcherVoice::Link::open()
{
    if (connection)
        return true;
    char *error = nullptr;
    // Threaded, for the end and cancel notices; the server is started on
    // demand when none is running.
    SPDConnection *c = api->open2("horavox", "clock", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
    std::free(error);
    if (!c)
        return false;
    c->callback_end = onNotification;
    c->callback_cancel = onNotification;
    if (api->set_notification_on(c, SPD_END) != 0 || api->set_notification_on(c, SPD_CANCEL) != 0) {
        api->close(c);
        return false;
    }
    connection = c;
    const int id = api->get_client_id(c);
    std::lock_guard lk(lock);
    socket = c->socket;
    clientId = id;
    return true;
}

void DispatcherVoice::Link::close()
{
    if (!connection)
        return;
    {
        std::lock_guard lk(lock);
        socket = -1;
        clientId = -1;
    }
    api->close(connection);
    connection = nullptr;
    forcedModule.clear();
}

void DispatcherVoice::Link::run(std::shared_ptr<Link> link)
{
    Link &l = *link;
    const auto say = [&l, &link](const Job &job) {
        // A connection keeps the module it was given; only a fresh one
        // follows the user's own settings again.
        if (job.module.isEmpty() && !l.forcedModule.isEmpty()) {
            l.close();
            post(link, [](DispatcherVoice *owner) { owner->connectionLost(); });
        }
        if (!l.open())
            return -1;
        const SpeechdLibrary &a = *l.api;
        SPDConnection *c = l.connection;
        // A module only when the user picked one of its voices; otherwise
        // the user's own speech-dispatcher settings choose.
        if (a.set_language(c, job.language.constData()) != 0)
            return -1;
        if (!job.module.isEmpty()
            && (a.set_output_module(c, job.module.constData()) != 0
                || a.set_synthesis_voice(c, job.voice.constData()) != 0))
            return -1;
        l.forcedModule = job.module;
        if (a.set_voice_rate(c, job.rate) != 0 || a.set_volume(c, job.volume) != 0)
            return -1;
        // What a screen reader's own messages are: queued behind one being
        // said, never cutting one off, and not cut off by one.
        return a.say(c, SPD_MESSAGE, job.text.constData());
    };
    for (;;) {
        Job job;
        {
            std::unique_lock lk(l.lock);
            l.wake.wait(lk, [&l] { return l.quit || !l.jobs.empty(); });
            if (l.quit) {
                // A stop asked for before the end still silences the
                // clock's sentence: the server would finish it otherwise.
                const bool stop = std::any_of(l.jobs.begin(), l.jobs.end(), [](const Job &j) { return j.kind == Cancel; });
                lk.unlock();
                if (stop && l.connection)
                    l.api->cancel(l.connection);
                break;
            }
            job = std::move(l.jobs.front());
            l.jobs.pop_front();
        }
        const int first = l.connection ? l.timing.answerMs : l.timing.connectMs + l.timing.answerMs;
        l.startCall(first);
        switch (job.kind) {
        case Say: {
            int message = say(job);
            if (message < 0) {
                // Gone, or stopped answering: one fresh connection (which
                // starts a server again if need be), then no more.
                l.close();
                post(link, [](DispatcherVoice *owner) { owner->connectionLost(); });
                l.startCall(l.timing.connectMs + l.timing.answerMs);
                message = say(job);
                if (message < 0)
                    l.close();
            }
            const quint64 request = job.request;
            post(link, [request, message](DispatcherVoice *owner) { owner->answered(request, message); });
            break;
        }
        case Cancel:
            if (l.connection && l.api->cancel(l.connection) != 0) {
                l.close();
                post(link, [](DispatcherVoice *owner) { owner->connectionLost(); });
            }
            break;
        case Look:
            // Any command that needs an answer tells whether the server is
            // still there; this one changes nothing.
            if (l.connection && l.api->set_notification_on(l.connection, SPD_END) != 0) {
                l.close();
                post(link, [](DispatcherVoice *owner) { owner->connectionLost(); });
            }
            break;
        }
        std::lock_guard lk(l.lock);
        l.inCall = false;
    }
    l.close();
    std::lock_guard lk(l.lock);
    l.finished = true;
    l.done.notify_all();
}

DispatcherVoice::DispatcherVoice(QObject *parent) : DispatcherVoice(Timing{}, parent) {}

DispatcherVoice::DispatcherVoice(const Timing &timing, QObject *parent) : QObject(parent), m_timing(timing)
{
    m_watch.setInterval(100);
    connect(&m_watch, &QTimer::timeout, this, &DispatcherVoice::watch);
}

DispatcherVoice::~DispatcherVoice()
{
    if (!m_link)
        return;
    Link &l = *m_link;
    l.owner = nullptr;
    std::unique_lock lk(l.lock);
    l.quit = true;
    std::erase_if(l.jobs, [](const Job &j) { return j.kind != Cancel; });
    l.wake.notify_all();
    if (l.inCall && l.socket >= 0)
        ::shutdown(l.socket, SHUT_RDWR);
    // A thread held by a server that answers nothing is left to it.
    l.done.wait_for(lk, std::chrono::milliseconds(m_timing.answerMs), [&l] { return l.finished; });
}

bool DispatcherVoice::available()
{
    return speechdLibrary() != nullptr;
}

void DispatcherVoice::setVoice(const QString &module, const QString &name)
{
    m_module = module;
    m_voice = name;
}

void DispatcherVoice::speak(const QString &text, int speed, int volume)
{
    m_speed = speed;
    m_volume = volume;
    handOver(Say, text);
}

void DispatcherVoice::stop()
{
    if (!m_link)
        return;
    {
        std::lock_guard lk(m_link->lock);
        auto &jobs = m_link->jobs;
        for (auto it = jobs.begin(); it != jobs.end();) {
            if (it->kind == Say) {
                m_waiting.remove(it->request);
                it = jobs.erase(it);
            } else {
                ++it;
            }
        }
    }
    // What is being handed over now is cancelled with the rest: the thread
    // takes one request after the other.
    handOver(Cancel);
    refreshBusy();
}

bool DispatcherVoice::busy() const
{
    return !m_waiting.isEmpty() || !m_said.isEmpty();
}

void DispatcherVoice::handOver(int kind, const QString &text)
{
    const SpeechdLibrary *api = speechdLibrary();
    if (!api) {
        if (kind == Say)
            Q_EMIT unspoken(text);
        return;
    }
    if (!m_link) {
        m_link = std::make_shared<Link>();
        m_link->owner = this;
        m_link->api = api;
        m_link->timing = m_timing;
        {
            std::lock_guard lk(g_linksLock);
            g_links.erase(std::remove_if(g_links.begin(), g_links.end(), [](const auto &w) { return w.expired(); }),
                          g_links.end());
            g_links.push_back(m_link);
        }
        std::thread(&Link::run, m_link).detach();
    }
    Job job;
    job.kind = Kind(kind);
    if (kind == Say) {
        job.request = m_nextRequest++;
        job.text = text.toUtf8();
        job.language = dispatcherLanguage().toUtf8();
        job.module = m_module.toUtf8();
        job.voice = m_voice.toUtf8();
        job.rate = dispatcherRate(m_speed);
        job.volume = dispatcherVolume(m_volume);
        m_waiting.insert(job.request, text);
    }
    {
        std::lock_guard lk(m_link->lock);
        m_link->jobs.push_back(std::move(job));
    }
    m_link->wake.notify_one();
    if (!m_watch.isActive())
        m_watch.start();
    refreshBusy();
}

void DispatcherVoice::answered(quint64 request, int message)
{
    const auto it = m_waiting.find(request);
    if (it == m_waiting.end())
        return; // stopped meanwhile; the cancel behind it takes it back
    const QString text = it.value();
    m_waiting.erase(it);
    if (message < 0) {
        Q_EMIT unspoken(text);
    } else {
        if (!m_overEarly.remove(message))
            m_said.insert(message);
        Q_EMIT accepted();
    }
    refreshBusy();
}

void DispatcherVoice::messageOver(int message)
{
    if (!m_said.remove(message))
        m_overEarly.insert(message);
    refreshBusy();
}

void DispatcherVoice::connectionLost()
{
    // The messages of a server that is gone will never be reported over.
    m_said.clear();
    m_overEarly.clear();
    refreshBusy();
}

void DispatcherVoice::watch()
{
    if (!m_link) {
        m_watch.stop();
        return;
    }
    bool giveUp = false;
    bool idle;
    {
        Link &l = *m_link;
        std::lock_guard lk(l.lock);
        idle = !l.inCall && l.jobs.empty();
        if (l.inCall) {
            const int ms = elapsedMs(l.callStarted);
            if (ms > l.callLimitMs && !l.broken && l.socket >= 0) {
                // The call returns once its connection is broken.
                ::shutdown(l.socket, SHUT_RDWR);
                l.broken = true;
            } else if (ms > l.callLimitMs && (l.socket < 0 || ms > l.callLimitMs + m_timing.answerMs)) {
                // Still waiting (in a connect, which has no socket to break
                // yet, or despite the break): the thread is left to the
                // server.
                giveUp = true;
            }
        }
    }
    if (giveUp) {
        abandonLink();
        return;
    }
    // While a sentence is out, the server is looked at now and then: one that
    // died never says the sentence is over.
    if (!m_said.isEmpty() && idle && (!m_lastLook.isValid() || m_lastLook.elapsed() >= m_timing.lookMs)) {
        m_lastLook.start();
        handOver(Look);
        return;
    }
    if (idle && m_said.isEmpty() && m_waiting.isEmpty())
        m_watch.stop();
}

void DispatcherVoice::abandonLink()
{
    const std::shared_ptr<Link> old = std::move(m_link);
    old->owner = nullptr;
    {
        std::lock_guard lk(old->lock);
        old->quit = true;
        old->jobs.clear();
    }
    old->wake.notify_all();
    // Everything not yet handed over comes back, in the order it came.
    std::vector<std::pair<quint64, QString>> back;
    for (auto it = m_waiting.cbegin(); it != m_waiting.cend(); ++it)
        back.emplace_back(it.key(), it.value());
    std::sort(back.begin(), back.end());
    m_waiting.clear();
    m_said.clear();
    m_overEarly.clear();
    m_watch.stop();
    // Said some other way before the busy state is told, which then need
    // not fall in between.
    for (const auto &[request, text] : back)
        Q_EMIT unspoken(text);
    refreshBusy();
}

void DispatcherVoice::refreshBusy()
{
    const bool now = busy();
    if (now == m_reportedBusy)
        return;
    m_reportedBusy = now;
    Q_EMIT busyChanged(now);
}

namespace {
// On a connection of its own, so that choosing a module to ask leaves the
// speaking connection's choice alone.
QList<DispatcherVoiceInfo> listAll(const SpeechdLibrary *api)
{
    QList<DispatcherVoiceInfo> voices;
    char *error = nullptr;
    SPDConnection *c = api->open2("horavox", "voices", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
    std::free(error);
    if (!c)
        return voices;
    if (char **modules = api->list_modules(c)) {
        for (char **m = modules; *m; ++m) {
            if (api->set_output_module(c, *m) != 0)
                continue;
            if (SPDVoice **list = api->list_synthesis_voices(c)) {
                for (SPDVoice **v = list; *v; ++v)
                    voices.append({QString::fromUtf8(*m), QString::fromUtf8((*v)->name), QString::fromUtf8((*v)->language)});
                api->free_voices(list);
            }
        }
        api->free_modules(modules);
    }
    api->close(c);
    return voices;
}
} // namespace

int DispatcherVoice::listingLimitMs() const
{
    // A module may have thousands of voices, which take a while to list:
    // espeak-ng's 13,000 take 1.5 s here, and ten times that on a slow or
    // instrumented build. Only a server that is really stuck runs into this.
    return m_timing.connectMs + 15 * m_timing.answerMs;
}

QList<DispatcherVoiceInfo> DispatcherVoice::listVoices() const
{
    const SpeechdLibrary *api = speechdLibrary();
    if (!api)
        return {};
    // On a thread of its own: a server that answers nothing keeps that
    // thread, not the caller.
    auto result = std::make_shared<std::promise<QList<DispatcherVoiceInfo>>>();
    auto future = result->get_future();
    std::thread([api, result] { result->set_value(listAll(api)); }).detach();
    if (future.wait_for(std::chrono::milliseconds(listingLimitMs())) != std::future_status::ready)
        return {};
    return future.get();
}

void DispatcherVoice::requestVoices()
{
    const SpeechdLibrary *api = speechdLibrary();
    // One list at a time, unless the last one has been waiting for longer
    // than a list takes (its thread is left to the server).
    if (!api || (m_listing.isValid() && m_listing.elapsed() < listingLimitMs()))
        return;
    m_listing.start();
    QPointer<DispatcherVoice> self(this);
    std::thread([api, self] {
        const QList<DispatcherVoiceInfo> voices = listAll(api);
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, [self, voices] {
                if (!self)
                    return;
                self->m_listing.invalidate();
                Q_EMIT self->voicesListed(voices);
            }, Qt::QueuedConnection);
    }).detach();
}

} // namespace horavox
