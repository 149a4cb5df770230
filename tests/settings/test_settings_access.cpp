// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings window as a screen reader and a keyboard user meet it.
#include "core/program_state.h"
#include "fake_clock.h"
#include "fake_speech_engine.h"
#include "settings/settings_window.h"
#include "settings/time_box.h"
#include "settings/v_spinner.h"
#include "settings_test_support.h"
#include "test_main.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QSet>

using namespace horavox;
using namespace horavox_test;

namespace {

struct Rig
{
    ProgramState state;
    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 0, 30))};
    FakeSpeechEngine engine;
    RecordingMessageSink messages;
    Settings window{state, clock, engine, messages};
    Rig()
    {
        window.load();
        window.makeControls();
    }
    QAccessibleInterface *iface(const QString &name)
    {
        QWidget *w = window.findChild<QWidget *>(name);
        return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    }
};

} // namespace

class TestSettingsAccess : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // No two fields a screen reader can land on share a name.
    void namesAreDistinct()
    {
        Rig rig;
        QSet<QString> seen;
        QStringList duplicates;
        QList<QAccessibleInterface *> todo{QAccessible::queryAccessibleInterface(&rig.window)};
        while (!todo.isEmpty()) {
            QAccessibleInterface *i = todo.takeFirst();
            for (int c = 0; c < i->childCount(); ++c)
                todo << i->child(c);
            const QAccessible::Role r = i->role();
            const bool field = r == QAccessible::EditableText || r == QAccessible::RadioButton
                               || r == QAccessible::CheckBox || r == QAccessible::Slider || r == QAccessible::ScrollBar
                               || r == QAccessible::Button;
            if (!field)
                continue;
            const QString name = i->text(QAccessible::Name);
            if (name.isEmpty() || seen.contains(name))
                duplicates << QString::number(r) + QLatin1Char(':') + name;
            seen.insert(name);
        }
        QCOMPARE(duplicates, QStringList());
        QVERIFY(seen.contains(QStringLiteral("End minute down")));
    }

    void arrows_data()
    {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<int>("arrow");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shows");
        // The arrows step from what the boxes show: the default file's
        // 12 : 00 AM to 12 : 00 AM.
        QTest::newRow("start hour up") << "StartHrVscroll" << 0 << "Start hour up" << "StartHrText" << "1";
        QTest::newRow("start hour down") << "StartHrVscroll" << 1 << "Start hour down" << "StartHrText" << "11";
        QTest::newRow("start minute up") << "StartMinVscroll" << 0 << "Start minute up" << "StartMinText" << "01";
        QTest::newRow("end hour up wraps") << "EndHrVscroll" << 0 << "End hour up" << "EndHrText" << "1";
        QTest::newRow("end hour down") << "EndHrVscroll" << 1 << "End hour down" << "EndHrText" << "11";
        QTest::newRow("end minute up") << "EndMinVscroll" << 0 << "End minute up" << "EndMinText" << "01";
        QTest::newRow("end minute down wraps") << "EndMinVscroll" << 1 << "End minute down" << "EndMinText" << "59";
    }
    // Each arrow is a push button whose press steps the spinner exactly as a
    // click on that arrow does.
    void arrows()
    {
        QFETCH(QString, spinner);
        QFETCH(int, arrow);
        QFETCH(QString, name);
        QFETCH(QString, box);
        QFETCH(QString, shows);
        Rig rig;
        QAccessibleInterface *bar = rig.iface(spinner);
        QCOMPARE(bar->childCount(), 2);
        QAccessibleInterface *button = bar->child(arrow);
        QVERIFY(button);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), name);
        QCOMPARE(button->parent(), bar);
        QCOMPARE(bar->indexOfChild(button), arrow);
        QVERIFY(bar->child(arrow) == button); // kept, not made anew
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(rig.window.findChild<TimeBox *>(box)->text(), shows);
    }

    void spinnerValueAndDisabledArrows()
    {
        Rig rig;
        auto *spinner = rig.window.findChild<VSpinner *>(QStringLiteral("StartMinVscroll"));
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(spinner);
        QAccessibleValueInterface *value = bar->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->minimumValue().toInt(), -1);
        QCOMPARE(value->maximumValue().toInt(), 60);
        value->setCurrentValue(42);
        QCOMPARE(rig.window.findChild<TimeBox *>(QStringLiteral("StartMinText"))->text(), QStringLiteral("42"));
        QCOMPARE(value->currentValue().toInt(), 42);
        // Alarm mode disables the time window's controls: their arrows too.
        rig.window.findChild<QCheckBox *>(QStringLiteral("Check4"))->setChecked(true);
        QVERIFY(bar->child(0)->state().disabled);
        bar->child(0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        value->setCurrentValue(7);
        QCOMPARE(spinner->value(), 42);
    }

    void editingKeysInATimeBox_data()
    {
        QTest::addColumn<QList<QKeyCombination>>("keys");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("select all, then a digit replaces") << QList<QKeyCombination>{Qt::CTRL | Qt::Key_A, Qt::Key_7}
                                                          << "7" << "";
        QTest::newRow("select all, then backspace empties")
            << QList<QKeyCombination>{Qt::CTRL | Qt::Key_A, Qt::Key_Backspace} << "" << "";
        QTest::newRow("select all and copy") << QList<QKeyCombination>{Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_C}
                                             << "12" << "12";
        QTest::newRow("cut stays out") << QList<QKeyCombination>{Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_X} << "12"
                                       << "";
    }
    void editingKeysInATimeBox()
    {
        QFETCH(QList<QKeyCombination>, keys);
        QFETCH(QString, after);
        QFETCH(QString, clipboard);
        QGuiApplication::clipboard()->clear();
        TimeBox box;
        box.setText(QStringLiteral("12"));
        box.setCursorPosition(2);
        for (QKeyCombination k : keys)
            QTest::keyClick(&box, k.key(), k.keyboardModifiers());
        QCOMPARE(box.text(), after);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    }
};

HORAVOX_TEST_MAIN(TestSettingsAccess)
#include "test_settings_access.moc"
