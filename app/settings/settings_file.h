// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace horavox::settings_file {

// Files larger than this are not settings files: they are not read at all,
// since what lay past the cap would be lost at the next write.
inline constexpr qint64 kMaxReadBytes = 1 << 20;

// Writes the bytes to the path as a whole or not at all: the old file stays
// intact until the new one is complete on disk, so a crash or a full disk
// never leaves half a file. Creates the folder when needed. A failure is
// logged, reported by the result and, when `why` is given, put in words
// there for the user; nothing is shown here.
bool write(const QString &path, const QByteArray &bytes, QString *why = nullptr);

// Makes sure an ordinary file exists at the path, writing the default file
// when none does. Returns whether one exists afterwards.
bool ensure(const QString &path);

// The file's bytes, or nothing when it cannot be read (logged). A file that
// is there but could not be read whole (no permission, over the cap, a read
// error) also gives a reason in `why`, for the user; a missing file leaves
// `why` empty, as there is nothing of the user's to keep.
std::optional<QByteArray> read(const QString &path, QString *why = nullptr);

} // namespace horavox::settings_file
