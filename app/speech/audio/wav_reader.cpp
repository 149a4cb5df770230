// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wav_reader.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace horavox {

namespace {

quint32 le32(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}

quint16 le16(const char *p)
{
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return quint16(u[0] | u[1] << 8);
}

constexpr quint16 kFormatPcm = 1;
constexpr quint16 kFormatExtensible = 0xFFFE;

WavResult failure(WavError e)
{
    WavResult r;
    r.error = e;
    return r;
}

} // namespace

WavResult parseWav(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    const char *base = bytes.data();
    if (size == 0)
        return failure(WavError::Empty);
    if (size > kMaxWavFileBytes)
        return failure(WavError::TooLarge);
    if (size < 12 || std::memcmp(base, "RIFF", 4) != 0)
        return failure(WavError::NotRiff);
    if (std::memcmp(base + 8, "WAVE", 4) != 0)
        return failure(WavError::NotWave);

    // The RIFF length is often wrong in files written by careless tools, so
    // the walk is bounded by the bytes actually present instead.
    bool haveFormat = false;
    PcmFormat format;
    qsizetype pos = 12;
    while (pos + 8 <= size) {
        const char *chunk = base + pos;
        const quint32 chunkSize = le32(chunk + 4);
        const qsizetype bodyStart = pos + 8;
        const qsizetype available = size - bodyStart;
        if (qint64(chunkSize) > qint64(available))
            return failure(WavError::Truncated);

        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (chunkSize < 16)
                return failure(WavError::BadFormat);
            const char *f = base + bodyStart;
            quint16 tag = le16(f);
            if (tag == kFormatExtensible) {
                // The real tag is the first two bytes of the sub-format GUID.
                if (chunkSize < 40)
                    return failure(WavError::BadFormat);
                tag = le16(f + 24);
            }
            if (tag != kFormatPcm)
                return failure(WavError::NotPcm);
            format.channels = le16(f + 2);
            format.sampleRate = int(le32(f + 4));
            const quint16 blockAlign = le16(f + 12);
            format.bitsPerSample = le16(f + 14);
            if ((format.channels != 1 && format.channels != 2)
                || (format.bitsPerSample != 8 && format.bitsPerSample != 16)
                || le32(f + 4) < 1000 || le32(f + 4) > 192000
                || blockAlign != format.bytesPerFrame()) {
                return failure(WavError::BadFormat);
            }
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat)
                return failure(WavError::NoFormat);
            WavResult r;
            r.clip.format = format;
            const qsizetype whole = qsizetype(chunkSize) - qsizetype(chunkSize) % format.bytesPerFrame();
            r.clip.samples = QByteArray(base + bodyStart, whole);
            return r;
        }
        // Chunks are word aligned: an odd size is followed by one pad byte.
        pos = bodyStart + qsizetype(chunkSize) + (chunkSize & 1);
    }
    return failure(haveFormat ? WavError::NoData : WavError::NoFormat);
}

WavResult readWavFile(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return failure(WavError::Missing);
    if (info.size() > maxBytes)
        return failure(WavError::TooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(WavError::Missing);
    // As much as the file holds, not as much as the cap allows: a buffer the
    // size of the cap for every clip read would make the allocator keep
    // megabytes it never gives back. The file may have grown since its size
    // was looked at, so reading goes on to one byte past the cap.
    QByteArray bytes = file.read(qMin(info.size(), maxBytes) + 1);
    while (bytes.size() <= maxBytes) {
        const QByteArray more = file.read(qMin<qint64>(64 * 1024, maxBytes + 1 - bytes.size()));
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (bytes.size() > maxBytes)
        return failure(WavError::TooLarge);
    return parseWav(bytes);
}

const char *wavErrorText(WavError error)
{
    switch (error) {
    case WavError::None: return "no error";
    case WavError::Missing: return "file missing or unreadable";
    case WavError::Empty: return "file is empty";
    case WavError::TooLarge: return "file too large";
    case WavError::NotRiff: return "not a RIFF file";
    case WavError::NotWave: return "not a WAVE file";
    case WavError::Truncated: return "chunk runs past the end of the file";
    case WavError::NoFormat: return "no format chunk before the data";
    case WavError::NotPcm: return "not PCM";
    case WavError::BadFormat: return "unsupported sample layout";
    case WavError::NoData: return "no data chunk";
    }
    return "unknown error";
}

} // namespace horavox
