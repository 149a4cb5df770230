// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/instance_channel.h"

#include "stale_socket.h"
#include "test_main.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QThread>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace horavox;

Q_DECLARE_METATYPE(horavox::InstanceCommand)
Q_DECLARE_METATYPE(horavox::HandOver)
Q_DECLARE_METATYPE(horavox::QuietRequest::Kind)

using horavox_test::leaveStaleSocket;

namespace {

QString socketIn(const char *name)
{
    return QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath(QLatin1String(name));
}

// The client blocks while it waits for the answer, so it runs on a thread of
// its own while this one serves.
HandOver sendFromThread(const QString &path, InstanceCommand command, int timeoutMs = 2000,
                        const QByteArray &argument = {})
{
    HandOver result = HandOver::Failed;
    std::unique_ptr<QThread> t(
        QThread::create([&] { result = sendToRunningInstance(path, command, timeoutMs, argument); }));
    t->start();
    while (!t->wait(5))
        QCoreApplication::processEvents();
    return result;
}

// The bytes as an older start would send them, each piece a write of its
// own; one that hangs up leaves without waiting for the answer.
QByteArray rawExchange(const QString &path, const QByteArrayList &pieces, bool hangUp = false)
{
    QByteArray reply;
    std::unique_ptr<QThread> t(QThread::create([&] {
        QLocalSocket s;
        s.connectToServer(path);
        if (!s.waitForConnected(1000))
            return;
        for (const QByteArray &piece : pieces) {
            if (&piece != &pieces.first())
                QThread::msleep(20);
            s.write(piece);
            s.waitForBytesWritten(1000);
        }
        while (!hangUp && s.waitForReadyRead(1000))
            reply += s.readAll();
        reply += s.readAll();
    }));
    t->start();
    while (!t->wait(5))
        QCoreApplication::processEvents();
    return reply;
}

} // namespace

class TestInstanceChannel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        for (const char *name : {"a.socket", "b.socket", "stale.socket"})
            QFile::remove(socketIn(name));
    }

    void parsing_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("known");
        QTest::addColumn<InstanceCommand>("command");
        QTest::addColumn<QByteArray>("argument");
        QTest::newRow("raise") << QByteArray("raise\n") << true << InstanceCommand::Raise << QByteArray();
        QTest::newRow("raise, no newline") << QByteArray("raise") << true << InstanceCommand::Raise << QByteArray();
        QTest::newRow("say-time") << QByteArray("say-time\n") << true << InstanceCommand::SayTime << QByteArray();
        QTest::newRow("say-time, CR LF") << QByteArray("say-time\r\n") << true << InstanceCommand::SayTime
                                         << QByteArray();
        QTest::newRow("capitals") << QByteArray("RAISE\n") << false << InstanceCommand::Raise << QByteArray();
        QTest::newRow("empty") << QByteArray("\n") << false << InstanceCommand::Raise << QByteArray();
        QTest::newRow("two words") << QByteArray("say-time now\n") << false << InstanceCommand::Raise << QByteArray();
        QTest::newRow("prefix only") << QByteArray("say\n") << false << InstanceCommand::Raise << QByteArray();
        // A launcher's activation token rides along with raise.
        QTest::newRow("raise with a token") << QByteArray("raise kwin-1f3a/9\n") << true << InstanceCommand::Raise
                                            << QByteArray("kwin-1f3a/9");
        QTest::newRow("raise with the longest token") << QByteArray("raise " + QByteArray(255, 'k') + "\n") << true
                                                      << InstanceCommand::Raise << QByteArray(255, 'k');
        QTest::newRow("raise with a token too long") << QByteArray("raise " + QByteArray(256, 'k') + "\n") << false
                                                     << InstanceCommand::Raise << QByteArray();
        QTest::newRow("raise with two words") << QByteArray("raise a b\n") << false << InstanceCommand::Raise
                                              << QByteArray();
        QTest::newRow("raise with a control character") << QByteArray("raise a\x01b\n") << false
                                                        << InstanceCommand::Raise << QByteArray();
        QTest::newRow("raise with a byte past ASCII") << QByteArray("raise \xc3\xa9\n") << false
                                                      << InstanceCommand::Raise << QByteArray();
        QTest::newRow("raise, two blanks") << QByteArray("raise  tok\n") << false << InstanceCommand::Raise
                                           << QByteArray();
    }
    void parsing()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, known);
        QFETCH(InstanceCommand, command);
        QFETCH(QByteArray, argument);
        InstanceCommand got = InstanceCommand::Raise;
        QByteArray gotArgument("untouched");
        QCOMPARE(parseCommand(line, &got, &gotArgument), known);
        if (known) {
            QCOMPARE(got, command);
            QCOMPARE(gotArgument, argument);
        }
    }

    void commandsTravelAsTheirLines()
    {
        for (InstanceCommand c : {InstanceCommand::Raise, InstanceCommand::SayTime}) {
            InstanceCommand back = c == InstanceCommand::Raise ? InstanceCommand::SayTime : InstanceCommand::Raise;
            const QByteArray line = commandLine(c);
            QVERIFY(line.endsWith('\n'));
            QCOMPARE(line.count('\n'), 1);
            QVERIFY(parseCommand(line, &back));
            QCOMPARE(back, c);
        }
        QCOMPARE(commandLine(InstanceCommand::Raise), QByteArray("raise\n"));
        QCOMPARE(commandLine(InstanceCommand::SayTime), QByteArray("say-time\n"));
        QCOMPARE(commandLine(InstanceCommand::Raise, "t-1"), QByteArray("raise t-1\n"));
    }

    void socketLivesInTheRuntimeFolder()
    {
        const QString path = instanceSocketPath();
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(qEnvironmentVariable("XDG_RUNTIME_DIR")).absoluteFilePath());
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("horavox.socket"));
    }

    void handOver_data()
    {
        QTest::addColumn<InstanceCommand>("command");
        QTest::addColumn<QByteArray>("argument");
        QTest::newRow("raise") << InstanceCommand::Raise << QByteArray();
        QTest::newRow("say-time") << InstanceCommand::SayTime << QByteArray();
        QTest::newRow("raise with a token") << InstanceCommand::Raise << QByteArray("0b5e2d41-token");
    }
    void handOver()
    {
        QFETCH(InstanceCommand, command);
        QFETCH(QByteArray, argument);
        InstanceServer server;
        QVERIFY(server.listen(socketIn("a.socket")));
        QSignalSpy received(&server, &InstanceServer::commandReceived);
        QCOMPARE(sendFromThread(socketIn("a.socket"), command, 2000, argument), HandOver::Delivered);
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.first().at(0).value<InstanceCommand>(), command);
        QCOMPARE(received.first().at(1).toByteArray(), argument);
    }

    // A clock from before raise took a token answers "unknown" to one; it
    // is asked again without, rather than a second clock being started.
    void olderClockIsRaisedWithoutTheToken()
    {
        QLocalServer older;
        QVERIFY(older.listen(socketIn("b.socket")));
        QByteArrayList lines;
        connect(&older, &QLocalServer::newConnection, this, [&] {
            QLocalSocket *s = older.nextPendingConnection();
            connect(s, &QLocalSocket::readyRead, s, [&lines, s] {
                if (!s->canReadLine())
                    return;
                const QByteArray line = s->readLine();
                lines << line;
                s->write(line == "raise\n" ? "ok\n" : "unknown\n");
                s->disconnectFromServer();
            });
        });
        QCOMPARE(sendFromThread(socketIn("b.socket"), InstanceCommand::Raise, 2000, "tok-7"), HandOver::Delivered);
        QCOMPARE(lines, QByteArrayList({"raise tok-7\n", "raise\n"}));
    }

    void serverKeepsServingOneClientAfterAnother()
    {
        InstanceServer server;
        QVERIFY(server.listen(socketIn("a.socket")));
        QSignalSpy received(&server, &InstanceServer::commandReceived);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(sendFromThread(socketIn("a.socket"), InstanceCommand::SayTime), HandOver::Delivered);
        QTRY_COMPARE(received.count(), 5);
    }

    // A clock still loading holds requests until it can act on them; the
    // sender waits for the answer rather than being refused.
    void requestWaitsForAClockStillLoading()
    {
        InstanceServer server;
        server.setAccepting(false);
        QVERIFY(server.listen(socketIn("a.socket")));
        QSignalSpy received(&server, &InstanceServer::commandReceived);
        HandOver result = HandOver::Failed;
        std::unique_ptr<QThread> t(QThread::create(
            [&] { result = sendToRunningInstance(socketIn("a.socket"), InstanceCommand::SayTime, 5000); }));
        t->start();
        QTest::qWait(300);
        QVERIFY(t->isRunning());
        QCOMPARE(received.count(), 0);
        server.setAccepting(true);
        while (!t->wait(5))
            QCoreApplication::processEvents();
        QCOMPARE(result, HandOver::Delivered);
        QCOMPARE(received.count(), 1);
    }

    void nothingListeningIsNoInstance()
    {
        QCOMPARE(sendToRunningInstance(socketIn("a.socket"), InstanceCommand::Raise, 500), HandOver::NoInstance);
    }

    void staleSocketIsClearedByTheClient()
    {
        const QString path = socketIn("stale.socket");
        QVERIFY(leaveStaleSocket(path));
        QCOMPARE(sendToRunningInstance(path, InstanceCommand::Raise, 500), HandOver::NoInstance);
        QVERIFY(!QFileInfo::exists(path));
    }

    void staleSocketIsTakenOverByTheServer()
    {
        const QString path = socketIn("stale.socket");
        QVERIFY(leaveStaleSocket(path));
        InstanceServer server;
        QVERIFY2(server.listen(path), qPrintable(server.errorString()));
        QSignalSpy received(&server, &InstanceServer::commandReceived);
        QCOMPARE(sendFromThread(path, InstanceCommand::Raise), HandOver::Delivered);
        QTRY_COMPARE(received.count(), 1);
    }

    void liveServerIsNotTakenOver()
    {
        InstanceServer first;
        QVERIFY(first.listen(socketIn("a.socket")));
        InstanceServer second;
        QVERIFY(!second.listen(socketIn("a.socket")));
        QVERIFY(!second.isListening());
        QSignalSpy received(&first, &InstanceServer::commandReceived);
        QCOMPARE(sendFromThread(socketIn("a.socket"), InstanceCommand::SayTime), HandOver::Delivered);
        QTRY_COMPARE(received.count(), 1);
    }

    void quietRequests_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("known");
        QTest::addColumn<QuietRequest::Kind>("kind");
        QTest::addColumn<int>("minutes");
        using K = QuietRequest::Kind;
        QTest::newRow("mute 60") << QByteArray("mute 60\n") << true << K::Mute << 60;
        QTest::newRow("mute off") << QByteArray("mute off\r\n") << true << K::Mute << 0;
        QTest::newRow("mute a week") << QByteArray("mute 10080\n") << true << K::Mute << 10080;
        QTest::newRow("skip-next") << QByteArray("skip-next\n") << true << K::SkipNext << 0;
        QTest::newRow("status") << QByteArray("status") << true << K::Status << 0;
        QTest::newRow("mute 0") << QByteArray("mute 0\n") << false << K::Status << 0;
        QTest::newRow("mute past a week") << QByteArray("mute 10081\n") << false << K::Status << 0;
        QTest::newRow("mute alone") << QByteArray("mute\n") << false << K::Status << 0;
        QTest::newRow("mute, two numbers") << QByteArray("mute 5 6\n") << false << K::Status << 0;
        QTest::newRow("raise is not one") << QByteArray("raise\n") << false << K::Status << 0;
    }
    void quietRequests()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, known);
        QFETCH(QuietRequest::Kind, kind);
        QFETCH(int, minutes);
        QuietRequest r;
        QCOMPARE(parseQuietRequest(line, &r), known);
        if (!known)
            return;
        QCOMPARE(r.kind, kind);
        QCOMPARE(r.minutes, minutes);
        QuietRequest back;
        QVERIFY(parseQuietRequest(quietRequestLine(r), &back));
        QCOMPARE(back.kind, kind);
        QCOMPARE(back.minutes, minutes);
    }

    void quietRequestIsAnsweredWithTheStatus()
    {
        InstanceServer server;
        QVERIFY(server.listen(socketIn("a.socket")));
        // An older clock does not know the word.
        QCOMPARE(rawExchange(socketIn("a.socket"), {"status\n"}), QByteArray("unknown\n"));
        QList<int> asked;
        server.setQuietHandler([&](const QuietRequest &r) {
            asked << r.minutes;
            return QStringLiteral("next: 10:15 AM (muted until 11:02 AM)");
        });
        QuietReply reply;
        std::unique_ptr<QThread> t(QThread::create(
            [&] { reply = sendQuietRequest(socketIn("a.socket"), {QuietRequest::Kind::Mute, 60}); }));
        t->start();
        while (!t->wait(5))
            QCoreApplication::processEvents();
        QCOMPARE(reply.handOver, HandOver::Delivered);
        QCOMPARE(reply.status, QStringLiteral("next: 10:15 AM (muted until 11:02 AM)"));
        QCOMPARE(asked, QList<int>{60});
        QCOMPARE(sendQuietRequest(socketIn("none.socket"), {}).handOver, HandOver::NoInstance);
    }

    void unknownCommandIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("unknown word") << QByteArray("quit\n");
        QTest::newRow("endless line") << QByteArray(600, 'x');
    }
    void unknownCommandIsRefused()
    {
        QFETCH(QByteArray, bytes);
        InstanceServer server;
        QVERIFY(server.listen(socketIn("a.socket")));
        QSignalSpy received(&server, &InstanceServer::commandReceived);
        QCOMPARE(rawExchange(socketIn("a.socket"), {bytes}), QByteArray("unknown\n"));
        QTest::qWait(50);
        QCOMPARE(received.count(), 0);
    }

    void requestInPieces_data()
    {
        QTest::addColumn<QByteArrayList>("pieces");
        QTest::addColumn<bool>("hangUp");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("commands");
        QTest::newRow("split in a word") << QByteArrayList{"ra", "ise\n"} << false << QByteArray("ok\n") << 1;
        QTest::newRow("split in the token") << QByteArrayList{"raise tok", "-7\n"} << false << QByteArray("ok\n") << 1;
        QTest::newRow("endless line, split") << QByteArrayList{QByteArray(300, 'x'), QByteArray(300, 'x')} << false
                                             << QByteArray("unknown\n") << 0;
        QTest::newRow("gone mid-request") << QByteArrayList{"say-"} << true << QByteArray() << 0;
        QTest::newRow("gone without a word") << QByteArrayList{} << true << QByteArray() << 0;
        // The answer then goes to nobody, which must not end the clock.
        QTest::newRow("gone before the answer") << QByteArrayList{"say-time\n"} << true << QByteArray() << 1;
    }
    void requestInPieces()
    {
        QFETCH(QByteArrayList, pieces);
        QFETCH(bool, hangUp);
        QFETCH(QByteArray, reply);
        QFETCH(int, commands);
        InstanceServer server;
        QVERIFY(server.listen(socketIn("a.socket")));
        QSignalSpy received(&server, &InstanceServer::commandReceived);
        // A client that connects and says nothing holds up nobody else.
        QLocalSocket idle;
        idle.connectToServer(socketIn("a.socket"));
        QVERIFY(idle.waitForConnected(1000));
        // Qt's local sockets have SIGPIPE ignored process-wide, which the
        // clock, without them, no longer has.
        const auto pipeAction = std::signal(SIGPIPE, SIG_DFL);
        const auto restore = qScopeGuard([pipeAction] { std::signal(SIGPIPE, pipeAction); });
        QCOMPARE(rawExchange(socketIn("a.socket"), pieces, hangUp), reply);
        QTRY_COMPARE(received.count(), commands);
        QCOMPARE(sendFromThread(socketIn("a.socket"), InstanceCommand::SayTime), HandOver::Delivered);
    }

    // What no clock put there is neither taken over nor removed.
    void foreignFileIsLeftAlone_data()
    {
        QTest::addColumn<bool>("link");
        QTest::newRow("a plain file") << false;
        QTest::newRow("a link to a stale socket") << true;
    }
    void foreignFileIsLeftAlone()
    {
        QFETCH(bool, link);
        const QString path = socketIn("a.socket");
        QFile file(socketIn("b.socket"));
        QVERIFY(link ? leaveStaleSocket(file.fileName()) && QFile::link(file.fileName(), path)
                     : file.open(QIODevice::WriteOnly) && file.rename(path));
        InstanceServer server;
        QVERIFY(!server.listen(path));
        QCOMPARE(sendToRunningInstance(path, InstanceCommand::Raise, 500), HandOver::NoInstance);
        QVERIFY(QFileInfo(path).isSymLink() == link && QFileInfo::exists(file.fileName()));
    }

    void socketPathLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("fits");
        QTest::newRow("the longest that fits") << int(sizeof sockaddr_un::sun_path) - 1 << true;
        QTest::newRow("one byte too long") << int(sizeof sockaddr_un::sun_path) << false;
    }
    void socketPathLength()
    {
        QFETCH(int, length);
        QFETCH(bool, fits);
        const QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR") + '/';
        const QString path = dir + QString(length - dir.size(), 'x');
        InstanceServer server;
        QCOMPARE(server.listen(path), fits);
        QCOMPARE(sendFromThread(path, InstanceCommand::Raise, 500), fits ? HandOver::Delivered : HandOver::NoInstance);
        QCOMPARE(QFileInfo::exists(path), fits);
    }

    void silentServerIsAFailureNotAHang()
    {
        // Something holds the socket and accepts, but never answers.
        QLocalServer mute;
        QVERIFY(mute.listen(socketIn("b.socket")));
        QCOMPARE(sendFromThread(socketIn("b.socket"), InstanceCommand::Raise, 300), HandOver::Unanswered);
        // A failure is not a crash: the socket of a live holder stays.
        QVERIFY(QFileInfo::exists(socketIn("b.socket")));
    }
};

HORAVOX_TEST_MAIN(TestInstanceChannel)
#include "test_instance_channel.moc"
