// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chime_preferences.h"

#include "core/ini_entries.h"

#include "core/paths.h"
#include "settings/settings_file.h"

#include <QFileInfo>

namespace horavox::chime_preferences {

QString path()
{
    return joinPath(configDir(), QStringLiteral("Chimes.ini"));
}

QByteArray serialize(const ChimePreferences &p)
{
    QString text = QStringLiteral("[General]\n");
    text += QStringLiteral("Chime=") + chimeChoiceName(p.choice) + QLatin1Char('\n');
    text += QStringLiteral("ChimeOnly=") + (p.chimeOnly ? QStringLiteral("true") : QStringLiteral("false"))
            + QLatin1Char('\n');
    // A path is one line; a name with a line break in it cannot be kept.
    const bool oneLine = !p.soundFile.contains(QLatin1Char('\n')) && !p.soundFile.contains(QLatin1Char('\r'));
    text += QStringLiteral("SoundFile=") + (oneLine ? p.soundFile : QString()) + QLatin1Char('\n');
    return text.toUtf8();
}

ChimePreferences parse(const QByteArray &ini)
{
    ChimePreferences p;
    forEachIniEntry(ini, [&p](const QString &key, const QString &value) {
        if (key == QLatin1String("Chime")) {
            if (const auto c = chimeChoiceFromName(value))
                p.choice = *c;
        } else if (key == QLatin1String("ChimeOnly")) {
            const QString v = value.toLower();
            if (v == QLatin1String("true") || v == QLatin1String("1"))
                p.chimeOnly = true;
            else if (v == QLatin1String("false") || v == QLatin1String("0"))
                p.chimeOnly = false;
        } else if (key == QLatin1String("SoundFile")) {
            p.soundFile = value;
        }
    });
    return p;
}

ChimePreferences load(const QString &path, QString *why)
{
    if (why)
        why->clear();
    if (!QFileInfo::exists(path))
        return {};
    const std::optional<QByteArray> bytes = settings_file::read(path, why);
    return bytes ? parse(*bytes) : ChimePreferences{};
}

bool save(const QString &path, const ChimePreferences &p, QString *why)
{
    return settings_file::write(path, serialize(p), why);
}

} // namespace horavox::chime_preferences
