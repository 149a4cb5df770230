// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace horavox {

// A picture drawn with one key colour see-through, so that the window behind
// shows around it. Mouse presses and releases are reported as signals with
// the button and the position in twips, as the windows that host it expect.
class SheerPicture : public QWidget
{
    Q_OBJECT
public:
    static constexpr QRgb kDefaultKey = qRgb(190, 190, 190);

    explicit SheerPicture(QWidget *parent = nullptr);

    // Shows the picture from (x, y) pixels of the widget; a null image clears it.
    void setPicture(const QImage &picture, float x = 0.0f, float y = 0.0f);
    QImage picture() const { return m_source; }

    void setTransparentColor(QRgb key);
    QRgb transparentColor() const { return m_key; }

    // The picture as it is painted, key colour turned transparent.
    const QPixmap &renderedPixmap() const { return m_rendered; }

Q_SIGNALS:
    void mouseDown(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void rebuild();

    QImage m_source;
    QPixmap m_rendered;
    QPointF m_offset;
    QRgb m_key = kDefaultKey;
};

// Mouse button and shift state encoded as the hosting windows expect them:
// left 1, right 2, middle 4; shift 1, ctrl 2, alt 4.
int legacyButton(Qt::MouseButton b);
int legacyButtons(Qt::MouseButtons b);
int legacyShift(Qt::KeyboardModifiers m);

} // namespace horavox
