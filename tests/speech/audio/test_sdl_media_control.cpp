// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_media_control.h"
#include "tap_recorder.h"
#include "test_main.h"
#include "wav_bytes.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace horavox;
using namespace horavox_test;

namespace {

const QString kOpenBleep = QStringLiteral("open c:\\tmpSndA.$$$ type waveaudio alias voice1");
const QString kOpenTime = QStringLiteral("open c:\\tmpSndT.$$$ type waveaudio alias voice1");
const QString kPlay = QStringLiteral("play voice1");
const QString kStatus = QStringLiteral("status voice1 mode");
const QString kStop = QStringLiteral("stop voice1");
const QString kClose = QStringLiteral("close voice1");

QString mode(SdlMediaControl &mc, int *code = nullptr)
{
    QString reply = QStringLiteral("untouched");
    const int rc = mc.sendString(kStatus, &reply);
    if (code)
        *code = rc;
    return reply;
}

} // namespace

class TestSdlMediaControl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void commands_data();
    void commands();
    void deviceCountFromOutput();
    void lengthOfOpenClip();
    void playingUntilHeardThenStopped();
    void endSignalledOnceOnOwnerThread();
    void stopCutsAtOnce();
    void closeWhilePlayingSilencesAndSignalsOnce();
    void playAgainStartsFromTheBeginning();
    void clipsPlayedOneAfterAnotherLeaveNoGap();
    void absolutePathOpens();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSdlMediaControl::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    // BLEEP: 8-bit 11025 Hz, 0.6 s as the program's own; TIME: 16-bit 44100 Hz.
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("tmpSndA.$$$")),
                      wav(11025, 1, 8, QByteArray(6615, char(0xC0)))));
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("tmpSndT.$$$")),
                      constantMono16(44100, 22050, 3000)));
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("tmpSnd7.$$$")), "not a wave file"));
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("tmpSnd8.$$$")), QByteArray()));
}

void TestSdlMediaControl::commands_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("reply");

    const QString none;
    const QStringList fresh;
    const QStringList opened{kOpenBleep};
    QTest::newRow("status of nothing open") << fresh << kStatus << int(SdlMediaControl::NotOpen) << none;
    QTest::newRow("play of nothing open") << fresh << kPlay << int(SdlMediaControl::NotOpen) << none;
    QTest::newRow("stop of nothing open") << fresh << kStop << int(SdlMediaControl::NotOpen) << none;
    QTest::newRow("close of nothing open") << fresh << kClose << int(SdlMediaControl::NotOpen) << none;
    QTest::newRow("open clip") << fresh << kOpenBleep << 0 << none;
    QTest::newRow("status after open") << opened << kStatus << 0 << "stopped";
    QTest::newRow("status while playing") << QStringList{kOpenBleep, kPlay} << kStatus << 0 << "playing";
    QTest::newRow("status after stop") << QStringList{kOpenBleep, kPlay, kStop} << kStatus << 0 << "stopped";
    QTest::newRow("status after close") << QStringList{kOpenBleep, kClose} << kStatus
                                        << int(SdlMediaControl::NotOpen) << none;
    QTest::newRow("status of another alias") << opened << "status voice2 mode"
                                             << int(SdlMediaControl::NotOpen) << none;
    QTest::newRow("lower-case s names the same clip")
        << fresh << "open c:\\tmpsndT.$$$ type waveaudio alias voice1" << 0 << none;
    QTest::newRow("clip name in capitals") << fresh << "open C:\\TMPSNDT.$$$ type waveaudio alias voice1"
                                           << 0 << none;
    QTest::newRow("second open of the alias") << opened << kOpenTime
                                              << int(SdlMediaControl::AliasInUse) << none;
    QTest::newRow("reopen after close") << QStringList{kOpenBleep, kClose} << kOpenTime << 0 << none;
    QTest::newRow("clip file missing") << fresh << "open c:\\tmpSnd5.$$$ type waveaudio alias voice1"
                                       << int(SdlMediaControl::FileNotFound) << none;
    QTest::newRow("not a clip name") << fresh << "open c:\\tmpSndX.$$$ type waveaudio alias voice1"
                                     << int(SdlMediaControl::FileNotFound) << none;
    QTest::newRow("relative path") << fresh << "open tmpSndA.$$$ type waveaudio alias voice1"
                                   << int(SdlMediaControl::FileNotFound) << none;
    QTest::newRow("clip file not a wave") << fresh << "open c:\\tmpSnd7.$$$ type waveaudio alias voice1"
                                          << int(SdlMediaControl::BadFile) << none;
    QTest::newRow("clip file empty") << fresh << "open c:\\tmpSnd8.$$$ type waveaudio alias voice1"
                                     << int(SdlMediaControl::BadFile) << none;
    QTest::newRow("failed open leaves alias closed")
        << QStringList{"open c:\\tmpSnd7.$$$ type waveaudio alias voice1"} << kStatus
        << int(SdlMediaControl::NotOpen) << none;
    QTest::newRow("empty command") << fresh << "" << int(SdlMediaControl::UnknownCommand) << none;
    QTest::newRow("unknown verb") << opened << "pause voice1" << int(SdlMediaControl::UnknownCommand) << none;
    QTest::newRow("play without alias") << opened << "play" << int(SdlMediaControl::UnknownCommand) << none;
    QTest::newRow("status of position") << opened << "status voice1 position"
                                        << int(SdlMediaControl::UnknownCommand) << none;
    QTest::newRow("open without alias") << fresh << "open c:\\tmpSndA.$$$ type waveaudio"
                                        << int(SdlMediaControl::UnknownCommand) << none;
    QTest::newRow("open of another type") << fresh << "open c:\\tmpSndA.$$$ type sequencer alias voice1"
                                          << int(SdlMediaControl::UnknownCommand) << none;
    QTest::newRow("play with extra words") << opened << "play voice1 from 0"
                                           << int(SdlMediaControl::UnknownCommand) << none;
}

void TestSdlMediaControl::commands()
{
    QFETCH(QStringList, before);
    QFETCH(QString, command);
    SdlMediaControl mc;
    mc.setClipFolder(m_dir->path());
    for (const QString &c : std::as_const(before))
        mc.sendString(c);
    QString reply = QStringLiteral("untouched");
    QTEST(mc.sendString(command, &reply), "code");
    QTEST(reply, "reply");
}

void TestSdlMediaControl::deviceCountFromOutput()
{
    AudioOutput out;
    SdlMediaControl mc(&out);
    QCOMPARE(mc.waveOutDeviceCount(), 1);
    QCOMPARE(mc.output(), &out);
}

void TestSdlMediaControl::lengthOfOpenClip()
{
    SdlMediaControl mc;
    mc.setClipFolder(m_dir->path());
    QCOMPARE(mc.lengthMs(QStringLiteral("voice1")), qint64(-1));
    QCOMPARE(mc.sendString(kOpenBleep), 0);
    QVERIFY(qAbs(mc.lengthMs(QStringLiteral("voice1")) - 600) <= 1);
    QCOMPARE(mc.sendString(kClose), 0);
    QCOMPARE(mc.sendString(kOpenTime), 0);
    QCOMPARE(mc.lengthMs(QStringLiteral("VOICE1")), qint64(500));
}

void TestSdlMediaControl::playingUntilHeardThenStopped()
{
    AudioOutput out;
    TapRecorder tap(out);
    SdlMediaControl mc(&out);
    mc.setClipFolder(m_dir->path());
    QCOMPARE(mc.sendString(kOpenTime), 0);
    QCOMPARE(mc.sendString(kPlay), 0);
    QCOMPARE(mode(mc), QStringLiteral("playing"));
    QTest::qWait(150); // well inside the half second
    QCOMPARE(mode(mc), QStringLiteral("playing"));
    QTRY_COMPARE_WITH_TIMEOUT(mode(mc), QStringLiteral("stopped"), 5000);
    // "stopped" comes a moment before the last sample, so that the next clip
    // can follow on; closing then does not cut what is left of it.
    QCOMPARE(mc.sendString(kClose), 0);
    QTRY_COMPARE_WITH_TIMEOUT(tap.loudCount(), size_t(22050), 5000);
}

void TestSdlMediaControl::endSignalledOnceOnOwnerThread()
{
    SdlMediaControl mc;
    mc.setClipFolder(m_dir->path());
    QSignalSpy ended(&mc, &MediaControl::playbackEnded);
    QCOMPARE(mc.sendString(kOpenBleep), 0);
    QCOMPARE(mc.sendString(kPlay), 0);
    QVERIFY(ended.wait(5000));
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(0).toString(), QStringLiteral("voice1"));
    // Stopping and closing a clip that has ended says nothing more.
    QCOMPARE(mc.sendString(kStop), 0);
    QCOMPARE(mc.sendString(kClose), 0);
    QTest::qWait(100);
    QCOMPARE(ended.count(), 1);
}

void TestSdlMediaControl::stopCutsAtOnce()
{
    AudioOutput out;
    TapRecorder tap(out);
    SdlMediaControl mc(&out);
    mc.setClipFolder(m_dir->path());
    QSignalSpy ended(&mc, &MediaControl::playbackEnded);
    QCOMPARE(mc.sendString(kOpenTime), 0);
    QCOMPARE(mc.sendString(kPlay), 0);
    QTRY_VERIFY_WITH_TIMEOUT(tap.loudCount() > 1000, 5000);
    QCOMPARE(mc.sendString(kStop), 0);
    const size_t atStop = tap.size();
    QCOMPARE(mode(mc), QStringLiteral("stopped"));
    QVERIFY(ended.wait(1000)); // a waiting player wakes up
    QTest::qWait(100);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(tap.loudCount(atStop), size_t(0));
    QVERIFY(tap.loudCount() < 22050);
}

void TestSdlMediaControl::closeWhilePlayingSilencesAndSignalsOnce()
{
    AudioOutput out;
    TapRecorder tap(out);
    SdlMediaControl mc(&out);
    mc.setClipFolder(m_dir->path());
    QSignalSpy ended(&mc, &MediaControl::playbackEnded);
    QCOMPARE(mc.sendString(kOpenTime), 0);
    QCOMPARE(mc.sendString(kPlay), 0);
    QCOMPARE(mc.sendString(kClose), 0);
    const size_t atClose = tap.size();
    int code = 0;
    QCOMPARE(mode(mc, &code), QString());
    QCOMPARE(code, int(SdlMediaControl::NotOpen));
    QTest::qWait(200);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(tap.loudCount(atClose), size_t(0));
}

void TestSdlMediaControl::playAgainStartsFromTheBeginning()
{
    AudioOutput out;
    TapRecorder tap(out);
    SdlMediaControl mc(&out);
    mc.setClipFolder(m_dir->path());
    QSignalSpy ended(&mc, &MediaControl::playbackEnded);
    QCOMPARE(mc.sendString(kOpenBleep), 0);
    QCOMPARE(mc.sendString(kPlay), 0);
    QCOMPARE(mc.sendString(kPlay), 0); // already playing: no second copy
    QVERIFY(ended.wait(5000));
    QCOMPARE(mc.sendString(kPlay), 0);
    QCOMPARE(mode(mc), QStringLiteral("playing"));
    QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 2, 5000);
    // Both plays at 11025 Hz reach the 44100 Hz device as 4 x 6615 frames.
    QTRY_COMPARE_WITH_TIMEOUT(tap.loudCount(), size_t(2 * 4 * 6615), 5000);
}

void TestSdlMediaControl::clipsPlayedOneAfterAnotherLeaveNoGap()
{
    // The way the clock speaks a time: open, play, ask until stopped, close,
    // and on to the next clip with nothing in between. The second clip takes
    // up on the sample after the first one's last. The long end notice
    // leaves this thread time enough however busy the machine is.
    AudioOutput::Options o;
    o.endNoticeMs = 1000;
    AudioOutput out(o);
    TapRecorder tap(out);
    SdlMediaControl mc(&out);
    mc.setClipFolder(m_dir->path());
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("tmpSnd9.$$$")),
                      constantMono16(44100, 8820, -1234)));
    for (const QString &open : {kOpenTime, QStringLiteral("open c:\\tmpSnd9.$$$ type waveaudio alias voice1")}) {
        QCOMPARE(mc.sendString(open), 0);
        QCOMPARE(mc.sendString(kPlay), 0);
        QString reply;
        do {
            mc.sendString(kStatus, &reply);
            QCoreApplication::processEvents();
        } while (reply == QLatin1String("playing"));
        QCOMPARE(mc.sendString(kClose), 0);
    }
    QTRY_COMPARE_WITH_TIMEOUT(out.activeVoices(), 0, 5000);
    const std::vector<int16_t> s = tap.samples();
    const auto firstEnd = std::find(s.rbegin(), s.rend(), int16_t(3000)).base() - s.begin();
    const auto secondStart = std::find(s.begin(), s.end(), int16_t(-1234)) - s.begin();
    QCOMPARE(std::count(s.begin(), s.end(), int16_t(3000)), qsizetype(22050));
    QCOMPARE(std::count(s.begin(), s.end(), int16_t(-1234)), qsizetype(8820));
    QCOMPARE(secondStart, firstEnd);
}

void TestSdlMediaControl::absolutePathOpens()
{
    SdlMediaControl mc;
    const QString path = m_dir->filePath(QStringLiteral("plain.wav"));
    QVERIFY(writeFile(path, constantMono16(22050, 2205, 10)));
    QCOMPARE(mc.sendString(QStringLiteral("open %1 type waveaudio alias other").arg(path)), 0);
    QCOMPARE(mc.lengthMs(QStringLiteral("other")), qint64(100));
    QCOMPARE(mc.sendString(QStringLiteral("play other")), 0);
    QString reply;
    QCOMPARE(mc.sendString(QStringLiteral("status other mode"), &reply), 0);
    QCOMPARE(reply, QStringLiteral("playing"));
    QCOMPARE(mc.sendString(QStringLiteral("close other")), 0);
}

HORAVOX_TEST_MAIN(TestSdlMediaControl)
#include "test_sdl_media_control.moc"
