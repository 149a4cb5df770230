// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QtGlobal>

namespace horavox {

// The values several windows share for the whole run. A flag is raised when
// set true and taken when its reader sets it back to false before acting.
struct ProgramState
{
    qint16 AnnounceInterval = 0;  // minutes, 0..60, 0 = never
    QString ShortTimeText;        // "HH:nn"
    bool InTimeWindow = false;    // written only by CheckRange
    bool TimeCheckPending = false;
    bool AlarmCheckPending = false;
    bool ClipTimeRequest = false;
    bool TTSBleepTimeRequest = false;
    bool TTSBleepAlarmRequest = false;
    QString WaveModeText;         // last mode reply for alias voice1
    QString AlarmStartText;       // medium time text of the alarm start

    // Whether the last word from the player was that a clip plays. Every
    // "is a clip playing" question asks this, so the player's reply text is
    // spelled out once.
    bool clipPlaying() const { return WaveModeText == QLatin1String("playing"); }
};

} // namespace horavox
