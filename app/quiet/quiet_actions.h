// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace horavox {

class QuietController;

// The quiet-time commands as actions, made once and shared by every menu
// that offers them (the tray menu, the clock's right-click menu): a status
// line, the mutes, the skip, unmute and the window of choices.
class QuietActions : public QObject
{
    Q_OBJECT
public:
    explicit QuietActions(QuietController &controller, QObject *parent = nullptr);

    // In menu order; a null entry stands for a separator.
    QList<QAction *> actions() const { return m_actions; }
    // Adds them as a section of the menu, kept up to date while it is shown.
    void addTo(QMenu *menu);

    QAction *statusAction() const { return m_status; }
    QAction *mute15Action() const { return m_mute15; }
    QAction *mute60Action() const { return m_mute60; }
    QAction *muteTomorrowAction() const { return m_muteTomorrow; }
    QAction *skipNextAction() const { return m_skip; }
    QAction *unmuteAction() const { return m_unmute; }
    QAction *dialogAction() const { return m_dialog; }

public Q_SLOTS:
    // Texts, check marks and enabled states from the controller of the moment.
    void refresh();

Q_SIGNALS:
    void dialogRequested();

private:
    QuietController &m_controller;
    QAction *m_status;
    QAction *m_mute15;
    QAction *m_mute60;
    QAction *m_muteTomorrow;
    QAction *m_skip;
    QAction *m_unmute;
    QAction *m_dialog;
    QList<QAction *> m_actions;
};

} // namespace horavox
