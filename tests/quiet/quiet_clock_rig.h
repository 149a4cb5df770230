// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The real main window on a fake clock, fake player and fake engine, with a
// quiet-times gate in front of its scheduler. The clock is moved a minute at
// a time and the window ticked as its own clock tick would.
#include "clock_window_rig.h"
#include "quiet/quiet_gate.h"

#include <QCoreApplication>
#include <functional>

namespace horavox_test {

struct QuietClockRig : ClockWindowRig
{
    // Speaking window all day, no bleep, nothing at start-up.
    // `external`: a gate of the test's own (a controller's) instead of `gate`.
    QuietClockRig(const QDateTime &start, bool tts, int interval = 15,
                  const std::function<horavox::QuietGate *(FakeClock &)> &external = {})
        : ClockWindowRig(tts ? kQuietSpeechSettings : kQuietSettings,
                         QByteArray::number(interval * 30) + "\r\n", // 30 per minute
                         Load::Later, {.start = start})
    {
        media.queriesPerClip = 1;
        build(Load::Whole, {.gate = external ? external(clock) : &gate});
    }
    ~QuietClockRig() { form.reset(); } // the window before the gate it asks

    // Runs `minutes` minute changes; `before(i)` runs before the i-th (from 1).
    // Gives the "HH:mm" of each minute in which the clock spoke.
    QStringList run(int minutes, const std::function<void(int)> &before = {})
    {
        QStringList heard;
        for (int i = 1; i <= minutes; ++i) {
            if (before)
                before(i);
            const qsizetype said = media.played.size() + engine.spoken.size();
            clock.advanceSecs(60);
            form->Timer1_Timer();
            for (int k = 0; k < 5; ++k)
                QCoreApplication::processEvents();
            if (media.played.size() + engine.spoken.size() > said)
                heard << clock.now().time().toString(QStringLiteral("HH:mm"));
        }
        return heard;
    }

    horavox::QuietGate gate{clock};
};

} // namespace horavox_test
