// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock_access.h"

#include "ui_main_form.h"

#include "skin/sheer_picture.h"
#include "skin/skin_button.h"
#include "main_window/clock_actions.h"
#include "skin/focus_glow.h"
#include "main_window/image_control.h"
#include "main_window/main_form.h"
#include "translations/interface_language.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QTime>
#include <mutex>

namespace horavox {

QString timeReading(const QTime &time)
{
    // The format is the translator's, so that a language read on a 24-hour
    // clock hears "15:05"; the locale is the interface's for its AM and PM.
    return interfaceLocale().toString(
        time, QCoreApplication::translate("horavox::ClockAccess", "h:mm AP",
                                          "how a screen reader reads the clock face, in QTime format letters"));
}

QString intervalReading(int minutes)
{
    if (minutes == 0)
        return QCoreApplication::translate("horavox::ClockAccess", "no announcements", "the slider at 0 minutes");
    return minutes == 1 ? QCoreApplication::translate("horavox::ClockAccess", "%n minute", nullptr, minutes)
                        : QCoreApplication::translate("horavox::ClockAccess", "%n minutes", nullptr, minutes);
}

namespace {

// The alarm-mode indicator shows a symbol-font "6"; a screen reader says
// what it stands for instead.
class AlarmIndicatorAccessible : public QAccessibleWidget
{
public:
    explicit AlarmIndicatorAccessible(QWidget *w)
        : QAccessibleWidget(w, QAccessible::StaticText)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel *>(widget())->text() == QLatin1String("6")
                       ? QCoreApplication::translate("horavox::ClockAccess", "Alarm mode on")
                       : QCoreApplication::translate("horavox::ClockAccess", "Alarm mode off");
        return QAccessibleWidget::text(t);
    }
};

// The lamps and other pictures with a meaning are read as a status text.
QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *w = static_cast<QWidget *>(object);
    if (className == QLatin1String("horavox::IndicatorLabel"))
        return new AlarmIndicatorAccessible(w);
    if (className == QLatin1String("horavox::SheerPicture") && !SkinButton::of(w) && !w->accessibleName().isEmpty())
        return new QAccessibleWidget(w, QAccessible::StaticText);
    return nullptr;
}

} // namespace

void ClockAccess::installAccessibility()
{
    SkinButton::installAccessibility();
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(factory); });
}

ClockAccess::ClockAccess(MainForm &form)
    : QObject(&form)
    , m_form(form)
{
    installAccessibility();

    // Hovering over the clock while working in another window still explains
    // its parts.
    m_form.setAttribute(Qt::WA_AlwaysShowToolTips);

    attachSkinButtons();
    nameTheParts();

    ClockActions::Handlers handlers;
    handlers.sayTime = [this] { m_form.speakNow(); };
    handlers.settings = [this] { m_form.openSettings(); };
    handlers.about = [this] { m_form.openAbout(); };
    handlers.minimize = [this] { m_form.showMinimized(); };
    handlers.close = [this] { m_form.closeSequence(); };
    m_actions = new ClockActions(&m_form, handlers);
    m_glow = new FocusGlow(&m_form);

    m_form.installEventFilter(this);
}

void ClockAccess::attachSkinButtons()
{
    Ui::MainForm &ui = *m_form.ui();
    // The same signals the mouse raises, so the pressed look and the action
    // stay with the window's own handlers.
    auto image = [](ImageControl *b, const QString &name) {
        SkinButton::attach(b, name, [b] { Q_EMIT b->mouseDown(0, 0, 0.0f, 0.0f); },
                           [b] { Q_EMIT b->mouseUp(0, 0, 0.0f, 0.0f); });
    };
    image(ui.SpeakB, tr("Say the time"));
    image(ui.SettingsB, tr("Settings"));
    image(ui.Min, tr("Minimize"));
    image(ui.CloseB, tr("Close"));
    SheerPicture *about = ui.QuesB;
    SkinButton::attach(about, tr("About Horavox"), [about] { Q_EMIT about->mouseDown(0, 0, 0.0f, 0.0f); },
                       [about] { Q_EMIT about->mouseUp(0, 0, 0.0f, 0.0f); });

    // Reading order: the time first, then what is used most, the window's
    // own buttons last. The display takes the focus only from the keyboard,
    // so that a screen reader can be brought to it; a click on it still
    // drags the clock.
    ui.Numeron1->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(ui.Numeron1, ui.SpeakB);
    QWidget::setTabOrder(ui.SpeakB, ui.Spanbar1);
    QWidget::setTabOrder(ui.Spanbar1, ui.SettingsB);
    QWidget::setTabOrder(ui.SettingsB, ui.QuesB);
    QWidget::setTabOrder(ui.QuesB, ui.Min);
    QWidget::setTabOrder(ui.Min, ui.CloseB);
    ui.Numeron1->setFocus();
}

void ClockAccess::nameTheParts()
{
    Ui::MainForm &ui = *m_form.ui();
    ui.SheerPicture1->setAccessibleName(tr("Speaking"));
    ui.SheerPicture2->setAccessibleName(tr("Silent"));
    ui.Spanbar1->setAccessibleName(tr("Minutes between announcements"));
    ui.Spanbar1->setValueReading(&intervalReading);
}

bool ClockAccess::ownsRightClick(const QPoint &pos) const
{
    for (QWidget *w = m_form.childAt(pos); w && w != &m_form; w = w->parentWidget()) {
        if (SkinButton::of(w) || w == m_form.ui()->Spanbar1)
            return true;
    }
    return false;
}

bool ClockAccess::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_form)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // A slider key that no control took: the slider takes it, so the
        // interval can be set wherever the focus is on the clock.
        auto *e = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = e->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
        if (mods != Qt::NoModifier || !Spanbar::handlesKey(*e))
            return false;
        QKeyEvent forwarded(e->type(), e->key(), e->modifiers(), e->text(), e->isAutoRepeat(), e->count());
        QCoreApplication::sendEvent(m_form.ui()->Spanbar1, &forwarded);
        return forwarded.isAccepted();
    }
    case QEvent::MouseButtonPress: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (e->button() == Qt::RightButton) {
            m_menuAtRelease = false;
            m_rightPressOnSurface = true;
            m_rightPressAt = e->globalPosition().toPoint();
        }
        return false; // the window's own handler arms the drag
    }
    case QEvent::MouseMove: {
        // Moved far enough to be a drag of the window, not a click.
        auto *e = static_cast<QMouseEvent *>(event);
        if (m_menuAtRelease
            && (e->globalPosition().toPoint() - m_rightPressAt).manhattanLength()
                   >= QApplication::startDragDistance())
            m_menuAtRelease = false;
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto *e = static_cast<QMouseEvent *>(event);
        if (e->button() == Qt::RightButton)
            m_rightPressOnSurface = false;
        if (e->button() == Qt::RightButton && m_menuAtRelease) {
            m_menuAtRelease = false;
            // After the window's own handler has ended the drag.
            QMetaObject::invokeMethod(
                this, [this, at = e->globalPosition().toPoint()] { m_actions->popup(at); }, Qt::QueuedConnection);
        }
        return false;
    }
    case QEvent::ContextMenu: {
        auto *e = static_cast<QContextMenuEvent *>(event);
        QPoint at = e->globalPos();
        if (e->reason() == QContextMenuEvent::Mouse) {
            if (ownsRightClick(e->pos()))
                return true;
            // Where the window system asks for the menu at the press, wait
            // for the release: a press on the surface may still become a
            // drag. (A lamp or a label keeps its press; no drag starts there.)
            if (m_rightPressOnSurface && (QGuiApplication::mouseButtons() & Qt::RightButton)) {
                m_menuAtRelease = true;
                return true;
            }
        } else if (QWidget *focused = m_form.focusWidget()) {
            at = focused->mapToGlobal(focused->rect().center());
        }
        m_actions->popup(at);
        return true;
    }
    default:
        return false;
    }
}

} // namespace horavox
