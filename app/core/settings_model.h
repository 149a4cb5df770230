// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

namespace horavox {

class SpeechEngine;

// What the rest of the program reads of the settings window. Every read asks
// the window's controls at that moment (before they are made, what the load
// read, which nothing else can change); nothing is cached.
class SettingsModel
{
public:
    virtual ~SettingsModel() = default;
    virtual bool ttsSelected() const = 0;      // Option1 "Say using TTS"
    virtual bool clipsSelected() const = 0;    // Option2 "Say using Real Speech"
    virtual int speed() const = 0;             // HScroll1, 50..220
    virtual QString phrase() const = 0;        // Text1, exactly as typed
    virtual int announceAtStartup() const = 0; // Check1 value, 0 or 1
    virtual int alarmMode() const = 0;         // Check4 value, 0 or 1
    virtual int tellTime() const = 0;          // TellTimeChk value, 0 or 1
    virtual int playBleep() const = 0;         // PlayBleepChk value, 0 or 1
    virtual SpeechEngine &engine() const = 0;  // DirectSS1
};

} // namespace horavox
