// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The built program itself, run as a user or a desktop would run it.
#include "shell/instance_channel.h"

#include "core/paths.h"
#include "high_band.h"
#include "pulse_server.h"
#include "quiet/quiet_preferences.h"
#include "shell/window_position.h"
#include "stale_socket.h"
#include "test_main.h"

#include <QProcess>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace horavox;

Q_DECLARE_METATYPE(horavox::InstanceCommand)

using horavox_test::leaveStaleSocket;

namespace {

const QString kProgram = QStringLiteral(HORAVOX_BINARY);

struct Result
{
    bool finished = false;
    int code = -1;
    QByteArray out, err;
};

// Runs the program to its end while this thread keeps serving events, so
// that a server in this process can answer it.
Result runProgram(const QStringList &args, int timeoutMs = 20000,
                  const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(kProgram, args);
    Result r;
    if (!p.waitForStarted(5000))
        return r;
    QSignalSpy done(&p, &QProcess::finished);
    r.finished = done.wait(timeoutMs);
    if (!r.finished) {
        p.kill();
        p.waitForFinished(2000);
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

HandOver sendFromThread(InstanceCommand command)
{
    HandOver result = HandOver::Failed;
    std::unique_ptr<QThread> t(QThread::create([&] { result = sendToRunningInstance(instanceSocketPath(), command, 2000); }));
    t->start();
    while (!t->wait(5))
        QCoreApplication::processEvents();
    return result;
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QDir(configDir()).removeRecursively();
        QFile::remove(instanceSocketPath());
    }

    void answersAtOnce_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("version") << QStringList{"--version"} << 0 << QByteArray("horavox " HORAVOX_VERSION "\n")
                                 << QByteArray();
        QTest::newRow("help") << QStringList{"--help"} << 0 << QByteArray("--say-time") << QByteArray();
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 1 << QByteArray() << QByteArray("'bogus'");
        QTest::newRow("stray word") << QStringList{"now"} << 1 << QByteArray() << QByteArray("'now'");
        QTest::newRow("status without a clock") << QStringList{"--status"} << 2 << QByteArray()
                                                << QByteArray("no clock is running");
        QTest::newRow("mute without a clock") << QStringList{"--mute", "60"} << 2 << QByteArray()
                                              << QByteArray("no clock is running");
        QTest::newRow("mute 0") << QStringList{"--mute", "0"} << 1 << QByteArray() << QByteArray("1 to 10080");
        // Whatever the time, the sentence's first words and its end.
        QTest::newRow("print-time in German") << QStringList{"--print-time", "--language", "de"} << 0
                                              << QByteArray("Es ist ") << QByteArray();
        QTest::newRow("print-time in Russian, UTF-8") << QStringList{"--print-time", "--language", "ru"} << 0
                                                      << QByteArray("Сейчас ") << QByteArray();
        QTest::newRow("print-time, English as ever") << QStringList{"--print-time", "--language", "en"} << 0
                                                     << QByteArray("The Time is Now ") << QByteArray();
        QTest::newRow("language unknown") << QStringList{"--say-time", "--language", "tlh"} << 1 << QByteArray()
                                          << QByteArray("unknown language 'tlh'; the languages are en, de");
        QTest::newRow("play-chime bleep, heard and done") << QStringList{"--play-chime", "bleep"} << 0 << QByteArray()
                                                         << QByteArray();
        QTest::newRow("play-chime unknown") << QStringList{"--play-chime", "gong"} << 1 << QByteArray()
                                            << QByteArray("unknown chime 'gong'");
        // A file that is there but is no sound: this program.
        QTest::newRow("play-chime not a sound") << QStringList{"--play-chime", HORAVOX_BINARY} << 1 << QByteArray()
                                                << QByteArray(HORAVOX_BINARY ": ");
    }
    void answersAtOnce()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const Result r = runProgram(args);
        QVERIFY(r.finished);
        QCOMPARE(r.code, code);
        if (out.isEmpty())
            QVERIFY2(r.out.isEmpty(), r.out.constData());
        else
            QVERIFY2(r.out.contains(out), r.out.constData());
        if (err.isEmpty())
            QVERIFY2(r.err.isEmpty(), r.err.constData());
        else
            QVERIFY2(r.err.contains(err), r.err.constData());
        // Nothing of the clock was started: no files, no socket.
        QVERIFY(!QFile::exists(settingsFilePath()));
        QVERIFY(!QFile::exists(instanceSocketPath()));
    }

    void quietCommandReachesTheRunningClock_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("asked");
        QTest::newRow("mute") << QStringList{"--mute", "60"} << QByteArray("mute 60");
        QTest::newRow("unmute") << QStringList{"--mute", "off"} << QByteArray("mute off");
        QTest::newRow("skip-next") << QStringList{"--skip-next"} << QByteArray("skip-next");
        QTest::newRow("status") << QStringList{"--status"} << QByteArray("status");
    }
    void quietCommandReachesTheRunningClock()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, asked);
        InstanceServer server;
        QVERIFY(server.listen(instanceSocketPath()));
        QByteArray got;
        server.setQuietHandler([&](const QuietRequest &r) {
            got = quietRequestLine(r).trimmed();
            return QStringLiteral("next: 10:15 AM (muted until 11:02 AM)");
        });
        const Result r = runProgram(args);
        QVERIFY(r.finished);
        QCOMPARE(r.code, 0);
        QCOMPARE(got, asked);
        QCOMPARE(r.out, QByteArray("next: 10:15 AM (muted until 11:02 AM)\n"));
    }

    void secondStartHandsOver_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("launcherToken");
        QTest::addColumn<InstanceCommand>("command");
        QTest::addColumn<QByteArray>("argument");
        QTest::addColumn<int>("loadingMs"); // the running clock takes requests after this
        QTest::newRow("say-time") << QStringList{"--say-time"} << QByteArray() << InstanceCommand::SayTime
                                  << QByteArray() << 0;
        QTest::newRow("plain start") << QStringList{} << QByteArray() << InstanceCommand::Raise << QByteArray() << 0;
        // What lets a Wayland compositor bring the running clock forward.
        QTest::newRow("plain start with a token") << QStringList{} << QByteArray("launch-42") << InstanceCommand::Raise
                                                  << QByteArray("launch-42") << 0;
        QTest::newRow("plain start with a damaged token") << QStringList{} << QByteArray("two words")
                                                          << InstanceCommand::Raise << QByteArray() << 0;
        QTest::newRow("say-time keeps its token") << QStringList{"--say-time"} << QByteArray("launch-43")
                                                  << InstanceCommand::SayTime << QByteArray() << 0;
        // Past one wait for an answer: a second clock would say everything
        // twice, its start-up announcement first.
        QTest::newRow("plain start while the clock still loads") << QStringList{} << QByteArray()
                                                                 << InstanceCommand::Raise << QByteArray() << 3000;
    }
    void secondStartHandsOver()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, launcherToken);
        QFETCH(InstanceCommand, command);
        QFETCH(QByteArray, argument);
        QFETCH(int, loadingMs);
        InstanceServer server;
        QVERIFY(server.listen(instanceSocketPath()));
        server.setAccepting(loadingMs == 0);
        QTimer::singleShot(loadingMs, &server, [&server] { server.setAccepting(true); });
        QSignalSpy received(&server, &InstanceServer::commandReceived);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("XDG_ACTIVATION_TOKEN"));
        if (!launcherToken.isEmpty())
            env.insert(QStringLiteral("XDG_ACTIVATION_TOKEN"), QString::fromLatin1(launcherToken));
        const Result r = runProgram(args, 20000, env);
        QVERIFY(r.finished);
        QCOMPARE(r.code, 0);
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.first().at(0).value<InstanceCommand>(), command);
        QCOMPARE(received.first().at(1).toByteArray(), argument);
        // It asked; it did not load a clock of its own.
        QVERIFY(!QFile::exists(settingsFilePath()));
    }

    void sayTimeAloneSpeaksAndEnds()
    {
        // No clock runs: the program loads its settings (the default ones
        // announce at start-up), says the time once and ends by itself.
        const Result r = runProgram({"--say-time"}, 60000);
        QVERIFY2(r.finished, r.err.constData());
        QCOMPARE(r.code, 0);
        QVERIFY2(r.err.isEmpty(), r.err.constData());
        QVERIFY(QFile::exists(settingsFilePath()));
        // It never became the running clock.
        QVERIFY(!QFile::exists(instanceSocketPath()));
    }

    void sayTimeAloneSpeaksInTheChosenVoice_data()
    {
        QTest::addColumn<QString>("voice");
        QTest::addColumn<QString>("language"); // --language
        // The share of the sound above this frequency is nil (below 1e-4)
        // for a voice made at twice its rate or less: flite's kal at 8000
        // samples a second, slt at 16000, eSpeak NG at 22050; otherwise it
        // is above `share`.
        QTest::addColumn<double>("cutoffHz");
        QTest::addColumn<bool>("nilAbove");
        QTest::addColumn<double>("share");
        QTest::newRow("flite's kal") << "flite/kal" << QString() << 5000.0 << true << 1e-4;
        QTest::newRow("one no longer installed: the default") << "espeak/en-gb-x-rp" << QString() << 5000.0 << false
                                                              << 1e-3;
        QTest::newRow("flite's slt, the default") << QString() << QString() << 9500.0 << true << 1e-4;
        // In German with no voice picked: eSpeak NG's German voice (3e-4).
        QTest::newRow("--language de") << QString() << "de" << 9500.0 << false << 1.5e-4;
    }
    void sayTimeAloneSpeaksInTheChosenVoice()
    {
        QFETCH(QString, voice);
        QFETCH(QString, language);
        QFETCH(double, cutoffHz);
        QFETCH(bool, nilAbove);
        QFETCH(double, share);
        if (!horavox_test::PulseServer::installed())
            QSKIP("pulseaudio and pulseaudio-utils are not installed (scripts/bootstrap installs them)");
        horavox_test::PulseServer pulse;
        QVERIFY2(pulse.start(), qPrintable(pulse.error()));
        // Text-to-speech, with a phrase full of the hiss that tells the voices apart.
        QDir().mkpath(configDir());
        QFile settings(settingsFilePath());
        QVERIFY(settings.open(QIODevice::WriteOnly)
                && settings.write("T\r\n135\r\nSix seconds past six, it is\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n") > 0);
        settings.close();
        QuietPreferences chosen;
        chosen.voice = voice;
        QVERIFY(quiet_preferences::save(quiet_preferences::path(), chosen));

        const auto recording = pulse.recordSink();
        QVERIFY(recording);
        QStringList args{"--say-time"};
        if (!language.isEmpty())
            args << "--language" << language;
        const Result r = runProgram(args, 60000, pulse.clientEnvironment());
        QVERIFY2(r.finished && r.code == 0, r.err.constData());
        const std::vector<int16_t> heard = recording->stop();
        QVERIFY(std::count_if(heard.begin(), heard.end(), [](int16_t s) { return std::abs(s) > 500; }) > 4410);
        // The hiss of an "s" puts some of a voice's sound as high as its
        // rate lets it go.
        const double high = horavox_test::highBandShare(heard, 44100, cutoffHz);
        QVERIFY2(nilAbove ? high < share : high > share, qPrintable(QString::number(high)));
        // The choice is the user's: a voice not installed now stays stored,
        // and a language for one run is not stored at all.
        const QuietPreferences stored = quiet_preferences::load(quiet_preferences::path());
        QCOMPARE(stored.voice, voice);
        QCOMPARE(stored.language, QString());
    }

    void runningClockSavesOnTerminationAndTakesOverAStaleSocket()
    {
        // A crashed clock's socket is in the way.
        QVERIFY(leaveStaleSocket(instanceSocketPath()));

        QProcess clock;
        clock.start(kProgram, {});
        QVERIFY(clock.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(sendFromThread(InstanceCommand::Raise) == HandOver::Delivered, 20000);
        QCOMPARE(sendFromThread(InstanceCommand::SayTime), HandOver::Delivered);

        // What the clock wrote at start is gone; the end must write it again.
        QVERIFY(QFile::remove(settingsFilePath()));
        QVERIFY(QFile::remove(sliderFilePath()));
        ::kill(pid_t(clock.processId()), SIGTERM);
        QVERIFY(clock.waitForFinished(20000));
        QCOMPARE(clock.exitStatus(), QProcess::NormalExit);
        QCOMPARE(clock.exitCode(), 0);
        QVERIFY(QFile::exists(settingsFilePath()));
        QVERIFY(QFile::exists(sliderFilePath()));
        QVERIFY(WindowPositionStore(windowPositionPath()).load().has_value());
        // The socket is gone with it; the next start finds nobody.
        QCOMPARE(sendToRunningInstance(instanceSocketPath(), InstanceCommand::Raise, 500), HandOver::NoInstance);
    }
};

HORAVOX_TEST_MAIN(TestProgram)
#include "test_program.moc"
