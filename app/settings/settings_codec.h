// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace horavox {

// The values "SettingsSetup.txt" stores. A default-constructed value is the
// file written when none exists: recorded voice, announce at start-up, the
// whole day (12:00 AM to 12:00 AM), no bleep.
struct StoredSettings
{
    bool tts = false;               // line 1: "R" means recorded voice, anything else TTS
    std::optional<int> speed;       // only the text-to-speech layout carries these two;
    std::optional<QString> phrase;  // empty means "keep what the window has"
    bool announceAtStartup = true;
    QString startHour = QStringLiteral("12");
    QString startMinute = QStringLiteral("00");
    bool startAM = true;
    QString endHour = QStringLiteral("12");
    QString endMinute = QStringLiteral("00");
    bool endAM = true;
    bool bleep = false;

    bool operator==(const StoredSettings &) const = default;
};

namespace settings_codec {

inline constexpr int kMinSpeed = 50;
inline constexpr int kMaxSpeed = 220;
inline constexpr int kDefaultSpeed = 135;

// Bytes to text: UTF-8 when the bytes are valid UTF-8 (so plain ASCII and
// what this program writes), otherwise Windows-1252, the code page older
// copies of the file were written in. A leading UTF-8 byte-order mark, as some
// editors add, is dropped.
QString decode(const QByteArray &bytes);

// The file's lines without their line ends. CR LF, LF and a lone CR each
// end a line;
// empty lines are kept; a final line end adds no entry.
QStringList lines(const QByteArray &bytes);

// Exactly 9 lines is the recorded-voice layout, any other count the
// text-to-speech layout; missing lines read as empty.
StoredSettings parse(const QByteArray &bytes);

// 11 lines for text-to-speech, and for the recorded voice when the speed is
// not the default or the phrase is not empty; otherwise the 9 lines of the
// recorded voice. Each line ends in CR LF; the text is UTF-8.
QByteArray serialize(const StoredSettings &settings);

// The nine default lines.
QByteArray defaultFile();

// Line 2 of the text-to-speech layout: its leading number, rounded, held
// within the slider's 50..220 (a missing or non-numeric line gives 50).
int speedFromText(const QString &text);

// The phrase is one line: every line break in it becomes a single blank so
// that the words on either side stay apart and the file keeps its layout.
QString singleLine(const QString &text);

} // namespace settings_codec
} // namespace horavox
