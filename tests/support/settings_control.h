// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The settings window makes its controls when first shown; a test that works
// them without showing it has them made first.
#include "settings/settings_window.h"

#include <QtGlobal>

namespace horavox_test {

template<typename T>
T *settingsControl(horavox::Settings *settings, const char *name)
{
    settings->makeControls();
    T *w = settings->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no settings control %s", name);
    return w;
}

} // namespace horavox_test
