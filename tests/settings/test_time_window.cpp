// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/time_window.h"
#include "test_main.h"

using namespace horavox;

Q_DECLARE_METATYPE(horavox::WindowBound)

namespace {
WindowBound am(const QString &h, const QString &m)
{
    return {h, m, true};
}
WindowBound pm(const QString &h, const QString &m)
{
    return {h, m, false};
}
} // namespace

class TestTimeWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void boundSeconds_data()
    {
        QTest::addColumn<WindowBound>("bound");
        QTest::addColumn<qint64>("seconds");
        QTest::newRow("12 AM is midnight") << am("12", "00") << qint64(0);
        QTest::newRow("0 AM is midnight") << am("0", "00") << qint64(0);
        QTest::newRow("12 PM is noon") << pm("12", "00") << qint64(43200);
        QTest::newRow("0 PM is noon") << pm("0", "00") << qint64(43200);
        QTest::newRow("12:30 AM") << am("12", "30") << qint64(1800);
        QTest::newRow("1 PM") << pm("1", "00") << qint64(46800);
        QTest::newRow("11:59 PM") << pm("11", "59") << qint64(86340);
        QTest::newRow("empty boxes are 0") << am("", "") << qint64(0);
        QTest::newRow("empty minute") << am("9", "") << qint64(32400);
        QTest::newRow("text without number") << pm("x", "y") << qint64(43200);
        QTest::newRow("leading number only") << am("7a", "5b") << qint64(7 * 3600 + 300);
        QTest::newRow("padded minute") << am("6", "07") << qint64(6 * 3600 + 420);
    }
    void boundSeconds()
    {
        QFETCH(WindowBound, bound);
        QFETCH(qint64, seconds);
        QCOMPARE(horavox::boundSeconds(bound), seconds);
    }

    void inside_data()
    {
        QTest::addColumn<WindowBound>("start");
        QTest::addColumn<WindowBound>("end");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<bool>("inside");

        // Defaults: equal start and end mean the whole day.
        for (const QTime &t : {QTime(0, 0, 0), QTime(0, 0, 1), QTime(11, 59, 59), QTime(12, 0, 0),
                               QTime(23, 59, 59)}) {
            QTest::addRow("defaults at %s", qPrintable(t.toString())) << am("12", "00") << am("12", "00") << t << true;
        }
        QTest::newRow("equal PM bounds") << pm("3", "15") << pm("3", "15") << QTime(4, 0, 0) << true;

        // 9 AM to 5 PM.
        const WindowBound nine = am("9", "00"), five = pm("5", "00");
        QTest::newRow("day: before start") << nine << five << QTime(8, 59, 59) << false;
        QTest::newRow("day: at start") << nine << five << QTime(9, 0, 0) << true;
        QTest::newRow("day: middle") << nine << five << QTime(12, 0, 0) << true;
        QTest::newRow("day: at end") << nine << five << QTime(17, 0, 0) << true;
        QTest::newRow("day: one second after end") << nine << five << QTime(17, 0, 1) << false;
        QTest::newRow("day: end minute, later second") << nine << five << QTime(17, 0, 30) << false;
        QTest::newRow("day: midnight") << nine << five << QTime(0, 0, 0) << false;

        // 9 PM to 6:30 AM: start PM, end AM, end not 0.
        const WindowBound ninePm = pm("9", "00"), halfSix = am("6", "30");
        QTest::newRow("night: before start") << ninePm << halfSix << QTime(20, 59, 59) << false;
        QTest::newRow("night: at start") << ninePm << halfSix << QTime(21, 0, 0) << true;
        QTest::newRow("night: last second") << ninePm << halfSix << QTime(23, 59, 59) << true;
        QTest::newRow("night: midnight") << ninePm << halfSix << QTime(0, 0, 0) << true;
        QTest::newRow("night: early") << ninePm << halfSix << QTime(3, 0, 0) << true;
        QTest::newRow("night: at end") << ninePm << halfSix << QTime(6, 30, 0) << true;
        QTest::newRow("night: after end") << ninePm << halfSix << QTime(6, 30, 1) << false;
        QTest::newRow("night: noon") << ninePm << halfSix << QTime(12, 0, 0) << false;

        // 10 PM to 12 AM: start PM, end 0.
        const WindowBound tenPm = pm("10", "00"), midnight = am("12", "00");
        QTest::newRow("to midnight: before start") << tenPm << midnight << QTime(21, 59, 59) << false;
        QTest::newRow("to midnight: at start") << tenPm << midnight << QTime(22, 0, 0) << true;
        QTest::newRow("to midnight: last second") << tenPm << midnight << QTime(23, 59, 59) << true;
        QTest::newRow("to midnight: exactly midnight") << tenPm << midnight << QTime(0, 0, 0) << true;
        QTest::newRow("to midnight: one second after") << tenPm << midnight << QTime(0, 0, 1) << false;
        QTest::newRow("to midnight written as 0") << tenPm << am("0", "00") << QTime(0, 0, 0) << true;
        QTest::newRow("to midnight empty boxes") << tenPm << am("", "") << QTime(0, 0, 1) << false;

        // Start AM, end 0.
        const WindowBound sixAm = am("6", "00");
        QTest::newRow("AM start to midnight: after start") << sixAm << midnight << QTime(18, 0, 0) << true;
        QTest::newRow("AM start to midnight: midnight") << sixAm << midnight << QTime(0, 0, 0) << true;
        QTest::newRow("AM start to midnight: early") << sixAm << midnight << QTime(5, 59, 59) << false;

        // Start AM, end AM, end before start and not 0.
        const WindowBound elevenAm = am("11", "00"), twoAm = am("2", "00");
        QTest::newRow("AM/AM wrap: after start") << elevenAm << twoAm << QTime(22, 0, 0) << true;
        QTest::newRow("AM/AM wrap: midnight") << elevenAm << twoAm << QTime(0, 0, 0) << true;
        QTest::newRow("AM/AM wrap: at end") << elevenAm << twoAm << QTime(2, 0, 0) << true;
        QTest::newRow("AM/AM wrap: after end") << elevenAm << twoAm << QTime(2, 0, 1) << false;
        QTest::newRow("AM/AM wrap: before start") << elevenAm << twoAm << QTime(10, 59, 59) << false;

        // Start PM, end PM, end before start and not 0.
        const WindowBound elevenPm = pm("11", "00"), onePm = pm("1", "00");
        QTest::newRow("PM/PM wrap: after start") << elevenPm << onePm << QTime(23, 30, 0) << true;
        QTest::newRow("PM/PM wrap: midnight") << elevenPm << onePm << QTime(0, 0, 0) << true;
        QTest::newRow("PM/PM wrap: morning") << elevenPm << onePm << QTime(9, 0, 0) << true;
        QTest::newRow("PM/PM wrap: at end") << elevenPm << onePm << QTime(13, 0, 0) << true;
        QTest::newRow("PM/PM wrap: after end") << elevenPm << onePm << QTime(13, 0, 1) << false;

        // Start PM with end 12 PM (noon) is before the start too.
        QTest::newRow("PM to noon: morning") << pm("6", "00") << pm("12", "00") << QTime(11, 0, 0) << true;
        QTest::newRow("PM to noon: afternoon") << pm("6", "00") << pm("12", "00") << QTime(15, 0, 0) << false;

        // Noon and midnight by the 12 box and the AM/PM choice.
        QTest::newRow("noon to 1 PM at noon") << pm("12", "00") << pm("1", "00") << QTime(12, 0, 0) << true;
        QTest::newRow("noon to 1 PM before noon") << pm("12", "00") << pm("1", "00") << QTime(11, 59, 59) << false;
        QTest::newRow("0 PM same as 12 PM") << pm("0", "00") << pm("1", "00") << QTime(12, 0, 0) << true;
        QTest::newRow("midnight to 1 AM at 00:30") << am("12", "00") << am("1", "00") << QTime(0, 30, 0) << true;
        QTest::newRow("0 AM to 1 AM at 00:30") << am("0", "00") << am("1", "00") << QTime(0, 30, 0) << true;

        // Empty boxes count as 0: start "" AM is midnight.
        QTest::newRow("empty start box") << am("", "") << am("6", "") << QTime(5, 0, 0) << true;
        QTest::newRow("empty end minute") << am("6", "00") << am("7", "") << QTime(7, 0, 1) << false;

        // Start AM with end PM before it is only possible with a negative
        // hour from a damaged file; no rule admits it.
        QTest::newRow("AM start, PM end before it") << am("11", "00") << pm("-5", "00") << QTime(23, 0, 0) << false;
        QTest::newRow("damaged huge hour does not overflow")
            << am("-99999999999", "00") << am("1", "00") << QTime(0, 30, 0) << true;
    }
    void inside()
    {
        QFETCH(WindowBound, start);
        QFETCH(WindowBound, end);
        QFETCH(QTime, now);
        QFETCH(bool, inside);
        QCOMPARE(inTimeWindow(start, end, now), inside);
    }

    // Every second of the day for a window across midnight follows the simple
    // rule the table adds up to.
    void wrapMatchesSimpleRuleAllDay()
    {
        const WindowBound start = pm("9", "00"), end = am("6", "30");
        const qint64 s = horavox::boundSeconds(start), e = horavox::boundSeconds(end);
        for (int sec = 0; sec < 86400; ++sec) {
            const bool expected = sec >= s || sec <= e;
            if (inTimeWindow(start, end, QTime(0, 0).addSecs(sec)) != expected)
                QFAIL(qPrintable(QStringLiteral("wrong at second %1").arg(sec)));
        }
    }
};

HORAVOX_TEST_MAIN(TestTimeWindow)
#include "test_time_window.moc"
