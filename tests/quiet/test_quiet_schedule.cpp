// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Quiet times on the whole road of a regular announcement: the real main
// window, its minute trigger, the text-to-speech decisions and the
// dispatcher, with the gate in front of them, on a fake clock.
#include "quiet_clock_rig.h"
#include "scheduler_rig.h"
#include "test_main.h"

using namespace horavox;
using namespace horavox_test;

namespace {
const QDateTime kMonday(QDate(2026, 12, 7), QTime(9, 14, 30));
} // namespace

class TestQuietSchedule : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QDir(configDir()).removeRecursively();
    }

    void dueMinutes_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<bool>("tts");
        QTest::addColumn<int>("weekdays");
        QTest::addColumn<QString>("action");  // done before the first minute
        QTest::addColumn<int>("undoBefore");  // minute change before which it is undone; 0 never
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QStringList>("heard");

        const QDateTime nine(kMonday.date(), QTime(9, 0, 30));
        QTest::newRow("call drops 9:15, not spoken when it ends") << kMonday << false << 0x7f << "call" << 5 << 31
                                                                  << QStringList{"09:30", "09:45"};
        QTest::newRow("call, text-to-speech") << kMonday << true << 0x7f << "call" << 5 << 31
                                              << QStringList{"09:30", "09:45"};
        QTest::newRow("call ignored when the choice is off") << kMonday << true << 0x7f << "call, calls off" << 0 << 31
                                                             << QStringList{"09:15", "09:30", "09:45"};
        QTest::newRow("do not disturb") << kMonday << true << 0x7f << "dnd" << 20 << 31 << QStringList{"09:45"};
        QTest::newRow("do not disturb, recorded voice") << kMonday << false << 0x7f << "dnd" << 0 << 31 << QStringList{};
        QTest::newRow("do not disturb ignored when the choice is off")
            << kMonday << false << 0x7f << "dnd, dnd off" << 0 << 16 << QStringList{"09:15", "09:30"};
        QTest::newRow("mute 60: nothing for an hour, then 10:00") << nine << false << 0x7f << "mute 60" << 0 << 75
                                                                  << QStringList{"10:00", "10:15"};
        QTest::newRow("unmute") << kMonday << true << 0x7f << "mute 60" << 20 << 31 << QStringList{"09:45"};
        QTest::newRow("mute until tomorrow")
            << QDateTime(kMonday.date(), QTime(23, 14, 30)) << false << 0x7f << "mute tomorrow" << 0 << 46
            << QStringList{"00:00"};
        QTest::newRow("skip next skips exactly one") << kMonday << false << 0x7f << "skip" << 0 << 46
                                                     << QStringList{"09:30", "09:45", "10:00"};
        QTest::newRow("skip, text-to-speech") << kMonday << true << 0x7f << "skip" << 0 << 16 << QStringList{"09:30"};
        QTest::newRow("a held minute does not use up the skip") << kMonday << false << 0x7f << "skip, mute 15" << 0
                                                                << 31 << QStringList{"09:45"};
        QTest::newRow("Saturday with Mon-Fri") << QDateTime(QDate(2026, 12, 12), QTime(9, 14, 30)) << false << 0x1f
                                               << "" << 0 << 31 << QStringList{};
        QTest::newRow("Sunday night into Monday with Mon-Fri")
            << QDateTime(QDate(2026, 12, 13), QTime(23, 29, 30)) << true << 0x1f << "" << 0 << 46
            << QStringList{"00:00", "00:15"};
    }
    void dueMinutes()
    {
        QFETCH(QDateTime, start);
        QFETCH(bool, tts);
        QFETCH(int, weekdays);
        QFETCH(QString, action);
        QFETCH(int, undoBefore);
        QFETCH(int, minutes);
        QFETCH(QStringList, heard);

        QuietClockRig rig(start, tts);
        QuietPreferences p;
        p.weekdays = quint8(weekdays);
        p.quietDuringCalls = !action.contains(QLatin1String("calls off"));
        p.respectDoNotDisturb = !action.contains(QLatin1String("dnd off"));
        rig.gate.setPreferences(p);
        rig.gate.setSkipNext(action.contains(QLatin1String("skip")));
        rig.gate.setInCall(action.startsWith(QLatin1String("call")));
        rig.gate.setDoNotDisturb(action.startsWith(QLatin1String("dnd")));
        if (action.contains(QLatin1String("mute 60")))
            rig.gate.muteForMinutes(60);
        if (action.contains(QLatin1String("mute 15")))
            rig.gate.muteForMinutes(15);
        if (action.contains(QLatin1String("tomorrow")))
            rig.gate.muteUntilTomorrow();

        const QStringList got = rig.run(minutes, [&](int i) {
            if (i != undoBefore)
                return;
            rig.gate.setInCall(false);
            rig.gate.setDoNotDisturb(false);
            rig.gate.unmute();
        });
        QCOMPARE(got, heard);
    }

    void speakButtonIgnoresEveryHold_data()
    {
        QTest::addColumn<bool>("tts");
        QTest::newRow("recorded") << false;
        QTest::newRow("text-to-speech") << true;
    }
    void speakButtonIgnoresEveryHold()
    {
        QFETCH(bool, tts);
        QuietClockRig rig(kMonday, tts);
        rig.gate.muteForMinutes(60);
        rig.gate.setInCall(true);
        rig.gate.setDoNotDisturb(true);
        rig.form->speakNow();
        // TIME NINE FOURTEEN AM, or the sentence.
        QCOMPARE(rig.media.played.size() + rig.engine.spoken.size(), tts ? 1 : 4);
    }

    void elapsedAnnouncementWaitsForTheHold_data()
    {
        QTest::addColumn<bool>("tts");
        QTest::newRow("recorded") << false;
        QTest::newRow("text-to-speech") << true;
    }
    void elapsedAnnouncementWaitsForTheHold()
    {
        QFETCH(bool, tts);
        SchedulerRig r;
        QuietGate gate(r.clock);
        r.dispatcher.setGate(&gate);
        r.settings.tts = tts;
        r.settings.alarm = 1;
        r.settings.tell = 0;
        r.state.AnnounceInterval = 15;
        r.host.logLamps = false;
        gate.setInCall(true);
        // Two periods end during the call; one announcement follows it.
        r.dispatcher.alarmPeriodEnded();
        r.dispatcher.tick();
        r.dispatcher.alarmPeriodEnded();
        r.dispatcher.tick();
        QVERIFY(r.engine.log.isEmpty());
        QVERIFY2(!r.dispatcher.pending(), "a held announcement must not keep the 10 ms poll going");
        gate.setInCall(false);
        QVERIFY(r.dispatcher.pending());
        r.dispatcher.tick();
        r.dispatcher.tick();
        const QStringList expected = tts ? QStringList{"TTSAlarm", "speed:135", "speak:15 minutes have elapsed"}
                                         : QStringList{"elapsedclips"};
        QCOMPARE(r.engine.log, expected);
    }
};

HORAVOX_TEST_MAIN(TestQuietSchedule)
#include "test_quiet_schedule.moc"
