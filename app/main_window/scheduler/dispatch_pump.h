// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>
#include <QTimer>

namespace horavox {

class Dispatcher;

// Runs the dispatcher when something may have changed, and keeps a 10 ms poll
// going only while it has something pending. Call kick() after every clock
// tick and alarm tick, after a settings change, and when the engine's busy
// state changes; an idle clock then does no work between ticks.
class DispatchPump : public QObject
{
    Q_OBJECT
public:
    explicit DispatchPump(Dispatcher &dispatcher, QObject *parent = nullptr);

    bool polling() const { return m_poll.isActive(); }

public Q_SLOTS:
    void kick();

private:
    Dispatcher &m_dispatcher;
    QTimer m_poll;
};

} // namespace horavox
