// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The slider file's first line may be anything a user or a crash left there;
// whatever it holds must give a position on the track.
#include "fuzz_check.h"
#include "main_window/scheduler/slider_file.h"

#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

using namespace horavox;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const int fromLatin1 = parseSliderPosition(QString::fromLatin1(bytes));
    const int fromUtf8 = parseSliderPosition(QString::fromUtf8(bytes));
    for (int p : {fromLatin1, fromUtf8}) {
        FUZZ_CHECK(p >= 0 && p <= kMaxSliderPosition);
        const int minutes = minutesForSliderPosition(p);
        FUZZ_CHECK(minutes >= 0 && minutes <= 61);
    }
    // Leading blanks are skipped, so they cannot change the reading.
    FUZZ_CHECK(parseSliderPosition(QStringLiteral(" \t") + QString::fromLatin1(bytes)) == fromLatin1);

    // The whole reader, file and all, on the same bytes.
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/SliderSetting.txt");
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(bytes);
    }
    const int fromFile = readSliderPosition(path);
    FUZZ_CHECK(fromFile >= 0 && fromFile <= kMaxSliderPosition);
    return 0;
}
