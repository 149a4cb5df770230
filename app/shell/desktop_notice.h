// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDBusConnection>
#include <QString>

namespace horavox {

// Tells the user something when no box may wait for them: at the end of the
// desktop session nobody may be there to answer one, and nothing may hold
// the session's end up. A desktop notification (org.freedesktop.Notifications)
// is sent and not waited for; without a notification service on the bus it
// is lost, and the reason stays in the log line the caller wrote.
void sendDesktopNotice(const QDBusConnection &bus, const QString &summary, const QString &body);

} // namespace horavox
