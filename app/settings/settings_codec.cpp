// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings_codec.h"

#include "core/leading_number.h"
#include "core/rounding.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <cmath>

namespace horavox::settings_codec {

namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes keep their C1 code so
// that nothing is lost. 0xA0..0xFF are the same as Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(kCp1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

const QString &at(const QStringList &list, int index)
{
    static const QString empty;
    return index < list.size() ? list.at(index) : empty;
}

void appendLine(QByteArray &out, const QString &line)
{
    out += line.toUtf8();
    out += "\r\n";
}

} // namespace

QString decode(const QByteArray &raw)
{
    QByteArray bytes = raw;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(bytes);
}

QStringList lines(const QByteArray &bytes)
{
    const QString text = decode(bytes);
    QStringList result;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && text.at(end) != QLatin1Char('\n') && text.at(end) != QLatin1Char('\r'))
            ++end;
        result << text.mid(start, end - start);
        // CR LF is one line end; a CR alone (as old Mac editors write) is
        // one too, so it never stays at the end of a value.
        if (end + 1 < n && text.at(end) == QLatin1Char('\r') && text.at(end + 1) == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return result;
}

StoredSettings parse(const QByteArray &bytes)
{
    const QStringList l = lines(bytes);
    StoredSettings s;
    // Recorded-voice layout: the common lines start at index 1; the other
    // layout has speed and phrase in between.
    const bool recordedLayout = l.size() == 9;
    const int c = recordedLayout ? 1 : 3;
    s.tts = at(l, 0) != QLatin1String("R");
    if (recordedLayout) {
        s.speed.reset();
        s.phrase.reset();
    } else {
        s.speed = speedFromText(at(l, 1));
        s.phrase = singleLine(at(l, 2));
    }
    s.announceAtStartup = at(l, c) == QLatin1String("1");
    s.startHour = at(l, c + 1);
    s.startMinute = at(l, c + 2);
    s.startAM = at(l, c + 3) == QLatin1String("A");
    s.endHour = at(l, c + 4);
    s.endMinute = at(l, c + 5);
    s.endAM = at(l, c + 6) == QLatin1String("A");
    s.bleep = at(l, c + 7) == QLatin1String("1");
    return s;
}

QByteArray serialize(const StoredSettings &s)
{
    QByteArray out;
    const int speed = s.speed.value_or(kDefaultSpeed);
    const QString phrase = singleLine(s.phrase.value_or(QString()));
    // The nine-line layout has no room for speed and phrase; a recorded-voice
    // file that carries either uses the longer layout, whose first line still
    // says "R", so that choosing the recorded voice does not lose them.
    if (s.tts || speed != kDefaultSpeed || !phrase.isEmpty()) {
        appendLine(out, s.tts ? QStringLiteral("T") : QStringLiteral("R"));
        appendLine(out, QString::number(speed));
        appendLine(out, phrase);
    } else {
        appendLine(out, QStringLiteral("R"));
    }
    // The box texts go out as they stand; a line break cannot be typed into
    // them, but one from a damaged file must not add a line either.
    appendLine(out, s.announceAtStartup ? QStringLiteral("1") : QStringLiteral("0"));
    appendLine(out, singleLine(s.startHour));
    appendLine(out, singleLine(s.startMinute));
    appendLine(out, s.startAM ? QStringLiteral("A") : QStringLiteral("P"));
    appendLine(out, singleLine(s.endHour));
    appendLine(out, singleLine(s.endMinute));
    appendLine(out, s.endAM ? QStringLiteral("A") : QStringLiteral("P"));
    appendLine(out, s.bleep ? QStringLiteral("1") : QStringLiteral("0"));
    return out;
}

QByteArray defaultFile()
{
    return serialize(StoredSettings{});
}

int speedFromText(const QString &text)
{
    // Halves to even, as an integer property takes a fractional value.
    const double rounded = roundHalfEven(leadingNumber(text));
    return static_cast<int>(std::clamp(rounded, double(kMinSpeed), double(kMaxSpeed)));
}

QString singleLine(const QString &text)
{
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QString result = text;
    result.replace(breaks, QStringLiteral(" "));
    return result;
}

} // namespace horavox::settings_codec
