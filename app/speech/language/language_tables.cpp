// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How each language says the time. One block per language, for a speaker of
// it to read and correct: the words come from ICU's spell-out rules unless a
// list here says otherwise, {h}, {m} and {n} stand for the hour, the minutes
// and the elapsed count in words, and each form agrees with its number by the
// language's plural category (one, few, many, other).
//
// Every language reads the time the formal way its radio, railway and
// telephone time announcements do: the hour of the 24-hour clock, then the
// minutes, every number in words.
#include "language_tables.h"

namespace horavox::language_tables {

QString Forms::pick(Plural p) const
{
    const char16_t *chosen = p == Plural::One ? one : p == Plural::Few ? few : p == Plural::Many ? many : other;
    if (!chosen)
        chosen = other;
    return chosen ? QString::fromUtf16(chosen) : QString();
}

namespace {

// German: "Es ist dreizehn Uhr einundzwanzig" (Duden, "Uhr": "es ist
// dreizehn Uhr zehn"); "ein Uhr", never "eins Uhr", but "dreizehn Uhr eins".
// ICU's masculine rule set gives "ein", its numbering one "eins".
const DayPeriod kGermanPeriods[] = {
    {0, u"nachts"}, {5, u"morgens"}, {10, u"vormittags"}, {12, u"mittags"}, {13, u"nachmittags"}, {18, u"abends"}};

// French: "Il est treize heures vingt et une" (Académie française, "heure";
// "zéro heure" takes the singular, as French does for 0 and 1). Minutes are
// feminine after "heure(s)": "une heure une".
const DayPeriod kFrenchPeriods[] = {{0, u"du matin"}, {12, u"de l'après-midi"}, {18, u"du soir"}};

// Spanish: "Son las trece y veintiuno", "Es la una en punto" (Real Academia
// Española, Diccionario panhispánico de dudas, "hora": in the 24-hour system
// the hour is said with "y" and the minutes; "las veintiuna", feminine, as
// "hora" is). The short form without "horas"/"minutos" is the one the DPD
// gives for speech; "en punto" marks the full hour.
const DayPeriod kSpanishPeriods[] = {{0, u"de la madrugada"}, {6, u"de la mañana"}, {12, u"del mediodía"},
                                     {13, u"de la tarde"}, {20, u"de la noche"}};

// Italian: "Sono le ventuno e ventuno", "È l'una", "È mezzanotte e cinque"
// (Accademia della Crusca, "Che ore sono?": the hour takes the plural "le"
// and "sono", one o'clock the singular "l'una" and "è"; midnight is said
// "mezzanotte", "le zero" being only written).
const HourPhrase kItalianHours[] = {{0, u"mezzanotte", Plural::One}};
const Word kItalianHourWords[] = {{1, u"l'una"}};
const DayPeriod kItalianPeriods[] = {{0, u"di notte"}, {6, u"di mattina"}, {12, u"del pomeriggio"}, {18, u"di sera"}};

// Dutch: "Het is dertien uur eenentwintig" (Taalunie, Taaladvies "Tijd: 13.21
// uur": "dertien uur eenentwintig"); "één" with its accents where it is the
// number, so that it is not read as the article.
const Word kDutchOne[] = {{1, u"één"}};
const DayPeriod kDutchPeriods[] = {{0, u"'s nachts"}, {6, u"'s ochtends"}, {12, u"'s middags"}, {18, u"'s avonds"}};

// Polish: "Jest godzina dwudziesta pierwsza dwadzieścia jeden" (Poradnia
// językowa PWN, "godziny": the hour is a feminine ordinal agreeing with
// "godzina", the minutes a cardinal, "zero pięć" for 9:05 as timetables
// and station announcements read it). ICU 72 has no Polish ordinals.
const Word kPolishHours[] = {
    {0, u"zero"},          {1, u"pierwsza"},           {2, u"druga"},             {3, u"trzecia"},
    {4, u"czwarta"},       {5, u"piąta"},              {6, u"szósta"},            {7, u"siódma"},
    {8, u"ósma"},          {9, u"dziewiąta"},          {10, u"dziesiąta"},        {11, u"jedenasta"},
    {12, u"dwunasta"},     {13, u"trzynasta"},         {14, u"czternasta"},       {15, u"piętnasta"},
    {16, u"szesnasta"},    {17, u"siedemnasta"},       {18, u"osiemnasta"},       {19, u"dziewiętnasta"},
    {20, u"dwudziesta"},   {21, u"dwudziesta pierwsza"}, {22, u"dwudziesta druga"}, {23, u"dwudziesta trzecia"}};
const Word kPolishMinutes[] = {{1, u"zero jeden"}, {2, u"zero dwa"},    {3, u"zero trzy"},
                               {4, u"zero cztery"}, {5, u"zero pięć"},   {6, u"zero sześć"},
                               {7, u"zero siedem"}, {8, u"zero osiem"},  {9, u"zero dziewięć"}};
const DayPeriod kPolishPeriods[] = {{0, u"w nocy"},       {6, u"rano"},       {10, u"przed południem"},
                                    {12, u"po południu"}, {18, u"wieczorem"}, {22, u"w nocy"}};

// Portuguese: "São treze horas e vinte e um minutos", "É uma hora" (the
// Brazilian speaking clock's and the Portuguese radio's form; hours are
// feminine, "vinte e uma horas", minutes masculine). Brazil says "zero hora"
// in the singular, Portugal "zero horas": ICU's plural rules of pt and pt_PT
// make that difference, as its spell-out rules make "dezesseis"/"dezasseis".
const DayPeriod kPortuguesePeriods[] = {{0, u"da madrugada"}, {6, u"da manhã"}, {12, u"da tarde"}, {19, u"da noite"}};

// Russian: "Сейчас двадцать один час двадцать одна минута" (Розенталь,
// "Справочник по правописанию и литературной правке", § согласование
// числительных: the noun after 1, 21 is singular, after 2-4 genitive singular,
// else genitive plural; "час" masculine, "минута" feminine).
const DayPeriod kRussianPeriods[] = {{0, u"ночи"}, {4, u"утра"}, {12, u"дня"}, {18, u"вечера"}};

// Japanese, in kana, since eSpeak NG reads kanji as "Chinese letter":
// "ただいま じゅうさんじ にじゅういっぷん です" (the form of NTT's time
// service, 117: "午後一時二十一分"; hours with 時 "じ", minutes with 分, whose
// sound changes after 1, 3, 4, 6, 8 and 10 - いっぷん, さんぷん, ろっぷん ...).
const Word kJapaneseHours[] = {
    {0, u"れいじ"},         {1, u"いちじ"},          {2, u"にじ"},            {3, u"さんじ"},
    {4, u"よじ"},           {5, u"ごじ"},            {6, u"ろくじ"},          {7, u"しちじ"},
    {8, u"はちじ"},         {9, u"くじ"},            {10, u"じゅうじ"},       {11, u"じゅういちじ"},
    {12, u"じゅうにじ"},    {13, u"じゅうさんじ"},   {14, u"じゅうよじ"},     {15, u"じゅうごじ"},
    {16, u"じゅうろくじ"},  {17, u"じゅうしちじ"},   {18, u"じゅうはちじ"},   {19, u"じゅうくじ"},
    {20, u"にじゅうじ"},    {21, u"にじゅういちじ"}, {22, u"にじゅうにじ"},   {23, u"にじゅうさんじ"}};
const DayPeriod kJapanesePeriods[] = {{0, u"ごぜん"}, {12, u"ごご"}};

QString japaneseMinutes(Role role, int n)
{
    if (role == Role::Hour || n < 1 || n > 99)
        return {};
    // 1..9 with the counter, and the tens that end a number (20 "にじゅっぷん").
    static const char16_t *const ones[] = {nullptr,     u"いっぷん", u"にふん",   u"さんぷん", u"よんぷん",
                                           u"ごふん",   u"ろっぷん", u"ななふん", u"はっぷん", u"きゅうふん"};
    static const char16_t *const tens[] = {u"", u"じゅう", u"にじゅう", u"さんじゅう", u"よんじゅう",
                                           u"ごじゅう", u"ろくじゅう", u"ななじゅう", u"はちじゅう", u"きゅうじゅう"};
    static const char16_t *const roundTens[] = {nullptr, u"じゅっぷん", u"にじゅっぷん", u"さんじゅっぷん",
                                                u"よんじゅっぷん", u"ごじゅっぷん", u"ろくじゅっぷん",
                                                u"ななじゅっぷん", u"はちじゅっぷん", u"きゅうじゅっぷん"};
    const int t = n / 10, o = n % 10;
    if (o == 0)
        return QString::fromUtf16(roundTens[t]);
    return QString::fromUtf16(tens[t]) + QString::fromUtf16(ones[o]);
}

const Language kLanguages[] = {
    {.code = "de",
     .nativeName = u"Deutsch",
     .icuLocale = "de",
     .espeakVoice = "de",
     .hourRules = "%spellout-cardinal-masculine",
     .minuteRules = "%spellout-numbering",
     .countRules = "%spellout-cardinal-feminine",
     .lead = {.other = u"Es ist"},
     .fullHour = {.other = u"{h} Uhr"},
     .minutes = {.other = u"{m}"},
     .dayPeriods = kGermanPeriods,
     .elapsed = {.one = u"{n} Minute ist vergangen", .other = u"{n} Minuten sind vergangen"},
     .startTime = u"Startzeit"},
    {.code = "es",
     .nativeName = u"Español",
     .icuLocale = "es",
     .espeakVoice = "es",
     .hourRules = "%spellout-cardinal-feminine",
     .minuteRules = "%spellout-numbering",
     // "un minuto", "veintiún minutos": the masculine set shortens before the noun.
     .countRules = "%spellout-cardinal-masculine",
     .lead = {.one = u"Es", .other = u"Son"},
     .fullHour = {.one = u"la {h} en punto", .other = u"las {h} en punto"},
     .hourBeforeMinutes = {.one = u"la {h}", .other = u"las {h}"},
     .minutes = {.other = u"y {m}"},
     .dayPeriods = kSpanishPeriods,
     .elapsed = {.one = u"Ha pasado {n} minuto", .other = u"Han pasado {n} minutos"},
     .startTime = u"Hora de inicio:"},
    {.code = "fr",
     .nativeName = u"Français",
     .icuLocale = "fr",
     .espeakVoice = "fr",
     .hourRules = "%spellout-cardinal-feminine",
     .minuteRules = "%spellout-cardinal-feminine",
     .countRules = "%spellout-cardinal-feminine",
     .lead = {.other = u"Il est"},
     .fullHour = {.one = u"{h} heure", .other = u"{h} heures"},
     .minutes = {.other = u"{m}"},
     .dayPeriods = kFrenchPeriods,
     .elapsed = {.one = u"{n} minute s'est écoulée", .other = u"{n} minutes se sont écoulées"},
     .startTime = u"Heure de début :"},
    {.code = "it",
     .nativeName = u"Italiano",
     .icuLocale = "it",
     .espeakVoice = "it",
     // "le ventuno", not "ventuna": the hour is read as the number itself.
     .hourRules = "%spellout-numbering",
     .minuteRules = "%spellout-numbering",
     .countRules = "%spellout-cardinal-masculine",
     .hourWords = kItalianHourWords,
     .hourPhrases = kItalianHours,
     .lead = {.one = u"È", .other = u"Sono"},
     .fullHour = {.one = u"{h}", .other = u"le {h}"},
     .minutes = {.other = u"e {m}"},
     .dayPeriods = kItalianPeriods,
     .elapsed = {.one = u"È passato {n} minuto", .other = u"Sono passati {n} minuti"},
     .startTime = u"Ora di inizio:"},
    {.code = "ja",
     .nativeName = u"日本語",
     .icuLocale = "ja",
     .espeakVoice = "ja",
     .hourRules = nullptr,
     .minuteRules = nullptr,
     .countRules = nullptr,
     .hourWords = kJapaneseHours,
     .ownWords = japaneseMinutes,
     .lead = {.other = u"ただいま"},
     .fullHour = {.other = u"{h} です"},
     .hourBeforeMinutes = {.other = u"{h}"},
     .minutes = {.other = u"{m} です"},
     .dayPeriods = kJapanesePeriods,
     .dayPeriodFirst = true,
     .elapsed = {.other = u"{n} けいか しました"},
     .startTime = u"かいし じこく"},
    {.code = "nl",
     .nativeName = u"Nederlands",
     .icuLocale = "nl",
     .espeakVoice = "nl",
     .hourRules = "%spellout-cardinal",
     .minuteRules = "%spellout-cardinal",
     .countRules = "%spellout-cardinal",
     .hourWords = kDutchOne,
     .minuteWords = kDutchOne,
     .countWords = kDutchOne,
     .lead = {.other = u"Het is"},
     .fullHour = {.other = u"{h} uur"},
     .minutes = {.other = u"{m}"},
     .dayPeriods = kDutchPeriods,
     .elapsed = {.one = u"Er is {n} minuut verstreken", .other = u"Er zijn {n} minuten verstreken"},
     .startTime = u"Begintijd"},
    {.code = "pl",
     .nativeName = u"Polski",
     .icuLocale = "pl",
     .espeakVoice = "pl",
     .hourRules = nullptr,
     .minuteRules = "%spellout-cardinal-masculine",
     .countRules = "%spellout-cardinal-feminine",
     .hourWords = kPolishHours,
     .minuteWords = kPolishMinutes,
     .lead = {.other = u"Jest godzina"},
     .fullHour = {.other = u"{h}"},
     .minutes = {.other = u"{m}"},
     .dayPeriods = kPolishPeriods,
     .elapsed = {.one = u"Minęła {n} minuta", .few = u"Minęły {n} minuty", .many = u"Minęło {n} minut",
                 .other = u"Minęło {n} minuty"},
     .startTime = u"Godzina rozpoczęcia"},
    {.code = "pt-BR",
     .nativeName = u"Português (Brasil)",
     .icuLocale = "pt",
     .espeakVoice = "pt-br",
     .hourRules = "%spellout-cardinal-feminine",
     .minuteRules = "%spellout-cardinal-masculine",
     .countRules = "%spellout-cardinal-masculine",
     .lead = {.one = u"É", .other = u"São"},
     .fullHour = {.one = u"{h} hora", .other = u"{h} horas"},
     .minutes = {.one = u"e {m} minuto", .other = u"e {m} minutos"},
     .dayPeriods = kPortuguesePeriods,
     .elapsed = {.one = u"Passou {n} minuto", .other = u"Passaram {n} minutos"},
     .startTime = u"Hora de início:"},
    {.code = "pt-PT",
     .nativeName = u"Português (Portugal)",
     .icuLocale = "pt_PT",
     .espeakVoice = "pt",
     .hourRules = "%spellout-cardinal-feminine",
     .minuteRules = "%spellout-cardinal-masculine",
     .countRules = "%spellout-cardinal-masculine",
     .lead = {.one = u"É", .other = u"São"},
     .fullHour = {.one = u"{h} hora", .other = u"{h} horas"},
     .minutes = {.one = u"e {m} minuto", .other = u"e {m} minutos"},
     .dayPeriods = kPortuguesePeriods,
     .elapsed = {.one = u"Passou {n} minuto", .other = u"Passaram {n} minutos"},
     .startTime = u"Hora de início:"},
    {.code = "ru",
     .nativeName = u"Русский",
     .icuLocale = "ru",
     .espeakVoice = "ru",
     .hourRules = "%spellout-cardinal-masculine",
     .minuteRules = "%spellout-cardinal-feminine",
     .countRules = "%spellout-cardinal-feminine",
     .lead = {.other = u"Сейчас"},
     .fullHour = {.one = u"{h} час", .few = u"{h} часа", .many = u"{h} часов", .other = u"{h} часа"},
     .minutes = {.one = u"{m} минута", .few = u"{m} минуты", .many = u"{m} минут", .other = u"{m} минуты"},
     .dayPeriods = kRussianPeriods,
     .elapsed = {.one = u"Прошла {n} минута", .few = u"Прошли {n} минуты", .many = u"Прошло {n} минут",
                 .other = u"Прошло {n} минуты"},
     .startTime = u"Время начала"},
};

} // namespace

std::span<const Language> all()
{
    return kLanguages;
}

} // namespace horavox::language_tables
