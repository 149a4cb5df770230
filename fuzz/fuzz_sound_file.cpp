// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A sound file of the user's choosing may be anything at all: the reader
// (libsndfile over the bytes in memory) must refuse what it cannot play,
// never read past the bytes, and hand on only what the player can take.
#include "chimes/sound_file.h"
#include "fuzz_check.h"
#include "speech/audio/pcm_convert.h"

#include <cstddef>
#include <cstdint>

using namespace horavox;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const SoundFileResult r = decodeSoundFile(bytes);
    FUZZ_CHECK(soundFileErrorText(r.error).isEmpty() == r.ok());
    if (!r.ok()) {
        FUZZ_CHECK(r.clip.samples.isEmpty());
        return 0;
    }
    const PcmFormat &f = r.clip.format;
    FUZZ_CHECK(f.channels == 1 && f.bitsPerSample == 16);
    FUZZ_CHECK(f.sampleRate >= 4000 && f.sampleRate <= 192000);
    FUZZ_CHECK(r.clip.frames() > 0 && r.clip.frames() <= qint64(kMaxSoundFileSeconds) * f.sampleRate);
    // What the chime does next with an accepted sound.
    FUZZ_CHECK(!convertToMono16(r.clip, 44100).empty());
    return 0;
}
