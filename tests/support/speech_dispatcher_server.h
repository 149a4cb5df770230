// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A private speech-dispatcher: its configuration under this process's
// XDG_CONFIG_HOME (so that a server started on demand in its place is as
// private), its socket under XDG_RUNTIME_DIR, eSpeak NG its one module, its
// sound to the PulseAudio server this process points at. Signalled and
// stopped by the process id the running server wrote, its own or one
// started on demand after it.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <csignal>

namespace horavox_test {

class SpeechDispatcherServer
{
public:
    ~SpeechDispatcherServer() { stop(); }
    QString error() const { return m_error; }

    bool start(int timeoutMs = 10000)
    {
        if (QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher")).isEmpty()
            || !QFileInfo::exists(QStringLiteral("/usr/lib/speech-dispatcher-modules/sd_espeak-ng"))) {
            m_error = QStringLiteral("speech-dispatcher-espeak-ng is not installed (scripts/bootstrap installs it)");
            return false;
        }
        QDir().mkpath(m_config + QStringLiteral("/modules"));
        QFile conf(m_config + QStringLiteral("/speechd.conf"));
        QFile module(m_config + QStringLiteral("/modules/espeak-ng.conf"));
        if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate) || !module.open(QIODevice::WriteOnly)) {
            m_error = QStringLiteral("cannot write the configuration");
            return false;
        }
        conf.write("LogDir \"" + QFile::encodeName(m_runtime) + "\"\nAudioOutputMethod \"pulse\"\n"
                   "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\nDefaultModule espeak-ng\n"
                   "DefaultLanguage \"en\"\n");
        conf.close();
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(QStringLiteral("speech-dispatcher"), {"-s", "-t", "0", "-C", m_config});
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs && m_server.state() != QProcess::NotRunning) {
            if (QFileInfo::exists(m_runtime + QStringLiteral("/speechd.sock")) && pid() > 0)
                return true;
            QThread::msleep(50);
        }
        m_error = QStringLiteral("speech-dispatcher did not start: ") + QString::fromLocal8Bit(m_server.readAll());
        return false;
    }

    pid_t pid() const
    {
        QFile f(m_runtime + QStringLiteral("/pid/speech-dispatcher.pid"));
        return f.open(QIODevice::ReadOnly) ? pid_t(f.readAll().trimmed().toInt()) : 0;
    }
    // The id signalled, 0 when no server runs.
    pid_t signal(int sig) const
    {
        const pid_t p = pid();
        if (p > 0)
            ::kill(p, sig);
        return p;
    }

    void stop()
    {
        signal(SIGCONT);
        signal(SIGKILL);
        m_server.kill();
        m_server.waitForFinished(3000);
        QFile::remove(m_runtime + QStringLiteral("/pid/speech-dispatcher.pid"));
        QFile::remove(m_runtime + QStringLiteral("/speechd.sock"));
    }

private:
    const QString m_config = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/speech-dispatcher");
    const QString m_runtime = qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/speech-dispatcher");
    QString m_error;
    QProcess m_server;
};

} // namespace horavox_test

// Listing the service's voices goes through libspeechd's reply parsing,
// which takes about 1.5 s for espeak-ng's 13,000 voices in a plain build and
// over half a minute under AddressSanitizer's string checks, longer than the
// program waits for a list; the sanitizer run leaves the listing cases out.
#if defined(__SANITIZE_ADDRESS__)
#define HORAVOX_SKIP_VOICE_LISTING_UNDER_SANITIZER() \
    QSKIP("listing every voice takes longer than the program waits under AddressSanitizer")
#else
#define HORAVOX_SKIP_VOICE_LISTING_UNDER_SANITIZER() \
    do {                                             \
    } while (false)
#endif
