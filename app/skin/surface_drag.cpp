// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface_drag.h"

#include "core/window_system.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace horavox {

SurfaceDrag::WindowSystem SurfaceDrag::WindowSystem::of(QWidget *window)
{
    const QString platform = QGuiApplication::platformName();
    WindowSystem system;
    system.startMove = [window] {
        QWindow *handle = window->windowHandle();
        return handle && handle->startSystemMove();
    };
    system.cancelMove = [window] { cancelWindowManagerMove(window); };
    system.moveButtons = windowManagerMoveButtons(platform);
    system.programMoves = !compositorPlacesWindows(platform);
    return system;
}

SurfaceDrag::SurfaceDrag(QWidget *window, WindowSystem system) : m_window(window), m_system(std::move(system)) {}

void SurfaceDrag::press(const QMouseEvent *e)
{
    // A second button going down during a drag changes nothing. A first
    // one always starts afresh: after a move the window system ran, the
    // release it took never reaches the window.
    if (e->buttons() != e->button())
        return;
    m_state = State::Armed;
    m_button = e->button();
    m_grabOffset = e->globalPosition().toPoint() - m_window->frameGeometry().topLeft();
}

void SurfaceDrag::move(const QMouseEvent *e)
{
    if (e->buttons() == Qt::NoButton) {
        // The release went elsewhere; with no button held there is no drag.
        m_state = State::Idle;
        return;
    }
    switch (m_state) {
    case State::Armed:
        if ((m_system.moveButtons & m_button) && m_system.startMove && m_system.startMove()) {
            m_state = State::Handed;
            return;
        }
        if (!m_system.programMoves) {
            m_state = State::Refused;
            return;
        }
        m_state = State::Following;
        [[fallthrough]];
    case State::Following:
        m_window->move(e->globalPosition().toPoint() - m_grabOffset);
        return;
    case State::Idle:
    case State::Handed:
    case State::Refused:
        return;
    }
}

void SurfaceDrag::release(const QMouseEvent *e)
{
    if (e->buttons() != Qt::NoButton)
        return;
    // The window system takes the release of a move it runs; one that comes
    // here instead was let go before the move began, and the move would go
    // on with no button held.
    if (m_state == State::Handed && m_system.cancelMove)
        m_system.cancelMove();
    m_state = State::Idle;
}

} // namespace horavox
