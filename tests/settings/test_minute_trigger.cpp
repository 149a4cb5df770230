// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/time_texts.h"
#include "settings/minute_trigger.h"
#include "test_main.h"

using namespace horavox;

class TestMinuteTrigger : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Clock readings handed over in order, as ISO date-times with their UTC
    // offset; the minutes that are reported.
    void reportsEachMinuteOnce_data()
    {
        QTest::addColumn<QStringList>("readings");
        QTest::addColumn<QStringList>("reported");
        QTest::newRow("the start minute, then each change once")
            << QStringList{"2026-12-07T09:14:00+01:00", "2026-12-07T09:14:59+01:00", "2026-12-07T09:15:00+01:00",
                           "2026-12-07T09:15:01+01:00", "2026-12-07T09:16:00+01:00"}
            << QStringList{"09:14", "09:15", "09:16"};
        QTest::newRow("wall clock set back a minute")
            << QStringList{"2026-12-07T09:15:00+01:00", "2026-12-07T09:16:00+01:00", "2026-12-07T09:15:30+01:00",
                           "2026-12-07T09:16:10+01:00", "2026-12-07T09:17:00+01:00"}
            << QStringList{"09:15", "09:16", "09:17"};
        QTest::newRow("wall clock set back ten minutes")
            << QStringList{"2026-12-07T10:10:00+01:00", "2026-12-07T10:15:00+01:00", "2026-12-07T10:20:00+01:00",
                           "2026-12-07T10:10:00+01:00", "2026-12-07T10:15:00+01:00", "2026-12-07T10:21:00+01:00"}
            << QStringList{"10:10", "10:15", "10:20", "10:21"};
        QTest::newRow("set back across midnight")
            << QStringList{"2026-12-07T23:59:00+01:00", "2026-12-08T00:00:00+01:00", "2026-12-07T23:59:30+01:00",
                           "2026-12-08T00:00:05+01:00", "2026-12-08T00:01:00+01:00"}
            << QStringList{"23:59", "00:00", "00:01"};
        QTest::newRow("the hour repeated at the end of summer time is new")
            << QStringList{"2026-10-25T02:15:00+02:00", "2026-10-25T02:59:00+02:00", "2026-10-25T02:00:00+01:00",
                           "2026-10-25T02:15:00+01:00"}
            << QStringList{"02:15", "02:59", "02:00", "02:15"};
        QTest::newRow("the same minute the next day is new")
            << QStringList{"2026-12-07T09:15:00+01:00", "2026-12-07T09:16:00+01:00", "2026-12-08T09:15:00+01:00"}
            << QStringList{"09:15", "09:16", "09:15"};
    }
    void reportsEachMinuteOnce()
    {
        QFETCH(QStringList, readings);
        QFETCH(QStringList, reported);
        MinuteTrigger trigger;
        QStringList got;
        for (const QString &r : readings) {
            const QDateTime now = QDateTime::fromString(r, Qt::ISODate);
            QVERIFY2(now.isValid(), qPrintable(r));
            const QString text = shortTimeText(now.time());
            if (trigger.changed(text, now))
                got << text;
        }
        QCOMPARE(got, reported);
    }
};

HORAVOX_TEST_MAIN(TestMinuteTrigger)
#include "test_minute_trigger.moc"
