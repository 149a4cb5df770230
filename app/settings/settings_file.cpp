// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings_file.h"

#include "settings_codec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace horavox::settings_file {

namespace {

bool failWrite(const QString &path, const QString &reason, QString *why)
{
    qWarning("Cannot write the settings file %s: %s", qPrintable(path), qPrintable(reason));
    if (why)
        *why = reason;
    return false;
}

} // namespace

bool write(const QString &path, const QByteArray &bytes, QString *why)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        qWarning("Cannot create the settings folder %s", qPrintable(folder));
        if (why)
            *why = QCoreApplication::translate("horavox::settings_file", "the folder %1 cannot be made").arg(folder);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failWrite(path, file.errorString(), why);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failWrite(path, reason, why);
    }
    // QSaveFile buffers small writes and, when the buffer cannot reach the
    // disk (full, or over a size limit), still commits the empty file over
    // the old one. Pushing the bytes out first makes that failure visible
    // while the old file is still in place.
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failWrite(path, reason, why);
    }
    if (!file.commit())
        return failWrite(path, file.errorString(), why);
    return true;
}

bool ensure(const QString &path)
{
    if (QFileInfo(path).isFile())
        return true;
    return write(path, settings_codec::defaultFile());
}

std::optional<QByteArray> read(const QString &path, QString *why)
{
    const auto fail = [&](const QString &reason) -> std::optional<QByteArray> {
        qWarning("Cannot read the settings file %s: %s", qPrintable(path), qPrintable(reason));
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.exists()) {
        qWarning("Cannot read the settings file %s: it does not exist", qPrintable(path));
        return std::nullopt;
    }
    if (!info.isFile())
        return fail(QCoreApplication::translate("horavox::settings_file", "it is not an ordinary file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    // One byte past the cap tells a file at the cap from a larger one.
    QByteArray bytes = file.read(kMaxReadBytes + 1);
    if (bytes.size() > kMaxReadBytes)
        return fail(QCoreApplication::translate("horavox::settings_file", "it is larger than %1 kB")
                        .arg(kMaxReadBytes / 1024));
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    return bytes;
}

} // namespace horavox::settings_file
