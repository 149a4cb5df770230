#pragma once
// A private speech-dispatcher for tests and benchmarks: its configuration
// under this process's XDG_CONFIG_HOME (so that a server the client starts on
// demand is just as private), its socket under XDG_RUNTIME_DIR, eSpeak NG as
// its one module and its sound to the PulseAudio server this process points
// at. The fixture starts the server, signals it by the process id it wrote,
// and stops it and any server started on demand in its place.
//
//   PulseServer pulse; ... pulse.pointProcessAtIt();
//   SpeechDispatcherServer speechd;
//   if (!speechd.start())
//       QSKIP(qPrintable(speechd.error()));
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QThread>

#include <csignal>
#include <sys/types.h>

namespace horavox_test {

class SpeechDispatcherServer
{
public:
    SpeechDispatcherServer()
    {
        m_config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/speech-dispatcher");
        m_runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR")) + QStringLiteral("/speech-dispatcher");
    }
    ~SpeechDispatcherServer() { stop(); }
    SpeechDispatcherServer(const SpeechDispatcherServer &) = delete;
    SpeechDispatcherServer &operator=(const SpeechDispatcherServer &) = delete;

    QString error() const { return m_error; }

    bool start(int timeoutMs = 10000)
    {
        if (QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty()
            || !QFileInfo::exists(QStringLiteral("/usr/lib/speech-dispatcher-modules/sd_espeak-ng"))) {
            m_error = QStringLiteral("speech-dispatcher or its eSpeak NG module is not installed "
                                     "(scripts/bootstrap installs them)");
            return false;
        }
        QDir().mkpath(m_config + QStringLiteral("/modules"));
        QFile conf(m_config + QStringLiteral("/speechd.conf"));
        if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            m_error = QStringLiteral("cannot write the configuration");
            return false;
        }
        conf.write("LogDir \"" + QFile::encodeName(m_runtime) + "\"\n"
                   "AudioOutputMethod \"pulse\"\n"
                   "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                   "DefaultModule espeak-ng\n"
                   "DefaultLanguage \"en\"\n");
        conf.close();
        QFile(m_config + QStringLiteral("/modules/espeak-ng.conf")).open(QIODevice::WriteOnly);
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(QStringLiteral("speech-dispatcher"),
                       {QStringLiteral("-s"), QStringLiteral("-t"), QStringLiteral("0"), QStringLiteral("-C"), m_config});
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            if (QFileInfo::exists(socketPath()) && pid() > 0)
                return true;
            if (m_server.state() == QProcess::NotRunning)
                break;
            QThread::msleep(50);
        }
        m_error = QStringLiteral("speech-dispatcher did not start: ") + QString::fromLocal8Bit(m_server.readAll());
        return false;
    }

    QString socketPath() const { return m_runtime + QStringLiteral("/speechd.sock"); }

    // The server now running, the fixture's own or one started on demand.
    pid_t pid() const
    {
        QFile f(m_runtime + QStringLiteral("/pid/speech-dispatcher.pid"));
        return f.open(QIODevice::ReadOnly) ? pid_t(f.readAll().trimmed().toInt()) : 0;
    }

    void signal(int sig) const
    {
        if (const pid_t p = pid(); p > 0)
            ::kill(p, sig);
    }

    void stop()
    {
        // One started on demand writes its id over the fixture's.
        if (const pid_t p = pid(); p > 0) {
            ::kill(p, SIGCONT);
            ::kill(p, SIGKILL);
        }
        if (m_server.state() != QProcess::NotRunning) {
            m_server.kill();
            m_server.waitForFinished(3000);
        }
        QFile::remove(m_runtime + QStringLiteral("/pid/speech-dispatcher.pid"));
        QFile::remove(socketPath());
    }

private:
    QString m_config;
    QString m_runtime;
    QString m_error;
    QProcess m_server;
};

} // namespace horavox_test
