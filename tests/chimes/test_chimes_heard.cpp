// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The chimes as a listener hears them, on a private PulseAudio server whose
// null sink's monitor is recorded: the real main window, player and output.
#include "chimes/chime_controller.h"
#include "clock_window_rig.h"
#include "onsets.h"
#include "pulse_server.h"
#include "resources/resources.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/pcm_convert.h"
#include "speech/audio/sdl_media_control.h"
#include "speech/audio/wav_reader.h"
#include "test_main.h"

using namespace horavox;
using namespace horavox_test;

namespace {
const QByteArray kClipsWithBleep = "R\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n1\r\n";

std::vector<int16_t> loud(std::vector<int16_t> s)
{
    std::erase(s, int16_t(0));
    return s;
}

std::vector<int16_t> clipSamples(const char *resource)
{
    const WavResult wav = parseWav(resourceBytes(QStringLiteral("CUSTOM"), QLatin1String(resource)));
    return wav.ok() ? convertToMono16(wav.clip, 44100) : std::vector<int16_t>{};
}

// One clock on the sound server: its window, player and chimes.
struct HeardRig : ClockWindowRig
{
    AudioOutput audio;
    SdlMediaControl player{&audio};
    std::unique_ptr<ChimeController> chimes;
    QString folder = joinPath(dataDir(), QStringLiteral("chimes"));

    HeardRig(const QTime &t, const ChimePreferences &p)
        : ClockWindowRig(kClipsWithBleep, "150\r\n", Load::Later, {.start = QDateTime(QDate(2026, 12, 7), t)})
    {
        build(Load::Whole, {.media = &player});
        chimes = std::make_unique<ChimeController>(clock, audio, joinPath(configDir(), QStringLiteral("Chimes.ini")),
                                                   folder);
        chimes->setPreferences(p);
        chimes->attach(form.get());
    }
    ~HeardRig() // the chimes and the window before the player they use
    {
        chimes.reset();
        form.reset();
    }
    // A due minute's announcement, to its end and to the speakers.
    void announce(PulseServer &pulse, std::vector<int16_t> &heard)
    {
        auto rec = pulse.recordSink();
        QVERIFY(rec);
        form->state().ClipTimeRequest = true;
        form->Timer2_Timer();
        QTRY_VERIFY_WITH_TIMEOUT(!form->state().ClipTimeRequest && form->state().WaveModeText != "playing"
                                     && audio.activeVoices() == 0,
                                 60000);
        QTest::qWait(600); // what the server still holds
        heard = rec->stop();
    }
};
} // namespace

class TestChimesHeard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init() { QDir(configDir()).removeRecursively(); }
    void hourIsStruck_data();
    void hourIsStruck();
    void westminsterChangeThenTheWordsWhole();

private:
    PulseServer m_pulse;
};

void TestChimesHeard::initTestCase()
{
    if (!PulseServer::installed())
        QSKIP("pulseaudio and pulseaudio-utils are not installed (scripts/bootstrap installs them)");
    QVERIFY2(m_pulse.start(), qPrintable(m_pulse.error()));
    m_pulse.pointProcessAtIt();
}

void TestChimesHeard::hourIsStruck_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("strikes");
    QTest::newRow("3 PM") << QTime(15, 0, 0, 200) << 3;
    QTest::newRow("noon") << QTime(12, 0, 0, 200) << 12;
}

void TestChimesHeard::hourIsStruck()
{
    QFETCH(QTime, time);
    QFETCH(int, strikes);
    // Chime only: the strikes are all there is to hear.
    HeardRig rig(time, {ChimeChoice::HourStrike, true, {}});
    std::vector<int16_t> heard;
    rig.announce(m_pulse, heard);
    const std::vector<int> blows = onsetsMs(heard, 44100);
    QCOMPARE(int(blows.size()), strikes);
    // Struck 1.75 s apart as rendered (the synthesis test holds that to the
    // sample); as heard, a busy machine may stretch a gap by an underrun,
    // but never out of the bell's rhythm.
    for (size_t i = 1; i < blows.size(); ++i) {
        const int gap = blows[i] - blows[i - 1];
        QVERIFY2(gap >= 1500 && gap <= 2000, qPrintable(QString::number(gap)));
    }
}

void TestChimesHeard::westminsterChangeThenTheWordsWhole()
{
    HeardRig rig(QTime(9, 15, 0, 200), {ChimeChoice::Westminster, false, {}});
    std::vector<int16_t> heard;
    rig.announce(m_pulse, heard);
    heard = loud(std::move(heard));
    const WavResult chime = readWavFile(joinPath(rig.folder, QStringLiteral("westminster-1-0-44100.wav")));
    QVERIFY(chime.ok());
    std::vector<int16_t> expected = convertToMono16(chime.clip, 44100);
    for (const char *word : {"TIME", "NINE", "FIFTEEN", "AM"}) {
        const std::vector<int16_t> c = clipSamples(word);
        QVERIFY(!c.empty());
        expected.insert(expected.end(), c.begin(), c.end());
    }
    expected = loud(std::move(expected));
    // Every sample of the change and of the words, in order, and nothing else.
    QCOMPARE(heard.size(), expected.size());
    QVERIFY(heard == expected);
}

HORAVOX_TEST_MAIN(TestChimesHeard)
#include "test_chimes_heard.moc"
