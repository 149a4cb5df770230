// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The built program on real desktops: a Wayland compositor, and an X11
// server with a window manager. Each test starts its own and stops it.
#include "desktop_session.h"
#include "resources/resources.h"
#include "test_files.h"
#include "test_main.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>

using namespace horavox_test;

namespace {

const QString kProgram = QStringLiteral(HORAVOX_BINARY);
constexpr QSize kClock(302, 97);

QString placeFile(const SessionBase &session)
{
    return session.configHome() + QStringLiteral("/horavox/WindowPosition.txt");
}

QString settingsFile(const SessionBase &session)
{
    return session.configHome() + QStringLiteral("/horavox/SettingsSetup.txt");
}

// The smallest rectangle holding every pixel that is not the background.
QRect drawnArea(const QImage &shot)
{
    QRect area;
    for (int y = 0; y < shot.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x) {
            if (line[x] != WestonSession::kBackground)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

// Inside the outline, on skin no control covers.
const QList<QPoint> kBareSkin = {{100, 5}, {150, 50}, {20, 90}, {240, 92}};

// Where the window's top left corner is on the screenshot: the point near
// the drawn area's corner from which the bare skin lines up with the skin
// picture. The outline starts a pixel in from the window's left edge, and
// smoothing may add or take a pixel, so a few places are tried.
std::optional<QPoint> clockOrigin(const QImage &shot, const QImage &skin)
{
    const QRect area = drawnArea(shot);
    if (area.isEmpty())
        return std::nullopt;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -3; dx <= 2; ++dx) {
            const QPoint origin = area.topLeft() + QPoint(dx, dy);
            const bool fits = std::all_of(kBareSkin.begin(), kBareSkin.end(), [&](const QPoint &p) {
                const QPoint at = origin + p;
                return shot.rect().contains(at) && shot.pixel(at) == skin.pixel(p);
            });
            if (fits)
                return origin;
        }
    }
    return std::nullopt;
}

struct Clock
{
    QProcess process;
    explicit Clock(const QProcessEnvironment &env)
    {
        process.setProcessEnvironment(env);
        process.start(kProgram, {});
    }
    ~Clock() { stopProcess(process); }
};

} // namespace

class TestOnDesktops : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void waylandShowsTheOutline_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("skin");
        QTest::newRow("top left corner") << QPoint(10, 5) << false;
        QTest::newRow("top left, lower down") << QPoint(40, 20) << false;
        QTest::newRow("beside the left slant, under a picture") << QPoint(20, 45) << false;
        QTest::newRow("top right corner") << QPoint(295, 5) << false;
        QTest::newRow("right of the slant") << QPoint(290, 40) << false;
        for (const QPoint &p : kBareSkin)
            QTest::addRow("skin at %d,%d", p.x(), p.y()) << p << true;
    }
    void waylandShowsTheOutline()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, skin);
        if (m_shot.isNull())
            m_shot = clockOnWayland();
        if (!m_skipReason.isEmpty())
            QSKIP(qPrintable(m_skipReason));
        QVERIFY2(!m_shot.isNull(), qPrintable(m_failure));
        const QImage skinPicture = horavox::bitmapResource(QStringLiteral("TCSKIN")).toImage().convertToFormat(
            QImage::Format_RGB32);
        const std::optional<QPoint> origin = clockOrigin(m_shot, skinPicture);
        QVERIFY2(origin, "the clock's skin is not on the screen");
        const QRgb seen = m_shot.pixel(*origin + point);
        if (skin)
            QCOMPARE(seen, skinPicture.pixel(point));
        else
            QCOMPARE(seen, WestonSession::kBackground);
    }

    void waylandLeavesTheWindowPlaceAlone_data()
    {
        QTest::addColumn<QByteArray>("place");
        // A place from an X11 session, on a second screen.
        QTest::newRow("saved place") << QByteArray("2021 37\n");
        QTest::newRow("no newline, blanks") << QByteArray("  15 900");
        QTest::newRow("not a place") << QByteArray("nonsense\r\n");
    }
    void waylandLeavesTheWindowPlaceAlone()
    {
        QFETCH(QByteArray, place);
        if (const QString missing = WestonSession::missing(); !missing.isEmpty())
            QSKIP(qPrintable(QStringLiteral("not installed: ") + missing));
        WestonSession weston;
        const QString why = weston.start();
        QVERIFY2(why.isEmpty(), qPrintable(why));
        writeFile(placeFile(weston), place);

        Clock clock(weston.environment());
        QVERIFY(clock.process.waitForStarted(5000));
        QVERIFY2(waitFor([&] { return !drawnArea(weston.screenshot()).isEmpty(); }, 30000),
                 "the clock never showed");

        // A second start hands its launcher's token over and ends.
        QProcess second;
        QProcessEnvironment env = weston.environment();
        env.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), QStringLiteral("launcher-token-1"));
        second.setProcessEnvironment(env);
        second.start(kProgram, {});
        QVERIFY(second.waitForFinished(30000));
        QVERIFY2(second.exitCode() == 0, second.readAllStandardError().constData());
        QCOMPARE(clock.process.state(), QProcess::Running);

        // The end of the session saves what the clock saves...
        QVERIFY(QFile::remove(settingsFile(weston)));
        clock.process.terminate();
        QVERIFY(clock.process.waitForFinished(20000));
        QCOMPARE(clock.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(clock.process.exitCode(), 0);
        QVERIFY(QFile::exists(settingsFile(weston)));
        // ...but not a place it cannot know.
        QCOMPARE(readAll(placeFile(weston)), place);
        // A start with no tray to show in says nothing about it.
        QCOMPARE(QString::fromLocal8Bit(clock.process.readAllStandardError()), QString());
    }

    void x11DragEndsWithTheButton_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("moves");
        // Press and release sent together, as automation tools and
        // tap-to-click send them.
        QTest::newRow("instant left click") << "click 1" << false;
        QTest::newRow("instant right click") << "click 3" << false;
        QTest::newRow("instant middle click") << "click 2" << false;
        // Let go the moment the window manager is asked to move.
        QTest::newRow("left flick") << "mousedown 1 mousemove_relative 3 3 mouseup 1" << false;
        QTest::newRow("left drag") << "mousedown 1 sleep 0.1 mousemove_relative 10 10 sleep 0.3 "
                                      "mousemove_relative 20 20 sleep 0.3 mouseup 1"
                                   << true;
        QTest::newRow("right drag") << "mousedown 3 sleep 0.1 mousemove_relative 10 10 sleep 0.3 "
                                       "mousemove_relative 20 20 sleep 0.3 mouseup 3"
                                    << true;
    }
    void x11DragEndsWithTheButton()
    {
        QFETCH(QString, action);
        QFETCH(bool, moves);
        if (!m_x11) {
            if (const QString missing = X11Session::missing(); !missing.isEmpty())
                QSKIP(qPrintable(QStringLiteral("not installed: ") + missing));
            m_x11 = std::make_unique<X11Session>();
            const QString why = m_x11->start();
            QVERIFY2(why.isEmpty(), qPrintable(why));
            m_x11Clock = std::make_unique<Clock>(m_x11->environment());
            // A sanitizer build on a busy machine takes a while to start.
            m_x11Window = m_x11->findWindow({"--classname", "^horavox$"}, 60000);
        }
        QVERIFY2(!m_x11Window.isEmpty(),
                 qPrintable(QStringLiteral("the clock's window never showed (state %1, exit %2): ")
                                .arg(m_x11Clock->process.state())
                                .arg(m_x11Clock->process.exitCode())
                            + QString::fromLocal8Bit(m_x11Clock->process.readAllStandardError()
                                                     + m_x11Clock->process.readAllStandardOutput())));
        const X11Session &x = *m_x11;
        const QString w = QString::fromLatin1(m_x11Window);
        auto where = [&] {
            const QByteArray out = x.xdotool({"getwindowgeometry", "--shell", w});
            int px = -1, py = -1;
            for (const QByteArray &line : out.split('\n')) {
                if (line.startsWith("X="))
                    px = line.mid(2).toInt();
                else if (line.startsWith("Y="))
                    py = line.mid(2).toInt();
            }
            return QPoint(px, py);
        };

        const QPoint start(100, 100);
        QVERIFY(!x.xdotool({"windowmove", "--sync", w, "100", "100"}).isNull());
        QTRY_COMPARE(where(), start);
        // On bare skin, away from the controls.
        QVERIFY(!x.xdotool({"mousemove", "--sync", "250", "150"}).isNull());
        // Where the window comes to rest; a busy machine may lag behind.
        auto settled = [&] {
            QPoint last = where();
            for (int i = 0; i < 20; ++i) {
                QTest::qWait(150);
                const QPoint now = where();
                if (now == last)
                    break;
                last = now;
            }
            return last;
        };
        QVERIFY(!x.xdotool(action.split(QLatin1Char(' '))).isNull());
        const QPoint released = settled();
        // Wander off with no button held: the window must stay.
        QVERIFY(!x.xdotool({"mousemove", "--sync", "500", "350"}).isNull());
        const QPoint after = settled();
        // A move left running is called off before the next row.
        x.xdotool({"key", "Escape"});

        QCOMPARE(after, released);
        const QPoint shift = released - start;
        if (moves)
            QVERIFY2(shift.manhattanLength() >= 10, qPrintable(QStringLiteral("moved by %1,%2").arg(shift.x()).arg(shift.y())));
        else
            QVERIFY2(shift.manhattanLength() <= 6, qPrintable(QStringLiteral("moved by %1,%2").arg(shift.x()).arg(shift.y())));
    }

    // Every title is the window's own: the desktop's name for the program is
    // not added behind it ("Horavox Settings — Horavox").
    void x11TitlesNameTheWindowOnce()
    {
        if (!m_x11 || m_x11Window.isEmpty())
            QSKIP("no clock on an X11 desktop");
        const X11Session &x = *m_x11;
        QVERIFY(!x.xdotool({"windowmove", "--sync", QString::fromLatin1(m_x11Window), "100", "100"}).isNull());
        // The settings button, on the clock's left.
        QVERIFY(!x.xdotool({"mousemove", "--sync", "172", "141", "click", "1"}).isNull());
        const QByteArray found = x.findWindow({"--name", "^Horavox Settings"}, 20000);
        QVERIFY(!found.isEmpty());
        QCOMPARE(x.xdotool({"getwindowname", QString::fromLatin1(found)}).trimmed(), QByteArray("Horavox Settings"));
        x.xdotool({"key", "--window", QString::fromLatin1(found), "Escape"});
    }

    void cleanupTestCase()
    {
        m_x11Clock.reset();
        m_x11.reset();
    }

private:
    // Runs the clock on a fresh compositor and shoots the screen once it
    // shows; sets the reason to skip or the failure instead.
    QImage clockOnWayland()
    {
        if (const QString missing = WestonSession::missing(); !missing.isEmpty()) {
            m_skipReason = QStringLiteral("not installed: ") + missing;
            return QImage();
        }
        WestonSession weston;
        if (const QString why = weston.start(); !why.isEmpty()) {
            m_failure = why;
            return QImage();
        }
        Clock clock(weston.environment());
        QImage shot;
        // Shown, and painted in full (the skin's size, not a first frame).
        const bool shown = waitFor(
            [&] {
                shot = weston.screenshot();
                const QRect area = drawnArea(shot);
                return area.width() >= kClock.width() - 4 && area.height() >= kClock.height() - 3;
            },
            30000);
        if (!shown) {
            m_failure = QStringLiteral("the clock never showed: ")
                + QString::fromLocal8Bit(clock.process.readAllStandardError());
            return QImage();
        }
        return shot;
    }

    QImage m_shot;
    QString m_skipReason;
    QString m_failure;
    std::unique_ptr<X11Session> m_x11;
    std::unique_ptr<Clock> m_x11Clock;
    QByteArray m_x11Window;
};

HORAVOX_TEST_MAIN(TestOnDesktops)
#include "test_on_desktops.moc"
