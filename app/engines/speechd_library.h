// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

#include <libspeechd.h>

namespace horavox {

// The libspeechd functions the speech-dispatcher voice uses, from the library
// loaded when that voice is first needed: a clock speaking with its own
// engines never loads it (nor GLib behind it), and a machine without it
// starts as well as one with it. The header is for types and constants only.
struct SpeechdLibrary
{
    decltype(&::spd_open2) open2;
    decltype(&::spd_close) close;
    decltype(&::spd_get_client_id) get_client_id;
    decltype(&::spd_say) say;
    decltype(&::spd_cancel) cancel;
    decltype(&::spd_set_notification_on) set_notification_on;
    decltype(&::spd_set_voice_rate) set_voice_rate;
    decltype(&::spd_set_volume) set_volume;
    decltype(&::spd_get_voice_rate) get_voice_rate;
    decltype(&::spd_set_language) set_language;
    decltype(&::spd_set_output_module) set_output_module;
    decltype(&::spd_set_synthesis_voice) set_synthesis_voice;
    decltype(&::spd_list_modules) list_modules;
    decltype(&::free_spd_modules) free_modules;
    decltype(&::spd_list_synthesis_voices) list_synthesis_voices;
    decltype(&::free_spd_voices) free_voices;
};

// Loaded and looked through once per process: null when the library is not
// installed or lacks a function above, for good.
const SpeechdLibrary *speechdLibrary();

// Whether the library is there, told from its file without loading it, for
// what only offers the voice.
bool speechdInstalled();

} // namespace horavox
