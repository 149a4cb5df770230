#include "instance_channel.h"

#include "core/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

namespace horavox {

namespace {
// A client that connects and never finishes its line must not hold a
// socket open for ever.
constexpr int kClientPatienceMs = 3000;
// Nobody sends more than a word; anything longer is not a client of ours.
constexpr qint64 kMaxLine = 64;
// A status line is one sentence.
constexpr qint64 kMaxReply = 1024;
} // namespace

QByteArray commandLine(InstanceCommand command)
{
    switch (command) {
    case InstanceCommand::Raise:
        return QByteArrayLiteral("raise\n");
    case InstanceCommand::SayTime:
        return QByteArrayLiteral("say-time\n");
    }
    return QByteArray();
}

bool parseCommand(const QByteArray &line, InstanceCommand *command)
{
    const QByteArray word = line.trimmed();
    if (word == "raise")
        *command = InstanceCommand::Raise;
    else if (word == "say-time")
        *command = InstanceCommand::SayTime;
    else
        return false;
    return true;
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
    QuietReply result;
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs)) {
        const QLocalSocket::LocalSocketError error = socket.error();
        if (error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError)
            result.handOver = HandOver::NoInstance;
        return result;
    }
    socket.write(quietRequestLine(request));
    if (!socket.waitForBytesWritten(timeoutMs))
        return result;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return result;
    }
    const QByteArray reply = socket.readLine(kMaxReply).trimmed();
    if (reply.startsWith("ok ")) {
        result.handOver = HandOver::Delivered;
        result.status = QString::fromUtf8(reply.mid(3));
    }
    return result;
}

QString instanceSocketPath()
{
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QDir::tempPath();
    return joinPath(runtime, QStringLiteral("horavox.socket"));
}

HandOver sendToRunningInstance(const QString &socketPath, InstanceCommand command, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs)) {
        const QLocalSocket::LocalSocketError error = socket.error();
        if (error == QLocalSocket::ServerNotFoundError || error == QLocalSocket::ConnectionRefusedError) {
            // Refused means the file is there but nobody listens: a clock
            // that crashed left it behind.
            if (error == QLocalSocket::ConnectionRefusedError)
                QLocalServer::removeServer(socketPath);
            return HandOver::NoInstance;
        }
        return HandOver::Failed;
    }
    socket.write(commandLine(command));
    if (!socket.waitForBytesWritten(timeoutMs))
        return HandOver::Failed;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return HandOver::Failed;
    }
    return socket.readLine().trimmed() == "ok" ? HandOver::Delivered : HandOver::Failed;
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

void InstanceServer::accept()
{
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
    if (!parseCommand(line, &command)) {
        socket->write("unknown\n");
        socket->disconnectFromServer();
        return;
    }
    // Answer first: the asking process may exit at once, while the command
    // itself (speaking, say) can take a while.
    socket->write("ok\n");
    socket->flush();
    socket->disconnectFromServer();
    Q_EMIT commandReceived(command);
}

} // namespace horavox
