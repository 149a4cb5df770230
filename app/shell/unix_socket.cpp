// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "unix_socket.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace horavox::unixsocket {

namespace {

// False when the path does not fit, rather than cut short: a shortened
// name would be another file.
bool addressOf(const QString &path, sockaddr_un *address)
{
    const QByteArray name = QFile::encodeName(path);
    *address = {};
    address->sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof address->sun_path || name.contains('\0'))
        return false;
    std::memcpy(address->sun_path, name.constData(), size_t(name.size()));
    return true;
}

int msLeft(QDeadlineTimer deadline)
{
    return int(std::clamp<qint64>(deadline.remainingTime(), 0, INT_MAX));
}

// True when the socket is ready for the events (or has failed, which the
// next call then reports); false once the deadline passed.
bool waitFor(int fd, short events, QDeadlineTimer deadline)
{
    for (;;) {
        pollfd entry = {fd, events, 0};
        const int n = ::poll(&entry, 1, msLeft(deadline));
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

bool isOwnSocket(const struct stat &st)
{
    return S_ISSOCK(st.st_mode) && st.st_uid == ::geteuid();
}

QString failure(const char *what, const QString &path)
{
    return QStringLiteral("%1 %2: %3").arg(QLatin1String(what), path, QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

void Fd::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd); // not retried on EINTR: on Linux the descriptor is gone either way
    m_fd = fd;
}

Connect connectTo(const QString &path, QDeadlineTimer deadline, Fd *socket)
{
    sockaddr_un address;
    if (!addressOf(path, &address))
        return Connect::NoListener;
    Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd)
        return Connect::Failed;
    while (::connect(fd.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        if (errno == EISCONN) // an interrupted attempt that got through
            break;
        if (errno == EINTR)
            continue;
        if (errno == EAGAIN && !deadline.hasExpired()) {
            ::poll(nullptr, 0, std::min(10, msLeft(deadline)));
            continue;
        }
        if (errno == ENOENT)
            return Connect::NoListener;
        return errno == ECONNREFUSED ? Connect::Refused : Connect::Failed;
    }
    ucred peer = {};
    socklen_t size = sizeof peer;
    if (::getsockopt(fd.get(), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != ::geteuid())
        return Connect::Failed;
    *socket = std::move(fd);
    return Connect::Connected;
}

bool sendAll(int fd, const QByteArray &bytes, QDeadlineTimer deadline)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        // No SIGPIPE: a peer that hung up is an answer, not a reason to die.
        const ssize_t n = ::send(fd, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (n >= 0)
            done += n;
        else if (errno != EINTR && (errno != EAGAIN || !waitFor(fd, POLLOUT, deadline)))
            return false;
    }
    return true;
}

bool receiveLine(int fd, qsizetype maxBytes, QDeadlineTimer deadline, QByteArray *line)
{
    QByteArray received;
    char chunk[256];
    while (!received.contains('\n')) {
        if (received.size() >= maxBytes)
            return false;
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n > 0)
            received.append(chunk, n);
        else if (n == 0 || (errno != EINTR && (errno != EAGAIN || !waitFor(fd, POLLIN, deadline))))
            return false;
    }
    const qsizetype end = received.indexOf('\n') + 1;
    if (end > maxBytes)
        return false;
    *line = received.left(end);
    return true;
}

bool removeOwnSocket(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    return ::lstat(name.constData(), &st) == 0 && isOwnSocket(st) && ::unlink(name.constData()) == 0;
}

bool listenAt(const QString &path, Listener *listener, QString *error)
{
    sockaddr_un address;
    if (!addressOf(path, &address)) {
        *error = QStringLiteral("socket path too long: %1").arg(path);
        return false;
    }
    Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd) {
        *error = failure("cannot make a socket for", path);
        return false;
    }
    // Linux gives the file the socket's own mode at bind, so nobody else
    // can connect even for a moment; the mode is the one Qt's sockets gave
    // it, and the chmod below is for a kernel that does otherwise.
    ::fchmod(fd.get(), S_IRWXU);
    // bind makes the file itself: it fails on anything already there,
    // links included, instead of replacing or following it.
    if (::bind(fd.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        *error = failure("cannot bind", path);
        return false;
    }
    struct stat st;
    if (::lstat(address.sun_path, &st) != 0 || !isOwnSocket(st)) {
        *error = QStringLiteral("the socket at %1 was replaced").arg(path);
        return false;
    }
    if (((st.st_mode & (S_IRWXG | S_IRWXO)) && ::chmod(address.sun_path, S_IRWXU) != 0)
        || ::listen(fd.get(), SOMAXCONN) != 0) {
        *error = failure("cannot listen on", path);
        ::unlink(address.sun_path);
        return false;
    }
    listener->fd = std::move(fd);
    listener->device = st.st_dev;
    listener->inode = st.st_ino;
    return true;
}

} // namespace horavox::unixsocket
