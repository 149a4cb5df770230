// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDBusConnection>

namespace horavox {

// Whether a screen reader is running, as the desktop's accessibility bus
// launcher publishes it (org.a11y.Status ScreenReaderEnabled on the session
// bus); false when nobody answers within `timeoutMs`.
bool screenReaderRunning(const QDBusConnection &sessionBus = QDBusConnection::sessionBus(), int timeoutMs = 500);

} // namespace horavox
