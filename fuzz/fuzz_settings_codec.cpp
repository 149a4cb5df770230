// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file is hand-editable and may be from an older program, so any
// bytes must parse, and what the program writes back must read back the same.
#include "fuzz_check.h"
#include "settings/settings_codec.h"

#include <cstddef>
#include <cstdint>

using namespace horavox;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const StoredSettings first = settings_codec::parse(bytes);
    if (first.speed) {
        FUZZ_CHECK(*first.speed >= settings_codec::kMinSpeed);
        FUZZ_CHECK(*first.speed <= settings_codec::kMaxSpeed);
    }
    if (first.phrase) {
        FUZZ_CHECK(!first.phrase->contains(QLatin1Char('\n')));
        FUZZ_CHECK(!first.phrase->contains(QLatin1Char('\r')));
    }

    // The first save normalises (a TTS choice read from the short layout gains
    // speed and phrase); from then on, saving and loading must change nothing,
    // otherwise each run of the program would drift the user's settings.
    const QByteArray saved = settings_codec::serialize(first);
    const int lineCount = int(settings_codec::lines(saved).size());
    const bool keepsSpeedOrPhrase = first.speed.value_or(settings_codec::kDefaultSpeed) != settings_codec::kDefaultSpeed
                                    || !first.phrase.value_or(QString()).isEmpty();
    FUZZ_CHECK(lineCount == (first.tts || keepsSpeedOrPhrase ? 11 : 9));
    if (keepsSpeedOrPhrase) {
        FUZZ_CHECK(settings_codec::parse(saved).speed == first.speed.value_or(settings_codec::kDefaultSpeed));
        FUZZ_CHECK(settings_codec::parse(saved).phrase == first.phrase.value_or(QString()));
    }
    const StoredSettings second = settings_codec::parse(saved);
    const StoredSettings third = settings_codec::parse(settings_codec::serialize(second));
    FUZZ_CHECK(second == third);
    FUZZ_CHECK(second.tts == first.tts);
    FUZZ_CHECK(second.startHour == settings_codec::singleLine(first.startHour));
    FUZZ_CHECK(second.endMinute == settings_codec::singleLine(first.endMinute));
    return 0;
}
