// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wrap_check_box.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace horavox {

QRect WrapCheckBox::textRect() const
{
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, this);
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &opt, this);
    return rect().adjusted(indicator + spacing, 0, 0, 0);
}

bool WrapCheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void WrapCheckBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);

    QStyleOptionButton indicator = opt;
    const int iw = style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, this);
    const int ih = style()->pixelMetric(QStyle::PM_IndicatorHeight, &opt, this);
    indicator.rect = QRect(0, (height() - ih) / 2, iw, ih);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &indicator, &p, this);

    const QRect text = textRect();
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    style()->drawItemText(&p, text, flags, opt.palette, isEnabled(), opt.text, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = p.boundingRect(text, flags, opt.text).adjusted(-1, 0, 1, 0) & rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

} // namespace horavox
