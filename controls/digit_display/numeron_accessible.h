// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once
// What assistive technology sees of the digit display; internal to the
// library, described for users in numeron.h.
#include <QString>

class Numeron;

namespace numeron_accessible {

// Installs the QAccessible factory for Numeron; later calls do nothing.
void install();

// The name a screen reader reads: accessibleName, else DigitAccessibleText,
// else the text on the face.
QString reading(const Numeron *display);

} // namespace numeron_accessible
