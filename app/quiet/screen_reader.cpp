// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen_reader.h"

#include <QDBusMessage>
#include <QDBusVariant>

namespace horavox {

bool screenReaderRunning(const QDBusConnection &sessionBus, int timeoutMs)
{
    if (!sessionBus.isConnected())
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
    // Without activation: asking must not start the launcher on a desktop
    // that runs none.
    get.setAutoStartService(false);
    const QDBusMessage reply = QDBusConnection(sessionBus).call(get, QDBus::Block, timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    return qvariant_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toBool();
}

} // namespace horavox
