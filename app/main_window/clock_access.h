// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "main_window/clock_actions.h"

#include <QObject>
#include <QPoint>
#include <QString>

class QTime;
class QWidget;
class Spanbar;

namespace horavox {

class FocusGlow;
class PictureButton;
class SheerPicture;

// What a person reads off the clock face: the time to the minute with its
// half of the day ("9:05 AM"), or while the slider moves the minutes it
// stands at ("15 minutes", "1 minute", "no announcements" at 0).
QString timeReading(const QTime &time);
QString intervalReading(int minutes);

// Makes the main window usable without a mouse and readable by a screen
// reader: the skin buttons take the focus and Space or Enter, a glow shows
// which one has it, the clock's commands have keys and a right-click menu,
// the slider's keys work wherever the focus is on the clock, and every part
// has a name and a role for assistive technology. Made once the window is
// loaded; owned by the window.
class ClockAccess : public QObject
{
    Q_OBJECT
public:
    // The parts of the clock window it names, orders and reaches.
    struct Parts
    {
        QWidget *display = nullptr; // the digits
        Spanbar *slider = nullptr;
        PictureButton *speak = nullptr;
        PictureButton *settings = nullptr;
        PictureButton *minimize = nullptr;
        PictureButton *close = nullptr;
        SheerPicture *about = nullptr;
        SheerPicture *speakingLamp = nullptr;
        SheerPicture *silentLamp = nullptr;
    };

    // `commands` are the window's own, run by keys and the menu.
    ClockAccess(QWidget &window, const Parts &parts, const ClockActions::Handlers &commands);

    // Installs what assistive technology needs to see the clock's parts as
    // they are; the window calls it before its parts first change, since an
    // interface once made for a widget is kept for its life.
    static void installAccessibility();

    ClockActions *actions() const { return m_actions; }
    FocusGlow *glow() const { return m_glow; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void attachSkinButtons();
    void nameTheParts();
    // Whether a right click at this point of the window belongs to a control
    // of its own (the skin buttons act on every mouse button).
    bool ownsRightClick(const QPoint &pos) const;

    QWidget &m_form;
    Parts m_parts;
    ClockActions *m_actions = nullptr;
    FocusGlow *m_glow = nullptr;
    // A right press on the surface may still become a drag (every button
    // drags the clock); its menu opens at the release if it did not.
    bool m_menuAtRelease = false;
    bool m_rightPressOnSurface = false; // a control of its own took none of it
    QPoint m_rightPressAt;              // global
};

} // namespace horavox
