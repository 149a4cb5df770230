// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock_actions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace horavox {

ClockActions::ClockActions(QWidget *window, const Handlers &handlers)
    : QObject(window)
    , m_window(window)
{
    m_sayTime = makeAction(tr("Say the time"),
                           {QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
                           handlers.sayTime);
    m_settings = makeAction(tr("Settings…"),
                            {QKeySequence(Qt::CTRL | Qt::Key_Comma), QKeySequence(Qt::Key_S)}, handlers.settings);
    m_about = makeAction(tr("About Horavox"), {QKeySequence(Qt::Key_F1), QKeySequence(Qt::Key_Question)},
                         handlers.about);
    m_minimize = makeAction(tr("Minimize"), {QKeySequence(Qt::CTRL | Qt::Key_M)}, handlers.minimize);
    m_close = makeAction(tr("Close"),
                         {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::ALT | Qt::Key_F4)}, handlers.close);
}

QAction *ClockActions::makeAction(const QString &text, const QList<QKeySequence> &keys,
                                  const std::function<void()> &handler)
{
    auto *action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    // Queued: a command that opens a modal window or speaks for seconds must
    // not run inside the menu's own event handling.
    connect(action, &QAction::triggered, this, [handler] {
        if (handler)
            handler();
    }, Qt::QueuedConnection);
    m_window->addAction(action);
    return action;
}

QList<QAction *> ClockActions::clockCommands() const
{
    return {m_sayTime, m_settings, m_about, m_minimize, m_close};
}

void ClockActions::addSection(const QString &title, const QList<QAction *> &actions)
{
    Section section{title, {}};
    for (QAction *a : actions)
        section.actions.append(a);
    m_sections.append(section);
}

QMenu *ClockActions::buildMenu(QWidget *parent) const
{
    auto *menu = new QMenu(parent);
    menu->addAction(m_sayTime);
    menu->addAction(m_settings);
    menu->addAction(m_about);
    menu->addSeparator();
    menu->addAction(m_minimize);
    menu->addAction(m_close);
    for (const Section &section : m_sections) {
        QList<QAction *> live;
        for (const QPointer<QAction> &a : section.actions)
            if (a)
                live.append(a.data());
        if (live.isEmpty())
            continue;
        menu->addSection(section.title);
        menu->addActions(live);
    }
    return menu;
}

QMenu *ClockActions::popup(const QPoint &globalPos)
{
    QMenu *menu = buildMenu(m_window);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    Q_EMIT aboutToShowMenu(menu);
    menu->popup(globalPos);
    return menu;
}

} // namespace horavox
