// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The range slider driven without a mouse: by keys and by assistive
// technology through Qt's accessibility interfaces.
#include "spanbar_p.h"
#include "test_main.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QKeyEvent>
#include <QSignalSpy>
#include <memory>

namespace {

// One step of a scripted keyboard session: a key going down or up (possibly
// a repeat of a held key), or the focus leaving.
struct KeyStep
{
    enum Kind { Press, Release, RepeatPress, RepeatRelease, FocusOut } kind;
    int key = Qt::Key_Right;
    Qt::KeyboardModifiers mods = Qt::NoModifier;
};

// The events the slider raises, in order: "D<button>/<shift>" for MouseDown,
// "U..." for MouseUp and the left value for Changed.
struct EventLog
{
    QStringList entries;
    explicit EventLog(Spanbar *bar)
    {
        QObject::connect(bar, &Spanbar::MouseDown, bar, [this](qint16 b, qint16 s, float x, float y) {
            entries << QStringLiteral("D%1/%2@%3,%4").arg(b).arg(s).arg(x).arg(y);
        });
        QObject::connect(bar, &Spanbar::MouseUp, bar, [this](qint16 b, qint16 s, float, float) {
            entries << QStringLiteral("U%1/%2").arg(b).arg(s);
        });
        QObject::connect(bar, &Spanbar::Changed, bar, [this](qint16 l, qint16) { entries << QString::number(l); });
    }
    QString joined() const { return entries.join(QLatin1Char(' ')); }
};

void send(Spanbar *bar, const KeyStep &step)
{
    if (step.kind == KeyStep::FocusOut) {
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(bar, &out);
        return;
    }
    const bool press = step.kind == KeyStep::Press || step.kind == KeyStep::RepeatPress;
    const bool repeat = step.kind == KeyStep::RepeatPress || step.kind == KeyStep::RepeatRelease;
    QKeyEvent e(press ? QEvent::KeyPress : QEvent::KeyRelease, step.key, step.mods, QString(), repeat);
    QCoreApplication::sendEvent(bar, &e);
}

} // namespace

Q_DECLARE_METATYPE(QList<KeyStep>)

class TestSpanbarKeyboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keySteps_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("initial");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QList<int>>("lefts");
        QTest::newRow("right") << 60 << 450 << QList<int>{Qt::Key_Right} << QList<int>{16};
        QTest::newRow("left") << 60 << 450 << QList<int>{Qt::Key_Left} << QList<int>{14};
        QTest::newRow("minus plus equal") << 60 << 450 << QList<int>{Qt::Key_Minus, Qt::Key_Plus, Qt::Key_Equal}
                                          << QList<int>{14, 15, 16};
        QTest::newRow("up down") << 60 << 450 << QList<int>{Qt::Key_Up, Qt::Key_Down, Qt::Key_Down}
                                 << QList<int>{16, 15, 14};
        QTest::newRow("page up and down") << 60 << 450 << QList<int>{Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_PageDown}
                                          << QList<int>{20, 15, 10};
        QTest::newRow("home") << 60 << 900 << QList<int>{Qt::Key_Home} << QList<int>{0};
        QTest::newRow("end") << 60 << 900 << QList<int>{Qt::Key_End} << QList<int>{60};
        QTest::newRow("page down below zero stops at 0") << 60 << 90 << QList<int>{Qt::Key_PageDown} << QList<int>{0};
        QTest::newRow("left at zero stays") << 60 << 0 << QList<int>{Qt::Key_Left} << QList<int>{0};
        QTest::newRow("right at the stop stays") << 60 << 1800 << QList<int>{Qt::Key_Right, Qt::Key_PageUp}
                                                 << QList<int>{60, 60};
        QTest::newRow("between two values moves to the next whole one") << 60 << 907 << QList<int>{Qt::Key_Right}
                                                                        << QList<int>{31};
        QTest::newRow("off the track comes back to the stop") << 60 << 3000 << QList<int>{Qt::Key_Left}
                                                               << QList<int>{60};
        QTest::newRow("left of the track comes back to 0") << 60 << -300 << QList<int>{Qt::Key_Right}
                                                           << QList<int>{0};
        QTest::newRow("wider range") << 120 << 0 << QList<int>{Qt::Key_Right, Qt::Key_End, Qt::Key_Left}
                                     << QList<int>{1, 120, 119};
        QTest::newRow("zero range") << 0 << 0 << QList<int>{Qt::Key_Right, Qt::Key_End, Qt::Key_Home}
                                    << QList<int>{0, 0, 0};
    }
    // Every key is a short drag: MouseDown, the step, MouseUp.
    void keySteps()
    {
        QFETCH(int, range);
        QFETCH(int, initial);
        QFETCH(QList<int>, keys);
        QFETCH(QList<int>, lefts);
        Spanbar bar;
        bar.setRange(qint16(range));
        bar.setInitial(qint16(initial));
        EventLog log(&bar);
        QStringList expected;
        for (int i = 0; i < keys.size(); ++i) {
            QTest::keyClick(&bar, Qt::Key(keys.at(i)));
            expected << QStringLiteral("D0/0@0,0") << QString::number(lefts.at(i)) << QStringLiteral("U0/0");
        }
        QCOMPARE(log.joined(), expected.join(QLatin1Char(' ')));
        QCOMPARE(int(bar.RangeLeft()), lefts.last());
        // The pointer stays on the track.
        const SpanbarPrivate *parts = SpanbarPrivate::get(&bar);
        QVERIFY(parts->leftPointerPosition() >= 0.0f);
        QVERIFY(parts->leftPointerPosition() <= parts->rightPointerPosition() - SpanbarPrivate::PointerWidth);
    }

    void keySessions_data()
    {
        QTest::addColumn<QList<KeyStep>>("steps");
        QTest::addColumn<QString>("events");
        using K = KeyStep;
        QTest::newRow("held key repeats within one drag")
            << QList<K>{{K::Press}, {K::RepeatRelease}, {K::RepeatPress}, {K::RepeatRelease}, {K::RepeatPress},
                        {K::Release}}
            << "D0/0@0,0 16 17 18 U0/0";
        QTest::newRow("focus lost while held ends the drag")
            << QList<K>{{K::Press}, {K::RepeatRelease}, {K::RepeatPress}, {K::FocusOut}}
            << "D0/0@0,0 16 17 U0/0";
        QTest::newRow("release after focus lost raises nothing more")
            << QList<K>{{K::Press}, {K::FocusOut}, {K::Release}} << "D0/0@0,0 16 U0/0";
        QTest::newRow("two keys held together make one drag")
            << QList<K>{{K::Press, Qt::Key_Right}, {K::Press, Qt::Key_PageUp}, {K::Release, Qt::Key_PageUp},
                        {K::Release, Qt::Key_Right}}
            << "D0/0@0,0 16 21 U0/0";
        QTest::newRow("modifiers are reported")
            << QList<K>{{K::Press, Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier},
                        {K::Release, Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier}}
            << "D0/3@0,0 14 U0/3";
        QTest::newRow("other keys are left alone")
            << QList<K>{{K::Press, Qt::Key_A}, {K::Release, Qt::Key_A}, {K::Press, Qt::Key_Space},
                        {K::Release, Qt::Key_Space}, {K::FocusOut}}
            << "";
    }
    void keySessions()
    {
        QFETCH(QList<KeyStep>, steps);
        QFETCH(QString, events);
        Spanbar bar;
        bar.setInitial(450);
        EventLog log(&bar);
        for (const KeyStep &s : steps)
            send(&bar, s);
        QCOMPARE(log.joined(), events);
    }

    void accessibleSlider()
    {
        Spanbar bar;
        bar.setAccessibleName(QStringLiteral("Interval"));
        bar.setInitial(450);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&bar);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Slider);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Interval"));
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Set Time Interval"));
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("15"));
        QCOMPARE(iface->childCount(), 0);
        QAccessibleValueInterface *value = iface->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toInt(), 15);
        QCOMPARE(value->minimumValue().toInt(), 0);
        QCOMPARE(value->maximumValue().toInt(), 60);
        QCOMPARE(value->minimumStepSize().toInt(), 1);
        bar.setRange(120);
        QCOMPARE(value->maximumValue().toInt(), 120);
        QCOMPARE(value->currentValue().toInt(), 30);
        bar.setAccessibleDescription(QStringLiteral("Minutes between announcements"));
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Minutes between announcements"));
        // The host says what the value means; the number stays the value.
        bar.setValueReading([](int v) { return QStringLiteral("%1 of them").arg(v); });
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("30 of them"));
        QTest::keyClick(&bar, Qt::Key_Right);
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("31 of them"));
        QCOMPARE(value->currentValue().toInt(), 31);
        bar.setValueReading({});
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("31"));
    }

    void accessibleValueSet_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("events");
        QTest::newRow("inside") << 20 << "D0/0@0,0 20 U0/0";
        QTest::newRow("same value still a press and release") << 15 << "D0/0@0,0 15 U0/0";
        QTest::newRow("above the range held at the stop") << 99 << "D0/0@0,0 60 U0/0";
        QTest::newRow("below zero held at 0") << -4 << "D0/0@0,0 0 U0/0";
    }
    void accessibleValueSet()
    {
        QFETCH(int, value);
        QFETCH(QString, events);
        Spanbar bar;
        bar.setInitial(450);
        EventLog log(&bar);
        QAccessible::queryAccessibleInterface(&bar)->valueInterface()->setCurrentValue(value);
        QCOMPARE(log.joined(), events);
    }
};

HORAVOX_TEST_MAIN(TestSpanbarKeyboard)
#include "test_spanbar_keyboard.moc"
