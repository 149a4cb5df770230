// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A D-Bus session bus of the test's own (no service activation, so nothing
// installed on the machine answers in place of the test's services), and
// the stand-ins that live on it: a notification server with KDE's
// "Inhibited", MPRIS media players and a tray's StatusNotifierWatcher.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace horavox_test {

class PrivateBus
{
public:
    static bool installed() { return !QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty(); }

    ~PrivateBus()
    {
        for (const QString &name : m_names)
            QDBusConnection::disconnectFromBus(name);
        m_daemon.kill();
        m_daemon.waitForFinished(2000);
    }

    bool start()
    {
        const QString config = QDir(m_dir.path()).filePath(QStringLiteral("bus.conf"));
        QFile f(config);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n<busconfig>\n"
                "<type>session</type><listen>unix:dir=" + m_dir.path().toUtf8() + "</listen>\n"
                "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy>\n</busconfig>\n");
        f.close();
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                        QStringLiteral("--config-file=") + config});
        if (!m_daemon.waitForStarted(5000))
            return false;
        while (!m_daemon.canReadLine()) {
            if (!m_daemon.waitForReadyRead(5000))
                return false;
        }
        m_address = QString::fromUtf8(m_daemon.readLine().trimmed());
        return !m_address.isEmpty();
    }

    // A connection of its own: another program, as far as the bus can tell.
    QDBusConnection connect(const QString &name)
    {
        m_names << name;
        return QDBusConnection::connectToBus(m_address, name);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    QStringList m_names;
};

// KDE Plasma's notification server, as far as do-not-disturb goes, and the
// notifications it is sent.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
    Q_PROPERTY(bool Inhibited READ inhibited)
public:
    explicit FakeNotifications(QDBusConnection bus) : m_bus(bus) {}
    bool publish()
    {
        return m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                                    QDBusConnection::ExportAllProperties | QDBusConnection::ExportAllSlots)
               && m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    void withdraw() { m_bus.unregisterService(QStringLiteral("org.freedesktop.Notifications")); }
    bool inhibited() const { return m_inhibited; }
    void setInhibited(bool on)
    {
        m_inhibited = on;
        QDBusMessage changed = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("PropertiesChanged"));
        changed << QStringLiteral("org.freedesktop.Notifications") << QVariantMap{{QStringLiteral("Inhibited"), on}}
                << QStringList{};
        m_bus.send(changed);
    }

    QStringList notices; // summary, then body, of each

public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        notices << summary + QLatin1Char('|') + body;
        return uint(notices.size());
    }

private:
    QDBusConnection m_bus;
    bool m_inhibited = false;
};

// An MPRIS media player that logs the calls it gets.
class FakePlayer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ status)
public:
    FakePlayer(QDBusConnection bus, const QString &status) : m_bus(bus), m_status(status) {}
    bool publish(const QString &name)
    {
        return m_bus.registerObject(QStringLiteral("/org/mpris/MediaPlayer2"), this, QDBusConnection::ExportAllSlots
                                                                                     | QDBusConnection::ExportAllProperties)
               && m_bus.registerService(QStringLiteral("org.mpris.MediaPlayer2.") + name);
    }
    QString status() const { return m_status; }
    void setStatus(const QString &s) { m_status = s; }
    QStringList calls;

public Q_SLOTS:
    void Pause()
    {
        calls << QStringLiteral("Pause");
        if (m_status == QLatin1String("Playing"))
            m_status = QStringLiteral("Paused");
    }
    void Play()
    {
        calls << QStringLiteral("Play");
        m_status = QStringLiteral("Playing");
    }

private:
    QDBusConnection m_bus;
    QString m_status;
};

// A desktop panel's StatusNotifierWatcher, with or without a tray (host)
// registered with it.
class FakeTrayWatcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
public:
    explicit FakeTrayWatcher(QDBusConnection bus) : m_bus(bus) {}
    bool publish()
    {
        return m_bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                                    QDBusConnection::ExportAllProperties)
               && m_bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    }
    void withdraw()
    {
        m_bus.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
        m_bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
    }
    bool hostRegistered() const { return m_host; }
    void setHostRegistered(bool on)
    {
        m_host = on;
        m_bus.send(QDBusMessage::createSignal(QStringLiteral("/StatusNotifierWatcher"),
                                              QStringLiteral("org.kde.StatusNotifierWatcher"),
                                              on ? QStringLiteral("StatusNotifierHostRegistered")
                                                 : QStringLiteral("StatusNotifierHostUnregistered")));
    }

private:
    QDBusConnection m_bus;
    bool m_host = false;
};

// The accessibility bus launcher's status, as far as a screen reader goes.
class FakeA11yStatus : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.a11y.Status")
    Q_PROPERTY(bool ScreenReaderEnabled READ screenReaderEnabled)
public:
    FakeA11yStatus(QDBusConnection bus, bool enabled) : m_bus(bus), m_enabled(enabled) {}
    ~FakeA11yStatus() override
    {
        m_bus.unregisterService(QStringLiteral("org.a11y.Bus"));
        m_bus.unregisterObject(QStringLiteral("/org/a11y/bus"));
    }
    bool publish()
    {
        return m_bus.registerObject(QStringLiteral("/org/a11y/bus"), this, QDBusConnection::ExportAllProperties)
               && m_bus.registerService(QStringLiteral("org.a11y.Bus"));
    }
    bool screenReaderEnabled() const { return m_enabled; }

private:
    QDBusConnection m_bus;
    bool m_enabled;
};

} // namespace horavox_test
