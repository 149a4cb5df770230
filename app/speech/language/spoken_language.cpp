// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spoken_language.h"

#include "core/time_texts.h"
#include "language_tables.h"
#include "speech/sentences.h"

#include <QLocale>

#include <unicode/locid.h>
#include <unicode/plurrule.h>
#include <unicode/rbnf.h>

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace horavox {

using namespace language_tables;

namespace {

const QString kEnglish = QStringLiteral("en");

const Language *tableFor(const QString &code)
{
    for (const Language &l : all()) {
        if (code == QLatin1String(l.code))
            return &l;
    }
    return nullptr;
}

QString fromIcu(const icu::UnicodeString &u)
{
    return QString(reinterpret_cast<const QChar *>(u.getBuffer()), u.length());
}

// ICU's formatters are costly to make and not to be shared between threads
// while formatting; the sentences are built on the interface thread, but the
// lock keeps a test or a future caller on another thread safe.
std::mutex g_icuLock;

QString spellOut(const char *locale, const char *ruleSet, int n)
{
    static std::map<std::string, std::unique_ptr<icu::RuleBasedNumberFormat>> formats;
    std::lock_guard lk(g_icuLock);
    auto &format = formats[locale];
    if (!format) {
        UErrorCode status = U_ZERO_ERROR;
        format = std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_SPELLOUT, icu::Locale(locale), status);
        if (U_FAILURE(status))
            format.reset();
    }
    if (!format)
        return QString::number(n);
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString out;
    icu::FieldPosition unused;
    format->format(int32_t(n), icu::UnicodeString(ruleSet, -1, US_INV), out, unused, status);
    if (U_FAILURE(status))
        return QString::number(n);
    // German, Italian and Dutch rules mark where a long number may break with
    // soft hyphens; a speech engine would read them as pauses or letters.
    return fromIcu(out).remove(QChar(0x00AD));
}

Plural pluralOf(const char *locale, int n)
{
    static std::map<std::string, std::unique_ptr<icu::PluralRules>> rules;
    std::lock_guard lk(g_icuLock);
    auto &r = rules[locale];
    if (!r) {
        UErrorCode status = U_ZERO_ERROR;
        r.reset(icu::PluralRules::forLocale(icu::Locale(locale), status));
        if (U_FAILURE(status))
            r.reset();
    }
    if (!r)
        return Plural::Other;
    const icu::UnicodeString k = r->select(int32_t(n));
    if (k == icu::UnicodeString(u"one"))
        return Plural::One;
    if (k == icu::UnicodeString(u"few"))
        return Plural::Few;
    if (k == icu::UnicodeString(u"many"))
        return Plural::Many;
    return Plural::Other;
}

QString numberWords(const Language &l, Role role, int n)
{
    const std::span<const Word> own = role == Role::Hour ? l.hourWords : role == Role::Minute ? l.minuteWords : l.countWords;
    for (const Word &w : own) {
        if (w.number == n)
            return QString::fromUtf16(w.words);
    }
    if (l.ownWords) {
        const QString words = l.ownWords(role, n);
        if (!words.isEmpty())
            return words;
    }
    const char *rules = role == Role::Hour ? l.hourRules : role == Role::Minute ? l.minuteRules : l.countRules;
    return rules ? spellOut(l.icuLocale, rules, n) : QString::number(n);
}

QString filled(QString pattern, const char16_t *slot, const QString &words)
{
    return pattern.replace(QString::fromUtf16(slot), words);
}

QString capitalized(QString s)
{
    if (!s.isEmpty())
        s[0] = s.at(0).toUpper();
    return s;
}

struct TimeWords
{
    QString words;
    Plural agreement; // of the hour, for "it is"
};

TimeWords timeWordsOf(const Language &l, QTime time, bool twelveHour)
{
    const int h = time.hour();
    const int m = time.minute();
    const int spoken = twelveHour ? (h % 12 == 0 ? 12 : h % 12) : h;
    TimeWords out{QString(), pluralOf(l.icuLocale, spoken)};
    bool done = false;
    if (!twelveHour) {
        for (const HourPhrase &p : l.hourPhrases) {
            if (p.hour == h) {
                out = {QString::fromUtf16(p.words), p.agreement};
                done = true;
            }
        }
    }
    if (!done) {
        const Forms &forms = m != 0 && (l.hourBeforeMinutes.one || l.hourBeforeMinutes.other) ? l.hourBeforeMinutes
                                                                                               : l.fullHour;
        out.words = filled(forms.pick(out.agreement), u"{h}", numberWords(l, Role::Hour, spoken));
    }
    if (m != 0)
        out.words += QLatin1Char(' ')
                     + filled(l.minutes.pick(pluralOf(l.icuLocale, m)), u"{m}", numberWords(l, Role::Minute, m));
    if (twelveHour) {
        QString period;
        for (const DayPeriod &p : l.dayPeriods) {
            if (h >= p.fromHour)
                period = QString::fromUtf16(p.words);
        }
        if (!period.isEmpty())
            out.words = l.dayPeriodFirst ? period + QLatin1Char(' ') + out.words : out.words + QLatin1Char(' ') + period;
    }
    return out;
}

// "05:00 PM", as the program keeps the alarm's start; an invalid time when
// the text is not one.
QTime timeOfMediumText(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() != 8 || t.at(2) != QLatin1Char(':') || t.at(5) != QLatin1Char(' '))
        return {};
    bool okH = false, okM = false;
    const int h = t.left(2).toInt(&okH);
    const int m = t.mid(3, 2).toInt(&okM);
    const QString ap = t.right(2).toUpper();
    if (!okH || !okM || h < 1 || h > 12 || (ap != QLatin1String("AM") && ap != QLatin1String("PM")))
        return {};
    return QTime(h % 12 + (ap == QLatin1String("PM") ? 12 : 0), m);
}

QString g_preferred;
ClockStyle g_style = ClockStyle::Usual;
QString g_forRun;
std::optional<QStringList> g_speakable;

} // namespace

QStringList spokenLanguages()
{
    QStringList codes{kEnglish};
    for (const Language &l : all())
        codes << QLatin1String(l.code);
    return codes;
}

QString nativeLanguageName(const QString &code)
{
    if (code == kEnglish)
        return QStringLiteral("English");
    const Language *l = tableFor(code);
    return l ? QString::fromUtf16(l->nativeName) : QString();
}

QString espeakVoiceFor(const QString &code)
{
    const Language *l = tableFor(code);
    return l ? QLatin1String(l->espeakVoice) : QString();
}

QString languageVoiceId(const QString &code)
{
    const QString voice = espeakVoiceFor(code);
    return voice.isEmpty() ? QString() : QStringLiteral("espeak/") + voice;
}

QString voiceForLanguage(const QString &pickedVoice, const QString &code)
{
    return pickedVoice.isEmpty() ? languageVoiceId(code) : pickedVoice;
}

QString matchSpokenLanguage(const QString &tag)
{
    // "de_DE.UTF-8@euro": the language and the region, before the code set
    // and the modifier.
    QString t = tag.trimmed();
    t = t.left(t.indexOf(QLatin1Char('.')) < 0 ? t.size() : t.indexOf(QLatin1Char('.')));
    t = t.left(t.indexOf(QLatin1Char('@')) < 0 ? t.size() : t.indexOf(QLatin1Char('@')));
    t.replace(QLatin1Char('_'), QLatin1Char('-'));
    const QStringList parts = t.split(QLatin1Char('-'));
    const QString language = parts.value(0).toLower();
    const QString region = parts.value(1).toUpper();
    if (language.isEmpty())
        return {};
    if (language == QLatin1String("pt"))
        return region == QLatin1String("PT") ? QStringLiteral("pt-PT") : QStringLiteral("pt-BR");
    if (language == kEnglish || tableFor(language))
        return language;
    return {};
}

QString languageFromEnvironment(const QString &languageList, const QString &lcAll, const QString &lcTime,
                                const QString &lang)
{
    // The C locale asks for no language; gettext then passes LANGUAGE over.
    const auto plain = [](const QString &v) {
        return v.isEmpty() || v == QLatin1String("C") || v.startsWith(QLatin1String("C.")) || v == QLatin1String("POSIX");
    };
    const QString locale = !lcAll.isEmpty() ? lcAll : !lcTime.isEmpty() ? lcTime : lang;
    QStringList candidates;
    if (!plain(locale))
        candidates = languageList.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    candidates << lcAll << lcTime << lang;
    for (const QString &c : std::as_const(candidates)) {
        if (plain(c))
            continue;
        const QString code = matchSpokenLanguage(c);
        if (!code.isEmpty())
            return code;
    }
    return kEnglish;
}

QString desktopLanguage()
{
    return languageFromEnvironment(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                                   qEnvironmentVariable("LC_TIME"), qEnvironmentVariable("LANG"));
}

bool usesTwelveHourClock(const QString &code)
{
    // Qt writes the locale data's day-period field as "AP" or "ap".
    return QLocale(code).timeFormat(QLocale::ShortFormat).contains(QLatin1Char('a'), Qt::CaseInsensitive);
}

bool readsTwelveHour(const QString &code, ClockStyle style)
{
    return style == ClockStyle::Usual ? usesTwelveHourClock(code) : style == ClockStyle::TwelveHour;
}

QString timeInWords(const QString &code, QTime time, ClockStyle style)
{
    const bool twelve = readsTwelveHour(code, style);
    if (const Language *l = tableFor(code))
        return timeWordsOf(*l, time, twelve).words;
    // English reads the digits as the clock always has.
    return twelve ? mediumTimeText(time) : shortTimeText(time);
}

QString spokenTimeSentence(const QString &code, const QString &phrase, QTime time, ClockStyle style)
{
    const Language *l = tableFor(code);
    if (!l)
        return TimeSentence(phrase, timeInWords(kEnglish, time, style));
    const TimeWords t = timeWordsOf(*l, time, readsTwelveHour(code, style));
    const QString lead = phraseIsEmpty(phrase) ? l->lead.pick(t.agreement) : phrase;
    return lead + QLatin1Char(' ') + t.words;
}

QString spokenAlarmSentence(const QString &code, int n, bool tellTime, const QString &phrase, QTime now,
                            const QString &alarmStartText, ClockStyle style)
{
    const Language *l = tableFor(code);
    if (!l) {
        // The start is kept as the 12-hour text; a 24-hour English clock
        // reads it on its own clock too.
        const QTime start = timeOfMediumText(alarmStartText);
        const bool twelve = readsTwelveHour(kEnglish, style);
        return AlarmSentence(n, tellTime, phrase, timeInWords(kEnglish, now, style),
                             twelve || !start.isValid() ? alarmStartText : shortTimeText(start));
    }
    const bool twelve = readsTwelveHour(code, style);
    QString s = capitalized(filled(l->elapsed.pick(pluralOf(l->icuLocale, n)), u"{n}", numberWords(*l, Role::Count, n)));
    if (!tellTime)
        return s;
    const TimeWords t = timeWordsOf(*l, now, twelve);
    s += QStringLiteral(". ") + (phraseIsEmpty(phrase) ? l->lead.pick(t.agreement) : phrase) + QLatin1Char(' ')
         + t.words + QLatin1Char('.');
    const QTime start = timeOfMediumText(alarmStartText);
    if (start.isValid())
        s += QLatin1Char(' ') + QString::fromUtf16(l->startTime) + QLatin1Char(' ') + timeWordsOf(*l, start, twelve).words;
    return s;
}

QString currentLanguage()
{
    QString code = g_forRun;
    if (code.isEmpty())
        code = matchSpokenLanguage(g_preferred);
    if (code.isEmpty())
        code = desktopLanguage();
    return !g_speakable || g_speakable->contains(code) ? code : kEnglish;
}

void setSpeakableLanguages(const QStringList &codes)
{
    g_speakable = codes;
}

ClockStyle currentClockStyle()
{
    return g_style;
}

void setPreferredLanguage(const QString &code, ClockStyle style)
{
    g_preferred = code;
    g_style = style;
}

void setLanguageForRun(const QString &code)
{
    g_forRun = matchSpokenLanguage(code);
}

QString languageTimeSentence(const QString &phrase, QTime time)
{
    return spokenTimeSentence(currentLanguage(), phrase, time, currentClockStyle());
}

QString languageAlarmSentence(int n, bool tellTime, const QString &phrase, QTime now, const QString &alarmStartText)
{
    return spokenAlarmSentence(currentLanguage(), n, tellTime, phrase, now, alarmStartText, currentClockStyle());
}

} // namespace horavox
