// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "time_box.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace horavox {

TimeBox::TimeBox(QWidget *parent)
    : QLineEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool TimeBox::keyPasses(const QKeyEvent &e, qsizetype length, qsizetype selected)
{
    // Pasting by keyboard has no character of its own (Shift+Insert), so it is
    // caught by its meaning.
    if (e.matches(QKeySequence::Paste))
        return false;
    // Selecting and copying change nothing in the box; their keys carry a
    // control character that the filter below would take for typing.
    if (e.matches(QKeySequence::SelectAll) || e.matches(QKeySequence::Copy))
        return true;
    const QString text = e.text();
    if (text.isEmpty())
        return true; // arrows, Home, End and the like edit nothing
    if (text.size() != 1)
        return false;
    const char16_t c = text.at(0).unicode();
    if (c >= u'0' && c <= u'9')
        return length - selected < kMaxTyped;
    // Backspace, Enter, Escape pass; Delete (which some keyboards send as a
    // character) only removes text, as it does when it sends none.
    return c == 8 || c == 13 || c == 27 || c == 127;
}

void TimeBox::keyPressEvent(QKeyEvent *e)
{
    if (!keyPasses(*e, text().size(), selectedText().size())) {
        e->accept(); // swallowed: the key must not reach the window either
        return;
    }
    QLineEdit::keyPressEvent(e);
}

void TimeBox::mousePressEvent(QMouseEvent *e)
{
    // The X11 selection paste would bypass the key filter.
    if (e->button() == Qt::MiddleButton) {
        e->accept();
        return;
    }
    QLineEdit::mousePressEvent(e);
}

void TimeBox::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() == Qt::MiddleButton) {
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

} // namespace horavox
