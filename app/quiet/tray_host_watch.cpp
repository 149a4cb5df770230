// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tray_host_watch.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace horavox {

namespace {
const QString kService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kPath = QStringLiteral("/StatusNotifierWatcher");
} // namespace

TrayHostWatch::TrayHostWatch(const QDBusConnection &bus, QObject *parent) : QObject(parent), m_bus(bus) {}

void TrayHostWatch::start()
{
    if (m_watcher || !m_bus.isConnected())
        return;
    m_watcher = new QDBusServiceWatcher(kService, m_bus,
                                        QDBusServiceWatcher::WatchForRegistration
                                            | QDBusServiceWatcher::WatchForUnregistration,
                                        this);
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, &TrayHostWatch::check);
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] { update(false); });
    // A host that registers (or leaves) while the watcher stays.
    for (const char *signal : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"})
        m_bus.connect(kService, kPath, kService, QLatin1String(signal), this, SLOT(check()));
    check();
}

void TrayHostWatch::check()
{
    QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kService << QStringLiteral("IsStatusNotifierHostRegistered");
    auto *pending = new QDBusPendingCallWatcher(m_bus.asyncCall(get), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *call;
        // No watcher, or one that cannot say: no tray.
        update(!reply.isError() && reply.value().variant().toBool());
    });
}

void TrayHostWatch::update(bool available)
{
    if (available == m_available)
        return;
    m_available = available;
    Q_EMIT availableChanged(available);
}

} // namespace horavox
