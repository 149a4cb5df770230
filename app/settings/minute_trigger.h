// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace horavox {

// The once-a-minute trigger of the regular announcement. It is handed the
// short time text on every clock tick and reports a change of it, so the
// announcement check runs once per minute. A wall clock set back across a
// minute boundary shows that minute again; it is not reported twice. Minutes
// are told apart by date, UTC offset and text, so the hour repeated at the end
// of summer time is made of new minutes.
class MinuteTrigger
{
public:
    // True when shortTime differs from the text handed over last and the
    // minute it names on now's date and UTC offset has not been reported.
    // The first text handed over is a change: the program hands over the
    // minute it starts in while nothing can yet be announced.
    bool changed(const QString &shortTime, const QDateTime &now);

private:
    QString m_last;
    // The last hour or so of minutes reported; older ones cannot come back
    // but by a step of the wall clock larger than that.
    QStringList m_reported;
};

} // namespace horavox
