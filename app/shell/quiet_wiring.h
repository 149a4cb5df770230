// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <memory>

class QAction;
class QLabel;

namespace horavox {

class AudioOutput;
class CallMonitor;
class DirectSS;
class DndMonitor;
class InstanceServer;
class MainForm;
class MediaPauser;
class QuietActions;
class QuietController;
class QuietDialog;
class QuietMark;
class QuietTray;
class TrayHostWatch;
struct QuietPreferences;
struct VoiceChoice;

// The voices the window of choices offers, by language, each under its
// stored id. They come from the engines' cheap look, so listing them starts
// no engine.
QList<VoiceChoice> voiceChoices(const DirectSS &engine);
// The languages the window of choices offers: those with sentences of their
// own and a voice installed that speaks them. English always.
QStringList languageChoices(const DirectSS &engine);

// Puts the preferences' language and clock into the sentences and, unless
// the user picked a voice, makes the language's own voice speak them.
void applySpokenLanguage(const QuietPreferences &preferences, DirectSS *engine);

// Puts quiet times into the running program: the scheduler's settings into
// the status line, the own volume into the mixer, the call and
// do-not-disturb watches into the gate, the media pauser beside the sound
// device, the mark on the skin, the tray icon and the socket's quiet-time
// requests; the clock's window and its mark say why it keeps quiet.
//
// Made before the window is first shown, it sets what the first frame and
// the socket need (the mark, the volume, the requests); start() adds the rest
// (the clock menu's section, the tray icon, the watches) once the window is
// loaded, so that none of it keeps the window from appearing.
class QuietWiring : public QObject
{
    Q_OBJECT
public:
    struct Parts
    {
        bool tray = true;     // an icon in the desktop's tray
        bool monitors = true; // watch calls, do-not-disturb and media players
        // The voices to choose from, and what speaks the choice; without it
        // the dialog offers none.
        DirectSS *engine = nullptr;
    };

    QuietWiring(QuietController &controller, MainForm &window, AudioOutput &audio, InstanceServer *server,
                const Parts &parts, QObject *parent = nullptr);
    ~QuietWiring() override;

    // The clock menu's section (once the window is loaded), the tray icon
    // and the watches, as `parts` asked; runs once.
    void start();

    // The actions for any menu, such as the clock's right-click menu.
    QuietActions &actions() { return *m_actions; }
    // The icon in the desktop's tray; null while there is no tray to show
    // it in (on Wayland, until a StatusNotifierWatcher with a host is there).
    QuietTray *tray() const { return m_tray.get(); }
    // An item of another part for the tray's menu, kept for every tray made
    // (a panel that restarts gets a new icon, with it).
    void addToTray(QAction *action);
    QuietMark *mark() const { return m_mark; }
    // Opens the window of choices, or brings it forward.
    QuietDialog *openDialog();

private:
    void refresh();
    void addToClockMenu();
    void startTray();
    void makeTray();
    void startMonitors(AudioOutput &audio);

    QuietController &m_controller;
    MainForm &m_window;
    AudioOutput &m_audio;
    Parts m_parts;
    bool m_inClockMenu = false;
    bool m_started = false;
    std::unique_ptr<QuietActions> m_actions;
    std::unique_ptr<QuietTray> m_tray;
    QList<QPointer<QAction>> m_trayExtras;
    QuietMark *m_mark = nullptr;
    TrayHostWatch *m_trayHost = nullptr;
    CallMonitor *m_calls = nullptr;
    DndMonitor *m_dnd = nullptr;
    MediaPauser *m_pauser = nullptr;
    DirectSS *m_engine = nullptr;
    QPointer<QuietDialog> m_dialog;
    QTimer m_midnight;
};

} // namespace horavox
