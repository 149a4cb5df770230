// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "call_monitor.h"

#include "pulse_library.h"

#include <cstring>
#include <set>

namespace horavox {

bool countsAsCall(const RecordingStream &s)
{
    return !s.fromMonitor && !s.peakMeter && !s.corked && s.hasClient;
}

// The server's side runs on libpulse's own thread. Results reach the monitor
// as queued calls on its thread; the monitor's destructor stops that thread
// before anything it uses goes away.
struct CallMonitor::Pulse
{
    CallMonitor *owner = nullptr;
    const PulseLibrary *pa = nullptr;
    pa_threaded_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    // A scan asks for the sources, then for the recording streams; events
    // that arrive meanwhile ask for one more scan after it.
    bool scanning = false;
    bool rescan = false;
    std::set<uint32_t> monitorSources;
    bool sawCall = false;

    void post(void (CallMonitor::*fn)(bool), bool value)
    {
        QMetaObject::invokeMethod(owner, [o = owner, fn, value] { (o->*fn)(value); }, Qt::QueuedConnection);
    }

    void scan()
    {
        if (scanning) {
            rescan = true;
            return;
        }
        scanning = true;
        rescan = false;
        monitorSources.clear();
        sawCall = false;
        if (pa_operation *op = pa->context_get_source_info_list(context, &Pulse::onSource, this))
            pa->operation_unref(op);
        else
            scanning = false;
    }

    static void onSource(pa_context *c, const pa_source_info *info, int eol, void *self)
    {
        auto *p = static_cast<Pulse *>(self);
        if (eol < 0) {
            p->scanning = false;
            return;
        }
        if (!eol) {
            if (info->monitor_of_sink != PA_INVALID_INDEX)
                p->monitorSources.insert(info->index);
            return;
        }
        if (pa_operation *op = p->pa->context_get_source_output_info_list(c, &Pulse::onRecording, self))
            p->pa->operation_unref(op);
        else
            p->scanning = false;
    }

    static void onRecording(pa_context *, const pa_source_output_info *info, int eol, void *self)
    {
        auto *p = static_cast<Pulse *>(self);
        if (eol < 0) {
            p->scanning = false;
            return;
        }
        if (!eol) {
            RecordingStream s;
            s.fromMonitor = p->monitorSources.count(info->source) > 0;
            // PulseAudio gives a level meter's stream the "peaks" resampler;
            // PipeWire marks it as a monitor stream instead.
            s.peakMeter = (info->resample_method && std::strcmp(info->resample_method, "peaks") == 0)
                          || (info->proplist && p->pa->proplist_gets(info->proplist, "stream.monitor")
                              && std::strcmp(p->pa->proplist_gets(info->proplist, "stream.monitor"), "true") == 0);
            s.corked = info->corked != 0;
            s.hasClient = info->client != PA_INVALID_INDEX;
            p->sawCall = p->sawCall || countsAsCall(s);
            return;
        }
        p->scanning = false;
        p->post(&CallMonitor::setInCall, p->sawCall);
        if (p->rescan)
            p->scan();
    }

    static void onEvent(pa_context *, pa_subscription_event_type_t, uint32_t, void *self)
    {
        static_cast<Pulse *>(self)->scan();
    }

    static void onState(pa_context *c, void *self)
    {
        auto *p = static_cast<Pulse *>(self);
        switch (p->pa->context_get_state(c)) {
        case PA_CONTEXT_READY: {
            p->pa->context_set_subscribe_callback(c, &Pulse::onEvent, self);
            const auto mask = pa_subscription_mask_t(PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_SOURCE_OUTPUT);
            if (pa_operation *op = p->pa->context_subscribe(c, mask, nullptr, nullptr))
                p->pa->operation_unref(op);
            p->post(&CallMonitor::setConnected, true);
            p->scan();
            break;
        }
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            QMetaObject::invokeMethod(p->owner, &CallMonitor::serverLost, Qt::QueuedConnection);
            break;
        default:
            break;
        }
    }

    void dropContext()
    {
        if (!context)
            return;
        pa->context_set_state_callback(context, nullptr, nullptr);
        pa->context_set_subscribe_callback(context, nullptr, nullptr);
        pa->context_disconnect(context);
        pa->context_unref(context);
        context = nullptr;
        scanning = false;
        rescan = false;
    }
};

CallMonitor::CallMonitor(QObject *parent) : QObject(parent), d(std::make_unique<Pulse>())
{
    d->owner = this;
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &CallMonitor::connectToServer);
}

CallMonitor::~CallMonitor()
{
    if (!d->loop)
        return;
    d->pa->threaded_mainloop_lock(d->loop);
    d->dropContext();
    d->pa->threaded_mainloop_unlock(d->loop);
    d->pa->threaded_mainloop_stop(d->loop);
    d->pa->threaded_mainloop_free(d->loop);
}

void CallMonitor::start(const QString &library, int version)
{
    if (d->loop)
        return;
    // Loaded here, before the server's thread exists. A machine without
    // libpulse has no server to watch: the watch stays off, as when no server
    // answers, and is not tried again.
    d->pa = pulseLibrary(library, version);
    if (!d->pa)
        return;
    d->loop = d->pa->threaded_mainloop_new();
    if (!d->loop || d->pa->threaded_mainloop_start(d->loop) < 0) {
        if (d->loop)
            d->pa->threaded_mainloop_free(d->loop);
        d->loop = nullptr;
        return;
    }
    connectToServer();
}

void CallMonitor::connectToServer()
{
    d->pa->threaded_mainloop_lock(d->loop);
    d->dropContext();
    pa_proplist *props = d->pa->proplist_new();
    d->pa->proplist_sets(props, PA_PROP_APPLICATION_NAME, "Horavox");
    d->pa->proplist_sets(props, PA_PROP_APPLICATION_ID, "horavox");
    d->context = d->pa->context_new_with_proplist(d->pa->threaded_mainloop_get_api(d->loop), "Horavox", props);
    d->pa->proplist_free(props);
    bool failed = !d->context;
    if (!failed) {
        d->pa->context_set_state_callback(d->context, &Pulse::onState, d.get());
        // Never start a server of our own: the clock only watches the one
        // the desktop runs.
        failed = d->pa->context_connect(d->context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0;
    }
    d->pa->threaded_mainloop_unlock(d->loop);
    if (failed)
        serverLost();
}

void CallMonitor::serverLost()
{
    if (m_retry.isActive())
        return;
    setConnected(false);
    setInCall(false);
    m_retry.start(m_retryMs);
    m_retryMs = qMin(m_retryMs * 2, kLastRetryMs);
}

void CallMonitor::setConnected(bool connected)
{
    if (connected == m_connected)
        return;
    m_connected = connected;
    if (connected)
        m_retryMs = kFirstRetryMs;
    Q_EMIT connectedChanged(connected);
}

void CallMonitor::setInCall(bool inCall)
{
    if (inCall == m_inCall)
        return;
    m_inCall = inCall;
    Q_EMIT inCallChanged(inCall);
}

} // namespace horavox
