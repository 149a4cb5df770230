// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound device breaking in the middle of a clip, and clip files that are
// missing or damaged: the announcement goes on with what can be played, the
// clock never hangs and keeps speaking afterwards. Real media layer and audio
// output on SDL's dummy driver.
#include "faulty_media.h"
#include "robustness_rig.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_media_control.h"
#include "test_main.h"
#include "main_form_parts.h"

#include <QTest>

#include <atomic>

using namespace horavox;
using namespace horavox_test;

Q_DECLARE_METATYPE(FaultyMedia::Fault)

namespace {

const QStringList kNineOhFive{QStringLiteral("TIME NINE OH FIVE AM")};

struct AudioRig : ClockWindowRig
{
    AudioOutput output;
    SdlMediaControl real{&output};
    FaultyMedia faulty{real, clock};
    std::atomic<qint64> loudSamples{0};

    AudioRig() : ClockWindowRig(kQuietSettings, "450\r\n", Load::Later)
    {
        output.setTap([this](const int16_t *s, int n) {
            for (int i = 0; i < n; ++i)
                if (s[i] != 0)
                    ++loudSamples;
        });
        build(Load::Whole, {.media = &faulty});
    }
    ~AudioRig() { form.reset(); } // the window before the player it uses
    bool lampLit() const { return formPart<SheerPicture>(*form, "SheerPicture1")->isVisibleTo(form.get()); }
};

} // namespace

class TestAudioFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { cleanFolders(); }

    void deviceFailsMidClip_data()
    {
        QTest::addColumn<FaultyMedia::Fault>("fault");
        QTest::addColumn<int>("messages");
        QTest::newRow("commands fail, device still listed") << FaultyMedia::Fault::Vanish << 0;
        // The clips after TIME find no device: told once, not once per clip.
        QTest::newRow("device gone from the list") << FaultyMedia::Fault::VanishCounted << 1;
        QTest::newRow("device stuck playing") << FaultyMedia::Fault::Stuck << 0;
    }

    void deviceFailsMidClip()
    {
        QFETCH(FaultyMedia::Fault, fault);
        QFETCH(int, messages);
        AudioRig rig;
        rig.faulty.fault = fault;
        const qint64 before = rig.clock.monotonicMs();
        rig.form->SpeakTimeClips();
        // On the program's own clock, which moves only while the player asks
        // a stuck device: it gave up after the clip's length and its margin.
        // A wait that did not ask would never end and hit the test's limit.
        const qint64 waited = rig.clock.monotonicMs() - before;
        QVERIFY2(waited <= (fault == FaultyMedia::Fault::Stuck ? 3000 : 0), qPrintable(QString::number(waited)));
        QVERIFY(rig.form->state().WaveModeText != QLatin1String("playing"));
        QVERIFY(!rig.lampLit());
        QCOMPARE(rig.sink.shown.size(), messages);
        for (const QString &m : rig.sink.shown)
            QCOMPARE(m, QStringLiteral("Sound Card Check|Your system cannot play WAV files"));
        // Every word after the fault was still attempted or reported.
        if (fault == FaultyMedia::Fault::Vanish)
            QCOMPARE(rig.faulty.log.filter(QStringLiteral("open ")).size(), 5);
        if (fault == FaultyMedia::Fault::Stuck) {
            QVERIFY(!rig.faulty.log.filter(QStringLiteral("stop voice1")).isEmpty());
            QCOMPARE(announcements(rig.faulty.opened), kNineOhFive);
        }
    }

    void nextAnnouncementAfterDeviceRecovers()
    {
        AudioRig rig;
        rig.faulty.fault = FaultyMedia::Fault::Stuck;
        rig.form->SpeakTimeClips();
        rig.faulty.opened.clear();
        rig.loudSamples = 0;
        rig.form->SpeakTimeClips();
        QCOMPARE(announcements(rig.faulty.opened), kNineOhFive);
        QTRY_VERIFY(rig.loudSamples > 0);
    }

    void damagedClipFiles_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("everyClip");
        // A stray large file in one clip's place; every clip so would only cost disk.
        QTest::newRow("huge, one word") << QStringLiteral("huge") << false;
        for (const char *d : {"missing", "empty", "truncated", "not a wave", "header only"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, one word").arg(QLatin1String(d))))
                << QString::fromLatin1(d) << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, every word").arg(QLatin1String(d))))
                << QString::fromLatin1(d) << true;
        }
    }

    void damagedClipFiles()
    {
        QFETCH(QString, damage);
        QFETCH(bool, everyClip);
        AudioRig rig;
        QStringList targets;
        for (const ClipRow &row : kClipTable)
            if (everyClip || QLatin1String(row.resource) == QLatin1String("NINE"))
                targets << clipFilePath(clipName(row.key));
        for (const QString &path : targets) {
            const QByteArray good = readAll(path);
            QVERIFY(!good.isEmpty());
            if (damage == QLatin1String("missing"))
                QVERIFY(QFile::remove(path));
            else if (damage == QLatin1String("empty"))
                writeFile(path, QByteArray());
            else if (damage == QLatin1String("truncated"))
                writeFile(path, good.left(good.size() / 2));
            else if (damage == QLatin1String("not a wave"))
                writeFile(path, QByteArray("GIF89a") + good.mid(6));
            else if (damage == QLatin1String("header only"))
                writeFile(path, good.left(44));
            else if (damage == QLatin1String("huge"))
                writeFile(path, good + QByteArray(9 * 1024 * 1024, '\0'));
        }

        rig.form->SpeakTimeClips();

        QStringList expected = everyClip ? QStringList() : QStringList{QStringLiteral("TIME OH FIVE AM")};
        QCOMPARE(announcements(rig.faulty.opened), expected);
        QCOMPARE(rig.faulty.log.filter(QStringLiteral("open ")).size(), 5); // every word was tried
        QVERIFY(rig.sink.shown.isEmpty());
        QVERIFY(!rig.lampLit());
        if (everyClip)
            QCOMPARE(rig.loudSamples.load(), qint64(0));
        else
            QTRY_VERIFY(rig.loudSamples > 0);
        // The damage stays for this run: clip files are written only at start-up.
        if (damage != QLatin1String("missing"))
            QVERIFY(QFileInfo::exists(targets.first()));
    }
};

HORAVOX_TEST_MAIN(TestAudioFaults)
#include "test_audio_faults.moc"
