// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chime_controller.h"

#include "core/clock.h"
#include "main_window/main_form.h"
#include "settings/settings_window.h"
#include "settings/time_window.h"
#include "speech/audio/audio_output.h"
#include "speech/tts_announcer.h"

#include <QEventLoop>
#include <QPointer>

namespace horavox {

namespace {
// The look ahead runs this long before a minute: long enough for the device
// to open and wake before the pips start five seconds before it.
constexpr int kLookAheadMs = 8000;
// The pips' voice is handed to the output this long before its first pip,
// well ahead of the buffer the output fills next.
constexpr int kHandOverMs = 400;

QDateTime startOfNextMinute(const QDateTime &t)
{
    const QTime time = t.time();
    const QDateTime minute(t.date(), QTime(time.hour(), time.minute()));
    return minute.addSecs(60);
}
} // namespace

ChimeController::ChimeController(const Clock &clock, AudioOutput &audio, QString prefsPath, QString soundFolder,
                                 QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_audio(audio)
    , m_prefsPath(std::move(prefsPath))
    , m_prefs(chime_preferences::load(m_prefsPath, &m_readFailure))
    , m_sounds(std::move(soundFolder), audio.sampleRate())
{
    m_lookAhead.setSingleShot(true);
    m_lookAhead.setTimerType(Qt::PreciseTimer);
    connect(&m_lookAhead, &QTimer::timeout, this, &ChimeController::lookAhead);
    m_pipsTimer.setSingleShot(true);
    m_pipsTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_pipsTimer, &QTimer::timeout, this, &ChimeController::startPips);
}

ChimeController::~ChimeController() = default;

QString ChimeController::setPreferences(const ChimePreferences &p)
{
    m_prefs = p;
    armLookAhead();
    QString why;
    if (!m_readFailure.isEmpty())
        why = tr("The chime choices are not saved: %1 could not be read at start and is left as it is.")
                  .arg(m_prefsPath);
    else if (QString failure; !chime_preferences::save(m_prefsPath, p, &failure))
        why = tr("The chime choices are not saved: %1").arg(failure.isEmpty() ? m_prefsPath : failure);
    if (!why.isEmpty())
        Q_EMIT notSaved(why);
    return why;
}

void ChimeController::attach(MainForm *window)
{
    m_window = window;
    if (window)
        window->setBleepStandIn(this);
    armLookAhead();
}

std::vector<int16_t> ChimeController::previewSamples(ChimeChoice choice, const QString &ownFile, QString *why) const
{
    const ChimePlan plan = chimeFor(choice, m_clock.now().time(), ChimeOccasion::Preview);
    return m_sounds.samplesFor(plan, ownFile, why);
}

bool ChimeController::playInPlaceOfBleep(MainForm &window)
{
    m_wordsFollow = true;
    if (m_prefs.choice == ChimeChoice::Bleep)
        return false;
    const QDateTime now = m_clock.now();
    // The pips of this minute began before it; whatever asks for the chime
    // within the minute (a retry after a busy voice too) hears them once,
    // and a Speak press while they sound waits for them rather than
    // talking over them.
    const bool pipsSounding = m_pipsVoice && !m_pipsVoice->isOver();
    const bool pipsThisMinute = m_pipsVoice && m_pipsMinute.isValid() && now >= m_pipsMinute
                                && now < m_pipsMinute.addSecs(60);
    if (pipsSounding || pipsThisMinute) {
        waitForPips(window);
        m_wordsFollow = !m_prefs.chimeOnly;
        return true;
    }
    const ChimePlan plan = chimeFor(m_prefs.choice, now.time(), ChimeOccasion::SpeakRequest);
    if (plan.kind == ChimePlan::Kind::Silence)
        return true; // the words still come: nothing told the time
    QString why;
    const QString file = m_sounds.fileFor(plan, m_prefs.soundFile, &why);
    if (file.isEmpty()) {
        if (!why.isEmpty())
            Q_EMIT soundFileFailed(why);
        return false;
    }
    window.playClip(file);
    m_wordsFollow = !m_prefs.chimeOnly;
    return true;
}

void ChimeController::armLookAhead()
{
    m_lookAhead.stop();
    if (!m_window || m_prefs.choice != ChimeChoice::Pips)
        return;
    const QDateTime now = m_clock.now();
    qint64 wait = now.msecsTo(startOfNextMinute(now)) - kLookAheadMs;
    if (wait < 0)
        wait += 60000;
    m_lookAhead.start(int(wait));
}

void ChimeController::lookAhead()
{
    armLookAhead(); // the next minute's
    Settings *settings = m_window ? m_window->settingsWindow() : nullptr;
    if (!settings || m_pipsTimer.isActive())
        return;
    const ProgramState &state = m_window->state();
    const QDateTime now = m_clock.now();
    const QDateTime minute = startOfNextMinute(now);
    // Too late for the five short pips (the wall clock stepped, or the
    // program was held up): the announcement plays them first.
    if (now.msecsTo(minute) < kLongPipStartMs + kHandOverMs)
        return;
    // The bleep's place before a regular announcement of the coming minute:
    // the sound before is wanted, the minute is due and inside the speaking
    // window (judged for that minute: the window's first minute gets its
    // pips too; an open settings window holds nothing back), alarm mode is
    // off and quiet times let it be heard.
    const bool inWindow =
        settings->isVisible() || inTimeWindow(settings->startBound(), settings->endBound(), minute.time());
    if (settings->playBleep() != 1 || settings->alarmMode() != 0 || !inWindow
        || !dueMinutes(state.AnnounceInterval).contains(minute.time().minute()) || (m_admits && !m_admits()))
        return;
    m_pipsMinute = minute;
    m_pipsVoice.reset();
    const qint64 wait = std::max<qint64>(0, now.msecsTo(minute) - kLongPipStartMs - kHandOverMs);
    // Held open until the pips are handed over: a device that closed in
    // between would have no first buffer to place them by.
    m_audio.prepare(int(wait) + kHandOverMs);
    m_pipsTimer.start(int(wait));
}

void ChimeController::startPips()
{
    const QDateTime now = m_clock.now();
    const qint64 untilFirstPip = now.msecsTo(m_pipsMinute) - kLongPipStartMs;
    if (untilFirstPip < 0)
        return; // too late to end on the minute; the announcement plays them first
    auto samples = std::make_shared<const std::vector<int16_t>>(
        m_sounds.samplesFor(chimeFor(ChimeChoice::Pips, now.time(), ChimeOccasion::DueMinute), QString()));
    m_audio.prepare();
    const qint64 frame = m_audio.frameHeardAt(m_clock.monotonicMs() + untilFirstPip);
    auto voice = m_audio.createClipVoice(std::move(samples));
    if (frame < 0 || !m_audio.startAtFrame(voice, frame))
        return;
    // The lamp says the clock is sounding from the first pip, as it does
    // for any announcement.
    if (m_window)
        m_window->setLamp(true);
    voice->setOnFinished([self = QPointer<ChimeController>(this)] {
        if (self && self->m_window && !self->m_window->state().clipPlaying())
            self->m_window->setLamp(false);
    });
    m_pipsVoice = std::move(voice);
}

bool ChimeController::waitForPips(MainForm &window)
{
    // As a clip's wait: other events run, and the clip status says playing,
    // so that nothing else starts over the pips.
    const qint64 deadline = m_clock.monotonicMs() + kLongPipStartMs + kLongPipMs + 2000;
    window.setLamp(true);
    while (m_pipsVoice && !m_pipsVoice->isOver() && m_clock.monotonicMs() < deadline) {
        window.state().WaveModeText = QStringLiteral("playing");
        QEventLoop wait;
        QTimer::singleShot(10, &wait, &QEventLoop::quit);
        wait.exec();
    }
    window.state().WaveModeText = QStringLiteral("stopped");
    window.setLamp(false);
    return true;
}

} // namespace horavox
