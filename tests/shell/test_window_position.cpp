// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/window_position.h"

#include "core/paths.h"
#include "test_files.h"
#include "test_main.h"

#include <QScreen>
#include <QWidget>

#include <unistd.h>

using namespace horavox;

Q_DECLARE_METATYPE(std::optional<QPoint>)

using horavox_test::readAll;
using horavox_test::writeFile;

namespace {

const QRect kPrimary(0, 0, 1920, 1080);
const QRect kRight(1920, 0, 1280, 1024);
const QRect kLeft(-1280, 56, 1280, 1024);
const QSize kClock(302, 97);

} // namespace

class TestWindowPosition : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QDir(configDir()).removeRecursively(); }

    void fileSitsBesideTheSettings()
    {
        QCOMPARE(QFileInfo(windowPositionPath()).absolutePath(), QFileInfo(settingsFilePath()).absolutePath());
        QCOMPARE(QFileInfo(windowPositionPath()).fileName(), QStringLiteral("WindowPosition.txt"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::newRow("origin") << QPoint(0, 0);
        QTest::newRow("ordinary") << QPoint(640, 377);
        QTest::newRow("screen left of the primary") << QPoint(-1280, 12);
        QTest::newRow("above the primary") << QPoint(15, -900);
        QTest::newRow("far corner") << QPoint(7679, 4319);
    }
    void roundTrip()
    {
        QFETCH(QPoint, point);
        const WindowPositionStore store(windowPositionPath());
        QVERIFY(store.save(point));
        QCOMPARE(store.load(), std::optional<QPoint>(point));
        QCOMPARE(readAll(windowPositionPath()),
                 QByteArray::number(point.x()) + ' ' + QByteArray::number(point.y()) + '\n');
    }

    void saveCreatesTheFolder()
    {
        QVERIFY(!QDir(configDir()).exists());
        QVERIFY(WindowPositionStore(windowPositionPath()).save(QPoint(3, 4)));
        QCOMPARE(WindowPositionStore(windowPositionPath()).load(), std::optional<QPoint>(QPoint(3, 4)));
    }

    void loadReadsOnlyWhatIsSound_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<std::optional<QPoint>>("expected");
        const std::optional<QPoint> none;
        QTest::newRow("no newline") << QByteArray("10 20") << std::optional<QPoint>(QPoint(10, 20));
        QTest::newRow("CR LF") << QByteArray("10 20\r\n") << std::optional<QPoint>(QPoint(10, 20));
        QTest::newRow("extra blanks") << QByteArray("  10   -20 \n") << std::optional<QPoint>(QPoint(10, -20));
        QTest::newRow("two lines") << QByteArray("10\n20\n") << std::optional<QPoint>(QPoint(10, 20));
        QTest::newRow("empty") << QByteArray() << none;
        QTest::newRow("one number") << QByteArray("10\n") << none;
        QTest::newRow("three numbers") << QByteArray("1 2 3\n") << none;
        QTest::newRow("comma") << QByteArray("10,20\n") << none;
        QTest::newRow("words") << QByteArray("left top\n") << none;
        QTest::newRow("fraction") << QByteArray("10.5 20\n") << none;
        QTest::newRow("out of any desktop") << QByteArray("99999999 20\n") << none;
        QTest::newRow("overflowing int") << QByteArray("10 99999999999999\n") << none;
        QTest::newRow("too long") << QByteArray(200, ' ') + "1 2" << none;
    }
    void loadReadsOnlyWhatIsSound()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(std::optional<QPoint>, expected);
        writeFile(windowPositionPath(), bytes);
        QCOMPARE(WindowPositionStore(windowPositionPath()).load(), expected);
    }

    void missingFileIsNothing()
    {
        QCOMPARE(WindowPositionStore(windowPositionPath()).load(), std::optional<QPoint>());
    }

    void saveReplacesTheFileAsAWhole()
    {
        // A reader holding the old file (here: a second name for it) keeps
        // the old bytes; a write in place would have changed them under it.
        const QString path = windowPositionPath();
        const QString link = path + QStringLiteral(".old");
        WindowPositionStore store(path);
        QVERIFY(store.save(QPoint(1, 2)));
        QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
        QVERIFY(store.save(QPoint(300, 400)));
        QCOMPARE(readAll(link), QByteArray("1 2\n"));
        QCOMPARE(readAll(path), QByteArray("300 400\n"));
        // No temporary file is left beside it.
        QCOMPARE(QDir(configDir()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void saveThatCannotBeMadeSaysSo()
    {
        // The path is taken by a folder: nothing can be written there.
        QVERIFY(QDir().mkpath(windowPositionPath()));
        QVERIFY(!WindowPositionStore(windowPositionPath()).save(QPoint(1, 1)));
        QVERIFY(QFileInfo(windowPositionPath()).isDir());
    }

    void placement_data()
    {
        QTest::addColumn<std::optional<QPoint>>("saved");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<std::optional<QPoint>>("expected");
        const QList<QRect> two{kPrimary, kRight};
        const QList<QRect> three{kPrimary, kRight, kLeft};
        const QPoint centre((1920 - 302) / 2, (1080 - 97) / 2);
        using P = std::optional<QPoint>;
        QTest::newRow("nothing saved") << P() << two << P();
        QTest::newRow("no screens") << P(QPoint(10, 10)) << QList<QRect>() << P();
        QTest::newRow("on the primary") << P(QPoint(100, 200)) << two << P(QPoint(100, 200));
        QTest::newRow("on the second") << P(QPoint(2000, 500)) << two << P(QPoint(2000, 500));
        QTest::newRow("on a screen left of the primary") << P(QPoint(-1000, 300)) << three << P(QPoint(-1000, 300));
        QTest::newRow("second screen unplugged") << P(QPoint(2000, 500)) << QList<QRect>{kPrimary} << P(centre);
        QTest::newRow("far off every screen") << P(QPoint(9000, 9000)) << two << P(centre);
        QTest::newRow("in the gap under the shorter screen") << P(QPoint(2000, 1050)) << two << P(centre);
        QTest::newRow("left screen unplugged") << P(QPoint(-1000, 300)) << two << P(centre);
        QTest::newRow("hanging off the right edge") << P(QPoint(3150, 10)) << two << P(QPoint(3200 - 302, 10));
        QTest::newRow("hanging off the bottom") << P(QPoint(50, 1070)) << two << P(QPoint(50, 1080 - 97));
        QTest::newRow("last pixel of the primary") << P(QPoint(1919, 1079)) << QList<QRect>{kPrimary}
                                                   << P(QPoint(1920 - 302, 1080 - 97));
        QTest::newRow("one past the primary") << P(QPoint(1920, 0)) << QList<QRect>{kPrimary} << P(centre);
        QTest::newRow("screen smaller than the window keeps the corner")
            << P(QPoint(10, 10)) << QList<QRect>{QRect(0, 0, 200, 50)} << P(QPoint(0, 0));
        QTest::newRow("off-screen centres on an offset primary")
            << P(QPoint(-5000, 0)) << QList<QRect>{QRect(1920, 0, 1280, 1024), kPrimary}
            << P(QPoint(1920 + (1280 - 302) / 2, (1024 - 97) / 2));
    }
    void placement()
    {
        QFETCH(std::optional<QPoint>, saved);
        QFETCH(QList<QRect>, screens);
        QFETCH(std::optional<QPoint>, expected);
        QCOMPARE(placeWindow(saved, kClock, screens), expected);
    }

    void keeperPutsTheWindowBackAndWritesItsMoves()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint there = screen.topLeft() + QPoint(40, 30);
        QVERIFY(WindowPositionStore(windowPositionPath()).save(there));

        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setFixedSize(kClock);
        WindowPositionKeeper keeper(&window, windowPositionPath());
        keeper.restore();
        QCOMPARE(window.pos(), there);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // The user drags it; the file follows once the window has settled.
        const QPoint dragged = screen.topLeft() + QPoint(120, 90);
        window.move(dragged);
        QTRY_COMPARE_WITH_TIMEOUT(WindowPositionStore(windowPositionPath()).load(),
                                  std::optional<QPoint>(dragged), 5 * WindowPositionKeeper::kSettleMs);

        // Nothing new to write: the file is left alone.
        QVERIFY(QFile::remove(windowPositionPath()));
        keeper.flush();
        QVERIFY(!QFile::exists(windowPositionPath()));
    }

    void keeperCentresAWindowLeftOnAVanishedScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(WindowPositionStore(windowPositionPath()).save(screen.bottomRight() + QPoint(5000, 5000)));
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setFixedSize(kClock);
        WindowPositionKeeper keeper(&window, windowPositionPath());
        keeper.restore();
        QCOMPARE(window.pos(), screen.topLeft() + QPoint((screen.width() - kClock.width()) / 2,
                                                         (screen.height() - kClock.height()) / 2));
    }

    // Where the compositor places windows the program neither moves its
    // window nor writes the position it reads back (0,0 on Wayland).
    void keeperLeavesThePlaceToTheWindowSystem_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("a place from another session") << QByteArray("40 30\n");
        QTest::newRow("a damaged file") << QByteArray("40 30 20");
        QTest::newRow("no file") << QByteArray();
    }
    void keeperLeavesThePlaceToTheWindowSystem()
    {
        QFETCH(QByteArray, file);
        if (!file.isNull())
            writeFile(windowPositionPath(), file);
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setFixedSize(kClock);
        window.move(7, 9);
        WindowPositionKeeper keeper(&window, windowPositionPath(), WindowPositionKeeper::Placement::ByWindowSystem);
        keeper.restore();
        QCOMPARE(window.pos(), QPoint(7, 9));
        window.move(0, 0);
        keeper.flush();
        QCOMPARE(QFile::exists(windowPositionPath()), !file.isNull());
        if (!file.isNull())
            QCOMPARE(readAll(windowPositionPath()), file);
    }

    void keeperWritesThePlaceAtTheEndEvenWithoutAMove()
    {
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setFixedSize(kClock);
        WindowPositionKeeper keeper(&window, windowPositionPath());
        keeper.restore(); // nothing saved: the window stays where it is
        window.move(33, 44);
        keeper.flush();
        QCOMPARE(WindowPositionStore(windowPositionPath()).load(), std::optional<QPoint>(QPoint(33, 44)));
    }
};

HORAVOX_TEST_MAIN(TestWindowPosition)
#include "test_window_position.moc"
