#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

namespace horavox::settings_file {

// Files larger than this are not settings files; only their start is read.
inline constexpr qint64 kMaxReadBytes = 1 << 20;

// Writes the bytes to the path as a whole or not at all: the old file stays
// intact until the new one is complete on disk, so a crash or a full disk
// never leaves half a file. Creates the folder when needed. A failure is
// logged and reported by the result; nothing is shown to the user.
bool write(const QString &path, const QByteArray &bytes);

// Makes sure an ordinary file exists at the path, writing the default file
// when none does. Returns whether one exists afterwards.
bool ensure(const QString &path);

// The file's bytes, or nothing when it cannot be read (logged).
std::optional<QByteArray> read(const QString &path);

} // namespace horavox::settings_file
