// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDBusConnection>
#include <QObject>

class QProcess;

namespace horavox {

// Whether the desktop is set to "do not disturb". Two desktops say so in
// their own way, and either counts:
// - KDE Plasma: the Inhibited property of its notification server
//   (org.freedesktop.Notifications), followed through PropertiesChanged;
// - GNOME: show-banners=false in org.gnome.desktop.notifications, read and
//   followed through the gsettings tool where it is installed, so that no
//   GLib library is needed.
// Where neither is there, it stays off.
class DndMonitor : public QObject
{
    Q_OBJECT
public:
    explicit DndMonitor(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);
    ~DndMonitor() override;

    void start();
    bool active() const { return m_kdeInhibited || m_gnomeBannersOff; }

Q_SIGNALS:
    void activeChanged(bool active);

private Q_SLOTS:
    void propertiesChanged(const QString &interface, const QVariantMap &changed, const QStringList &invalidated);

private:
    void readInhibited();
    void startGnomeWatch();
    void gnomeLine(const QByteArray &line);
    void update(bool kde, bool gnome);

    QDBusConnection m_bus;
    QProcess *m_gsettings = nullptr;
    QByteArray m_pending;
    bool m_kdeInhibited = false;
    bool m_gnomeBannersOff = false;
};

} // namespace horavox
