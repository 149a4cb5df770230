// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QLineEdit>

namespace horavox {

// An hour or minute box of the speaking window. Typing is held to digits,
// Backspace, Escape and Enter, and to at most two characters (selecting all
// and copying work as in any box); every other character key, the full stop included, never reaches the box, and so does
// no paste by any route. Text set by the program (from the file, from a
// spinner) goes in unfiltered and unshortened, so that what the file held is
// checked as it is.
class TimeBox : public QLineEdit
{
    Q_OBJECT
public:
    static constexpr int kMaxTyped = 2;

    explicit TimeBox(QWidget *parent = nullptr);

    // Whether a typed key may reach a box holding `length` characters of
    // which `selected` are selected (and so replaced by a typed digit).
    static bool keyPasses(const QKeyEvent &e, qsizetype length, qsizetype selected);

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
};

} // namespace horavox
