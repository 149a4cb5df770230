// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QPoint>
#include <Qt>
#include <functional>

class QMouseEvent;
class QWidget;

namespace horavox {

// Drags a frameless window by its surface, with any mouse button.
//
// The move begins at the first motion with a button held, never at the
// press itself: a press and release that arrive together (a tap, an
// automation tool) would otherwise hand the window system a move whose
// button is already up, and the window would follow the pointer until the
// next click. A release of the last button always ends the drag, also one
// that reaches the window after it asked the window system for a move.
class SurfaceDrag
{
public:
    // What the window system offers for moving the window.
    struct WindowSystem
    {
        // Asks it to move the window with the pointer until the button is
        // released; false when it will not.
        std::function<bool()> startMove;
        // Takes back a move it was asked for; may do nothing.
        std::function<void()> cancelMove;
        // The buttons whose release the window system's move waits for;
        // a drag by another button is not handed to it.
        Qt::MouseButtons moveButtons = Qt::AllButtons;
        // Whether the program may move the window itself. Where it may not,
        // following the pointer with move() does nothing but store a
        // position the window never had.
        bool programMoves = true;

        // What the running platform offers for this window.
        static WindowSystem of(QWidget *window);
    };

    SurfaceDrag(QWidget *window, WindowSystem system);
    explicit SurfaceDrag(QWidget *window) : SurfaceDrag(window, WindowSystem::of(window)) {}

    void press(const QMouseEvent *e);
    void move(const QMouseEvent *e);
    void release(const QMouseEvent *e);

    // A button is held on the surface and nothing has moved the window yet.
    bool isArmed() const { return m_state == State::Armed; }
    // The window follows the pointer by the program's own moves.
    bool isFollowing() const { return m_state == State::Following; }
    // The window system was asked to move the window.
    bool isHandedOver() const { return m_state == State::Handed; }

private:
    enum class State {
        Idle,
        Armed,     // pressed, not moved yet
        Handed,    // the window system moves the window until the release
        Following, // the program moves the window
        Refused,   // neither can move it; wait for the release
    };

    QWidget *m_window;
    WindowSystem m_system;
    State m_state = State::Idle;
    Qt::MouseButton m_button = Qt::NoButton;
    QPoint m_grabOffset;
};

} // namespace horavox
