// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/scheduler/clock_face.h"
#include "test_main.h"

using namespace horavox;

class TestClockFace : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void split_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("nine chars") << "9:05:07AM" << "9:05:07" << "AM";
        QTest::newRow("ten chars") << "10:05:07PM" << "10:05:07" << "PM";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("other length kept whole") << "9:05AM" << "9:05AM" << "";
        QTest::newRow("eleven chars kept whole") << "10:05:07 PM" << "10:05:07 PM" << "";
    }
    void split()
    {
        QFETCH(QString, text);
        QFETCH(QString, digits);
        QFETCH(QString, suffix);
        QCOMPARE(splitClockText(text), (ClockFace{digits, suffix}));
    }

    void faceOfEveryHour()
    {
        for (int h = 0; h < 24; ++h) {
            const ClockFace face = clockFaceAt(QTime(h, 5, 7));
            const int h12 = h % 12 == 0 ? 12 : h % 12;
            QCOMPARE(face.digits, QStringLiteral("%1:05:07").arg(h12));
            QCOMPARE(face.suffix, h < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
            QVERIFY(!face.digits.contains('A') && !face.digits.contains('P'));
        }
    }

    void untilNextSecond_data()
    {
        QTest::addColumn<int>("msec");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("wait");
        QTest::newRow("just after a change") << 0 << 5 << 1005;
        QTest::newRow("mid second") << 500 << 5 << 505;
        QTest::newRow("just before a change") << 999 << 5 << 6;
        QTest::newRow("no margin") << 250 << 0 << 750;
    }
    void untilNextSecond()
    {
        QFETCH(int, msec);
        QFETCH(int, margin);
        QFETCH(int, wait);
        const QDateTime now(QDate(2026, 1, 1), QTime(23, 59, 59, msec));
        QCOMPARE(msUntilNextSecond(now, margin), wait);
        // Waking after the wait lands just past the change of second.
        const QDateTime woke = now.addMSecs(wait);
        QCOMPARE(woke.time().msec(), margin);
    }

    void untilNextSecondOfAnInvalidTime()
    {
        QCOMPARE(msUntilNextSecond(QDateTime()), 1000);
    }
};

HORAVOX_TEST_MAIN(TestClockFace)
#include "test_clock_face.moc"
