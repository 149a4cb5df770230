// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "focus_glow.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace horavox {

namespace {
// The green of the digits, so the glow reads as part of the same display.
const QColor kGlow(96, 255, 96);
} // namespace

FocusGlow::FocusGlow(QWidget *window)
    : QFocusFrame(window)
{
    setObjectName(QStringLiteral("qt_focus_glow"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { follow(now); });
}

void FocusGlow::follow(QWidget *focused)
{
    QWidget *target = nullptr;
    if (focused && focused != parentWidget() && parentWidget()->isAncestorOf(focused))
        target = focused;
    if (m_target == target) {
        place();
        return;
    }
    if (m_target)
        m_target->removeEventFilter(this);
    m_target = target;
    if (m_target)
        m_target->installEventFilter(this);
    place();
}

void FocusGlow::place()
{
    if (!m_target || !m_target->isVisible() || !parentWidget()->isActiveWindow()) {
        hide();
        return;
    }
    // A control made of parts (the slider's track) glows around its parts,
    // not around the spare room it leaves beside them.
    const QRect drawn = m_target->childrenRect().isEmpty() ? m_target->rect() : m_target->childrenRect();
    const QRect around = drawn.translated(m_target->mapTo(parentWidget(), QPoint(0, 0)))
                             .adjusted(-kReach, -kReach, kReach, kReach);
    setGeometry(around);
    // Behind the control, in front of the skin.
    if (m_target->parentWidget() == parentWidget())
        stackUnder(m_target);
    else
        raise();
    show();
    update();
}

bool FocusGlow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_target) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            place();
            break;
        default:
            break;
        }
    }
    return QFocusFrame::eventFilter(watched, event);
}

void FocusGlow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Rings fading outward from the control's edge.
    for (int i = 0; i < kReach; ++i) {
        QColor c = kGlow;
        c.setAlpha(200 - i * 70);
        p.setPen(QPen(c, 1.0));
        const qreal inset = kReach - i - 0.5;
        p.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), 2.5 + i, 2.5 + i);
    }
}

} // namespace horavox
