// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace horavox {

// The clock's own commands as actions with their keys, live on the clock's
// window, and the right-click menu that lists them with those keys shown.
//
// Other parts of the program add commands of their own with addSection():
// each section appears in the menu below the clock's commands, after a
// separator with its title, in the order the sections were added. The menu
// is built afresh for every opening, so an action's text, check mark or
// enabled state set just before (for instance in a slot connected to
// aboutToShowMenu) is what the user sees.
class ClockActions : public QObject
{
    Q_OBJECT
public:
    struct Handlers
    {
        std::function<void()> sayTime;
        std::function<void()> settings;
        std::function<void()> about;
        std::function<void()> minimize;
        std::function<void()> close;
    };

    // The actions are added to `window`, so their keys work while it is the
    // active window.
    ClockActions(QWidget *window, const Handlers &handlers);

    QAction *sayTimeAction() const { return m_sayTime; }
    QAction *settingsAction() const { return m_settings; }
    QAction *aboutAction() const { return m_about; }
    QAction *minimizeAction() const { return m_minimize; }
    QAction *closeAction() const { return m_close; }
    // In menu order.
    QList<QAction *> clockCommands() const;

    // Adds a titled section of actions to the menu. The actions stay the
    // caller's; one deleted later simply drops out of the menu. An action's
    // shortcut works on the clock's window when the caller adds the action
    // to the window as well.
    void addSection(const QString &title, const QList<QAction *> &actions);

    // A new menu with the commands and the sections, owned by the caller.
    QMenu *buildMenu(QWidget *parent) const;
    // Opens the menu at a point on the screen; it deletes itself when closed.
    QMenu *popup(const QPoint &globalPos);

Q_SIGNALS:
    // The menu is about to open; listeners may still adjust their actions.
    void aboutToShowMenu(QMenu *menu);

private:
    struct Section
    {
        QString title;
        QList<QPointer<QAction>> actions;
    };

    QAction *makeAction(const QString &text, const QList<QKeySequence> &keys, const std::function<void()> &handler);

    QWidget *m_window;
    QAction *m_sayTime = nullptr;
    QAction *m_settings = nullptr;
    QAction *m_about = nullptr;
    QAction *m_minimize = nullptr;
    QAction *m_close = nullptr;
    QList<Section> m_sections;
};

} // namespace horavox
