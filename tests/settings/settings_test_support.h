// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Fakes for the settings window's collaborators.
#include "core/message_sink.h"
#include "core/announcer.h"

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace horavox_test {

struct RecordingMessageSink final : horavox::MessageSink
{
    QVector<QPair<QString, QString>> shown; // title, text
    std::function<void()> whileShown;       // runs as the box would be open
    void information(QWidget *, const QString &title, const QString &text) override
    {
        shown.append({title, text});
        if (whileShown)
            whileShown();
    }
};

struct RecordingAnnouncer final : horavox::Announcer
{
    QStringList calls;
    std::function<void(const QString &)> onCall; // sees the window mid-call
    void TTScheckTime() override { record(QStringLiteral("TTScheckTime")); }
    void StartupSpeak() override { record(QStringLiteral("StartupSpeak")); }
    void TTSAlarm() override { record(QStringLiteral("TTSAlarm")); }

private:
    void record(const QString &name)
    {
        calls << name;
        if (onCall)
            onCall(name);
    }
};

} // namespace horavox_test
