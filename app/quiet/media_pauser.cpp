// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "media_pauser.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace horavox {

namespace {
const QString kPrefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
constexpr int kTimeoutMs = 2000;
} // namespace

MediaPauser::MediaPauser(const QDBusConnection &bus, QObject *parent) : QObject(parent), m_bus(bus) {}

void MediaPauser::withStatus(const QString &player,
                             std::function<void(const QString &owner, const QString &status)> then)
{
    QDBusMessage get = QDBusMessage::createMethodCall(player, kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kPlayer << QStringLiteral("PlaybackStatus");
    auto *w = new QDBusPendingCallWatcher(m_bus.asyncCall(get, kTimeoutMs), this);
    connect(w, &QDBusPendingCallWatcher::finished, this, [then = std::move(then)](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *w;
        if (!reply.isError())
            then(reply.reply().service(), reply.value().variant().toString());
    });
}

void MediaPauser::call(const QString &player, const QString &method)
{
    m_bus.asyncCall(QDBusMessage::createMethodCall(player, kPath, kPlayer, method), kTimeoutMs);
}

void MediaPauser::voiceStarted()
{
    if (m_speaking || !m_enabled || !m_bus.isConnected())
        return;
    m_speaking = true;
    QDBusMessage list = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                                       QStringLiteral("/org/freedesktop/DBus"),
                                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListNames"));
    auto *w = new QDBusPendingCallWatcher(m_bus.asyncCall(list, kTimeoutMs), this);
    connect(w, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        w->deleteLater();
        const QDBusPendingReply<QStringList> names = *w;
        if (names.isError())
            return;
        for (const QString &name : names.value()) {
            if (!name.startsWith(kPrefix))
                continue;
            withStatus(name, [this](const QString &owner, const QString &status) {
                // A short announcement may be over before the answer comes.
                if (!m_speaking || status != QLatin1String("Playing") || owner.isEmpty())
                    return;
                // The unique name: a player that quits and another that takes
                // its name is not resumed by mistake.
                m_paused.insert(owner);
                call(owner, QStringLiteral("Pause"));
            });
        }
    });
}

void MediaPauser::voiceEnded()
{
    m_speaking = false;
    const QSet<QString> paused = std::exchange(m_paused, {});
    for (const QString &owner : paused) {
        // Calls to one player arrive in order, so this sees our Pause done.
        withStatus(owner, [this](const QString &player, const QString &status) {
            if (status == QLatin1String("Paused"))
                call(player, QStringLiteral("Play"));
        });
    }
}

} // namespace horavox
