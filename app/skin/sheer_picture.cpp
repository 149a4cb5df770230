// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheer_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace horavox {

int legacyButton(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int legacyButtons(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0);
}

int legacyShift(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

SheerPicture::SheerPicture(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
}

void SheerPicture::setPicture(const QImage &picture, float x, float y)
{
    m_source = picture;
    m_offset = QPointF(x, y);
    rebuild();
}

void SheerPicture::setTransparentColor(QRgb key)
{
    if (m_key == key)
        return;
    m_key = key;
    rebuild();
}

void SheerPicture::rebuild()
{
    if (m_source.isNull()) {
        m_rendered = QPixmap();
    } else {
        QImage img = m_source.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = m_key & 0xFFFFFF;
        for (int yy = 0; yy < img.height(); ++yy) {
            auto *line = reinterpret_cast<QRgb *>(img.scanLine(yy));
            for (int xx = 0; xx < img.width(); ++xx)
                if ((line[xx] & 0xFFFFFF) == key)
                    line[xx] = 0;
        }
        m_rendered = QPixmap::fromImage(img);
    }
    update();
}

void SheerPicture::paintEvent(QPaintEvent *)
{
    if (m_rendered.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(m_offset, m_rendered);
}

void SheerPicture::mousePressEvent(QMouseEvent *e)
{
    const QPointF pos = e->position() * 15.0;
    Q_EMIT mouseDown(legacyButton(e->button()), legacyShift(e->modifiers()), float(pos.x()), float(pos.y()));
}

void SheerPicture::mouseReleaseEvent(QMouseEvent *e)
{
    const QPointF pos = e->position() * 15.0;
    Q_EMIT mouseUp(legacyButton(e->button()), legacyShift(e->modifiers()), float(pos.x()), float(pos.y()));
}

} // namespace horavox
