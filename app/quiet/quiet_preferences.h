// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "speech/language/spoken_language.h"

namespace horavox {

// The longest voice id the file keeps.
inline constexpr int kMaxStoredVoiceLength = 64;

// What the user chose about when the clock keeps quiet, how loud its own
// voice is and which voice speaks. Kept in a file of its own beside the
// settings file, whose bytes stay exactly as they always were.
struct QuietPreferences
{
    // Days with regular announcements: bit 0 is Monday ... bit 6 Sunday.
    quint8 weekdays = kAllDays;
    int volume = 100; // percent of the voice's own level, 0..100
    bool pauseMedia = false;
    bool quietDuringCalls = true;
    bool respectDoNotDisturb = true;
    // The chosen text-to-speech voice as the engines name it; empty is the
    // engine's own default. Stored here, applied by whoever loads the engines.
    QString voice;
    // The language the sentences are said in, a BCP 47 code ("de", "pt-BR");
    // empty is the desktop's. Kept as written even when no table speaks it
    // (yet), like a voice that is not installed. And the clock it reads.
    QString language;
    ClockStyle clock = ClockStyle::Usual;
    // Regular and elapsed-time announcements are held until then; invalid
    // when not muted. Kept across a restart.
    QDateTime mutedUntil;

    static constexpr quint8 kAllDays = 0x7f;
    bool announcesOn(Qt::DayOfWeek day) const { return weekdays & (1u << (int(day) - 1)); }
    void setAnnouncesOn(Qt::DayOfWeek day, bool on);
    bool operator==(const QuietPreferences &) const = default;
};

namespace quiet_preferences {

// configDir()/QuietTimesAndVoice.ini
QString path();

// INI text of the preferences, in the format QSettings reads.
QByteArray serialize(const QuietPreferences &p);
// The preferences an INI text holds. Sections, comments and unknown keys are
// passed over; a missing or unusable value keeps its default.
QuietPreferences parse(const QByteArray &ini);

// Read from and written to the file as a whole (atomically); a missing or
// unreadable file gives the defaults, a failed write keeps the old file.
QuietPreferences load(const QString &path, QString *why = nullptr);
bool save(const QString &path, const QuietPreferences &p);

} // namespace quiet_preferences
} // namespace horavox
