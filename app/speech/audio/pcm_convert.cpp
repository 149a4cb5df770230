// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pcm_convert.h"

#include "speech/audio/sdl_audio.h"

#include <algorithm>

namespace horavox {

namespace {

bool usable(const PcmFormat &f)
{
    return (f.channels == 1 || f.channels == 2) && (f.bitsPerSample == 8 || f.bitsPerSample == 16)
           && f.sampleRate >= 1000 && f.sampleRate <= 192000;
}

} // namespace

PcmConverter::PcmConverter(const PcmFormat &input, int targetRate)
{
    if (!usable(input) || targetRate < 1000 || !sdlAudio())
        return;
    const SDL_AudioFormat src = input.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    m_stream = sdlAudio()->NewAudioStream(src, Uint8(input.channels), input.sampleRate, AUDIO_S16SYS, 1,
                                  targetRate);
    m_input = input;
    m_targetRate = targetRate;
}

PcmConverter::~PcmConverter()
{
    if (m_stream)
        sdlAudio()->FreeAudioStream(m_stream);
}

void PcmConverter::put(const void *bytes, qsizetype size, std::vector<int16_t> &out)
{
    if (!m_stream || size <= 0)
        return;
    // SDL 2.26 drops the tail of the input when one put is much bigger than
    // its internal packet, so feed it in modest slices.
    const auto *p = static_cast<const char *>(bytes);
    constexpr qsizetype kSlice = 4096;
    while (size > 0) {
        const qsizetype n = std::min(size, kSlice);
        if (sdlAudio()->AudioStreamPut(m_stream, p, int(n)) != 0)
            return;
        m_inFrames += n / m_input.bytesPerFrame();
        drain(out);
        p += n;
        size -= n;
    }
}

void PcmConverter::flush(std::vector<int16_t> &out)
{
    if (!m_stream)
        return;
    // SDL's resampler keeps its last few hundred input frames as look-ahead
    // and its flush does not give them back, so push silence through to get
    // them out, then cut the output to the length the input stands for.
    const int padFrames = std::max(2048, m_input.sampleRate / 10);
    const QByteArray pad(qsizetype(padFrames) * m_input.bytesPerFrame(),
                         m_input.bitsPerSample == 8 ? char(0x80) : char(0));
    const qint64 inFrames = m_inFrames;
    put(pad.constData(), pad.size(), out);
    sdlAudio()->AudioStreamFlush(m_stream);
    drain(out);
    const qint64 wanted = (inFrames * m_targetRate + m_input.sampleRate / 2) / m_input.sampleRate;
    if (m_outFrames > wanted) {
        out.resize(out.size() - size_t(m_outFrames - wanted));
        m_outFrames = wanted;
    }
    // Ready for more input as a fresh piece of sound.
    sdlAudio()->AudioStreamClear(m_stream);
    m_inFrames = 0;
    m_outFrames = 0;
}

void PcmConverter::drain(std::vector<int16_t> &out)
{
    int avail = sdlAudio()->AudioStreamAvailable(m_stream);
    while (avail > 0) {
        const size_t old = out.size();
        out.resize(old + size_t(avail) / sizeof(int16_t));
        const int got = sdlAudio()->AudioStreamGet(m_stream, out.data() + old, avail);
        if (got <= 0) {
            out.resize(old);
            return;
        }
        out.resize(old + size_t(got) / sizeof(int16_t));
        m_outFrames += got / qint64(sizeof(int16_t));
        avail = sdlAudio()->AudioStreamAvailable(m_stream);
    }
}

std::vector<int16_t> convertToMono16(const PcmClip &clip, int targetRate)
{
    std::vector<int16_t> out;
    PcmConverter converter(clip.format, targetRate);
    if (!converter.isValid() || clip.samples.isEmpty())
        return out;
    out.reserve(size_t(clip.frames() * targetRate / clip.format.sampleRate + 64));
    converter.put(clip.samples.constData(), clip.samples.size(), out);
    converter.flush(out);
    return out;
}

} // namespace horavox
