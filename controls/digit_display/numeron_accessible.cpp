// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "numeron_accessible.h"

#include "numeron.h"

#include <QAccessibleWidget>
#include <mutex>

namespace {

class NumeronAccessible : public QAccessibleWidget
{
public:
    explicit NumeronAccessible(Numeron *display)
        : QAccessibleWidget(display, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *display = static_cast<const Numeron *>(widget());
        switch (t) {
        case QAccessible::Name:
            return numeron_accessible::reading(display);
        case QAccessible::Value:
            return display->displayedText();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("Numeron") && object && object->isWidgetType())
        return new NumeronAccessible(static_cast<Numeron *>(object));
    return nullptr;
}

} // namespace

namespace numeron_accessible {

void install()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(factory); });
}

QString reading(const Numeron *display)
{
    if (!display->accessibleName().isEmpty())
        return display->accessibleName();
    if (!display->DigitAccessibleText().isEmpty())
        return display->DigitAccessibleText();
    return display->displayedText();
}

} // namespace numeron_accessible
