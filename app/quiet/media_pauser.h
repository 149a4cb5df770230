// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDBusConnection>
#include <QObject>
#include <QSet>

namespace horavox {

// Pauses the media players that are playing while the clock speaks and
// resumes them afterwards: only those it paused itself, and only if they are
// still paused then (a player the user stopped or started again is left as
// it is). Players are found on the session bus by their MPRIS names. All
// calls are asynchronous, so a player that hangs never holds up the clock.
class MediaPauser : public QObject
{
    Q_OBJECT
public:
    explicit MediaPauser(const QDBusConnection &bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool enabled() const { return m_enabled; }
    // The players (by their unique bus names) paused by the clock and not
    // yet resumed.
    QSet<QString> pausedByUs() const { return m_paused; }

public Q_SLOTS:
    // The clock starts making sound.
    void voiceStarted();
    // The clock has been silent for a moment.
    void voiceEnded();

private:
    void call(const QString &player, const QString &method);
    void withStatus(const QString &player, std::function<void(const QString &owner, const QString &status)> then);

    QDBusConnection m_bus;
    QSet<QString> m_paused;
    bool m_enabled = false;
    bool m_speaking = false;
};

} // namespace horavox
