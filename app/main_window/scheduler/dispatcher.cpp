// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dispatcher.h"

#include "core/speech_engine.h"
#include "core/announcement_gate.h"
#include "core/program_state.h"
#include "core/announcer.h"
#include "core/settings_model.h"
#include "speech/tts_announcer.h"

#include <algorithm>

namespace horavox {

// Each rule names the voice and alarm mode it serves, the request it waits on
// (none for the lamp rules, which run on every tick of their mode) and the
// state the voice must be in. Each request is taken (lowered) before the
// announcement it asks for starts, so a tick that arrives nested inside that
// announcement cannot start it twice. An elapsed-time announcement held by
// quiet times is not waited on at all: the clock tick runs the dispatcher
// once a second and finds the hold over, so no 10 ms poll runs meanwhile.
const std::array<Dispatcher::Rule, 14> Dispatcher::kRules = {{
    {"A1", &Dispatcher::ttsNoAlarm, [](const Dispatcher &d) { return d.m_state.TimeCheckPending; },
     &Dispatcher::engineSilent,
     // TTScheckTime lowers the flag itself once it finds the engine silent.
     [](Dispatcher &d) { d.m_announcer.TTScheckTime(); }},
    {"A2", &Dispatcher::ttsNoAlarm, [](const Dispatcher &d) { return d.m_state.TTSBleepTimeRequest; },
     &Dispatcher::engineSilent, [](Dispatcher &d) { d.speakTimeWithBleep(); }},
    {"A3", &Dispatcher::ttsNoAlarm, nullptr, nullptr, [](Dispatcher &d) { d.updateLamps(); }},
    {"B", &Dispatcher::clipsNoAlarm, [](const Dispatcher &d) { return d.m_state.ClipTimeRequest; },
     &Dispatcher::playerSilent,
     [](Dispatcher &d) {
         d.m_state.ClipTimeRequest = false;
         d.speakTimeClipsAfterOptionalBleep();
     }},
    {"C", &Dispatcher::clipsNoAlarm, [](const Dispatcher &d) { return d.m_state.ClipTimeRequest; },
     &Dispatcher::playerBusy,
     [](Dispatcher &d) {
         d.m_state.ClipTimeRequest = false;
         d.m_deferredTimeClip = true;
     }},
    {"D", &Dispatcher::clipsNoAlarm, [](const Dispatcher &d) { return d.m_deferredTimeClip; },
     &Dispatcher::playerSilent,
     [](Dispatcher &d) {
         d.m_deferredTimeClip = false;
         d.speakTimeClipsAfterOptionalBleep();
     }},
    {"E", &Dispatcher::clipsAlarm, [](const Dispatcher &d) { return d.m_clipAlarmDue && !d.alarmHeld(); },
     &Dispatcher::playerSilent,
     // No bleep here: the elapsed clips decide about their own bleep.
     [](Dispatcher &d) {
         d.m_clipAlarmDue = false;
         d.m_host.SpeakElapsedClips();
     }},
    {"F", &Dispatcher::clipsAlarm, [](const Dispatcher &d) { return d.m_clipAlarmDue && !d.alarmHeld(); },
     &Dispatcher::playerBusy,
     [](Dispatcher &d) {
         d.m_clipAlarmDue = false;
         d.m_deferredAlarmClip = true;
     }},
    {"G", &Dispatcher::clipsAlarm, [](const Dispatcher &d) { return d.m_deferredAlarmClip && !d.alarmHeld(); },
     &Dispatcher::playerSilent,
     [](Dispatcher &d) {
         d.m_deferredAlarmClip = false;
         d.m_host.SpeakElapsedClips();
     }},
    {"H1", &Dispatcher::ttsAlarm, [](const Dispatcher &d) { return d.m_ttsAlarmDue && !d.alarmHeld(); }, nullptr,
     [](Dispatcher &d) {
         d.m_ttsAlarmDue = false;
         d.m_announcer.TTSAlarm();
     }},
    {"H2", &Dispatcher::ttsAlarm, nullptr, nullptr, [](Dispatcher &d) { d.updateLamps(); }},
    {"I1", &Dispatcher::ttsAlarm, [](const Dispatcher &d) { return d.m_state.AlarmCheckPending; },
     &Dispatcher::engineSilent, [](Dispatcher &d) { d.m_announcer.TTSAlarm(); }},
    {"I2", &Dispatcher::ttsAlarm, nullptr, nullptr, [](Dispatcher &d) { d.updateLamps(); }},
    {"J", &Dispatcher::ttsAlarm, [](const Dispatcher &d) { return d.m_state.TTSBleepAlarmRequest; },
     &Dispatcher::engineSilent, [](Dispatcher &d) { d.speakAlarmWithBleep(); }},
}};

bool Dispatcher::Rule::applies(const Dispatcher &d) const
{
    return (d.*inForce)() && (!waitsOn || waitsOn(d)) && (!voiceReady || (d.*voiceReady)());
}

Dispatcher::Dispatcher(SettingsModel &settings, ProgramState &state, Announcer &announcer,
                       DispatcherHost &host, Clock &clock)
    : m_settings(settings), m_state(state), m_announcer(announcer), m_host(host), m_clock(clock)
{
}

void Dispatcher::tick()
{
    for (const Rule &rule : kRules) {
        if (rule.applies(*this))
            rule.act(*this);
    }
}

bool Dispatcher::pending() const
{
    // The lamps follow a busy engine; a busy player ends with a signal of its
    // own, but the deferred requests it holds must be seen right after.
    if (engineBusy() || playerBusy())
        return true;
    // Read from the rules themselves, so a new rule cannot be left out. A
    // request raised under another voice or alarm mode waits for a settings
    // change, which wakes the dispatcher anyway.
    return std::any_of(kRules.cbegin(), kRules.cend(), [this](const Rule &rule) {
        return rule.waitsOn && (this->*rule.inForce)() && rule.waitsOn(*this);
    });
}

void Dispatcher::alarmPeriodEnded()
{
    if (m_settings.clipsSelected())
        m_clipAlarmDue = true;
    else
        m_ttsAlarmDue = true;
}

void Dispatcher::dropAlarmAnnouncements()
{
    m_clipAlarmDue = false;
    m_deferredAlarmClip = false;
    m_ttsAlarmDue = false;
    m_state.AlarmCheckPending = false;
    m_state.TTSBleepAlarmRequest = false;
}

int Dispatcher::ruleCount()
{
    return int(kRules.size());
}

const char *Dispatcher::ruleName(int index)
{
    return index >= 0 && index < ruleCount() ? kRules[size_t(index)].name : "";
}

bool Dispatcher::tts() const
{
    return m_settings.ttsSelected();
}

bool Dispatcher::clips() const
{
    return m_settings.clipsSelected();
}

bool Dispatcher::alarm() const
{
    return m_settings.alarmMode() == 1;
}

bool Dispatcher::noAlarm() const
{
    return m_settings.alarmMode() == 0;
}

bool Dispatcher::ttsNoAlarm() const
{
    return tts() && noAlarm();
}

bool Dispatcher::clipsNoAlarm() const
{
    return clips() && noAlarm();
}

bool Dispatcher::ttsAlarm() const
{
    return tts() && alarm();
}

bool Dispatcher::clipsAlarm() const
{
    return clips() && alarm();
}

bool Dispatcher::engineSilent() const
{
    return !engineBusy();
}

bool Dispatcher::playerSilent() const
{
    return !playerBusy();
}

bool Dispatcher::engineBusy() const
{
    return m_settings.engine().TtsBusy() != 0;
}

bool Dispatcher::playerBusy() const
{
    return m_state.clipPlaying() || m_host.playerHeld();
}

bool Dispatcher::alarmHeld() const
{
    return m_gate && m_gate->holdsAlarm();
}

void Dispatcher::updateLamps()
{
    m_host.setLamps(engineBusy());
}

void Dispatcher::speakTimeWithBleep()
{
    // The request exists only because the bleep was wanted when it was raised.
    m_state.TTSBleepTimeRequest = false;
    m_host.PlayBleep();
    if (m_host.wordsFollowBleep())
        speakSentence(m_settings, currentTimeSentence(m_settings, m_clock));
}

void Dispatcher::speakAlarmWithBleep()
{
    m_state.TTSBleepAlarmRequest = false;
    m_host.PlayBleep();
    speakSentence(m_settings, currentAlarmSentence(m_settings, m_state, m_clock));
}

void Dispatcher::speakTimeClipsAfterOptionalBleep()
{
    if (m_settings.playBleep() == 1) {
        m_host.PlayBleep();
        if (!m_host.wordsFollowBleep())
            return;
    }
    m_host.SpeakTimeClips();
}

} // namespace horavox
