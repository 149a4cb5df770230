// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Clip files live in the user's data folder, where anything may replace them;
// the reader must refuse what it cannot play and never read past the bytes.
#include "fuzz_check.h"
#include "speech/audio/pcm_convert.h"
#include "speech/audio/wav_reader.h"

#include <cstddef>
#include <cstdint>

using namespace horavox;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A view, not a copy: AddressSanitizer then sees any read past the end.
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const WavResult r = parseWav(bytes);
    FUZZ_CHECK(wavErrorText(r.error) != nullptr);
    if (!r.ok()) {
        FUZZ_CHECK(r.clip.samples.isEmpty());
        return 0;
    }
    const PcmFormat &f = r.clip.format;
    FUZZ_CHECK(f.channels == 1 || f.channels == 2);
    FUZZ_CHECK(f.bitsPerSample == 8 || f.bitsPerSample == 16);
    FUZZ_CHECK(f.sampleRate >= 1000 && f.sampleRate <= 192000);
    FUZZ_CHECK(r.clip.samples.size() % f.bytesPerFrame() == 0);
    FUZZ_CHECK(r.clip.samples.size() <= qsizetype(size));

    // What the player does next with an accepted clip.
    const std::vector<int16_t> mono = convertToMono16(r.clip, 44100);
    if (r.clip.frames() == 0)
        FUZZ_CHECK(mono.empty());
    return 0;
}
