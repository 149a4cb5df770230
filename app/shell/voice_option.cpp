// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "voice_option.h"

#include "engines/direct_ss.h"

namespace horavox {

QString startingVoice(const QString &commandLine, const QString &stored, bool dispatcherOffered,
                      const std::function<bool()> &screenReader)
{
    if (!commandLine.isEmpty())
        return commandLine;
    if (!stored.isEmpty())
        return stored;
    if (dispatcherOffered && screenReader && screenReader())
        return QStringLiteral("speech-dispatcher");
    return QString();
}

QStringList voiceIds(DirectSS &engine)
{
    engine.loadDispatcherVoices();
    QStringList ids;
    for (qint32 v = 0; v < engine.voiceCount(); ++v) {
        const QString id = engine.voiceId(v);
        // A voice whose engine failed to start cannot be used any more.
        if (engine.voiceIndex(id) == v)
            ids << id;
    }
    return ids;
}

bool chooseCommandLineVoice(DirectSS &engine, const QString &id, QString *error)
{
    // A module's voice is checked against what the modules list, where a
    // stored one is taken at its word; asking them takes a moment, which
    // the other voices need not wait for.
    const bool known = id.count(QLatin1Char('/')) == 2 ? voiceIds(engine).contains(id) : engine.voiceIndex(id) >= 0;
    if (known && engine.chooseVoice(id))
        return true;
    if (error)
        *error = QStringLiteral("horavox: no voice '%1' can be used here; "
                                "'horavox --list-voices' lists those that can\n")
                     .arg(id);
    return false;
}

} // namespace horavox
