// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <Qt>

class QWidget;

namespace horavox {

// What the window system lets a program do with its own top-level windows.
// Wayland compositors keep the placing of windows to themselves: a program
// can neither move its window nor learn where it is (the position reads
// 0,0). Qt names its Wayland platforms "wayland", "wayland-egl" and so on.
bool compositorPlacesWindows(const QString &platformName);
// The same, for the platform this program runs on.
bool compositorPlacesWindows();

// Whether the title bar a dialog gets may offer buttons its window flags
// leave out. On a Wayland compositor that leaves the title bar to the
// program, Qt draws one with minimise and maximise buttons whatever the
// flags ask for.
bool titleBarIgnoresWindowFlags(const QString &platformName);
bool titleBarIgnoresWindowFlags();

// The buttons whose release ends a move the window system runs for the
// program. Qt asks an X11 window manager for a move by button 1, so the
// manager waits for that button alone; a Wayland compositor ends its move
// when no button is held.
Qt::MouseButtons windowManagerMoveButtons(const QString &platformName);

// Takes back a move the X11 window manager was asked for; elsewhere, or
// without X11 support in the build, it does nothing.
void cancelWindowManagerMove(QWidget *window);

} // namespace horavox
