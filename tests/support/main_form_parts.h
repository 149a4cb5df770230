// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The parts of the clock window, found by their names in its layout, for
// tests that press its buttons and read its face.
#include "skin/picture_button.h"
#include "skin/sheer_picture.h"

#include <QLabel>
#include <numeron.h>
#include <spanbar.h>

namespace horavox_test {

// The part called `name`; the test stops when the window has none.
template<typename T>
T *formPart(const QWidget &form, const char *name)
{
    T *part = form.findChild<T *>(QLatin1String(name));
    if (!part)
        qFatal("the clock window has no part %s", name);
    return part;
}

} // namespace horavox_test
