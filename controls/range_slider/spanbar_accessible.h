// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once
// What assistive technology sees of the range slider; internal to the
// library, described for users in spanbar.h.

namespace spanbar_accessible {

// Installs the QAccessible factory for Spanbar; later calls do nothing.
void install();

} // namespace spanbar_accessible
