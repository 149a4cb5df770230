// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/sentences.h"
#include "test_main.h"

using namespace horavox;

class TestSentences : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void timeSentence_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("built in") << "" << "The Time is Now 05:04 PM";
        QTest::newRow("blanks only count as empty") << "   " << "The Time is Now 05:04 PM";
        QTest::newRow("tab counts as empty") << "\t" << "The Time is Now 05:04 PM";
        QTest::newRow("own phrase") << "It is" << "It is 05:04 PM";
        QTest::newRow("blanks kept as typed") << "  It is  " << "  It is   05:04 PM";
    }
    void timeSentence()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, sentence);
        QCOMPARE(TimeSentence(phrase, "05:04 PM"), sentence);
    }

    void alarmSentence_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("tellTime");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("one, short") << 1 << false << "" << "1 minute has elapsed";
        QTest::newRow("one, short ignores phrase") << 1 << false << "Hey" << "1 minute has elapsed";
        QTest::newRow("one, long, built in")
            << 1 << true << ""
            << "1 minute has elapsed. The Time is now 05:05 PM. Start Time 05:00 PM";
        QTest::newRow("one, long, phrase")
            << 1 << true << "Now it is"
            << "1 minute has elapsed. Now it is 05:05 PM. Start Time 05:00 PM";
        QTest::newRow("five, short") << 5 << false << "" << "5 minutes have elapsed";
        QTest::newRow("five, long, built in")
            << 5 << true << ""
            << "5 minutes have elapsed. The Time is now 05:05 PM. Start Time 05:00 PM";
        QTest::newRow("five, long, blank phrase")
            << 5 << true << "  "
            << "5 minutes have elapsed. The Time is now 05:05 PM. Start Time 05:00 PM";
        QTest::newRow("five, long, phrase as typed")
            << 5 << true << " Now "
            << "5 minutes have elapsed.  Now  05:05 PM. Start Time 05:00 PM";
        QTest::newRow("zero is plural") << 0 << false << "" << "0 minutes have elapsed";
        QTest::newRow("sixty") << 60 << false << "" << "60 minutes have elapsed";
        QTest::newRow("eleven is plural") << 11 << false << "" << "11 minutes have elapsed";
    }
    void alarmSentence()
    {
        QFETCH(int, n);
        QFETCH(bool, tellTime);
        QFETCH(QString, phrase);
        QFETCH(QString, sentence);
        QCOMPARE(AlarmSentence(n, tellTime, phrase, "05:05 PM", "05:00 PM"), sentence);
    }
};

HORAVOX_TEST_MAIN(TestSentences)
#include "test_sentences.moc"
