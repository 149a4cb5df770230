// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "chimes/bleep_stand_in.h"
#include "chimes/chime_preferences.h"
#include "chimes/chime_sounds.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace horavox {

class AudioOutput;
class AudioVoice;
class Clock;
class MainForm;

// The chimes at run time: keeps the user's choice and its file, plays the
// chosen chime where the bleep would be, and starts the pips ahead of a due
// minute so that their long sixth begins as the minute does.
class ChimeController : public QObject, public BleepStandIn
{
    Q_OBJECT
public:
    // `soundFolder` keeps the made chime files; `prefsPath` the choices.
    ChimeController(const Clock &clock, AudioOutput &audio, QString prefsPath, QString soundFolder,
                    QObject *parent = nullptr);
    ~ChimeController() override;

    const ChimePreferences &preferences() const { return m_prefs; }
    // Takes the new choices and saves them at once. A file that could not be
    // read at start is never written over; that, or a failed write, is
    // returned (and signalled) in words for the user. Empty: saved.
    QString setPreferences(const ChimePreferences &p);
    // Why the file could not be read at start; empty when it could.
    QString readFailure() const { return m_readFailure; }

    // Plays into the window's announcements; without a window nothing is
    // played ahead of a minute.
    void attach(MainForm *window);
    // Whether a regular announcement would be heard at the coming minute
    // (quiet times); none: always.
    void setAdmitsNextMinute(std::function<bool()> admits) { m_admits = std::move(admits); }

    // The sound of a choice now, as a preview plays it: the samples at the
    // device rate, or empty with `why` saying what is wrong (the user's file).
    std::vector<int16_t> previewSamples(ChimeChoice choice, const QString &ownFile, QString *why = nullptr) const;

    // BleepStandIn
    bool playInPlaceOfBleep(MainForm &window) override;
    bool wordsFollow() const override { return m_wordsFollow; }

    // The pips of the coming minute are sounding (or have sounded).
    bool pipsAhead() const { return bool(m_pipsVoice); }

Q_SIGNALS:
    // The user's sound could not be played, and the bleep was played instead.
    void soundFileFailed(const QString &why);
    void notSaved(const QString &why);

private:
    void armLookAhead();
    void lookAhead();
    void startPips();
    bool waitForPips(MainForm &window);

    const Clock &m_clock;
    AudioOutput &m_audio;
    QString m_prefsPath;
    QString m_readFailure; // before m_prefs, which the load fills it with
    ChimePreferences m_prefs;
    ChimeSounds m_sounds;
    MainForm *m_window = nullptr;
    std::function<bool()> m_admits;
    bool m_wordsFollow = true;

    QTimer m_lookAhead;   // a few seconds before each minute
    QTimer m_pipsTimer;   // shortly before the pips must start
    QDateTime m_pipsMinute; // the minute the pips end on
    std::shared_ptr<AudioVoice> m_pipsVoice;
};

} // namespace horavox
