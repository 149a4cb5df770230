// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

namespace horavox {

// Where the program keeps its files. Settings live in the user's config
// folder, the voice clip files in the user's data folder.
QString configDir();   // $XDG_CONFIG_HOME/horavox
QString dataDir();     // $XDG_DATA_HOME/horavox
QString settingsFilePath(); // configDir()/SettingsSetup.txt
QString sliderFilePath();   // configDir()/SliderSetting.txt

// Joins a folder and a file name with exactly one separator between them.
QString joinPath(const QString &folder, const QString &name);

} // namespace horavox
