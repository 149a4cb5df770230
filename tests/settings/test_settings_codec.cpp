// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settings_codec.h"
#include "test_main.h"

using namespace horavox;
using namespace horavox::settings_codec;

namespace {
QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toUtf8() + "\r\n";
    return out;
}

const QStringList kDefaultLines = {"R", "1", "12", "00", "A", "12", "00", "A", "0"};
} // namespace

class TestSettingsCodec : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultFileIsTheNineLines()
    {
        QCOMPARE(defaultFile(), QByteArray("R\r\n1\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n"));
        QCOMPARE(parse(defaultFile()), StoredSettings{});
    }

    void lineSplitting_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("one line with CR LF") << QByteArray("R\r\n") << QStringList{"R"};
        QTest::newRow("last line without end") << QByteArray("R\r\n1") << QStringList{"R", "1"};
        QTest::newRow("LF only") << QByteArray("R\n1\n") << QStringList{"R", "1"};
        QTest::newRow("mixed ends") << QByteArray("R\r\n1\n2\r\n") << QStringList{"R", "1", "2"};
        QTest::newRow("empty lines kept") << QByteArray("T\r\n\r\n\r\n1\r\n")
                                          << QStringList{"T", "", "", "1"};
        QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
        QTest::newRow("two line ends") << QByteArray("\r\n\r\n") << QStringList{"", ""};
        QTest::newRow("CR only") << QByteArray("T\r180\rHello there\r1\r") << QStringList{"T", "180", "Hello there", "1"};
        QTest::newRow("last line ends in a lone CR") << QByteArray("R\r\n1\r") << QStringList{"R", "1"};
        QTest::newRow("LF CR is two ends") << QByteArray("R\n\r1") << QStringList{"R", "", "1"};
        QTest::newRow("CR CR LF") << QByteArray("R\r\r\n1") << QStringList{"R", "", "1"};
    }
    void lineSplitting()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QCOMPARE(lines(bytes), expected);
    }

    void layouts_data()
    {
        QTest::addColumn<QStringList>("fileLines");
        QTest::addColumn<bool>("tts");
        QTest::addColumn<int>("speed"); // -1: not in the file
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<bool>("startup");
        QTest::addColumn<QString>("startHour");
        QTest::addColumn<QString>("startMinute");
        QTest::addColumn<bool>("startAM");
        QTest::addColumn<QString>("endHour");
        QTest::addColumn<QString>("endMinute");
        QTest::addColumn<bool>("endAM");
        QTest::addColumn<bool>("bleep");

        QTest::newRow("defaults") << kDefaultLines << false << -1 << QString() << true << "12" << "00"
                                  << true << "12" << "00" << true << false;
        QTest::newRow("nine lines with T read in recorded positions")
            << QStringList{"T", "0", "9", "30", "P", "5", "15", "P", "1"} << true << -1 << QString()
            << false << "9" << "30" << false << "5" << "15" << false << true;
        QTest::newRow("eleven lines with R still read speed and phrase")
            << QStringList{"R", "180", "Hello", "1", "9", "00", "A", "5", "00", "P", "1"} << false << 180
            << "Hello" << true << "9" << "00" << true << "5" << "00" << false << true;
        QTest::newRow("eleven lines text-to-speech")
            << QStringList{"T", "180", "It is", "0", "10", "05", "P", "12", "00", "A", "0"} << true << 180
            << "It is" << false << "10" << "05" << false << "12" << "00" << true << false;
        QTest::newRow("ten lines: missing eleventh reads empty")
            << QStringList{"T", "100", "", "1", "1", "00", "A", "2", "00", "A"} << true << 100 << ""
            << true << "1" << "00" << true << "2" << "00" << true << false;
        QTest::newRow("empty phrase line keeps eleven positions")
            << QStringList{"T", "135", "", "1", "12", "00", "A", "12", "00", "A", "1"} << true << 135 << ""
            << true << "12" << "00" << true << "12" << "00" << true << true;
        QTest::newRow("cleared minute box")
            << QStringList{"R", "1", "9", "", "A", "5", "", "P", "0"} << false << -1 << QString() << true
            << "9" << "" << true << "5" << "" << false << false;
        QTest::newRow("lower-case codes fall to the else choice")
            << QStringList{"r", "1", "9", "00", "a", "5", "00", "a", "1"} << true << -1 << QString() << true
            << "9" << "00" << false << "5" << "00" << false << true;
        QTest::newRow("empty codes fall to the else choice")
            << QStringList{"", "", "9", "00", "", "5", "00", "", ""} << true << -1 << QString() << false
            << "9" << "00" << false << "5" << "00" << false << false;
        QTest::newRow("P selects PM") << QStringList{"R", "1", "9", "00", "P", "5", "00", "P", "0"} << false
                                      << -1 << QString() << true << "9" << "00" << false << "5" << "00"
                                      << false << false;
        QTest::newRow("codes with blanks are not the codes")
            << QStringList{"R ", "1 ", "9", "00", " A", "5", "00", "A", "1 "} << true << -1 << QString()
            << false << "9" << "00" << false << "5" << "00" << true << false;
        QTest::newRow("texts go in as they stand")
            << QStringList{"R", "1", "x7", "5.", "A", "99", "-1", "A", "0"} << false << -1 << QString()
            << true << "x7" << "5." << true << "99" << "-1" << true << false;
        QTest::newRow("empty file: text-to-speech layout, all empty")
            << QStringList{} << true << 50 << "" << false << "" << "" << false << "" << "" << false << false;
    }
    void layouts()
    {
        QFETCH(QStringList, fileLines);
        QFETCH(bool, tts);
        QFETCH(int, speed);
        QFETCH(QString, phrase);
        QFETCH(bool, startup);
        QFETCH(QString, startHour);
        QFETCH(QString, startMinute);
        QFETCH(bool, startAM);
        QFETCH(QString, endHour);
        QFETCH(QString, endMinute);
        QFETCH(bool, endAM);
        QFETCH(bool, bleep);

        const StoredSettings s = parse(crlf(fileLines));
        QCOMPARE(s.tts, tts);
        if (speed < 0) {
            QVERIFY(!s.speed.has_value());
            QVERIFY(!s.phrase.has_value());
        } else {
            QCOMPARE(s.speed.value_or(-1), speed);
            QCOMPARE(s.phrase.value_or(QStringLiteral("<none>")), phrase);
        }
        QCOMPARE(s.announceAtStartup, startup);
        QCOMPARE(s.startHour, startHour);
        QCOMPARE(s.startMinute, startMinute);
        QCOMPARE(s.startAM, startAM);
        QCOMPARE(s.endHour, endHour);
        QCOMPARE(s.endMinute, endMinute);
        QCOMPARE(s.endAM, endAM);
        QCOMPARE(s.bleep, bleep);
    }

    void lfOnlyFileReadsLikeCrLf()
    {
        const QByteArray lf = "T\n180\nHi\n1\n9\n00\nA\n5\n00\nP\n1\n";
        QCOMPARE(parse(lf), parse(QByteArray(lf).replace("\n", "\r\n")));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QStringList>("fileLines");
        QTest::newRow("recorded layout") << QStringList{"R", "0", "9", "30", "P", "5", "15", "A", "1"};
        QTest::newRow("defaults") << kDefaultLines;
        QTest::newRow("text-to-speech layout")
            << QStringList{"T", "180", "Good day, it is", "1", "10", "05", "P", "12", "00", "A", "0"};
        QTest::newRow("empty phrase and cleared boxes")
            << QStringList{"T", "50", "", "0", "", "", "A", "7", "", "P", "1"};
        QTest::newRow("non-ASCII phrase") << QStringList{"T", "220", "Es ist jetzt \u00fcber", "1", "12",
                                                         "00", "A", "12", "00", "A", "0"};
        QTest::newRow("recorded voice with speed and phrase")
            << QStringList{"R", "180", "Good day", "1", "12", "00", "A", "12", "00", "A", "0"};
    }
    void roundTrip()
    {
        QFETCH(QStringList, fileLines);
        const QByteArray bytes = crlf(fileLines);
        QCOMPARE(serialize(parse(bytes)), bytes);
    }

    // The layout written: nine lines only when they lose nothing.
    void writtenLayout_data()
    {
        QTest::addColumn<bool>("tts");
        QTest::addColumn<int>("speed"); // -1: none given
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QStringList>("fileLines");
        const QStringList common = {"1", "12", "00", "A", "12", "00", "A", "0"};
        QTest::newRow("text-to-speech") << true << 180 << "Now" << QStringList{"T", "180", "Now"} + common;
        QTest::newRow("text-to-speech, defaults") << true << 135 << "" << QStringList{"T", "135", ""} + common;
        QTest::newRow("text-to-speech, none given") << true << -1 << QString() << QStringList{"T", "135", ""} + common;
        QTest::newRow("recorded voice keeps speed and phrase")
            << false << 180 << "Now" << QStringList{"R", "180", "Now"} + common;
        QTest::newRow("recorded voice keeps a phrase") << false << 135 << "Now" << QStringList{"R", "135", "Now"} + common;
        QTest::newRow("recorded voice keeps a speed") << false << 50 << "" << QStringList{"R", "50", ""} + common;
        QTest::newRow("recorded voice, defaults: nine lines") << false << 135 << "" << kDefaultLines;
        QTest::newRow("recorded voice, none given: nine lines") << false << -1 << QString() << kDefaultLines;
    }
    void writtenLayout()
    {
        QFETCH(bool, tts);
        QFETCH(int, speed);
        QFETCH(QString, phrase);
        QFETCH(QStringList, fileLines);
        StoredSettings s;
        s.tts = tts;
        if (speed >= 0)
            s.speed = speed;
        if (!phrase.isNull())
            s.phrase = phrase;
        QCOMPARE(serialize(s), crlf(fileLines));
    }

    void nineLinesWithTKeepTheSlidersSpeed()
    {
        // A nine-line file read with "T" has no speed of its own: the slider's.
        StoredSettings fromNine = parse(crlf({"T", "1", "12", "00", "A", "12", "00", "A", "0"}));
        QCOMPARE(serialize(fromNine), crlf({"T", "135", "", "1", "12", "00", "A", "12", "00", "A", "0"}));
    }

    void speed_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("speed");
        QTest::newRow("plain") << "135" << 135;
        QTest::newRow("lowest") << "50" << 50;
        QTest::newRow("highest") << "220" << 220;
        QTest::newRow("below") << "49" << 50;
        QTest::newRow("zero") << "0" << 50;
        QTest::newRow("negative") << "-20" << 50;
        QTest::newRow("above") << "221" << 220;
        QTest::newRow("huge") << "99999999999999999999999" << 220;
        QTest::newRow("empty") << "" << 50;
        QTest::newRow("not a number") << "fast" << 50;
        QTest::newRow("leading number with rest") << "180 wpm" << 180;
        QTest::newRow("leading blanks") << "  90" << 90;
        QTest::newRow("fraction rounds up") << "100.6" << 101;
        QTest::newRow("fraction rounds down") << "100.4" << 100;
        QTest::newRow("half rounds to even") << "100.5" << 100;
        QTest::newRow("other half rounds to even") << "101.5" << 102;
    }
    void speed()
    {
        QFETCH(QString, line);
        QFETCH(int, speed);
        QCOMPARE(speedFromText(line), speed);
        const StoredSettings s =
            parse(crlf({"T", line, "", "1", "12", "00", "A", "12", "00", "A", "0"}));
        QCOMPARE(s.speed.value_or(-1), speed);
    }

    void encoding_data()
    {
        QTest::addColumn<QByteArray>("phraseBytes");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("ASCII") << QByteArray("It is") << QStringLiteral("It is");
        QTest::newRow("UTF-8") << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC") << QStringLiteral("Caf\u00e9 \u20ac");
        QTest::newRow("Windows-1252 Latin") << QByteArray("Caf\xE9 na\xEFve") << QStringLiteral("Caf\u00e9 na\u00efve");
        QTest::newRow("Windows-1252 high table")
            << QByteArray("\x80 \x93quoted\x94 \x85") << QStringLiteral("\u20ac \u201cquoted\u201d \u2026");
        QTest::newRow("Windows-1252 unassigned byte kept")
            << QByteArray("a\x81z") << QStringLiteral("a\u0081z");
    }
    void encoding()
    {
        QFETCH(QByteArray, phraseBytes);
        QFETCH(QString, phrase);
        const QByteArray file = "T\r\n135\r\n" + phraseBytes + "\r\n1\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n";
        const StoredSettings s = parse(file);
        QCOMPARE(s.phrase.value_or(QString()), phrase);
        // Written back as UTF-8; ASCII comes out byte for byte.
        const QByteArray written = serialize(s);
        QVERIFY(written.contains("\r\n" + phrase.toUtf8() + "\r\n"));
        QCOMPARE(parse(written), s);
    }

    void byteOrderMarkIsIgnored()
    {
        QCOMPARE(parse("\xEF\xBB\xBF" + defaultFile()), StoredSettings{});
    }

    void phraseLineBreaks_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("written");
        QTest::newRow("LF") << "The time\nis" << "The time is";
        QTest::newRow("CR LF") << "The time\r\nis" << "The time is";
        QTest::newRow("CR") << "The time\ris" << "The time is";
        QTest::newRow("trailing") << "Now\n" << "Now ";
        QTest::newRow("none") << "  Now  " << "  Now  ";
    }
    void phraseLineBreaks()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, written);
        StoredSettings s;
        s.tts = true;
        s.speed = 135;
        s.phrase = phrase;
        const QByteArray bytes = serialize(s);
        QCOMPARE(lines(bytes).size(), 11);
        QCOMPARE(parse(bytes).phrase.value_or(QString()), written);
    }

    // A CR alone ends a line like any other line end (files from editors
    // that write CR only must read whole), so one inside the phrase line
    // splits it, and never stays in the value.
    void strayCarriageReturnInPhraseLineEndsIt()
    {
        const QByteArray file = "T\r\n135\r\nA\rB\r\n1\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n";
        QCOMPARE(parse(file).phrase.value_or(QString()), QStringLiteral("A"));
    }
};

HORAVOX_TEST_MAIN(TestSettingsCodec)
#include "test_settings_codec.moc"
