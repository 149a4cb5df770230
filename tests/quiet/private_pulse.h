#pragma once
// A PulseAudio server of the test's own, in a folder of its own, with a
// microphone (a null source) and speakers (a null sink, whose monitor is a
// source too). Clients started after start() find it through PULSE_SERVER.
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace horavox_test {

class PrivatePulse
{
public:
    static bool installed()
    {
        return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()
               && !QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty();
    }

    ~PrivatePulse() { stop(); }

    bool start()
    {
        const QString dir = m_dir.path();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir);
        env.insert(QStringLiteral("HOME"), dir);
        env.remove(QStringLiteral("PULSE_SERVER"));
        m_server.setProcessEnvironment(env);
        m_server.setStandardErrorFile(QDir(dir).filePath(QStringLiteral("server.log")));
        m_server.start(QStringLiteral("pulseaudio"),
                       {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                        QStringLiteral("--use-pid-file=no"), QStringLiteral("--disable-shm=yes"),
                        QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket(),
                        QStringLiteral("-L"), QStringLiteral("module-null-source source_name=mic"),
                        QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=speakers")});
        if (!m_server.waitForStarted(5000))
            return false;
        qputenv("PULSE_SERVER", address().toLocal8Bit());
        for (int i = 0; i < 100; ++i) {
            QProcess probe;
            probe.setStandardOutputFile(QProcess::nullDevice());
            probe.setStandardErrorFile(QProcess::nullDevice());
            probe.start(QStringLiteral("pactl"), {QStringLiteral("info")});
            if (probe.waitForFinished(3000) && probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0)
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    void stop()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        if (!m_server.waitForFinished(3000)) {
            m_server.kill();
            m_server.waitForFinished(1000);
        }
    }

    QString socket() const { return QDir(m_dir.path()).filePath(QStringLiteral("native")); }
    QString address() const { return QStringLiteral("unix:") + socket(); }

    // The number of recording streams the server lists now.
    static int recordingStreams()
    {
        QProcess p;
        p.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs")});
        p.waitForFinished(3000);
        return int(p.readAllStandardOutput().count('\n'));
    }

private:
    QTemporaryDir m_dir;
    QProcess m_server;
};

// A program recording as the test tells it to, ended with the object.
class Recorder
{
public:
    Recorder(const QString &program, const QStringList &args)
    {
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.start(program, args);
        m_process.waitForStarted(5000);
    }
    ~Recorder() { end(); }
    void end()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    bool running() const { return m_process.state() == QProcess::Running; }

private:
    QProcess m_process;
};

} // namespace horavox_test
