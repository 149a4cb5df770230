// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>
#include <QString>
#include <functional>

class QSocketNotifier;

namespace horavox {

// What a second start asks of the running clock, one line each on the
// socket: a word, and for some words one argument after a single space.
enum class InstanceCommand {
    Raise,   // "raise\n" or "raise TOKEN\n": bring the window forward, un-minimised
    SayTime, // "say-time\n": speak the time now, in the running clock's voice
};

// The line for a command; the argument, if any, follows the word.
QByteArray commandLine(InstanceCommand command, const QByteArray &argument = {});
// The command of one received line (without its newline) and its argument
// (empty when there is none); false if the word is unknown or the argument
// is not one the word takes.
bool parseCommand(const QByteArray &line, InstanceCommand *command, QByteArray *argument = nullptr);

// An activation token, as a launcher hands one to the program it starts
// (XDG_ACTIVATION_TOKEN): only with it may a Wayland compositor bring
// another program's window forward. Opaque to us; it must be printable,
// without blanks, and not unreasonably long.
bool isActivationToken(const QByteArray &token);
// This process's token from its launcher, or nothing if it has none that
// could be one.
QByteArray activationTokenFromEnvironment();

// The socket of the current user's running clock, in the user's runtime
// folder, so two users on one machine each get their own clock.
QString instanceSocketPath();

enum class HandOver {
    Delivered,  // the running clock took the command
    NoInstance, // nothing listens (a stale socket has been cleared away)
    Failed,     // no clock of this user's could be reached, or it answered nonsense
    Unanswered, // a clock of this user's took the connection but did not answer in time
};

// Hands a command to the running clock and waits for its answer. A clock
// from before raise took a token refuses "raise TOKEN"; it is then asked
// again without the token, which still brings it forward where the desktop
// allows.
HandOver sendToRunningInstance(const QString &socketPath, InstanceCommand command, int timeoutMs = 2000,
                               const QByteArray &argument = {});

// Quiet-time requests from the command line. Each is answered with the
// status line after it, as "ok <status>\n".
// A week; longer than that is not "for a while".
inline constexpr int kMaxMuteMinutes = 7 * 24 * 60;

struct QuietRequest
{
    enum class Kind {
        Mute,     // "mute <minutes>\n", or "mute off\n" when minutes is 0
        SkipNext, // "skip-next\n"
        Status,   // "status\n": changes nothing
    };
    Kind kind = Kind::Status;
    int minutes = 0;
};
QByteArray quietRequestLine(const QuietRequest &request);
bool parseQuietRequest(const QByteArray &line, QuietRequest *request);

struct QuietReply
{
    HandOver handOver = HandOver::Failed;
    QString status; // when delivered
};
QuietReply sendQuietRequest(const QString &socketPath, const QuietRequest &request, int timeoutMs = 2000);

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
    // While not accepting, connections wait unanswered (their senders wait
    // too, as long as their patience lasts) and are taken in order once
    // accepting again: a clock still loading answers when it can act.
    void setAccepting(bool accepting);
    // Answers quiet-time requests; without a handler they are unknown.
    void setQuietHandler(std::function<QString(const QuietRequest &)> handler)
    {
        m_quietHandler = std::move(handler);
    }

Q_SIGNALS:
    void commandReceived(horavox::InstanceCommand command, const QByteArray &argument);

private:
    class Peer;
    void accept();
    void readFrom(Peer *peer);

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QString m_path;
    quint64 m_device = 0; // the file made, so only it is removed at the end
    quint64 m_inode = 0;
    QString m_error;
    std::function<QString(const QuietRequest &)> m_quietHandler;
    bool m_accepting = true;
};

} // namespace horavox
