// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiet_controller.h"

#include "core/clock.h"

namespace horavox {

namespace {
// A mute can only end at its time; checking at least this often keeps a
// wall clock that was set forward from leaving the mark up for long.
constexpr int kLongestMuteWaitMs = 60000;
constexpr int kSaveDelayMs = 400;
} // namespace

QuietController::QuietController(Clock &clock, const QString &path, QObject *parent)
    : QObject(parent), m_clock(clock), m_gate(clock), m_path(path)
{
    m_saved = quiet_preferences::load(m_path, &m_readFailure);
    m_gate.setPreferences(m_saved);
    m_volume = m_saved.volume;
    m_voice = m_saved.voice;
    m_language = m_saved.language;
    m_clockStyle = m_saved.clock;
    m_saveLater.setSingleShot(true);
    m_saveLater.setInterval(kSaveDelayMs);
    connect(&m_saveLater, &QTimer::timeout, this, &QuietController::flush);
    m_muteEnd.setSingleShot(true);
    connect(&m_muteEnd, &QTimer::timeout, this, [this] {
        armMuteEnd();
        Q_EMIT changed();
    });
    connect(&m_gate, &QuietGate::changed, this, &QuietController::gateChanged);
    armMuteEnd();
}

QuietController::~QuietController()
{
    if (m_saveLater.isActive())
        flush();
}

void QuietController::setPreferences(const QuietPreferences &p)
{
    QuietPreferences next = p;
    next.mutedUntil = m_gate.preferences().mutedUntil;
    m_gate.setPreferences(next);
}

QString QuietController::statusText() const
{
    return m_gate.statusText(m_schedule ? m_schedule() : ScheduleView{});
}

bool QuietController::flush()
{
    m_saveLater.stop();
    const QuietPreferences now = m_gate.preferences();
    if (now == m_saved)
        return true;
    // A file that was there but could not be read holds the user's choices
    // still: this run's defaults, changed or not, are not written over it.
    QString why = m_readFailure.isEmpty() ? QString() : tr("the file could not be read at start");
    if (why.isEmpty() && quiet_preferences::save(m_path, now)) {
        m_saved = now;
        m_lastFailure.clear();
        return true;
    }
    if (why.isEmpty())
        why = tr("it could not be written");
    // Said once for each reason, not at every move of the volume slider.
    if (why != m_lastFailure) {
        m_lastFailure = why;
        Q_EMIT notSaved(why);
    }
    return false;
}

void QuietController::gateChanged()
{
    const QuietPreferences &now = m_gate.preferences();
    if (now.volume != m_volume) {
        m_volume = now.volume;
        Q_EMIT volumeChanged(now.volume);
    }
    if (now.voice != m_voice) {
        m_voice = now.voice;
        Q_EMIT voiceChanged(now.voice);
    }
    if (now.language != m_language || now.clock != m_clockStyle) {
        m_language = now.language;
        m_clockStyle = now.clock;
        Q_EMIT languageChanged();
    }
    if (now.mutedUntil != m_saved.mutedUntil)
        flush();
    else if (!(now == m_saved))
        m_saveLater.start();
    armMuteEnd();
    Q_EMIT changed();
}

void QuietController::armMuteEnd()
{
    const QDateTime until = m_gate.mutedUntil();
    if (!until.isValid()) {
        m_muteEnd.stop();
        return;
    }
    const qint64 ms = m_clock.now().msecsTo(until) + 20;
    m_muteEnd.start(int(qBound<qint64>(20, ms, qint64(kLongestMuteWaitMs))));
}

} // namespace horavox
