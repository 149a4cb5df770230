// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace horavox {

// Makes assistive technology see every VSpinner as a scroll bar with two
// arrow buttons; later calls do nothing.
void installVSpinnerAccessibility();

} // namespace horavox
