// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QStringList>
#include <QTime>

namespace horavox {

// Which clock a sentence reads the time on. The usual one is the language's
// own, as its locale data writes the time (HH:mm is 24-hour, h:mm a 12-hour).
enum class ClockStyle { Usual, TwentyFourHour, TwelveHour };

// The languages the clock can say the time in, as BCP 47 codes ("en", "de",
// "pt-BR"); English first, then in the order of their codes.
QStringList spokenLanguages();
// The language in its own name, as a list to choose from shows it:
// "Deutsch", "Français". Empty for a code that is not spoken.
QString nativeLanguageName(const QString &code);
// The eSpeak NG voice that speaks the language ("de", "pt-br"); empty for
// English, which every engine speaks.
QString espeakVoiceFor(const QString &code);
// The stored id of that voice ("espeak/de"), or empty.
QString languageVoiceId(const QString &code);
// The voice to speak with: the one the user picked, else the language's own.
QString voiceForLanguage(const QString &pickedVoice, const QString &code);

// The spoken language a locale or language tag names ("de_DE.UTF-8", "de-AT",
// "pt_BR", "pt-pt", "ru"), or empty when there is none for it. A plain "pt"
// is the Portuguese of Brazil, as the locale data has it.
QString matchSpokenLanguage(const QString &tag);
// The desktop's language from the values of LANGUAGE (a colon-separated
// list), LC_ALL, LC_TIME and LANG, in that order: the first that is spoken,
// else English.
QString languageFromEnvironment(const QString &languageList, const QString &lcAll, const QString &lcTime,
                                const QString &lang);
// The same from this process's environment.
QString desktopLanguage();

// Whether the language's usual clock is the 12-hour one.
bool usesTwelveHourClock(const QString &code);
bool readsTwelveHour(const QString &code, ClockStyle style);

// The time in words, as a speaker of the language reads it after "it is":
// "dreizehn Uhr einundzwanzig", "las trece y veintiuno".
QString timeInWords(const QString &code, QTime time, ClockStyle style);
// The time sentence: the phrase exactly as typed (or, when it is empty, the
// language's own "it is") and the time. English is the sentence the clock
// always said: "The Time is Now 05:04 PM".
QString spokenTimeSentence(const QString &code, const QString &phrase, QTime time, ClockStyle style);
// The elapsed-minutes sentence for the interval n; with tellTime it goes on
// with the time of now and the alarm's start time (a medium time text
// "05:00 PM", as the program keeps it).
QString spokenAlarmSentence(const QString &code, int n, bool tellTime, const QString &phrase, QTime now,
                            const QString &alarmStartText, ClockStyle style);

// The language and clock the program speaks with now. Set from the user's
// preferences (an empty or unknown code is the desktop's language); the
// command line's --language holds for its run over any preference.
QString currentLanguage();
ClockStyle currentClockStyle();
void setPreferredLanguage(const QString &code, ClockStyle style);
void setLanguageForRun(const QString &code);
// The languages a voice is installed for; any other one is said in English,
// as a stored voice that is no longer installed leaves the default
// speaking. Until this is called every language with sentences counts.
void setSpeakableLanguages(const QStringList &codes);

// The two sentences in the current language and clock.
QString languageTimeSentence(const QString &phrase, QTime time);
QString languageAlarmSentence(int n, bool tellTime, const QString &phrase, QTime now, const QString &alarmStartText);

} // namespace horavox
