// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dnd_monitor.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QProcess>
#include <QStandardPaths>

namespace horavox {

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kSchema = QStringLiteral("org.gnome.desktop.notifications");
const QString kKey = QStringLiteral("show-banners");
} // namespace

DndMonitor::DndMonitor(const QDBusConnection &bus, QObject *parent) : QObject(parent), m_bus(bus) {}

DndMonitor::~DndMonitor()
{
    if (m_gsettings) {
        m_gsettings->disconnect(this);
        m_gsettings->kill();
        m_gsettings->waitForFinished(1000);
    }
}

void DndMonitor::start()
{
    if (m_bus.isConnected()) {
        m_bus.connect(kService, kPath, kProperties, QStringLiteral("PropertiesChanged"), this,
                      SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
        // A notification server that starts later, or is replaced, is read
        // afresh; one that goes away takes its "do not disturb" with it.
        auto *watcher = new QDBusServiceWatcher(kService, m_bus,
                                                QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
                [this](const QString &, const QString &, const QString &owner) {
                    if (owner.isEmpty())
                        update(false, m_gnomeBannersOff);
                    else
                        readInhibited();
                });
        readInhibited();
    }
    startGnomeWatch();
}

void DndMonitor::readInhibited()
{
    QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, kProperties, QStringLiteral("Get"));
    get << kService << QStringLiteral("Inhibited");
    auto *call = new QDBusPendingCallWatcher(m_bus.asyncCall(get, 3000), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *w;
        // A server without the property (GNOME's, for one) is no answer.
        if (!reply.isError())
            update(reply.value().variant().toBool(), m_gnomeBannersOff);
    });
}

void DndMonitor::propertiesChanged(const QString &interface, const QVariantMap &changed,
                                   const QStringList &invalidated)
{
    if (interface != kService)
        return;
    const auto it = changed.constFind(QStringLiteral("Inhibited"));
    if (it != changed.constEnd())
        update(it->toBool(), m_gnomeBannersOff);
    else if (invalidated.contains(QStringLiteral("Inhibited")))
        readInhibited();
}

void DndMonitor::startGnomeWatch()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (tool.isEmpty())
        return;
    // "gsettings monitor" prints the key once it changes; the value it has
    // now comes from "gsettings get", started after it so no change is missed
    // in between. A missing schema makes both end at once with an error.
    m_gsettings = new QProcess(this);
    m_gsettings->setProcessChannelMode(QProcess::SeparateChannels);
    m_gsettings->setStandardErrorFile(QProcess::nullDevice());
    connect(m_gsettings, &QProcess::readyReadStandardOutput, this, [this] {
        m_pending += m_gsettings->readAllStandardOutput();
        for (qsizetype nl; (nl = m_pending.indexOf('\n')) >= 0;) {
            gnomeLine(m_pending.left(nl));
            m_pending.remove(0, nl + 1);
        }
    });
    m_gsettings->start(tool, {QStringLiteral("monitor"), kSchema, kKey});

    auto *get = new QProcess(this);
    get->setStandardErrorFile(QProcess::nullDevice());
    connect(get, &QProcess::finished, this, [this, get](int code, QProcess::ExitStatus status) {
        get->deleteLater();
        if (status == QProcess::NormalExit && code == 0)
            gnomeLine(get->readAllStandardOutput());
    });
    get->start(tool, {QStringLiteral("get"), kSchema, kKey});
}

void DndMonitor::gnomeLine(const QByteArray &line)
{
    // "show-banners: false" from the monitor, "false" from get.
    QByteArray value = line.trimmed();
    const qsizetype colon = value.indexOf(':');
    if (colon >= 0)
        value = value.mid(colon + 1).trimmed();
    if (value == "true" || value == "false")
        update(m_kdeInhibited, value == "false");
}

void DndMonitor::update(bool kde, bool gnome)
{
    const bool before = active();
    m_kdeInhibited = kde;
    m_gnomeBannersOff = gnome;
    if (active() != before)
        Q_EMIT activeChanged(active());
}

} // namespace horavox
