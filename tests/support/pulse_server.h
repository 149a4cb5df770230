// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A private PulseAudio server for tests and benchmarks that need a real sound
// server: a null sink "test" (and, when asked, a null source "mic" standing
// for a microphone), reached over its own socket in a temporary folder, with
// its own runtime, home and config folders so that it never meets the
// desktop's server. The fixture can point this process at it, record what the
// sink plays (its monitor) or what the source captures, ask pactl about it,
// and stops the server by its process id.
//
//   PulseServer pulse;
//   if (!pulse.start())
//       QSKIP(qPrintable(pulse.error()));
//   pulse.pointProcessAtIt();          // before the first SDL audio use
//   auto rec = pulse.recordSink();     // 44100 Hz mono s16le
//   ... play ...
//   std::vector<int16_t> heard = rec->stop();
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include <sys/types.h>
#include <sys/wait.h>

namespace horavox_test {

class PulseServer
{
public:
    struct Options
    {
        int rate = 44100;
        int channels = 1;
        // Also provide a null source "mic", made the default source, for
        // tests that stand for a microphone (a call, a recorder).
        bool microphone = false;
    };

    // A running parec; stop() ends it by its process id and returns what it
    // recorded, 16-bit samples at the server's rate, channels interleaved.
    class Recording
    {
    public:
        ~Recording() { stop(); }
        Recording(const Recording &) = delete;
        Recording &operator=(const Recording &) = delete;

        bool isRunning() const { return m_process.state() == QProcess::Running; }
        std::vector<int16_t> stop()
        {
            if (m_process.state() != QProcess::NotRunning) {
                // SIGINT lets parec write out what it holds before it leaves.
                const qint64 pid = m_process.processId();
                if (pid > 0)
                    ::kill(pid_t(pid), SIGINT);
                if (!m_process.waitForFinished(5000)) {
                    if (pid > 0)
                        ::kill(pid_t(pid), SIGKILL);
                    m_process.waitForFinished(2000);
                }
            }
            QFile f(m_path);
            std::vector<int16_t> samples;
            if (f.open(QIODevice::ReadOnly)) {
                const QByteArray raw = f.readAll();
                samples.resize(size_t(raw.size()) / 2);
                std::memcpy(samples.data(), raw.constData(), samples.size() * 2);
            }
            return samples;
        }
        // Bytes written so far: tells that the recorder has started to run.
        qint64 bytesSoFar() const { return QFileInfo(m_path).size(); }
        // The file it records into, to be read while it grows.
        QString path() const { return m_path; }

    private:
        friend class PulseServer;
        Recording() = default;
        QProcess m_process;
        QString m_path;
    };

    PulseServer() : m_options() {}
    explicit PulseServer(const Options &options) : m_options(options) {}
    ~PulseServer()
    {
        restoreProcess();
        stop();
    }
    PulseServer(const PulseServer &) = delete;
    PulseServer &operator=(const PulseServer &) = delete;

    // Why start() failed, for QSKIP or QFAIL.
    QString error() const { return m_error; }
    // True when the tools are installed; start() can still fail.
    static bool installed()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()
               && !QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty()
               && !QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty();
    }

    // Starts the server and waits until it answers (at most timeoutMs).
    bool start(int timeoutMs = 10000)
    {
        if (isRunning())
            return true;
        if (!installed()) {
            m_error = QStringLiteral("pulseaudio, pactl or parec is not installed (scripts/bootstrap installs them)");
            return false;
        }
        if (!m_dir.isValid()) {
            m_error = QStringLiteral("no temporary folder");
            return false;
        }
        for (const char *sub : {"runtime", "home", "config", "state"})
            QDir().mkpath(m_dir.filePath(QLatin1String(sub)));
        QFile::setPermissions(m_dir.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_socket = m_dir.filePath(QStringLiteral("runtime/native"));

        const QString format = QStringLiteral("format=s16le rate=%1 channels=%2").arg(m_options.rate).arg(m_options.channels);
        // norewinds: a sink that rewinds to mix a new stream in sooner has
        // already passed the rewound samples to its monitor, so a recording
        // would miss the first few of every new stream.
        QStringList args{QStringLiteral("-n"),
                         QStringLiteral("--daemonize=no"),
                         QStringLiteral("--exit-idle-time=-1"),
                         QStringLiteral("--disallow-exit=yes"),
                         QStringLiteral("--system=no"),
                         QStringLiteral("--use-pid-file=no"),
                         // Real-time and a raised priority where the
                         // system allows them, as a desktop's server has.
                         QStringLiteral("--realtime=yes"),
                         QStringLiteral("--high-priority=yes"),
                         QStringLiteral("--log-target=stderr"),
                         QStringLiteral("--load=module-null-sink sink_name=test %1 norewinds=1 "
                                        "sink_properties=device.description=Test")
                             .arg(format)};
        if (m_options.microphone) {
            args << QStringLiteral("--load=module-null-source source_name=mic %1 "
                                   "description=Microphone")
                        .arg(format);
        }
        // Any client may connect: the socket is in a private folder, and the
        // test process does not share the server's home (and so its cookie).
        args << QStringLiteral("--load=module-native-protocol-unix socket=%1 auth-anonymous=1").arg(m_socket);

        m_server.setProcessEnvironment(serverEnvironment());
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.setStandardOutputFile(m_dir.filePath(QStringLiteral("server.log")));
        m_server.start(QStringLiteral("pulseaudio"), args);
        if (!m_server.waitForStarted(5000)) {
            m_error = QStringLiteral("pulseaudio did not start: ") + m_server.errorString();
            return false;
        }
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            if (m_server.state() != QProcess::Running)
                break;
            if (QFile::exists(m_socket) && pactl({QStringLiteral("info")}) == 0) {
                if (m_options.microphone)
                    pactl({QStringLiteral("set-default-source"), QStringLiteral("mic")});
                return true;
            }
            QThread::msleep(20);
        }
        m_error = QStringLiteral("pulseaudio did not answer; its log:\n") + log();
        stop();
        return false;
    }

    bool isRunning() const { return m_server.state() == QProcess::Running; }
    qint64 pid() const { return m_server.processId(); }

    // Stops the server by its process id: SIGTERM, then SIGKILL.
    void stop()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        const qint64 pid = m_server.processId();
        if (pid > 0)
            ::kill(pid_t(pid), SIGTERM);
        if (!m_server.waitForFinished(5000)) {
            if (pid > 0)
                ::kill(pid_t(pid), SIGKILL);
            m_server.waitForFinished(2000);
        }
    }

    QString sinkName() const { return QStringLiteral("test"); }
    QString sourceName() const { return QStringLiteral("mic"); }
    QString serverAddress() const { return QStringLiteral("unix:") + m_socket; }
    QString log() const
    {
        QFile f(m_dir.filePath(QStringLiteral("server.log")));
        return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll()) : QString();
    }

    // What a client of this server needs: for child processes.
    QProcessEnvironment clientEnvironment(QProcessEnvironment env = QProcessEnvironment::systemEnvironment()) const
    {
        env.insert(QStringLiteral("PULSE_SERVER"), serverAddress());
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("pulseaudio"));
        // A client that cannot reach this server must fail, not start or
        // find another one.
        env.insert(QStringLiteral("PULSE_CLIENTCONFIG"), clientConfig());
        return env;
    }

    // Points this process's sound at the server (SDL and libpulse read these
    // when they start: call it before the first SDL audio use). The old
    // values come back when the fixture goes.
    void pointProcessAtIt()
    {
        const QProcessEnvironment env = clientEnvironment(QProcessEnvironment());
        for (const QString &key : env.keys()) {
            const QByteArray k = key.toLocal8Bit();
            if (!m_saved.contains(key))
                m_saved.insert(key, {qEnvironmentVariableIsSet(k.constData()), qgetenv(k.constData())});
            qputenv(k.constData(), env.value(key).toLocal8Bit());
        }
    }
    void restoreProcess()
    {
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) {
            const QByteArray k = it.key().toLocal8Bit();
            if (it->first)
                qputenv(k.constData(), it->second);
            else
                qunsetenv(k.constData());
        }
        m_saved.clear();
    }

    // Runs pactl against this server; returns its exit code (-1 when it did
    // not run) and its output in *out.
    int pactl(const QStringList &args, QString *out = nullptr, int timeoutMs = 5000) const
    {
        QProcess p;
        p.setProcessEnvironment(clientEnvironment());
        p.start(QStringLiteral("pactl"), args);
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        if (out)
            *out = QString::fromLocal8Bit(p.readAllStandardOutput());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    // Records what the sink plays, as a listener would hear it.
    std::unique_ptr<Recording> recordSink() { return record(sinkName() + QStringLiteral(".monitor")); }
    // Records what reaches the null source (needs Options::microphone).
    std::unique_ptr<Recording> recordSource() { return record(sourceName()); }

    // Starts parec on a source; returns once samples flow into the file, so
    // that nothing played after this returns is missed (a listed stream is
    // not yet a recording one).
    std::unique_ptr<Recording> record(const QString &source, int timeoutMs = 5000)
    {
        std::unique_ptr<Recording> r(new Recording);
        r->m_path = m_dir.filePath(QStringLiteral("rec%1.raw").arg(++m_recordings));
        r->m_process.setProcessEnvironment(clientEnvironment());
        r->m_process.setStandardOutputFile(r->m_path);
        r->m_process.setStandardErrorFile(r->m_path + QStringLiteral(".log"));
        r->m_process.start(QStringLiteral("parec"),
                           {QStringLiteral("--device=") + source, QStringLiteral("--rate=%1").arg(m_options.rate),
                            QStringLiteral("--channels=%1").arg(m_options.channels),
                            QStringLiteral("--format=s16le"), QStringLiteral("--raw"),
                            // Small fragments: the recording reaches the
                            // file soon after the sound, not seconds later.
                            QStringLiteral("--latency-msec=20"),
                            QStringLiteral("--client-name=horavox-test-recorder")});
        if (!r->m_process.waitForStarted(5000))
            return nullptr;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs && r->isRunning()) {
            if (r->bytesSoFar() > 0)
                return r;
            QThread::msleep(5);
        }
        return nullptr;
    }

private:
    QString clientConfig() const
    {
        const QString path = m_dir.filePath(QStringLiteral("client.conf"));
        if (!QFile::exists(path)) {
            QFile f(path);
            if (f.open(QIODevice::WriteOnly))
                f.write("autospawn = no\n");
        }
        return path;
    }

    QProcessEnvironment serverEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.filePath(QStringLiteral("runtime")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("PULSE_STATE_PATH"), m_dir.filePath(QStringLiteral("state")));
        // No desktop bus and no display: the server must not find the
        // user's session or launch a bus of its own.
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("PULSE_SERVER"));
        return env;
    }

    Options m_options;
    // A short name: the socket's path must fit in a socket address.
    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/pa-XXXXXX")};
    QString m_socket;
    QString m_error;
    QProcess m_server;
    int m_recordings = 0;
    QHash<QString, std::pair<bool, QByteArray>> m_saved;
};

} // namespace horavox_test
