// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "speech/audio/wav_reader.h"

#include <cstdint>
#include <vector>

struct _SDL_AudioStream;

namespace horavox {

// Converts a whole clip to 16-bit mono at the given rate (the output device's
// format). Returns an empty vector for an empty clip or an unusable format.
std::vector<int16_t> convertToMono16(const PcmClip &clip, int targetRate);

// Incremental form of the same conversion for samples that arrive in pieces
// (speech synthesis): the resampler keeps its state across pieces so that
// piece boundaries leave no clicks. Not thread-safe; one producer at a time.
class PcmConverter
{
public:
    PcmConverter(const PcmFormat &input, int targetRate);
    ~PcmConverter();
    PcmConverter(const PcmConverter &) = delete;
    PcmConverter &operator=(const PcmConverter &) = delete;

    bool isValid() const { return m_stream != nullptr; }
    // Appends the converted form of `bytes` (whole frames) to `out`.
    void put(const void *bytes, qsizetype size, std::vector<int16_t> &out);
    // Drains what the resampler still holds at the end of the input.
    void flush(std::vector<int16_t> &out);

private:
    void drain(std::vector<int16_t> &out);
    _SDL_AudioStream *m_stream = nullptr;
    PcmFormat m_input;
    int m_targetRate = 0;
    qint64 m_inFrames = 0;  // since the last flush
    qint64 m_outFrames = 0; // since the last flush
};

} // namespace horavox
