// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clock_access.h"

#include "skin/focus_glow.h"
#include "skin/picture_button.h"
#include "skin/sheer_picture.h"
#include "skin/skin_button.h"
#include "translations/interface_language.h"

#include <spanbar.h>

#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
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

ClockAccess::ClockAccess(QWidget &window, const Parts &parts, const ClockActions::Handlers &commands)
    : QObject(&window)
    , m_form(window)
    , m_parts(parts)
{
    installAccessibility();

    // Hovering over the clock while working in another window still explains
    // its parts.
    m_form.setAttribute(Qt::WA_AlwaysShowToolTips);

    attachSkinButtons();
    nameTheParts();

    m_actions = new ClockActions(&m_form, commands);
    m_glow = new FocusGlow(&m_form);

    m_form.installEventFilter(this);
}

void ClockAccess::attachSkinButtons()
{
    // The same press and release the mouse makes, so the pressed look and
    // the action stay with the buttons and the window's own handlers.
    auto picture = [](PictureButton *b, const QString &name) {
        SkinButton::attach(b, name, [b] { b->press(); }, [b] { b->release(); });
    };
    picture(m_parts.speak, tr("Say the time"));
    picture(m_parts.settings, tr("Settings"));
    picture(m_parts.minimize, tr("Minimize"));
    picture(m_parts.close, tr("Close"));
    SheerPicture *about = m_parts.about;
    SkinButton::attach(about, tr("About Horavox"), [about] { Q_EMIT about->mouseDown(0, 0, 0.0f, 0.0f); },
                       [about] { Q_EMIT about->mouseUp(0, 0, 0.0f, 0.0f); });

    // Reading order: the time first, then what is used most, the window's
    // own buttons last. The display takes the focus only from the keyboard,
    // so that a screen reader can be brought to it; a click on it still
    // drags the clock.
    m_parts.display->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(m_parts.display, m_parts.speak);
    QWidget::setTabOrder(m_parts.speak, m_parts.slider);
    QWidget::setTabOrder(m_parts.slider, m_parts.settings);
    QWidget::setTabOrder(m_parts.settings, m_parts.about);
    QWidget::setTabOrder(m_parts.about, m_parts.minimize);
    QWidget::setTabOrder(m_parts.minimize, m_parts.close);
    m_parts.display->setFocus();
}

void ClockAccess::nameTheParts()
{
    m_parts.speakingLamp->setAccessibleName(tr("Speaking"));
    m_parts.silentLamp->setAccessibleName(tr("Silent"));
    m_parts.slider->setAccessibleName(tr("Minutes between announcements"));
    m_parts.slider->setValueReading(&intervalReading);
}

bool ClockAccess::ownsRightClick(const QPoint &pos) const
{
    for (QWidget *w = m_form.childAt(pos); w && w != &m_form; w = w->parentWidget()) {
        if (SkinButton::of(w) || w == m_parts.slider)
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
        QCoreApplication::sendEvent(m_parts.slider, &forwarded);
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
