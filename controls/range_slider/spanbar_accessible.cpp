// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "spanbar_accessible.h"

#include "spanbar_p.h"

#include <QAccessibleWidget>
#include <mutex>

namespace {

// A slider with the left pointer's value. The track and the pointers are
// the control's own business, so they are not offered as children.
class SpanbarAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SpanbarAccessible(Spanbar *bar)
        : QAccessibleWidget(bar, QAccessible::Slider)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Value:
            return bar()->valueReading(bar()->RangeLeft());
        case QAccessible::Description:
            if (bar()->accessibleDescription().isEmpty()) {
                if (const QWidget *track = bar()->findChild<QWidget *>(QStringLiteral("PicFrame")))
                    return track->toolTip();
            }
            break;
        default:
            break;
        }
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return int(bar()->RangeLeft()); }
    void setCurrentValue(const QVariant &value) override { SpanbarPrivate::get(bar())->stepTo(value.toInt()); }
    QVariant maximumValue() const override { return int(bar()->Range()); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    Spanbar *bar() const { return static_cast<Spanbar *>(widget()); }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("Spanbar") && object && object->isWidgetType())
        return new SpanbarAccessible(static_cast<Spanbar *>(object));
    return nullptr;
}

} // namespace

namespace spanbar_accessible {

void install()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(factory); });
}

} // namespace spanbar_accessible
