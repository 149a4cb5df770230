// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/clip_table.h"
#include "speech/clip_words.h"
#include "test_main.h"

using namespace horavox;

namespace {

// The clip files by word, written out by hand so that expectations do not come
// from the code under test.
QString file(const QString &word)
{
    static const QHash<QString, QString> files = {
        {"ONE", "1"},       {"TWO", "2"},        {"THREE", "3"},      {"FOUR", "4"},
        {"FIVE", "5"},      {"SIX", "6"},        {"SEVEN", "7"},      {"EIGHT", "8"},
        {"NINE", "9"},      {"TEN", "10"},       {"ELEVEN", "11"},    {"TWELVE", "12"},
        {"THIRTEEN", "13"}, {"FOURTEEN", "14"},  {"FIFTEEN", "15"},   {"SIXTEEN", "16"},
        {"SEVENTEEN", "17"}, {"EIGHTEEN", "18"}, {"NINETEEN", "19"},  {"TWENTY", "20"},
        {"THIRTY", "30"},   {"FORTY", "40"},     {"FIFTY", "50"},     {"OH", "0"},
        {"AM", "AM"},       {"PM", "PM"},        {"MINUTE", "M1"},    {"MINUTES", "M2"},
        {"START", "I"},     {"BLEEP", "A"},
    };
    if (word == QLatin1String("TIME"))
        return QStringLiteral("c:\\tmpsndT.$$$");
    Q_ASSERT(files.contains(word));
    return QStringLiteral("c:\\tmpSnd") + files.value(word) + QStringLiteral(".$$$");
}

QStringList files(const QString &words)
{
    QStringList out;
    for (const QString &w : words.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << file(w);
    return out;
}

const QStringList kUnits = {"", "ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT",
                            "NINE", "TEN", "ELEVEN", "TWELVE", "THIRTEEN", "FOURTEEN",
                            "FIFTEEN", "SIXTEEN", "SEVENTEEN", "EIGHTEEN", "NINETEEN"};
const QStringList kTens = {"", "", "TWENTY", "THIRTY", "FORTY", "FIFTY"};

// How a number of 1..59 is said in English with this word set.
QString numberWords(int n)
{
    if (n < 20)
        return kUnits.at(n);
    return (kTens.at(n / 10) + QLatin1Char(' ') + kUnits.at(n % 10)).trimmed();
}

} // namespace

class TestClipWords : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void examples_data()
    {
        QTest::addColumn<QString>("timeText");
        QTest::addColumn<QString>("words");
        QTest::newRow("on the hour") << "9:00:41AM" << "NINE AM";
        QTest::newRow("oh five") << "9:05:07AM" << "NINE OH FIVE AM";
        QTest::newRow("ten ten") << "10:10:00AM" << "TEN TEN AM";
        QTest::newRow("twelve thirteen") << "12:13:59PM" << "TWELVE THIRTEEN PM";
        QTest::newRow("twenty") << "1:20:00AM" << "ONE TWENTY AM";
        QTest::newRow("forty seven") << "11:47:30PM" << "ELEVEN FORTY SEVEN PM";
        QTest::newRow("midnight") << "12:00:12AM" << "TWELVE AM";
        QTest::newRow("noon") << "12:00:12PM" << "TWELVE PM";
        QTest::newRow("teen covers ten") << "3:10:00PM" << "THREE TEN PM";
        QTest::newRow("thirty has no units") << "3:30:00PM" << "THREE THIRTY PM";
        QTest::newRow("oh one") << "3:01:00PM" << "THREE OH ONE PM";
        QTest::newRow("fifty nine") << "8:59:59AM" << "EIGHT FIFTY NINE AM";
    }
    void examples()
    {
        QFETCH(QString, timeText);
        QFETCH(QString, words);
        QCOMPARE(timeWords(timeText), files(words));
    }

    void everyMinuteOfBothHalves()
    {
        for (int half = 0; half < 2; ++half) {
            for (int h = 1; h <= 12; ++h) {
                for (int m = 0; m < 60; ++m) {
                    const QString text = QStringLiteral("%1:%2:07%3")
                                             .arg(h)
                                             .arg(m, 2, 10, QLatin1Char('0'))
                                             .arg(half ? "PM" : "AM");
                    QString said = kUnits.at(h);
                    if (m > 0 && m < 10)
                        said += QStringLiteral(" OH ") + kUnits.at(m);
                    else if (m >= 10)
                        said += QLatin1Char(' ') + numberWords(m);
                    said += half ? QStringLiteral(" PM") : QStringLiteral(" AM");
                    QCOMPARE(timeWords(text), files(said));
                }
            }
        }
    }

    void malformedTextSaysNothing_data()
    {
        QTest::addColumn<QString>("timeText");
        QTest::newRow("empty") << "";
        QTest::newRow("short time") << "09:05";
        QTest::newRow("medium time") << "09:05 AM";
        QTest::newRow("eleven chars") << "123:05:07AM";
    }
    void malformedTextSaysNothing()
    {
        QFETCH(QString, timeText);
        QVERIFY(timeWords(timeText).isEmpty());
    }

    void impossibleHourIsNotSpoken()
    {
        // A damaged stamp must not borrow another word: only the parts that
        // exist are said.
        QCOMPARE(timeWords("0:15:00AM"), files("FIFTEEN AM"));
        QCOMPARE(timeWords("13:15:00PM"), files("FIFTEEN PM"));
        QCOMPARE(timeWords("9:75:00PM"), files("NINE PM"));
    }

    void timeClipIsTheTableClip()
    {
        QCOMPARE(timeClipName(), QStringLiteral("c:\\tmpsndT.$$$"));
        QVERIFY(!clipFilePath(timeClipName(), "/d").isEmpty());
        QCOMPARE(clipFilePath(timeClipName(), "/d"), clipFilePath(clipName("T"), "/d"));
        QCOMPARE(bleepClipName(), QStringLiteral("c:\\tmpSndA.$$$"));
    }

    void everyWordIsAClipOfTheTable()
    {
        for (int m = 0; m < 60; ++m) {
            for (const QString &name : timeWords(QStringLiteral("10:%1:00PM").arg(m, 2, 10, QLatin1Char('0'))))
                QVERIFY2(!clipFilePath(name, "/d").isEmpty(), qPrintable(name));
        }
    }

    void countWords_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("words");
        QTest::newRow("one") << 1 << "ONE";
        QTest::newRow("nine") << 9 << "NINE";
        QTest::newRow("ten") << 10 << "TEN";
        QTest::newRow("nineteen") << 19 << "NINETEEN";
        QTest::newRow("twenty") << 20 << "TWENTY";
        QTest::newRow("twenty one") << 21 << "TWENTY ONE";
        QTest::newRow("fifty") << 50 << "FIFTY";
        QTest::newRow("fifty nine") << 59 << "FIFTY NINE";
        QTest::newRow("zero has no word") << 0 << "";
        QTest::newRow("sixty has no word") << 60 << "";
        QTest::newRow("sixty five has no word") << 65 << "";
        QTest::newRow("negative") << -5 << "";
        QTest::newRow("negative two digits") << -25 << "";
        QTest::newRow("three digits") << 125 << "";
    }
    void countWords()
    {
        QFETCH(int, count);
        QFETCH(QString, words);
        QCOMPARE(horavox::countWords(count), files(words));
    }

    void countWordsZeroToSeventy()
    {
        for (int n = 0; n <= 70; ++n) {
            const QString expected = n >= 1 && n <= 59 ? numberWords(n) : QString();
            QCOMPARE(horavox::countWords(n), files(expected));
        }
    }

    void minuteWord()
    {
        QCOMPARE(minuteWordClip(1), file("MINUTE"));
        for (int n : {0, 2, 10, 21, 60, -1})
            QCOMPARE(minuteWordClip(n), file("MINUTES"));
    }
};

HORAVOX_TEST_MAIN(TestClipWords)
#include "test_clip_words.moc"
