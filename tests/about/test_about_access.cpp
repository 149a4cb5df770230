// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window without a mouse.
#include "about/about_window.h"
#include "test_main.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

using namespace horavox;

namespace {

struct Shown
{
    QPointer<Form3> form = new Form3(97);
    QList<QUrl> opened;
    Shown()
    {
        form->setUrlOpener([this](const QUrl &u) {
            opened << u;
            return true;
        });
        form->show();
        form->activateWindow();
    }
    ~Shown() { delete form.data(); }
    QWidget *part(const QString &which)
    {
        if (which == QLatin1String("close"))
            return form->closeButton();
        if (which == QLatin1String("link"))
            return form->label2();
        if (which == QLatin1String("text"))
            return form->text1();
        return form;
    }
};

} // namespace

class TestAboutAccess : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keys_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("mails");
        QTest::newRow("escape on the window") << "window" << int(Qt::Key_Escape) << true << false;
        QTest::newRow("escape in the text") << "text" << int(Qt::Key_Escape) << true << false;
        QTest::newRow("escape on the close button") << "close" << int(Qt::Key_Escape) << true << false;
        QTest::newRow("space on the close button") << "close" << int(Qt::Key_Space) << true << false;
        QTest::newRow("enter on the link") << "link" << int(Qt::Key_Return) << false << true;
        QTest::newRow("space on the link") << "link" << int(Qt::Key_Space) << false << true;
        QTest::newRow("a letter in the text") << "text" << int(Qt::Key_Q) << false << false;
    }
    void keys()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, closes);
        QFETCH(bool, mails);
        Shown s;
        QVERIFY(QTest::qWaitForWindowActive(s.form));
        QWidget *target = s.part(focus);
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClick(target, Qt::Key(key));
        QCoreApplication::processEvents();
        // The window deletes itself when closed.
        QCOMPARE(s.form.isNull(), closes);
        QCOMPARE(s.opened.size(), mails ? 1 : 0);
        if (closes)
            QVERIFY(!s.form || !s.form->timer1()->isActive());
    }

    // The mail link is a button to a screen reader, and its press opens the
    // mail as a click does.
    void linkPressedByAssistiveTechnology()
    {
        Shown s;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(s.form->label2());
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Write to ") + Form3::contactAddress());
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(s.opened.size(), 1);
    }
};

HORAVOX_TEST_MAIN(TestAboutAccess)
#include "test_about_access.moc"
