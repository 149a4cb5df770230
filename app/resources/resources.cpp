// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace horavox {

QString resourcePath(const QString &type, const QString &name)
{
    return QStringLiteral(":/") + type.toUpper() + QLatin1Char('/') + name;
}

bool hasResource(const QString &type, const QString &name)
{
    return QFile::exists(resourcePath(type, name));
}

QByteArray resourceBytes(const QString &type, const QString &name)
{
    QFile f(resourcePath(type, name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QPixmap bitmapResource(const QString &name)
{
    return QPixmap::fromImage(decodePicture(resourceBytes(QStringLiteral("BITMAP"), name)));
}

QByteArray pictureFormatOf(QByteArrayView head)
{
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return QByteArrayLiteral("gif");
    if (head.startsWith("\x89PNG\r\n\x1a\n"))
        return QByteArrayLiteral("png");
    if (head.startsWith("BM"))
        return QByteArrayLiteral("bmp");
    return {};
}

namespace {

// Asked to look at the content (or given a format it cannot find among the
// plugins' names), Qt loads every image plugin it has, and the JPEG one
// brings its library with it: time and memory at every start for pictures
// that are all GIF, PNG or BMP.
QImage decodeFrom(QIODevice *device)
{
    const QByteArray format = pictureFormatOf(device->peek(8));
    if (!format.isEmpty()) {
        QImageReader named(device, format);
        named.setAutoDetectImageFormat(false);
        QImage image = named.read();
        if (!image.isNull())
            return image;
        device->seek(0);
    }
    QImageReader any(device);
    any.setDecideFormatFromContent(true);
    return any.read();
}

} // namespace

QImage decodePicture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    return decodeFrom(&buffer);
}

QImage decodePictureFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeFrom(&file);
}

} // namespace horavox
