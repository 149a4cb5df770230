// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <array>

namespace horavox {

// One recorded word: its resource name, the key of its clip file and the word.
struct ClipRow
{
    const char *resource; // resource name of type "CUSTOM", e.g. "TWELVE"
    const char *key;      // the file is "c:\tmpSnd" + key + ".$$$"
    const char *word;
};

// The 31 clips in the order they are written at start-up.
extern const std::array<ClipRow, 31> kClipTable;

// The name the program uses for a clip: "c:\tmpSnd" + key + ".$$$".
QString clipName(const char *key);

// Maps a clip name as the program spells it ("c:\tmpSndT.$$$", also
// "c:\tmpsndT.$$$") to its file in the data folder. Names are matched without
// regard to case, so every spelling of one clip reaches one file. Returns an
// empty string for a name that is no clip of the table.
QString clipFilePath(const QString &clipName);
QString clipFilePath(const QString &clipName, const QString &folder);

} // namespace horavox
