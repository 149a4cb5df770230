#include "resources.h"

#include <QFile>

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
    QPixmap p;
    p.loadFromData(resourceBytes(QStringLiteral("BITMAP"), name));
    return p;
}

} // namespace horavox
