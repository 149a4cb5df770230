// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>
#include <QString>

namespace horavox {

// The speech engine the program talks to: the seven operations it uses, with
// what every caller relies on.
class SpeechEngine : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~SpeechEngine() override = default;

    // Starts speaking the sentence and returns at once.
    virtual void TtsSpeak(const QString &sentence) = 0;
    // A sentence is likely to follow soon: the current voice's engine may
    // start now, off the caller's thread, so that sentence is not kept
    // waiting for it. Nothing is heard.
    virtual void prepare() {}
    // The next sentence is spoken at this speed, 50..220 (135 = natural).
    virtual void TtsSetSpeed(qint32 speed) = 0;
    // Whatever is being said stops at once.
    virtual void TtsStop() = 0;
    // Not 0 exactly from TtsSpeak until the last sample has been heard.
    virtual qint16 TtsBusy() const = 0;
    // Number of engines that could be initialised; 0 when none.
    virtual qint16 TtsEngineCount() const = 0;
    // Index of the current voice, valid for TtsVoiceName.
    virtual qint32 TtsCurrentVoice() const = 0;
    // A short display name of a voice, e.g. "slt".
    virtual QString TtsVoiceName(qint32 voice) const = 0;
    // The name a person is shown for a voice, e.g. "US female";
    // an engine that knows no better shows its own short name.
    virtual QString readableVoiceName(qint32 voice) const { return TtsVoiceName(voice); }
    // The same in full, with the language first, for where there is room:
    // "English (US) — female (flite)".
    virtual QString voiceLabel(qint32 voice) const { return readableVoiceName(voice); }

Q_SIGNALS:
    // Another voice speaks the next sentence.
    void currentVoiceChanged();
    // Emitted on the owner's thread whenever TtsBusy changes between 0 and not 0,
    // so that listeners need not poll.
    void busyChanged(bool busy);
};

} // namespace horavox
