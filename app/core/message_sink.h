// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace horavox {

// How the program's messages reach the user; tests see them here without a
// window.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    // An information box with a single OK button. It may return before the
    // box is answered: a box that waited in a nested event loop would hold
    // up whatever called it (a sentence being spoken, the load) until then.
    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    // The same, then `answered` once the box is closed; for a caller that
    // must not go on (or must hold something back) until the user has read it.
    virtual void informThen(QWidget *parent, const QString &title, const QString &text,
                            std::function<void()> answered)
    {
        information(parent, title, text);
        if (answered)
            answered();
    }
};

// Boxes on the screen, modal to the application as before, but shown with
// show() rather than exec(): the caller's loop keeps running under them, so
// the voice goes on and due minutes are spoken while a box is open.
class DialogMessageSink final : public MessageSink
{
public:
    void information(QWidget *parent, const QString &title, const QString &text) override;
    void informThen(QWidget *parent, const QString &title, const QString &text,
                    std::function<void()> answered) override;
};

} // namespace horavox
