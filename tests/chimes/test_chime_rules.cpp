// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chimes/chime_rules.h"
#include "test_main.h"

using namespace horavox;
using Kind = ChimePlan::Kind;

Q_DECLARE_METATYPE(horavox::ChimeChoice)
Q_DECLARE_METATYPE(horavox::ChimeOccasion)
Q_DECLARE_METATYPE(horavox::ChimePlan::Kind)

class TestChimeRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chimeAtMinute_data();
    void chimeAtMinute();
    void namesReadBack_data();
    void namesReadBack();
};

void TestChimeRules::chimeAtMinute_data()
{
    QTest::addColumn<ChimeChoice>("choice");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<ChimeOccasion>("occasion");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("strikes");
    QTest::addColumn<int>("quarter");
    QTest::addColumn<int>("leadMs");
    const auto due = ChimeOccasion::DueMinute;
    const auto speak = ChimeOccasion::SpeakRequest;
    const auto preview = ChimeOccasion::Preview;
    // The bleep is the bleep, at any minute and on any occasion.
    QTest::newRow("bleep 9:07") << ChimeChoice::Bleep << QTime(9, 7) << due << Kind::Bleep << 0 << 0 << 0;
    QTest::newRow("bleep preview") << ChimeChoice::Bleep << QTime(9, 0) << preview << Kind::Bleep << 0 << 0 << 0;
    // The hour on the 12-hour dial: 12 at noon and at midnight, 3 at 3 PM.
    QTest::newRow("strike 3 PM") << ChimeChoice::HourStrike << QTime(15, 0) << due << Kind::Strike << 3 << 0 << 0;
    QTest::newRow("strike noon") << ChimeChoice::HourStrike << QTime(12, 0) << due << Kind::Strike << 12 << 0 << 0;
    QTest::newRow("strike midnight") << ChimeChoice::HourStrike << QTime(0, 0) << due << Kind::Strike << 12 << 0 << 0;
    QTest::newRow("strike 1 AM") << ChimeChoice::HourStrike << QTime(1, 0, 30) << speak << Kind::Strike << 1 << 0 << 0;
    QTest::newRow("strike 11 PM") << ChimeChoice::HourStrike << QTime(23, 0) << due << Kind::Strike << 11 << 0 << 0;
    QTest::newRow("strike half hour") << ChimeChoice::HourStrike << QTime(15, 30) << due << Kind::Strike << 1 << 0 << 0;
    QTest::newRow("strike 3:15 silent") << ChimeChoice::HourStrike << QTime(15, 15) << due << Kind::Silence << 0 << 0 << 0;
    QTest::newRow("strike 3:01 silent") << ChimeChoice::HourStrike << QTime(15, 1) << speak << Kind::Silence << 0 << 0 << 0;
    QTest::newRow("strike preview 3:10") << ChimeChoice::HourStrike << QTime(15, 10) << preview << Kind::Strike << 1 << 0 << 0;
    QTest::newRow("strike preview 3:40") << ChimeChoice::HourStrike << QTime(15, 40) << preview << Kind::Strike << 4 << 0 << 0;
    QTest::newRow("strike preview 11:50 PM") << ChimeChoice::HourStrike << QTime(23, 50) << preview << Kind::Strike << 12 << 0 << 0;
    // Westminster: one change at :15 ... four and the hour at :00.
    QTest::newRow("westminster :15") << ChimeChoice::Westminster << QTime(8, 15) << due << Kind::Westminster << 0 << 1 << 0;
    QTest::newRow("westminster :30") << ChimeChoice::Westminster << QTime(8, 30) << due << Kind::Westminster << 0 << 2 << 0;
    QTest::newRow("westminster :45") << ChimeChoice::Westminster << QTime(8, 45) << due << Kind::Westminster << 0 << 3 << 0;
    QTest::newRow("westminster 9:00") << ChimeChoice::Westminster << QTime(9, 0) << due << Kind::Westminster << 9 << 4 << 0;
    QTest::newRow("westminster noon") << ChimeChoice::Westminster << QTime(12, 0) << ChimeOccasion::Startup << Kind::Westminster << 12 << 4 << 0;
    QTest::newRow("westminster :20 silent") << ChimeChoice::Westminster << QTime(8, 20) << due << Kind::Silence << 0 << 0 << 0;
    QTest::newRow("westminster :14 silent") << ChimeChoice::Westminster << QTime(8, 14, 59) << speak << Kind::Silence << 0 << 0 << 0;
    QTest::newRow("westminster preview :20") << ChimeChoice::Westminster << QTime(8, 20) << preview << Kind::Westminster << 0 << 2 << 0;
    QTest::newRow("westminster preview :50") << ChimeChoice::Westminster << QTime(8, 50) << preview << Kind::Westminster << 9 << 4 << 0;
    QTest::newRow("westminster preview 11:50 PM") << ChimeChoice::Westminster << QTime(23, 50) << preview << Kind::Westminster << 12 << 4 << 0;
    // The pips end on a due minute; asked for at once, they play at once.
    QTest::newRow("pips due") << ChimeChoice::Pips << QTime(8, 7) << due << Kind::Pips << 0 << 0 << 5000;
    QTest::newRow("pips speak") << ChimeChoice::Pips << QTime(8, 7) << speak << Kind::Pips << 0 << 0 << 0;
    QTest::newRow("pips startup") << ChimeChoice::Pips << QTime(8, 0) << ChimeOccasion::Startup << Kind::Pips << 0 << 0 << 0;
    QTest::newRow("own file any minute") << ChimeChoice::SoundFile << QTime(8, 7) << due << Kind::SoundFile << 0 << 0 << 0;
}

void TestChimeRules::chimeAtMinute()
{
    QFETCH(ChimeChoice, choice);
    QFETCH(QTime, time);
    QFETCH(ChimeOccasion, occasion);
    QFETCH(Kind, kind);
    QFETCH(int, strikes);
    QFETCH(int, quarter);
    QFETCH(int, leadMs);
    const ChimePlan p = chimeFor(choice, time, occasion);
    QCOMPARE(p.kind, kind);
    QCOMPARE(p.strikes, strikes);
    QCOMPARE(p.quarter, quarter);
    QCOMPARE(p.changes, quarter);
    QCOMPARE(p.leadMs, leadMs);
}

void TestChimeRules::namesReadBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("choice"); // -1: none
    QTest::newRow("bleep") << "bleep" << int(ChimeChoice::Bleep);
    QTest::newRow("hour-strike") << "hour-strike" << int(ChimeChoice::HourStrike);
    QTest::newRow("westminster, any case") << "Westminster" << int(ChimeChoice::Westminster);
    QTest::newRow("pips") << "pips" << int(ChimeChoice::Pips);
    QTest::newRow("file") << "file" << int(ChimeChoice::SoundFile);
    QTest::newRow("unknown") << "cuckoo" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestChimeRules::namesReadBack()
{
    QFETCH(QString, name);
    QFETCH(int, choice);
    const auto c = chimeChoiceFromName(name);
    QCOMPARE(c ? int(*c) : -1, choice);
    if (c)
        QCOMPARE(chimeChoiceName(*c), name.toLower());
}

HORAVOX_TEST_MAIN(TestChimeRules)
#include "test_chime_rules.moc"
