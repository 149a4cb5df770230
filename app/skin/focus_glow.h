// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QFocusFrame>
#include <QPointer>

namespace horavox {

// A soft glow around whichever control of a window has the keyboard focus:
// the skin's own controls draw no focus of their own. It sits just behind
// the focused control, so only the ring around the control shows, and it is
// hidden while the window is not active. A QFocusFrame, so that assistive
// technology leaves it out as the decoration it is; it places itself,
// though, as the frame's own placing assumes a style's focus rectangle.
class FocusGlow : public QFocusFrame
{
    Q_OBJECT
public:
    // How far the glow reaches beyond the control, in pixels.
    static constexpr int kReach = 3;

    explicit FocusGlow(QWidget *window);

    // The control the glow is around now, or null.
    QWidget *target() const { return m_target; }

protected:
    void paintEvent(QPaintEvent *) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QWidget *focused);
    void place();

    QPointer<QWidget> m_target;
};

} // namespace horavox
