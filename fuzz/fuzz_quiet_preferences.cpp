// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The quiet-times file is hand-editable, so any bytes must read as usable
// preferences, and what the program writes back must read back the same.
#include "fuzz_check.h"
#include "quiet/quiet_preferences.h"

#include <cstddef>
#include <cstdint>

using namespace horavox;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QuietPreferences first = quiet_preferences::parse(bytes);
    FUZZ_CHECK(first.volume >= 0 && first.volume <= 100);
    FUZZ_CHECK(first.weekdays <= QuietPreferences::kAllDays);
    const QByteArray saved = quiet_preferences::serialize(first);
    const QuietPreferences second = quiet_preferences::parse(saved);
    FUZZ_CHECK(second == first || (first.mutedUntil.isValid() && second.mutedUntil.isValid()));
    FUZZ_CHECK(quiet_preferences::serialize(second) == saved);
    return 0;
}
