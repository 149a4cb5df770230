#pragma once
#include <QImage>
#include <QString>
#include <QtGlobal>

namespace horavox {

// Returns the text up to, not including, its first NUL character.
QString StripNull(const QString &text);

// Makes a unique, empty file whose name begins with prefix in folder (the
// temporary folder when folder is empty) and gives its path in *result.
// uniqueNumber 0 asks for a fresh name; false when no file could be made.
bool MakeTempFileName(const QString &folder, const QString &prefix, qint16 uniqueNumber, QString *result);

// Writes the bytes of resource <number> of <type> to fileName. 0 on success,
// otherwise a non-zero error number.
qint32 ResDataToFile(qint16 number, const QString &type, const QString &fileName);

// The picture stored in resource <number> of <type> (e.g. 103, "Custom"); a null
// image when there is none. The work file it goes through never outlives the call.
QImage PictureFromRes(qint16 number, const QString &type, const QString &workFile = QString());

// Writes the "CUSTOM" resource dataName to fileName unless a file of that
// name exists already. A file that cannot be written is skipped.
void LoadDataIntoFile(const QString &dataName, const QString &fileName);

// Writes every voice clip of the clip table that is missing from the data
// folder, in table order.
void WriteVoiceClips();

} // namespace horavox
