// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings_control.h"
#include "shell/session_guard.h"

#include "private_bus.h"
#include "shell/desktop_notice.h"

#include "clock_window_rig.h"
#include "settings/settings_window.h"
#include "test_main.h"
#include "main_form_parts.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QSignalSpy>

#include <csignal>

using namespace horavox;
using namespace horavox_test;

namespace {

const QByteArray kSettings = "R\r\n0\r\n9\r\n00\r\nA\r\n5\r\n00\r\nP\r\n0\r\n";

// A loaded main window on fakes whose saved files are then removed, so that
// whatever writes them again is seen.
struct Rig : ClockWindowRig
{
    int saves = 0;

    Rig() : ClockWindowRig(kSettings)
    {
        formPart<Spanbar>(*form, "Spanbar1")->setInitial(1800); // something only a save can put in the file
        removeFiles();
    }
    std::function<void()> save()
    {
        return [this] {
            ++saves;
            form->saveForExit();
        };
    }
    static void removeFiles()
    {
        QFile::remove(settingsFilePath());
        QFile::remove(sliderFilePath());
    }
    static bool filesWritten()
    {
        return readAll(settingsFilePath()) == kSettings && readAll(sliderFilePath()) == "1800\r\n";
    }
    static bool noFiles() { return !QFile::exists(settingsFilePath()) && !QFile::exists(sliderFilePath()); }
    void alarmOn()
    {
        settingsControl<QCheckBox>(form->settingsWindow(), "Check4")->click();
    }
};

// Sends the signal to this process and waits for the guard to report it.
bool deliver(SessionGuard &guard, int signalNumber)
{
    QSignalSpy spy(&guard, &SessionGuard::terminationRequested);
    ::raise(signalNumber);
    if (!spy.wait(2000) || spy.count() != 1)
        return false;
    return spy.first().first().toInt() == signalNumber;
}

} // namespace

class TestSessionGuard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { cleanFolders(); }

    void signalSavesBeforeAskingToQuit_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void signalSavesBeforeAskingToQuit()
    {
        QFETCH(int, signalNumber);
        Rig rig;
        SessionGuard guard(rig.save());
        QVERIFY(guard.installSignalHandlers());
        bool savedBeforeQuit = false;
        connect(&guard, &SessionGuard::terminationRequested, this,
                [&] { savedBeforeQuit = Rig::filesWritten(); });
        QVERIFY(deliver(guard, signalNumber));
        QVERIFY(savedBeforeQuit);
        QCOMPARE(rig.saves, 1);
        QVERIFY(rig.engine.stops >= 1);
    }

    void onlyTheFirstEndSaves_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("commit data, then SIGTERM") << "commit" << "SIGTERM";
        QTest::newRow("SIGTERM, then SIGHUP") << "SIGTERM" << "SIGHUP";
        QTest::newRow("SIGHUP, then quit") << "SIGHUP" << "quit";
        QTest::newRow("quit, then commit data") << "quit" << "commit";
    }
    void onlyTheFirstEndSaves()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        Rig rig;
        SessionGuard guard(rig.save());
        QVERIFY(guard.installSignalHandlers());
        const auto end = [&](const QString &how) {
            if (how == QLatin1String("SIGTERM"))
                return deliver(guard, SIGTERM);
            if (how == QLatin1String("SIGHUP"))
                return deliver(guard, SIGHUP);
            if (how == QLatin1String("quit"))
                return QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit");
            guard.sessionEnding(); // what the commit-data request runs
            return true;
        };
        QVERIFY(end(first));
        QVERIFY(Rig::filesWritten());
        QVERIFY(guard.saved());
        Rig::removeFiles();
        QVERIFY(end(second));
        QVERIFY(Rig::noFiles());
        QCOMPARE(rig.saves, 1);
    }

    // At the end of the session nobody may be there to answer a box: what
    // could not be saved goes to the desktop's notifications instead, and
    // the end is not held up.
    void failedSaveAtSessionEndIsANotification()
    {
        if (!PrivateBus::installed())
            QSKIP("dbus-daemon is not installed");
        PrivateBus bus;
        QVERIFY(bus.start());
        FakeNotifications service(bus.connect(QStringLiteral("notifications")));
        QVERIFY(service.publish());
        const QDBusConnection clock = bus.connect(QStringLiteral("clock"));

        Rig rig;
        SessionGuard guard( // as the program's own does
            [&] { sendDesktopNotice(clock, QStringLiteral("Horavox settings not saved"), rig.form->saveForExit()); });
        QVERIFY(guard.installSignalHandlers());
        BlockedFolder locked(configDir());
        QVERIFY(locked.blocked());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot create the settings folder"));
        QVERIFY(deliver(guard, SIGTERM));
        locked.release();
        QTRY_COMPARE(service.notices.size(), 1);
        QVERIFY2(service.notices.at(0).startsWith(QStringLiteral("Horavox settings not saved|The settings were not saved to ")
                                                  + settingsFilePath()),
                 qPrintable(service.notices.at(0)));
    }

    void alarmModeWritesNothingButStillEnds()
    {
        Rig rig;
        rig.alarmOn();
        const int stopsBefore = rig.engine.stops;
        SessionGuard guard(rig.save());
        QVERIFY(guard.installSignalHandlers());
        QVERIFY(deliver(guard, SIGTERM));
        QVERIFY(Rig::noFiles());
        QCOMPARE(rig.saves, 1);
        QCOMPARE(rig.engine.stops, stopsBefore + 1); // the speech still stops
    }

    void afterTheCloseSequenceNothingMoreIsSaved()
    {
        Rig rig;
        SessionGuard guard(rig.save());
        QVERIFY(guard.installSignalHandlers());
        connect(rig.form.get(), &MainForm::finished, &guard, &SessionGuard::alreadySaved);
        rig.form->closeSequence();
        QVERIFY(Rig::filesWritten());
        Rig::removeFiles();
        guard.sessionEnding();
        QVERIFY(deliver(guard, SIGTERM));
        QVERIFY(Rig::noFiles());
        QCOMPARE(rig.saves, 0);
    }

    void aSaveThatLetsEventsRunIsNotReentered()
    {
        int saves = 0;
        SessionGuard *self = nullptr;
        SessionGuard guard([&] {
            ++saves;
            self->sessionEnding(); // as a nested event loop inside the save could
        });
        self = &guard;
        guard.sessionEnding();
        QCOMPARE(saves, 1);
        QVERIFY(guard.saved());
    }

    void onlyOneGuardOwnsTheSignals()
    {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        struct sigaction before;
        QCOMPARE(::sigaction(SIGTERM, &ignore, &before), 0);
        int firstSaves = 0;
        {
            SessionGuard first([&] { ++firstSaves; });
            SessionGuard second([] {});
            QVERIFY(first.installSignalHandlers());
            QVERIFY(first.installSignalHandlers()); // asking twice is harmless
            QVERIFY(!second.installSignalHandlers());
            // Caught, but the guard goes before the event loop sees it.
            ::raise(SIGTERM);
        }
        QCOMPARE(firstSaves, 0);
        // The handler that was there before comes back with the guard gone.
        struct sigaction now;
        QCOMPARE(::sigaction(SIGTERM, nullptr, &now), 0);
        QVERIFY(now.sa_handler == SIG_IGN);

        int saves = 0;
        SessionGuard third([&] { ++saves; });
        QVERIFY(third.installSignalHandlers());
        QSignalSpy stray(&third, &SessionGuard::terminationRequested);
        QTest::qWait(100);
        QCOMPARE(stray.count(), 0); // the earlier guard's signal is not this one's
        QCOMPARE(saves, 0);
        QVERIFY(deliver(third, SIGHUP));
        QCOMPARE(saves, 1);
        ::sigaction(SIGTERM, &before, nullptr);
    }
};

HORAVOX_TEST_MAIN(TestSessionGuard)
#include "test_session_guard.moc"
