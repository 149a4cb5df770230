// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_from_res.h"

#include "resources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

namespace horavox {

namespace {

// The platform's temporary names carry at most three characters of prefix
// and the unique number in upper-case hex.
QString tempName(const QString &folder, const QString &prefix, quint16 number)
{
    return QDir(folder).filePath(prefix.left(3) + QString::number(number, 16).toUpper()
                                 + QStringLiteral(".tmp"));
}

} // namespace

QString StripNull(const QString &text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

bool MakeTempFileName(const QString &folder, const QString &prefix, qint16 uniqueNumber, QString *result)
{
    const QString dir = folder.isEmpty() ? QDir::tempPath() : folder;
    if (dir.isEmpty())
        return false;

    if (uniqueNumber != 0) {
        if (result)
            *result = StripNull(tempName(dir, prefix, quint16(uniqueNumber)));
        return true;
    }

    // Start somewhere random and walk the 16-bit space, so two programs
    // asking at once do not keep colliding; NewOnly makes the claim atomic.
    const quint16 start = quint16(QRandomGenerator::global()->bounded(1, 0x10000));
    for (quint32 step = 0; step < 0xFFFF; ++step) {
        const quint16 number = quint16(1 + (start - 1 + step) % 0xFFFF);
        const QString name = tempName(dir, prefix, number);
        QFile file(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            file.close();
            if (result)
                *result = StripNull(name);
            return true;
        }
        if (!QFileInfo(dir).isDir())
            return false; // no folder to make the file in
        if (!QFileInfo::exists(name) && !QFileInfo(name).isSymLink())
            return false; // not a collision: the folder refuses new files
    }
    return false;
}

qint32 ResDataToFile(qint16 number, const QString &type, const QString &fileName)
{
    const QString name = QString::number(number);
    if (!hasResource(type, name))
        return ResDataNotFound;
    const QByteArray bytes = resourceBytes(type, name);
    if (fileName.isEmpty())
        return ResDataFileAccess;
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return ResDataFileAccess;
    if (file.write(bytes) != bytes.size() || !file.flush())
        return ResDataWriteFailed;
    file.close();
    return file.error() == QFileDevice::NoError ? ResDataNoError : ResDataWriteFailed;
}

QImage PictureFromRes(qint16 number, const QString &type, const QString &workFile)
{
    QString name = workFile;
    const bool ownWorkFile = workFile.isEmpty();
    if (ownWorkFile)
        MakeTempFileName(QString(), QStringLiteral("~rs"), 0, &name);

    if (ResDataToFile(number, type, name) != ResDataNoError) {
        // A work file of our own making is empty and of no use to anyone;
        // leaving it would litter the temporary folder on every failed load.
        if (ownWorkFile && !name.isEmpty())
            QFile::remove(name);
        return {};
    }

    const QImage picture = decodePictureFile(name);
    QFile::remove(name);
    return picture;
}

void LoadDataIntoFile(const QString &dataName, const QString &fileName, const ClipFileCheck &usable)
{
    // A folder or a link is left alone, and so is a file that plays: only an
    // ordinary file the player cannot use (emptied, cut short, overwritten)
    // is written again, or that word would stay silent for good.
    const QFileInfo info(fileName);
    if (info.isSymLink() || (info.exists() && (!info.isFile() || !usable || usable(fileName))))
        return;
    // A resource that is not there would leave an empty file that later
    // starts take for a good clip; write nothing instead.
    if (!hasResource(QStringLiteral("CUSTOM"), dataName))
        return;
    const QByteArray bytes = resourceBytes(QStringLiteral("CUSTOM"), dataName);

    QDir().mkpath(info.absolutePath());
    // Written to a side file and renamed into place, so a start that is cut
    // short never leaves a half clip that the next start would keep.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return;
    // Flushed before the commit: on a full disk QSaveFile would otherwise
    // rename a short file into place, which every later start would keep.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return;
    }
    file.commit();
}

void WriteVoiceClips(const QList<QPair<QString, QString>> &clips, const ClipFileCheck &usable)
{
    for (const auto &clip : clips)
        LoadDataIntoFile(clip.first, clip.second, usable);
}

} // namespace horavox
