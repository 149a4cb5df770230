#include "quiet_actions.h"

#include "quiet/quiet_controller.h"

#include <QAction>
#include <QMenu>

namespace horavox {

QuietActions::QuietActions(QuietController &controller, QObject *parent)
    : QObject(parent), m_controller(controller)
{
    const auto make = [this](const QString &text) {
        auto *a = new QAction(text, this);
        a->setObjectName(text);
        return a;
    };
    m_status = make(QString());
    m_status->setEnabled(false);
    m_mute15 = make(QStringLiteral("Mute for 15 minutes"));
    m_mute60 = make(QStringLiteral("Mute for 1 hour"));
    m_muteTomorrow = make(QStringLiteral("Mute until tomorrow"));
    m_skip = make(QStringLiteral("Skip the next announcement"));
    m_skip->setCheckable(true);
    m_unmute = make(QStringLiteral("Unmute"));
    m_dialog = make(QStringLiteral("Quiet times and voice\u2026"));
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
    menu->addSection(QStringLiteral("Quiet"));
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
