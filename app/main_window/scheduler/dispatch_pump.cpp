// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dispatch_pump.h"

#include "dispatcher.h"

namespace horavox {

DispatchPump::DispatchPump(Dispatcher &dispatcher, QObject *parent)
    : QObject(parent), m_dispatcher(dispatcher)
{
    m_poll.setInterval(10);
    m_poll.setTimerType(Qt::PreciseTimer);
    connect(&m_poll, &QTimer::timeout, this, &DispatchPump::kick);
}

void DispatchPump::kick()
{
    // A tick may play clips and so run nested kicks from the event loop; the
    // pending test after it sees whatever they left.
    m_dispatcher.tick();
    if (!m_dispatcher.pending())
        m_poll.stop();
    else if (!m_poll.isActive())
        m_poll.start();
}

} // namespace horavox
