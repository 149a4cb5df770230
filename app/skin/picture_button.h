// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QLabel>
#include <QPixmap>

namespace horavox {

// A button drawn as two pictures of the skin: the released one, and the
// pressed one while it is held. It reacts to every mouse button, and the
// release goes to it wherever the pointer is by then, since Qt hands the
// release to the widget that took the press.
//
// One press at a time: a second mouse button going down while one is held
// changes nothing, and the first button to come up ends the press, so the
// button never stays drawn pressed and never acts twice for one press. Keys reach the same press through press() and release()
// (SkinButton::attach does that).
class PictureButton : public QLabel
{
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);

    // The two looks; the released one is shown at once unless the button is
    // held.
    void setPictures(const QPixmap &released, const QPixmap &pressed);
    QPixmap releasedPicture() const { return m_released; }
    QPixmap pressedPicture() const { return m_pressed; }

    bool isDown() const { return m_down; }

public Q_SLOTS:
    // Shows the pressed picture and reports pressed(); nothing while held.
    void press();
    // Shows the released picture, then reports released(), where the
    // button's action belongs; nothing unless held.
    void release();

Q_SIGNALS:
    void pressed();
    void released();
    // The pointer has come onto the button: a press may follow.
    void pointerEntered();

protected:
    void enterEvent(QEnterEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    QPixmap m_released;
    QPixmap m_pressed;
    bool m_down = false;
    Qt::MouseButton m_mouseButton = Qt::NoButton; // the mouse button holding it
};

} // namespace horavox
