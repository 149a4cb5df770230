// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QImage>
#include <QList>
#include <QPair>
#include <QString>
#include <QtGlobal>
#include <functional>

namespace horavox {

// Error numbers given by ResDataToFile.
enum ResDataError : qint32 {
    ResDataNoError = 0,
    ResDataNotFound = 326,   // no resource of that number and type
    ResDataFileAccess = 75,  // the file cannot be opened for writing
    ResDataWriteFailed = 61, // the file took fewer bytes than the resource holds
};

// Returns the text up to, not including, its first NUL character.
QString StripNull(const QString &text);

// Makes a unique, empty file whose name begins with prefix in folder (the
// temporary folder when folder is empty) and gives its path in *result.
// uniqueNumber 0 asks for a fresh name; false when no file could be made.
// Any other number only names a file, prefix + hex digits + ".tmp", and
// creates nothing. As with the platform's own routine, only the first three
// characters of prefix are used.
bool MakeTempFileName(const QString &folder, const QString &prefix, qint16 uniqueNumber, QString *result);

// Writes the bytes of resource <number> of <type> to fileName. 0 on success,
// otherwise a non-zero error number (ResDataError).
qint32 ResDataToFile(qint16 number, const QString &type, const QString &fileName);

// The picture stored in resource <number> of <type> (e.g. 103, "Custom"); a null
// image when there is none. The work file it goes through never outlives the call.
QImage PictureFromRes(qint16 number, const QString &type, const QString &workFile = QString());

// Tells whether an existing clip file can be played as it is.
using ClipFileCheck = std::function<bool(const QString &path)>;

// Writes the "CUSTOM" resource dataName to fileName unless a file of that
// name exists already. An existing ordinary file that `usable` rejects is
// replaced; one it accepts (perhaps a recording the user put there) is kept,
// as is everything when no check is given, and a folder or a link in its
// place. A file that cannot be written is skipped.
void LoadDataIntoFile(const QString &dataName, const QString &fileName, const ClipFileCheck &usable = {});

// Writes every voice clip that is missing, or unusable by `usable`, in the
// order given: each pair is the clip's resource name and the path of its file.
void WriteVoiceClips(const QList<QPair<QString, QString>> &clips, const ClipFileCheck &usable = {});

} // namespace horavox
