// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "core/media_control.h"

#include <QHash>
#include <QSet>

#include <memory>
#include <vector>

namespace horavox {

class AudioOutput;
class AudioVoice;

// The string-command media interface over AudioOutput. It understands the
// commands the program sends and nothing more:
//   open <file> type waveaudio alias <alias>
//   play <alias> / status <alias> mode / stop <alias> / close <alias>
// <file> is a clip name as the program spells it ("c:\tmpSndA.$$$") or an
// absolute path.
class SdlMediaControl : public MediaControl
{
    Q_OBJECT
public:
    enum Error {
        Ok = 0,
        UnknownCommand = 1,
        NotOpen = 2,      // the alias names nothing open
        AliasInUse = 3,
        FileNotFound = 4,
        BadFile = 5,      // not a wave file we can play
        NoDevice = 6,
    };

    // Plays through `output`, which must outlive this object; with none, an
    // output of its own is made.
    explicit SdlMediaControl(AudioOutput *output = nullptr, QObject *parent = nullptr);
    ~SdlMediaControl() override;

    int sendString(const QString &command, QString *reply = nullptr) override;
    int waveOutDeviceCount() const override;
    qint64 lengthMs(const QString &alias) const override;
    void prepare() override;
    void preload() override;

    // The folder clip names are looked up in; the data folder by default.
    void setClipFolder(const QString &folder);
    AudioOutput *output() const { return m_output; }

private:
    struct Entry
    {
        QString alias; // as spelt when opened
        std::shared_ptr<const std::vector<int16_t>> samples;
        std::shared_ptr<AudioVoice> voice;
        quint64 playId = 0; // the play an end notice belongs to
        qint64 lengthMs = 0;
    };

    int open(const QString &file, const QString &alias);
    int play(const QString &alias);
    int stop(const QString &alias);
    int close(const QString &alias);
    int mode(const QString &alias, QString *reply) const;
    QString resolve(const QString &file) const;
    void announceEnd(const QString &alias, quint64 playId);
    void announceEndLater(const Entry &entry);

    AudioOutput *m_output = nullptr;
    QString m_clipFolder;
    QHash<QString, Entry> m_entries; // keyed by lower-case alias
    QSet<quint64> m_unannounced; // plays whose end has not been signalled yet
    quint64 m_nextPlayId = 1;
};

} // namespace horavox
