// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>
#include <QTimer>

namespace horavox {

class Clock;
class MainForm;
class SpeechEngine;

// Speaks the current time once in the voice the settings hold, as the clock
// announces it on its own: with the recorded voice the bleep comes first when
// "Play Sound Before" is set, and a clip already playing is let finish. In
// alarm mode the regular announcements are held, so the request is served as
// the Speak button serves it. The window must have been loaded.
void requestTimeAnnouncement(MainForm &form);

// `horavox --print-time`: the sentence the text-to-speech voice would say
// at the clock's now, with the phrase of the settings file and the language
// and clock of the moment. Reads the files and writes none: a missing or
// unreadable settings file gives the built-in phrase.
QString printedTimeSentence(const Clock &clock);

// True when the clock has nothing left to say: no time request is waiting,
// no clip plays and the engine is silent.
bool voiceSilent(MainForm &form, const SpeechEngine &engine);

// `horavox --say-time` with no clock running: the loaded window (never
// shown) says the time once, and the run ends when the voice is silent or,
// at the latest, after the timeout.
class SayTimeRun : public QObject
{
    Q_OBJECT
public:
    SayTimeRun(MainForm &form, SpeechEngine &engine, int timeoutMs = 60000, QObject *parent = nullptr);

    // Starts the announcement. If the window's load has already announced
    // the time ("Announce Time at Startup"), that announcement is the one
    // and no second is made.
    void start();
    bool startedByLoad() const { return m_byLoad; }

    static constexpr int kPollMs = 25;

Q_SIGNALS:
    // completed: the voice fell silent; false: the timeout struck first.
    void finished(bool completed);

private:
    void poll();
    void end(bool completed);

    MainForm &m_form;
    SpeechEngine &m_engine;
    QTimer m_poll;
    QTimer m_deadline;
    bool m_byLoad = false;
    bool m_done = false;
};

} // namespace horavox
