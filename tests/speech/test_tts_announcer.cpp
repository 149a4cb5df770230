// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/program_state.h"
#include "fake_clock.h"
#include "speech/tts_announcer.h"
#include "speech_fakes.h"
#include "test_main.h"

using namespace horavox;
using horavox_test::FakeClock;
using horavox_test::FakeEngine;
using horavox_test::FakeSettings;

namespace {

struct Rig
{
    FakeEngine engine;
    FakeSettings settings{engine};
    ProgramState state;
    FakeClock clock{QDateTime(QDate(2026, 5, 4), QTime(17, 30, 20))};
    TtsAnnouncer announcer{settings, state, clock};

    void at(int h, int m)
    {
        clock.setTime(QTime(h, m, 3));
        state.ShortTimeText = QStringLiteral("%1:%2").arg(h, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0'));
    }
};

} // namespace

class TestTtsAnnouncer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dueMinutes_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<QVector<int>>("due");
        QVector<int> everyMinute;
        for (int m = 1; m < 60; ++m)
            everyMinute << m;
        everyMinute << 0;
        QTest::newRow("1") << 1 << everyMinute;
        QTest::newRow("7 never on the hour") << 7 << QVector<int>{7, 14, 21, 28, 35, 42, 49, 56};
        QTest::newRow("15") << 15 << QVector<int>{15, 30, 45, 0};
        QTest::newRow("31 once") << 31 << QVector<int>{31};
        QTest::newRow("45 once") << 45 << QVector<int>{45};
        QTest::newRow("59 once") << 59 << QVector<int>{59};
        QTest::newRow("60 on the hour") << 60 << QVector<int>{0};
        QTest::newRow("0 never") << 0 << QVector<int>{};
        QTest::newRow("61 never") << 61 << QVector<int>{};
        QTest::newRow("negative never") << -15 << QVector<int>{};
    }
    void dueMinutes()
    {
        QFETCH(int, interval);
        QFETCH(QVector<int>, due);
        QCOMPARE(horavox::dueMinutes(interval), due);
    }

    void minuteOfShortTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minute");
        QTest::newRow("five past") << "17:05" << 5;
        QTest::newRow("on the hour") << "00:00" << 0;
        QTest::newRow("fifty nine") << "23:59" << 59;
        QTest::newRow("empty is unknown, not zero") << "" << -1;
        QTest::newRow("junk") << "17:xx" << -1;
    }
    void minuteOfShortTime()
    {
        QFETCH(QString, text);
        QFETCH(int, minute);
        QCOMPARE(horavox::minuteOfShortTime(text), minute);
    }

    void checkTime_data()
    {
        QTest::addColumn<bool>("tts");
        QTest::addColumn<int>("alarm");
        QTest::addColumn<int>("bleep");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("clipRequest");
        QTest::addColumn<bool>("bleepRequest");
        QTest::addColumn<bool>("pendingAfter");
        const QStringList spoken{"speed:135", "speak:The Time is Now 05:30 PM"};
        const QStringList none;
        QTest::newRow("tts speaks at a due minute") << true << 0 << 0 << false << 15 << 30 << spoken << false << false << false;
        QTest::newRow("tts silent off the due minutes") << true << 0 << 0 << false << 15 << 31 << none << false << false << false;
        QTest::newRow("tts with bleep only requests") << true << 0 << 1 << false << 15 << 30 << none << false << true << false;
        QTest::newRow("tts in alarm mode says nothing") << true << 1 << 0 << false << 15 << 30 << none << false << false << false;
        QTest::newRow("busy engine defers any minute") << true << 0 << 0 << true << 15 << 31 << none << false << false << true;
        QTest::newRow("busy engine defers a due minute") << true << 0 << 0 << true << 15 << 30 << none << false << false << true;
        QTest::newRow("clips request") << false << 0 << 0 << false << 15 << 30 << none << true << false << false;
        QTest::newRow("clips request in alarm mode") << false << 1 << 1 << false << 15 << 30 << none << true << false << false;
        QTest::newRow("clips ignore a busy engine") << false << 0 << 0 << true << 15 << 30 << none << true << false << false;
        QTest::newRow("clips off the due minutes") << false << 0 << 0 << false << 15 << 31 << none << false << false << false;
        QTest::newRow("interval 0 never") << true << 0 << 0 << false << 0 << 0 << none << false << false << false;
        QTest::newRow("interval 61 never") << true << 0 << 0 << false << 61 << 1 << none << false << false << false;
        QTest::newRow("interval 7 skips the hour") << false << 0 << 0 << false << 7 << 0 << none << false << false << false;
    }
    void checkTime()
    {
        QFETCH(bool, tts);
        QFETCH(int, alarm);
        QFETCH(int, bleep);
        QFETCH(bool, busy);
        QFETCH(int, interval);
        QFETCH(int, minute);
        QFETCH(QStringList, log);
        QFETCH(bool, clipRequest);
        QFETCH(bool, bleepRequest);
        QFETCH(bool, pendingAfter);
        Rig r;
        r.settings.tts = tts;
        r.settings.alarm = alarm;
        r.settings.bleep = bleep;
        r.engine.busy = busy;
        r.state.AnnounceInterval = qint16(interval);
        r.at(17, minute);
        r.announcer.TTScheckTime();
        QCOMPARE(r.engine.log, log);
        QCOMPARE(r.state.ClipTimeRequest, clipRequest);
        QCOMPARE(r.state.TTSBleepTimeRequest, bleepRequest);
        QCOMPARE(r.state.TimeCheckPending, pendingAfter);
        QVERIFY(!r.state.TTSBleepAlarmRequest);
        QVERIFY(!r.state.AlarmCheckPending);
    }

    void silentEngineLowersThePendingCheck()
    {
        Rig r;
        r.state.AnnounceInterval = 15;
        r.state.TimeCheckPending = true;
        r.at(17, 31);
        r.announcer.TTScheckTime();
        QVERIFY(!r.state.TimeCheckPending);
        QVERIFY(r.engine.log.isEmpty());
    }

    void clipsLeaveThePendingCheckAlone()
    {
        Rig r;
        r.settings.tts = false;
        r.state.AnnounceInterval = 15;
        r.state.TimeCheckPending = true;
        r.at(17, 30);
        r.announcer.TTScheckTime();
        QVERIFY(r.state.TimeCheckPending);
    }

    void speedIsSetBeforeEverySentence()
    {
        Rig r;
        r.state.AnnounceInterval = 60;
        r.settings.speedValue = 220;
        r.settings.phraseText = "Hello";
        r.at(9, 0);
        r.announcer.TTScheckTime();
        r.settings.speedValue = 50;
        r.announcer.TTScheckTime();
        QCOMPARE(r.engine.log, (QStringList{"speed:220", "speak:Hello 09:00 AM", "speed:50",
                                            "speak:Hello 09:00 AM"}));
    }

    void unknownMinuteIsNotTakenForTheHour()
    {
        Rig r;
        r.state.AnnounceInterval = 60;
        r.state.ShortTimeText.clear();
        r.announcer.TTScheckTime();
        QVERIFY(r.engine.log.isEmpty());
    }

    void startup_data()
    {
        QTest::addColumn<bool>("tts");
        QTest::addColumn<int>("alarm");
        QTest::addColumn<int>("bleep");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("clipRequest");
        QTest::addColumn<bool>("bleepRequest");
        const QStringList spoken{"speed:135", "speak:The Time is Now 05:30 PM"};
        QTest::newRow("clips") << false << 0 << 1 << QStringList() << true << false;
        QTest::newRow("clips in alarm mode") << false << 1 << 0 << QStringList() << true << false;
        QTest::newRow("tts at once") << true << 0 << 0 << spoken << false << false;
        QTest::newRow("tts with bleep") << true << 0 << 1 << QStringList() << false << true;
        QTest::newRow("tts in alarm mode") << true << 1 << 1 << QStringList() << false << false;
    }
    void startup()
    {
        QFETCH(bool, tts);
        QFETCH(int, alarm);
        QFETCH(int, bleep);
        QFETCH(QStringList, log);
        QFETCH(bool, clipRequest);
        QFETCH(bool, bleepRequest);
        Rig r;
        r.settings.tts = tts;
        r.settings.alarm = alarm;
        r.settings.bleep = bleep;
        r.engine.busy = true; // start-up makes no busy test
        r.state.AnnounceInterval = 0; // nor a due-minute test
        r.at(17, 30);
        r.announcer.StartupSpeak();
        QCOMPARE(r.engine.log, log);
        QCOMPARE(r.state.ClipTimeRequest, clipRequest);
        QCOMPARE(r.state.TTSBleepTimeRequest, bleepRequest);
        QVERIFY(!r.state.TimeCheckPending);
    }

    void alarm_data()
    {
        QTest::addColumn<bool>("tts");
        QTest::addColumn<int>("bleep");
        QTest::addColumn<int>("tell");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<bool>("bleepRequest");
        QTest::addColumn<bool>("pendingAfter");
        QTest::newRow("singular short") << true << 0 << 0 << false << 1
                                        << QStringList{"speed:135", "speak:1 minute has elapsed"} << false << false;
        QTest::newRow("plural long")
            << true << 0 << 1 << false << 5
            << QStringList{"speed:135", "speak:5 minutes have elapsed. The Time is now 05:30 PM. Start Time 05:25 PM"}
            << false << false;
        QTest::newRow("zero after a release at 0") << true << 0 << 0 << false << 0
                                                   << QStringList{"speed:135", "speak:0 minutes have elapsed"} << false << false;
        QTest::newRow("busy defers") << true << 0 << 0 << true << 5 << QStringList() << false << true;
        QTest::newRow("bleep requests") << true << 1 << 1 << false << 5 << QStringList() << true << false;
        QTest::newRow("no voice test after the busy test") << false << 0 << 0 << true << 5
                                                          << QStringList{"speed:135", "speak:5 minutes have elapsed"} << false << false;
    }
    void alarm()
    {
        QFETCH(bool, tts);
        QFETCH(int, bleep);
        QFETCH(int, tell);
        QFETCH(bool, busy);
        QFETCH(int, interval);
        QFETCH(QStringList, log);
        QFETCH(bool, bleepRequest);
        QFETCH(bool, pendingAfter);
        Rig r;
        r.settings.tts = tts;
        r.settings.alarm = 1;
        r.settings.bleep = bleep;
        r.settings.tell = tell;
        r.engine.busy = busy;
        r.state.AnnounceInterval = qint16(interval);
        r.state.AlarmStartText = "05:25 PM";
        r.at(17, 30);
        r.announcer.TTSAlarm();
        QCOMPARE(r.engine.log, log);
        QCOMPARE(r.state.TTSBleepAlarmRequest, bleepRequest);
        QCOMPARE(r.state.AlarmCheckPending, pendingAfter);
        QVERIFY(!r.state.TimeCheckPending);
        QVERIFY(!r.state.ClipTimeRequest);
    }

    void silentEngineLowersThePendingAlarm()
    {
        Rig r;
        r.settings.alarm = 1;
        r.state.AnnounceInterval = 5;
        r.state.AlarmCheckPending = true;
        r.announcer.TTSAlarm();
        QVERIFY(!r.state.AlarmCheckPending);
        QCOMPARE(r.engine.sentences(), QStringList{"5 minutes have elapsed"});
    }
};

HORAVOX_TEST_MAIN(TestTtsAnnouncer)
#include "test_tts_announcer.moc"
