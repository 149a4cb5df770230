// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin_button.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QWidget>
#include <mutex>

namespace horavox {

namespace {

bool isActivationKey(const QKeyEvent &e)
{
    // Keypad Enter comes with the keypad modifier; any other modifier makes
    // the key a shortcut of someone else's.
    const Qt::KeyboardModifiers mods = e.modifiers() & ~Qt::KeypadModifier;
    return mods == Qt::NoModifier
           && (e.key() == Qt::Key_Space || e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter);
}

class SkinButtonAccessible : public QAccessibleWidget
{
public:
    explicit SkinButtonAccessible(QWidget *w)
        : QAccessibleWidget(w, QAccessible::Button)
    {
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        if (SkinButton *b = SkinButton::of(widget()))
            QMetaObject::invokeMethod(b, &SkinButton::click, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (name == pressAction())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(name);
    }
};

QAccessibleInterface *factory(const QString &, QObject *object)
{
    if (object && object->isWidgetType() && SkinButton::of(object))
        return new SkinButtonAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

SkinButton::SkinButton(QWidget *button, Handler down, Handler up)
    : QObject(button)
    , m_down(std::move(down))
    , m_up(std::move(up))
{
}

void SkinButton::installAccessibility()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(factory); });
}

SkinButton *SkinButton::attach(QWidget *button, const QString &name, Handler down, Handler up)
{
    installAccessibility();
    auto *b = new SkinButton(button, std::move(down), std::move(up));
    b->setObjectName(QStringLiteral("qt_skin_button"));
    // Qt keeps the first interface it makes for a widget, and a label makes
    // one as soon as it gets its text; a plain one made before now goes.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(button);
    if (made && !dynamic_cast<SkinButtonAccessible *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    button->setAccessibleName(name);
    button->setFocusPolicy(Qt::StrongFocus);
    button->installEventFilter(b);
    return b;
}

SkinButton *SkinButton::of(const QObject *widget)
{
    return widget ? widget->findChild<SkinButton *>(QStringLiteral("qt_skin_button"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

QWidget *SkinButton::button() const
{
    return static_cast<QWidget *>(parent());
}

void SkinButton::click()
{
    if (m_down)
        m_down();
    if (m_up)
        m_up();
}

void SkinButton::release()
{
    m_keyHeld = false;
    if (m_up)
        m_up();
}

bool SkinButton::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // The key belongs to the focused button, not to a window shortcut
        // that happens to use it too.
        auto *e = static_cast<QKeyEvent *>(event);
        if (isActivationKey(*e))
            e->accept();
        return false;
    }
    case QEvent::KeyPress: {
        auto *e = static_cast<QKeyEvent *>(event);
        if (!isActivationKey(*e))
            return false;
        if (!e->isAutoRepeat() && !m_keyHeld) {
            if (e->key() == Qt::Key_Space) {
                m_keyHeld = true;
                if (m_down)
                    m_down();
            } else {
                click();
            }
        }
        return true;
    }
    case QEvent::KeyRelease: {
        auto *e = static_cast<QKeyEvent *>(event);
        if (e->key() != Qt::Key_Space || !isActivationKey(*e))
            return false;
        if (!e->isAutoRepeat() && m_keyHeld)
            release();
        return true;
    }
    case QEvent::FocusOut:
        // Never leave the button looking pressed; the release acts, as a
        // mouse release anywhere does.
        if (m_keyHeld)
            release();
        return false;
    default:
        return false;
    }
}

} // namespace horavox
