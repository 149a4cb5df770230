// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/bring_forward.h"

#include "test_main.h"

#include <QSignalSpy>
#include <QWidget>
#include <QWindow>

using namespace horavox;

class TestBringForward : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { qunsetenv("XDG_ACTIVATION_TOKEN"); }

    void windowComesBackAndNoTokenStays_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<QByteArray>("inEnvironment");
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<bool>("mappedAfresh");
        const QString x11 = QStringLiteral("xcb"), wayland = QStringLiteral("wayland");
        QTest::newRow("minimised, with a token") << x11 << true << QByteArray() << QByteArray("kwin-5") << false;
        QTest::newRow("minimised, without") << x11 << true << QByteArray() << QByteArray() << false;
        QTest::newRow("shown, with a token") << x11 << false << QByteArray() << QByteArray("kwin-6") << false;
        // The clock's own launcher's token, long used up, must not be
        // offered for a later raise.
        QTest::newRow("stale token, raise without") << x11 << true << QByteArray("stale-1") << QByteArray() << false;
        QTest::newRow("stale token, raise with") << x11 << false << QByteArray("stale-2") << QByteArray("kwin-7")
                                                 << false;
        // Wayland: only a fresh map brings a minimised window back, and only
        // a token raises one that is merely behind others.
        QTest::newRow("wayland, minimised, with a token") << wayland << true << QByteArray() << QByteArray("w-1")
                                                          << true;
        QTest::newRow("wayland, minimised, without") << wayland << true << QByteArray() << QByteArray() << true;
        QTest::newRow("wayland, shown, with a token") << wayland << false << QByteArray() << QByteArray("w-2")
                                                      << false;
        QTest::newRow("wayland, shown, without") << wayland << false << QByteArray() << QByteArray() << true;
    }
    void windowComesBackAndNoTokenStays()
    {
        QFETCH(QString, platform);
        QFETCH(bool, minimised);
        QFETCH(QByteArray, inEnvironment);
        QFETCH(QByteArray, token);
        QFETCH(bool, mappedAfresh);
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.resize(302, 97);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (minimised)
            window.showMinimized();
        if (!inEnvironment.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", inEnvironment);
        QSignalSpy shownOrHidden(window.windowHandle(), &QWindow::visibleChanged);

        bringForward(window, token, platform);
        QVERIFY(window.isVisible());
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));
        QVERIFY(!qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"));
        QCOMPARE(shownOrHidden.count(), mappedAfresh ? 2 : 0);
    }
};

HORAVOX_TEST_MAIN(TestBringForward)
#include "test_bring_forward.moc"
