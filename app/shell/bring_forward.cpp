// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bring_forward.h"

#include <QGuiApplication>
#include <QWidget>

namespace horavox {

bool mapsAfresh(const QString &platform, bool minimised, bool hasToken)
{
    if (!platform.startsWith(QLatin1String("wayland")))
        return false;
    return minimised || !hasToken;
}

void bringForward(QWidget &window, const QByteArray &activationToken, const QString &platform)
{
    const bool minimised = window.windowState() & Qt::WindowMinimized;
    const QString where = platform.isEmpty() ? QGuiApplication::platformName() : platform;
    if (mapsAfresh(where, minimised, !activationToken.isEmpty()))
        window.hide();
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    window.activateWindow();
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace horavox
