// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_system.h"

#include <QGuiApplication>
#include <QWidget>

#if defined(HORAVOX_HAVE_XCB)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <cstdlib>
#include <cstring>
#endif

namespace horavox {

bool compositorPlacesWindows(const QString &platformName)
{
    return platformName.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive);
}

bool compositorPlacesWindows()
{
    return compositorPlacesWindows(QGuiApplication::platformName());
}

bool titleBarIgnoresWindowFlags(const QString &platformName)
{
    return platformName.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive);
}

bool titleBarIgnoresWindowFlags()
{
    return titleBarIgnoresWindowFlags(QGuiApplication::platformName());
}

Qt::MouseButtons windowManagerMoveButtons(const QString &platformName)
{
    if (platformName == QLatin1String("xcb"))
        return Qt::LeftButton;
    return Qt::AllButtons;
}

void cancelWindowManagerMove(QWidget *window)
{
#if defined(HORAVOX_HAVE_XCB)
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !window)
        return;
    xcb_connection_t *c = x11->connection();
    static const char kName[] = "_NET_WM_MOVERESIZE";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::strlen(kName), kName), nullptr);
    if (!atom)
        return;
    const xcb_atom_t moveResize = atom->atom;
    std::free(atom);
    if (moveResize == XCB_ATOM_NONE)
        return;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return;

    xcb_client_message_event_t msg;
    std::memset(&msg, 0, sizeof msg);
    msg.response_type = XCB_CLIENT_MESSAGE;
    msg.format = 32;
    msg.window = xcb_window_t(window->window()->winId());
    msg.type = moveResize;
    msg.data.data32[2] = 11; // _NET_WM_MOVERESIZE_CANCEL
    xcb_send_event(c, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&msg));
    xcb_flush(c);
#else
    Q_UNUSED(window);
#endif
}

} // namespace horavox
