// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiet_actions.h"

#include "quiet/quiet_controller.h"

#include <QAction>
#include <QMenu>

namespace horavox {

QuietActions::QuietActions(QuietController &controller, QObject *parent)
    : QObject(parent), m_controller(controller)
{
    // Found by their English text whatever the language shown.
    const auto make = [this](const char *text) {
        auto *a = new QAction(tr(text), this);
        a->setObjectName(QString::fromUtf8(text));
        return a;
    };
    m_status = new QAction(this);
    m_status->setEnabled(false);
    m_mute15 = make(QT_TR_NOOP("Mute for 15 minutes"));
    m_mute60 = make(QT_TR_NOOP("Mute for 1 hour"));
    m_muteTomorrow = make(QT_TR_NOOP("Mute until tomorrow"));
    m_skip = make(QT_TR_NOOP("Skip the next announcement"));
    m_skip->setCheckable(true);
    m_unmute = make(QT_TR_NOOP("Unmute"));
    m_dialog = make(QT_TR_NOOP("Quiet times and voice…"));
    m_actions = {m_status, m_mute15, m_mute60, m_muteTomorrow, m_skip, m_unmute, nullptr, m_dialog};

    QuietGate &gate = controller.gate();
    connect(m_mute15, &QAction::triggered, &gate, [&gate] { gate.muteForMinutes(15); });
    connect(m_mute60, &QAction::triggered, &gate, [&gate] { gate.muteForMinutes(60); });
    connect(m_muteTomorrow, &QAction::triggered, &gate, &QuietGate::muteUntilTomorrow);
    connect(m_skip, &QAction::triggered, &gate, &QuietGate::setSkipNext);
    connect(m_unmute, &QAction::triggered, &gate, &QuietGate::unmute);
    connect(m_dialog, &QAction::triggered, this, &QuietActions::dialogRequested);
    connect(&controller, &QuietController::changed, this, &QuietActions::refresh);
    refresh();
}

void QuietActions::addTo(QMenu *menu)
{
    menu->addSection(tr("Quiet"));
    for (QAction *a : m_actions) {
        if (a)
            menu->addAction(a);
        else
            menu->addSeparator();
    }
    // The next due minute moves with the clock, not with any change here.
    connect(menu, &QMenu::aboutToShow, this, &QuietActions::refresh);
}

void QuietActions::refresh()
{
    m_status->setText(m_controller.statusText());
    m_skip->setChecked(m_controller.gate().skipNext());
    m_unmute->setEnabled(m_controller.gate().mutedUntil().isValid());
}

} // namespace horavox
