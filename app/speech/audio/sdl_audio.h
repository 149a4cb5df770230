// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <SDL.h>

namespace horavox {

// The SDL functions the sound path uses, from SDL loaded on first use: SDL
// and the desktop libraries it is linked with (display servers, sound
// servers, sound file formats) would otherwise be loaded and relocated at
// every start, by a clock that may not make a sound for a long while.
struct SdlAudio
{
    decltype(&::SDL_SetHint) SetHint;
    decltype(&::SDL_InitSubSystem) InitSubSystem;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem;
    decltype(&::SDL_GetNumAudioDevices) GetNumAudioDevices;
    decltype(&::SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&::SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&::SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&::SDL_NewAudioStream) NewAudioStream;
    decltype(&::SDL_FreeAudioStream) FreeAudioStream;
    decltype(&::SDL_AudioStreamPut) AudioStreamPut;
    decltype(&::SDL_AudioStreamGet) AudioStreamGet;
    decltype(&::SDL_AudioStreamAvailable) AudioStreamAvailable;
    decltype(&::SDL_AudioStreamFlush) AudioStreamFlush;
    decltype(&::SDL_AudioStreamClear) AudioStreamClear;
};

// Null when SDL cannot be loaded: the machine then cannot play sound.
const SdlAudio *sdlAudio();
// True once SDL has been loaded (by the first sound or question about one).
bool sdlLoaded();

} // namespace horavox
