// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/scheduler/dispatch_pump.h"
#include "scheduler_rig.h"
#include "test_main.h"

using namespace horavox;
using namespace horavox_test;

namespace {

QStringList raisedFlags(const SchedulerRig &r)
{
    QStringList out;
    const ProgramState &s = r.state;
    const Dispatcher &d = r.dispatcher;
    const std::pair<bool, const char *> all[] = {
        {s.TimeCheckPending, "TimeCheckPending"},   {s.AlarmCheckPending, "AlarmCheckPending"},
        {s.ClipTimeRequest, "ClipTimeRequest"},     {s.TTSBleepTimeRequest, "TTSBleepTimeRequest"},
        {s.TTSBleepAlarmRequest, "TTSBleepAlarmRequest"},
        {d.deferredTimeClip(), "DeferredTimeClip"}, {d.clipAlarmDue(), "ClipAlarmDue"},
        {d.deferredAlarmClip(), "DeferredAlarmClip"}, {d.ttsAlarmDue(), "TTSAlarmDue"},
    };
    for (const auto &[up, name] : all) {
        if (up)
            out << QString::fromLatin1(name);
    }
    return out;
}

// Raises the named flags; the dispatcher's own states are reached the only way
// the program reaches them (a period end, a request meeting a playing clip).
void raise(SchedulerRig &r, const QString &names)
{
    const bool tts = r.settings.tts;
    const int alarm = r.settings.alarm;
    for (const QString &n : names.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (n == "TimeCheckPending") r.state.TimeCheckPending = true;
        else if (n == "AlarmCheckPending") r.state.AlarmCheckPending = true;
        else if (n == "ClipTimeRequest") r.state.ClipTimeRequest = true;
        else if (n == "TTSBleepTimeRequest") r.state.TTSBleepTimeRequest = true;
        else if (n == "TTSBleepAlarmRequest") r.state.TTSBleepAlarmRequest = true;
        else if (n == "ClipAlarmDue" || n == "TTSAlarmDue") {
            r.settings.tts = n == "TTSAlarmDue";
            r.dispatcher.alarmPeriodEnded();
        } else if (n == "DeferredTimeClip" || n == "DeferredAlarmClip") {
            const bool forAlarm = n == "DeferredAlarmClip";
            r.settings.tts = false;
            r.settings.alarm = forAlarm ? 1 : 0;
            r.state.WaveModeText = "playing";
            if (forAlarm)
                r.dispatcher.alarmPeriodEnded();
            else
                r.state.ClipTimeRequest = true;
            r.dispatcher.tick();
            r.state.WaveModeText.clear();
        } else {
            qFatal("unknown flag %s", qPrintable(n));
        }
    }
    r.settings.tts = tts;
    r.settings.alarm = alarm;
    r.engine.log.clear();
}

} // namespace

class TestDispatcher : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void rulesInOrder()
    {
        QStringList names;
        for (int i = 0; i < Dispatcher::ruleCount(); ++i)
            names << Dispatcher::ruleName(i);
        QCOMPARE(names, QStringList({"A1", "A2", "A3", "B", "C", "D", "E", "F", "G", "H1", "H2",
                                     "I1", "I2", "J"}));
    }

    void oneTick_data()
    {
        QTest::addColumn<bool>("tts");
        QTest::addColumn<int>("alarm");
        QTest::addColumn<int>("bleep");
        QTest::addColumn<bool>("engineBusy");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QString>("raised");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("left");
        const QString timeSentence = "speak:The Time is Now 05:30 PM";
        const QString alarmSentence = "speak:15 minutes have elapsed";
        const QStringList none;
        // A: text-to-speech time announcements
        QTest::newRow("A1 retries and speaks") << true << 0 << 0 << false << false << "TimeCheckPending" << 30
            << QStringList{"TTScheckTime", "speed:135", timeSentence} << "";
        QTest::newRow("A1 retry drops a passed minute") << true << 0 << 0 << false << false << "TimeCheckPending" << 31
            << QStringList{"TTScheckTime"} << "";
        QTest::newRow("A1 waits for a busy engine") << true << 0 << 0 << true << false << "TimeCheckPending" << 30
            << none << "TimeCheckPending";
        QTest::newRow("A1 waits in alarm mode") << true << 1 << 0 << false << false << "TimeCheckPending" << 30
            << none << "TimeCheckPending";
        QTest::newRow("A1 waits for text-to-speech") << false << 0 << 0 << false << false << "TimeCheckPending" << 30
            << none << "TimeCheckPending";
        QTest::newRow("A2 bleeps then speaks") << true << 0 << 0 << false << false << "TTSBleepTimeRequest" << 30
            << QStringList{"bleep", "speed:135", timeSentence} << "";
        QTest::newRow("A2 waits for a busy engine") << true << 0 << 1 << true << false << "TTSBleepTimeRequest" << 30
            << none << "TTSBleepTimeRequest";
        QTest::newRow("A2 waits in alarm mode") << true << 1 << 1 << false << false << "TTSBleepTimeRequest" << 30
            << none << "TTSBleepTimeRequest";
        // B to D: time from clips
        QTest::newRow("B clips") << false << 0 << 0 << false << false << "ClipTimeRequest" << 30
            << QStringList{"timeclips"} << "";
        QTest::newRow("B bleep first") << false << 0 << 1 << false << false << "ClipTimeRequest" << 30
            << QStringList{"bleep", "timeclips"} << "";
        QTest::newRow("B ignores a busy engine") << false << 0 << 0 << true << false << "ClipTimeRequest" << 30
            << QStringList{"timeclips"} << "";
        QTest::newRow("B waits in alarm mode") << false << 1 << 0 << false << false << "ClipTimeRequest" << 30
            << none << "ClipTimeRequest";
        QTest::newRow("B waits for clips") << true << 0 << 0 << false << false << "ClipTimeRequest" << 30
            << none << "ClipTimeRequest";
        QTest::newRow("C defers behind a playing clip") << false << 0 << 1 << false << true << "ClipTimeRequest" << 30
            << none << "DeferredTimeClip";
        QTest::newRow("D speaks the deferred time") << false << 0 << 1 << false << false << "DeferredTimeClip" << 30
            << QStringList{"bleep", "timeclips"} << "";
        QTest::newRow("D without bleep") << false << 0 << 0 << false << false << "DeferredTimeClip" << 30
            << QStringList{"timeclips"} << "";
        QTest::newRow("D waits in alarm mode") << false << 1 << 0 << false << false << "DeferredTimeClip" << 30
            << none << "DeferredTimeClip";
        // E to G: elapsed time from clips
        QTest::newRow("E elapsed clips, no bleep of its own") << false << 1 << 1 << false << false << "ClipAlarmDue" << 30
            << QStringList{"elapsedclips"} << "";
        QTest::newRow("E waits out of alarm mode") << false << 0 << 0 << false << false << "ClipAlarmDue" << 30
            << none << "ClipAlarmDue";
        QTest::newRow("F defers behind a playing clip") << false << 1 << 0 << false << true << "ClipAlarmDue" << 30
            << none << "DeferredAlarmClip";
        QTest::newRow("G speaks the deferred elapsed") << false << 1 << 0 << false << false << "DeferredAlarmClip" << 30
            << QStringList{"elapsedclips"} << "";
        QTest::newRow("G waits for a playing clip") << false << 1 << 0 << false << true << "DeferredAlarmClip" << 30
            << none << "DeferredAlarmClip";
        // H to J: elapsed time through text-to-speech
        QTest::newRow("H1 runs the alarm") << true << 1 << 0 << false << false << "TTSAlarmDue" << 30
            << QStringList{"TTSAlarm", "speed:135", alarmSentence} << "";
        QTest::newRow("H1 runs even while busy, I1 waits") << true << 1 << 0 << true << false << "TTSAlarmDue" << 30
            << QStringList{"TTSAlarm"} << "AlarmCheckPending";
        QTest::newRow("H1 bleep request served by J at once") << true << 1 << 1 << false << false << "TTSAlarmDue" << 30
            << QStringList{"TTSAlarm", "bleep", "speed:135", alarmSentence} << "";
        QTest::newRow("H1 waits for text-to-speech") << false << 1 << 0 << false << false << "TTSAlarmDue" << 30
            << none << "TTSAlarmDue";
        QTest::newRow("I1 retries the alarm") << true << 1 << 0 << false << false << "AlarmCheckPending" << 30
            << QStringList{"TTSAlarm", "speed:135", alarmSentence} << "";
        QTest::newRow("I1 waits for a busy engine") << true << 1 << 0 << true << false << "AlarmCheckPending" << 30
            << none << "AlarmCheckPending";
        QTest::newRow("J bleeps then speaks") << true << 1 << 0 << false << false << "TTSBleepAlarmRequest" << 30
            << QStringList{"bleep", "speed:135", alarmSentence} << "";
        QTest::newRow("J waits for a busy engine") << true << 1 << 1 << true << false << "TTSBleepAlarmRequest" << 30
            << none << "TTSBleepAlarmRequest";
        QTest::newRow("J waits out of alarm mode") << true << 0 << 1 << false << false << "TTSBleepAlarmRequest" << 30
            << none << "TTSBleepAlarmRequest";
        QTest::newRow("nothing raised, nothing done") << false << 0 << 1 << false << false << "" << 30 << none << "";
    }
    void oneTick()
    {
        QFETCH(bool, tts);
        QFETCH(int, alarm);
        QFETCH(int, bleep);
        QFETCH(bool, engineBusy);
        QFETCH(bool, playing);
        QFETCH(QString, raised);
        QFETCH(int, minute);
        QFETCH(QStringList, log);
        QFETCH(QString, left);
        SchedulerRig r;
        r.host.logLamps = false;
        r.clock.setTime(QTime(17, minute, 5));
        r.syncShortTime();
        r.state.AnnounceInterval = 15;
        r.settings.tts = tts;
        r.settings.alarm = alarm;
        r.settings.bleep = bleep;
        raise(r, raised);
        r.engine.busy = engineBusy;
        r.state.WaveModeText = playing ? "playing" : "stopped";
        r.dispatcher.tick();
        QCOMPARE(r.engine.log, log);
        QCOMPARE(raisedFlags(r), left.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }

    void lamps_data()
    {
        QTest::addColumn<bool>("tts");
        QTest::addColumn<int>("alarm");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<int>("calls");
        QTest::addColumn<bool>("lit");
        QTest::newRow("tts idle") << true << 0 << false << 1 << false;
        QTest::newRow("tts speaking") << true << 0 << true << 1 << true;
        QTest::newRow("tts alarm speaking, H2 and I2") << true << 1 << true << 2 << true;
        QTest::newRow("clips leave the lamps to the player") << false << 0 << true << 0 << false;
        QTest::newRow("clips alarm") << false << 1 << true << 0 << false;
    }
    void lamps()
    {
        QFETCH(bool, tts);
        QFETCH(int, alarm);
        QFETCH(bool, busy);
        QFETCH(int, calls);
        QFETCH(bool, lit);
        SchedulerRig r;
        r.settings.tts = tts;
        r.settings.alarm = alarm;
        r.engine.busy = busy;
        r.dispatcher.tick();
        QCOMPARE(r.host.lampCalls, calls);
        QCOMPARE(r.host.lampLit, lit);
    }

    void lampsFollowTheEngine()
    {
        SchedulerRig r;
        r.state.AnnounceInterval = 1;
        r.clock.setTime(QTime(17, 30, 0));
        r.syncShortTime();
        r.tts.TTScheckTime(); // speaks for 2.5 s
        for (int i = 0; i < 400; ++i) {
            r.dispatcher.tick();
            r.clock.advanceMs(10);
        }
        QCOMPARE(r.engine.log, QStringList({"speed:135", "speak:The Time is Now 05:30 PM",
                                            "lamp:on", "lamp:off"}));
    }

    void clipRequestInAlarmModeServedWhenAlarmOff()
    {
        SchedulerRig r;
        r.settings.tts = false;
        r.settings.alarm = 1;
        r.state.AnnounceInterval = 15;
        r.clock.setTime(QTime(17, 30, 0));
        r.syncShortTime();
        r.tts.TTScheckTime();
        QVERIFY(r.state.ClipTimeRequest);
        for (int i = 0; i < 50; ++i)
            r.dispatcher.tick();
        QVERIFY(r.engine.log.isEmpty());
        // Nothing to poll for in alarm mode: switching it off wakes the dispatcher.
        QVERIFY(!r.dispatcher.pending());
        r.settings.alarm = 0;
        QVERIFY(r.dispatcher.pending());
        r.dispatcher.tick();
        QCOMPARE(r.engine.log, QStringList{"timeclips"});
        QVERIFY(!r.dispatcher.pending());
    }

    void busyEngineRetriedWithinTheMinute()
    {
        SchedulerRig r;
        r.state.AnnounceInterval = 15;
        r.clock.setTime(QTime(17, 29, 58));
        r.engine.TtsSpeak("an earlier sentence"); // busy until 17:30:00.5
        r.engine.log.clear();
        r.clock.advanceSecs(2);
        r.syncShortTime();
        r.tts.TTScheckTime();
        QVERIFY(r.state.TimeCheckPending);
        QVERIFY(r.engine.log.isEmpty());
        while (r.dispatcher.pending() && r.engine.speakCount < 2) {
            r.clock.advanceMs(10);
            r.syncShortTime();
            r.dispatcher.tick();
        }
        QCOMPARE(r.engine.sentences(), QStringList{"The Time is Now 05:30 PM"});
        QVERIFY(!r.state.TimeCheckPending);
        QCOMPARE(r.clock.now().time().minute(), 30);
    }

    void busyEngineRetryDroppedWhenTheMinuteHasPassed()
    {
        SchedulerRig r;
        r.state.AnnounceInterval = 15;
        r.clock.setTime(QTime(17, 29, 0));
        r.engine.speakMs = 125000; // a long sentence, going on into 17:31
        r.engine.TtsSpeak("a long sentence");
        r.engine.log.clear();
        r.clock.advanceSecs(60);
        r.syncShortTime();
        r.tts.TTScheckTime();
        QVERIFY(r.state.TimeCheckPending);
        int ticks = 0;
        while (r.dispatcher.pending()) {
            r.clock.advanceMs(10);
            r.syncShortTime();
            r.dispatcher.tick();
            QVERIFY(++ticks < 10000);
        }
        QCOMPARE(r.clock.now().time().minute(), 31);
        QCOMPARE(r.engine.log, QStringList({"lamp:on", "TTScheckTime", "lamp:off"}));
        QVERIFY(!r.state.TimeCheckPending);
    }

    void dueMinuteDuringPlaybackSpokenRightAfter()
    {
        SchedulerRig r;
        r.host.logLamps = false;
        r.settings.tts = false;
        r.settings.bleep = 0;
        r.state.AnnounceInterval = 1;
        r.clock.setTime(QTime(17, 29, 59));
        r.syncShortTime();
        r.state.ClipTimeRequest = true;
        bool nested = false;
        QStringList heardInside;
        QStringList flagsInside;
        r.host.whilePlaying = [&](const QString &what) {
            // The minute changes while the time clips play; the clock tick
            // and a dispatcher tick run inside the wait.
            if (what != "timeclips" || nested)
                return;
            nested = true;
            r.settings.bleep = 1;
            r.clock.advanceSecs(2);
            r.syncShortTime();
            r.tts.TTScheckTime();
            r.dispatcher.tick();
            heardInside = r.engine.log;
            flagsInside = raisedFlags(r);
        };
        r.dispatcher.tick();
        // Nothing started inside the playing sequence: the request was deferred.
        QCOMPARE(heardInside, QStringList{"timeclips"});
        QCOMPARE(flagsInside, QStringList{"DeferredTimeClip"});
        // Rule D of the same tick speaks it as soon as the player is silent.
        QCOMPARE(r.engine.log, QStringList({"timeclips", "bleep", "timeclips"}));
        QVERIFY(!r.dispatcher.pending());
    }

    void elapsedDuringPlaybackSpokenRightAfter()
    {
        SchedulerRig r;
        r.host.logLamps = false;
        r.settings.tts = false;
        r.settings.alarm = 1;
        r.dispatcher.alarmPeriodEnded();
        bool nested = false;
        QStringList flagsInside;
        r.host.whilePlaying = [&](const QString &) {
            if (nested)
                return;
            nested = true;
            r.dispatcher.alarmPeriodEnded();
            r.dispatcher.tick();
            flagsInside = raisedFlags(r);
        };
        r.dispatcher.tick();
        QCOMPARE(flagsInside, QStringList{"DeferredAlarmClip"});
        QCOMPARE(r.engine.log, QStringList({"elapsedclips", "elapsedclips"}));
        QVERIFY(!r.dispatcher.pending());
    }

    void alarmPeriodEndFollowsTheVoice()
    {
        SchedulerRig r;
        r.settings.tts = false;
        r.dispatcher.alarmPeriodEnded();
        QCOMPARE(raisedFlags(r), QStringList{"ClipAlarmDue"});
        r.settings.tts = true;
        r.dispatcher.alarmPeriodEnded();
        QCOMPARE(raisedFlags(r), QStringList({"ClipAlarmDue", "TTSAlarmDue"}));
    }

    void sentenceTakesTheTimeAfterTheBleep()
    {
        SchedulerRig r;
        r.clock.setTime(QTime(17, 29, 59));
        r.state.TTSBleepTimeRequest = true;
        r.host.whilePlaying = [&](const QString &) { r.clock.advanceSecs(2); };
        r.dispatcher.tick();
        QVERIFY(r.engine.sentences().contains("The Time is Now 05:30 PM"));
    }

    // Every request a rule waits on keeps the dispatcher awake while the
    // voice and alarm mode of that rule are in force, and only then.
    void pendingSeesEveryReason_data()
    {
        QTest::addColumn<QString>("raised");
        QTest::addColumn<bool>("tts");
        QTest::addColumn<int>("alarm");
        QTest::addColumn<bool>("busy");
        QTest::addColumn<bool>("playing");
        QTest::addColumn<bool>("pending");
        const struct { const char *flag; bool tts; int alarm; } served[] = {
            {"TimeCheckPending", true, 0},    {"TTSBleepTimeRequest", true, 0},
            {"ClipTimeRequest", false, 0},    {"DeferredTimeClip", false, 0},
            {"ClipAlarmDue", false, 1},       {"DeferredAlarmClip", false, 1},
            {"TTSAlarmDue", true, 1},         {"AlarmCheckPending", true, 1},
            {"TTSBleepAlarmRequest", true, 1},
        };
        for (const auto &f : served) {
            QTest::newRow(f.flag) << f.flag << f.tts << f.alarm << false << false << true;
            QTest::newRow(qPrintable(QStringLiteral("%1, other voice").arg(QLatin1String(f.flag))))
                << f.flag << !f.tts << f.alarm << false << false << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, other alarm mode").arg(QLatin1String(f.flag))))
                << f.flag << f.tts << 1 - f.alarm << false << false << false;
        }
        QTest::newRow("engine busy") << "" << true << 0 << true << false << true;
        QTest::newRow("player busy") << "" << false << 1 << false << true << true;
        QTest::newRow("nothing") << "" << false << 0 << false << false << false;
    }
    void pendingSeesEveryReason()
    {
        QFETCH(QString, raised);
        QFETCH(bool, tts);
        QFETCH(int, alarm);
        QFETCH(bool, busy);
        QFETCH(bool, playing);
        QFETCH(bool, pending);
        SchedulerRig r;
        QVERIFY(!r.dispatcher.pending());
        r.settings.tts = tts;
        r.settings.alarm = alarm;
        raise(r, raised);
        r.engine.busy = busy;
        r.state.WaveModeText = playing ? "playing" : "stopped";
        QCOMPARE(r.dispatcher.pending(), pending);
    }

    // Running only on changes and while pending must do what a 100-a-second
    // poll does. Both rigs see the same script of events.
    void pendingDrivenRunMatchesConstantPolling()
    {
        SchedulerRig polled;
        SchedulerRig driven;
        int drivenTicks = 0;
        for (SchedulerRig *r : {&polled, &driven}) {
            r->state.AnnounceInterval = 1;
            r->clock.setTime(QTime(8, 0, 0, 0));
            r->syncShortTime();
        }
        struct Event { int ms; std::function<void(SchedulerRig &)> apply; };
        const QVector<Event> script = {
            {1000, [](SchedulerRig &r) { r.tts.StartupSpeak(); }},
            {3000, [](SchedulerRig &r) { r.settings.bleep = 1; }},
            {60000, [](SchedulerRig &r) { r.syncShortTime(); r.tts.TTScheckTime(); }},
            {61000, [](SchedulerRig &r) { r.engine.TtsSpeak("interrupting"); }},
            {62000, [](SchedulerRig &r) { r.settings.tts = false; r.tts.StartupSpeak(); }},
            {62500, [](SchedulerRig &r) { r.settings.alarm = 1; r.dispatcher.alarmPeriodEnded(); }},
            {90000, [](SchedulerRig &r) { r.settings.tts = true; r.dispatcher.alarmPeriodEnded(); }},
            {90010, [](SchedulerRig &r) { r.engine.busy = true; }},
            {95000, [](SchedulerRig &r) { r.engine.busy = false; }},
            {120000, [](SchedulerRig &r) { r.settings.alarm = 0; r.settings.tts = false; }},
            {125000, [](SchedulerRig &r) { r.settings.tts = true; }},
        };
        int next = 0;
        bool lastBusy = false;
        for (int ms = 10; ms <= 130000; ms += 10) {
            polled.clock.advanceMs(10);
            driven.clock.advanceMs(10);
            bool changed = false;
            while (next < script.size() && script[next].ms == ms) {
                script[next].apply(polled);
                script[next].apply(driven);
                changed = true;
                ++next;
            }
            polled.dispatcher.tick();
            // The engine's busy change is an event too (it signals it).
            const bool busyNow = driven.engine.TtsBusy() != 0;
            if (busyNow != lastBusy)
                changed = true;
            lastBusy = busyNow;
            if (changed || driven.dispatcher.pending()) {
                driven.dispatcher.tick();
                ++drivenTicks;
            }
        }
        QCOMPARE(next, script.size());
        QVERIFY(polled.engine.log.size() > 8);
        QCOMPARE(driven.engine.log, polled.engine.log);
        QCOMPARE(raisedFlags(driven), raisedFlags(polled));
        QVERIFY(drivenTicks < 13000 / 2);
    }

    void pumpPollsOnlyWhilePending()
    {
        SchedulerRig r;
        r.engine.clock = nullptr;
        DispatchPump pump(r.dispatcher);
        r.settings.tts = false;
        r.state.ClipTimeRequest = true;
        pump.kick();
        QCOMPARE(r.engine.log.count("timeclips"), 1);
        QVERIFY(!pump.polling());

        r.settings.tts = true;
        r.engine.busy = true;
        pump.kick();
        QVERIFY(pump.polling());
        QTest::qWait(50);
        QVERIFY(r.host.lampLit);
        r.engine.busy = false;
        QTRY_VERIFY(!pump.polling());
        QVERIFY(!r.host.lampLit);
    }
};

HORAVOX_TEST_MAIN(TestDispatcher)
#include "test_dispatcher.moc"
