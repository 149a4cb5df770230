// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Do-not-disturb and media players on a private session bus: a notification
// server with KDE's Inhibited, GNOME's show-banners through gsettings (its
// keyfile backend in the test's own folder), MPRIS players, and the tray's
// StatusNotifierWatcher.
#include "quiet/dnd_monitor.h"
#include "quiet/media_pauser.h"
#include "quiet/tray_host_watch.h"
#include "quiet/screen_reader.h"

#include "private_bus.h"
#include "quiet_clock_rig.h"
#include "test_main.h"

#include <QSignalSpy>
#include <QThread>

using namespace horavox;
using namespace horavox_test;

class TestDesktopWatches : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<PrivateBus> m_bus;
    int m_connections = 0;
    QDBusConnection connection() { return m_bus->connect(QStringLiteral("c%1").arg(++m_connections)); }

private Q_SLOTS:
    void initTestCase()
    {
        if (!PrivateBus::installed())
            QSKIP("dbus-daemon (package dbus) is not installed");
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY(m_bus->start());
        // GNOME's settings are kept in a file in this test's own folder.
        qputenv("GSETTINGS_BACKEND", "keyfile");
    }

    void screenReader_data()
    {
        QTest::addColumn<bool>("launcher"); // the bus launcher answers
        QTest::addColumn<bool>("enabled");
        QTest::newRow("no launcher") << false << false;
        QTest::newRow("launcher, no screen reader") << true << false;
        QTest::newRow("screen reader running") << true << true;
    }
    void screenReader()
    {
        QFETCH(bool, launcher);
        QFETCH(bool, enabled);
        // Answers on a thread of its own while the look blocks this one.
        QThread serving;
        serving.start();
        auto *status = new FakeA11yStatus(connection(), enabled);
        status->moveToThread(&serving);
        const bool published = !launcher || status->publish();
        const bool running = screenReaderRunning(connection(), 5000);
        status->deleteLater();
        serving.quit();
        serving.wait();
        QVERIFY(published);
        QCOMPARE(running, enabled);
    }

    void kdeDoNotDisturb()
    {
        FakeNotifications server(connection());
        server.setInhibited(true);
        QVERIFY(server.publish());
        DndMonitor monitor(connection());
        monitor.start();
        QTRY_VERIFY(monitor.active()); // on before the clock started
        server.setInhibited(false);
        QTRY_VERIFY(!monitor.active());
        server.setInhibited(true);
        QTRY_VERIFY(monitor.active());
        server.withdraw(); // the server quits: its setting goes with it
        QTRY_VERIFY(!monitor.active());
    }

    void gnomeDoNotDisturb()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("gsettings")).isEmpty())
            QSKIP("gsettings (package libglib2.0-bin) is not installed");
        const auto set = [](const char *value) {
            return QProcess::execute(QStringLiteral("gsettings"), {"set", "org.gnome.desktop.notifications",
                                                                    "show-banners", QLatin1String(value)});
        };
        if (set("false") != 0)
            QSKIP("the org.gnome.desktop.notifications schema (gsettings-desktop-schemas) is not installed");
        DndMonitor monitor(connection()); // no notification server on this bus
        monitor.start();
        QTRY_VERIFY(monitor.active());
        QCOMPARE(set("true"), 0);
        QTRY_VERIFY(!monitor.active());
    }

    void doNotDisturbHoldsTheDueMinute()
    {
        FakeNotifications server(connection());
        QVERIFY(server.publish());
        QuietClockRig rig(QDateTime(QDate(2026, 12, 7), QTime(9, 14, 30)), true);
        DndMonitor monitor(connection());
        connect(&monitor, &DndMonitor::activeChanged, &rig.gate, &QuietGate::setDoNotDisturb);
        monitor.start();
        server.setInhibited(true);
        QTRY_VERIFY(rig.gate.doNotDisturb());
        QCOMPARE(rig.run(15), QStringList{});
        server.setInhibited(false);
        QTRY_VERIFY(!rig.gate.doNotDisturb());
        QCOMPARE(rig.run(15), QStringList{"09:30"});
        server.withdraw();
    }

    // A tray that comes after the clock, goes and comes back; a watcher with
    // no tray host registered is no tray.
    void trayHostComesAndGoes()
    {
        TrayHostWatch watch(connection());
        QSignalSpy changes(&watch, &TrayHostWatch::availableChanged);
        watch.start();
        QTest::qWait(100);
        QVERIFY(!watch.available());
        FakeTrayWatcher panel(connection());
        QVERIFY(panel.publish());
        QTest::qWait(100);
        QVERIFY(!watch.available());
        panel.setHostRegistered(true);
        QTRY_VERIFY(watch.available());
        panel.withdraw();
        QTRY_VERIFY(!watch.available());
        QVERIFY(panel.publish()); // the panel starts again, its host with it
        QTRY_VERIFY(watch.available());
        panel.setHostRegistered(false);
        QTRY_VERIFY(!watch.available());
        QCOMPARE(changes.count(), 4);
    }

    void playersPausedAndResumed()
    {
        FakePlayer playing(connection(), QStringLiteral("Playing"));
        FakePlayer paused(connection(), QStringLiteral("Paused"));
        FakePlayer restarted(connection(), QStringLiteral("Playing"));
        QVERIFY(playing.publish(QStringLiteral("one")));
        QVERIFY(paused.publish(QStringLiteral("two")));
        QVERIFY(restarted.publish(QStringLiteral("three")));
        MediaPauser pauser(connection());

        pauser.voiceStarted(); // switched off: nothing happens
        pauser.voiceEnded();
        QTest::qWait(100);
        QVERIFY(playing.calls.isEmpty() && restarted.calls.isEmpty());

        pauser.setEnabled(true);
        pauser.voiceStarted();
        QTRY_COMPARE(pauser.pausedByUs().size(), 2);
        QTRY_COMPARE(playing.status(), QStringLiteral("Paused"));
        QTRY_COMPARE(restarted.status(), QStringLiteral("Paused"));
        restarted.setStatus(QStringLiteral("Stopped")); // the user stopped it meanwhile
        pauser.voiceEnded();
        QTRY_COMPARE(playing.status(), QStringLiteral("Playing"));
        QTest::qWait(100);
        QCOMPARE(playing.calls, QStringList({"Pause", "Play"}));
        QCOMPARE(restarted.calls, QStringList{"Pause"});
        QCOMPARE(paused.calls, QStringList{}); // it was not ours to pause
        QVERIFY(pauser.pausedByUs().isEmpty());
    }
};

HORAVOX_TEST_MAIN(TestDesktopWatches)
#include "test_desktop_watches.moc"
