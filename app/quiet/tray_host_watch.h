// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDBusConnection>
#include <QObject>

class QDBusServiceWatcher;

namespace horavox {

// Whether the desktop has a tray for the clock's icon as a StatusNotifierItem
// host: the org.kde.StatusNotifierWatcher service is on the session bus and
// says that a host has registered with it. Followed as the watcher comes and
// goes and as hosts register, so that a panel started after the clock (or
// started again) still gets the icon.
//
// On Wayland this is the only tray there is, and Qt must not be asked for a
// tray icon before it is there: Qt looks for the watcher once, at the first
// tray icon, and without one falls back on the X11 tray, which does not
// exist there and warns about it.
class TrayHostWatch : public QObject
{
    Q_OBJECT
public:
    explicit TrayHostWatch(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);

    void start();
    bool available() const { return m_available; }

Q_SIGNALS:
    void availableChanged(bool available);

private Q_SLOTS:
    void check();

private:
    void update(bool available);

    QDBusConnection m_bus;
    QDBusServiceWatcher *m_watcher = nullptr;
    bool m_available = false;
};

} // namespace horavox
