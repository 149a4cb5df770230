// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The quiet-time actions any menu can offer, the tray icon's menu and the
// window of choices, driven as a user drives them.
#include "quiet/quiet_actions.h"
#include "quiet/quiet_controller.h"
#include "quiet/quiet_dialog.h"
#include "quiet/quiet_tray.h"

#include "core/paths.h"
#include "fake_clock.h"
#include "test_main.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>

using namespace horavox;
using namespace horavox_test;

namespace {
const QDateTime kNow(QDate(2026, 12, 7), QTime(10, 2, 10));
} // namespace

class TestQuietUi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QDir(configDir()).removeRecursively();
        // Weeks start on Monday here, whatever the machine's locale.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    void actions_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("status"); // afterwards
        QTest::addColumn<bool>("unmuteEnabled");
        QTest::newRow("mute 15") << "Mute for 15 minutes" << "next: none (the interval is 0; muted until 10:17 AM)" << true;
        QTest::newRow("mute 60") << "Mute for 1 hour" << "next: none (the interval is 0; muted until 11:02 AM)" << true;
        QTest::newRow("until tomorrow") << "Mute until tomorrow"
                                        << "next: none (the interval is 0; muted until tomorrow 12:00 AM)" << true;
        QTest::newRow("unmute after a mute") << "Unmute" << "next: none (the interval is 0)" << false;
    }
    void actions()
    {
        QFETCH(QString, action);
        QFETCH(QString, status);
        QFETCH(bool, unmuteEnabled);
        FakeClock clock(kNow);
        QuietController controller(clock);
        QuietActions actions(controller);
        QVERIFY(!actions.unmuteAction()->isEnabled());
        if (action == QLatin1String("Unmute"))
            actions.mute60Action()->trigger();
        QMenu menu;
        actions.addTo(&menu);
        const QList<QAction *> offered = menu.actions();
        const auto it = std::find_if(offered.begin(), offered.end(), [&](QAction *x) { return x->text() == action; });
        QVERIFY(it != offered.end());
        QAction *a = *it;
        a->trigger();
        QCOMPARE(actions.statusAction()->text(), status);
        QCOMPARE(actions.unmuteAction()->isEnabled(), unmuteEnabled);
    }

    void skipIsATickThatCanBeTakenBack()
    {
        FakeClock clock(kNow);
        QuietController controller(clock);
        QuietActions actions(controller);
        actions.skipNextAction()->trigger();
        QVERIFY(controller.gate().skipNext());
        QVERIFY(actions.skipNextAction()->isChecked());
        actions.skipNextAction()->trigger();
        QVERIFY(!controller.gate().skipNext());
        // A skip used up by the scheduler takes the tick away.
        actions.skipNextAction()->trigger();
        QVERIFY(!controller.gate().admitDueMinute());
        QVERIFY(!actions.skipNextAction()->isChecked());
    }

    void trayMenuAndToolTip()
    {
        FakeClock clock(kNow);
        QuietController controller(clock);
        QuietActions actions(controller);
        QuietTray tray(controller, actions, QIcon(QStringLiteral(":/ICON/horavox")));
        QAction chimes(QStringLiteral("Chimes\u2026"));
        tray.addAction(&chimes);
        QStringList items;
        for (QAction *a : tray.menu()->actions())
            items << (a->isSeparator() && a->text().isEmpty() ? QStringLiteral("|") : a->text());
        QCOMPARE(items, QStringList({"Say the time", "Settings\u2026", "Hide the clock", "Quiet",
                                     "next: none (the interval is 0)", "Mute for 15 minutes", "Mute for 1 hour",
                                     "Mute until tomorrow", "Skip the next announcement", "Unmute", "|",
                                     "Quiet times and voice\u2026", "Chimes\u2026", "|", "Quit"}));
        QCOMPARE(tray.toolTip(), QStringLiteral("Horavox\nnext: none (the interval is 0)"));
        actions.mute60Action()->trigger();
        QCOMPARE(tray.toolTip(), QStringLiteral("Horavox\nnext: none (the interval is 0; muted until 11:02 AM)"));
        tray.setClockShown(false);
        QCOMPARE(tray.showHideAction()->text(), QStringLiteral("Show the clock"));
    }

    void dialogByKeyboard_data()
    {
        QTest::addColumn<QString>("keys");   // a mnemonic, or Tab presses from the first day
        QTest::addColumn<QString>("focused");
        QTest::newRow("Alt+O: volume") << "alt+o" << "Volume";
        QTest::newRow("Alt+C: calls") << "alt+c" << "calls";
        QTest::newRow("Alt+D: do not disturb") << "alt+d" << "dnd";
        QTest::newRow("Alt+P: pause media") << "alt+p" << "pause";
        QTest::newRow("Alt+K: clock") << "alt+k" << "clock";
        // Past the days, the voice and the language, which offer nothing yet.
        QTest::newRow("seven tabs: the clock") << "tab7" << "clock";
        QTest::newRow("eight tabs: volume") << "tab8" << "Volume";
        QTest::newRow("eleven tabs: the last choice") << "tab11" << "pause";
        QTest::newRow("twelve tabs: Close") << "tab12" << "Close";
    }
    void dialogByKeyboard()
    {
        QFETCH(QString, keys);
        QFETCH(QString, focused);
        FakeClock clock(kNow);
        QuietController controller(clock);
        QuietDialog dialog(controller);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.dayBox(Qt::Monday)->setFocus();
        if (keys.startsWith(QLatin1String("alt+")))
            QTest::keyClick(&dialog, keys.back().toLatin1(), Qt::AltModifier);
        for (int i = 0; keys.startsWith(QLatin1String("tab")) && i < keys.mid(3).toInt(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *expected = focused == QLatin1String("Volume") ? static_cast<QWidget *>(dialog.volumeSlider())
                            : focused == QLatin1String("calls") ? dialog.callsBox()
                            : focused == QLatin1String("dnd")   ? dialog.dndBox()
                            : focused == QLatin1String("pause") ? dialog.pauseMediaBox()
                            : focused == QLatin1String("clock") ? dialog.clockBox()
                                                                : static_cast<QWidget *>(dialog.findChild<QPushButton *>());
        QCOMPARE(QApplication::focusWidget(), expected);
    }

    void dialogEditsThePreferences()
    {
        FakeClock clock(kNow);
        QuietController controller(clock);
        QuietDialog dialog(controller);
        QSignalSpy volume(&controller, &QuietController::volumeChanged);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.volumeSlider()->setFocus();
        QTest::keyClick(dialog.volumeSlider(), Qt::Key_PageDown);
        QCOMPARE(dialog.volumeValue()->text(), QStringLiteral("90 %"));
        QCOMPARE(volume.count(), 1);
        QTest::mouseClick(dialog.dayBox(Qt::Saturday), Qt::LeftButton);
        QTest::mouseClick(dialog.dayBox(Qt::Sunday), Qt::LeftButton);
        QTest::keyClick(&dialog, 'p', Qt::AltModifier);
        QTRY_VERIFY(controller.preferences().pauseMedia); // a mnemonic clicks a moment later
        const QuietPreferences &p = controller.preferences();
        QCOMPARE(p.volume, 90);
        QCOMPARE(p.weekdays, quint8(0x1f));
        // The voice list, once filled, stores the choice.
        QVERIFY(!dialog.voiceBox()->isEnabled());
        dialog.setVoiceChoices({{"flite/kal", "English (US), male"}, {"espeak-ng/en", "English (GB)"}});
        dialog.voiceBox()->setCurrentIndex(2);
        QCOMPARE(controller.preferences().voice, QStringLiteral("espeak-ng/en"));
        // It chooses the text-to-speech voice only, and says so to every reader.
        QAccessibleInterface *voice = QAccessible::queryAccessibleInterface(dialog.voiceBox());
        QStringList labels;
        for (const auto &relation : voice->relations(QAccessible::Label))
            labels << relation.first->text(QAccessible::Name);
        QVERIFY2(labels.contains(QStringLiteral("Text-to-speech voice:")), qPrintable(labels.join(QLatin1Char('|'))));
        QVERIFY(voice->text(QAccessible::Description).contains(QLatin1String("\"Say using TTS\"")));
        // Escape closes; the changes are written.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(controller.flush());
        QCOMPARE(quiet_preferences::load(quiet_preferences::path()).voice, QStringLiteral("espeak-ng/en"));
    }
};

HORAVOX_TEST_MAIN(TestQuietUi)
#include "test_quiet_ui.moc"
