// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace horavox {

// Decides whether an announcement the clock makes on its own may be spoken
// now. Announcements the user asks for (the Speak button, --say-time) never
// ask it.
class AnnouncementGate
{
public:
    virtual ~AnnouncementGate() = default;
    // A due minute has come and would be announced. False drops it: a minute
    // that passes while the clock must keep quiet is not spoken late. May use
    // up a one-time skip, so ask only when something would be said.
    virtual bool admitDueMinute() = 0;
    // An elapsed-time announcement waits while this is true and is spoken
    // once it turns false.
    virtual bool holdsAlarm() const = 0;
};

} // namespace horavox
