// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

namespace horavox {

class MainForm;

// Shows the clock as soon as it can tell the time and loads the rest after
// its first paint: the settings window, the voice clips, the scheduler and
// whatever the program adds (`rest`: quiet times, the timers). None of it
// changes what the first frame shows, and all of it used to keep the window
// from appearing.
//
// A window that is not painted soon after it is shown (started minimised,
// or on a desktop that holds it back) is loaded all the same a moment later,
// so the settings are in and the start-up announcement is made either way.
class StartSequence : public QObject
{
    Q_OBJECT
public:
    static constexpr int kUnpaintedWaitMs = 250;

    StartSequence(MainForm &window, std::function<void()> rest, QObject *parent = nullptr);

    // Loads what the first paint needs; call before showing the window.
    void begin();
    // Loads the rest now, if it is not loaded yet; for anything that needs
    // the whole clock before its first paint (a request on the socket).
    void complete();
    bool completed() const { return m_completed; }

Q_SIGNALS:
    void completedLoading();

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    MainForm &m_window;
    std::function<void()> m_rest;
    QTimer m_unpainted;
    bool m_completed = false;
    bool m_queued = false;
};

} // namespace horavox
