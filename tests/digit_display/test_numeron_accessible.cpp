// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader reads off the digit display.
#include "numeron_p.h"
#include "test_main.h"

#include <QAccessible>

class TestNumeronAccessible : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("error");
        QTest::addColumn<int>("justify");
        QTest::addColumn<QString>("shown");
        QTest::newRow("time before ten") << 2 << "9:05:10" << false << 1 << "9:05:10";
        QTest::newRow("time after ten") << 2 << "10:05:07" << false << 1 << "10:05:07";
        QTest::newRow("unreadable time") << 2 << "123456" << false << 1 << "";
        QTest::newRow("short time") << 1 << "9:05" << false << 1 << "9:05";
        QTest::newRow("minutes while dragging") << 3 << "15" << false << 1 << "15.0";
        QTest::newRow("general right") << 0 << "543" << false << 1 << "543";
        QTest::newRow("general left") << 0 << "543" << false << 0 << "543";
        QTest::newRow("cut to four places") << 0 << "12345" << false << 1 << "2345";
        QTest::newRow("minus") << 0 << "-7" << false << 1 << "-7";
        QTest::newRow("empty") << 0 << "" << false << 1 << "";
        QTest::newRow("empty decimal") << 3 << "" << false << 1 << ".0";
        QTest::newRow("error general") << 0 << "12" << true << 1 << "Err";
        QTest::newRow("error decimal") << 3 << "12" << true << 1 << "Err";
        QTest::newRow("error long time") << 2 << "9:05:10" << true << 1 << "Err";
        QTest::newRow("error short time") << 1 << "9:05" << true << 1 << "Err";
    }
    void reading()
    {
        QFETCH(int, format);
        QFETCH(QString, text);
        QFETCH(bool, error);
        QFETCH(int, justify);
        QFETCH(QString, shown);
        Numeron n;
        n.setDigitFormat(format);
        n.setDigitJustify(justify);
        n.setDigitError(error);
        n.setDigitDisplay(text);
        QCOMPARE(n.displayedText(), shown);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&n);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::StaticText);
        QCOMPARE(iface->text(QAccessible::Name), shown);
        QCOMPARE(iface->text(QAccessible::Value), shown);
    }

    // The host's reading comes before the face, a widget name before both;
    // clearing them brings back the one below, and the face follows the text.
    void readingPrecedence()
    {
        Numeron n;
        n.setDigitFormat(Numeron::dgLongTime);
        n.setDigitDisplay(QStringLiteral("9:05:10"));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&n);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("9:05:10"));
        n.setDigitAccessibleText(QStringLiteral("9:05:10 AM"));
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("9:05:10 AM"));
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("9:05:10"));
        n.setAccessibleName(QStringLiteral("Clock"));
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Clock"));
        n.setAccessibleName(QString());
        n.setDigitAccessibleText(QString());
        n.setDigitDisplay(QStringLiteral("9:05:11"));
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("9:05:11"));
        // Not among the saved properties: the host sets it with the text.
        for (const auto &entry : NumeronPrivate::get(&n)->writeProperties())
            QVERIFY(entry.first != QLatin1String("DigitAccessibleText"));
    }
};

HORAVOX_TEST_MAIN(TestNumeronAccessible)
#include "test_numeron_accessible.moc"
