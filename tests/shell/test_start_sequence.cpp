// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock shown before the rest of its load: the real main window on
// fakes, started as the program starts it.
#include "shell/start_sequence.h"

#include "clock_window_rig.h"
#include "test_main.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>

using namespace horavox;
using namespace horavox_test;

namespace {

// Counts the window's paints, and what had been painted when the rest ran.
class PaintCount : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class TestStartSequence : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QDir(configDir()).removeRecursively(); }

    void restFollowsTheFirstPaint_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("paintsBefore");
        QTest::newRow("painted: right after its first frame") << true << 1;
        // Started minimised, or held back by the desktop: loaded a moment
        // later all the same.
        QTest::newRow("never painted: after a short wait") << false << 0;
    }
    void restFollowsTheFirstPaint()
    {
        QFETCH(bool, shown);
        QFETCH(int, paintsBefore);
        ClockWindowRig rig(QByteArray(), QByteArray(), ClockWindowRig::Load::NotAtAll); // no files: defaults
        MainForm &window = *rig.form;
        PaintCount painted;
        window.installEventFilter(&painted);

        int rests = 0;
        int paintsAtRest = -1;
        bool loadedAtRest = false;
        StartSequence start(window, [&] {
            ++rests;
            paintsAtRest = painted.paints;
            loadedAtRest = window.isLoaded();
        });
        QElapsedTimer since;
        since.start();
        start.begin();
        QVERIFY(!window.isLoaded());
        if (shown)
            window.show();
        QCoreApplication::processEvents();
        QCOMPARE(rests, 0);

        QTRY_VERIFY_WITH_TIMEOUT(start.completed(), 5000);
        QCOMPARE(rests, 1);
        QVERIFY(loadedAtRest);
        QCOMPARE(paintsAtRest, paintsBefore);
        if (!shown)
            QVERIFY(since.elapsed() >= StartSequence::kUnpaintedWaitMs - 10);
        QVERIFY(window.settingsWindow());

        // Later paints and the wait running out change nothing.
        window.show();
        window.repaint();
        QTest::qWait(StartSequence::kUnpaintedWaitMs + 50);
        QCOMPARE(rests, 1);
        window.saveForExit();
    }

    void completedEarlyRunsOnce()
    {
        ClockWindowRig rig(QByteArray(), QByteArray(), ClockWindowRig::Load::NotAtAll); // no files: defaults
        MainForm &window = *rig.form;
        int rests = 0;
        StartSequence start(window, [&] { ++rests; });
        QSignalSpy done(&start, &StartSequence::completedLoading);
        start.begin();
        start.complete();
        QVERIFY(window.isLoaded());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(StartSequence::kUnpaintedWaitMs + 50);
        QCOMPARE(rests, 1);
        QCOMPARE(done.count(), 1);
        window.saveForExit();
    }
};

HORAVOX_TEST_MAIN(TestStartSequence)
#include "test_start_sequence.moc"
