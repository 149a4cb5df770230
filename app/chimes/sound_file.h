// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "speech/audio/wav_reader.h"

#include <QByteArrayView>
#include <QString>

namespace horavox {

// A sound of the user's own (WAV, FLAC, Ogg ...), read with libsndfile. The
// library, and the codecs it brings, is loaded when the first such file is
// read; a clock that only bleeps never loads it.
enum class SoundFileError {
    None,
    Missing,   // no such file, or it cannot be opened
    Empty,     // no bytes, or no sound in them
    TooLarge,  // more bytes than any chime needs; never read into memory
    TooLong,   // it plays longer than a chime may
    NotSound,  // not a format the library knows, or damaged
    NoLibrary, // libsndfile is not installed
};

struct SoundFileResult
{
    SoundFileError error = SoundFileError::None;
    PcmClip clip; // 16-bit mono at the file's own rate
    bool ok() const { return error == SoundFileError::None; }
};

inline constexpr qint64 kMaxSoundFileBytes = 32 * 1024 * 1024;
inline constexpr int kMaxSoundFileSeconds = 60;

// The sound the bytes hold, mixed down to one channel.
SoundFileResult decodeSoundFile(QByteArrayView bytes);
SoundFileResult readSoundFile(const QString &path, qint64 maxBytes = kMaxSoundFileBytes);

// What went wrong, in words for the user ("The file is not a sound ...").
QString soundFileErrorText(SoundFileError error);

// Whether libsndfile can be loaded here (loads it).
bool soundFileLibraryAvailable();

} // namespace horavox
