// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_notice.h"

#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace horavox {

void sendDesktopNotice(const QDBusConnection &bus, const QString &summary, const QString &body)
{
    if (!bus.isConnected() || body.isEmpty())
        return;
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // Lost settings are worth more than a passing bubble: critical urgency
    // keeps the notice until it is dismissed, and no timeout of our own.
    notify << QStringLiteral("Horavox") << uint(0) << QStringLiteral("horavox") << summary << body << QStringList()
           << QVariantMap{{QStringLiteral("urgency"), QVariant::fromValue(uchar(2))},
                          {QStringLiteral("desktop-entry"), QStringLiteral("horavox")}}
           << int(-1);
    // Sent, not called: the answer is of no use, and waiting for it (or for
    // a service the bus would first start) is what must not happen here.
    notify.setAutoStartService(false);
    bus.send(notify);
}

} // namespace horavox
