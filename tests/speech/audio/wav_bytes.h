// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Builds RIFF/WAVE images in memory so that tests can make good and broken
// clips without shipping files.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <cstdint>
#include <vector>

namespace horavox_test {

inline void put16(QByteArray &b, quint16 v)
{
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}

inline void put32(QByteArray &b, quint32 v)
{
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

inline QByteArray fmtChunk(int rate, int channels, int bits, quint16 tag = 1)
{
    QByteArray b("fmt ");
    put32(b, 16);
    put16(b, tag);
    put16(b, quint16(channels));
    put32(b, quint32(rate));
    put32(b, quint32(rate * channels * bits / 8));
    put16(b, quint16(channels * bits / 8));
    put16(b, quint16(bits));
    return b;
}

inline QByteArray chunk(const char *id, const QByteArray &body, bool pad = true)
{
    QByteArray b(id, 4);
    put32(b, quint32(body.size()));
    b += body;
    if (pad && (body.size() & 1))
        b.append('\0');
    return b;
}

inline QByteArray riff(const QByteArray &chunks)
{
    QByteArray b("RIFF");
    put32(b, quint32(chunks.size() + 4));
    b += "WAVE";
    b += chunks;
    return b;
}

inline QByteArray wav(int rate, int channels, int bits, const QByteArray &samples)
{
    return riff(fmtChunk(rate, channels, bits) + chunk("data", samples));
}

// `frames` frames of one constant 16-bit mono value: easy to find again in a
// recording of the device stream.
inline QByteArray constantMono16(int rate, int frames, int16_t value)
{
    QByteArray s;
    for (int i = 0; i < frames; ++i)
        put16(s, quint16(value));
    return wav(rate, 1, 16, s);
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace horavox_test
