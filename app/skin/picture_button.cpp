// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_button.h"

#include <QMouseEvent>

namespace horavox {

PictureButton::PictureButton(QWidget *parent)
    : QLabel(parent)
{
    setScaledContents(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void PictureButton::setPictures(const QPixmap &released, const QPixmap &pressed)
{
    m_released = released;
    m_pressed = pressed;
    setPixmap(m_down ? m_pressed : m_released);
}

void PictureButton::press()
{
    if (m_down)
        return;
    m_down = true;
    setPixmap(m_pressed);
    Q_EMIT pressed();
}

void PictureButton::release()
{
    if (!m_down)
        return;
    m_down = false;
    m_mouseButton = Qt::NoButton;
    setPixmap(m_released);
    Q_EMIT released();
}

void PictureButton::enterEvent(QEnterEvent *e)
{
    QLabel::enterEvent(e);
    Q_EMIT pointerEntered();
}

void PictureButton::mousePressEvent(QMouseEvent *e)
{
    e->accept();
    if (m_down)
        return;
    m_mouseButton = e->button();
    press();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *e)
{
    e->accept();
    // The first button to come up ends the press, whichever it is; the
    // others come up on a button that is no longer held. A press a key
    // holds ends with the key.
    if (m_mouseButton != Qt::NoButton)
        release();
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent *e)
{
    // The second click of a double click is a press like the first.
    mousePressEvent(e);
}

} // namespace horavox
