// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiet_preferences.h"

#include "core/ini_entries.h"

#include "core/paths.h"
#include "settings/settings_file.h"

#include <QFileInfo>

#include <algorithm>

namespace horavox {

namespace {
const char *const kDayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

QString yesNo(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

bool readBool(const QString &text, bool fallback)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("1"))
        return true;
    if (t == QLatin1String("false") || t == QLatin1String("0"))
        return false;
    return fallback;
}

// Voice names are the engines' own short identifiers; keeping them to these
// characters keeps the INI line free of anything that would need quoting.
// Checked by hand: a regular expression here, read at every start, would
// bring the expression engine's code and its compiled pattern along.
bool usableVoice(const QString &v)
{
    return v.size() <= kMaxStoredVoiceLength && std::all_of(v.cbegin(), v.cend(), [](QChar c) {
               const char16_t u = c.unicode();
               return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')
                      || u == u'.' || u == u'_' || u == u'/' || u == u'+' || u == u'-';
           });
}
const char *const kClockNames[] = {"usual", "24-hour", "12-hour"};
} // namespace

void QuietPreferences::setAnnouncesOn(Qt::DayOfWeek day, bool on)
{
    const quint8 bit = quint8(1u << (int(day) - 1));
    weekdays = on ? quint8(weekdays | bit) : quint8(weekdays & ~bit);
}

namespace quiet_preferences {

QString path()
{
    return joinPath(configDir(), QStringLiteral("QuietTimesAndVoice.ini"));
}

QByteArray serialize(const QuietPreferences &p)
{
    QStringList days;
    for (int d = 0; d < 7; ++d) {
        if (p.weekdays & (1u << d))
            days << QLatin1String(kDayNames[d]);
    }
    QString text = QStringLiteral("[General]\n");
    // An empty list is written as such, so that "no day" reads back as no day
    // rather than as the default of every day.
    text += QStringLiteral("Weekdays=") + (days.isEmpty() ? QStringLiteral("none") : days.join(QStringLiteral(", ")))
            + QLatin1Char('\n');
    text += QStringLiteral("Volume=%1\n").arg(qBound(0, p.volume, 100));
    text += QStringLiteral("PauseMedia=") + yesNo(p.pauseMedia) + QLatin1Char('\n');
    text += QStringLiteral("QuietDuringCalls=") + yesNo(p.quietDuringCalls) + QLatin1Char('\n');
    text += QStringLiteral("RespectDoNotDisturb=") + yesNo(p.respectDoNotDisturb) + QLatin1Char('\n');
    text += QStringLiteral("Voice=") + (usableVoice(p.voice) ? p.voice : QString()) + QLatin1Char('\n');
    text += QStringLiteral("Language=") + (usableVoice(p.language) ? p.language : QString()) + QLatin1Char('\n');
    text += QStringLiteral("Clock=") + QLatin1String(kClockNames[int(p.clock)]) + QLatin1Char('\n');
    // In UTC, so a change of time zone or summer time moves nothing.
    text += QStringLiteral("MutedUntil=")
            + (p.mutedUntil.isValid() ? p.mutedUntil.toUTC().toString(Qt::ISODate) : QString()) + QLatin1Char('\n');
    return text.toUtf8();
}

QuietPreferences parse(const QByteArray &ini)
{
    QuietPreferences p;
    forEachIniEntry(ini, [&p](const QString &key, const QString &value) {
        if (key == QLatin1String("Weekdays")) {
            quint8 mask = 0;
            bool any = value == QLatin1String("none");
            for (const QString &word : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                for (int d = 0; d < 7; ++d) {
                    if (word.trimmed().compare(QLatin1String(kDayNames[d]), Qt::CaseInsensitive) == 0) {
                        mask |= quint8(1u << d);
                        any = true;
                    }
                }
            }
            if (any)
                p.weekdays = mask;
        } else if (key == QLatin1String("Volume")) {
            bool ok = false;
            const int v = value.toInt(&ok);
            if (ok)
                p.volume = qBound(0, v, 100);
        } else if (key == QLatin1String("PauseMedia")) {
            p.pauseMedia = readBool(value, p.pauseMedia);
        } else if (key == QLatin1String("QuietDuringCalls")) {
            p.quietDuringCalls = readBool(value, p.quietDuringCalls);
        } else if (key == QLatin1String("RespectDoNotDisturb")) {
            p.respectDoNotDisturb = readBool(value, p.respectDoNotDisturb);
        } else if (key == QLatin1String("Voice")) {
            if (usableVoice(value))
                p.voice = value;
        } else if (key == QLatin1String("Language")) {
            // A code's letters, digits and hyphens are among a voice id's.
            if (usableVoice(value))
                p.language = value;
        } else if (key == QLatin1String("Clock")) {
            for (int c = 0; c < int(std::size(kClockNames)); ++c) {
                if (value.compare(QLatin1String(kClockNames[c]), Qt::CaseInsensitive) == 0)
                    p.clock = ClockStyle(c);
            }
        } else if (key == QLatin1String("MutedUntil")) {
            const QDateTime t = QDateTime::fromString(value, Qt::ISODate);
            // Only times this program could have written; others would not
            // write back as they read.
            const int year = t.isValid() ? t.toUTC().date().year() : 0;
            p.mutedUntil = year >= 1970 && year <= 9999 ? t.toLocalTime() : QDateTime();
        }
    });
    return p;
}

QuietPreferences load(const QString &path, QString *why)
{
    if (!QFileInfo(path).exists())
        return QuietPreferences{};
    const std::optional<QByteArray> bytes = settings_file::read(path, why);
    return bytes ? parse(*bytes) : QuietPreferences{};
}

bool save(const QString &path, const QuietPreferences &p)
{
    return settings_file::write(path, serialize(p));
}

} // namespace quiet_preferences
} // namespace horavox
