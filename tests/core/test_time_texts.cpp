// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/time_texts.h"
#include "test_main.h"

using namespace horavox;

class TestTimeTexts : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void renderings_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("longText");
        QTest::addColumn<QString>("medium");
        QTest::addColumn<QString>("shortText");
        QTest::newRow("midnight") << QTime(0, 0, 0) << "12:00:00AM" << "12:00 AM" << "00:00";
        QTest::newRow("just after midnight") << QTime(0, 1, 5) << "12:01:05AM" << "12:01 AM" << "00:01";
        QTest::newRow("single digit hour") << QTime(9, 5, 7) << "9:05:07AM" << "09:05 AM" << "09:05";
        QTest::newRow("ten am") << QTime(10, 5, 7) << "10:05:07AM" << "10:05 AM" << "10:05";
        QTest::newRow("before noon") << QTime(11, 59, 59) << "11:59:59AM" << "11:59 AM" << "11:59";
        QTest::newRow("noon") << QTime(12, 0, 0) << "12:00:00PM" << "12:00 PM" << "12:00";
        QTest::newRow("one pm") << QTime(13, 0, 0) << "1:00:00PM" << "01:00 PM" << "13:00";
        QTest::newRow("five pm") << QTime(17, 4, 0) << "5:04:00PM" << "05:04 PM" << "17:04";
        QTest::newRow("last second") << QTime(23, 59, 59) << "11:59:59PM" << "11:59 PM" << "23:59";
    }
    void renderings()
    {
        QFETCH(QTime, time);
        QFETCH(QString, longText);
        QFETCH(QString, medium);
        QFETCH(QString, shortText);
        QCOMPARE(longClockText(time), longText);
        QCOMPARE(mediumTimeText(time), medium);
        QCOMPARE(shortTimeText(time), shortText);
    }
    void longTextLengthFollowsHour()
    {
        for (int h = 0; h < 24; ++h) {
            const int h12 = h % 12 == 0 ? 12 : h % 12;
            QCOMPARE(longClockText(QTime(h, 30, 0)).size(), h12 >= 10 ? 10 : 9);
        }
    }
};

HORAVOX_TEST_MAIN(TestTimeTexts)
#include "test_time_texts.moc"
