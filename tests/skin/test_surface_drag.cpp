// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin/surface_drag.h"
#include "core/window_system.h"
#include "test_main.h"

#include <QMouseEvent>
#include <QRegularExpression>
#include <QWidget>

using namespace horavox;

namespace {

Qt::MouseButtons buttonsOf(const QString &letters)
{
    Qt::MouseButtons b;
    if (letters.contains(QLatin1Char('L')))
        b |= Qt::LeftButton;
    if (letters.contains(QLatin1Char('R')))
        b |= Qt::RightButton;
    if (letters.contains(QLatin1Char('M')))
        b |= Qt::MiddleButton;
    return b;
}

// Plays a script of mouse events on the drag, as the window would hand them
// over. Each step reads <kind><button>/<held>@x,y in global coordinates:
// "pL/L@10,10" presses the left button, "m-/L@30,25" moves with it held,
// "rL/@30,25" releases it with nothing held after.
void play(SurfaceDrag &drag, const QString &script)
{
    static const QRegularExpression step(QStringLiteral("^([pmr])([LRM-])/([LRM]*)@(-?\\d+),(-?\\d+)$"));
    for (const QString &token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = step.match(token);
        QVERIFY2(m.hasMatch(), qPrintable(token));
        const QPointF global(m.captured(4).toInt(), m.captured(5).toInt());
        const Qt::MouseButton button = m.captured(2) == QLatin1String("-")
            ? Qt::NoButton
            : Qt::MouseButton(int(buttonsOf(m.captured(2))));
        const Qt::MouseButtons held = buttonsOf(m.captured(3));
        const QChar kind = m.captured(1).at(0);
        const QEvent::Type type = kind == QLatin1Char('p') ? QEvent::MouseButtonPress
            : kind == QLatin1Char('m')                     ? QEvent::MouseMove
                                                           : QEvent::MouseButtonRelease;
        const QMouseEvent e(type, global, global, button, held, Qt::NoModifier);
        if (type == QEvent::MouseButtonPress)
            drag.press(&e);
        else if (type == QEvent::MouseMove)
            drag.move(&e);
        else
            drag.release(&e);
    }
}

} // namespace

class TestSurfaceDrag : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drag_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("systemAccepts");
        QTest::addColumn<QString>("systemButtons");
        QTest::addColumn<bool>("programMoves");
        QTest::addColumn<int>("starts");
        QTest::addColumn<int>("cancels");
        QTest::addColumn<QPoint>("moved");

        // A press and release sent together, then the pointer wanders off:
        // nothing may follow it.
        QTest::newRow("instant click") << "pL/L@110,110 rL/@110,110 m-/@300,200" << true << "LRM" << true << 0 << 0
                                       << QPoint();
        QTest::newRow("instant right click") << "pR/R@110,110 rR/@110,110" << true << "L" << true << 0 << 0
                                             << QPoint();
        QTest::newRow("drag handed to the window system")
            << "pL/L@110,110 m-/L@115,112 m-/L@150,150" << true << "LRM" << true << 1 << 0 << QPoint();
        // Let go before the window system took the pointer: its move must
        // be taken back, or it goes on with no button held.
        QTest::newRow("release that beat the window system")
            << "pL/L@110,110 m-/L@113,113 rL/@113,113" << true << "LRM" << true << 1 << 1 << QPoint();
        QTest::newRow("refused, the program follows")
            << "pL/L@110,110 m-/L@130,125 m-/L@140,150 rL/@140,150 m-/@300,300" << false << "LRM" << true << 1
            << 0 << QPoint(30, 40);
        QTest::newRow("refused where the program may not move it")
            << "pL/L@110,110 m-/L@130,125 rL/@130,125" << false << "LRM" << false << 1 << 0 << QPoint();
        // An X11 window manager waits for button 1 alone.
        QTest::newRow("right drag with a left-only window system")
            << "pR/R@110,110 m-/R@120,130 rR/@120,130" << true << "L" << true << 0 << 0 << QPoint(10, 20);
        QTest::newRow("right drag with a compositor") << "pR/R@110,110 m-/R@120,130" << true << "LRM" << true << 1
                                                      << 0 << QPoint();
        QTest::newRow("second button changes nothing")
            << "pL/L@110,110 m-/L@112,112 pR/LR@112,112 m-/LR@130,130" << true << "LRM" << true << 1 << 0
            << QPoint();
        // The window system took the release of the last move; the next
        // press is a drag of its own.
        QTest::newRow("press after a finished system move")
            << "pL/L@110,110 m-/L@112,112 pL/L@200,200 m-/L@205,205" << true << "LRM" << true << 2 << 0 << QPoint();
        QTest::newRow("one of two buttons let go keeps following")
            << "pL/L@110,110 m-/L@111,111 pR/LR@111,111 rL/R@111,111 m-/R@150,160" << false << "LRM" << true << 1
            << 0 << QPoint(40, 50);
        QTest::newRow("motion without a button ends it")
            << "pL/L@110,110 m-/L@120,120 m-/@130,130 m-/L@200,200" << false << "LRM" << true << 1 << 0
            << QPoint(10, 10);
    }
    void drag()
    {
        QFETCH(QString, script);
        QFETCH(bool, systemAccepts);
        QFETCH(QString, systemButtons);
        QFETCH(bool, programMoves);
        QFETCH(int, starts);
        QFETCH(int, cancels);
        QFETCH(QPoint, moved);

        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setFixedSize(302, 97);
        window.move(100, 100);
        const QPoint start = window.frameGeometry().topLeft();
        int started = 0, cancelled = 0;
        SurfaceDrag::WindowSystem system;
        system.startMove = [&] {
            ++started;
            return systemAccepts;
        };
        system.cancelMove = [&] { ++cancelled; };
        system.moveButtons = buttonsOf(systemButtons);
        system.programMoves = programMoves;
        SurfaceDrag drag(&window, system);

        play(drag, script);
        QCOMPARE(started, starts);
        QCOMPARE(cancelled, cancels);
        QCOMPARE(window.frameGeometry().topLeft() - start, moved);
    }

    void platforms_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("compositorPlaces");
        QTest::addColumn<bool>("rightButtonHandedOver");
        QTest::addColumn<bool>("titleBarOwnButtons");
        QTest::newRow("X11") << "xcb" << false << false << false;
        QTest::newRow("Wayland") << "wayland" << true << true << true;
        QTest::newRow("Wayland with EGL") << "wayland-egl" << true << true << true;
        QTest::newRow("headless") << "offscreen" << false << true << false;
    }
    void platforms()
    {
        QFETCH(QString, platform);
        QFETCH(bool, compositorPlaces);
        QFETCH(bool, rightButtonHandedOver);
        QFETCH(bool, titleBarOwnButtons);
        QCOMPARE(compositorPlacesWindows(platform), compositorPlaces);
        QCOMPARE(titleBarIgnoresWindowFlags(platform), titleBarOwnButtons);
        QVERIFY(windowManagerMoveButtons(platform).testFlag(Qt::LeftButton));
        QCOMPARE(windowManagerMoveButtons(platform).testFlag(Qt::RightButton), rightButtonHandedOver);
    }
};

HORAVOX_TEST_MAIN(TestSurfaceDrag)
#include "test_surface_drag.moc"
