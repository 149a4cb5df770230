// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The clock as a screen reader meets it: the real program on a private X
// server, a private D-Bus session and its own AT-SPI bus, read and used by a
// small pyatspi client (atspi_probe.py), the library screen readers use.
#include "core/paths.h"
#include "desktop_session.h"
#include "test_files.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTime>

using horavox_test::writeFile;

namespace {

const QString kProgram = QStringLiteral(HORAVOX_BINARY);
const QString kProbe = QStringLiteral(ATSPI_PROBE);

QString firstExisting(const QStringList &candidates)
{
    for (const QString &c : candidates)
        if (QFileInfo(c).isExecutable())
            return c;
    return QString();
}

} // namespace

class TestAccessibilityBus : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    horavox_test::XServer m_x;
    QProcess m_session, m_launcher, m_clock;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    QString m_python;
    QList<QJsonObject> m_tree;
    bool m_settingsOpen = false;

    // Starts a helper that prints one line when it is ready and returns it.
    bool startAndReadLine(QProcess &p, const QString &program, const QStringList &args, QString *line)
    {
        p.setProcessEnvironment(m_env);
        p.setProcessChannelMode(QProcess::SeparateChannels);
        p.start(program, args);
        if (!p.waitForStarted(5000))
            return false;
        while (!p.canReadLine()) {
            if (!p.waitForReadyRead(10000))
                return false;
        }
        *line = QString::fromLocal8Bit(p.readLine()).trimmed();
        return !line->isEmpty();
    }

    struct ProbeResult
    {
        int exitCode = -1;
        QList<QJsonObject> lines;
        QByteArray errors;
    };
    ProbeResult probe(const QStringList &args)
    {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(m_python, QStringList{kProbe} + args);
        ProbeResult r;
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
            return r;
        }
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.errors = p.readAllStandardError();
        for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
            if (!line.trimmed().isEmpty())
                r.lines << QJsonDocument::fromJson(line).object();
        return r;
    }

    QList<QJsonObject> tree()
    {
        const ProbeResult r = probe({QStringLiteral("tree")});
        return r.exitCode == 0 ? r.lines : QList<QJsonObject>();
    }

    static QJsonObject named(const QList<QJsonObject> &objects, const QString &name)
    {
        for (const QJsonObject &o : objects)
            if (o.value(QLatin1String("name")).toString() == name)
                return o;
        return QJsonObject();
    }

    static void stop(QProcess &p)
    {
        if (p.state() == QProcess::NotRunning)
            return;
        p.terminate();
        if (!p.waitForFinished(5000)) {
            p.kill();
            p.waitForFinished(2000);
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        const QString launcher = firstExisting({QStringLiteral("/usr/libexec/at-spi-bus-launcher"),
                                                QStringLiteral("/usr/lib/at-spi2-core/at-spi-bus-launcher")});
        if (!horavox_test::XServer::missing().isEmpty() || daemon.isEmpty() || launcher.isEmpty())
            QSKIP("Xvfb, xprop, dbus-daemon or at-spi-bus-launcher is not installed (scripts/bootstrap installs them)");
        // The system's Python carries the introspection bindings pyatspi needs;
        // a Python of one's own usually does not.
        for (const QString &py : {QStringLiteral("/usr/bin/python3"), QStandardPaths::findExecutable("python3")}) {
            if (py.isEmpty())
                continue;
            QProcess check;
            check.start(py, {QStringLiteral("-c"), QStringLiteral("import pyatspi")});
            if (check.waitForFinished(20000) && check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0) {
                m_python = py;
                break;
            }
        }
        if (m_python.isEmpty())
            QSKIP("python3-pyatspi is not installed (scripts/bootstrap installs it)");

        QString address;
        m_env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        const QString server = m_x.start(m_dir.path(), QStringLiteral("640x480x24"), m_env);
        QVERIFY2(server.isEmpty(), qPrintable(server));
        m_x.addTo(m_env);
        QVERIFY2(startAndReadLine(m_session, daemon,
                                  {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                   QStringLiteral("--print-address=1")},
                                  &address),
                 "the D-Bus session did not start");
        m_env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        m_launcher.setProcessEnvironment(m_env);
        m_launcher.start(launcher, {QStringLiteral("--launch-immediately")});
        QVERIFY(m_launcher.waitForStarted(5000));

        // Recorded voice, whole day, no announcement at start; 15 minutes.
        writeFile(horavox::settingsFilePath(), "R\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n");
        writeFile(horavox::sliderFilePath(), "450\r\n");
        QProcessEnvironment clockEnv = m_env;
        clockEnv.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        clockEnv.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        clockEnv.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        // Under AddressSanitizer: the X keyboard library hands strndup a name
        // that is not NUL-terminated but is read only to its length, which
        // strict string checking takes for an overflow. That check stays on
        // for every test that does not open an X display.
        QString asan = clockEnv.value(QStringLiteral("ASAN_OPTIONS"));
        if (!asan.isEmpty())
            clockEnv.insert(QStringLiteral("ASAN_OPTIONS"),
                            asan.replace(QStringLiteral("strict_string_checks=1"), QStringLiteral("strict_string_checks=0")));
        m_clock.setProcessEnvironment(clockEnv);
        m_clock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_clock.start(kProgram, QStringList());
        QVERIFY(m_clock.waitForStarted(5000));

        const ProbeResult first = probe({QStringLiteral("tree")});
        QVERIFY2(first.exitCode == 0, first.errors.constData());
        m_tree = first.lines;
    }

    void cleanupTestCase()
    {
        stop(m_clock);
        stop(m_launcher);
        stop(m_session);
    }

    void mainWindowParts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("press");
        QTest::addColumn<bool>("showing");
        QTest::newRow("speak") << "Say the time" << "push button" << "Say Time" << true << true;
        QTest::newRow("settings") << "Settings" << "push button" << "Settings" << true << true;
        QTest::newRow("minimize") << "Minimize" << "push button" << "Minimize" << true << true;
        QTest::newRow("close") << "Close" << "push button" << "Close" << true << true;
        QTest::newRow("about") << "About Horavox" << "push button" << "About" << true << true;
        QTest::newRow("silent lamp") << "Silent" << "label" << "'Speaking' Indicator" << false << true;
        QTest::newRow("speaking lamp") << "Speaking" << "label" << "'Speaking' Indicator" << false << false;
        QTest::newRow("alarm indicator") << "Alarm mode off" << "label" << "Alarm Mode Indicator" << false << true;
        QTest::newRow("slider") << "Minutes between announcements" << "slider" << "Set Time Interval" << false << true;
    }
    void mainWindowParts()
    {
        QFETCH(QString, name);
        QFETCH(QString, role);
        QFETCH(QString, description);
        QFETCH(bool, press);
        QFETCH(bool, showing);
        const QJsonObject o = named(m_tree, name);
        QVERIFY2(!o.isEmpty(), qPrintable(name));
        QCOMPARE(o.value(QLatin1String("window")).toString(), QStringLiteral("Horavox"));
        QCOMPARE(o.value(QLatin1String("role")).toString(), role);
        QCOMPARE(o.value(QLatin1String("description")).toString(), description);
        const QVariantList actions = o.value(QLatin1String("actions")).toVariant().toList();
        QCOMPARE(actions.contains(QStringLiteral("Press")), press);
        QCOMPARE(o.value(QLatin1String("showing")).toBool(), showing);
    }

    // The time display is reached with Tab and read as a person reads the
    // clock, to the minute with its half of the day; the clock's window
    // carries the same reading in its description.
    void timeIsReadAsAPersonReadsIt()
    {
        const QRegularExpression time(QStringLiteral("^(1[0-2]|[1-9]):[0-5]\\d [AP]M$"));
        QJsonObject display;
        for (const QJsonObject &o : m_tree)
            if (o.value(QLatin1String("role")).toString() == QLatin1String("label")
                && time.match(o.value(QLatin1String("name")).toString()).hasMatch())
                display = o;
        QVERIFY2(!display.isEmpty(), "no label reads as a time of day");
        QVERIFY(display.value(QLatin1String("focusable")).toBool());
        const QString reading = display.value(QLatin1String("name")).toString();
        // The tree was read a moment ago; the minute may have turned since.
        QStringList recent;
        for (int back : {0, 60, 120})
            recent << QLocale::c().toString(QTime::currentTime().addSecs(-back), QStringLiteral("h:mm AP"));
        QVERIFY2(recent.contains(reading), qPrintable(reading + QStringLiteral(" is not the time now")));
        QJsonObject window; // the clock's own window, at the top of the tree
        for (const QJsonObject &o : m_tree)
            if (o.value(QLatin1String("window")).toString().isEmpty()
                && o.value(QLatin1String("name")).toString() == QLatin1String("Horavox"))
                window = o;
        const QString described = window.value(QLatin1String("description")).toString();
        QVERIFY2(time.match(described.section(QLatin1Char('.'), 0, 0)).hasMatch(), qPrintable(described));
    }

    // A value set by assistive technology lands as a release of the pointer
    // does: the display shows the time again, and the program keeps the
    // value (checked in its slider file at the end).
    void sliderValueAndRange()
    {
        QCOMPARE(named(m_tree, QStringLiteral("Minutes between announcements")).value(QLatin1String("value")).toVariant(),
                 QVariant(QVariantList{15.0, 0.0, 60.0}));
        const ProbeResult set = probe({QStringLiteral("set-value"), QStringLiteral("Minutes between announcements"),
                                       QStringLiteral("20")});
        QCOMPARE(set.exitCode, 0);
        const QList<QJsonObject> now = tree();
        QCOMPARE(named(now, QStringLiteral("Minutes between announcements")).value(QLatin1String("value")).toVariant(),
                 QVariant(QVariantList{20.0, 0.0, 60.0}));
        // The digits show the minutes a moment, as after a key, then the time.
        QTRY_VERIFY_WITH_TIMEOUT(named(tree(), QStringLiteral("20 minutes")).isEmpty(), 10000);
    }

    // Pressing "Say the time" through its action speaks: the speaking lamp
    // shows while the clips play and the silent one comes back after.
    void sayTheTimeThroughItsAction()
    {
        QCOMPARE(probe({QStringLiteral("press"), QStringLiteral("Say the time")}).exitCode, 0);
        const ProbeResult watched = probe({QStringLiteral("watch"), QStringLiteral("Speaking"), QStringLiteral("5")});
        QCOMPARE(watched.exitCode, 0);
        QVERIFY2(!watched.lines.isEmpty(), "the speaking lamp never showed");
        QVERIFY2(watched.lines.last().value(QLatin1String("showing")).toDouble() < 4.9, "the voice never fell silent");
        QTRY_VERIFY_WITH_TIMEOUT(named(tree(), QStringLiteral("Silent")).value(QLatin1String("showing")).toBool(),
                                 5000);
    }

    void settingsFieldNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("role");
        for (const char *bound : {"Start", "End"}) {
            for (const char *part : {"hour", "minute"}) {
                const QString field = QStringLiteral("%1 %2").arg(QLatin1String(bound), QLatin1String(part));
                QTest::addRow("%s", qPrintable(field)) << field << "text";
                QTest::addRow("%s arrows", qPrintable(field)) << field + QStringLiteral(" arrows") << "scroll bar";
                QTest::addRow("%s up", qPrintable(field)) << field + QStringLiteral(" up") << "push button";
                QTest::addRow("%s down", qPrintable(field)) << field + QStringLiteral(" down") << "push button";
            }
            for (const char *half : {"AM", "PM"})
                QTest::addRow("%s %s", bound, half) << QStringLiteral("%1 %2").arg(QLatin1String(bound), QLatin1String(half))
                                                    << "radio button";
        }
        QTest::newRow("phrase") << "Phrase to say before the time" << "text";
        QTest::newRow("speed") << "TTS speed" << "slider";
    }
    void settingsFieldNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, role);
        if (!m_settingsOpen) {
            QCOMPARE(probe({QStringLiteral("press"), QStringLiteral("Settings")}).exitCode, 0);
            QCOMPARE(probe({QStringLiteral("wait-window"), QStringLiteral("Horavox Settings"), QStringLiteral("10")})
                         .exitCode,
                     0);
            m_tree = tree();
            m_settingsOpen = true;
        }
        int found = 0;
        for (const QJsonObject &o : m_tree) {
            if (o.value(QLatin1String("name")).toString() != name)
                continue;
            ++found;
            QCOMPARE(o.value(QLatin1String("window")).toString(), QStringLiteral("Horavox Settings"));
            QCOMPARE(o.value(QLatin1String("role")).toString(), role);
        }
        QCOMPARE(found, 1); // distinct: no other object shares the name
    }

    // The Close button pressed over the bus runs the close sequence, even
    // with the settings window open, and the interval that assistive
    // technology set is saved with it.
    void closeThroughItsAction()
    {
        QCOMPARE(probe({QStringLiteral("press-in"), QStringLiteral("Horavox"), QStringLiteral("Close")}).exitCode, 0);
        QVERIFY(m_clock.waitForFinished(15000));
        QFile slider(horavox::sliderFilePath());
        QVERIFY(slider.open(QIODevice::ReadOnly));
        QCOMPARE(slider.readAll(), QByteArray("600\r\n"));
    }
};

HORAVOX_TEST_MAIN(TestAccessibilityBus)
#include "test_accessibility_bus.moc"
