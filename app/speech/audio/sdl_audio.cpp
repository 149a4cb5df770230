// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sdl_audio.h"

#include <QLibrary>

#include <atomic>
#include <mutex>

namespace horavox {

namespace {
std::atomic<bool> g_loaded{false};
} // namespace

const SdlAudio *sdlAudio()
{
    static const SdlAudio *api = nullptr;
    static std::once_flag once;
    std::call_once(once, [] {
        g_loaded = true;
        static QLibrary library(QStringLiteral("SDL2-2.0"), 0);
        if (!library.load())
            return;
        static SdlAudio a{};
        bool complete = true;
        auto get = [&](auto &fn, const char *name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(library.resolve(name));
            complete = complete && fn != nullptr;
        };
        get(a.SetHint, "SDL_SetHint");
        get(a.InitSubSystem, "SDL_InitSubSystem");
        get(a.QuitSubSystem, "SDL_QuitSubSystem");
        get(a.GetNumAudioDevices, "SDL_GetNumAudioDevices");
        get(a.OpenAudioDevice, "SDL_OpenAudioDevice");
        get(a.CloseAudioDevice, "SDL_CloseAudioDevice");
        get(a.PauseAudioDevice, "SDL_PauseAudioDevice");
        get(a.NewAudioStream, "SDL_NewAudioStream");
        get(a.FreeAudioStream, "SDL_FreeAudioStream");
        get(a.AudioStreamPut, "SDL_AudioStreamPut");
        get(a.AudioStreamGet, "SDL_AudioStreamGet");
        get(a.AudioStreamAvailable, "SDL_AudioStreamAvailable");
        get(a.AudioStreamFlush, "SDL_AudioStreamFlush");
        get(a.AudioStreamClear, "SDL_AudioStreamClear");
        if (complete)
            api = &a;
    });
    return api;
}

bool sdlLoaded()
{
    return g_loaded;
}

} // namespace horavox
