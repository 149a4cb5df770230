// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace horavox {

// Turns a picture that acts as a button on mouse presses into a button that
// also works without a mouse. The picture takes the focus on Tab or a click;
// Space presses it while held and acts on release, Enter presses and
// releases it at once; assistive technology sees a push button with the
// given name and a press action. Every route runs the same two handlers the
// mouse runs, `down` then `up`, so the pressed look and the action stay in
// one place.
class SkinButton : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void()>;

    // Attaches to `button` (and is owned by it); the name becomes the
    // button's accessibleName.
    static SkinButton *attach(QWidget *button, const QString &name, Handler down, Handler up);
    // Makes assistive technology see skin buttons as such; attach() does it
    // too. A host that calls it before making its pictures saves Qt making
    // plain interfaces for them that attach() then has to drop.
    static void installAccessibility();
    // The skin button attached to `widget`, if any.
    static SkinButton *of(const QObject *widget);

    QWidget *button() const;

public Q_SLOTS:
    // A whole click: down, then up. Assistive technology's press action
    // queues it, so the request returns at once even when the action opens
    // a modal window or speaks for seconds.
    void click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    SkinButton(QWidget *button, Handler down, Handler up);
    void release();

    Handler m_down;
    Handler m_up;
    bool m_keyHeld = false;
};

} // namespace horavox
