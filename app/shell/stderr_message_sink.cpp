// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stderr_message_sink.h"

#include <cstdio>

namespace horavox {

void StderrMessageSink::information(QWidget *, const QString &title, const QString &text)
{
    std::fprintf(stderr, "horavox: %s: %s\n", qPrintable(title), qPrintable(text));
    std::fflush(stderr);
}

} // namespace horavox
