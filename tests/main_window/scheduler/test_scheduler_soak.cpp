// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/time_texts.h"
#include "main_window/scheduler/clock_face.h"
#include "scheduler_rig.h"
#include "settings/minute_trigger.h"
#include "test_main.h"

#include <QFile>
#include <QTimeZone>

using namespace horavox;
using namespace horavox_test;

namespace {

// The daily speaking window of these runs: 9:00 AM to 5:00 PM, both ends inside.
bool inWindow(const QTime &t)
{
    const int m = t.hour() * 60 + t.minute();
    return m >= 9 * 60 && m <= 17 * 60;
}

// What a day of interval 15 inside that window says, written out independently.
QStringList expectedDay()
{
    QStringList out;
    for (int h = 9; h <= 17; ++h) {
        for (int m = 0; m < 60; m += 15) {
            if (h == 17 && m > 0)
                break;
            const int h12 = h > 12 ? h - 12 : h;
            out << QStringLiteral("%1:%2 %3")
                       .arg(h12, 2, 10, QLatin1Char('0'))
                       .arg(m, 2, 10, QLatin1Char('0'))
                       .arg(h < 12 ? "AM" : "PM");
        }
    }
    return out;
}

qint64 residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * 4 : -1;
}

} // namespace

class TestSchedulerSoak : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void week_data()
    {
        QTest::addColumn<bool>("tts");
        QTest::addColumn<int>("bleep");
        QTest::addColumn<QDate>("monday");
        // The weeks of the change to summer time (29 March) and back (25 October).
        QTest::newRow("tts, clocks go forward") << true << 0 << QDate(2026, 3, 23);
        QTest::newRow("tts with bleep, clocks go back") << true << 1 << QDate(2026, 10, 19);
        QTest::newRow("clips with bleep, clocks go forward") << false << 1 << QDate(2026, 3, 23);
        QTest::newRow("clips, clocks go back") << false << 0 << QDate(2026, 10, 19);
    }
    void week()
    {
        QFETCH(bool, tts);
        QFETCH(int, bleep);
        QFETCH(QDate, monday);
        const QTimeZone berlin("Europe/Berlin");
        QVERIFY(berlin.isValid());
        const QDateTime start(monday, QTime(0, 0, 0, 300), berlin);
        const QDateTime end(monday.addDays(7), QTime(0, 0, 0, 300), berlin);
        QVERIFY2(start.msecsTo(end) != 7LL * 86400 * 1000, "the week must hold a change of time");

        SchedulerRig r(start);
        r.settings.tts = tts;
        r.settings.bleep = bleep;
        r.state.AnnounceInterval = 15;
        r.host.keepLog = false;
        r.host.logLamps = false;
        QStringList spokenToday;
        r.host.whilePlaying = [&](const QString &what) {
            // Clips take their time; the time is read after the TIME clip.
            if (what == QLatin1String("bleep")) {
                r.clock.advanceMs(1200);
            } else if (what == QLatin1String("timeclips")) {
                r.clock.advanceMs(1650);
                spokenToday << mediumTimeText(r.clock.now().time());
                r.clock.advanceMs(3000);
            }
        };
        const int sentencesBefore = r.engine.speakCount;

        // The program's own trigger, handed the minute it starts in first.
        MinuteTrigger trigger;
        trigger.changed(shortTimeText(r.clock.now().time()), r.clock.now());
        const QDate wednesday = monday.addDays(2);
        bool steppedBack = false;
        bool steppedForward = false;
        const qint64 endMono = r.clock.monotonicMs() + start.msecsTo(end);
        qint64 nextSecond = r.clock.monotonicMs() + msUntilNextSecond(r.clock.now());
        int days = 0;
        int checks = 0;
        int ticks = 0;
        QDate today = monday;
        qint64 rssDay2 = 0;
        const QStringList oneDay = expectedDay();

        while (r.clock.monotonicMs() < endMono) {
            const qint64 toTick = qMax<qint64>(0, nextSecond - r.clock.monotonicMs());
            r.clock.advanceMs(r.dispatcher.pending() ? qMin<qint64>(10, toTick) : toTick);
            if (r.clock.monotonicMs() >= nextSecond) {
                QDateTime now = r.clock.now();
                // On Wednesday someone sets the wall clock back ten minutes
                // inside the speaking window, past 10:15 (which must not be
                // said twice), and forward again in the evening, outside it.
                if (now.date() == wednesday && !steppedBack && now.time() >= QTime(10, 20)) {
                    r.clock.setWall(now.addSecs(-600));
                    steppedBack = true;
                } else if (now.date() == wednesday && !steppedForward && now.time() >= QTime(20, 0)) {
                    r.clock.setWall(now.addSecs(600));
                    steppedForward = true;
                }
                now = r.clock.now();
                if (now.date() != today) {
                    if (tts) {
                        QStringList sentences;
                        for (const QString &t : oneDay)
                            sentences << QStringLiteral("The Time is Now ") + t;
                        QCOMPARE(r.engine.sentences(), sentences);
                    } else {
                        QCOMPARE(spokenToday, oneDay);
                        QCOMPARE(r.engine.speakCount, 0);
                    }
                    // The day's records go, so that only the code under test
                    // could make memory grow.
                    r.engine.log.clear();
                    spokenToday.clear();
                    today = now.date();
                    if (++days == 2)
                        rssDay2 = residentKb();
                }
                const ClockFace face = clockFaceAt(now.time());
                QVERIFY(face.suffix == QLatin1String("AM") || face.suffix == QLatin1String("PM"));
                r.state.ShortTimeText = shortTimeText(now.time());
                if (trigger.changed(r.state.ShortTimeText, now) && r.state.AnnounceInterval != 0
                    && inWindow(now.time())) {
                    ++checks;
                    r.tts.TTScheckTime();
                }
                ++ticks;
                nextSecond = r.clock.monotonicMs() + msUntilNextSecond(now);
            }
            r.dispatcher.tick();
        }
        QCOMPARE(days, 7);
        QVERIFY(steppedBack && steppedForward);
        // The week ends at midnight, after the last day was checked.
        QVERIFY(spokenToday.isEmpty() && r.engine.log.isEmpty());
        const int weekly = 7 * oneDay.size();
        QCOMPARE(oneDay.size(), 33);
        QCOMPARE(r.engine.speakCount - sentencesBefore, tts ? weekly : 0);
        QCOMPARE(r.host.timeClips, tts ? 0 : weekly);
        QCOMPARE(r.host.bleeps, bleep ? weekly : 0);
        QCOMPARE(r.host.elapsedClips, 0);
        QCOMPARE(checks, 7 * (8 * 60 + 1));
        // One tick a second that really passed (a week less or more the hour
        // the clocks moved), less those the playing clips held up.
        const qint64 seconds = start.msecsTo(end) / 1000;
        QVERIFY2(ticks > seconds - weekly * 6 && ticks <= seconds + 1,
                 qPrintable(QString::number(ticks)));
        QVERIFY(!r.dispatcher.pending());
        const qint64 rssEnd = residentKb();
        QVERIFY2(rssEnd - rssDay2 < 1024,
                 qPrintable(QStringLiteral("grew %1 kB").arg(rssEnd - rssDay2)));
    }
};

HORAVOX_TEST_MAIN(TestSchedulerSoak)
#include "test_scheduler_soak.moc"
