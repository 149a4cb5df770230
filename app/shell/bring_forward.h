// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>
#include <QString>

class QWidget;

namespace horavox {

// Whether bringing the window forward maps it afresh (hides and shows it
// again) instead of asking for it to be raised. A Wayland program can
// neither un-minimise its window nor raise it without an activation token:
// the compositor keeps a minimised window out of sight, and weston and
// mutter give it no taskbar entry to click. A window mapped again is a new
// window to the compositor, shown and placed on top as new windows are. On
// X11 the window manager un-minimises and raises on request, and a fresh map
// would only lose the window's place.
bool mapsAfresh(const QString &platform, bool minimised, bool hasToken);

// Brings the clock's window forward, un-minimised, as a second start asks.
//
// A Wayland compositor raises a window only for a program that holds an
// activation token, which the launcher gave to the second start, not to the
// running clock. Qt's Wayland support reads the token from
// XDG_ACTIVATION_TOKEN at the moment the window asks to be activated, so it
// is put there for that call and taken away after it: a token is good for
// one activation, and a stale one must not be offered again later. Without
// a token the window still asks; X11 desktops and some compositors grant it.
// `platform` is Qt's platform name; empty means this program's own.
void bringForward(QWidget &window, const QByteArray &activationToken, const QString &platform = QString());

} // namespace horavox
