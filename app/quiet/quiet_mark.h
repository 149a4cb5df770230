// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QWidget>

class QPainter;

namespace horavox {

// The sign of a clock that keeps quiet: a red stroke through the sound
// waves, drawn into any rectangle (the skin's speaker, the tray icon).
void paintQuietMark(QPainter &p, const QRectF &r);

// The mark on the clock's skin, over the speaker printed on it. Shown while
// the clock keeps its regular announcements to itself; its tooltip and its
// accessible description say why (QuietGate::quietNotice()).
class QuietMark : public QWidget
{
    Q_OBJECT
public:
    explicit QuietMark(QWidget *parent = nullptr);

    // Empty text hides the mark.
    void setNotice(const QString &notice);

protected:
    void paintEvent(QPaintEvent *) override;
};

} // namespace horavox
