// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

namespace horavox {

class Clock;

// `--play-chime [NAME]`: plays the chime the clock would play now (the
// chosen one, or NAME: "bleep", "hour-strike", "westminster", "pips" or a
// sound file's path, as a preview) and returns once it has been heard.
// Returns the exit code; an unknown name or a file that cannot be played is
// an error on standard error and 1. `volume` is the clock's own, in percent.
int playChimeCommand(const QString &name, const Clock &clock, int volume);

} // namespace horavox
