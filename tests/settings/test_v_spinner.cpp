// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/v_spinner.h"
#include "test_main.h"

#include <QSignalSpy>

using namespace horavox;

class TestVSpinner : public QObject
{
    Q_OBJECT
    static QPoint upper(const VSpinner &s) { return {s.width() / 2, 3}; }
    static QPoint lower(const VSpinner &s) { return {s.width() / 2, s.height() - 3}; }

private Q_SLOTS:
    void clicks_data()
    {
        QTest::addColumn<int>("bottom");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("emitted");
        QTest::newRow("up from middle") << 0 << 13 << 5 << true << 6 << 1;
        QTest::newRow("down from middle") << 0 << 13 << 5 << false << 4 << 1;
        QTest::newRow("up at top does nothing") << 0 << 13 << 13 << true << 13 << 0;
        QTest::newRow("down at top") << 0 << 13 << 13 << false << 12 << 1;
        QTest::newRow("down at bottom does nothing") << -1 << 60 << -1 << false << -1 << 0;
        QTest::newRow("up at bottom") << -1 << 60 << -1 << true << 0 << 1;
    }
    void clicks()
    {
        QFETCH(int, bottom);
        QFETCH(int, top);
        QFETCH(int, start);
        QFETCH(bool, up);
        QFETCH(int, expected);
        QFETCH(int, emitted);

        VSpinner s;
        s.resize(17, 19);
        s.setBottomValue(bottom);
        s.setTopValue(top);
        s.setValue(start);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QSignalSpy spy(&s, &VSpinner::valueChanged);
        QTest::mouseClick(&s, Qt::LeftButton, {}, up ? upper(s) : lower(s));
        QCOMPARE(s.value(), expected);
        QCOMPARE(spy.size(), emitted);
        if (emitted)
            QCOMPARE(spy.at(0).at(0).toInt(), expected);
    }

    void setValueHoldsRangeAndOnlyReportsChanges()
    {
        VSpinner s;
        s.setBottomValue(-1);
        s.setTopValue(60);
        s.setValue(10);
        QSignalSpy spy(&s, &VSpinner::valueChanged);
        s.setValue(10);
        QCOMPARE(spy.size(), 0);
        s.setValue(100);
        QCOMPARE(s.value(), 60);
        s.setValue(-50);
        QCOMPARE(s.value(), -1);
        QCOMPARE(spy.size(), 2);
    }

    void disabledSpinnerIgnoresClicks()
    {
        VSpinner s;
        s.resize(17, 19);
        s.setTopValue(13);
        s.setValue(5);
        s.setEnabled(false);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTest::mouseClick(&s, Qt::LeftButton, {}, upper(s));
        QCOMPARE(s.value(), 5);
    }

    void wheelSteps()
    {
        VSpinner s;
        s.resize(17, 19);
        s.setTopValue(13);
        s.setValue(5);
        QWheelEvent up(QPointF(8, 9), QPointF(8, 9), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&s, &up);
        QCOMPARE(s.value(), 6);
        QWheelEvent down(QPointF(8, 9), QPointF(8, 9), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&s, &down);
        QCoreApplication::sendEvent(&s, &down);
        QCOMPARE(s.value(), 4);
    }

    // Holding an arrow repeats after a pause, then faster. Counts only: a
    // busy machine may make the steps late, never more numerous.
    void holdingAnArrowRepeats_data()
    {
        QTest::addColumn<int>("holdMs");
        QTest::addColumn<int>("atLeast");
        QTest::newRow("held 2 s") << 2000 << 3;
        // The press, the first repeat at 0.4 s, then one every 80 ms.
        QTest::newRow("held 1.2 s: the repeat speeds up") << 1200 << 6;
    }
    void holdingAnArrowRepeats()
    {
        QFETCH(int, holdMs);
        QFETCH(int, atLeast);
        VSpinner s;
        s.resize(17, 19);
        s.setTopValue(100);
        s.setValue(0);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QCursor::setPos(s.mapToGlobal(upper(s)));
        QTest::mousePress(&s, Qt::LeftButton, {}, upper(s));
        QCOMPARE(s.value(), 1);
        QTest::qWait(holdMs);
        QVERIFY2(s.value() >= atLeast, qPrintable(QString::number(s.value())));
        QTest::mouseRelease(&s, Qt::LeftButton, {}, upper(s));
        const int held = s.value();
        QTest::qWait(300);
        QCOMPARE(s.value(), held);
    }
};

HORAVOX_TEST_MAIN(TestVSpinner)
#include "test_v_spinner.moc"
