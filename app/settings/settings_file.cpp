#include "settings_file.h"

#include "settings_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace horavox::settings_file {

bool write(const QString &path, const QByteArray &bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        qWarning("Cannot create the settings folder %s", qPrintable(folder));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning("Cannot write the settings file %s: %s", qPrintable(path),
                 qPrintable(file.errorString()));
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        qWarning("Cannot write the settings file %s: %s", qPrintable(path),
                 qPrintable(file.errorString()));
        file.cancelWriting();
        return false;
    }
    // QSaveFile buffers small writes and, when the buffer cannot reach the
    // disk (full, or over a size limit), still commits the empty file over
    // the old one. Pushing the bytes out first makes that failure visible
    // while the old file is still in place.
    if (!file.flush()) {
        qWarning("Cannot write the settings file %s: %s", qPrintable(path),
                 qPrintable(file.errorString()));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qWarning("Cannot write the settings file %s: %s", qPrintable(path),
                 qPrintable(file.errorString()));
        return false;
    }
    return true;
}

bool ensure(const QString &path)
{
    if (QFileInfo(path).isFile())
        return true;
    return write(path, settings_codec::defaultFile());
}

std::optional<QByteArray> read(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        qWarning("Cannot read the settings file %s", qPrintable(path));
        return std::nullopt;
    }
    return file.read(kMaxReadBytes);
}

} // namespace horavox::settings_file
