// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "say_time.h"

#include "core/speech_engine.h"
#include "core/clock.h"
#include "core/paths.h"
#include "settings/settings_codec.h"
#include "settings/settings_file.h"
#include "speech/language/spoken_language.h"

#include <QFileInfo>
#include "main_window/main_form.h"
#include "settings/settings_window.h"

namespace horavox {

namespace {
bool clipPlaying(MainForm &form)
{
    return form.state().WaveModeText == QLatin1String("playing");
}
} // namespace

void requestTimeAnnouncement(MainForm &form)
{
    Settings *settings = form.settingsWindow();
    if (!settings)
        return;
    ProgramState &state = form.state();
    if (settings->alarmMode() != 0) {
        form.speakNow();
        return;
    }
    if (settings->clipsSelected()) {
        // The dispatcher plays the bleep (if wanted) and the clips, or holds
        // the request until a clip that is playing has ended.
        state.ClipTimeRequest = true;
    } else if (settings->ttsSelected()) {
        if (settings->playBleep() != 0) {
            // As a press on Speak: a sentence being spoken gives way, so the
            // bleep and the new sentence come at once.
            settings->engine().TtsStop();
            state.TTSBleepTimeRequest = true; // bleep, then the sentence, once the engine is silent
        } else
            form.speakNow();
    }
    form.Timer2_Timer();
}

QString printedTimeSentence(const Clock &clock)
{
    QString phrase;
    // No file is the built-in phrase too; only one that is there and cannot
    // be read is worth a warning.
    const QString path = settingsFilePath();
    if (QFileInfo::exists(path)) {
        if (const std::optional<QByteArray> bytes = settings_file::read(path))
            phrase = settings_codec::parse(*bytes).phrase.value_or(QString());
    }
    return languageTimeSentence(phrase, clock.now().time());
}

bool voiceSilent(MainForm &form, const SpeechEngine &engine)
{
    const ProgramState &state = form.state();
    return !state.ClipTimeRequest && !state.TTSBleepTimeRequest && !clipPlaying(form)
           && engine.TtsBusy() == 0;
}

SayTimeRun::SayTimeRun(MainForm &form, SpeechEngine &engine, int timeoutMs, QObject *parent)
    : QObject(parent), m_form(form), m_engine(engine)
{
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &SayTimeRun::poll);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(timeoutMs);
    connect(&m_deadline, &QTimer::timeout, this, [this] { end(false); });
}

void SayTimeRun::start()
{
    Settings *settings = m_form.settingsWindow();
    // The load has run the start-up announcement when it is switched on; it
    // is the same announcement this run is for, so it counts as this one.
    m_byLoad = settings && settings->announceAtStartup() == 1;
    // The clips are played from inside the dispatcher, so the watch must be
    // running before it is called.
    m_deadline.start();
    m_poll.start();
    if (m_byLoad)
        m_form.Timer2_Timer(); // serves what the load only requested
    else
        requestTimeAnnouncement(m_form);
    if (!m_done)
        poll();
}

void SayTimeRun::poll()
{
    // Clips are played inside the dispatcher with events running, so this
    // may be reached in the middle of them; the player then reads "playing".
    if (voiceSilent(m_form, m_engine))
        end(true);
}

void SayTimeRun::end(bool completed)
{
    if (m_done)
        return;
    m_done = true;
    m_poll.stop();
    m_deadline.stop();
    if (!completed)
        m_engine.TtsStop();
    Q_EMIT finished(completed);
}

} // namespace horavox
