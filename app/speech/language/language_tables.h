// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

#include <span>

// The grammar of the time in each spoken language, for the sentence builder
// in spoken_language.cpp. Not part of the speech layer's interface.
namespace horavox::language_tables {

// CLDR's plural categories, as ICU's plural rules name a number's. A form
// left empty falls back on `other`.
enum class Plural { One, Few, Many, Other };

struct Forms
{
    const char16_t *one = nullptr;
    const char16_t *few = nullptr;
    const char16_t *many = nullptr;
    const char16_t *other = nullptr;

    QString pick(Plural p) const;
};

// A number said in words of the table's own, where ICU says it otherwise.
struct Word
{
    int number;
    const char16_t *words;
};

// An hour said as a whole phrase of its own ("mezzanotte"), with the plural
// category its verb agrees with.
struct HourPhrase
{
    int hour;
    const char16_t *words;
    Plural agreement;
};

// From this hour of the 24 on, until the next entry, the 12-hour clock adds
// this word for the part of the day.
struct DayPeriod
{
    int fromHour;
    const char16_t *words;
};

enum class Role { Hour, Minute, Count };

struct Language
{
    const char *code = {}; // BCP 47
    const char16_t *nativeName = {};
    const char *icuLocale = {}; // the locale whose spell-out and plural rules apply
    const char *espeakVoice = {};
    // ICU spell-out rule sets for each kind of number; nullptr where the
    // table's own words say every number.
    const char *hourRules = {};
    const char *minuteRules = {};
    const char *countRules = {};
    std::span<const Word> hourWords = {};
    std::span<const Word> minuteWords = {};
    std::span<const Word> countWords = {};
    // Words made by rule where a list would be long (Japanese counters);
    // empty where ICU or the lists above decide.
    QString (*ownWords)(Role role, int number) = nullptr;
    std::span<const HourPhrase> hourPhrases = {}; // 24-hour clock only
    // "It is", agreeing with the hour: "Es"/"Son".
    Forms lead = {};
    // The hour with {h} for its words: alone on the full hour, and before
    // the minutes (empty: as alone).
    Forms fullHour = {};
    Forms hourBeforeMinutes = {};
    // The minutes with {m} for their words, agreeing with the minutes.
    Forms minutes = {};
    std::span<const DayPeriod> dayPeriods = {};
    bool dayPeriodFirst = false;
    // The elapsed-minutes sentence with {n}, agreeing with the count.
    Forms elapsed = {};
    const char16_t *startTime = {}; // before the alarm's start time
};

std::span<const Language> all();

} // namespace horavox::language_tables
