// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sdl_media_control.h"

#include "core/paths.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/pcm_convert.h"
#include "speech/audio/wav_reader.h"
#include "speech/clip_table.h"

#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>

namespace horavox {

namespace {

const QRegularExpression &openPattern()
{
    static const QRegularExpression re(
        QStringLiteral(R"(^open\s+(.+?)\s+type\s+waveaudio\s+alias\s+(\S+)$)"),
        QRegularExpression::CaseInsensitiveOption);
    return re;
}

const QRegularExpression &aliasPattern()
{
    static const QRegularExpression re(QStringLiteral(R"(^(play|stop|close)\s+(\S+)$)"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

const QRegularExpression &statusPattern()
{
    static const QRegularExpression re(QStringLiteral(R"(^status\s+(\S+)\s+mode$)"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

QString key(const QString &alias)
{
    return alias.toLower();
}

} // namespace

SdlMediaControl::SdlMediaControl(AudioOutput *output, QObject *parent)
    : MediaControl(parent), m_output(output ? output : new AudioOutput(this)), m_clipFolder(dataDir())
{
}

SdlMediaControl::~SdlMediaControl()
{
    for (const Entry &e : std::as_const(m_entries))
        m_output->stop(e.voice);
}

void SdlMediaControl::setClipFolder(const QString &folder)
{
    m_clipFolder = folder;
}

int SdlMediaControl::waveOutDeviceCount() const
{
    return m_output->deviceCount();
}

qint64 SdlMediaControl::lengthMs(const QString &alias) const
{
    const auto it = m_entries.constFind(key(alias));
    return it == m_entries.cend() ? -1 : it->lengthMs;
}

void SdlMediaControl::prepare()
{
    m_output->prepare();
}

void SdlMediaControl::preload()
{
    m_output->preload();
}

int SdlMediaControl::sendString(const QString &command, QString *reply)
{
    if (reply)
        reply->clear();
    const QString cmd = command.trimmed();
    if (const auto m = openPattern().match(cmd); m.hasMatch())
        return open(m.captured(1), m.captured(2));
    if (const auto m = statusPattern().match(cmd); m.hasMatch())
        return mode(m.captured(1), reply);
    if (const auto m = aliasPattern().match(cmd); m.hasMatch()) {
        const QString verb = m.captured(1).toLower();
        if (verb == QLatin1String("play"))
            return play(m.captured(2));
        if (verb == QLatin1String("stop"))
            return stop(m.captured(2));
        return close(m.captured(2));
    }
    return UnknownCommand;
}

QString SdlMediaControl::resolve(const QString &file) const
{
    QString name = file;
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2);
    const QString clip = clipFilePath(name, m_clipFolder);
    if (!clip.isEmpty())
        return clip;
    // Anything else must be a full path: a relative one would depend on
    // whatever the working folder happens to be.
    if (QFileInfo(name).isAbsolute())
        return name;
    return {};
}

int SdlMediaControl::open(const QString &file, const QString &alias)
{
    if (m_entries.contains(key(alias)))
        return AliasInUse;
    const QString path = resolve(file);
    if (path.isEmpty())
        return FileNotFound;
    const WavResult wav = readWavFile(path);
    if (wav.error == WavError::Missing)
        return FileNotFound;
    if (!wav.ok())
        return BadFile;
    auto samples = std::make_shared<std::vector<int16_t>>(
        convertToMono16(wav.clip, m_output->sampleRate()));
    if (samples->empty() && wav.clip.frames() > 0)
        return BadFile;
    Entry e;
    e.alias = alias;
    e.lengthMs = qint64(samples->size()) * 1000 / m_output->sampleRate();
    e.samples = std::move(samples);
    m_entries.insert(key(alias), std::move(e));
    return Ok;
}

int SdlMediaControl::play(const QString &alias)
{
    const auto it = m_entries.find(key(alias));
    if (it == m_entries.end())
        return NotOpen;
    if (it->voice && it->voice->isPlaying())
        return Ok;
    // Every play starts the clip from its beginning with a fresh voice; the
    // decoded samples are shared, not copied.
    it->voice = m_output->createClipVoice(it->samples);
    it->playId = m_nextPlayId++;
    const quint64 id = it->playId;
    const QString name = it->alias;
    QPointer<SdlMediaControl> self(this);
    it->voice->setOnFinished([self, name, id] {
        if (self)
            self->announceEnd(name, id);
    });
    m_unannounced.insert(id);
    if (!m_output->start(it->voice)) {
        m_unannounced.remove(id);
        return NoDevice;
    }
    return Ok;
}

int SdlMediaControl::stop(const QString &alias)
{
    const auto it = m_entries.find(key(alias));
    if (it == m_entries.end())
        return NotOpen;
    m_output->stop(it->voice);
    announceEndLater(*it);
    return Ok;
}

int SdlMediaControl::close(const QString &alias)
{
    const auto it = m_entries.find(key(alias));
    if (it == m_entries.end())
        return NotOpen;
    m_output->stop(it->voice);
    announceEndLater(*it);
    m_entries.erase(it);
    return Ok;
}

int SdlMediaControl::mode(const QString &alias, QString *reply) const
{
    const auto it = m_entries.constFind(key(alias));
    if (it == m_entries.cend())
        return NotOpen;
    if (reply) {
        *reply = it->voice && it->voice->isPlaying() ? QStringLiteral("playing")
                                                     : QStringLiteral("stopped");
    }
    return Ok;
}

void SdlMediaControl::announceEndLater(const Entry &entry)
{
    if (!m_unannounced.contains(entry.playId))
        return;
    // Queued, so that a caller in the middle of sending commands is never
    // re-entered by its own listeners.
    QMetaObject::invokeMethod(
        this, [this, name = entry.alias, id = entry.playId] { announceEnd(name, id); },
        Qt::QueuedConnection);
}

void SdlMediaControl::announceEnd(const QString &alias, quint64 playId)
{
    if (m_unannounced.remove(playId))
        Q_EMIT playbackEnded(alias);
}

} // namespace horavox
