// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The wall clock is not monotonic: it is corrected, changed by hand, stepped
// for daylight saving, and it jumps when the machine wakes from sleep. Each
// due minute must be spoken at most once, and a wake must not replay the
// minutes that passed while asleep.
#include "robustness_rig.h"
#include "test_main.h"

#include <QTest>
#include <QTimeZone>

using namespace horavox;
using namespace horavox_test;

namespace {

struct Step
{
    int afterTicks; // ticks at one-second intervals before the step
    qint64 wallSecs; // the step of the wall clock alone
};

struct ClockRig : ClockWindowRig
{
    ClockRig(const QDateTime &start, const QByteArray &slider)
        : ClockWindowRig(kQuietSettings, slider, Load::Whole, {.start = start})
    {
        tick(); // the first tick only learns the minute it starts in
        media.played.clear();
    }
    void tick()
    {
        form->Timer1_Timer();
        form->Timer2_Timer();
    }
    void run(int ticks)
    {
        for (int i = 0; i < ticks; ++i) {
            clock.advanceSecs(1);
            tick();
        }
    }
};

} // namespace

class TestClockSteps : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { cleanFolders(); }

    void steps_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<int>("ticksBefore");
        QTest::addColumn<int>("stepSecs");
        QTest::addColumn<int>("ticksAfter");
        QTest::addColumn<QStringList>("spoken");
        const QString t915 = QStringLiteral("TIME NINE FIFTEEN AM");
        // Interval 15 minutes throughout.
        QTest::newRow("an hour back after a due minute")
            << QTime(9, 14, 50) << 20 << -3600 << 90
            << QStringList{t915, QStringLiteral("TIME EIGHT FIFTEEN AM")};
        QTest::newRow("an hour back just before a due minute")
            << QTime(9, 14, 50) << 5 << -3600 << 20 << QStringList{QStringLiteral("TIME EIGHT FIFTEEN AM")};
        QTest::newRow("an hour forward skips the hour between")
            << QTime(9, 14, 50) << 5 << 3600 << 20 << QStringList{QStringLiteral("TIME TEN FIFTEEN AM")};
        QTest::newRow("an hour forward after a due minute")
            << QTime(9, 14, 50) << 20 << 3600 << 20
            << QStringList{t915, QStringLiteral("TIME TEN FIFTEEN AM")};
        QTest::newRow("a correction back within the due minute")
            << QTime(9, 14, 50) << 15 << -3 << 30 << QStringList{t915};
        QTest::newRow("a correction forward over the due second")
            << QTime(9, 14, 50) << 5 << 8 << 30 << QStringList{t915};
        QTest::newRow("a correction back across the due minute")
            << QTime(9, 14, 50) << 15 << -10 << 30 << QStringList{t915};
    }

    void steps()
    {
        QFETCH(QTime, start);
        QFETCH(int, ticksBefore);
        QFETCH(int, stepSecs);
        QFETCH(int, ticksAfter);
        QFETCH(QStringList, spoken);
        ClockRig rig(QDateTime(QDate(2026, 12, 7), start), "450\r\n");
        rig.run(ticksBefore);
        rig.clock.setWall(rig.clock.now().addSecs(stepSecs));
        rig.tick();
        rig.run(ticksAfter);
        QCOMPARE(announcements(rig.media.played), spoken);
        QVERIFY(rig.sink.shown.isEmpty());
    }

    void sleepAcrossDueMinutes_data()
    {
        QTest::addColumn<QTime>("asleep");
        QTest::addColumn<QTime>("awake");
        QTest::addColumn<QStringList>("spoken");
        // Interval 15. The ticks after the wake run to 11:31.
        QTest::newRow("wake between due minutes")
            << QTime(9, 14, 50) << QTime(11, 20, 5) << QStringList{QStringLiteral("TIME ELEVEN THIRTY AM")};
        QTest::newRow("wake inside a due minute")
            << QTime(9, 14, 50) << QTime(11, 15, 20)
            << QStringList{QStringLiteral("TIME ELEVEN FIFTEEN AM"), QStringLiteral("TIME ELEVEN THIRTY AM")};
        QTest::newRow("asleep inside a due minute, wake inside another")
            << QTime(9, 15, 1) << QTime(11, 30, 40)
            << QStringList{QStringLiteral("TIME ELEVEN THIRTY AM")};
    }

    void sleepAcrossDueMinutes()
    {
        QFETCH(QTime, asleep);
        QFETCH(QTime, awake);
        QFETCH(QStringList, spoken);
        ClockRig rig(QDateTime(QDate(2026, 12, 7), asleep), "450\r\n");
        rig.media.played.clear();
        // Asleep: no ticks; the monotonic clock stands still, the wall clock moves.
        rig.clock.setWall(QDateTime(QDate(2026, 12, 7), awake));
        rig.tick();
        rig.run(QTime(awake).secsTo(QTime(11, 31, 0)));
        QStringList heard = announcements(rig.media.played);
        // Asleep inside 9:15 the first tick already spoke it before the sleep.
        heard.removeAll(QStringLiteral("TIME NINE FIFTEEN AM"));
        QCOMPARE(heard, spoken);
    }

    void repeatedHourOfSummerTimeEndIsSpokenAgain()
    {
        // 25 October 2026 in Berlin: 02:59:59 summer time is followed by
        // 02:00:00 winter time. Hourly, 2 AM is a new moment both times.
        const QTimeZone berlin("Europe/Berlin");
        QVERIFY(berlin.isValid());
        ClockRig rig(QDateTime(QDate(2026, 10, 25), QTime(1, 59, 50), berlin), "1800\r\n");
        rig.run(20);
        rig.clock.setWall(rig.clock.now().addSecs(3600 - 40));
        rig.run(40);
        QCOMPARE(rig.clock.now().time(), QTime(2, 0, 10));
        QCOMPARE(announcements(rig.media.played),
                 QStringList({QStringLiteral("TIME TWO AM"), QStringLiteral("TIME TWO AM")}));
    }

    void sleepAcrossMidnightWithDailyWindow()
    {
        // A 7 AM to 9 PM window, hourly. Asleep from 10:59:30 PM to 7:59:30
        // AM: the night's hours stay unspoken, 8 AM is spoken once.
        ClockWindowRig rig("R\r\n0\r\n07\r\n00\r\nA\r\n09\r\n00\r\nP\r\n0\r\n", "1800\r\n",
                           ClockWindowRig::Load::Whole, {.start = QDateTime(QDate(2026, 12, 7), QTime(22, 59, 30))});
        auto run = [&](int ticks) {
            for (int i = 0; i < ticks; ++i) {
                rig.form->Timer1_Timer();
                rig.form->Timer2_Timer();
                rig.clock.advanceSecs(1);
            }
        };
        run(40);
        QCOMPARE(rig.media.played, QStringList());
        rig.clock.setWall(QDateTime(QDate(2026, 12, 8), QTime(7, 59, 30)));
        run(60);
        QCOMPARE(announcements(rig.media.played), QStringList{QStringLiteral("TIME EIGHT AM")});
    }
};

HORAVOX_TEST_MAIN(TestClockSteps)
#include "test_clock_steps.moc"
