#pragma once
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace horavox {

// What a second start asks of the running clock, one line each on the socket.
enum class InstanceCommand {
    Raise,   // "raise\n": bring the window forward, un-minimised
    SayTime, // "say-time\n": speak the time now, in the running clock's voice
};

QByteArray commandLine(InstanceCommand command);
// The command of one received line (without its newline); false if unknown.
bool parseCommand(const QByteArray &line, InstanceCommand *command);

// The socket of the current user's running clock, in the user's runtime
// folder, so two users on one machine each get their own clock.
QString instanceSocketPath();

enum class HandOver {
    Delivered,  // the running clock took the command
    NoInstance, // nothing listens (a stale socket has been cleared away)
    Failed,     // something listens but did not answer in time
};

// Hands a command to the running clock and waits for its answer.
HandOver sendToRunningInstance(const QString &socketPath, InstanceCommand command, int timeoutMs = 2000);

// The running clock's end of the socket. It answers "ok\n" to every command
// it knows and "unknown\n" to anything else, then hangs up.
class InstanceServer : public QObject
{
    Q_OBJECT
public:
    explicit InstanceServer(QObject *parent = nullptr);
    ~InstanceServer() override;

    // Listens on the path; a socket left behind by a clock that crashed is
    // removed first, a live one is left alone (and this returns false).
    bool listen(const QString &socketPath);
    bool isListening() const;
    QString errorString() const;

Q_SIGNALS:
    void commandReceived(horavox::InstanceCommand command);

private:
    void accept();
    void readFrom(QLocalSocket *socket);

    QLocalServer *m_server;
};

} // namespace horavox
