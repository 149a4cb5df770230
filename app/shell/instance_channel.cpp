// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "instance_channel.h"

#include "core/paths.h"
#include "unix_socket.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace horavox {

namespace {
// A client that connects and never finishes its line must not hold a
// socket open for ever.
constexpr int kClientPatienceMs = 3000;
// Tokens seen in the wild are a few dozen characters; the limit only keeps
// a stranger from making the clock hold on to an endless line.
constexpr qsizetype kMaxToken = 255;
// Nobody sends more than a word and a token; anything longer is not a
// client of ours.
constexpr qint64 kMaxLine = 512;
// A status line is one sentence.
constexpr qint64 kMaxReply = 1024;

QByteArray commandWord(InstanceCommand command)
{
    switch (command) {
    case InstanceCommand::Raise:
        return QByteArrayLiteral("raise");
    case InstanceCommand::SayTime:
        return QByteArrayLiteral("say-time");
    }
    return QByteArray();
}

// The reply line to one request line; `handOver` is Delivered whenever a
// line came back, whatever it says.
struct Reply
{
    HandOver handOver = HandOver::Failed;
    QByteArray line;
};

Reply exchange(const QString &socketPath, const QByteArray &line, int timeoutMs)
{
    Reply result;
    unixsocket::Fd socket;
    switch (unixsocket::connectTo(socketPath, QDeadlineTimer(timeoutMs), &socket)) {
    case unixsocket::Connect::Connected:
        break;
    case unixsocket::Connect::Refused:
        // Refused means the file is there but nobody listens: a clock that
        // crashed left it behind.
        unixsocket::removeOwnSocket(socketPath);
        [[fallthrough]];
    case unixsocket::Connect::NoListener:
        result.handOver = HandOver::NoInstance;
        return result;
    case unixsocket::Connect::Failed:
        return result;
    }
    if (!unixsocket::sendAll(socket.get(), line, QDeadlineTimer(timeoutMs))
        || !unixsocket::receiveLine(socket.get(), kMaxReply, QDeadlineTimer(timeoutMs), &result.line)) {
        result.handOver = HandOver::Unanswered;
        return result;
    }
    result.line = result.line.trimmed();
    result.handOver = HandOver::Delivered;
    return result;
}
} // namespace

QByteArray commandLine(InstanceCommand command, const QByteArray &argument)
{
    QByteArray line = commandWord(command);
    if (!argument.isEmpty())
        line += ' ' + argument;
    return line + '\n';
}

bool parseCommand(const QByteArray &line, InstanceCommand *command, QByteArray *argument)
{
    const QByteArray text = line.trimmed();
    const qsizetype blank = text.indexOf(' ');
    const QByteArray word = blank < 0 ? text : text.left(blank);
    const QByteArray rest = blank < 0 ? QByteArray() : text.mid(blank + 1);
    InstanceCommand found;
    if (word == "raise" && (rest.isEmpty() || isActivationToken(rest)))
        found = InstanceCommand::Raise;
    else if (word == "say-time" && blank < 0)
        found = InstanceCommand::SayTime;
    else
        return false;
    *command = found;
    if (argument)
        *argument = rest;
    return true;
}

bool isActivationToken(const QByteArray &token)
{
    if (token.isEmpty() || token.size() > kMaxToken)
        return false;
    return std::all_of(token.begin(), token.end(), [](char c) { return c > ' ' && c < 127; });
}

QByteArray activationTokenFromEnvironment()
{
    const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    return isActivationToken(token) ? token : QByteArray();
}

QString instanceSocketPath()
{
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    return joinPath(runtime, QStringLiteral("horavox.socket"));
}

HandOver sendToRunningInstance(const QString &socketPath, InstanceCommand command, int timeoutMs,
                               const QByteArray &argument)
{
    Reply reply = exchange(socketPath, commandLine(command, argument), timeoutMs);
    if (reply.line == "unknown" && command == InstanceCommand::Raise && !argument.isEmpty())
        reply = exchange(socketPath, commandLine(command), timeoutMs);
    if (reply.handOver == HandOver::Delivered && reply.line != "ok")
        return HandOver::Failed;
    return reply.handOver;
}

QByteArray quietRequestLine(const QuietRequest &request)
{
    switch (request.kind) {
    case QuietRequest::Kind::Mute:
        return request.minutes > 0 ? "mute " + QByteArray::number(request.minutes) + '\n' : QByteArray("mute off\n");
    case QuietRequest::Kind::SkipNext:
        return QByteArrayLiteral("skip-next\n");
    case QuietRequest::Kind::Status:
        return QByteArrayLiteral("status\n");
    }
    return QByteArray();
}

bool parseQuietRequest(const QByteArray &line, QuietRequest *request)
{
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.size() == 1 && words[0] == "skip-next") {
        *request = {QuietRequest::Kind::SkipNext, 0};
        return true;
    }
    if (words.size() == 1 && words[0] == "status") {
        *request = {QuietRequest::Kind::Status, 0};
        return true;
    }
    if (words.size() != 2 || words[0] != "mute")
        return false;
    if (words[1] == "off") {
        *request = {QuietRequest::Kind::Mute, 0};
        return true;
    }
    bool ok = false;
    const int minutes = words[1].toInt(&ok);
    if (!ok || minutes < 1 || minutes > kMaxMuteMinutes)
        return false;
    *request = {QuietRequest::Kind::Mute, minutes};
    return true;
}

QuietReply sendQuietRequest(const QString &socketPath, const QuietRequest &request, int timeoutMs)
{
    const Reply reply = exchange(socketPath, quietRequestLine(request), timeoutMs);
    QuietReply result;
    if (reply.handOver != HandOver::Delivered) {
        result.handOver = reply.handOver;
    } else if (reply.line.startsWith("ok ")) {
        result.handOver = HandOver::Delivered;
        result.status = QString::fromUtf8(reply.line.mid(3));
    }
    return result;
}

// One connection to the running clock: it reads one line, and once its
// answer is out, hangs up and goes.
class InstanceServer::Peer : public QObject
{
public:
    Peer(int fd, InstanceServer *server)
        : QObject(server), m_fd(fd), m_reader(fd, QSocketNotifier::Read), m_writer(fd, QSocketNotifier::Write)
    {
        m_writer.setEnabled(false);
        connect(&m_reader, &QSocketNotifier::activated, this, [this, server] {
            if (receive())
                server->readFrom(this);
        });
        connect(&m_writer, &QSocketNotifier::activated, this, &Peer::flush);
        // A client that connects and never finishes its line must not hold
        // a socket open for ever.
        QTimer::singleShot(kClientPatienceMs, this, &Peer::hangUp);
    }

    const QByteArray &received() const { return m_in; }

    void answer(const QByteArray &reply)
    {
        m_reader.setEnabled(false);
        m_out = reply;
        flush();
    }

private:
    // Takes what has come; false once the peer hung up without a whole line.
    bool receive()
    {
        char chunk[kMaxLine + 1];
        while (!m_in.contains('\n') && m_in.size() <= kMaxLine) {
            const ssize_t n = ::recv(m_fd.get(), chunk, sizeof chunk, 0);
            if (n > 0) {
                m_in.append(chunk, n);
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                break;
            } else {
                hangUp();
                return false;
            }
        }
        return true;
    }

    void flush()
    {
        while (!m_out.isEmpty()) {
            const ssize_t n = ::send(m_fd.get(), m_out.constData(), size_t(m_out.size()), MSG_NOSIGNAL);
            if (n >= 0) {
                m_out.remove(0, n);
            } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
                m_writer.setEnabled(true);
                return;
            } else if (errno != EINTR) {
                break; // gone before its answer: nothing left to do
            }
        }
        hangUp();
    }

    void hangUp()
    {
        m_reader.setEnabled(false);
        m_writer.setEnabled(false);
        deleteLater();
    }

    // Declared first, so the notifiers on it go before it closes.
    unixsocket::Fd m_fd;
    QSocketNotifier m_reader;
    QSocketNotifier m_writer;
    QByteArray m_in;
    QByteArray m_out;
};

InstanceServer::InstanceServer(QObject *parent)
    : QObject(parent)
{
}

InstanceServer::~InstanceServer()
{
    if (m_fd < 0)
        return;
    delete m_notifier;
    ::close(m_fd);
    // Nobody listens any more; a socket left would only be cleared away by
    // the next start. Only the file this server made goes: one that a
    // newer clock put there meanwhile stays.
    const QByteArray name = QFile::encodeName(m_path);
    struct stat st;
    if (::lstat(name.constData(), &st) == 0 && quint64(st.st_dev) == m_device && quint64(st.st_ino) == m_inode)
        ::unlink(name.constData());
}

bool InstanceServer::listen(const QString &socketPath)
{
    if (isListening()) {
        m_error = QStringLiteral("already listening on %1").arg(m_path);
        return false;
    }
    QDir().mkpath(QFileInfo(socketPath).absolutePath());
    // Only a socket of this user's that nobody answers on may go: a live
    // clock's is left alone, and so is any other file, or a link, whoever
    // put it there.
    struct stat st;
    if (::lstat(QFile::encodeName(socketPath).constData(), &st) == 0) {
        unixsocket::Fd probe;
        switch (unixsocket::connectTo(socketPath, QDeadlineTimer(500), &probe)) {
        case unixsocket::Connect::Refused:
            if (unixsocket::removeOwnSocket(socketPath))
                break;
            m_error = QStringLiteral("%1 is in the way and not a socket of this user's").arg(socketPath);
            return false;
        case unixsocket::Connect::NoListener:
            break;
        case unixsocket::Connect::Connected:
        case unixsocket::Connect::Failed:
            m_error = QStringLiteral("another clock is listening on %1").arg(socketPath);
            return false;
        }
    }
    unixsocket::Listener listener;
    if (!unixsocket::listenAt(socketPath, &listener, &m_error))
        return false;
    m_fd = listener.fd.release();
    m_path = socketPath;
    m_device = quint64(listener.device);
    m_inode = quint64(listener.inode);
    m_error.clear();
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InstanceServer::accept);
    // Waiting connections keep the notifier firing; while not accepting
    // they are left to the kernel's queue.
    m_notifier->setEnabled(m_accepting);
    return true;
}

bool InstanceServer::isListening() const
{
    return m_fd >= 0;
}

QString InstanceServer::errorString() const
{
    return m_error;
}

void InstanceServer::setAccepting(bool accepting)
{
    m_accepting = accepting;
    if (m_notifier)
        m_notifier->setEnabled(accepting);
    if (accepting)
        accept();
}

void InstanceServer::accept()
{
    if (!m_accepting || m_fd < 0)
        return;
    for (;;) {
        const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0)
            new Peer(fd, this);
        else if (errno == EAGAIN || errno == EWOULDBLOCK)
            return;
        else if (errno != EINTR && errno != ECONNABORTED)
            break;
    }
    // Out of descriptors, say: the waiting connection would have the
    // notifier fire without end, so look again in a moment instead.
    m_notifier->setEnabled(false);
    QTimer::singleShot(100, this, [this] {
        if (m_accepting)
            setAccepting(true);
    });
}

void InstanceServer::readFrom(Peer *peer)
{
    const QByteArray &received = peer->received();
    const qsizetype end = received.indexOf('\n');
    if (end < 0) {
        if (received.size() > kMaxLine)
            peer->answer("unknown\n");
        return;
    }
    // As much as a line can be; a longer one is nothing we know.
    const QByteArray line = received.left(std::min<qsizetype>(end + 1, kMaxLine));
    QuietRequest quiet;
    if (m_quietHandler && parseQuietRequest(line, &quiet)) {
        peer->answer("ok " + m_quietHandler(quiet).toUtf8().left(kMaxReply - 4) + '\n');
        return;
    }
    InstanceCommand command;
    QByteArray argument;
    if (!parseCommand(line, &command, &argument)) {
        peer->answer("unknown\n");
        return;
    }
    // Answer first: the asking process may exit at once, while the command
    // itself (speaking, say) can take a while.
    peer->answer("ok\n");
    Q_EMIT commandReceived(command, argument);
}

} // namespace horavox
