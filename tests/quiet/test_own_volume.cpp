// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own volume, applied where every voice is mixed.
#include "speech/audio/audio_output.h"
#include "tap_recorder.h"
#include "test_main.h"

using namespace horavox;
using namespace horavox_test;

class TestOwnVolume : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void scalesTheMix_data()
    {
        QTest::addColumn<int>("volume");
        QTest::addColumn<int>("a");        // two voices mixed at once
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("expected"); // every sample heard
        QTest::newRow("50 % halves") << 50 << 1000 << 0 << 500;
        QTest::newRow("50 %, negative, toward zero") << 50 << -1001 << 0 << -500;
        QTest::newRow("100 % is untouched") << 100 << 12345 << 0 << 12345;
        QTest::newRow("0 % is silence") << 0 << 30000 << 0 << 0;
        QTest::newRow("scaled before clipping") << 50 << 30000 << 30000 << 30000;
        QTest::newRow("clips after scaling") << 80 << 30000 << 30000 << 32767;
        QTest::newRow("above 100 counts as 100") << 150 << 20000 << 0 << 20000;
        QTest::newRow("below 0 counts as 0") << -10 << 20000 << 0 << 0;
    }
    void scalesTheMix()
    {
        QFETCH(int, volume);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, expected);
        AudioOutput out;
        out.setVolume(volume);
        TapRecorder tap(out);
        const int frames = 3000;
        auto one = out.createClipVoice(std::make_shared<const std::vector<int16_t>>(size_t(frames), int16_t(a)));
        auto two = out.createClipVoice(std::make_shared<const std::vector<int16_t>>(size_t(frames), int16_t(b)));
        QVERIFY(out.start(one));
        QVERIFY(out.start(two));
        // Heard to the last sample, not only announced as ending.
        QTRY_VERIFY_WITH_TIMEOUT(one->framesPlayed() == frames && two->framesPlayed() == frames, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(out.activeVoices() == 0, 5000);
        const std::vector<int16_t> s = tap.samples();
        // The device may take a buffer between the two starts, so allow the
        // two voices to overlap by a couple of buffers less than their length.
        const auto first = std::find_if(s.begin(), s.end(), [](int16_t v) { return v != 0; });
        if (expected == 0) {
            QCOMPARE(first, s.end());
            return;
        }
        QVERIFY(s.end() - first >= frames);
        const qsizetype matching = std::count(first, s.end(), int16_t(expected));
        QVERIFY2(matching >= frames - 512 && matching <= frames, qPrintable(QString::number(matching)));
    }
};

HORAVOX_TEST_MAIN(TestOwnVolume)
#include "test_own_volume.moc"
