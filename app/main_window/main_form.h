// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "core/program_state.h"

#include <QDateTime>
#include <QPixmap>
#include <QPolygon>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class MainForm;
}

namespace horavox {

class AnnouncementGate;
class BleepStandIn;
class Clock;
class MediaControl;
class MessageSink;
class SpeechEngine;
class Settings;
class TtsAnnouncer;
class Dispatcher;
class AlarmPeriod;
class Form3;
class DispatcherHost;
class DispatchPump;
class ClockAccess;
class ClockActions;

// What the main window is built on; the program passes the real ones, tests
// pass fakes.
struct MainFormServices
{
    Clock &clock;
    MediaControl &media;
    SpeechEngine &engine;
    MessageSink &messages;
    // Quiet times; without one the clock announces as it always did.
    AnnouncementGate *gate = nullptr;
};

// The clock's main window: the skinned, five-cornered window that shows the
// time, carries the interval slider, the lamps and the skin buttons, and owns
// the clip player and the three timers.
class MainForm : public QWidget
{
    Q_OBJECT
public:
    explicit MainForm(const MainFormServices &services, QWidget *parent = nullptr);
    ~MainForm() override;

    // Start-up: loads the settings window, pictures, slider, shape, clock face
    // and voice clips. Call once, before showing the window.
    void Form_Load();
    // The same load in two steps, so that the window can be shown between
    // them: first what it needs to show the time and to be read out
    // (pictures, skin, slider, shape, clock face, names, keys and menu),
    // then the rest (the settings window and what it starts, the lit lamp's
    // picture, the interval, the voice clips, the scheduler). Each runs
    // once; finishLoad() runs the first step too if it has not run. The
    // window acts on nothing (buttons, keys, close) until the second step is
    // done.
    void loadFace();
    void finishLoad();
    bool isLoaded() const { return m_settings != nullptr; }
    // The whole load has run to its end; until then the controls may not
    // hold the user's settings yet, and nothing is saved.
    bool loadFinished() const { return m_loadFinished; }
    // Starts the clock tick and the dispatcher; the program calls it once the
    // window is shown.
    void startTimers();

    // Clip playback.
    void PlayWav();
    bool IsWavePlaying(const QString &sAlias);
    void PlayBleep();
    // The clip PlayWav plays next.
    QString CurrentWav() const { return m_currentWav; }
    // Plays one clip or sound file through PlayWav, as the words are played.
    void playClip(const QString &clipName);
    // Plays a chime in the bleep's place before time announcements; none
    // (the default) keeps the bleep. Not owned.
    void setBleepStandIn(BleepStandIn *standIn) { m_bleepStandIn = standIn; }
    // After PlayBleep(): whether the words of the time follow (a chime may
    // stand for them).
    bool wordsFollowBleep() const;

    // Spoken time from the recorded clips.
    void SpeakTimeClips();
    void TimeInitialWav();
    void SpeakElapsedClips();

    // The three timers' handlers.
    void Timer1_Timer();
    void Timer2_Timer(); // one dispatcher pass; it polls on its own while busy
    void Timer3_Timer();
    void ShowClockFace();

    // Files written at close; false, with the reason in `why`, on failure.
    bool WriteSettings(QString *why = nullptr);
    bool WriteSlider(QString *why = nullptr);

    // The skin buttons' actions, as run on release.
    void speakNow();
    void openSettings();
    void openAbout();
    void closeSequence();
    // What closing saves: the speech stops, and with alarm mode off the
    // settings and the slider are written. The close sequence runs it; so
    // does the end of the desktop session. Returns what could not be saved
    // and why, in words for the user; empty when nothing was lost. A file
    // the run does not own (the load had not finished, or the file was
    // there but could not be read) is left as it is, and is no failure.
    QString saveForExit();

    ProgramState &state() { return m_state; }
    Settings *settingsWindow() const { return m_settings; }
    TtsAnnouncer &announcer() const { return *m_announcer; }
    MessageSink &messages() const { return m_services.messages; }
    bool timer3Active() const { return m_timer3.isActive(); }
    // Shows the lit lamp while a voice speaks, the unlit one otherwise.
    void setLamp(bool speaking);
    // The clock's commands with their keys and the right-click menu; other
    // parts add their own commands to the menu here (addSection). Exists
    // once the window is loaded.
    ClockActions *clockActions() const;
    // The "Sound Card Check" message is on the screen; no announcement starts
    // until it is answered.
    bool soundMessageOpen() const { return m_soundMessageOpen; }
    // When the running alarm period began, as long clock text ("9:05:00AM");
    // said after START. Empty before the first period.
    QString AlarmStartStamp() const;
    // Why the clock keeps quiet now ("Quiet: a program is using the
    // microphone"), empty when it does not; the window's accessible
    // description carries it after the time.
    void setQuietNotice(const QString &notice);
    // How long the digits keep showing the minutes after the slider was
    // moved from the keyboard, as they do while the pointer is held.
    static constexpr int kKeyMinutesShownMs = 1500;

Q_SIGNALS:
    // The close sequence has finished; the program ends.
    void finished();

protected:
    void paintEvent(QPaintEvent *) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void prepareForDueMinute(const QDateTime &t);
    void prepareToSpeak(bool pressed);
    void playClips(const QStringList &clips);
    void scheduleDispatch();
    void scheduleClockTick();
    void Form_Unload();
    void sliderChanged();
    void sliderMouseDown();
    void sliderMouseUp(qint16 button);
    // The slider's minutes are on the digits instead of the time.
    bool showsMinutes(const QDateTime &t) const;
    // The time on the digits, for screen readers too.
    void showTime(const QDateTime &t);
    void showAlarmIndicator();
    QDateTime now() const;

    MainFormServices m_services;
    ProgramState m_state;
    std::unique_ptr<Ui::MainForm> m_ui;
    Settings *m_settings = nullptr; // a child: lives as long as this window
    std::unique_ptr<TtsAnnouncer> m_announcer;
    std::unique_ptr<DispatcherHost> m_dispatchHost;
    std::unique_ptr<Dispatcher> m_dispatcher;
    std::unique_ptr<AlarmPeriod> m_alarm;
    DispatchPump *m_pump = nullptr;
    QPointer<QWidget> m_about; // deletes itself when closed
    ClockAccess *m_access = nullptr; // a child: keys, menu, names for screen readers

    QPixmap m_skin;
    QPolygon m_outline; // the five corners the window is cut to
    QString m_currentWav;

    QTimer m_timer1;      // the clock tick, aligned to the wall clock's second
    QTimer m_timer3;      // the alarm period
    bool m_dispatchQueued = false;
    bool m_closing = false;
    bool m_sliderHeld = false;       // between the slider's MouseDown and MouseUp
    QDateTime m_minutesUntil;        // after a key moved the slider
    QString m_quietNotice;
    bool m_noDeviceReported = false; // until a device is found again
    bool m_soundMessageOpen = false;
    BleepStandIn *m_bleepStandIn = nullptr;
    bool m_bleepStoodIn = false; // the last PlayBleep() played the stand-in
    bool m_faceLoaded = false;
    bool m_loadFinished = false;
    QString m_sliderReadFailure; // the slider file is there but could not be read
};

} // namespace horavox
