// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Calls as a real sound server reports them: a private PulseAudio server
// whose null source is the microphone, parec recording from it as the call.
#include "quiet/call_monitor.h"

#include "pulse_server.h"
#include "quiet_clock_rig.h"
#include "test_main.h"

#include <QSignalSpy>

using namespace horavox;
using namespace horavox_test;

namespace {
const QString kParec = QStringLiteral("parec");

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

Recorder call()
{
    return Recorder(kParec, {QStringLiteral("-d"), QStringLiteral("mic")});
}
} // namespace

class TestCallMonitor : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<PulseServer> m_pulse;

    int recordingStreams() const
    {
        QString out;
        m_pulse->pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("source-outputs")}, &out);
        return int(out.count(QLatin1Char('\n')));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(!maps.readAll().contains("libpulse"), "libpulse waits for the first watch");
        if (!PulseServer::installed())
            QSKIP("pulseaudio and parec (packages pulseaudio, pulseaudio-utils) are not installed");
        m_pulse = std::make_unique<PulseServer>(PulseServer::Options{.microphone = true});
        QVERIFY2(m_pulse->start(), qPrintable(m_pulse->error()));
        // The monitor and the recorders it watches find the server here.
        m_pulse->pointProcessAtIt();
    }

    void notACall_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("recording what the speakers play") << kParec << QStringList{"-d", "test.monitor"};
        QTest::newRow("a level meter on the microphone") << QStringLiteral(LEVEL_METER) << QStringList{"mic"};
        QTest::newRow("a monitor stream, as PipeWire marks one")
            << kParec << QStringList{"-d", "mic", "--property=stream.monitor=true"};
    }
    void notACall()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        CallMonitor monitor;
        monitor.start();
        QTRY_VERIFY(monitor.connected());
        Recorder other(program, args);
        QTRY_COMPARE(recordingStreams(), 1);
        // A real call beside it turns the monitor on; once it ends, the
        // recording that is still going on must leave it off.
        Recorder mic = call();
        QTRY_VERIFY(monitor.inCall());
        mic.end();
        QTRY_VERIFY(!monitor.inCall());
        QVERIFY(other.running());
        QCOMPARE(recordingStreams(), 1);
    }

    // Off, as when no server answers, and not tried again; libpulse itself
    // still serves a watch started afterwards.
    void libraryThatCannotServe_data()
    {
        QTest::addColumn<QString>("library");
        QTest::addColumn<int>("version");
        QTest::newRow("not installed") << "horavox-absent" << 0;
        QTest::newRow("without libpulse's functions") << "m" << 6;
    }
    void libraryThatCannotServe()
    {
        QFETCH(QString, library);
        QFETCH(int, version);
        CallMonitor monitor;
        QSignalSpy changes(&monitor, &CallMonitor::connectedChanged);
        monitor.start(library, version);
        monitor.start(library, version);
        QTest::qWait(50);
        QVERIFY(!monitor.connected());
        QVERIFY(!monitor.inCall());
        QCOMPARE(changes.count(), 0);
        QCOMPARE(monitor.retryDelayMs(), CallMonitor::kFirstRetryMs);
        CallMonitor real;
        real.start();
        QTRY_VERIFY(real.connected());
    }

    void dueMinuteInACallIsDroppedAndTheNextSpoken()
    {
        QuietClockRig rig(QDateTime(QDate(2026, 12, 7), QTime(9, 14, 30)), false);
        CallMonitor monitor;
        connect(&monitor, &CallMonitor::inCallChanged, &rig.gate, &QuietGate::setInCall);
        monitor.start();
        QTRY_VERIFY(monitor.connected());
        Recorder mic = call();
        QTRY_VERIFY(rig.gate.inCall());
        QCOMPARE(rig.run(1), QStringList{});
        mic.end();
        QTRY_VERIFY(!rig.gate.inCall());
        QCOMPARE(rig.run(15), QStringList{"09:30"});
    }

    void serverThatGoesAwayIsFoundAgain()
    {
        CallMonitor monitor;
        QSignalSpy calls(&monitor, &CallMonitor::inCallChanged);
        monitor.start();
        QTRY_VERIFY(monitor.connected());
        Recorder mic = call();
        QTRY_VERIFY(monitor.inCall());
        m_pulse->stop();
        QTRY_VERIFY(!monitor.connected());
        QVERIFY2(!monitor.inCall(), "no server, no call");
        QCOMPARE(monitor.retryDelayMs(), 2 * CallMonitor::kFirstRetryMs);
        QVERIFY2(m_pulse->start(), qPrintable(m_pulse->error()));
        QTRY_VERIFY_WITH_TIMEOUT(monitor.connected(), 8000);
        QCOMPARE(monitor.retryDelayMs(), CallMonitor::kFirstRetryMs);
    }
};

HORAVOX_TEST_MAIN(TestCallMonitor)
#include "test_call_monitor.moc"
