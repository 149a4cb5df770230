// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The few AF_UNIX stream-socket calls the instance channel makes, with
// interrupted calls, partial transfers and time-outs dealt with once, here.
// Qt's local sockets would do the same but bring Qt Network and its
// libraries into every start for the sake of one line each way.
#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <sys/types.h>

namespace horavox::unixsocket {

// A descriptor that closes itself.
class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(Fd &&other) noexcept : m_fd(other.release()) {}
    Fd &operator=(Fd &&other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    int get() const { return m_fd; }
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset(int fd = -1);
    explicit operator bool() const { return m_fd >= 0; }

private:
    int m_fd;
};

enum class Connect {
    Connected,
    NoListener, // no file there, or a path no socket can have
    Refused,    // a file, but nobody listens on it
    Failed,     // anything else: not allowed, not this user's, queue full until the deadline
};
// Connects to the socket at the path. A listener whose queue is full is
// tried again until the deadline; one run by another user counts as Failed,
// so no request goes to a stranger who took the name first.
Connect connectTo(const QString &path, QDeadlineTimer deadline, Fd *socket);

// Writes all of the bytes to a non-blocking socket; false if the peer went
// away or the deadline passed first.
bool sendAll(int fd, const QByteArray &bytes, QDeadlineTimer deadline);
// Reads one line, newline included, of at most maxBytes; false if the peer
// hung up before its end, sent a longer one, or the deadline passed.
bool receiveLine(int fd, qsizetype maxBytes, QDeadlineTimer deadline, QByteArray *line);

// Removes the file if it is a socket of this user's; never another's file,
// nor what a link points to.
bool removeOwnSocket(const QString &path);

// A listening, non-blocking socket at the path, which must not exist yet
// (a file there is never replaced), reachable by this user only.
struct Listener
{
    Fd fd;
    dev_t device = 0; // what the file is, to remove only our own at the end
    ino_t inode = 0;
};
bool listenAt(const QString &path, Listener *listener, QString *error);

} // namespace horavox::unixsocket
