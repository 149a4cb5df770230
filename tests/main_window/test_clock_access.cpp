// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window used without a mouse and read by a screen reader: real key
// events on the real widgets, and Qt's own accessibility interfaces.
#include "main_window/main_form.h"

#include "about/about_window.h"
#include "core/paths.h"
#include "clock_window_rig.h"
#include "main_window/clock_actions.h"
#include "skin/focus_glow.h"
#include "settings/settings_window.h"
#include "settings_control.h"
#include "test_main.h"
#include "main_form_parts.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSignalSpy>

using namespace horavox;
using namespace horavox_test;

namespace {

// One loaded main window on fakes, shown and active, interval 15 minutes.
struct Rig : ClockWindowRig
{
    int settingsShown = 0;
    QTimer settingsCloser;

    Rig()
    {
        form->show();
        form->activateWindow();
        // The settings window is modal: note that it opened and close it.
        settingsCloser.setInterval(5);
        QObject::connect(&settingsCloser, &QTimer::timeout, [this] {
            if (form->settingsWindow()->isVisible()) {
                ++settingsShown;
                form->settingsWindow()->reject();
            }
        });
        settingsCloser.start();
    }
    ~Rig()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<Form3 *>(w))
                w->close();
    }
    QWidget *part(const QString &name) { return form->findChild<QWidget *>(name); }
    bool active() { return QTest::qWaitForWindowActive(form.get()); }
    bool aboutOpen()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<Form3 *>(w) && w->isVisible())
                return true;
        return false;
    }
    // What the last input did; queued commands get the chance to run first.
    QString outcome(QSignalSpy &finished)
    {
        QTest::qWait(30);
        QStringList what;
        if (!media.played.isEmpty())
            what << QStringLiteral("spoke");
        if (settingsShown)
            what << QStringLiteral("settings");
        if (aboutOpen())
            what << QStringLiteral("about");
        if (form->isMinimized())
            what << QStringLiteral("minimized");
        if (finished.count())
            what << QStringLiteral("closed");
        return what.isEmpty() ? QStringLiteral("nothing") : what.join(QLatin1Char(' '));
    }
};

QStringList menuEntries(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions()) {
        if (a->isSeparator())
            out << (a->text().isEmpty() ? QStringLiteral("--") : QStringLiteral("-- ") + a->text());
        else
            out << a->text() + QLatin1Char('|') + a->shortcut().toString();
    }
    return out;
}

} // namespace

class TestClockAccess : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QDir(configDir()).removeRecursively(); }
    void keys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("outcome");
        const int none = Qt::NoModifier;
        QTest::newRow("space on the speak button") << "SpeakB" << int(Qt::Key_Space) << none << "spoke";
        QTest::newRow("enter on the speak button") << "SpeakB" << int(Qt::Key_Return) << none << "spoke";
        QTest::newRow("space on the slider") << "Spanbar1" << int(Qt::Key_Space) << none << "spoke";
        QTest::newRow("keypad enter on the slider")
            << "Spanbar1" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "spoke";
        QTest::newRow("space on the settings button") << "SettingsB" << int(Qt::Key_Space) << none << "settings";
        QTest::newRow("enter on the settings button") << "SettingsB" << int(Qt::Key_Return) << none << "settings";
        QTest::newRow("ctrl comma") << "SpeakB" << int(Qt::Key_Comma) << int(Qt::ControlModifier) << "settings";
        QTest::newRow("S") << "Spanbar1" << int(Qt::Key_S) << none << "settings";
        QTest::newRow("F1") << "SpeakB" << int(Qt::Key_F1) << none << "about";
        QTest::newRow("question mark") << "SpeakB" << int(Qt::Key_Question) << none << "about";
        QTest::newRow("space on the about button") << "QuesB" << int(Qt::Key_Space) << none << "about";
        QTest::newRow("ctrl M") << "SpeakB" << int(Qt::Key_M) << int(Qt::ControlModifier) << "minimized";
        QTest::newRow("space on minimize") << "Min" << int(Qt::Key_Space) << none << "minimized";
        QTest::newRow("ctrl Q") << "Spanbar1" << int(Qt::Key_Q) << int(Qt::ControlModifier) << "closed";
        QTest::newRow("alt F4") << "SpeakB" << int(Qt::Key_F4) << int(Qt::AltModifier) << "closed";
        QTest::newRow("space on close") << "CloseB" << int(Qt::Key_Space) << none << "closed";
        QTest::newRow("a letter with no meaning") << "SpeakB" << int(Qt::Key_X) << none << "nothing";
        QTest::newRow("shift space is no click") << "SettingsB" << int(Qt::Key_Space) << int(Qt::ShiftModifier)
                                                 << "nothing";
    }
    void keys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, outcome);
        Rig rig;
        QVERIFY(rig.active());
        QSignalSpy finished(rig.form.get(), &MainForm::finished);
        QWidget *target = rig.part(focus);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(rig.outcome(finished), outcome);
        if (outcome == QLatin1String("closed"))
            QCOMPARE(finished.count(), 1);
    }

    // A held Space shows the pressed picture until it comes up, as the mouse
    // does; the action runs on the release.
    void spaceHeldOnAButton()
    {
        Rig rig;
        QVERIFY(rig.active());
        const QImage released = formPart<PictureButton>(*rig.form, "SpeakB")->pixmap().toImage();
        formPart<PictureButton>(*rig.form, "SpeakB")->setFocus(Qt::TabFocusReason);
        QTest::keyPress(formPart<PictureButton>(*rig.form, "SpeakB"), Qt::Key_Space);
        QVERIFY(formPart<PictureButton>(*rig.form, "SpeakB")->pixmap().toImage() != released);
        QVERIFY(rig.media.played.isEmpty());
        QTest::keyRelease(formPart<PictureButton>(*rig.form, "SpeakB"), Qt::Key_Space);
        QCOMPARE(formPart<PictureButton>(*rig.form, "SpeakB")->pixmap().toImage(), released);
        QCOMPARE(rig.media.played.size(), 5);
    }

    void sliderKeys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("reading"); // the slider's value, as a screen reader says it
        QTest::newRow("right on the speak button") << "SpeakB" << QList<int>{Qt::Key_Right} << 16 << "16 minutes";
        QTest::newRow("left on the slider") << "Spanbar1" << QList<int>{Qt::Key_Left} << 14 << "14 minutes";
        QTest::newRow("plus and minus on close") << "CloseB" << QList<int>{Qt::Key_Plus, Qt::Key_Plus, Qt::Key_Minus}
                                                 << 16 << "16 minutes";
        QTest::newRow("page up on settings") << "SettingsB" << QList<int>{Qt::Key_PageUp} << 20 << "20 minutes";
        QTest::newRow("page down on about") << "QuesB" << QList<int>{Qt::Key_PageDown} << 10 << "10 minutes";
        QTest::newRow("home") << "SpeakB" << QList<int>{Qt::Key_Home} << 0 << "no announcements";
        QTest::newRow("one above home") << "Numeron1" << QList<int>{Qt::Key_Home, Qt::Key_Right} << 1 << "1 minute";
        QTest::newRow("end") << "Min" << QList<int>{Qt::Key_End} << 60 << "60 minutes";
    }
    // The slider's keys work wherever the focus is on the clock, and set the
    // interval as a release of the pointer does. The digits keep the minutes
    // a moment after the key, as they do while the pointer is held, until a
    // clock tick after that moment.
    void sliderKeys()
    {
        QFETCH(QString, focus);
        QFETCH(QList<int>, keys);
        QFETCH(int, interval);
        QFETCH(QString, reading);
        Rig rig;
        QVERIFY(rig.active());
        QWidget *target = rig.part(focus);
        target->setFocus(Qt::TabFocusReason);
        for (int k : keys)
            QTest::keyClick(target, Qt::Key(k));
        QCOMPARE(int(rig.form->state().AnnounceInterval), interval);
        QCOMPARE(int(formPart<Spanbar>(*rig.form, "Spanbar1")->RangeLeft()), interval);
        QCOMPARE(QAccessible::queryAccessibleInterface(formPart<Spanbar>(*rig.form, "Spanbar1"))->text(QAccessible::Value), reading);
        auto minutesShown = [&] {
            return formPart<Numeron>(*rig.form, "Numeron1")->DigitFormat() == Numeron::dgDecimal
                && formPart<Numeron>(*rig.form, "Numeron1")->DigitDisplay() == QString::number(interval) && formPart<QLabel>(*rig.form, "Label1")->text().isEmpty();
        };
        QVERIFY(minutesShown());
        rig.clock.advanceMs(MainForm::kKeyMinutesShownMs - 1);
        rig.form->Timer1_Timer();
        QVERIFY(minutesShown());
        rig.clock.advanceMs(1);
        rig.form->Timer1_Timer();
        QCOMPARE(int(formPart<Numeron>(*rig.form, "Numeron1")->DigitFormat()), int(Numeron::dgLongTime));
        QCOMPARE(formPart<QLabel>(*rig.form, "Label1")->text(), QStringLiteral("AM"));
        QVERIFY(rig.media.played.isEmpty());
    }

    // While the key is held the display shows the minutes and says so; the
    // release brings the time back; in alarm mode the release starts the
    // alarm period as a pointer release does.
    void sliderKeyHeldInAlarmMode()
    {
        Rig rig;
        QVERIFY(rig.active());
        settingsControl<QCheckBox>(rig.form->settingsWindow(), "Check4")->click();
        QVERIFY(!rig.form->timer3Active());
        QAccessibleInterface *display = QAccessible::queryAccessibleInterface(formPart<Numeron>(*rig.form, "Numeron1"));
        QCOMPARE(display->text(QAccessible::Name), QStringLiteral("9:05 AM"));
        QTest::keyPress(formPart<PictureButton>(*rig.form, "SpeakB"), Qt::Key_Right);
        QCOMPARE(int(formPart<Numeron>(*rig.form, "Numeron1")->DigitFormat()), int(Numeron::dgDecimal));
        QCOMPARE(formPart<Numeron>(*rig.form, "Numeron1")->DigitDisplay(), QStringLiteral("16"));
        QCOMPARE(display->text(QAccessible::Name), QStringLiteral("16 minutes"));
        QCOMPARE(formPart<QLabel>(*rig.form, "Label2")->text(), QStringLiteral("6"));
        QCOMPARE(int(rig.form->state().AnnounceInterval), 15);
        QTest::keyRelease(formPart<PictureButton>(*rig.form, "SpeakB"), Qt::Key_Right);
        QCOMPARE(int(rig.form->state().AnnounceInterval), 16);
        QVERIFY(rig.form->timer3Active());
        QCOMPARE(rig.form->AlarmStartStamp(), QStringLiteral("9:05:00AM"));
        rig.clock.advanceSecs(2);
        rig.form->Timer1_Timer();
        QCOMPARE(display->text(QAccessible::Name), QStringLiteral("9:05 AM"));
        QCOMPARE(QAccessible::queryAccessibleInterface(formPart<QLabel>(*rig.form, "Label2"))->text(QAccessible::Name),
                 QStringLiteral("Alarm mode on"));
    }

    void tabOrderAndGlow()
    {
        Rig rig;
        QVERIFY(rig.active());
        auto *glow = rig.form->findChild<FocusGlow *>();
        QVERIFY(glow);
        QStringList order{QApplication::focusWidget()->objectName()};
        QVERIFY(glow->isVisible());
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focused = QApplication::focusWidget();
            order << focused->objectName();
            // The glow is just around what has the focus and behind it.
            QCOMPARE(glow->target(), focused);
            QVERIFY(glow->isVisible());
            const QRect drawn = focused->childrenRect().isEmpty() ? focused->rect() : focused->childrenRect();
            QCOMPARE(glow->geometry(),
                     drawn.translated(focused->pos()).adjusted(-FocusGlow::kReach, -FocusGlow::kReach,
                                                               FocusGlow::kReach, FocusGlow::kReach));
        }
        // The time first, where a screen reader starts reading the clock.
        QCOMPARE(order, QStringList({"Numeron1", "SpeakB", "Spanbar1", "SettingsB", "QuesB", "Min", "CloseB",
                                     "Numeron1"}));
        // A click takes the focus too.
        QTest::mousePress(formPart<PictureButton>(*rig.form, "Min"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), formPart<PictureButton>(*rig.form, "Min"));
        QTest::mouseRelease(formPart<PictureButton>(*rig.form, "Min"), Qt::LeftButton);
        // No glow on a window that is not the active one.
        rig.form->showMinimized();
        QApplication::setActiveWindow(nullptr);
        QTRY_VERIFY(!glow->isVisible());
    }

    void rightClickMenu_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QPoint>("dragBy");
        QTest::addColumn<bool>("menu");
        QTest::newRow("digits") << "Numeron1" << QPoint() << true;
        QTest::newRow("lamp") << "SheerPicture2" << QPoint() << true;
        QTest::newRow("half of the day") << "Label1" << QPoint() << true;
        QTest::newRow("a twitch is still a click") << "Numeron1" << QPoint(1, 1) << true;
        QTest::newRow("a right drag moves the clock") << "Numeron1" << QPoint(30, 12) << false;
        QTest::newRow("speak button acts instead") << "SpeakB" << QPoint() << false;
        QTest::newRow("about button acts instead") << "QuesB" << QPoint() << false;
        QTest::newRow("slider keeps its pointer") << "Spanbar1" << QPoint() << false;
    }
    void rightClickMenu()
    {
        QFETCH(QString, where);
        QFETCH(QPoint, dragBy);
        QFETCH(bool, menu);
        Rig rig;
        QVERIFY(rig.active());
        QWidget *target = rig.part(where);
        const QPoint placed = rig.form->pos();
        // As the window system delivers a right click: the press, then the
        // request for a menu at the same place, then the release; a drag
        // moves in between.
        const QPoint at(3, 3);
        QTest::mousePress(target, Qt::RightButton, {}, at);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QCoreApplication::sendEvent(target, &request);
        if (!dragBy.isNull()) {
            QMouseEvent move(QEvent::MouseMove, QPointF(at + dragBy), QPointF(target->mapToGlobal(at + dragBy)),
                             Qt::NoButton, Qt::RightButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &move);
        }
        QTest::mouseRelease(target, Qt::RightButton, {}, at + dragBy);
        if (menu)
            QTRY_VERIFY(QApplication::activePopupWidget());
        else
            QTest::qWait(50);
        QMenu *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (dragBy.manhattanLength() > QApplication::startDragDistance())
            QCOMPARE(rig.form->pos(), placed + dragBy);
        QCOMPARE(popup != nullptr, menu);
        if (!popup) {
            // The skin buttons act on every mouse button; the slider keeps
            // the press on its pointer, and the window was not dragged.
            QCOMPARE(rig.media.played.size(), where == QLatin1String("SpeakB") ? 5 : 0);
            return;
        }
        QCOMPARE(menuEntries(popup), QStringList({"Say the time|Space", "Settings…|Ctrl+,", "About Horavox|F1", "--",
                                                  "Minimize|Ctrl+M", "Close|Ctrl+Q"}));
        // Choosing an entry runs the command once the menu has closed.
        popup->actions().first()->trigger();
        popup->close();
        QTRY_COMPARE(rig.media.played.size(), 5);
    }

    // Another part of the program adds its commands as a section; the menu
    // is built anew for each opening, so later changes show.
    void menuSections()
    {
        Rig rig;
        QVERIFY(rig.active());
        ClockActions *actions = rig.form->clockActions();
        QVERIFY(actions);
        QAction mute(QStringLiteral("Mute for 15 minutes…"));
        auto *skip = new QAction(QStringLiteral("Skip the next announcement"));
        actions->addSection(QStringLiteral("Quiet"), {&mute, skip});
        QSignalSpy shown(actions, &ClockActions::aboutToShowMenu);
        QContextMenuEvent byKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QCoreApplication::sendEvent(formPart<PictureButton>(*rig.form, "SpeakB"), &byKey);
        QMenu *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(popup);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(menuEntries(popup).mid(6), QStringList({"-- Quiet", "Mute for 15 minutes…|",
                                                         "Skip the next announcement|"}));
        popup->close();
        delete skip;
        mute.setEnabled(false);
        QContextMenuEvent again(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QCoreApplication::sendEvent(formPart<PictureButton>(*rig.form, "SpeakB"), &again);
        popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(popup);
        QCOMPARE(menuEntries(popup).mid(6), QStringList({"-- Quiet", "Mute for 15 minutes…|"}));
        QVERIFY(!popup->actions().last()->isEnabled());
        popup->close();
    }

};

HORAVOX_TEST_MAIN(TestClockAccess)
#include "test_clock_access.moc"
