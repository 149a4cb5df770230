// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/time_box.h"
#include "test_main.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace horavox;

class TestTimeBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typing_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("digits") << "" << "12" << "12";
        QTest::newRow("single digit stays unpadded") << "" << "7" << "7";
        QTest::newRow("third digit is held back") << "" << "123" << "12";
        QTest::newRow("full stop") << "1" << "." << "1";
        QTest::newRow("letter") << "1" << "a" << "1";
        QTest::newRow("blank") << "1" << " " << "1";
        QTest::newRow("minus") << "" << "-5" << "5";
        QTest::newRow("colon") << "9" << ":" << "9";
    }
    void typing()
    {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        TimeBox box;
        box.setText(before);
        box.setCursorPosition(before.size());
        QTest::keyClicks(&box, typed);
        QCOMPARE(box.text(), after);
    }

    void nonAsciiDigitIsNotADigit()
    {
        TimeBox box;
        QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QStringLiteral("\u0663"), Qt::NoModifier);
        QCOMPARE(box.text(), QString());
        QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QStringLiteral("4"), Qt::NoModifier);
        QCOMPARE(box.text(), QStringLiteral("4"));
    }

    void controlKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after");
        QTest::newRow("Backspace passes") << int(Qt::Key_Backspace) << "1";
        QTest::newRow("Escape passes, changes nothing") << int(Qt::Key_Escape) << "12";
        QTest::newRow("Enter passes, changes nothing") << int(Qt::Key_Return) << "12";
        QTest::newRow("Left moves only") << int(Qt::Key_Left) << "12";
    }
    void controlKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, after);
        TimeBox box;
        box.setText(QStringLiteral("12"));
        box.setCursorPosition(2);
        QTest::keyClick(&box, Qt::Key(key));
        QCOMPARE(box.text(), after);
    }

    void digitReplacesSelectionInFullBox()
    {
        TimeBox box;
        box.setText(QStringLiteral("12"));
        box.selectAll();
        QTest::keyClick(&box, '7');
        QCOMPARE(box.text(), QStringLiteral("7"));
    }

    void deleteThenTypeInFullBox()
    {
        TimeBox box;
        box.setText(QStringLiteral("12"));
        box.setCursorPosition(2);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QTest::keyClick(&box, '5');
        QCOMPARE(box.text(), QStringLiteral("15"));
    }

    void noPasteByKeyboard()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("9.5x"));
        TimeBox box;
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(box.text(), QString());
    }

    void programTextIsNotFiltered()
    {
        TimeBox box;
        box.setText(QStringLiteral("123"));
        QCOMPARE(box.text(), QStringLiteral("123"));
        box.setText(QStringLiteral("a."));
        QCOMPARE(box.text(), QStringLiteral("a."));
    }

    void filterAloneDecidesByCharacter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("passes");
        QTest::newRow("0") << int(Qt::Key_0) << "0" << 0 << true;
        QTest::newRow("9 with one char") << int(Qt::Key_9) << "9" << 1 << true;
        QTest::newRow("9 with two chars") << int(Qt::Key_9) << "9" << 2 << false;
        QTest::newRow("backspace code") << int(Qt::Key_Backspace) << "\b" << 2 << true;
        QTest::newRow("escape code") << int(Qt::Key_Escape) << "\x1b" << 2 << true;
        QTest::newRow("enter code") << int(Qt::Key_Return) << "\r" << 2 << true;
        QTest::newRow("full stop") << int(Qt::Key_Period) << "." << 0 << false;
        QTest::newRow("control-A") << int(Qt::Key_A) << "\x01" << 0 << false;
        QTest::newRow("no character") << int(Qt::Key_Home) << "" << 2 << true;
    }
    void filterAloneDecidesByCharacter()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(bool, passes);
        const QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCOMPARE(TimeBox::keyPasses(e, length, 0), passes);
    }
};

HORAVOX_TEST_MAIN(TestTimeBox)
#include "test_time_box.moc"
