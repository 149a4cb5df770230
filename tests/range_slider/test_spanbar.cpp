// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spanbar_p.h"
#include "test_main.h"

#include <QSignalSpy>
#include <functional>
#include <memory>

// Mouse positions below are whole pixels; at the offscreen platform's 96 dpi
// one pixel is 15 twips.
namespace {

constexpr int Twips = 15;

struct Slider
{
    std::unique_ptr<Spanbar> bar = std::make_unique<Spanbar>();
    QWidget *track = bar->findChild<QWidget *>(QStringLiteral("PicFrame"));
    QWidget *left = bar->findChild<QWidget *>(QStringLiteral("PicLeft"));
    QWidget *right = bar->findChild<QWidget *>(QStringLiteral("PicRight"));

    Slider()
    {
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
    }

    // The platform keeps delivering moves to the pointer that took the press,
    // relative to wherever the pointer is now; this does the same for a
    // mouse standing at `trackX` on the track.
    void moveLeftTo(int trackX, int y = 10)
    {
        QTest::mouseMove(left, QPoint(trackX - left->x(), y));
    }
};

QList<qint16> lefts(const QSignalSpy &spy)
{
    QList<qint16> out;
    for (const QList<QVariant> &args : spy)
        out << args.at(0).value<qint16>();
    return out;
}

using Setter = std::function<void(Spanbar &)>;

} // namespace

Q_DECLARE_METATYPE(Setter)

class TestSpanbar : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        // A failed check can leave a simulated button down; the next test
        // must start with none.
        QTestPrivate::qtestMouseButtons = Qt::NoButton;
    }

    void startUp()
    {
        auto bar = std::make_unique<Spanbar>();
        QSignalSpy changed(bar.get(), &Spanbar::Changed);
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
        QCoreApplication::processEvents();
        QCOMPARE(changed.count(), 0);
        QCOMPARE(bar->Range(), qint16(60));
        QCOMPARE(bar->RangeLeft(), qint16(0));
        QCOMPARE(bar->RangeRight(), qint16(60));
        QCOMPARE(SpanbarPrivate::get(bar.get())->leftPointerPosition(), 0.0f);
        QCOMPARE(SpanbarPrivate::get(bar.get())->rightPointerPosition(), 2055.0f);
        QVERIFY(bar->lastError().isEmpty());
        QCOMPARE(bar->property("RangeLeft").value<qint16>(), qint16(0));
        QCOMPARE(bar->property("RangeRight").value<qint16>(), qint16(60));
    }

    void layout()
    {
        Slider s;
        QCOMPARE(s.bar->sizeHint(), QSize(141, 32));
        QVERIFY(s.track && s.left && s.right);
        QCOMPARE(s.track->geometry(), QRect(0, 0, 138, 27));
        QCOMPARE(s.track->toolTip(), QStringLiteral("Set Time Interval"));
        QCOMPARE(s.left->parentWidget(), s.track);
        QCOMPARE(s.left->geometry(), QRect(0, 0, 17, 27));
        QCOMPARE(s.right->parentWidget(), s.track);
        QCOMPARE(s.right->geometry(), QRect(137, 0, 17, 27));
        QVERIFY(!s.right->isVisible());
        QVERIFY(!s.bar->isRightPointerVisible());
    }

    void trackKeepsDesignSize()
    {
        Slider s;
        s.bar->resize(400, 100);
        QCoreApplication::processEvents();
        QCOMPARE(s.track->geometry(), QRect(0, 0, 138, 27));
        s.bar->setInitial(1800);
        QCOMPARE(s.bar->RangeLeft(), qint16(60));
    }

    void initial_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("pixelX");
        QTest::newRow("middle") << 900 << 30 << 60;
        QTest::newRow("stop") << 1800 << 60 << 120;
        QTest::newRow("beyond the track") << 3000 << 101 << 200;
        QTest::newRow("left of the track") << -300 << -10 << -20;
        QTest::newRow("origin") << 0 << 0 << 0;
        QTest::newRow("default file line") << 30 << 1 << 2;
        QTest::newRow("fifteen minutes") << 450 << 15 << 30;
        QTest::newRow("between pixels") << 907 << 30 << 60;
    }
    void initial()
    {
        QFETCH(int, position);
        QFETCH(int, left);
        QFETCH(int, pixelX);
        Slider s;
        QSignalSpy changed(s.bar.get(), &Spanbar::Changed);
        s.bar->setInitial(qint16(position));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<qint16>(), qint16(left));
        QCOMPARE(changed.at(0).at(1).value<qint16>(), qint16(60));
        QCOMPARE(s.bar->RangeLeft(), qint16(left));
        QCOMPARE(SpanbarPrivate::get(s.bar.get())->leftPointerPosition(), float(position));
        QCOMPARE(s.left->x(), pixelX);
    }

    void halvesToEvenAtThePointer_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("left");
        QTest::newRow("0.5 to 0") << 5 << 0;
        QTest::newRow("1.5 to 2") << 15 << 2;
        QTest::newRow("2.5 to 2") << 25 << 2;
        QTest::newRow("-1.5 to -2") << -15 << -2;
        QTest::newRow("-2.5 to -2") << -25 << -2;
        QTest::newRow("a hair above 6.5") << 65 << 7;
        QTest::newRow("a hair below 7.5") << 75 << 7;
        QTest::newRow("a hair above 15.5") << 155 << 16;
        QTest::newRow("a hair below 25.5") << 255 << 25;
    }
    void halvesToEvenAtThePointer()
    {
        QFETCH(int, position);
        QFETCH(int, left);
        Slider s;
        s.bar->setRange(179);
        QCOMPARE(s.bar->RangeRight(), qint16(179));
        s.bar->setInitial(qint16(position));
        QCOMPARE(s.bar->RangeLeft(), qint16(left));
    }

    void rangeSetter_data()
    {
        QTest::addColumn<int>("initial");
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("right capped at 120") << 0 << 120 << 0 << 120;
        QTest::newRow("pointer in the middle") << 900 << 120 << 60 << 120;
        QTest::newRow("zero range") << 1800 << 0 << 0 << 0;
        QTest::newRow("smaller range") << 1800 << 30 << 30 << 30;
        QTest::newRow("negative range") << 900 << -60 << -30 << -60;
        QTest::newRow("largest range") << 0 << 32767 << 0 << 32767;
    }
    void rangeSetter()
    {
        QFETCH(int, initial);
        QFETCH(int, range);
        QFETCH(int, left);
        QFETCH(int, right);
        Slider s;
        s.bar->setInitial(qint16(initial));
        QSignalSpy changed(s.bar.get(), &Spanbar::Changed);
        QSignalSpy errors(s.bar.get(), &Spanbar::error);
        QVERIFY(s.bar->setProperty("Range", QVariant::fromValue(qint16(range))));
        QCOMPARE(s.bar->Range(), qint16(range));
        QCOMPARE(s.bar->RangeLeft(), qint16(left));
        QCOMPARE(s.bar->RangeRight(), qint16(right));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(errors.count(), 0);
    }

    void drag_data()
    {
        QTest::addColumn<int>("initial");
        QTest::addColumn<int>("grabX");
        QTest::addColumn<QList<int>>("mouseTrackX");
        QTest::addColumn<QList<qint16>>("changedLefts");
        QTest::addColumn<float>("finalPosition");
        // The pointer keeps the offset it was grabbed at: grabbed 5 px into
        // it, a mouse at track x 40 puts its left edge at 35 px (525 twips).
        QTest::newRow("past the left end")
            << 900 << 5 << QList<int>{40, -40} << QList<qint16>{18, 0} << 0.0f;
        QTest::newRow("onto the left end")
            << 900 << 5 << QList<int>{0} << QList<qint16>{0} << 0.0f;
        QTest::newRow("grabbed by its middle, no jump")
            << 900 << 8 << QList<int>{68} << QList<qint16>{30} << 900.0f;
        QTest::newRow("grabbed by its middle, moved 2 px")
            << 900 << 8 << QList<int>{70} << QList<qint16>{31} << 930.0f;
        QTest::newRow("grabbed at its left edge") << 900 << 0 << QList<int>{70} << QList<qint16>{35} << 1050.0f;
        QTest::newRow("past the right end in steps")
            << 900 << 5 << QList<int>{100, 130, 160, 160} << QList<qint16>{48, 60, 60, 60} << 1800.0f;
        QTest::newRow("far right in one step then still")
            << 0 << 8 << QList<int>{300, 300} << QList<qint16>{60, 60} << 1800.0f;
        QTest::newRow("far right and far left in one step each")
            << 900 << 8 << QList<int>{1000, -1000} << QList<qint16>{60, 0} << 0.0f;
        QTest::newRow("back from the stop")
            << 1800 << 8 << QList<int>{100} << QList<qint16>{46} << 1380.0f;
    }
    void drag()
    {
        QFETCH(int, initial);
        QFETCH(int, grabX);
        QFETCH(QList<int>, mouseTrackX);
        QFETCH(QList<qint16>, changedLefts);
        QFETCH(float, finalPosition);
        Slider s;
        s.bar->setInitial(qint16(initial));
        QSignalSpy changed(s.bar.get(), &Spanbar::Changed);
        QSignalSpy down(s.bar.get(), &Spanbar::MouseDown);
        QSignalSpy up(s.bar.get(), &Spanbar::MouseUp);
        QTest::mousePress(s.left, Qt::LeftButton, {}, QPoint(grabX, 10));
        for (int x : mouseTrackX)
            s.moveLeftTo(x);
        QTest::mouseRelease(s.left, Qt::LeftButton, {}, QPoint(mouseTrackX.last() - s.left->x(), 10));
        QCOMPARE(lefts(changed), changedLefts);
        for (const QList<QVariant> &args : changed)
            QCOMPARE(args.at(1).value<qint16>(), qint16(60));
        QCOMPARE(SpanbarPrivate::get(s.bar.get())->leftPointerPosition(), finalPosition);
        QCOMPARE(s.bar->RangeLeft(), changedLefts.last());
        QCOMPARE(s.left->x(), qRound(finalPosition / Twips));
        QCOMPARE(down.count(), 1);
        QCOMPARE(up.count(), 1);
    }

    // The stop is tested where the step lands: one fast step from just
    // below it stops on it, and the next step starts from there.
    void fastStepStopsAtTheStop_data()
    {
        QTest::addColumn<int>("secondStep");
        QTest::addColumn<float>("position");
        QTest::addColumn<int>("left");
        QTest::newRow("standing still stays on the stop") << 0 << 1800.0f << 60;
        QTest::newRow("further right stays on the stop") << 5 << 1800.0f << 60;
        QTest::newRow("small leftward step") << -2 << 1770.0f << 59;
        QTest::newRow("leftward step below the stop") << -20 << 1500.0f << 50;
    }
    void fastStepStopsAtTheStop()
    {
        QFETCH(int, secondStep);
        QFETCH(float, position);
        QFETCH(int, left);
        Slider s;
        s.bar->setInitial(1785);
        QCOMPARE(s.bar->RangeLeft(), qint16(60));
        QTest::mousePress(s.left, Qt::LeftButton, {}, QPoint(0, 10));
        QTest::mouseMove(s.left, QPoint(15, 10));
        QCOMPARE(SpanbarPrivate::get(s.bar.get())->leftPointerPosition(), 1800.0f);
        QCOMPARE(s.bar->RangeLeft(), qint16(60));
        QSignalSpy changed(s.bar.get(), &Spanbar::Changed);
        QTest::mouseMove(s.left, QPoint(secondStep, 10));
        QTest::mouseRelease(s.left, Qt::LeftButton, {}, QPoint(secondStep, 10));
        QCOMPARE(SpanbarPrivate::get(s.bar.get())->leftPointerPosition(), position);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<qint16>(), qint16(left));
    }

    void onlyTheLeftButtonAloneDrags_data()
    {
        QTest::addColumn<QList<Qt::MouseButton>>("buttons");
        QTest::newRow("right") << QList<Qt::MouseButton>{Qt::RightButton};
        QTest::newRow("middle") << QList<Qt::MouseButton>{Qt::MiddleButton};
        QTest::newRow("left then right") << QList<Qt::MouseButton>{Qt::LeftButton, Qt::RightButton};
        QTest::newRow("right then left") << QList<Qt::MouseButton>{Qt::RightButton, Qt::LeftButton};
    }
    void onlyTheLeftButtonAloneDrags()
    {
        QFETCH(QList<Qt::MouseButton>, buttons);
        Slider s;
        s.bar->setInitial(900);
        QSignalSpy changed(s.bar.get(), &Spanbar::Changed);
        for (Qt::MouseButton b : buttons)
            QTest::mousePress(s.left, b, {}, QPoint(5, 10));
        QTest::mouseMove(s.left, QPoint(40, 10));
        QTest::mouseMove(s.left, QPoint(-80, 10));
        for (Qt::MouseButton b : buttons)
            QTest::mouseRelease(s.left, b, {}, QPoint(-80, 10));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(SpanbarPrivate::get(s.bar.get())->leftPointerPosition(), 900.0f);
        QCOMPARE(s.left->x(), 60);
        QCOMPARE(s.bar->RangeLeft(), qint16(30));
    }

    void qtProperties_data()
    {
        QTest::addColumn<Setter>("set");
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("readBack");
        QTest::addColumn<int>("changed"); // Changed() raised by the first set
        QTest::newRow("value") << Setter([](Spanbar &b) { b.setValue(15); }) << "value" << 15 << 1;
        QTest::newRow("value moves RangeLeft") << Setter([](Spanbar &b) { b.setValue(15); }) << "RangeLeft" << 15 << 1;
        // Held at the upper stop, so the second set finds the pointer there.
        QTest::newRow("value past the stop") << Setter([](Spanbar &b) { b.setValue(500); }) << "value" << 60 << 1;
        QTest::newRow("value as the user property")
            << Setter([](Spanbar &b) { b.metaObject()->userProperty().write(&b, 45); }) << "value" << 45 << 1;
        QTest::newRow("value slot") << Setter([](Spanbar &b) { QMetaObject::invokeMethod(&b, "setValue", Q_ARG(int, 30)); })
                                    << "value" << 30 << 1;
        QTest::newRow("Range") << Setter([](Spanbar &b) { b.setRange(120); }) << "Range" << 120 << 0;
        // The computed 121 is capped at Range.
        QTest::newRow("Range moves RangeRight") << Setter([](Spanbar &b) { b.setRange(120); }) << "RangeRight"
                                                << 120 << 0;
    }
    // The property's NOTIFY signal comes once for a change and not again
    // when the same value is set once more.
    void qtProperties()
    {
        QFETCH(Setter, set);
        QFETCH(QString, property);
        QFETCH(int, readBack);
        QFETCH(int, changed);
        Spanbar bar;
        const QMetaProperty meta = bar.metaObject()->property(bar.metaObject()->indexOfProperty(property.toLatin1()));
        QVERIFY(meta.hasNotifySignal());
        QSignalSpy notify(&bar, meta.notifySignal());
        QSignalSpy host(&bar, &Spanbar::Changed);
        set(bar);
        QCOMPARE(bar.property(property.toLatin1()).toInt(), readBack);
        QCOMPARE(notify.count(), 1);
        QCOMPARE(host.count(), changed);
        set(bar);
        QCOMPARE(notify.count(), 1);
    }

    void pressAndReleaseOnThePointer_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("buttonCode");
        QTest::addColumn<int>("shiftCode");
        // Only the left button holds the pointer as a Qt slider's handle.
        QTest::addColumn<int>("slides");
        QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers() << 1 << 0 << 1;
        QTest::newRow("right with shift") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << 2 << 1 << 0;
        QTest::newRow("middle with ctrl")
            << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ControlModifier) << 4 << 2 << 0;
        QTest::newRow("left with alt") << Qt::LeftButton << Qt::KeyboardModifiers(Qt::AltModifier) << 1 << 4 << 1;
        QTest::newRow("left with all three")
            << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)
            << 1 << 7 << 1;
    }
    void pressAndReleaseOnThePointer()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, buttonCode);
        QFETCH(int, shiftCode);
        QFETCH(int, slides);
        Slider s;
        s.bar->setInitial(900);
        QSignalSpy down(s.bar.get(), &Spanbar::MouseDown);
        QSignalSpy up(s.bar.get(), &Spanbar::MouseUp);
        QSignalSpy pressed(s.bar.get(), &Spanbar::sliderPressed);
        QSignalSpy released(s.bar.get(), &Spanbar::sliderReleased);
        QTest::mousePress(s.left, button, modifiers, QPoint(5, 10));
        QCOMPARE(down.count(), 1);
        QCOMPARE(up.count(), 0);
        QCOMPARE(pressed.count(), slides);
        QCOMPARE(s.bar->isSliderDown(), slides == 1);
        QCOMPARE(released.count(), 0);
        QTest::mouseRelease(s.left, button, modifiers, QPoint(6, 20));
        QCOMPARE(up.count(), 1);
        QCOMPARE(released.count(), slides);
        QVERIFY(!s.bar->isSliderDown());
        const QList<QVariant> d = down.at(0);
        QCOMPARE(d.at(0).value<qint16>(), qint16(buttonCode));
        QCOMPARE(d.at(1).value<qint16>(), qint16(shiftCode));
        // Relative to the pointer, in twips.
        QCOMPARE(d.at(2).toFloat(), 5.0f * Twips);
        QCOMPARE(d.at(3).toFloat(), 10.0f * Twips);
        const QList<QVariant> u = up.at(0);
        QCOMPARE(u.at(0).value<qint16>(), qint16(buttonCode));
        QCOMPARE(u.at(1).value<qint16>(), qint16(shiftCode));
        QCOMPARE(u.at(2).toFloat(), 6.0f * Twips);
        QCOMPARE(u.at(3).toFloat(), 20.0f * Twips);
        QCOMPARE(s.bar->RangeLeft(), qint16(30));
    }

    void releaseAfterDragOutsideThePointer()
    {
        Slider s;
        QSignalSpy up(s.bar.get(), &Spanbar::MouseUp);
        QTest::mousePress(s.left, Qt::LeftButton, {}, QPoint(3, 10));
        s.moveLeftTo(63);
        // Released below the track: the pointer that took the press still
        // reports it, with coordinates outside itself.
        QTest::mouseRelease(s.left, Qt::LeftButton, {}, QPoint(4, 40));
        QCOMPARE(up.count(), 1);
        QCOMPARE(up.at(0).at(2).toFloat(), 4.0f * Twips);
        QCOMPARE(up.at(0).at(3).toFloat(), 40.0f * Twips);
        QCOMPARE(s.bar->RangeLeft(), qint16(30));
    }

    // A double click arrives as press, release, double-click, release; the
    // host must still see each press matched by a release.
    void doubleClickKeepsPressesPaired_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<int>("pairs");
        QTest::newRow("pointer") << QStringLiteral("PicLeft") << 2;
        QTest::newRow("track") << QStringLiteral("PicFrame") << 0;
    }
    void doubleClickKeepsPressesPaired()
    {
        QFETCH(QString, part);
        QFETCH(int, pairs);
        Slider s;
        QWidget *target = s.bar->findChild<QWidget *>(part);
        const QPoint pos = part == QLatin1String("PicFrame") ? QPoint(80, 10) : QPoint(4, 10);
        QSignalSpy down(s.bar.get(), &Spanbar::MouseDown);
        QSignalSpy up(s.bar.get(), &Spanbar::MouseUp);
        QTest::mousePress(target, Qt::LeftButton, {}, pos);
        QTest::mouseRelease(target, Qt::LeftButton, {}, pos);
        QTest::mouseDClick(target, Qt::LeftButton, {}, pos);
        QTest::mouseRelease(target, Qt::LeftButton, {}, pos);
        QCOMPARE(down.count(), pairs);
        QCOMPARE(up.count(), pairs);
    }

    void pressOnTheTrackBesideThePointer_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::newRow("right of the pointer") << QPoint(100, 13);
        QTest::newRow("just right of the pointer") << QPoint(17, 0);
        QTest::newRow("where the hidden right pointer lies") << QPoint(137, 26);
    }
    void pressOnTheTrackBesideThePointer()
    {
        QFETCH(QPoint, pos);
        Slider s;
        QSignalSpy down(s.bar.get(), &Spanbar::MouseDown);
        QSignalSpy up(s.bar.get(), &Spanbar::MouseUp);
        QSignalSpy changed(s.bar.get(), &Spanbar::Changed);
        QCOMPARE(s.track->childAt(pos), nullptr);
        QTest::mousePress(s.track, Qt::LeftButton, {}, pos);
        QTest::mouseMove(s.track, pos + QPoint(10, 0));
        QTest::mouseRelease(s.track, Qt::LeftButton, {}, pos + QPoint(10, 0));
        QCOMPARE(down.count(), 0);
        QCOMPARE(up.count(), 0);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(SpanbarPrivate::get(s.bar.get())->leftPointerPosition(), 0.0f);
    }

    void pressOnTheSurfaceOutsideTheTrack_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("buttonCode");
        QTest::newRow("right strip") << QPoint(139, 10) << Qt::LeftButton << 1;
        QTest::newRow("bottom strip") << QPoint(20, 30) << Qt::RightButton << 2;
        QTest::newRow("bottom right corner") << QPoint(140, 31) << Qt::MiddleButton << 4;
    }
    void pressOnTheSurfaceOutsideTheTrack()
    {
        QFETCH(QPoint, pos);
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, buttonCode);
        Slider s;
        s.bar->resize(s.bar->sizeHint());
        QCOMPARE(s.bar->childAt(pos), nullptr);
        QSignalSpy down(s.bar.get(), &Spanbar::MouseDown);
        QSignalSpy up(s.bar.get(), &Spanbar::MouseUp);
        QTest::mousePress(s.bar.get(), button, Qt::ShiftModifier, pos);
        QTest::mouseRelease(s.bar.get(), button, Qt::ShiftModifier, pos);
        QCOMPARE(down.count(), 1);
        QCOMPARE(up.count(), 1);
        for (const QSignalSpy *spy : {&down, &up}) {
            const QList<QVariant> args = spy->at(0);
            QCOMPARE(args.at(0).value<qint16>(), qint16(buttonCode));
            QCOMPARE(args.at(1).value<qint16>(), qint16(1));
            QCOMPARE(args.at(2).toFloat(), float(pos.x() * Twips));
            QCOMPARE(args.at(3).toFloat(), float(pos.y() * Twips));
        }
    }

    void overflow_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("position");
        QTest::newRow("largest range at the stop") << 32767 << 1800;
        QTest::newRow("largest range far right") << 32767 << 32767;
        QTest::newRow("largest range far left") << 32767 << -1800;
        QTest::newRow("moderate range far right") << 2000 << 32767;
    }
    void overflow()
    {
        QFETCH(int, range);
        QFETCH(int, position);
        Slider s;
        s.bar->setRange(qint16(range));
        s.bar->setInitial(10);
        const qint16 leftBefore = s.bar->RangeLeft();
        const qint16 rightBefore = s.bar->RangeRight();
        QSignalSpy changed(s.bar.get(), &Spanbar::Changed);
        QSignalSpy errors(s.bar.get(), &Spanbar::error);
        s.bar->setInitial(qint16(position));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(errors.count(), 1);
        QVERIFY(!s.bar->lastError().isEmpty());
        QCOMPARE(errors.at(0).at(0).toString(), s.bar->lastError());
        QCOMPARE(SpanbarPrivate::get(s.bar.get())->leftPointerPosition(), float(position));
        QCOMPARE(s.bar->RangeLeft(), leftBefore);
        QCOMPARE(s.bar->RangeRight(), rightBefore);

        // A position that fits again clears the error and reports as usual.
        s.bar->setInitial(0);
        QCOMPARE(changed.count(), 1);
        QVERIFY(s.bar->lastError().isEmpty());
        QCOMPARE(s.bar->RangeLeft(), qint16(0));
    }

    void overflowFromTheRangeSetter()
    {
        Slider s;
        QSignalSpy changed(s.bar.get(), &Spanbar::Changed);
        QSignalSpy errors(s.bar.get(), &Spanbar::error);
        // The right pointer's value, -32951, fits no 16-bit integer and the
        // cap only limits from above.
        s.bar->setRange(-32768);
        QCOMPARE(s.bar->Range(), qint16(-32768));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(s.bar->RangeLeft(), qint16(0));
        QCOMPARE(s.bar->RangeRight(), qint16(60));
        s.bar->setRange(60);
        QVERIFY(s.bar->lastError().isEmpty());
        QCOMPARE(errors.count(), 1);
    }

    void overflowWhileDragging()
    {
        Slider s;
        s.bar->setRange(32767);
        s.bar->setInitial(1500);
        QCOMPARE(s.bar->RangeLeft(), qint16(27458));
        QSignalSpy changed(s.bar.get(), &Spanbar::Changed);
        QSignalSpy errors(s.bar.get(), &Spanbar::error);
        QTest::mousePress(s.left, Qt::LeftButton, {}, QPoint(0, 10));
        s.moveLeftTo(110); // 1650 twips: 30204, fits
        s.moveLeftTo(130); // held at the stop, 1800 twips: 32950, does not
        QCOMPARE(changed.count(), 1);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(SpanbarPrivate::get(s.bar.get())->leftPointerPosition(), 1800.0f);
        QCOMPARE(s.left->x(), 120);
        QCOMPARE(s.bar->RangeLeft(), qint16(30204));
        s.moveLeftTo(50); // 750 twips: back in range
        QTest::mouseRelease(s.left, Qt::LeftButton, {}, QPoint(0, 10));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(1).at(0).value<qint16>(), qint16(13729));
    }

    // Hidden in the clock, the right pointer still follows its own rules
    // once shown: mirror images of the left pointer's.
    void rightPointerWhenShown_data()
    {
        QTest::addColumn<int>("initial");
        QTest::addColumn<QList<int>>("steps");
        QTest::addColumn<QList<float>>("positions");
        QTest::addColumn<QList<qint16>>("rights");
        QTest::newRow("inwards")
            << 0 << QList<int>{-30} << QList<float>{1605.0f} << QList<qint16>{45};
        QTest::newRow("to the right end")
            << 0 << QList<int>{-30, 200} << QList<float>{1605.0f, 1815.0f} << QList<qint16>{45, 52};
        QTest::newRow("fast onto the left pointer stops at it")
            << 900 << QList<int>{-30, -100, 0}
            << QList<float>{1605.0f, 1155.0f, 1155.0f} << QList<qint16>{45, 30, 30};
    }
    void rightPointerWhenShown()
    {
        QFETCH(int, initial);
        QFETCH(QList<int>, steps);
        QFETCH(QList<float>, positions);
        QFETCH(QList<qint16>, rights);
        Slider s;
        s.bar->setInitial(qint16(initial));
        s.bar->setRightPointerVisible(true);
        QVERIFY(s.right->isVisible());
        QSignalSpy changed(s.bar.get(), &Spanbar::Changed);
        QSignalSpy down(s.bar.get(), &Spanbar::MouseDown);
        QSignalSpy up(s.bar.get(), &Spanbar::MouseUp);
        QTest::mousePress(s.right, Qt::LeftButton, {}, QPoint(0, 10));
        for (int i = 0; i < steps.size(); ++i) {
            QTest::mouseMove(s.right, QPoint(steps.at(i), 10));
            QCOMPARE(SpanbarPrivate::get(s.bar.get())->rightPointerPosition(), positions.at(i));
            QCOMPARE(s.right->x(), qRound(positions.at(i) / Twips));
            QCOMPARE(changed.count(), i + 1);
            QCOMPARE(changed.at(i).at(1).value<qint16>(), rights.at(i));
        }
        QTest::mouseRelease(s.right, Qt::LeftButton, {}, QPoint(0, 10));
        QCOMPARE(down.count(), 0);
        QCOMPARE(up.count(), 0);
        QCOMPARE(SpanbarPrivate::get(s.bar.get())->leftPointerPosition(), float(initial));
    }

    void rightPointerMovesTheLeftStop()
    {
        Slider s;
        s.bar->setRightPointerVisible(true);
        QTest::mousePress(s.right, Qt::LeftButton, {}, QPoint(0, 10));
        QTest::mouseMove(s.right, QPoint(-30, 10));
        QTest::mouseRelease(s.right, Qt::LeftButton, {}, QPoint(0, 10));
        QCOMPARE(SpanbarPrivate::get(s.bar.get())->rightPointerPosition(), 1605.0f);
        QTest::mousePress(s.left, Qt::LeftButton, {}, QPoint(0, 10));
        s.moveLeftTo(130);
        s.moveLeftTo(130);
        QTest::mouseRelease(s.left, Qt::LeftButton, {}, QPoint(0, 10));
        QCOMPARE(SpanbarPrivate::get(s.bar.get())->leftPointerPosition(), 1350.0f);
        QCOMPARE(s.bar->RangeLeft(), qint16(45));
    }
};

HORAVOX_TEST_MAIN(TestSpanbar)
#include "test_spanbar.moc"
