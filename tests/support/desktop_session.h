// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Real desktops for the tests that need one: a headless Wayland compositor
// (weston) or an X server with a window manager (Xvfb and openbox). Each is
// started by the test in a folder of its own, with its own runtime folder,
// and stopped by its process id when the session object goes.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLibraryInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

namespace horavox_test {

// The programs in the list that cannot be found, as one line; empty when
// all are there.
inline QString missingPrograms(const QStringList &programs)
{
    QStringList missing;
    for (const QString &p : programs) {
        if (QStandardPaths::findExecutable(p).isEmpty())
            missing << p;
    }
    return missing.join(QLatin1String(", "));
}

inline void stopProcess(QProcess &p)
{
    if (p.state() == QProcess::NotRunning)
        return;
    p.terminate(); // SIGTERM to its process id
    if (!p.waitForFinished(5000)) {
        p.kill();
        p.waitForFinished(2000);
    }
}

// Polls until the check holds or the time is up; the check's own last
// answer is the result.
template<typename Check>
bool waitFor(Check check, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!check()) {
        if (t.elapsed() > timeoutMs)
            return check();
        QThread::msleep(50);
    }
    return true;
}

// Runs a short helper program to its end; its standard output, or a null
// array when it failed.
inline QByteArray runTool(const QString &program, const QStringList &args, const QProcessEnvironment &env,
                          const QString &workDir = QString(), int timeoutMs = 10000)
{
    QProcess p;
    p.setProcessEnvironment(env);
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(1000);
        return QByteArray();
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QByteArray();
    const QByteArray out = p.readAllStandardOutput();
    return out.isNull() ? QByteArray("") : out;
}

// Folders and settings every program run in a session gets: private
// configuration, data and runtime folders and a silent sound device.
class SessionBase
{
public:
    QString root() const { return m_dir.path(); }
    QString runtimeDir() const { return m_dir.filePath(QStringLiteral("runtime")); }
    QString configHome() const { return m_dir.filePath(QStringLiteral("config")); }
    QString dataHome() const { return m_dir.filePath(QStringLiteral("data")); }

protected:
    SessionBase()
    {
        for (const QString &sub : {runtimeDir(), configHome(), dataHome()})
            QDir().mkpath(sub);
        QFile::setPermissions(runtimeDir(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QProcessEnvironment baseEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "XAUTHORITY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                                 "XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID", "HORAVOX_BENCH_SHOWN"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.qpa.*=false"));
        return env;
    }

    QTemporaryDir m_dir;
};

// weston on its headless back end with the pixman renderer, 640 x 400, a
// background of a colour no skin uses, no panel, and the screenshot
// protocol open (--debug) for weston-screenshooter.
class WestonSession : public SessionBase
{
public:
    static constexpr QRgb kBackground = 0xffc01080;
    static constexpr QSize kOutput{640, 400};

    ~WestonSession() { stopProcess(m_weston); }

    static QString missing()
    {
        QString tools = missingPrograms({QStringLiteral("weston"), QStringLiteral("weston-screenshooter")});
        const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath)
            + QStringLiteral("/platforms/libqwayland-generic.so");
        if (!QFile::exists(plugin))
            tools += (tools.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("Qt's Wayland platform");
        return tools;
    }

    // Empty when the compositor runs and shows its background; otherwise
    // what went wrong, with the compositor's own words.
    QString start()
    {
        m_socket = QStringLiteral("horavox-test-%1").arg(QCoreApplication::applicationPid());
        const QString ini = m_dir.filePath(QStringLiteral("weston.ini"));
        QFile f(ini);
        if (!f.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write weston.ini");
        f.write("[core]\nshell=desktop-shell.so\nidle-time=0\n"
                "[shell]\nbackground-color=0xffc01080\npanel-position=none\nlocking=false\n"
                "animation=none\nstartup-animation=none\nclose-animation=none\n");
        f.close();
        QProcessEnvironment env = baseEnvironment();
        m_weston.setProcessEnvironment(env);
        m_weston.setProcessChannelMode(QProcess::MergedChannels);
        m_weston.start(QStringLiteral("weston"),
                       {QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--use-pixman"),
                        QStringLiteral("--width=%1").arg(kOutput.width()),
                        QStringLiteral("--height=%1").arg(kOutput.height()), QStringLiteral("--socket=") + m_socket,
                        QStringLiteral("--debug"), QStringLiteral("--config=") + ini});
        if (!m_weston.waitForStarted(5000))
            return QStringLiteral("weston did not start");
        const QString socket = QDir(runtimeDir()).filePath(m_socket);
        const bool ready = waitFor(
            [&] {
                if (m_weston.state() != QProcess::Running)
                    return true;
                const QImage shot = QFile::exists(socket) ? screenshot() : QImage();
                return !shot.isNull() && shot.pixel(0, 0) == kBackground;
            },
            15000);
        if (!ready || m_weston.state() != QProcess::Running) {
            m_weston.waitForFinished(100);
            return QStringLiteral("weston did not come up: ") + QString::fromLocal8Bit(m_weston.readAll());
        }
        return QString();
    }

    // For a program to run on this compositor.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = baseEnvironment();
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        // The compositor draws with pixman and takes no GPU buffers; left to
        // itself Qt would still load Mesa's EGL for them, which keeps memory
        // past the end that the sanitizer build reports.
        env.insert(QStringLiteral("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"), QStringLiteral("none"));
        return env;
    }

    // The whole output as it is now; a null image when the shot failed.
    QImage screenshot() const
    {
        QTemporaryDir shots(m_dir.filePath(QStringLiteral("shot-XXXXXX")));
        QProcessEnvironment env = baseEnvironment();
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
        if (runTool(QStringLiteral("weston-screenshooter"), {}, env, shots.path()).isNull())
            return QImage();
        const QStringList files = QDir(shots.path()).entryList({QStringLiteral("*.png")}, QDir::Files);
        if (files.size() != 1)
            return QImage();
        return QImage(QDir(shots.path()).filePath(files.first())).convertToFormat(QImage::Format_RGB32);
    }

private:
    QProcess m_weston;
    QString m_socket;
};

// An X server of the test's own (Xvfb), on the first free display number,
// as the server reports it, sure to answer before anything starts on it.
//
// Two things made a start fail now and then beside other X servers. Xvfb
// resets when its last client leaves and refuses whoever connects during
// the reset, so a helper that looked at the display and left just as the
// clock connected took the clock's connection with it ("could not connect
// to display"): hence -noreset. And a server started with -displayfd takes
// no lock file, so a server started the usual way may take the same
// number: hence a cookie of the test's own, so that a client that reached
// another server is refused instead of talking to it, and a check with that
// cookie that this server answers; one that does not is replaced by a
// server on another number.
class XServer
{
public:
    ~XServer() { stopProcess(m_server); }

    static QString missing() { return missingPrograms({QStringLiteral("Xvfb"), QStringLiteral("xprop")}); }

    // `folder` keeps the cookie; `size` is as Xvfb takes it ("640x400x24").
    QString start(const QString &folder, const QString &size, QProcessEnvironment env)
    {
        m_authority = QDir(folder).filePath(QStringLiteral("xauthority"));
        if (!writeCookie())
            return QStringLiteral("cannot write the X cookie");
        env.insert(QStringLiteral("XAUTHORITY"), m_authority);
        QString why;
        for (int attempt = 0; attempt < 3; ++attempt) {
            stopProcess(m_server);
            why = startOnce(size, env);
            if (why.isEmpty())
                return QString();
        }
        return why;
    }

    QString display() const { return m_display; }
    QString authority() const { return m_authority; }
    void addTo(QProcessEnvironment &env) const
    {
        env.insert(QStringLiteral("DISPLAY"), m_display);
        env.insert(QStringLiteral("XAUTHORITY"), m_authority);
    }

private:
    bool writeCookie() const
    {
        // One entry for any host and any display number ("FamilyWild" with
        // empty address and number), so it holds whatever number the
        // server picks.
        QByteArray entry;
        auto field = [&entry](const QByteArray &bytes) {
            entry.append(char(bytes.size() >> 8)).append(char(bytes.size() & 0xff)).append(bytes);
        };
        entry.append(char(0xff)).append(char(0xff));
        field(QByteArray());
        field(QByteArray());
        field(QByteArrayLiteral("MIT-MAGIC-COOKIE-1"));
        QByteArray cookie(16, '\0');
        for (char &c : cookie)
            c = char(QRandomGenerator::system()->bounded(256));
        field(cookie);
        QFile f(m_authority);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(entry) == entry.size()
            && f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    QString startOnce(const QString &size, const QProcessEnvironment &env)
    {
        m_server.setProcessEnvironment(env);
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                        QStringLiteral("0"), size, QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                        QStringLiteral("-noreset"), QStringLiteral("-auth"), m_authority});
        if (!m_server.waitForStarted(5000))
            return QStringLiteral("Xvfb did not start");
        QElapsedTimer t;
        t.start();
        while (!m_server.canReadLine() && m_server.state() == QProcess::Running && t.elapsed() < 10000)
            m_server.waitForReadyRead(200);
        if (!m_server.canReadLine())
            return QStringLiteral("Xvfb gave no display number");
        m_display = QStringLiteral(":") + QString::fromLatin1(m_server.readLine().trimmed());
        QProcessEnvironment client = env;
        addTo(client);
        const bool answers = waitFor(
            [&] {
                return m_server.state() != QProcess::Running
                    || !runTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-len"),
                                                          QStringLiteral("0"), QStringLiteral("WM_NAME")},
                                client, QString(), 5000)
                            .isNull();
            },
            10000);
        if (m_server.state() != QProcess::Running)
            return QStringLiteral("Xvfb on %1 ended").arg(m_display);
        return answers ? QString() : QStringLiteral("Xvfb on %1 does not answer").arg(m_display);
    }

    QProcess m_server;
    QString m_display;
    QString m_authority;
};

// Xvfb with openbox, 640 x 400.
class X11Session : public SessionBase
{
public:
    ~X11Session() { stopProcess(m_wm); }

    static QString missing()
    {
        return missingPrograms({QStringLiteral("Xvfb"), QStringLiteral("openbox"), QStringLiteral("xdotool"),
                                QStringLiteral("xprop")});
    }

    QString start()
    {
        const QString why = m_server.start(root(), QStringLiteral("640x400x24"), baseEnvironment());
        if (!why.isEmpty())
            return why;

        m_wm.setProcessEnvironment(environment());
        m_wm.start(QStringLiteral("openbox"), {});
        if (!m_wm.waitForStarted(5000))
            return QStringLiteral("openbox did not start");
        // The manager is in charge once it names the moves it supports.
        const bool managed = waitFor(
            [&] {
                return runTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTED")},
                               environment())
                    .contains("_NET_WM_MOVERESIZE");
            },
            10000);
        return managed ? QString() : QStringLiteral("openbox did not take over the display");
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = baseEnvironment();
        m_server.addTo(env);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return env;
    }

    // Runs xdotool with the arguments; its output, or null on failure.
    QByteArray xdotool(const QStringList &args, int timeoutMs = 10000) const
    {
        return runTool(QStringLiteral("xdotool"), args, environment(), QString(), timeoutMs);
    }

    // The first visible window `xdotool search` finds with the arguments,
    // looked for until the time runs out; empty if none came. A search dies
    // of BadWindow when a window goes while it walks the tree (Qt makes and
    // drops windows as a dialog opens), so each failed walk is tried again
    // rather than taken as "no such window".
    QByteArray findWindow(const QStringList &args, int timeoutMs) const
    {
        QByteArray found;
        waitFor(
            [&] {
                found = xdotool(QStringList{QStringLiteral("search"), QStringLiteral("--onlyvisible")} + args)
                            .split('\n')
                            .value(0);
                return !found.isEmpty();
            },
            timeoutMs);
        return found;
    }

private:
    XServer m_server; // outlives the window manager: members go in reverse order
    QProcess m_wm;
};

} // namespace horavox_test
