// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <array>

namespace horavox {

class AnnouncementGate;
class Announcer;
class Clock;
class SettingsModel;
struct ProgramState;

// What the dispatcher asks of the main window. The clip calls return only when
// the last clip has been heard; while they wait, further ticks may arrive
// nested inside them, which the dispatcher is built for.
class DispatcherHost
{
public:
    virtual ~DispatcherHost() = default;
    virtual void PlayBleep() = 0;         // the bleep clip, twice
    // After PlayBleep(): false when what played stands for the words too.
    virtual bool wordsFollowBleep() const { return true; }
    virtual void SpeakTimeClips() = 0;    // TIME, then the time of that moment
    virtual void SpeakElapsedClips() = 0; // the elapsed-minutes clips
    // lit: the "speaking" lamp shown and the idle one hidden; otherwise the reverse.
    virtual void setLamps(bool lit) = 0;
    // Something the user must answer first holds the player (its message is
    // open): clip announcements wait as they do for a playing clip.
    virtual bool playerHeld() const { return false; }
};

// Turns the raised requests into speech when their voice and mode are in force
// and the voice is silent (Timer2). Every rule reads the settings, the engine
// and the player afresh, and sees what the rules before it left behind, so a
// setting changed in the middle of a tick counts at once.
class Dispatcher
{
public:
    Dispatcher(SettingsModel &settings, ProgramState &state, Announcer &announcer,
               DispatcherHost &host, Clock &clock);

    // One pass over the rules, in order.
    void tick();

    // True while a tick could still do something: a rule's request waits under
    // the voice and alarm mode that rule serves, or the engine or the player
    // is busy (the lamps follow the engine). While it is false a tick changes
    // nothing but the lamps, so the caller may stop polling until the next
    // change of settings, engine or player.
    bool pending() const;

    // The end of an alarm period: an elapsed-minutes announcement becomes due
    // in the voice selected at that moment.
    void alarmPeriodEnded();
    // The alarm was stopped: elapsed-minutes announcements still waiting, in
    // either voice, are not said.
    void dropAlarmAnnouncements();

    // Quiet times: elapsed-time announcements wait while the gate holds them.
    void setGate(const AnnouncementGate *gate) { m_gate = gate; }

    bool deferredTimeClip() const { return m_deferredTimeClip; }
    bool clipAlarmDue() const { return m_clipAlarmDue; }
    bool deferredAlarmClip() const { return m_deferredAlarmClip; }
    bool ttsAlarmDue() const { return m_ttsAlarmDue; }

    // The rule names in the order they are evaluated, for diagnostics and tests.
    static int ruleCount();
    static const char *ruleName(int index);

private:
    // A rule applies when its mode is in force, the request it waits on (if
    // any) is raised and the voice is in the state it needs (if any).
    struct Rule
    {
        const char *name;
        bool (Dispatcher::*inForce)() const;
        bool (*waitsOn)(const Dispatcher &);
        bool (Dispatcher::*voiceReady)() const;
        void (*act)(Dispatcher &);
        bool applies(const Dispatcher &d) const;
    };
    static const std::array<Rule, 14> kRules;

    bool tts() const;
    bool clips() const;
    bool alarm() const;
    bool noAlarm() const;
    bool ttsNoAlarm() const;
    bool clipsNoAlarm() const;
    bool ttsAlarm() const;
    bool clipsAlarm() const;
    bool engineBusy() const;
    bool engineSilent() const;
    bool playerBusy() const;
    bool alarmHeld() const;
    bool playerSilent() const;
    void updateLamps();
    void speakTimeWithBleep();
    void speakAlarmWithBleep();
    void speakTimeClipsAfterOptionalBleep();

    SettingsModel &m_settings;
    ProgramState &m_state;
    Announcer &m_announcer;
    DispatcherHost &m_host;
    Clock &m_clock;
    const AnnouncementGate *m_gate = nullptr;

    bool m_deferredTimeClip = false;  // a clip time request met a playing clip
    bool m_clipAlarmDue = false;      // a period ended with recorded clips selected
    bool m_deferredAlarmClip = false; // an elapsed announcement met a playing clip
    bool m_ttsAlarmDue = false;       // a period ended with text-to-speech selected
};

} // namespace horavox
