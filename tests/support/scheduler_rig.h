// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A dispatcher wired to fakes: settings, engine, clock, a recording announcer
// around the real text-to-speech decisions, and a main window that logs what
// it is asked to play into the engine's log, so that one list shows the order
// of bleeps, clips and sentences.
#include "core/program_state.h"
#include "fake_clock.h"
#include "main_window/scheduler/dispatcher.h"
#include "speech/tts_announcer.h"
#include "speech_fakes.h"

#include <functional>

namespace horavox_test {

class RecordingAnnouncer final : public horavox::Announcer
{
public:
    explicit RecordingAnnouncer(horavox::Announcer &real, QStringList &log) : m_real(real), m_log(log) {}
    void TTScheckTime() override
    {
        m_log << QStringLiteral("TTScheckTime");
        m_real.TTScheckTime();
    }
    void StartupSpeak() override
    {
        m_log << QStringLiteral("StartupSpeak");
        m_real.StartupSpeak();
    }
    void TTSAlarm() override
    {
        m_log << QStringLiteral("TTSAlarm");
        m_real.TTSAlarm();
    }

private:
    horavox::Announcer &m_real;
    QStringList &m_log;
};

// Plays nothing; while a clip call runs, the player reads "playing" and the
// optional hook runs, as ticks arriving inside the wait would.
class FakeHost final : public horavox::DispatcherHost
{
public:
    FakeHost(QStringList &log, horavox::ProgramState &state) : m_log(log), m_state(state) {}
    void PlayBleep() override
    {
        ++bleeps;
        play(QStringLiteral("bleep"));
    }
    void SpeakTimeClips() override
    {
        ++timeClips;
        play(QStringLiteral("timeclips"));
    }
    void SpeakElapsedClips() override
    {
        ++elapsedClips;
        play(QStringLiteral("elapsedclips"));
    }
    void setLamps(bool lit) override
    {
        ++lampCalls;
        if (lit != lampLit) { // only changes: how often a lamp is set is no behaviour
            lampLit = lit;
            if (logLamps)
                m_log << (lit ? QStringLiteral("lamp:on") : QStringLiteral("lamp:off"));
        }
    }

    std::function<void(const QString &)> whilePlaying;
    bool lampLit = false;
    bool logLamps = true;
    int lampCalls = 0;
    int clipCalls = 0;
    int bleeps = 0;
    int timeClips = 0;
    int elapsedClips = 0;
    bool keepLog = true;

private:
    void play(const QString &what)
    {
        ++clipCalls;
        if (keepLog)
            m_log << what;
        m_state.WaveModeText = QStringLiteral("playing");
        if (whilePlaying)
            whilePlaying(what);
        m_state.WaveModeText = QStringLiteral("stopped");
    }

    QStringList &m_log;
    horavox::ProgramState &m_state;
};

struct SchedulerRig
{
    explicit SchedulerRig(QDateTime start = QDateTime(QDate(2026, 5, 4), QTime(17, 29, 58)))
        : clock(std::move(start))
    {
        engine.clock = &clock;
    }

    // Sets the short time text as the clock tick would.
    void syncShortTime()
    {
        const QTime t = clock.now().time();
        state.ShortTimeText = QStringLiteral("%1:%2")
                                  .arg(t.hour(), 2, 10, QLatin1Char('0'))
                                  .arg(t.minute(), 2, 10, QLatin1Char('0'));
    }

    FakeClock clock;
    FakeEngine engine;
    FakeSettings settings{engine};
    horavox::ProgramState state;
    horavox::TtsAnnouncer tts{settings, state, clock};
    RecordingAnnouncer announcer{tts, engine.log};
    FakeHost host{engine.log, state};
    horavox::Dispatcher dispatcher{settings, state, announcer, host, clock};
};

} // namespace horavox_test
