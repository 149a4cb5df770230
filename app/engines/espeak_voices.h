// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDir>
#include <QFileInfo>
#include <QString>

#include <vector>

namespace horavox {

// The eSpeak NG voices the program offers, in the engine's voice order, with
// who they sound like. Shared by the cheap look at the engine and the engine
// itself, which must agree on the list.
struct EspeakVoice
{
    const char *name;     // as the library names it, and the voice's short name
    const char *dict;     // the dictionary the voice needs, "<dict>_dict" in the data folder
    const char16_t *language;
    const char16_t *accent;
};

// The library's "en" is its British English; all speak with its default,
// male, variant.
inline constexpr EspeakVoice kEspeakVoices[] = {
    {"en-us", "en", u"English (US)", u"US"},
    {"en", "en", u"English (UK)", u"UK"},
    {"de", "de", u"German", u"DE"},
    {"es", "es", u"Spanish", u"ES"},
    {"fr", "fr", u"French", u"FR"},
    {"it", "it", u"Italian", u"IT"},
    {"ja", "ja", u"Japanese", u"JP"},
    {"nl", "nl", u"Dutch", u"NL"},
    {"pl", "pl", u"Polish", u"PL"},
    {"pt-br", "pt", u"Portuguese (Brazil)", u"BR"},
    {"pt", "pt", u"Portuguese (Portugal)", u"PT"},
    {"ru", "ru", u"Russian", u"RU"},
};

// The voices whose dictionary the data folder holds; a distribution may ship
// the languages apart. English is always there: the library cannot start
// without it.
inline std::vector<const EspeakVoice *> installedEspeakVoices(const QString &dataFolder)
{
    std::vector<const EspeakVoice *> voices;
    const QDir folder(dataFolder);
    for (const EspeakVoice &v : kEspeakVoices) {
        if (QLatin1String(v.dict) == QLatin1String("en")
            || QFileInfo(folder.filePath(QLatin1String(v.dict) + QLatin1String("_dict"))).isFile())
            voices.push_back(&v);
    }
    return voices;
}

} // namespace horavox
