// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QCheckBox>

namespace horavox {

// A check box whose caption wraps onto further lines when the box is too
// narrow for it, the way a tall, narrow check box of the form is laid out.
class WrapCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent *) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QRect textRect() const;
};

} // namespace horavox
