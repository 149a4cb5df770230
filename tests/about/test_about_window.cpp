// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about/about_window.h"
#include "skin/sheer_picture.h"
#include "resources/picture_from_res.h"
#include "resources/resources.h"
#include "test_main.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>

using namespace horavox;

namespace {

constexpr int kMainWindowHeight = 97;

QString visibleMask(const Form3 &form)
{
    QString mask;
    for (int i = 0; i < 3; ++i)
        mask += form.titlePicture(i)->isHidden() ? QLatin1Char('0') : QLatin1Char('1');
    return mask;
}

// The widget drawn last among the window's children, i.e. the front one.
QWidget *frontChild(const Form3 &form)
{
    QWidget *front = nullptr;
    for (QObject *child : form.children())
        if (auto *w = qobject_cast<QWidget *>(child))
            front = w;
    return front;
}

void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestAboutWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<Form3 *>(w))
                delete w;
        flushDeferredDeletes();
    }

    void opensAtStepZeroWithPicturesHidden()
    {
        Form3 form(kMainWindowHeight);
        QCOMPARE(form.step(), qint16(0));
        QCOMPARE(visibleMask(form), QStringLiteral("000"));
        QVERIFY(form.timer1()->isActive());
        QCOMPARE(form.timer1()->interval(), 1000);
        QVERIFY(!form.timer2()->isActive());
        QCOMPARE(form.timer2()->interval(), 350);
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(form.testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(form.size(), QSize(236, 157));
    }

    void contents()
    {
        Form3 form(kMainWindowHeight);
        QVERIFY(form.text1()->isReadOnly());
        QCOMPARE(form.text1()->toPlainText(), form.welcomeText());
        const QString lastLine = form.welcomeText().split(QLatin1Char('\n')).last();
        QCOMPARE(lastLine, QStringLiteral("Version " HORAVOX_VERSION ", \u00A9 2026 The Horavox developers"));
        QCOMPARE(form.label1()->text(), QStringLiteral("Email"));
        QVERIFY(form.label1()->font().bold());
        QCOMPARE(form.label2()->text(), QStringLiteral(HORAVOX_CONTACT));
        QVERIFY(form.label2()->font().bold());
        QVERIFY(form.label2()->font().underline());
        QCOMPARE(form.label2()->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QCOMPARE(form.label2()->cursor().shape(), hasResource(QStringLiteral("CURSOR"), QStringLiteral("HAND"))
                                                      ? Qt::BitmapCursor
                                                      : Qt::PointingHandCursor);
    }

    void labelsFitTheirBoxes_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("Email") << 1;
        QTest::newRow("address") << 2;
    }
    void labelsFitTheirBoxes()
    {
        QFETCH(int, which);
        Form3 form(kMainWindowHeight);
        QLabel *label = which == 1 ? form.label1() : form.label2();
        const QFontMetrics fm(label->font());
        // Only an address too long for even the smallest size may overflow.
        if (label->font().pixelSize() > 7)
            QVERIFY(fm.horizontalAdvance(label->text()) <= label->width());
        QVERIFY(fm.height() <= label->height());
    }

    void animationSteps_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("visible");
        QTest::addColumn<bool>("timer1Active");
        QTest::addColumn<bool>("timer2Active");
        QTest::addColumn<int>("step");
        QTest::newRow("after 1 s") << 1 << "100" << true << false << 1;
        QTest::newRow("after 2 s") << 2 << "110" << true << false << 2;
        QTest::newRow("after 3 s") << 3 << "111" << true << false << 3;
        QTest::newRow("after 4 s all vanish") << 4 << "000" << false << true << 4;
        QTest::newRow("a stray tick changes nothing") << 5 << "000" << false << true << 4;
        QTest::newRow("many stray ticks") << 40000 << "000" << false << true << 4;
    }
    void animationSteps()
    {
        QFETCH(int, ticks);
        QFETCH(QString, visible);
        QFETCH(bool, timer1Active);
        QFETCH(bool, timer2Active);
        QFETCH(int, step);
        Form3 form(kMainWindowHeight);
        for (int i = 0; i < ticks; ++i)
            form.Timer1_Timer();
        QCOMPARE(visibleMask(form), visible);
        QCOMPARE(form.timer1()->isActive(), timer1Active);
        QCOMPARE(form.timer2()->isActive(), timer2Active);
        QCOMPARE(int(form.step()), step);
    }

    void finalStepShowsAllAndStops()
    {
        Form3 form(kMainWindowHeight);
        for (int i = 0; i < 4; ++i)
            form.Timer1_Timer();
        form.titlePicture(0)->lower();
        form.Timer2_Timer();
        QCOMPARE(visibleMask(form), QStringLiteral("111"));
        QVERIFY(!form.timer1()->isActive());
        QVERIFY(!form.timer2()->isActive());
        QCOMPARE(frontChild(form), form.titlePicture(0));
    }

    void firstStepBringsFirstPictureToFront()
    {
        Form3 form(kMainWindowHeight);
        QVERIFY(frontChild(form) != form.titlePicture(0));
        form.Timer1_Timer();
        QCOMPARE(frontChild(form), form.titlePicture(0));
    }

    void timersDriveTheAnimation()
    {
        Form3 form(kMainWindowHeight);
        form.timer1()->setInterval(5);
        form.timer2()->setInterval(5);
        QSignalSpy timer2Fired(form.timer2(), &QTimer::timeout);
        QTRY_COMPARE(timer2Fired.count(), 1);
        QCOMPARE(visibleMask(form), QStringLiteral("111"));
        QVERIFY(!form.timer1()->isActive());
        QVERIFY(!form.timer2()->isActive());
        QCOMPARE(int(form.step()), 4);
    }

    void closingMidAnimationAndReopening_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::newRow("before the first picture") << 0;
        QTest::newRow("two pictures shown") << 2;
        QTest::newRow("between the vanishing and the final step") << 4;
    }
    void closingMidAnimationAndReopening()
    {
        QFETCH(int, ticks);
        QPointer<Form3> first = new Form3(kMainWindowHeight);
        first->show();
        for (int i = 0; i < ticks; ++i)
            first->Timer1_Timer();
        QVERIFY(first->close());
        QVERIFY(!first->timer1()->isActive());
        QVERIFY(!first->timer2()->isActive());
        flushDeferredDeletes();
        QVERIFY(first.isNull());

        Form3 second(kMainWindowHeight);
        QCOMPARE(second.step(), qint16(0));
        QCOMPARE(visibleMask(second), QStringLiteral("000"));
        QVERIFY(second.timer1()->isActive());
        QVERIFY(!second.timer2()->isActive());
        second.Timer1_Timer();
        QCOMPARE(visibleMask(second), QStringLiteral("100"));
    }

    void closeButton_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::newRow("left, released on it") << Qt::LeftButton << QPoint(6, 6);
        QTest::newRow("right, released on it") << Qt::RightButton << QPoint(6, 6);
        QTest::newRow("middle, released on it") << Qt::MiddleButton << QPoint(6, 6);
        QTest::newRow("left, released outside") << Qt::LeftButton << QPoint(-80, 90);
        QTest::newRow("right, released outside") << Qt::RightButton << QPoint(40, -30);
    }
    void closeButton()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releaseAt);
        QPointer<Form3> form = new Form3(kMainWindowHeight);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QSignalSpy destroyed(form.data(), &QObject::destroyed);
        QLabel *closeB = form->closeButton();
        const QImage up = closeB->pixmap().toImage();
        QVERIFY(!up.isNull());

        QTest::mousePress(closeB, button, {}, QPoint(6, 6));
        QVERIFY(form->isVisible());
        QVERIFY(closeB->pixmap().toImage() != up);

        QTest::mouseRelease(closeB, button, {}, releaseAt);
        QVERIFY(!form->isVisible());
        QVERIFY(!form->timer1()->isActive());
        QCOMPARE(closeB->pixmap().toImage(), up);
        flushDeferredDeletes();
        QCOMPARE(destroyed.count(), 1);
        QVERIFY(form.isNull());
    }

    void mailUrl()
    {
        const QUrl url = Form3::mailUrl();
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), QStringLiteral(HORAVOX_CONTACT));
        QCOMPARE(url.toString(), QStringLiteral("mailto:" HORAVOX_CONTACT));
    }

    void mailLink_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addColumn<bool>("opens");
        QTest::newRow("left click") << Qt::LeftButton << QPoint(20, 8) << true;
        QTest::newRow("right click") << Qt::RightButton << QPoint(20, 8) << false;
        QTest::newRow("middle click") << Qt::MiddleButton << QPoint(20, 8) << false;
        QTest::newRow("left, released off the link") << Qt::LeftButton << QPoint(20, 60) << false;
    }
    void mailLink()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releaseAt);
        QFETCH(bool, opens);
        Form3 form(kMainWindowHeight);
        QList<QUrl> opened;
        form.setUrlOpener([&opened](const QUrl &url) {
            opened << url;
            return true;
        });
        form.show();
        QTest::mousePress(form.label2(), button, {}, QPoint(20, 8));
        QTest::mouseRelease(form.label2(), button, {}, releaseAt);
        QCOMPARE(opened.size(), opens ? 1 : 0);
        if (opens)
            QCOMPARE(opened.first(), Form3::mailUrl());
        QVERIFY(form.isVisible());
    }

    void missingMailProgramIsQuiet()
    {
        Form3 form(kMainWindowHeight);
        int calls = 0;
        form.setUrlOpener([&calls](const QUrl &) {
            ++calls;
            return false;
        });
        form.show();
        const int windowsBefore = QApplication::topLevelWidgets().size();
        QTest::mouseClick(form.label2(), Qt::LeftButton, {}, QPoint(20, 8));
        QCOMPARE(calls, 1);
        QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
        QVERIFY(form.isVisible());
    }

    void dragByBackground_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("grab");
        QTest::newRow("left on the board") << Qt::LeftButton << QPoint(5, 100);
        QTest::newRow("right on the board") << Qt::RightButton << QPoint(5, 100);
        QTest::newRow("on the Email label") << Qt::LeftButton << QPoint(20, 140);
        QTest::newRow("through a title picture") << Qt::LeftButton << QPoint(30, 20);
    }
    void dragByBackground()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, grab);
        Form3 form(kMainWindowHeight);
        form.Timer2_Timer(); // titles showing, as after the animation
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint start = form.pos();
        // The press must reach the window itself, not a control there.
        QCOMPARE(form.childAt(grab), nullptr);
        QTest::mousePress(&form, button, {}, grab);
        QTest::mouseMove(&form, grab + QPoint(30, 20));
        QTRY_COMPARE(form.pos(), start + QPoint(30, 20));
        QTest::mouseRelease(&form, button, {}, grab + QPoint(30, 20));
        QTest::mouseMove(&form, grab + QPoint(60, 60));
        QCOMPARE(form.pos(), start + QPoint(30, 20));
    }

    void titlePicturesLetTheBoardShowThrough()
    {
        if (!hasResource(QStringLiteral("CUSTOM"), QStringLiteral("105")))
            QSKIP("title pictures not in this build");
        const QImage title = PictureFromRes(105, QStringLiteral("Custom")).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!title.isNull());
        Form3 form(kMainWindowHeight);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage board = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        form.Timer2_Timer();
        const QImage shot = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QWidget *picture = form.titlePicture(0);
        const QPoint origin = picture->pos();
        int keyChecked = 0;
        int inkChecked = 0;
        for (int y = 0; y < std::min(title.height(), picture->height()); ++y) {
            for (int x = 0; x < std::min(title.width(), picture->width()); ++x) {
                const QPoint at = origin + QPoint(x, y);
                if ((title.pixel(x, y) & 0xFFFFFF) == (SheerPicture::kDefaultKey & 0xFFFFFF)) {
                    QCOMPARE(shot.pixel(at), board.pixel(at));
                    ++keyChecked;
                } else {
                    QCOMPARE(shot.pixel(at), title.pixel(x, y));
                    ++inkChecked;
                }
            }
        }
        QVERIFY(inkChecked > 0);
        QVERIFY(keyChecked > 0);
    }
};

HORAVOX_TEST_MAIN(TestAboutWindow)
#include "test_about_window.moc"
