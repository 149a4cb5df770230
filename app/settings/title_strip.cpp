// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "title_strip.h"

#include "skin/surface_drag.h"

#include <QFrame>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace horavox {

TitleStrip *TitleStrip::install(QWidget *dialog)
{
    // The type alone with the hint: Qt drops a frameless hint that comes
    // with title bar hints.
    dialog->setWindowFlags((dialog->windowFlags() & Qt::WindowType_Mask) | Qt::FramelessWindowHint);
    const QSize contents = dialog->size();
    for (QWidget *child : dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            child->move(child->pos() + QPoint(0, kHeight));
    }
    dialog->setFixedSize(contents.width(), contents.height() + kHeight);

    // Without a window frame the dialog's edge would melt into whatever
    // lies behind it.
    auto *border = new QFrame(dialog);
    border->setFrameShape(QFrame::Box);
    border->setForegroundRole(QPalette::Dark);
    border->setAttribute(Qt::WA_TransparentForMouseEvents);
    border->setGeometry(dialog->rect());
    border->lower();

    auto *strip = new TitleStrip(dialog);
    strip->setGeometry(0, 0, dialog->width(), kHeight);
    strip->show();
    return strip;
}

TitleStrip::TitleStrip(QWidget *dialog)
    : QWidget(dialog)
    , m_close(new QToolButton(this))
{
    SurfaceDrag::attach(this, dialog);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Mid);
    m_close->setAutoRaise(true);
    m_close->setFocusPolicy(Qt::NoFocus);
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton, nullptr, this));
    m_close->setToolTip(tr("Close"));
    m_close->setAccessibleName(tr("Close"));
    const int side = kHeight - 4;
    m_close->setGeometry(dialog->width() - side - 2, 2, side, side);
    connect(m_close, &QToolButton::clicked, dialog, &QWidget::close);
}

void TitleStrip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(palette().color(QPalette::WindowText));
    const QRect text = rect().adjusted(8, 0, -(kHeight + 4), 0);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
               fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, text.width()));
}

} // namespace horavox
