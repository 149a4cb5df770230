// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "glyphs.h"
#include "numeron_p.h"
#include "test_main.h"

class TestFormatDigits : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formats_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("error");
        QTest::addColumn<int>("justify");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("expected");

        const int gen = Numeron::dgGeneral, dec = Numeron::dgDecimal;
        const int shortT = Numeron::dgShortTime, longT = Numeron::dgLongTime;
        const int right = Numeron::dgRight, left = Numeron::dgLeft;

        // General format.
        QTest::newRow("padded on the left") << "543" << gen << false << right << 4 << "_543";
        QTest::newRow("padded on the right") << "543" << gen << false << left << 4 << "543_";
        QTest::newRow("too long keeps the right end") << "12345" << gen << false << right << 4 << "2345";
        QTest::newRow("point dropped") << "12.5" << gen << false << right << 4 << "_125";
        QTest::newRow("leading minus") << "-7" << gen << false << right << 4 << "__-7";
        QTest::newRow("trailing minus dropped") << "5-" << gen << false << right << 4 << "___5";
        QTest::newRow("second minus dropped") << "--5" << gen << false << right << 4 << "__-5";
        QTest::newRow("minus after blanks is first") << "  -5" << gen << false << right << 4 << "__-5";
        QTest::newRow("minus after a letter dropped") << "x-5" << gen << false << right << 4 << "___5";
        QTest::newRow("empty") << "" << gen << false << right << 4 << "____";
        QTest::newRow("all blanks") << "     " << gen << false << right << 4 << "____";
        QTest::newRow("blanks around") << "  42  " << gen << false << right << 4 << "__42";
        QTest::newRow("letters dropped") << "4a2b" << gen << false << right << 4 << "__42";
        QTest::newRow("colon dropped") << "1:2" << gen << false << right << 4 << "__12";
        QTest::newRow("tab is not trimmed but dropped") << "\t7\t" << gen << false << right << 4 << "___7";
        QTest::newRow("non-latin digits dropped") << QStringLiteral("\u0661\u0662") << gen << false << right << 4 << "____";
        QTest::newRow("one place") << "987" << gen << false << right << 1 << "7";
        QTest::newRow("zero places count as one") << "987" << gen << false << right << 0 << "7";
        QTest::newRow("negative places count as one") << "987" << gen << false << right << -3 << "7";
        QTest::newRow("six places left") << "12" << gen << false << left << 6 << "12____";
        QTest::newRow("error") << "543" << gen << true << right << 4 << "_Err";
        QTest::newRow("error left") << "543" << gen << true << left << 4 << "Err_";
        QTest::newRow("error cut to two places") << "" << gen << true << right << 2 << "rr";
        QTest::newRow("format out of range reads as general") << "1.5" << 7 << false << right << 4 << "__15";
        QTest::newRow("justify out of range reads as right") << "5" << gen << false << 2 << 4 << "___5";

        // Decimal format.
        QTest::newRow("decimal adds point zero") << "15" << dec << false << right << 4 << "_15.0";
        QTest::newRow("decimal empty") << "" << dec << false << right << 4 << "___.0";
        QTest::newRow("decimal first point only") << "1.2.3" << dec << false << right << 4 << "_1.23";
        QTest::newRow("decimal cut loses point") << "3.14159" << dec << false << right << 4 << "14159";
        QTest::newRow("decimal whole number cut") << "1234" << dec << false << right << 4 << "234.0";
        QTest::newRow("decimal keeps point when cut") << "12345.6" << dec << false << right << 4 << "345.6";
        QTest::newRow("decimal minus") << "-2.5" << dec << false << right << 4 << "_-2.5";
        QTest::newRow("decimal left") << "15" << dec << false << left << 4 << "15.0_";
        QTest::newRow("decimal error") << "15" << dec << true << right << 4 << "_Err.";

        // Short time.
        QTest::newRow("short one-digit hour") << "9:05" << shortT << false << right << 4 << "_9:05";
        QTest::newRow("short with suffix") << "09:05 PM" << shortT << false << right << 4 << "09:05";
        QTest::newRow("short two colons") << "12:34:56" << shortT << false << right << 4 << "__:__";
        QTest::newRow("short no colon") << "905" << shortT << false << right << 4 << "__:__";
        QTest::newRow("short colon misplaced") << "123:4" << shortT << false << right << 4 << "__:__";
        QTest::newRow("short empty") << "" << shortT << false << right << 4 << "__:__";
        QTest::newRow("short minus dropped") << "-9:05" << shortT << false << right << 4 << "_9:05";
        QTest::newRow("short ignores places") << "17:05" << shortT << false << left << 1 << "17:05";
        QTest::newRow("short error") << "9:05" << shortT << true << right << 4 << "_E:rr";

        // Long time.
        QTest::newRow("long one-digit hour") << "1:23:45" << longT << false << right << 4 << "_1:23:45";
        QTest::newRow("long two-digit hour") << "10:58:07" << longT << false << right << 4 << "10:58:07";
        QTest::newRow("long with suffix") << "12:00:00PM" << longT << false << right << 4 << "12:00:00";
        QTest::newRow("long no colons") << "123456" << longT << false << right << 4 << "__:__:__";
        QTest::newRow("long third colon dropped") << "1:23:4:5" << longT << false << right << 4 << "_1:23:45";
        QTest::newRow("long colon at fifth place passes") << "1234:567" << longT << false << right << 4 << "1234:567";
        QTest::newRow("long too short") << "1:23" << longT << false << right << 4 << "__:__:__";
        QTest::newRow("long error") << "1:23:45" << longT << true << right << 4 << "__:_E:rr";
    }
    void formats()
    {
        QFETCH(QString, text);
        QFETCH(int, format);
        QFETCH(bool, error);
        QFETCH(int, justify);
        QFETCH(int, places);
        QFETCH(QString, expected);
        QCOMPARE(readable(NumeronPrivate::FormatDigits(text, format, error, justify, places)), expected);
    }

    // Whatever the text, only glyphs the strip holds come out (the blank marker
    // in the input included), and the general and decimal formats always give
    // their places plus the point's place.
    void onlyKnownGlyphs()
    {
        const QString known = QStringLiteral("0123456789-:.Er") + numeron_strip::BlankGlyph;
        QString text;
        for (char16_t c = 0; c < 0x250; ++c)
            text += QChar(c);
        for (int format = 0; format <= 3; ++format) {
            for (bool error : {false, true}) {
                const QString g = NumeronPrivate::FormatDigits(text, format, error, Numeron::dgRight, 5);
                for (QChar c : g)
                    QVERIFY2(known.contains(c), qPrintable(QStringLiteral("format %1 glyph %2").arg(format).arg(c.unicode())));
                if (format == Numeron::dgGeneral)
                    QCOMPARE(g.size(), 5);
                if (format == Numeron::dgDecimal)
                    QCOMPARE(g.size(), 6); // five cells and the point's place

            }
        }
    }
};

HORAVOX_TEST_MAIN(TestFormatDigits)
#include "test_format_digits.moc"
