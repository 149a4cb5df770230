// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "skin/surface_drag.h"

#include <QWidget>

class QToolButton;

namespace horavox {

// A dialog's own title strip: its title, a close button, and a surface to
// drag the dialog by. For desktops whose title bar would offer minimise and
// maximise buttons a dialog should not have: on a Wayland compositor that
// leaves the title bar to the program, Qt draws one with all three buttons
// whatever the window flags ask for.
class TitleStrip : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kHeight = 24;

    // Makes the dialog frameless and puts a strip above its contents: each
    // child moves down by the strip's height and the dialog grows by as
    // much, with a thin border round it all. Call once, before the dialog
    // is first shown; the dialog's size must be fixed by then.
    static TitleStrip *install(QWidget *dialog);

    QToolButton *closeButton() const { return m_close; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    explicit TitleStrip(QWidget *dialog);

    QToolButton *m_close;
    SurfaceDrag m_drag;
};

} // namespace horavox
