// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

namespace horavox {

class QuietActions;
class QuietController;

// The clock's icon in the desktop's tray (a StatusNotifierItem where the
// desktop has one): its menu says the time, opens the settings, shows or
// hides the clock, offers the quiet-time actions and quits; its tooltip and
// icon show when the clock keeps quiet.
class QuietTray : public QObject
{
    Q_OBJECT
public:
    QuietTray(QuietController &controller, QuietActions &quiet, const QIcon &icon, QObject *parent = nullptr);

    QMenu *menu() { return &m_menu; }
    QSystemTrayIcon *icon() { return &m_icon; }
    QString toolTip() const { return m_icon.toolTip(); }
    // Whether the clock's window is on the screen; names the show/hide item.
    void setClockShown(bool shown);
    void show();
    // Another part's item (the chimes' window, say), above Quit.
    void addAction(QAction *action);

    QAction *sayTimeAction() const { return m_sayTime; }
    QAction *settingsAction() const { return m_settings; }
    QAction *showHideAction() const { return m_showHide; }
    QAction *quitAction() const { return m_quit; }

public Q_SLOTS:
    void refresh();

Q_SIGNALS:
    void sayTimeRequested();
    void settingsRequested();
    void showHideRequested();
    void quitRequested();

private:
    QuietController &m_controller;
    QIcon m_plain;
    QIcon m_quiet;
    QMenu m_menu;
    QSystemTrayIcon m_icon;
    QAction *m_sayTime;
    QAction *m_settings;
    QAction *m_showHide;
    QAction *m_quit;
    QAction *m_beforeQuit; // the separator above Quit
};

} // namespace horavox
