// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "start_sequence.h"

#include "main_window/main_form.h"

#include <QEvent>

namespace horavox {

StartSequence::StartSequence(MainForm &window, std::function<void()> rest, QObject *parent)
    : QObject(parent), m_window(window), m_rest(std::move(rest))
{
    m_unpainted.setSingleShot(true);
    m_unpainted.setInterval(kUnpaintedWaitMs);
    connect(&m_unpainted, &QTimer::timeout, this, &StartSequence::complete);
}

void StartSequence::begin()
{
    m_window.loadFace();
    m_window.installEventFilter(this);
    m_unpainted.start();
}

void StartSequence::complete()
{
    if (m_completed)
        return;
    m_completed = true;
    m_unpainted.stop();
    m_window.removeEventFilter(this);
    m_window.finishLoad();
    if (m_rest)
        m_rest();
    Q_EMIT completedLoading();
}

bool StartSequence::eventFilter(QObject *watched, QEvent *e)
{
    // Queued, so that the frame being painted reaches the screen first.
    if (watched == &m_window && e->type() == QEvent::Paint && !m_queued) {
        m_queued = true;
        QMetaObject::invokeMethod(this, &StartSequence::complete, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, e);
}

} // namespace horavox
