// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "core/message_sink.h"

namespace horavox {

// For runs without a window (--say-time): a message box nobody can see would
// wait for ever, so the message goes to standard error instead.
class StderrMessageSink final : public MessageSink
{
public:
    void information(QWidget *parent, const QString &title, const QString &text) override;
};

} // namespace horavox
