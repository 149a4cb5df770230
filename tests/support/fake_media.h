// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A media command interface that plays nothing: it records every command and
// reports a clip as playing until the test (or a countdown of mode queries)
// ends it.
#include "core/media_control.h"

#include <QStringList>

namespace horavox_test {

class FakeMedia final : public horavox::MediaControl
{
public:
    QStringList commands;        // every command, in order
    QStringList played;          // the clip name of every successful open + play
    QStringList missing;         // clip names whose open fails
    QStringList stalled;         // clip names that report "playing" until closed, stopped or not
    int devices = 1;
    int queriesPerClip = 3;      // mode queries answered "playing" per clip
    std::function<void()> onQuery; // runs inside each "playing" wait
    int prepares = 0;            // times a sound was announced as coming
    int preloads = 0;            // times a sound was announced as possible

    int sendString(const QString &command, QString *reply = nullptr) override
    {
        commands << command;
        if (reply)
            reply->clear();
        if (command.startsWith(QLatin1String("open "))) {
            const QString file = command.mid(5, command.indexOf(QLatin1String(" type waveaudio")) - 5);
            if (missing.contains(file, Qt::CaseInsensitive))
                return 275;
            m_open = file;
            return 0;
        }
        if (command == QLatin1String("play voice1")) {
            if (m_open.isEmpty())
                return 263;
            played << m_open;
            m_left = queriesPerClip;
            m_stalled = stalled.contains(m_open, Qt::CaseInsensitive);
            return 0;
        }
        if (command == QLatin1String("status voice1 mode")) {
            if (m_open.isEmpty())
                return 263;
            if (reply)
                *reply = m_left > 0 || m_stalled ? QStringLiteral("playing") : QStringLiteral("stopped");
            if (m_stalled) {
                if (onQuery)
                    onQuery();
            } else if (m_left > 0) {
                --m_left;
                if (onQuery)
                    onQuery();
                if (m_left == 0) // heard to its end: wake the waiting player
                    QMetaObject::invokeMethod(
                        this, [this] { Q_EMIT playbackEnded(QStringLiteral("voice1")); }, Qt::QueuedConnection);
            }
            return 0;
        }
        if (command == QLatin1String("stop voice1")) {
            m_left = 0;
            return m_open.isEmpty() ? 263 : 0;
        }
        if (command == QLatin1String("close voice1")) {
            const bool wasOpen = !m_open.isEmpty();
            m_open.clear();
            m_left = 0;
            m_stalled = false;
            return wasOpen ? 0 : 263;
        }
        return 1;
    }
    int waveOutDeviceCount() const override { return devices; }
    qint64 lengthMs(const QString &) const override { return m_open.isEmpty() ? -1 : 500; }
    void prepare() override { ++prepares; }
    void preload() override { ++preloads; }

private:
    QString m_open;
    int m_left = 0;
    bool m_stalled = false;
};

} // namespace horavox_test
