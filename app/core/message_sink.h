#pragma once
#include <QString>

class QWidget;

namespace horavox {

// The program shows exactly two messages; both go through this seam so that
// tests can see them without a modal loop.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    // An information box with a single OK button; returns once it is closed.
    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
};

class DialogMessageSink final : public MessageSink
{
public:
    void information(QWidget *parent, const QString &title, const QString &text) override;
};

} // namespace horavox
