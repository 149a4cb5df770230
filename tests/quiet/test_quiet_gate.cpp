// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The status line a user reads (`--status`, the tray's tooltip): the next
// due minute from the scheduler's own rules and why it may be held.
#include "quiet/quiet_gate.h"

#include "fake_clock.h"
#include "test_main.h"

using namespace horavox;
using namespace horavox_test;

class TestQuietGate : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void status_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("window"); // "9 AM-5 PM"; empty for all day
        QTest::addColumn<int>("weekdays");
        QTest::addColumn<QString>("state");   // mute60, tomorrow, skip, call, dnd, alarm
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("notice"); // what the clock itself shows

        const QDate mon(2026, 12, 7), fri(2026, 12, 11);
        const auto at = [](QDate d, int h, int m, int s = 0) { return QDateTime(d, QTime(h, m, s)); };
        QTest::newRow("next today") << at(mon, 10, 7, 20) << 15 << "" << 0x7f << "" << "next: 10:15 AM" << "";
        QTest::newRow("this minute is not next") << at(mon, 10, 15) << 15 << "" << 0x7f << "" << "next: 10:30 AM"
                                                 << "";
        QTest::newRow("muted to the start of a minute") << at(mon, 10, 2, 10) << 15 << "" << 0x7f << "mute60"
                                                        << "next: 10:15 AM (muted until 11:02 AM)"
                                                        << "Quiet: muted until 11:02 AM";
        QTest::newRow("every hold at once") << at(mon, 10, 2) << 15 << "" << 0x7f << "skip call dnd"
                                            << "next: 10:15 AM (skipped; in a call; do not disturb)"
                                            << "Quiet: a program is using the microphone; "
                                               "the desktop is set to do not disturb";
        QTest::newRow("muted until tomorrow") << at(mon, 22, 40) << 30 << "" << 0x7f << "tomorrow"
                                              << "next: 11:00 PM (muted until tomorrow 12:00 AM)"
                                              << "Quiet: muted until tomorrow 12:00 AM";
        QTest::newRow("on the hour, just before midnight") << at(mon, 23, 59, 59) << 60 << "" << 0x7f << ""
                                                           << "next: tomorrow 12:00 AM" << "";
        QTest::newRow("interval 7 restarts each hour") << at(mon, 9, 56, 1) << 7 << "" << 0x7f << ""
                                                       << "next: 10:07 AM" << "";
        QTest::newRow("after the window") << at(mon, 17, 0, 30) << 30 << "9 AM-5 PM" << 0x7f << ""
                                          << "next: tomorrow 9:00 AM" << "";
        QTest::newRow("window end is inclusive") << at(mon, 16, 59) << 30 << "9 AM-5 PM" << 0x7f << ""
                                                 << "next: 5:00 PM" << "";
        QTest::newRow("window past midnight") << at(mon, 3, 0) << 60 << "10 PM-2 AM" << 0x7f << ""
                                              << "next: 10:00 PM" << "";
        QTest::newRow("Friday evening, Mon-Fri") << at(fri, 18, 0) << 60 << "9 AM-5 PM" << 0x1f << ""
                                                 << "next: Mon 9:00 AM" << "";
        QTest::newRow("interval 0") << at(mon, 9, 0) << 0 << "" << 0x7f << "call"
                                    << "next: none (the interval is 0; in a call)"
                                    << "Quiet: a program is using the microphone";
        QTest::newRow("alarm mode") << at(mon, 9, 0) << 15 << "" << 0x7f << "alarm" << "next: none (alarm mode is on)"
                                    << "";
        QTest::newRow("no day chosen") << at(mon, 9, 0) << 15 << "" << 0 << ""
                                       << "next: none (no announcement day or time)" << "Quiet: Monday is left out";
        QTest::newRow("a day left out, with a mute") << at(fri.addDays(1), 10, 0) << 60 << "" << 0x1f << "mute60"
                                                     << "next: Mon 12:00 AM (muted until 11:00 AM)"
                                                     << "Quiet: muted until 11:00 AM; Saturday is left out";
        QTest::newRow("window misses every due minute") << at(mon, 9, 0) << 15 << "10:01 AM-10:14 AM" << 0x7f << ""
                                                        << "next: none (no announcement day or time)" << "";
    }
    void status()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, interval);
        QFETCH(QString, window);
        QFETCH(int, weekdays);
        QFETCH(QString, state);
        QFETCH(QString, status);
        QFETCH(QString, notice);

        FakeClock clock(now);
        QuietGate gate(clock);
        QuietPreferences p;
        p.weekdays = quint8(weekdays);
        gate.setPreferences(p);
        if (state.contains(QLatin1String("mute60")))
            gate.muteForMinutes(60);
        if (state.contains(QLatin1String("tomorrow")))
            gate.muteUntilTomorrow();
        gate.setSkipNext(state.contains(QLatin1String("skip")));
        gate.setInCall(state.contains(QLatin1String("call")));
        gate.setDoNotDisturb(state.contains(QLatin1String("dnd")));

        ScheduleView s;
        s.interval = interval;
        s.alarmMode = state.contains(QLatin1String("alarm"));
        s.start = {QStringLiteral("12"), QStringLiteral("00"), true};
        s.end = s.start;
        if (!window.isEmpty()) {
            // "9 AM-5 PM" or "10:01 AM-10:14 AM"
            const auto bound = [](const QString &text) {
                const QStringList hm = text.section(QLatin1Char(' '), 0, 0).split(QLatin1Char(':'));
                return WindowBound{hm.value(0), hm.value(1, QStringLiteral("00")), text.endsWith(QLatin1String("AM"))};
            };
            s.start = bound(window.section(QLatin1Char('-'), 0, 0));
            s.end = bound(window.section(QLatin1Char('-'), 1, 1));
        }
        QCOMPARE(gate.statusText(s), status);
        QCOMPARE(gate.quietNotice(), notice);
    }

    void muteEndsOnTheClock()
    {
        FakeClock clock(QDateTime(QDate(2026, 12, 7), QTime(10, 2, 10)));
        QuietGate gate(clock);
        gate.muteForMinutes(1);
        QCOMPARE(gate.holds(), unsigned(QuietGate::Muted));
        clock.advanceSecs(49);
        QCOMPARE(gate.holds(), unsigned(QuietGate::Muted)); // 10:02:59
        clock.advanceSecs(1);
        QCOMPARE(gate.holds(), 0u); // 10:03:00 is heard
        QVERIFY(!gate.mutedUntil().isValid());
    }
};

HORAVOX_TEST_MAIN(TestQuietGate)
#include "test_quiet_gate.moc"
