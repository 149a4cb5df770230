// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

namespace horavox {

// The numeric value a box or file line stands for: its leading decimal number
// after any blanks ("12", " 7x", "-3", "1.5"), 0 when there is none. The
// magnitude is held within +/-1e9 so that no later arithmetic can overflow,
// whatever a hand-edited file holds.
double leadingNumber(const QString &text);

// The whole-number part of leadingNumber(), truncated toward zero.
qint64 wholeNumber(const QString &text);

} // namespace horavox
