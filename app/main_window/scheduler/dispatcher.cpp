#include "dispatcher.h"

#include "components/speech_engine.h"
#include "core/program_state.h"
#include "settings/announcer.h"
#include "settings/settings_model.h"
#include "speech/tts_announcer.h"

namespace horavox {

// Each request is taken (lowered) before the announcement it asks for starts,
// so a tick that arrives nested inside that announcement cannot start it twice.
const std::array<Dispatcher::Rule, 14> Dispatcher::kRules = {{
    {"A1",
     [](const Dispatcher &d) {
         return d.tts() && d.noAlarm() && !d.engineBusy() && d.m_state.TimeCheckPending;
     },
     // TTScheckTime lowers the flag itself once it finds the engine silent.
     [](Dispatcher &d) { d.m_announcer.TTScheckTime(); }},
    {"A2",
     [](const Dispatcher &d) {
         return d.tts() && d.noAlarm() && !d.engineBusy() && d.m_state.TTSBleepTimeRequest;
     },
     [](Dispatcher &d) { d.speakTimeWithBleep(); }},
    {"A3", [](const Dispatcher &d) { return d.tts() && d.noAlarm(); },
     [](Dispatcher &d) { d.updateLamps(); }},
    {"B",
     [](const Dispatcher &d) {
         return d.clips() && d.noAlarm() && !d.playerBusy() && d.m_state.ClipTimeRequest;
     },
     [](Dispatcher &d) {
         d.m_state.ClipTimeRequest = false;
         d.speakTimeClipsAfterOptionalBleep();
     }},
    {"C",
     [](const Dispatcher &d) {
         return d.clips() && d.noAlarm() && d.playerBusy() && d.m_state.ClipTimeRequest;
     },
     [](Dispatcher &d) {
         d.m_state.ClipTimeRequest = false;
         d.m_deferredTimeClip = true;
     }},
    {"D",
     [](const Dispatcher &d) {
         return d.clips() && d.noAlarm() && !d.playerBusy() && d.m_deferredTimeClip;
     },
     [](Dispatcher &d) {
         d.m_deferredTimeClip = false;
         d.speakTimeClipsAfterOptionalBleep();
     }},
    {"E",
     [](const Dispatcher &d) {
         return d.clips() && d.alarm() && !d.playerBusy() && d.m_clipAlarmDue;
     },
     // No bleep here: the elapsed clips decide about their own bleep.
     [](Dispatcher &d) {
         d.m_clipAlarmDue = false;
         d.m_host.SpeakElapsedClips();
     }},
    {"F",
     [](const Dispatcher &d) {
         return d.clips() && d.alarm() && d.playerBusy() && d.m_clipAlarmDue;
     },
     [](Dispatcher &d) {
         d.m_clipAlarmDue = false;
         d.m_deferredAlarmClip = true;
     }},
    {"G",
     [](const Dispatcher &d) {
         return d.clips() && d.alarm() && !d.playerBusy() && d.m_deferredAlarmClip;
     },
     [](Dispatcher &d) {
         d.m_deferredAlarmClip = false;
         d.m_host.SpeakElapsedClips();
     }},
    {"H1", [](const Dispatcher &d) { return d.tts() && d.alarm() && d.m_ttsAlarmDue; },
     [](Dispatcher &d) {
         d.m_ttsAlarmDue = false;
         d.m_announcer.TTSAlarm();
     }},
    {"H2", [](const Dispatcher &d) { return d.tts() && d.alarm(); },
     [](Dispatcher &d) { d.updateLamps(); }},
    {"I1",
     [](const Dispatcher &d) {
         return d.tts() && d.alarm() && !d.engineBusy() && d.m_state.AlarmCheckPending;
     },
     [](Dispatcher &d) { d.m_announcer.TTSAlarm(); }},
    {"I2", [](const Dispatcher &d) { return d.tts() && d.alarm(); },
     [](Dispatcher &d) { d.updateLamps(); }},
    {"J",
     [](const Dispatcher &d) {
         return d.tts() && d.alarm() && !d.engineBusy() && d.m_state.TTSBleepAlarmRequest;
     },
     [](Dispatcher &d) { d.speakAlarmWithBleep(); }},
}};

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
    return m_state.TimeCheckPending || m_state.AlarmCheckPending || m_state.ClipTimeRequest
           || m_state.TTSBleepTimeRequest || m_state.TTSBleepAlarmRequest || m_deferredTimeClip
           || m_clipAlarmDue || m_deferredAlarmClip || m_ttsAlarmDue || engineBusy()
           || playerBusy();
}

void Dispatcher::alarmPeriodEnded()
{
    if (m_settings.clipsSelected())
        m_clipAlarmDue = true;
    else
        m_ttsAlarmDue = true;
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

bool Dispatcher::engineBusy() const
{
    return m_settings.engine().TtsBusy() != 0;
}

bool Dispatcher::playerBusy() const
{
    return m_state.WaveModeText == QLatin1String("playing") || m_host.playerHeld();
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
    if (m_settings.playBleep() == 1)
        m_host.PlayBleep();
    m_host.SpeakTimeClips();
}

} // namespace horavox
