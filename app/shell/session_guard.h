// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace horavox {

// Makes sure the clock saves what closing saves when it is ended by anything
// other than its Close button: the desktop session ending (commit data, the
// application quitting) or a SIGTERM / SIGHUP from `kill` or a logout. The
// save runs at most once per run, and not at all when the close sequence has
// already saved.
class SessionGuard : public QObject
{
    Q_OBJECT
public:
    explicit SessionGuard(std::function<void()> save, QObject *parent = nullptr);
    ~SessionGuard() override;

    // Routes SIGTERM and SIGHUP into the event loop (through a pipe: a signal
    // handler may do next to nothing itself). Only one guard at a time owns
    // them; false if another does or the pipe cannot be made.
    bool installSignalHandlers();

    // Saves unless that has already been done.
    void sessionEnding();
    // The close sequence has saved; nothing is left to do at the end.
    void alreadySaved() { m_saved = true; }
    bool saved() const { return m_saved; }

Q_SIGNALS:
    // A termination signal arrived and the save has been done; the program
    // should now leave its event loop.
    void terminationRequested(int signalNumber);

private:
    void readSignals();
    void restoreSignalHandlers();

    std::function<void()> m_save;
    bool m_saved = false;
    bool m_saving = false;
    bool m_ownsSignals = false;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace horavox
