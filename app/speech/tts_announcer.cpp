// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tts_announcer.h"

#include "core/speech_engine.h"
#include "core/announcement_gate.h"
#include "core/clock.h"
#include "core/program_state.h"
#include "core/time_texts.h"
#include "language/spoken_language.h"
#include "core/settings_model.h"

namespace horavox {

QVector<int> dueMinutes(int interval)
{
    QVector<int> due;
    // A damaged slider file is the only way to get here with such a value;
    // without this guard 0 divides and 61..n leave an empty table anyway.
    if (interval <= 0 || interval > 60)
        return due;
    const int k = 60 / interval;
    due.reserve(k);
    for (int i = 0; i < k; ++i)
        due.append((i + 1) * interval);
    if (due.last() == 60)
        due.last() = 0;
    return due;
}

int minuteOfShortTime(const QString &shortTime)
{
    if (shortTime.size() < 2)
        return -1;
    bool ok = false;
    const int m = shortTime.right(2).toInt(&ok);
    return ok && m >= 0 ? m : -1;
}

void speakSentence(const SettingsModel &settings, const QString &sentence)
{
    SpeechEngine &engine = settings.engine();
    engine.TtsSetSpeed(settings.speed());
    engine.TtsSpeak(sentence);
}

QString currentTimeSentence(const SettingsModel &settings, const Clock &clock)
{
    return languageTimeSentence(settings.phrase(), clock.now().time());
}

QString currentAlarmSentence(const SettingsModel &settings, const ProgramState &state,
                             const Clock &clock)
{
    return languageAlarmSentence(state.AnnounceInterval, settings.tellTime() != 0, settings.phrase(),
                                 clock.now().time(), state.AlarmStartText);
}

TtsAnnouncer::TtsAnnouncer(SettingsModel &settings, ProgramState &state, Clock &clock)
    : m_settings(settings), m_state(state), m_clock(clock)
{
}

void TtsAnnouncer::TTScheckTime()
{
    // The busy test comes before the minute test: the retry made once the
    // engine is silent judges whatever minute it then finds.
    if (m_settings.ttsSelected()) {
        if (m_settings.engine().TtsBusy() != 0) {
            m_state.TimeCheckPending = true;
            return;
        }
        m_state.TimeCheckPending = false;
    }
    const int minute = minuteOfShortTime(m_state.ShortTimeText);
    if (minute < 0 || !dueMinutes(m_state.AnnounceInterval).contains(minute))
        return;
    // Quiet times. Text-to-speech says nothing at due minutes in alarm mode,
    // so such a minute must not use up a skip.
    const bool saysNothing = m_settings.ttsSelected() && m_settings.alarmMode() != 0;
    if (m_gate && !saysNothing && !m_gate->admitDueMinute())
        return;
    announceTime();
}

void TtsAnnouncer::StartupSpeak()
{
    announceTime();
}

void TtsAnnouncer::announceTime()
{
    if (!m_settings.ttsSelected()) {
        // Served by the dispatcher, which holds it while alarm mode is on.
        m_state.ClipTimeRequest = true;
        return;
    }
    if (m_settings.alarmMode() != 0)
        return;
    if (m_settings.playBleep() != 0) {
        m_state.TTSBleepTimeRequest = true;
        return;
    }
    speakSentence(m_settings, currentTimeSentence(m_settings, m_clock));
}

void TtsAnnouncer::TTSAlarm()
{
    if (m_settings.ttsSelected()) {
        if (m_settings.engine().TtsBusy() != 0) {
            m_state.AlarmCheckPending = true;
            return;
        }
        m_state.AlarmCheckPending = false;
    }
    if (m_settings.playBleep() != 0) {
        m_state.TTSBleepAlarmRequest = true;
        return;
    }
    speakSentence(m_settings, currentAlarmSentence(m_settings, m_state, m_clock));
}

} // namespace horavox
