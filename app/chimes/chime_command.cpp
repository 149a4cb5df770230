// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chime_command.h"

#include "chimes/chime_preferences.h"
#include "chimes/chime_sounds.h"
#include "core/clock.h"
#include "speech/audio/audio_output.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace horavox {

namespace {
void complain(const QString &text)
{
    std::fprintf(stderr, "horavox: %s\n", text.toLocal8Bit().constData());
}
} // namespace

int playChimeCommand(const QString &name, const Clock &clock, int volume)
{
    ChimeChoice choice = ChimeChoice::Bleep;
    QString ownFile;
    ChimeOccasion occasion = ChimeOccasion::Preview;
    if (name.isEmpty()) {
        const ChimePreferences p = chime_preferences::load(chime_preferences::path());
        choice = p.choice;
        ownFile = p.soundFile;
        occasion = ChimeOccasion::SpeakRequest;
    } else if (const auto named = chimeChoiceFromName(name); named && *named != ChimeChoice::SoundFile) {
        choice = *named;
    } else if (QFileInfo(name).isFile()) {
        choice = ChimeChoice::SoundFile;
        ownFile = name;
    } else {
        complain(QStringLiteral("unknown chime '%1'; give bleep, hour-strike, westminster, pips or a sound file")
                     .arg(name));
        return 1;
    }

    AudioOutput audio;
    audio.setVolume(volume);
    const ChimePlan plan = chimeFor(choice, clock.now().time(), occasion);
    if (plan.kind == ChimePlan::Kind::Silence) {
        std::printf("No chime at this minute.\n");
        return 0;
    }
    std::vector<int16_t> samples;
    if (plan.kind == ChimePlan::Kind::Bleep) {
        samples = bleepSamples(audio.sampleRate());
    } else {
        QString why;
        samples = ChimeSounds(QString(), audio.sampleRate()).samplesFor(plan, ownFile, &why);
        if (samples.empty()) {
            complain(ownFile + QStringLiteral(": ") + why);
            return 1;
        }
    }
    const qint64 lengthMs = qint64(samples.size()) * 1000 / audio.sampleRate();
    auto voice = audio.createClipVoice(std::make_shared<const std::vector<int16_t>>(std::move(samples)));
    if (!audio.start(voice)) {
        complain(QStringLiteral("no sound device to play the chime on"));
        return 1;
    }
    const qint64 deadline = clock.monotonicMs() + lengthMs + 3000;
    while (!voice->isOver() && clock.monotonicMs() < deadline) {
        QEventLoop wait;
        QTimer::singleShot(20, &wait, &QEventLoop::quit);
        wait.exec();
    }
    // The output lets the announced end be heard before it goes.
    return voice->isOver() ? 0 : 1;
}

} // namespace horavox
