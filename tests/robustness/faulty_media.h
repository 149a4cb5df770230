// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A media layer in front of the real one that records every command with its
// result and, on request, breaks the way a sound device breaks in use.
#include "fake_clock.h"
#include "core/media_control.h"

#include <QStringList>

namespace horavox_test {

class FaultyMedia final : public horavox::MediaControl
{
public:
    enum class Fault {
        None,
        Vanish,        // mid-clip every command fails; the device still counts
        VanishCounted, // mid-clip every command fails and no device is left
        Stuck,         // the first clip never ends: "playing" for ever
    };

    FaultyMedia(horavox::MediaControl &real, FakeClock &clock) : m_real(real), m_clock(clock)
    {
        connect(&m_real, &MediaControl::playbackEnded, this, &MediaControl::playbackEnded);
    }

    Fault fault = Fault::None;
    int queriesBeforeFault = 2;
    QStringList log;   // "<command> -> <result>"
    QStringList opened; // clip names whose open succeeded

    int sendString(const QString &command, QString *reply = nullptr) override
    {
        int rc;
        if (m_broken && fault != Fault::Stuck) {
            rc = 6;
            if (reply)
                reply->clear();
        } else if (m_broken && command.startsWith(QLatin1String("status"))) {
            rc = 0;
            if (reply)
                *reply = QStringLiteral("playing");
            m_clock.advanceMs(20); // time goes by while the player waits
        } else {
            rc = m_real.sendString(command, reply);
            if (command.startsWith(QLatin1String("open ")) && rc == 0)
                opened << command.mid(5, command.indexOf(QLatin1String(" type ")) - 5);
            if (command.startsWith(QLatin1String("status")) && fault != Fault::None && ++m_queries >= queriesBeforeFault)
                m_broken = true;
        }
        if (m_broken && fault == Fault::Stuck && command.startsWith(QLatin1String("close")))
            m_broken = false, fault = Fault::None; // the stuck device recovers for the next clip
        log << command + QStringLiteral(" -> ") + QString::number(rc);
        return rc;
    }
    int waveOutDeviceCount() const override
    {
        return m_broken && fault == Fault::VanishCounted ? 0 : m_real.waveOutDeviceCount();
    }
    qint64 lengthMs(const QString &alias) const override { return m_real.lengthMs(alias); }

private:
    horavox::MediaControl &m_real;
    FakeClock &m_clock;
    bool m_broken = false;
    int m_queries = 0;
};

} // namespace horavox_test
