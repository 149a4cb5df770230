// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "chimes/chime_rules.h"

#include <QByteArray>
#include <QString>

namespace horavox {

// What the user chose to hear where the bleep would be. Kept in a file of its
// own, beside the settings files, whose bytes stay as they always were.
struct ChimePreferences
{
    ChimeChoice choice = ChimeChoice::Bleep;
    // The chime is heard and the words are left out, as a real clock does;
    // an elapsed-time announcement is still spoken.
    bool chimeOnly = false;
    // The user's own sound for ChimeChoice::SoundFile.
    QString soundFile;

    bool operator==(const ChimePreferences &) const = default;
};

namespace chime_preferences {

// configDir()/Chimes.ini
QString path();

QByteArray serialize(const ChimePreferences &p);
// Unknown keys and unusable values are passed over; they keep the default.
ChimePreferences parse(const QByteArray &ini);

// A missing file gives the defaults; one that is there but cannot be read
// gives them too, with the reason in `why` (and then must not be written
// over). Saving writes the whole file atomically.
ChimePreferences load(const QString &path, QString *why = nullptr);
bool save(const QString &path, const ChimePreferences &p, QString *why = nullptr);

} // namespace chime_preferences
} // namespace horavox
