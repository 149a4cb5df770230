// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pulse_library.h"

#include <QLibrary>

#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace horavox {

namespace {
struct Loaded
{
    QLibrary library;
    PulseLibrary api{};
    bool complete = false;
};

std::unique_ptr<Loaded> load(const QString &name, int version)
{
    auto l = std::make_unique<Loaded>();
    l->library.setFileNameAndVersion(name, version);
    if (!l->library.load())
        return l;
    bool complete = true;
    auto get = [&](auto &fn, const char *symbol) {
        fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(l->library.resolve(symbol));
        complete = complete && fn != nullptr;
    };
    PulseLibrary &a = l->api;
    get(a.threaded_mainloop_new, "pa_threaded_mainloop_new");
    get(a.threaded_mainloop_start, "pa_threaded_mainloop_start");
    get(a.threaded_mainloop_stop, "pa_threaded_mainloop_stop");
    get(a.threaded_mainloop_free, "pa_threaded_mainloop_free");
    get(a.threaded_mainloop_lock, "pa_threaded_mainloop_lock");
    get(a.threaded_mainloop_unlock, "pa_threaded_mainloop_unlock");
    get(a.threaded_mainloop_get_api, "pa_threaded_mainloop_get_api");
    get(a.proplist_new, "pa_proplist_new");
    get(a.proplist_sets, "pa_proplist_sets");
    get(a.proplist_gets, "pa_proplist_gets");
    get(a.proplist_free, "pa_proplist_free");
    get(a.context_new_with_proplist, "pa_context_new_with_proplist");
    get(a.context_connect, "pa_context_connect");
    get(a.context_disconnect, "pa_context_disconnect");
    get(a.context_unref, "pa_context_unref");
    get(a.context_get_state, "pa_context_get_state");
    get(a.context_set_state_callback, "pa_context_set_state_callback");
    get(a.context_set_subscribe_callback, "pa_context_set_subscribe_callback");
    get(a.context_subscribe, "pa_context_subscribe");
    get(a.context_get_source_info_list, "pa_context_get_source_info_list");
    get(a.context_get_source_output_info_list, "pa_context_get_source_output_info_list");
    get(a.operation_unref, "pa_operation_unref");
    l->complete = complete;
    return l;
}
} // namespace

const PulseLibrary *pulseLibrary(const QString &name, int version)
{
    // Kept to the end of the process: the watch's thread calls into it until
    // the watch is destroyed, and a second look would find the same.
    static std::mutex mutex;
    static std::map<std::pair<QString, int>, std::unique_ptr<Loaded>> tried;
    std::lock_guard lock(mutex);
    std::unique_ptr<Loaded> &l = tried[{name, version}];
    if (!l)
        l = load(name, version);
    return l->complete ? &l->api : nullptr;
}

} // namespace horavox
