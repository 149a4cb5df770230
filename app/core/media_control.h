// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>
#include <QString>

namespace horavox {

// The string-command media interface clip playback talks to. Commands are the
// exact texts the program sends ("open <file> type waveaudio alias voice1",
// "play voice1", "status voice1 mode", "stop voice1", "close voice1").
class MediaControl : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~MediaControl() override = default;

    // Runs a command; returns 0 on success or an error number. The reply
    // (e.g. "playing" or "stopped" for the mode query) goes to *reply when given.
    virtual int sendString(const QString &command, QString *reply = nullptr) = 0;
    // Number of wave output devices; 0 means the system cannot play sound.
    virtual int waveOutDeviceCount() const = 0;
    // Length in milliseconds of the clip open under an alias, or -1.
    virtual qint64 lengthMs(const QString &alias) const = 0;
    // A sound is likely within a second or two: a player that needs time to
    // wake its device may start now.
    virtual void prepare() {}
    // A sound may come, less surely than for prepare(): whatever the player
    // can ready without holding the device may start now.
    virtual void preload() {}

Q_SIGNALS:
    // Emitted when a clip playing under an alias has been heard to its end (or
    // stopped), so that a waiting player can wake at once instead of polling.
    void playbackEnded(const QString &alias);
};

} // namespace horavox
