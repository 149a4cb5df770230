#include "instance_channel.h"

#include "core/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>

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
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs)) {
        const QLocalSocket::LocalSocketError error = socket.error();
        if (error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError) {
            // Refused means the file is there but nobody listens: a clock
            // that crashed left it behind.
            if (error == QLocalSocket::ConnectionRefusedError)
                QLocalServer::removeServer(socketPath);
            result.handOver = HandOver::NoInstance;
        }
        return result;
    }
    socket.write(line);
    if (!socket.waitForBytesWritten(timeoutMs))
        return result;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return result;
    }
    result.line = socket.readLine(kMaxReply).trimmed();
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

InstanceServer::InstanceServer(QObject *parent)
    : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::accept);
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen(const QString &socketPath)
{
    QDir().mkpath(QFileInfo(socketPath).absolutePath());
    // With access options set, the server is made beside the path and moved
    // onto it, which would silently replace a live clock's socket; so look
    // first. Only a socket nobody answers on may go.
    if (QFileInfo::exists(socketPath)) {
        QLocalSocket probe;
        probe.connectToServer(socketPath);
        if (probe.waitForConnected(500)) {
            probe.abort();
            return false;
        }
        if (probe.error() != QLocalSocket::ConnectionRefusedError
            && probe.error() != QLocalSocket::ServerNotFoundError)
            return false;
        QLocalServer::removeServer(socketPath);
    }
    return m_server->listen(socketPath);
}

bool InstanceServer::isListening() const
{
    return m_server->isListening();
}

QString InstanceServer::errorString() const
{
    return m_server->errorString();
}

void InstanceServer::setAccepting(bool accepting)
{
    m_accepting = accepting;
    if (accepting)
        accept();
}

void InstanceServer::accept()
{
    if (!m_accepting)
        return;
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        QTimer::singleShot(kClientPatienceMs, socket, [socket] { socket->abort(); });
        if (socket->bytesAvailable() > 0)
            readFrom(socket);
    }
}

void InstanceServer::readFrom(QLocalSocket *socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxLine) {
            socket->write("unknown\n");
            socket->disconnectFromServer();
        }
        return;
    }
    const QByteArray line = socket->readLine(kMaxLine + 1);
    QuietRequest quiet;
    if (m_quietHandler && parseQuietRequest(line, &quiet)) {
        socket->write("ok " + m_quietHandler(quiet).toUtf8().left(kMaxReply - 4) + '\n');
        socket->flush();
        socket->disconnectFromServer();
        return;
    }
    InstanceCommand command;
    QByteArray argument;
    if (!parseCommand(line, &command, &argument)) {
        socket->write("unknown\n");
        socket->disconnectFromServer();
        return;
    }
    // Answer first: the asking process may exit at once, while the command
    // itself (speaking, say) can take a while.
    socket->write("ok\n");
    socket->flush();
    socket->disconnectFromServer();
    Q_EMIT commandReceived(command, argument);
}

} // namespace horavox
