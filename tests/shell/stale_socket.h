// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a crashed clock leaves behind: the socket file, with nobody on it.
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace horavox_test {

inline bool leaveStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un addr = {};
    addr.sun_family = AF_UNIX;
    const QByteArray p = QFile::encodeName(path);
    if (size_t(p.size()) >= sizeof addr.sun_path) {
        ::close(fd);
        return false;
    }
    std::memcpy(addr.sun_path, p.constData(), size_t(p.size()));
    const bool ok = ::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok && QFileInfo::exists(path);
}

} // namespace horavox_test
