// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paths.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace horavox {

namespace {
QString located(QStandardPaths::StandardLocation where)
{
    // The application name decides the folder; tests and tools that forget to
    // set it still land in "horavox", never in a folder named after the binary.
    const QString saved = QCoreApplication::applicationName();
    const QString saveOrg = QCoreApplication::organizationName();
    QCoreApplication::setApplicationName(QStringLiteral("horavox"));
    QCoreApplication::setOrganizationName(QString());
    QString dir = QStandardPaths::writableLocation(where);
    QCoreApplication::setApplicationName(saved);
    QCoreApplication::setOrganizationName(saveOrg);
    return dir;
}
} // namespace

QString configDir()
{
    return located(QStandardPaths::AppConfigLocation);
}

QString dataDir()
{
    return located(QStandardPaths::AppDataLocation);
}

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString settingsFilePath()
{
    return joinPath(configDir(), QStringLiteral("SettingsSetup.txt"));
}

QString sliderFilePath()
{
    return joinPath(configDir(), QStringLiteral("SliderSetting.txt"));
}

} // namespace horavox
