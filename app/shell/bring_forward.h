#pragma once
#include <QByteArray>

class QWidget;

namespace horavox {

// Brings the clock's window forward, un-minimised, as a second start asks.
//
// A Wayland compositor raises a window only for a program that holds an
// activation token, which the launcher gave to the second start, not to the
// running clock. Qt's Wayland support reads the token from
// XDG_ACTIVATION_TOKEN at the moment the window asks to be activated, so it
// is put there for that call and taken away after it: a token is good for
// one activation, and a stale one must not be offered again later. Without
// a token the window still asks; X11 desktops and some compositors grant it.
void bringForward(QWidget &window, const QByteArray &activationToken);

} // namespace horavox
