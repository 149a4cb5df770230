// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiet_tray.h"

#include "quiet/quiet_actions.h"
#include "quiet/quiet_controller.h"
#include "quiet/quiet_mark.h"

#include <QPainter>

namespace horavox {

namespace {
QIcon markedIcon(const QIcon &plain)
{
    QIcon marked;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        QPixmap pm = plain.pixmap(size, size);
        if (pm.isNull())
            continue;
        QPainter p(&pm);
        paintQuietMark(p, QRectF(size * 0.45, size * 0.45, size * 0.5, size * 0.5));
        p.end();
        marked.addPixmap(pm);
    }
    return marked;
}
} // namespace

QuietTray::QuietTray(QuietController &controller, QuietActions &quiet, const QIcon &icon, QObject *parent)
    : QObject(parent), m_controller(controller), m_plain(icon), m_quiet(markedIcon(icon)), m_icon(icon)
{
    m_sayTime = m_menu.addAction(tr("Say the time"), this, &QuietTray::sayTimeRequested);
    m_settings = m_menu.addAction(tr("Settings…"), this, &QuietTray::settingsRequested);
    m_showHide = m_menu.addAction(tr("Hide the clock"), this, &QuietTray::showHideRequested);
    quiet.addTo(&m_menu);
    m_beforeQuit = m_menu.addSeparator();
    m_quit = m_menu.addAction(tr("Quit"), this, &QuietTray::quitRequested);
    m_icon.setContextMenu(&m_menu);
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        // A plain click shows or hides the clock, as tray icons of clocks do.
        if (why == QSystemTrayIcon::Trigger)
            Q_EMIT showHideRequested();
    });
    connect(&m_menu, &QMenu::aboutToShow, this, &QuietTray::refresh);
    connect(&controller, &QuietController::changed, this, &QuietTray::refresh);
    refresh();
}

void QuietTray::addAction(QAction *action)
{
    m_menu.insertAction(m_beforeQuit, action);
}

void QuietTray::setClockShown(bool shown)
{
    m_showHide->setText(shown ? tr("Hide the clock") : tr("Show the clock"));
}

void QuietTray::show()
{
    m_icon.show();
}

void QuietTray::refresh()
{
    const bool quiet = m_controller.gate().holds() != 0;
    m_icon.setIcon(quiet ? m_quiet : m_plain);
    m_icon.setToolTip(QStringLiteral("Horavox\n") + m_controller.statusText());
}

} // namespace horavox
