#pragma once
#include <QByteArray>
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

} // namespace horavox
