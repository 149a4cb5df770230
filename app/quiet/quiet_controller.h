// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "quiet/quiet_gate.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace horavox {

class Clock;

// Keeps the quiet-times gate and its preferences file together: loads the
// file at start, writes it when something worth keeping changes (a mute at
// once, so that a command-line mute survives an immediate restart; the
// dialog's changes a moment later, so a dragged slider is one write), and
// tells the rest of the program what changed.
class QuietController : public QObject
{
    Q_OBJECT
public:
    explicit QuietController(Clock &clock, const QString &path = quiet_preferences::path(),
                             QObject *parent = nullptr);
    ~QuietController() override;

    QuietGate &gate() { return m_gate; }
    const Clock &clock() const { return m_clock; }
    const QuietPreferences &preferences() const { return m_gate.preferences(); }
    // The dialog's choices; the mute time is left as it is.
    void setPreferences(const QuietPreferences &p);

    // Where the status line learns the scheduler's settings of the moment.
    void setScheduleSource(std::function<ScheduleView()> source) { m_schedule = std::move(source); }
    QString statusText() const;

    // Writes what is still waiting to be written.
    bool flush();
    // Why the file could not be read at start (empty when it was, or was
    // not there); such a file is never written over.
    const QString &readFailure() const { return m_readFailure; }
    const QString &path() const { return m_path; }

Q_SIGNALS:
    // Anything the status line, the menus or the mark show may have changed,
    // a mute running out among them.
    void changed();
    void volumeChanged(int percent);
    // The seam for the voice list: whoever loads the engines picks the voice.
    void voiceChanged(const QString &voice);
    // The language of the sentences, or the clock they read, was changed.
    void languageChanged();
    // A change could not be kept in the file, and why.
    void notSaved(const QString &why);

private:
    void gateChanged();
    void armMuteEnd();

    Clock &m_clock;
    QuietGate m_gate;
    QString m_path;
    QuietPreferences m_saved;
    QString m_readFailure;
    QString m_lastFailure;
    int m_volume = 100;
    QString m_voice;
    QString m_language;
    ClockStyle m_clockStyle = ClockStyle::Usual;
    std::function<ScheduleView()> m_schedule;
    QTimer m_saveLater;
    QTimer m_muteEnd;
};

} // namespace horavox
