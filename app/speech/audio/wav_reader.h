// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace horavox {

// Layout of interleaved PCM samples: 8-bit unsigned or 16-bit signed
// little-endian, one or two channels.
struct PcmFormat
{
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    bool operator==(const PcmFormat &) const = default;
};

struct PcmClip
{
    PcmFormat format;
    QByteArray samples; // whole frames only

    qint64 frames() const
    {
        const int bpf = format.bytesPerFrame();
        return bpf > 0 ? samples.size() / bpf : 0;
    }
    qint64 durationMs() const
    {
        return format.sampleRate > 0 ? frames() * 1000 / format.sampleRate : 0;
    }
};

enum class WavError {
    None,
    Missing,     // no such file, or it cannot be read
    Empty,
    TooLarge,    // bigger than the cap; never read into memory
    NotRiff,
    NotWave,
    Truncated,   // a chunk claims more bytes than the file holds
    NoFormat,
    NotPcm,
    BadFormat,   // channels, bits, rate or block alignment out of range
    NoData,
};

struct WavResult
{
    WavError error = WavError::None;
    PcmClip clip;
    bool ok() const { return error == WavError::None; }
};

// Clips are a second or two long; anything far bigger is not one of ours and
// would only cost memory.
inline constexpr qint64 kMaxWavFileBytes = 8 * 1024 * 1024;

WavResult parseWav(QByteArrayView bytes);
WavResult readWavFile(const QString &path, qint64 maxBytes = kMaxWavFileBytes);

const char *wavErrorText(WavError error);

} // namespace horavox
