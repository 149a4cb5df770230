// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "chimes/chime_rules.h"
#include "chimes/sound_file.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace horavox {

// A 16-bit mono RIFF/WAVE file of the samples, as the player reads it.
QByteArray monoWavBytes(const std::vector<int16_t> &samples, int rate);

// The bleep as the clock plays it (its clip, twice), at `rate`.
std::vector<int16_t> bleepSamples(int rate);

// The user's sound as the player plays it: 16-bit mono at `rate`.
struct OwnSound
{
    SoundFileError error = SoundFileError::None;
    std::vector<int16_t> samples;
};
OwnSound ownSoundAt(const QString &path, int rate);

// The chimes' sound files, made once per chime and device rate in a folder
// of their own and kept there, so that a due minute never waits for a bell
// to be synthesised twice.
class ChimeSounds
{
public:
    explicit ChimeSounds(QString folder, int rate);

    // The file to play for a plan: made when missing. Empty when the plan
    // has no sound of ours or the file could not be written; `why` says
    // what went wrong for the user's own sound.
    QString fileFor(const ChimePlan &plan, const QString &ownFile, QString *why = nullptr);
    // The samples of a plan at the rate, the user's own sound included.
    std::vector<int16_t> samplesFor(const ChimePlan &plan, const QString &ownFile, QString *why = nullptr) const;

    int rate() const { return m_rate; }
    QString folder() const { return m_folder; }

private:
    QString nameFor(const ChimePlan &plan) const;
    QString m_folder;
    int m_rate;
    // The user's file as last converted: it is made again when it changes.
    QString m_ownSource;
    qint64 m_ownSize = -1;
    qint64 m_ownModified = -1;
};

} // namespace horavox
