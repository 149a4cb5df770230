// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

#include <pulse/pulseaudio.h>

namespace horavox {

// The libpulse functions the call watch uses, from libpulse loaded when the
// watch starts: linked in, libpulse and what it is linked with (sound file
// codecs, X11) would be loaded and relocated at every start, by a clock that
// watches for calls only once its face is up, and not at all for a one-off
// announcement or a benchmark. The headers are for types and constants only.
struct PulseLibrary
{
    decltype(&::pa_threaded_mainloop_new) threaded_mainloop_new;
    decltype(&::pa_threaded_mainloop_start) threaded_mainloop_start;
    decltype(&::pa_threaded_mainloop_stop) threaded_mainloop_stop;
    decltype(&::pa_threaded_mainloop_free) threaded_mainloop_free;
    decltype(&::pa_threaded_mainloop_lock) threaded_mainloop_lock;
    decltype(&::pa_threaded_mainloop_unlock) threaded_mainloop_unlock;
    decltype(&::pa_threaded_mainloop_get_api) threaded_mainloop_get_api;
    decltype(&::pa_proplist_new) proplist_new;
    decltype(&::pa_proplist_sets) proplist_sets;
    decltype(&::pa_proplist_gets) proplist_gets;
    decltype(&::pa_proplist_free) proplist_free;
    decltype(&::pa_context_new_with_proplist) context_new_with_proplist;
    decltype(&::pa_context_connect) context_connect;
    decltype(&::pa_context_disconnect) context_disconnect;
    decltype(&::pa_context_unref) context_unref;
    decltype(&::pa_context_get_state) context_get_state;
    decltype(&::pa_context_set_state_callback) context_set_state_callback;
    decltype(&::pa_context_set_subscribe_callback) context_set_subscribe_callback;
    decltype(&::pa_context_subscribe) context_subscribe;
    decltype(&::pa_context_get_source_info_list) context_get_source_info_list;
    decltype(&::pa_context_get_source_output_info_list) context_get_source_output_info_list;
    decltype(&::pa_operation_unref) operation_unref;
};

// libpulse by its soname (lib<name>.so.<version>), loaded and looked through
// once per name: null when it is not installed or lacks a function above, for
// good. Tests name a library that cannot serve.
const PulseLibrary *pulseLibrary(const QString &name = QStringLiteral("pulse"), int version = 0);

} // namespace horavox
