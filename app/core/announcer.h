// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace horavox {

// The three text-to-speech announcement decisions the settings window runs:
// once a minute, once at start-up, and when an alarm period has ended.
class Announcer
{
public:
    virtual ~Announcer() = default;
    virtual void TTScheckTime() = 0;
    virtual void StartupSpeak() = 0;
    virtual void TTSAlarm() = 0;
};

} // namespace horavox
