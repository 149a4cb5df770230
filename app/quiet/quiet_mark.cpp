// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiet_mark.h"

#include <QPainter>

namespace horavox {

void paintQuietMark(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = qMax<qreal>(1.5, r.width() / 7);
    // A dark rim keeps the stroke readable on light and dark backgrounds.
    p.setPen(QPen(QColor(0, 0, 0, 170), w + 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(QColor(230, 40, 30), w, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.bottomLeft(), r.topRight());
    p.restore();
}

QuietMark::QuietMark(QWidget *parent) : QWidget(parent)
{
    // The speaker printed on the skin; presses go through to the window, so
    // the clock can still be dragged by it.
    setGeometry(44, 45, 13, 14);
    setAccessibleName(tr("Quiet"));
    hide();
}

void QuietMark::setNotice(const QString &notice)
{
    setToolTip(notice);
    setAccessibleDescription(notice);
    setVisible(!notice.isEmpty());
}

void QuietMark::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintQuietMark(p, QRectF(rect()).adjusted(2, 2, -2, -2));
}

} // namespace horavox
