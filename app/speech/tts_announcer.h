// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QVector>

#include "core/announcer.h"

namespace horavox {

class AnnouncementGate;
class Clock;
class SettingsModel;
struct ProgramState;

// The minutes of the hour on which an interval announces: multiples of the
// interval within the hour, the last one written as 0 when it falls on 60.
// Intervals outside 1..60 have no due minute.
QVector<int> dueMinutes(int interval);

// The minute of a short time text "HH:nn" (its last two characters), or -1
// when they are not a number.
int minuteOfShortTime(const QString &shortTime);

// Every sentence is spoken at the speed set at that moment.
void speakSentence(const SettingsModel &settings, const QString &sentence);
// The time sentence for now, from the phrase of the moment.
QString currentTimeSentence(const SettingsModel &settings, const Clock &clock);
// The elapsed-minutes sentence for now: the interval, the time-telling choice
// and phrase of the moment, and the alarm's start time.
QString currentAlarmSentence(const SettingsModel &settings, const ProgramState &state,
                             const Clock &clock);

// The text-to-speech decisions: the once-a-minute time check, the start-up
// announcement and the end of an alarm period. Announcements that need a bleep
// first, or recorded clips, are only requested here; the dispatcher plays them.
class TtsAnnouncer final : public Announcer
{
public:
    TtsAnnouncer(SettingsModel &settings, ProgramState &state, Clock &clock);

    void TTScheckTime() override;
    void StartupSpeak() override;
    void TTSAlarm() override;

    // Quiet times: asked before a due minute is announced; none by default.
    void setGate(AnnouncementGate *gate) { m_gate = gate; }

private:
    // Requests the time announcement in the current voice and mode, or speaks
    // it at once; shared by the minute check and the start-up announcement.
    void announceTime();

    SettingsModel &m_settings;
    ProgramState &m_state;
    Clock &m_clock;
    AnnouncementGate *m_gate = nullptr;
};

} // namespace horavox
