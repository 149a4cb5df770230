// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chime_sounds.h"

#include "chimes/chime_synth.h"
#include "core/paths.h"
#include "resources/resources.h"
#include "speech/audio/pcm_convert.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace horavox {

namespace {
void put32(QByteArray &b, quint32 v)
{
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

void put16(QByteArray &b, quint16 v)
{
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}

bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
} // namespace

QByteArray monoWavBytes(const std::vector<int16_t> &samples, int rate)
{
    const quint32 data = quint32(samples.size() * 2);
    QByteArray b;
    b.reserve(int(44 + data));
    b.append("RIFF", 4);
    put32(b, 36 + data);
    b.append("WAVEfmt ", 8);
    put32(b, 16);
    put16(b, 1); // PCM
    put16(b, 1); // mono
    put32(b, quint32(rate));
    put32(b, quint32(rate) * 2);
    put16(b, 2);
    put16(b, 16);
    b.append("data", 4);
    put32(b, data);
    for (int16_t s : samples)
        put16(b, quint16(s));
    return b;
}

std::vector<int16_t> bleepSamples(int rate)
{
    const WavResult wav = parseWav(resourceBytes(QStringLiteral("CUSTOM"), QStringLiteral("BLEEP")));
    std::vector<int16_t> twice = wav.ok() ? convertToMono16(wav.clip, rate) : std::vector<int16_t>{};
    const size_t once = twice.size();
    twice.resize(once * 2);
    std::copy_n(twice.begin(), once, twice.begin() + qsizetype(once));
    return twice;
}

OwnSound ownSoundAt(const QString &path, int rate)
{
    OwnSound own;
    const SoundFileResult read = readSoundFile(path);
    own.error = read.error;
    if (!read.ok())
        return own;
    own.samples = convertToMono16(read.clip, rate);
    if (own.samples.empty())
        own.error = SoundFileError::NotSound;
    return own;
}

ChimeSounds::ChimeSounds(QString folder, int rate) : m_folder(std::move(folder)), m_rate(rate) {}

QString ChimeSounds::nameFor(const ChimePlan &plan) const
{
    using Kind = ChimePlan::Kind;
    switch (plan.kind) {
    case Kind::Strike:
        return QStringLiteral("strike-%1-%2.wav").arg(plan.strikes).arg(m_rate);
    case Kind::Westminster:
        return QStringLiteral("westminster-%1-%2-%3.wav").arg(plan.quarter).arg(plan.strikes).arg(m_rate);
    case Kind::Pips:
        return QStringLiteral("pips-%1.wav").arg(m_rate);
    case Kind::SoundFile:
        return QStringLiteral("own-%1.wav").arg(m_rate);
    case Kind::Bleep:
    case Kind::Silence:
        break;
    }
    return {};
}

std::vector<int16_t> ChimeSounds::samplesFor(const ChimePlan &plan, const QString &ownFile, QString *why) const
{
    if (plan.kind != ChimePlan::Kind::SoundFile)
        return renderChime(plan, m_rate);
    OwnSound own = ownSoundAt(ownFile, m_rate);
    if (why)
        *why = soundFileErrorText(own.error);
    return std::move(own.samples);
}

QString ChimeSounds::fileFor(const ChimePlan &plan, const QString &ownFile, QString *why)
{
    if (why)
        why->clear();
    const QString name = nameFor(plan);
    if (name.isEmpty())
        return {};
    const QString path = joinPath(m_folder, name);
    if (plan.kind == ChimePlan::Kind::SoundFile) {
        const QFileInfo src(ownFile);
        const qint64 modified = src.exists() ? src.lastModified().toMSecsSinceEpoch() : -1;
        const bool same = ownFile == m_ownSource && src.size() == m_ownSize && modified == m_ownModified;
        if (same && QFileInfo::exists(path))
            return path;
        // Forget the old one first: a file that no longer reads must not
        // leave its predecessor playing.
        m_ownSource.clear();
        const std::vector<int16_t> samples = samplesFor(plan, ownFile, why);
        if (samples.empty() || !writeWhole(path, monoWavBytes(samples, m_rate)))
            return {};
        m_ownSource = ownFile;
        m_ownSize = src.size();
        m_ownModified = modified;
        return path;
    }
    if (QFileInfo::exists(path))
        return path;
    const std::vector<int16_t> samples = renderChime(plan, m_rate);
    if (samples.empty() || !writeWhole(path, monoWavBytes(samples, m_rate)))
        return {};
    return path;
}

} // namespace horavox
