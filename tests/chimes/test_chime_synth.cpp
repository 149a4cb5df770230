// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chimes/chime_synth.h"
#include "onsets.h"
#include "test_main.h"

Q_DECLARE_METATYPE(horavox::ChimePlan)

#include <algorithm>
#include <cmath>

using namespace horavox;
using horavox_test::onsetsMs;

class TestChimeSynth : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void blowsAreCounted_data();
    void blowsAreCounted();
    void pipsEndOnTheSixth_data();
    void pipsEndOnTheSixth();
    void bellRingsOnItsStrikeNote();
    void westminsterPealIsRungInOrder();
};

namespace {
int peakOf(const std::vector<int16_t> &s)
{
    int top = 0;
    for (int16_t v : s)
        top = std::max(top, std::abs(int(v)));
    return top;
}

ChimePlan strike(int n)
{
    ChimePlan p;
    p.kind = ChimePlan::Kind::Strike;
    p.strikes = n;
    return p;
}

ChimePlan westminster(int quarter, int strikes)
{
    ChimePlan p;
    p.kind = ChimePlan::Kind::Westminster;
    p.quarter = p.changes = quarter;
    p.strikes = strikes;
    return p;
}
} // namespace

void TestChimeSynth::blowsAreCounted_data()
{
    QTest::addColumn<ChimePlan>("plan");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("blows");
    QTest::addColumn<int>("spacingMs"); // between the last blows; 0: not checked
    QTest::newRow("one at the half hour") << strike(1) << 44100 << 1 << 0;
    QTest::newRow("three at 3 PM") << strike(3) << 44100 << 3 << kStrikeSpacingMs;
    QTest::newRow("twelve at noon") << strike(12) << 48000 << 12 << kStrikeSpacingMs;
    QTest::newRow("first quarter") << westminster(1, 0) << 44100 << 4 << kChangeNoteMs;
    QTest::newRow("half hour") << westminster(2, 0) << 44100 << 8 << kChangeNoteMs;
    QTest::newRow("three quarters") << westminster(3, 0) << 22050 << 12 << kChangeNoteMs;
    QTest::newRow("the hour, 3 o'clock") << westminster(4, 3) << 44100 << 19 << kStrikeSpacingMs;
}

void TestChimeSynth::blowsAreCounted()
{
    QFETCH(ChimePlan, plan);
    QFETCH(int, rate);
    QFETCH(int, blows);
    QFETCH(int, spacingMs);
    const std::vector<int16_t> s = renderChime(plan, rate);
    const std::vector<int> at = onsetsMs(s, rate);
    QCOMPARE(int(at.size()), blows);
    QCOMPARE(at.front(), 0);
    if (spacingMs > 0)
        QVERIFY2(std::abs(at[at.size() - 1] - at[at.size() - 2] - spacingMs) <= 10, qPrintable(QString::number(at.back())));
    // Loud enough beside the words, and never at the edge of clipping.
    const int peak = peakOf(s);
    QVERIFY2(peak <= int(kChimePeak * 32767) + 1 && peak >= int(kChimePeak * 32767) - 1, qPrintable(QString::number(peak)));
    // The ring is let die out, not cut: the last 10 ms are near silence.
    const int tail = peakOf(std::vector<int16_t>(s.end() - rate / 100, s.end()));
    QVERIFY2(tail < 400, qPrintable(QString::number(tail)));
}

void TestChimeSynth::pipsEndOnTheSixth_data()
{
    QTest::addColumn<int>("rate");
    QTest::newRow("44.1 kHz") << 44100;
    QTest::newRow("48 kHz") << 48000;
}

void TestChimeSynth::pipsEndOnTheSixth()
{
    QFETCH(int, rate);
    ChimePlan p;
    p.kind = ChimePlan::Kind::Pips;
    const std::vector<int16_t> s = renderChime(p, rate);
    // Onsets at the start of each pip, a second apart; the sixth at 5 s.
    QCOMPARE(onsetsMs(s, rate), (std::vector<int>{0, 1000, 2000, 3000, 4000, 5000}));
    // The first non-silent sample of the sixth is the one at 5.000 s.
    const size_t sixth = size_t(qint64(kLongPipStartMs) * rate / 1000);
    QCOMPARE(s[sixth - 1], int16_t(0));
    QVERIFY(std::abs(s[sixth + size_t(rate) / 4000]) > 0); // a quarter of the first cycle
    // The long one lasts 500 ms, the short ones 100 ms.
    auto soundingMs = [&](size_t from) {
        size_t n = 0;
        while (from + n < s.size() && (s[from + n] != 0 || (from + n + 1 < s.size() && s[from + n + 1] != 0)))
            ++n;
        return int(qint64(n) * 1000 / rate);
    };
    QVERIFY(std::abs(soundingMs(1) - kShortPipMs) <= 1);
    QVERIFY(std::abs(soundingMs(sixth + 1) - kLongPipMs) <= 1);
    // 1 kHz: two zero crossings a millisecond.
    int crossings = 0;
    for (size_t i = sixth + 1; i < sixth + size_t(rate) / 10; ++i)
        crossings += (s[i - 1] < 0) != (s[i] < 0);
    QVERIFY2(std::abs(crossings - 200) <= 2, qPrintable(QString::number(crossings)));
    QVERIFY(peakOf(s) < 32767 * 0.6);
}

void TestChimeSynth::bellRingsOnItsStrikeNote()
{
    // The strike note is the loudest partial after the first few hundred
    // milliseconds' clang: measured by correlation at a few candidates.
    const int rate = 44100;
    const std::vector<float> b = bellBlow(kHourBellHz, rate, 2000);
    auto power = [&](double hz) {
        double re = 0, im = 0;
        for (size_t i = size_t(rate / 2); i < b.size(); ++i) {
            re += b[i] * std::cos(2 * M_PI * hz * double(i) / rate);
            im += b[i] * std::sin(2 * M_PI * hz * double(i) / rate);
        }
        return re * re + im * im;
    };
    const double prime = power(kHourBellHz);
    QVERIFY(prime > 10 * power(kHourBellHz * 1.1));
    QVERIFY(power(kHourBellHz * 0.5) > 10 * power(kHourBellHz * 0.6)); // the hum is there
    QVERIFY(power(kHourBellHz * 1.2) > 10 * power(kHourBellHz * 1.3)); // so is the minor third
}

void TestChimeSynth::westminsterPealIsRungInOrder()
{
    // The hour's four changes are the peal's second to fifth; together with
    // the first quarter's and the third quarter's they use all five, each
    // bell once in every row except the third row's repeated E.
    QCOMPARE(westminsterChanges(1).size(), size_t(1));
    QCOMPARE(westminsterChanges(4).size(), size_t(4));
    QCOMPARE(westminsterChanges(3).back(), westminsterChanges(1).front());
    QCOMPARE(westminsterChanges(4)[0], westminsterChanges(2)[0]);
    QCOMPARE(westminsterChanges(4)[1], westminsterChanges(2)[1]);
    QCOMPARE(westminsterChanges(4)[2], westminsterChanges(3)[0]);
    QCOMPARE(westminsterChanges(1).front(), (std::array<int, 4>{0, 1, 2, 3}));
    QVERIFY(westminsterChanges(0).empty());
}

HORAVOX_TEST_MAIN(TestChimeSynth)
#include "test_chime_synth.moc"
