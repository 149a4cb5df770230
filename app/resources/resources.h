// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace horavox {

// The program's own resources, carried by Qt's resource system under
// ":/<TYPE>/<NAME>". Types are looked up without regard to case, so
// "Custom" and "CUSTOM" are one type.
QString resourcePath(const QString &type, const QString &name);
bool hasResource(const QString &type, const QString &name);
// The raw bytes of a resource; a null array when there is none.
QByteArray resourceBytes(const QString &type, const QString &name);
// A named bitmap (type "BITMAP"); a null pixmap when there is none.
QPixmap bitmapResource(const QString &name);

// The image format a picture's first bytes announce ("gif", "png" or "bmp",
// the formats the program's pictures come in), or nothing.
QByteArray pictureFormatOf(QByteArrayView head);
// Decodes a picture from its bytes or its file. The format is told from the
// content; one of the program's own formats is decoded by its handler alone,
// anything else is left to Qt's search through every image plugin.
QImage decodePicture(const QByteArray &bytes);
QImage decodePictureFile(const QString &path);

} // namespace horavox
