// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace horavox {

class MainForm;

// What plays in the bleep's place when the user chose a chime instead: asked
// by the main window each time the bleep is due before a time announcement
// (never before an elapsed-time one, which keeps its bleep).
class BleepStandIn
{
public:
    virtual ~BleepStandIn() = default;
    // Plays the chosen chime (or leaves the place silent) through the
    // window's player and returns true; false leaves the bleep to be played.
    virtual bool playInPlaceOfBleep(MainForm &window) = 0;
    // After a chime: whether the words of the time follow it.
    virtual bool wordsFollow() const = 0;
};

} // namespace horavox
