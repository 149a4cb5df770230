// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "v_spinner_accessible.h"

#include "settings/v_spinner.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <mutex>

namespace horavox {

namespace {

// One arrow of a spinner. It has no widget of its own, so it is an
// interface of its own that the spinner's interface holds as a child.
class ArrowAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ArrowAccessible(VSpinner *spinner, bool up)
        : m_spinner(spinner)
        , m_up(up)
    {
    }

    bool isValid() const override { return m_spinner; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_spinner ? m_spinner->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_spinner); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        if (!m_spinner || t != QAccessible::Name)
            return QString();
        return m_up ? m_spinner->upArrowName() : m_spinner->downArrowName();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!m_spinner || !m_spinner->isVisible())
            s.invisible = true;
        if (!m_spinner || !m_spinner->isEnabled())
            s.disabled = true;
        return s;
    }

    QRect rect() const override
    {
        if (!m_spinner)
            return QRect();
        const int half = m_spinner->height() / 2;
        const QRect local = m_up ? QRect(0, 0, m_spinner->width(), half)
                                 : QRect(0, half, m_spinner->width(), m_spinner->height() - half);
        return local.translated(m_spinner->mapToGlobal(QPoint(0, 0)));
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &name) override
    {
        // A disabled arrow does nothing for a mouse either.
        if (name != pressAction() || !m_spinner || !m_spinner->isEnabled())
            return;
        if (m_up)
            m_spinner->stepUp();
        else
            m_spinner->stepDown();
    }

private:
    QPointer<VSpinner> m_spinner;
    bool m_up;
};

class VSpinnerAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit VSpinnerAccessible(VSpinner *spinner)
        : QAccessibleWidget(spinner, QAccessible::ScrollBar)
    {
    }

    ~VSpinnerAccessible() override
    {
        for (QAccessible::Id id : m_arrows)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return 2; }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index > 1)
            return nullptr;
        if (!m_arrows[index])
            m_arrows[index] = QAccessible::registerAccessibleInterface(new ArrowAccessible(spinner(), index == 0));
        return QAccessible::accessibleInterface(m_arrows[index]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < 2; ++i)
            if (m_arrows[i] && QAccessible::accessibleInterface(m_arrows[i]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int i = 0; i < 2; ++i)
            if (child(i)->rect().contains(x, y))
                return child(i);
        return nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(spinner()->value());
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return spinner()->value(); }
    void setCurrentValue(const QVariant &value) override
    {
        if (spinner()->isEnabled())
            spinner()->setValue(value.toInt());
    }
    QVariant maximumValue() const override { return spinner()->topValue(); }
    QVariant minimumValue() const override { return spinner()->bottomValue(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    VSpinner *spinner() const { return static_cast<VSpinner *>(widget()); }
    mutable QAccessible::Id m_arrows[2] = {0, 0};
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("horavox::VSpinner") && object && object->isWidgetType())
        return new VSpinnerAccessible(static_cast<VSpinner *>(object));
    return nullptr;
}

} // namespace

void installVSpinnerAccessibility()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(factory); });
}

} // namespace horavox
