// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session_guard.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace horavox {

namespace {

int g_pipe[2] = {-1, -1};
struct sigaction g_oldTerm;
struct sigaction g_oldHup;
bool g_installed = false;

extern "C" void onTerminationSignal(int signalNumber)
{
    // Only async-signal-safe calls here; the event loop does the rest.
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

bool makePipe()
{
    if (g_pipe[0] >= 0)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return false;
    }
    return true;
}

} // namespace

SessionGuard::SessionGuard(std::function<void()> save, QObject *parent)
    : QObject(parent), m_save(std::move(save))
{
    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        // The session manager asks for the data before it ends the session;
        // the session may still be cancelled, so the program keeps running.
        connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) { sessionEnding(); });
    }
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &SessionGuard::sessionEnding);
}

SessionGuard::~SessionGuard()
{
    restoreSignalHandlers();
}

bool SessionGuard::installSignalHandlers()
{
    if (m_ownsSignals)
        return true;
    if (g_installed || !makePipe())
        return false;

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (::sigaction(SIGTERM, &action, &g_oldTerm) != 0)
        return false;
    if (::sigaction(SIGHUP, &action, &g_oldHup) != 0) {
        ::sigaction(SIGTERM, &g_oldTerm, nullptr);
        return false;
    }
    g_installed = true;
    m_ownsSignals = true;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionGuard::readSignals);
    return true;
}

void SessionGuard::restoreSignalHandlers()
{
    if (!m_ownsSignals)
        return;
    ::sigaction(SIGTERM, &g_oldTerm, nullptr);
    ::sigaction(SIGHUP, &g_oldHup, nullptr);
    g_installed = false;
    m_ownsSignals = false;
    delete m_notifier;
    m_notifier = nullptr;
    // Anything still in the pipe belongs to this guard; the next must not
    // see it.
    unsigned char drain[16];
    while (::read(g_pipe[0], drain, sizeof drain) > 0) {
    }
}

void SessionGuard::sessionEnding()
{
    // A save in progress may let events run (the speech stopping); a second
    // request arriving then must not start another.
    if (m_saved || m_saving)
        return;
    m_saving = true;
    if (m_save)
        m_save();
    m_saving = false;
    m_saved = true;
}

void SessionGuard::readSignals()
{
    unsigned char bytes[16];
    ssize_t n;
    int last = 0;
    while ((n = ::read(g_pipe[0], bytes, sizeof bytes)) > 0)
        last = bytes[n - 1];
    if (last == 0)
        return;
    sessionEnding();
    Q_EMIT terminationRequested(last);
}

} // namespace horavox
