// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/scheduler/alarm_period.h"
#include "scheduler_rig.h"
#include "test_main.h"

using namespace horavox;
using namespace horavox_test;

namespace {

struct AlarmRig : SchedulerRig
{
    AlarmRig() : SchedulerRig(QDateTime(QDate(2026, 5, 4), QTime(8, 50, 12, 300))) {}
    AlarmPeriod period{clock, state, dispatcher};

    // Ticks once a second until the period ends; returns the seconds it took,
    // or -1 when it did not end within the limit.
    int secondsToNextEnd(int limit = 10000, qint64 tickMs = 1000)
    {
        for (int s = 1; s <= limit; ++s) {
            clock.advanceMs(tickMs);
            if (period.tick())
                return s;
        }
        return -1;
    }
};

} // namespace

class TestAlarmPeriod : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void periodSecs_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("secs"); // -1: cannot be formed
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1") << 1 << 60;
        QTest::newRow("60") << 60 << 3600;
        QTest::newRow("largest") << 546 << 32760;
        QTest::newRow("overflows") << 547 << -1;
        QTest::newRow("negative largest") << -546 << -32760;
        QTest::newRow("negative overflows") << -547 << -1;
    }
    void periodSecs()
    {
        QFETCH(int, interval);
        QFETCH(int, secs);
        const std::optional<qint32> got = AlarmPeriod::periodSecsFor(interval);
        QCOMPARE(got.has_value(), secs != -1);
        if (got)
            QCOMPARE(*got, secs);
    }

    void endsAfterTheIntervalAndAgainFromThatTick_data()
    {
        QTest::addColumn<bool>("tts");
        QTest::newRow("clips") << false;
        QTest::newRow("tts") << true;
    }
    void endsAfterTheIntervalAndAgainFromThatTick()
    {
        QFETCH(bool, tts);
        AlarmRig r;
        r.settings.tts = tts;
        QVERIFY(r.period.start(1));
        QVERIFY(r.period.isRunning());
        QCOMPARE(r.period.periodSecs(), 60);
        QCOMPARE(r.secondsToNextEnd(), 60);
        QCOMPARE(r.dispatcher.clipAlarmDue(), !tts);
        QCOMPARE(r.dispatcher.ttsAlarmDue(), tts);
        QCOMPARE(r.period.elapsedSecs(), 0);
        QCOMPARE(r.secondsToNextEnd(), 60);
    }

    void lateTicksNeverEndEarly()
    {
        AlarmRig r;
        r.period.start(1);
        // Ticks 7 ms late each: the end comes at the first tick at or after 60 s.
        QCOMPARE(r.secondsToNextEnd(100, 1007), 60);
        // Early ticks (a coarse timer) are not counted as a whole second.
        QCOMPARE(r.secondsToNextEnd(100, 990), 61);
    }

    void startStampsTheStart()
    {
        AlarmRig r;
        r.period.start(15);
        QCOMPARE(r.period.startStamp(), QStringLiteral("8:50:12AM"));
        QCOMPARE(r.state.AlarmStartText, QStringLiteral("08:50 AM"));
        // A new period after the end keeps the stamp of the start.
        QCOMPARE(r.secondsToNextEnd(), 900);
        QCOMPARE(r.period.startStamp(), QStringLiteral("8:50:12AM"));
        QCOMPARE(r.state.AlarmStartText, QStringLiteral("08:50 AM"));
    }

    // A 5-minute period, 30 s under way, then the clock jumps: a wall-clock
    // step changes nothing, time asleep counts.
    void clockJumps_data()
    {
        QTest::addColumn<bool>("asleep");
        QTest::addColumn<int>("jumpSecs");
        QTest::addColumn<int>("firstEnd"); // seconds of ticks after the jump
        QTest::newRow("wall forward an hour") << false << 3600 << 270;
        QTest::newRow("wall back an hour") << false << -3600 << 270;
        QTest::newRow("wall forward a day") << false << 86400 << 270;
        QTest::newRow("asleep 4 minutes") << true << 240 << 30;
        // Ended while asleep: said on the first tick awake, once.
        QTest::newRow("asleep 20 minutes, four periods") << true << 1200 << 1;
        QTest::newRow("asleep a night") << true << 8 * 3600 << 1;
    }
    void clockJumps()
    {
        QFETCH(bool, asleep);
        QFETCH(int, jumpSecs);
        QFETCH(int, firstEnd);
        AlarmRig r;
        r.period.start(5);
        QCOMPARE(r.secondsToNextEnd(30), -1);
        if (asleep)
            r.clock.sleepMs(qint64(jumpSecs) * 1000);
        else
            r.clock.setWall(r.clock.now().addSecs(jumpSecs));
        QCOMPARE(r.secondsToNextEnd(), firstEnd);
        QCOMPARE(r.secondsToNextEnd(), 300);
    }

    void restartBeginsAgain()
    {
        AlarmRig r;
        r.period.start(5);
        QCOMPARE(r.secondsToNextEnd(100), -1);
        QVERIFY(r.period.start(5));
        QCOMPARE(r.period.startStamp(), QStringLiteral("8:51:52AM"));
        QCOMPARE(r.secondsToNextEnd(), 300);
    }

    void restartWithANewInterval()
    {
        AlarmRig r;
        r.period.start(5);
        r.clock.advanceSecs(10);
        r.period.start(2);
        QCOMPARE(r.period.periodSecs(), 120);
        QCOMPARE(r.secondsToNextEnd(), 120);
    }

    void zeroLeavesARunningAlarmAlone()
    {
        AlarmRig r;
        QVERIFY(!r.period.start(0));
        QVERIFY(!r.period.isRunning());
        QVERIFY(r.period.start(2));
        r.clock.advanceSecs(30);
        const QString stamp = r.period.startStamp();
        QVERIFY(!r.period.start(0));
        QVERIFY(!r.period.start(-3));
        QVERIFY(!r.period.start(600));
        QVERIFY(r.period.isRunning());
        QCOMPARE(r.period.startStamp(), stamp);
        QCOMPARE(r.period.periodSecs(), 120);
        QCOMPARE(r.secondsToNextEnd(), 90);
    }

    void stopEndsNothingMore()
    {
        AlarmRig r;
        r.period.start(1);
        r.clock.advanceSecs(30);
        r.period.stop();
        QVERIFY(!r.period.isRunning());
        QCOMPARE(r.secondsToNextEnd(200), -1);
        QVERIFY(!r.dispatcher.pending());
    }

    void tickBeforeAnyStartDoesNothing()
    {
        AlarmRig r;
        r.clock.advanceSecs(100000);
        QVERIFY(!r.period.tick());
        QVERIFY(!r.dispatcher.pending());
    }
};

HORAVOX_TEST_MAIN(TestAlarmPeriod)
#include "test_alarm_period.moc"
