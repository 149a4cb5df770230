// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/main_form.h"

#include "about/about_window.h"
#include "core/paths.h"
#include "clock_window_rig.h"
#include "main_window/image_control.h"
#include "resources/resources.h"
#include "settings/settings_window.h"
#include "settings_control.h"
#include "speech/clip_table.h"
#include "test_main.h"
#include "main_form_parts.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QRegularExpression>
#include <unistd.h>
#include <algorithm>
#include <optional>

using namespace horavox;
using namespace horavox_test;

namespace {

// Clip names for words ("NINE OH FIVE AM"), TIME in the time routine's spelling.
QStringList clipsOf(const QString &words)
{
    QStringList out;
    for (const QString &w : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (w == QLatin1String("TIME")) {
            out << kTimeClip;
            continue;
        }
        const auto row = std::find_if(kClipTable.cbegin(), kClipTable.cend(),
                                      [&](const ClipRow &r) { return w == QLatin1String(r.resource); });
        Q_ASSERT(row != kClipTable.cend());
        out << clip(row->key);
    }
    return out;
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { cleanFolders(); }

    void firstStartWritesEveryClipByteForByte()
    {
        ClockWindowRig rig;
        for (const ClipRow &row : kClipTable) {
            const QString path = clipFilePath(clipName(row.key));
            QVERIFY2(QFile::exists(path), qPrintable(path));
            QCOMPARE(readAll(path), resourceBytes(QStringLiteral("CUSTOM"), QLatin1String(row.resource)));
        }
    }

    // Between two starts one clip file is changed; the next start writes it
    // again when the player could not use it, and leaves every other alone.
    void laterStartsRepairOnlyUnusableClips_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("deleted") << "deleted" << true;
        QTest::newRow("emptied") << "emptied" << true;
        QTest::newRow("cut in half") << "cut in half" << true;
        QTest::newRow("not a wave") << "not a wave" << true;
        QTest::newRow("a wave but not PCM") << "not PCM" << true;
        QTest::newRow("the user's own recording") << "own recording" << false;
        QTest::newRow("a folder in its place") << "folder" << false;
    }
    void laterStartsRepairOnlyUnusableClips()
    {
        QFETCH(QString, damage);
        QFETCH(bool, rewritten);
        { ClockWindowRig first; }
        const QString target = clipFilePath(clip("5"));
        const QByteArray good = readAll(target);
        QByteArray changed;
        if (damage == QLatin1String("cut in half"))
            changed = good.left(good.size() / 2);
        else if (damage == QLatin1String("not a wave"))
            changed = QByteArray("GIF89a") + good.mid(6);
        else if (damage == QLatin1String("not PCM"))
            changed = good.left(20) + QByteArray("\x55\x00", 2) + good.mid(22); // format tag 0x55
        else if (damage == QLatin1String("own recording"))
            changed = resourceBytes(QStringLiteral("CUSTOM"), QStringLiteral("BLEEP")); // any good wave
        if (damage == QLatin1String("deleted") || damage == QLatin1String("folder")) {
            QVERIFY(QFile::remove(target));
            if (damage == QLatin1String("folder"))
                QVERIFY(QDir().mkpath(target));
        } else {
            writeFile(target, changed);
        }
        const QDateTime untouched = QFileInfo(clipFilePath(clip("7"))).lastModified();
        { ClockWindowRig second; }
        if (damage == QLatin1String("folder"))
            QVERIFY(QFileInfo(target).isDir());
        else if (rewritten)
            QCOMPARE(readAll(target), resourceBytes(QStringLiteral("CUSTOM"), QStringLiteral("FIVE")));
        else
            QCOMPARE(readAll(target), changed);
        QCOMPARE(QFileInfo(clipFilePath(clip("7"))).lastModified(), untouched);
        QDir(target).removeRecursively();
    }

    void loadShapesAndDressesTheWindow()
    {
        ClockWindowRig rig;
        const QRegion mask = rig.form->mask();
        QVERIFY(mask.contains(QPoint(150, 50)));
        QVERIFY(!mask.contains(QPoint(10, 5)));
        QVERIFY(!mask.contains(QPoint(295, 5)));
        QVERIFY(formPart<SheerPicture>(*rig.form, "SheerPicture2")->isVisibleTo(rig.form.get()));
        QVERIFY(!formPart<SheerPicture>(*rig.form, "SheerPicture1")->isVisibleTo(rig.form.get()));
        QCOMPARE(formPart<QLabel>(*rig.form, "Label2")->text(), QString());
        QVERIFY(!rig.form->timer3Active());
        QVERIFY(!formPart<PictureButton>(*rig.form, "SpeakB")->pixmap().isNull());
        QCOMPARE(rig.form->windowTitle(), QStringLiteral("Horavox"));
        QCOMPARE(formPart<PictureButton>(*rig.form, "SpeakB")->toolTip(), QStringLiteral("Say Time"));
        QCOMPARE(formPart<SheerPicture>(*rig.form, "SheerPicture1")->toolTip(), QStringLiteral("'Speaking' Indicator"));
        // Slider file 450 gives 15 minutes.
        QCOMPARE(rig.form->state().AnnounceInterval, qint16(15));
    }

    void clockFace_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("morning") << QTime(9, 5, 7) << "9:05:07" << "AM";
        QTest::newRow("ten pm") << QTime(22, 5, 7) << "10:05:07" << "PM";
        QTest::newRow("midnight") << QTime(0, 0, 0) << "12:00:00" << "AM";
        QTest::newRow("noon") << QTime(12, 0, 59) << "12:00:59" << "PM";
    }
    void clockFace()
    {
        QFETCH(QTime, time);
        QFETCH(QString, digits);
        QFETCH(QString, suffix);
        ClockWindowRig rig;
        rig.tickAt(time);
        QCOMPARE(formPart<Numeron>(*rig.form, "Numeron1")->DigitDisplay(), digits);
        QCOMPARE(int(formPart<Numeron>(*rig.form, "Numeron1")->DigitFormat()), int(Numeron::dgLongTime));
        QCOMPARE(formPart<QLabel>(*rig.form, "Label1")->text(), suffix);
        QCOMPARE(rig.form->state().ShortTimeText, time.toString(QStringLiteral("HH:mm")));
    }

    void speakPlaysTheTimeFromClips()
    {
        ClockWindowRig rig;
        QList<bool> lampDuringPlay;
        rig.media.onQuery = [&] { lampDuringPlay << formPart<SheerPicture>(*rig.form, "SheerPicture1")->isVisibleTo(rig.form.get()); };
        QTest::mousePress(formPart<PictureButton>(*rig.form, "SpeakB"), Qt::LeftButton);
        QTest::mouseRelease(formPart<PictureButton>(*rig.form, "SpeakB"), Qt::LeftButton);
        QCOMPARE(rig.media.played, QStringList({kTimeClip, clip("9"), clip("0"), clip("5"), clip("AM")}));
        QVERIFY(!lampDuringPlay.isEmpty());
        QVERIFY(!lampDuringPlay.contains(false));
        QVERIFY(!formPart<SheerPicture>(*rig.form, "SheerPicture1")->isVisibleTo(rig.form.get()));
        QVERIFY(formPart<SheerPicture>(*rig.form, "SheerPicture2")->isVisibleTo(rig.form.get()));
        QVERIFY(rig.media.commands.contains(QStringLiteral("open c:\\tmpSnd9.$$$ type waveaudio alias voice1")));
        QCOMPARE(rig.form->state().WaveModeText, QStringLiteral("stopped"));
    }

    // Outside the outline nothing is painted: on Wayland the mask only
    // limits where clicks land, so the picture itself must keep the shape.
    void skinStaysInsideTheOutline_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("alpha");
        QTest::newRow("top left corner") << QPoint(10, 5) << 0;
        QTest::newRow("top right corner") << QPoint(295, 5) << 0;
        QTest::newRow("right of the slant") << QPoint(290, 40) << 0;
        // A picture control that reaches past the left slant.
        QTest::newRow("beside the left slant, under a picture") << QPoint(20, 45) << 0;
        QTest::newRow("centre") << QPoint(150, 50) << 255;
        QTest::newRow("just inside the top edge") << QPoint(100, 0) << 255;
    }
    void skinStaysInsideTheOutline()
    {
        QFETCH(QPoint, point);
        QFETCH(int, alpha);
        ClockWindowRig rig;
        const QImage shown = rig.form->grab().toImage();
        QCOMPARE(qAlpha(shown.pixel(point)), alpha);
    }

    void edgesAreSmoothOutsideAndOpaqueInside()
    {
        ClockWindowRig rig;
        const QImage shown = rig.form->grab().toImage();
        // Without a compositor X11 shows what the mask keeps as it is, so a
        // half-covered pixel there would be a dark one.
        const QRegion mask = rig.form->mask();
        for (const QRect &r : mask) {
            for (int y = r.top(); y <= r.bottom(); ++y) {
                for (int x = r.left(); x <= r.right(); ++x)
                    QVERIFY2(qAlpha(shown.pixel(x, y)) == 255, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
        // Where only the picture keeps the shape, each slant is smoothed by
        // pixels of partial cover.
        for (int y : {20, 50, 80}) {
            int leftSmooth = 0, rightSmooth = 0;
            for (int x = 0; x < shown.width(); ++x) {
                const int a = qAlpha(shown.pixel(x, y));
                if (a > 0 && a < 255)
                    ++(x < 150 ? leftSmooth : rightSmooth);
            }
            QVERIFY2(leftSmooth > 0 && rightSmooth > 0, qPrintable(QStringLiteral("row %1").arg(y)));
        }
    }

    void secondAboutPressBringsTheOpenWindowForward()
    {
        ClockWindowRig rig;
        rig.form->show();
        QTest::mouseClick(formPart<SheerPicture>(*rig.form, "QuesB"), Qt::LeftButton);
        QList<Form3 *> abouts = rig.form->findChildren<Form3 *>();
        QCOMPARE(abouts.size(), 1);
        QPointer<Form3> about = abouts.first();
        // The clock's child, in a window of its own, so that compositors
        // place it beside the clock.
        QVERIFY(about->isWindow());
        QCOMPARE(about->parentWidget(), rig.form.get());
        about->Timer1_Timer();
        about->Timer1_Timer();
        about->move(about->pos() + QPoint(40, 30));
        const QPoint place = about->pos();
        about->showMinimized();

        QTest::mouseClick(formPart<SheerPicture>(*rig.form, "QuesB"), Qt::LeftButton);
        QCOMPARE(rig.form->findChildren<Form3 *>(), QList<Form3 *>{about.data()});
        QVERIFY(about->isVisible());
        QVERIFY(!(about->windowState() & Qt::WindowMinimized));
        QCOMPARE(about->step(), qint16(2));
        QCOMPARE(about->pos(), place);

        // Once closed, the next press opens it afresh.
        about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!about);
        QTest::mouseClick(formPart<SheerPicture>(*rig.form, "QuesB"), Qt::LeftButton);
        abouts = rig.form->findChildren<Form3 *>();
        QCOMPARE(abouts.size(), 1);
        QCOMPARE(abouts.first()->step(), qint16(0));
    }

    void skinButtonActsWhereverItIsReleased_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::newRow("left inside") << Qt::LeftButton << QPoint(5, 5);
        QTest::newRow("left far outside") << Qt::LeftButton << QPoint(400, -50);
        QTest::newRow("right button") << Qt::RightButton << QPoint(5, 5);
        QTest::newRow("middle outside") << Qt::MiddleButton << QPoint(-20, 90);
    }
    void skinButtonActsWhereverItIsReleased()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releaseAt);
        ClockWindowRig rig;
        const QImage released = formPart<PictureButton>(*rig.form, "SpeakB")->pixmap().toImage();
        rig.media.onQuery = [&] {
            // While the action runs the button already shows its released look.
            QCOMPARE(formPart<PictureButton>(*rig.form, "SpeakB")->pixmap().toImage(), released);
        };
        QTest::mousePress(formPart<PictureButton>(*rig.form, "SpeakB"), button, {}, QPoint(5, 5));
        QVERIFY(formPart<PictureButton>(*rig.form, "SpeakB")->pixmap().toImage() != released);
        QTest::mouseRelease(formPart<PictureButton>(*rig.form, "SpeakB"), button, {}, releaseAt);
        QCOMPARE(rig.media.played.size(), 5);
    }

    // Left pressed, then right while left is held, then both released (in
    // either order): one press, one action on the first release, the button
    // drawn released from then on. The About window's close button closes
    // it, and the window goes once both are up.
    void secondButtonWhileHeld_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("leftFirst"); // which comes up first
        for (const char *name : {"SpeakB", "SettingsB", "Min", "CloseB", "About's close"}) {
            QTest::addRow("%s, right up first", name) << QString::fromLatin1(name) << false;
            QTest::addRow("%s, left up first", name) << QString::fromLatin1(name) << true;
        }
    }
    void secondButtonWhileHeld()
    {
        QFETCH(QString, button);
        QFETCH(bool, leftFirst);
        ClockWindowRig rig;
        PictureButton *b = nullptr;
        QPointer<Form3> about;
        if (button == QLatin1String("About's close")) {
            rig.form->openAbout();
            about = rig.form->findChild<Form3 *>();
            b = about ? about->closeButton() : nullptr;
        } else {
            b = formPart<PictureButton>(*rig.form, qPrintable(button));
        }
        QVERIFY(b);
        const QImage released = b->pixmap().toImage();
        QSignalSpy acted(b, &PictureButton::released);
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mousePress(b, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseRelease(b, leftFirst ? Qt::LeftButton : Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(acted.count(), 1);
        QCOMPARE(b->pixmap().toImage(), released);
        QVERIFY(!about || !about->isVisible());
        QTest::mouseRelease(b, leftFirst ? Qt::RightButton : Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(acted.count(), 1);
        QCOMPARE(b->pixmap().toImage(), released);
        if (button == QLatin1String("About's close")) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(about.isNull());
        }
        if (button == QLatin1String("SpeakB"))
            QCOMPARE(rig.media.played.size(), 5); // TIME NINE OH FIVE AM, once
        if (button == QLatin1String("SettingsB"))
            rig.form->settingsWindow()->hide();
    }

    void speakDuringPlaybackStartsNothing()
    {
        ClockWindowRig rig;
        int queries = 0;
        rig.media.onQuery = [&] {
            // The second query of the first clip runs while the first has
            // already reported "playing", as a button press during the wait does.
            if (++queries == 2)
                rig.form->speakNow();
        };
        rig.form->speakNow();
        QCOMPARE(rig.media.played.size(), 5);
    }

    void noSoundDeviceIsToldOnceUntilOneIsFound_data()
    {
        QTest::addColumn<QList<int>>("devicesAtEachPress");
        QTest::addColumn<int>("messages");
        QTest::newRow("one press: one message for the five clips") << QList<int>{0} << 1;
        QTest::newRow("still none at the next press") << QList<int>{0, 0, 0} << 1;
        QTest::newRow("found again, then lost again") << QList<int>{0, 1, 0} << 2;
    }
    void noSoundDeviceIsToldOnceUntilOneIsFound()
    {
        QFETCH(QList<int>, devicesAtEachPress);
        QFETCH(int, messages);
        ClockWindowRig rig;
        const QString before = rig.form->state().WaveModeText;
        int playable = 0;
        for (int devices : devicesAtEachPress) {
            rig.media.devices = devices;
            rig.form->speakNow();
            playable += devices ? 5 : 0;
        }
        QCOMPARE(rig.sink.shown, QStringList(messages, QStringLiteral("Sound Card Check|Your system cannot play WAV files")));
        QCOMPARE(rig.media.played.size(), playable);
        if (playable == 0)
            QCOMPARE(rig.form->state().WaveModeText, before);
    }

    void dueMinuteWhileTheSoundMessageIsOpenWaits()
    {
        ClockWindowRig rig; // interval 15
        rig.media.devices = 0;
        rig.tickAt(QTime(9, 14, 59));
        QStringList openedInside;
        int messagesInside = 0;
        bool inside = false;
        rig.sink.whileShown = [&] {
            if (std::exchange(inside, true))
                return;
            rig.tickAt(QTime(9, 15, 0));
            rig.form->speakNow();
            messagesInside = rig.sink.shown.size();
            openedInside = rig.media.commands.filter(QStringLiteral("open "));
        };
        rig.form->speakNow();
        QCOMPARE(messagesInside, 1);
        QCOMPARE(openedInside, QStringList());
        QCOMPARE(rig.sink.shown.size(), 1);
        // The due minute was kept, not lost: with a device it is spoken.
        rig.media.devices = 1;
        rig.form->Timer2_Timer();
        QCOMPARE(rig.media.played, QStringList({kTimeClip, clip("9"), clip("15"), clip("AM")}));
    }

    void missingClipIsSkipped()
    {
        ClockWindowRig rig;
        rig.media.missing << clip("0");
        rig.form->speakNow();
        QCOMPARE(rig.media.played, QStringList({kTimeClip, clip("9"), clip("5"), clip("AM")}));
    }

    void speakWithTextToSpeech_data()
    {
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QStringList>("spoken");
        QTest::newRow("engine silent") << false << QStringList{QStringLiteral("The Time is Now 05:04 PM")};
        // A second press while the first sentence is heard stops it and
        // says the time again.
        QTest::newRow("engine speaking") << true << QStringList{QStringLiteral("The Time is Now 05:04 PM")};
    }

    void speakWithTextToSpeech()
    {
        QFETCH(bool, busy);
        QFETCH(QStringList, spoken);
        ClockWindowRig rig("T\r\n180\r\n\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n");
        rig.clock.setTime(QTime(17, 4, 30));
        rig.engine.busy = busy;
        rig.form->speakNow();
        QCOMPARE(rig.engine.spoken, spoken);
        QCOMPARE(rig.engine.speeds, QVector<qint32>(spoken.size(), 180));
        QVERIFY(rig.engine.stops > 0);
        QVERIFY(rig.media.played.isEmpty());
    }

    void soundWokenAheadOfDueMinute_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QTime>("tick");
        QTest::addColumn<int>("prepares");
        QTest::newRow("second before a due minute") << kQuietSettings << QTime(9, 14, 59) << 1;
        QTest::newRow("text-to-speech, second before a due minute") << kQuietSpeechSettings << QTime(9, 14, 59) << 1;
        QTest::newRow("text-to-speech, two seconds before") << kQuietSpeechSettings << QTime(9, 14, 58) << 0;
        QTest::newRow("two seconds before") << kQuietSettings << QTime(9, 14, 58) << 0;
        QTest::newRow("before a minute not due") << kQuietSettings << QTime(9, 15, 59) << 0;
        QTest::newRow("before the hour") << kQuietSettings << QTime(9, 59, 59) << 1;
        QTest::newRow("outside the speaking window")
            << QByteArray("R\r\n0\r\n10\r\n00\r\nA\r\n11\r\n00\r\nA\r\n0\r\n") << QTime(9, 14, 59) << 0;
    }

    void soundWokenAheadOfDueMinute()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QTime, tick);
        ClockWindowRig rig(settings);
        rig.tickAt(tick.addSecs(-tick.second())); // the minute's check has run
        rig.media.prepares = 0;
        rig.engine.prepares = 0;
        rig.tickAt(tick);
        QTEST(rig.media.prepares, "prepares");
        // The engine is readied with the device, in text-to-speech only.
        QCOMPARE(rig.engine.prepares, settings.startsWith('T') ? rig.media.prepares : 0);
    }

    void speakButtonWakesTheSound_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("pressed"); // otherwise the pointer only comes onto it
        QTest::addColumn<int>("enginePrepares");
        QTest::newRow("recorded voice, pressed") << kQuietSettings << true << 0;
        QTest::newRow("recorded voice, pointed at") << kQuietSettings << false << 0;
        QTest::newRow("text-to-speech, pressed") << kQuietSpeechSettings << true << 1;
        QTest::newRow("text-to-speech, pointed at") << kQuietSpeechSettings << false << 1;
    }

    void speakButtonWakesTheSound()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, pressed);
        ClockWindowRig rig(settings);
        QWidget *speak = formPart<PictureButton>(*rig.form, "SpeakB");
        if (pressed) {
            QTest::mousePress(speak, Qt::LeftButton);
        } else {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), speak->mapToGlobal(QPointF(5, 5)));
            QApplication::sendEvent(speak, &enter);
        }
        // Only a press opens the device; the pointer readies what holds nothing.
        QCOMPARE(rig.media.prepares, pressed ? 1 : 0);
        QCOMPARE(rig.media.preloads, pressed ? 0 : 1);
        QTEST(rig.engine.prepares, "enginePrepares");
        // Nothing is said before the release.
        QVERIFY(rig.media.played.isEmpty());
        QVERIFY(rig.engine.spoken.isEmpty());
        if (pressed) {
            QTest::mouseRelease(speak, Qt::LeftButton);
            const bool tts = rig.engine.prepares > 0;
            QCOMPARE(rig.media.played.size(), tts ? 0 : 5);
            QCOMPARE(rig.engine.spoken.size(), tts ? 1 : 0);
        }
    }

    void sliderShowsMinutesWhileDragged()
    {
        ClockWindowRig rig;
        formPart<Spanbar>(*rig.form, "Spanbar1")->setInitial(900);
        QCOMPARE(int(formPart<Numeron>(*rig.form, "Numeron1")->DigitFormat()), int(Numeron::dgDecimal));
        QCOMPARE(formPart<Numeron>(*rig.form, "Numeron1")->DigitDisplay(), QStringLiteral("30"));
        QCOMPARE(formPart<QLabel>(*rig.form, "Label1")->text(), QString());
        // The interval changes only on release.
        QCOMPARE(rig.form->state().AnnounceInterval, qint16(15));
    }

    // The clock's tick leaves the display to a pointer held still, so the
    // minutes can be read before letting go; the tick itself goes on.
    void clockTickWhileThePointerIsHeld_data()
    {
        QTest::addColumn<bool>("held");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("held still") << true << "15" << int(Numeron::dgDecimal) << "";
        QTest::newRow("let go") << false << "9:05:02" << int(Numeron::dgLongTime) << "AM";
    }
    void clockTickWhileThePointerIsHeld()
    {
        QFETCH(bool, held);
        QFETCH(QString, digits);
        QFETCH(int, format);
        QFETCH(QString, suffix);
        ClockWindowRig rig; // slider at 15 minutes
        QWidget *pointer = formPart<Spanbar>(*rig.form, "Spanbar1")->findChild<QWidget *>(QStringLiteral("PicLeft"));
        QTest::mousePress(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        if (!held)
            QTest::mouseRelease(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        rig.tickAt(QTime(9, 5, 1));
        rig.tickAt(QTime(9, 5, 2));
        QCOMPARE(formPart<Numeron>(*rig.form, "Numeron1")->DigitDisplay(), digits);
        QCOMPARE(int(formPart<Numeron>(*rig.form, "Numeron1")->DigitFormat()), format);
        QCOMPARE(formPart<QLabel>(*rig.form, "Label1")->text(), suffix);
        QCOMPARE(rig.form->state().ShortTimeText, QStringLiteral("09:05"));
        if (held)
            QTest::mouseRelease(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QCOMPARE(int(formPart<Numeron>(*rig.form, "Numeron1")->DigitFormat()), int(Numeron::dgLongTime));
    }

    void sliderReleaseSetsTheIntervalAndShowsTheTime()
    {
        ClockWindowRig rig;
        QWidget *pointer = formPart<Spanbar>(*rig.form, "Spanbar1")->findChild<QWidget *>(QStringLiteral("PicLeft"));
        QVERIFY(pointer);
        QTest::mousePress(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QCOMPARE(int(formPart<Numeron>(*rig.form, "Numeron1")->DigitFormat()), int(Numeron::dgDecimal));
        QTest::mouseRelease(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QCOMPARE(rig.form->state().AnnounceInterval, formPart<Spanbar>(*rig.form, "Spanbar1")->RangeLeft());
        QCOMPARE(int(formPart<Numeron>(*rig.form, "Numeron1")->DigitFormat()), int(Numeron::dgLongTime));
        QCOMPARE(formPart<QLabel>(*rig.form, "Label1")->text(), QStringLiteral("AM"));
        QCOMPARE(formPart<QLabel>(*rig.form, "Label2")->text(), QString());
        QVERIFY(!rig.form->timer3Active());
    }

    void releaseInAlarmModeStartsTheAlarm()
    {
        ClockWindowRig rig;
        settingsControl<QCheckBox>(rig.form->settingsWindow(), "Check4")->click();
        QCOMPARE(rig.form->settingsWindow()->alarmMode(), 1);
        QWidget *pointer = formPart<Spanbar>(*rig.form, "Spanbar1")->findChild<QWidget *>(QStringLiteral("PicLeft"));
        QTest::mousePress(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QCOMPARE(formPart<QLabel>(*rig.form, "Label2")->text(), QStringLiteral("6"));
        QTest::mouseRelease(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QVERIFY(rig.form->timer3Active());
        QCOMPARE(rig.form->state().AlarmStartText, QStringLiteral("09:05 AM"));
        QCOMPARE(rig.form->AlarmStartStamp(), QStringLiteral("9:05:00AM"));
        QCOMPARE(formPart<QLabel>(*rig.form, "Label2")->palette().color(QPalette::WindowText), QColor(0, 255, 0));

        // Switching alarm mode off empties the indicator and stops the period.
        settingsControl<QCheckBox>(rig.form->settingsWindow(), "Check4")->click();
        QCOMPARE(formPart<QLabel>(*rig.form, "Label2")->text(), QString());
        QVERIFY(!rig.form->timer3Active());
    }

    // Released at 0 in alarm mode, the slider stops a running alarm; nothing
    // elapsed is said afterwards, also not an announcement that was waiting.
    void releaseAtZeroStopsTheAlarm_data()
    {
        QTest::addColumn<bool>("tts");
        QTest::addColumn<bool>("waiting"); // a period ended while the engine spoke
        QTest::newRow("recorded voice") << false << false;
        QTest::newRow("text-to-speech") << true << false;
        QTest::newRow("text-to-speech, an announcement waiting") << true << true;
    }
    void releaseAtZeroStopsTheAlarm()
    {
        QFETCH(bool, tts);
        QFETCH(bool, waiting);
        ClockWindowRig rig(tts ? kQuietSpeechSettings : kQuietSettings);
        settingsControl<QCheckBox>(rig.form->settingsWindow(), "Check4")->click();
        QWidget *pointer = formPart<Spanbar>(*rig.form, "Spanbar1")->findChild<QWidget *>(QStringLiteral("PicLeft"));
        formPart<Spanbar>(*rig.form, "Spanbar1")->setInitial(150); // 5 minutes
        QTest::mousePress(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QTest::mouseRelease(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QVERIFY(rig.form->timer3Active());
        if (waiting) {
            rig.engine.setBusy(true);
            rig.clock.advanceSecs(300);
            rig.form->Timer3_Timer();
            QVERIFY(rig.form->state().AlarmCheckPending);
        }
        formPart<Spanbar>(*rig.form, "Spanbar1")->setInitial(0);
        QTest::mousePress(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QTest::mouseRelease(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QCOMPARE(rig.form->state().AnnounceInterval, qint16(0));
        QVERIFY(!rig.form->timer3Active());
        QCOMPARE(formPart<QLabel>(*rig.form, "Label2")->text(), QStringLiteral("6")); // alarm mode is still on
        rig.engine.setBusy(false);
        for (int i = 0; i < 3; ++i) {
            rig.clock.advanceSecs(300);
            rig.form->Timer3_Timer();
            rig.form->Timer2_Timer();
        }
        QCOMPARE(rig.media.played, QStringList());
        QCOMPARE(rig.engine.spoken, QStringList());
    }

    // The elapsed-minutes clips, with a change made while an earlier clip of
    // the same announcement plays: each setting is read when its step is
    // reached. The time now is 9:05 AM.
    void elapsedClips_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("bleep");
        QTest::addColumn<bool>("tellTime");
        QTest::addColumn<QString>("stamp");
        QTest::addColumn<QString>("changeAt"); // the word during which...
        QTest::addColumn<QString>("change");   // ...this happens
        QTest::addColumn<QString>("words");
        QTest::newRow("example with all") << 25 << true << true << "8:50:12AM" << "" << ""
                                          << "BLEEP BLEEP TWENTY FIVE MINUTES TIME NINE OH FIVE AM START EIGHT FIFTY AM";
        QTest::newRow("plain") << 5 << false << false << "8:50:12AM" << "" << "" << "FIVE MINUTES";
        QTest::newRow("singular") << 1 << false << false << "" << "" << "" << "ONE MINUTE";
        QTest::newRow("bleep only") << 15 << true << false << "" << "" << "" << "BLEEP BLEEP FIFTEEN MINUTES";
        QTest::newRow("tell time only") << 10 << false << true << "10:05:00PM" << "" << ""
                                        << "TEN MINUTES TIME NINE OH FIVE AM START TEN OH FIVE PM";
        QTest::newRow("zero says no count") << 0 << false << false << "" << "" << "" << "MINUTES";
        QTest::newRow("sixty says no count") << 60 << true << false << "" << "" << "" << "BLEEP BLEEP MINUTES";
        QTest::newRow("time telling ticked during the count")
            << 5 << false << false << "8:50:12AM" << "FIVE" << "tell"
            << "FIVE MINUTES TIME NINE OH FIVE AM START EIGHT FIFTY AM";
        QTest::newRow("time telling unticked during the count")
            << 5 << false << true << "8:50:12AM" << "FIVE" << "untell" << "FIVE MINUTES";
        QTest::newRow("count read after the bleep")
            << 5 << true << false << "" << "BLEEP" << "count 20" << "BLEEP BLEEP TWENTY MINUTES";
        QTest::newRow("start time read at START")
            << 5 << false << true << "8:50:12AM" << "TIME" << "restart" << "FIVE MINUTES TIME NINE OH FIVE AM START NINE AM";
    }
    void elapsedClips()
    {
        QFETCH(int, count);
        QFETCH(bool, bleep);
        QFETCH(bool, tellTime);
        QFETCH(QString, stamp);
        QFETCH(QString, changeAt);
        QFETCH(QString, change);
        QFETCH(QString, words);
        ClockWindowRig rig;
        Settings *settings = rig.form->settingsWindow();
        settingsControl<QCheckBox>(settings, "PlayBleepChk")->setChecked(bleep);
        QCheckBox *tell = settingsControl<QCheckBox>(settings, "TellTimeChk");
        tell->setChecked(tellTime);
        formPart<Spanbar>(*rig.form, "Spanbar1")->setInitial(qint16(count * 30));
        QCOMPARE(formPart<Spanbar>(*rig.form, "Spanbar1")->RangeLeft(), qint16(count));
        // The stamp is the start of an alarm period begun at that time.
        QCheckBox *alarm = settingsControl<QCheckBox>(settings, "Check4");
        QWidget *pointer = formPart<Spanbar>(*rig.form, "Spanbar1")->findChild<QWidget *>(QStringLiteral("PicLeft"));
        const auto startAlarmAt = [&](const QString &at) {
            const QTime now = rig.clock.now().time();
            rig.clock.setTime(QTime::fromString(at, QStringLiteral("h:mm:ssAP")));
            alarm->setChecked(true);
            QTest::mousePress(pointer, Qt::LeftButton, {}, QPoint(2, 5));
            QTest::mouseRelease(pointer, Qt::LeftButton, {}, QPoint(2, 5));
            alarm->setChecked(false);
            rig.clock.setTime(now);
        };
        if (!stamp.isEmpty())
            startAlarmAt(stamp);
        QCOMPARE(rig.form->AlarmStartStamp(), stamp);
        bool changed = false;
        rig.media.onQuery = [&] {
            if (changed || changeAt.isEmpty() || clipsOf(changeAt).constFirst() != rig.media.played.constLast())
                return;
            changed = true;
            if (change == QLatin1String("tell"))
                tell->setChecked(true);
            else if (change == QLatin1String("untell"))
                tell->setChecked(false);
            else if (change == QLatin1String("count 20"))
                formPart<Spanbar>(*rig.form, "Spanbar1")->setInitial(600);
            else if (change == QLatin1String("restart"))
                startAlarmAt(QStringLiteral("9:00:30AM"));
        };
        rig.form->SpeakElapsedClips();
        QCOMPARE(changed, !changeAt.isEmpty());
        QCOMPARE(rig.media.played, clipsOf(words));
    }

    void dueMinuteIsAnnouncedOnce()
    {
        ClockWindowRig rig; // interval 15, whole day
        rig.tickAt(QTime(9, 14, 58));
        rig.tickAt(QTime(9, 14, 59));
        QVERIFY(rig.media.played.isEmpty());
        rig.tickAt(QTime(9, 15, 0));
        QCOMPARE(rig.media.played, QStringList({kTimeClip, clip("9"), clip("15"), clip("AM")}));
        rig.tickAt(QTime(9, 15, 1));
        rig.tickAt(QTime(9, 15, 2));
        QCOMPARE(rig.media.played.size(), 4);
    }

    // The program's own timers, not a handler called by hand: the clock tick
    // finds the due minute and the dispatch it queues plays the clips. The
    // fake clock follows real time from 9:14:59.5, so the timers fire.
    void runningTimersAnnounceTheDueMinute()
    {
        ClockWindowRig rig; // interval 15, recorded voice, the whole day
        rig.clock.setTime(QTime(9, 14, 59, 500));
        QElapsedTimer real;
        real.start();
        qint64 followed = 0;
        QTimer follow;
        follow.setTimerType(Qt::PreciseTimer);
        connect(&follow, &QTimer::timeout, this, [&] {
            const qint64 now = real.elapsed();
            rig.clock.advanceMs(now - followed);
            followed = now;
        });
        follow.start(5);
        rig.form->startTimers();
        QTRY_COMPARE_WITH_TIMEOUT(rig.media.played, QStringList({kTimeClip, clip("9"), clip("15"), clip("AM")}),
                                  5000);
    }

    // The window can be shown between the two steps of its load: the first
    // gives it all it shows, and nothing more.
    void faceAloneShowsTheTimeAndActsOnNothing()
    {
        const QByteArray settings = "R\r\n1\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n1\r\n";
        ClockWindowRig rig(settings, "450\r\n", ClockWindowRig::Load::FaceOnly);
        QCOMPARE(formPart<Numeron>(*rig.form, "Numeron1")->DigitDisplay(), QStringLiteral("9:05:00"));
        QCOMPARE(formPart<QLabel>(*rig.form, "Label1")->text(), QStringLiteral("AM"));
        QCOMPARE(formPart<Spanbar>(*rig.form, "Spanbar1")->RangeLeft(), qint16(15));
        QVERIFY(formPart<SheerPicture>(*rig.form, "SheerPicture2")->isVisibleTo(rig.form.get()));
        QVERIFY(!formPart<SheerPicture>(*rig.form, "SheerPicture1")->isVisibleTo(rig.form.get()));
        QVERIFY(!rig.form->mask().contains(QPoint(10, 5)));

        QVERIFY(!rig.form->isLoaded());
        QVERIFY(!rig.form->settingsWindow());
        QCOMPARE(rig.form->state().AnnounceInterval, qint16(0));
        QVERIFY(!QFile::exists(clipFilePath(clipName("T"))));
        // Named before the first paint: a screen reader keeps what it is told first.
        QCOMPARE(formPart<SheerPicture>(*rig.form, "SheerPicture2")->accessibleName(), QStringLiteral("Silent"));

        // A press or a close before the rest is loaded: nothing is said, and
        // nothing is written over the user's files.
        QTest::mouseClick(formPart<PictureButton>(*rig.form, "SpeakB"), Qt::LeftButton);
        rig.form->Timer2_Timer();
        QVERIFY(rig.media.played.isEmpty());
        QSignalSpy finished(rig.form.get(), &MainForm::finished);
        rig.form->closeSequence();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(readAll(settingsFilePath()), settings);
        QCOMPARE(readAll(sliderFilePath()), QByteArray("450\r\n"));
    }

    void startupAnnouncementIsServedAfterLoad_data()
    {
        QTest::addColumn<int>("load");
        QTest::newRow("in one step") << int(ClockWindowRig::Load::Whole);
        QTest::newRow("in two steps") << int(ClockWindowRig::Load::InTwoSteps);
    }
    void startupAnnouncementIsServedAfterLoad()
    {
        QFETCH(int, load);
        ClockWindowRig rig("R\r\n1\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n1\r\n", "450\r\n", ClockWindowRig::Load(load));
        QVERIFY(rig.form->isLoaded());
        QCOMPARE(rig.form->state().AnnounceInterval, qint16(15));
        for (const ClipRow &row : kClipTable)
            QVERIFY(QFile::exists(clipFilePath(clipName(row.key))));
        QVERIFY(rig.media.played.isEmpty());
        rig.form->Timer2_Timer();
        QCOMPARE(rig.media.played,
                 QStringList({clip("A"), clip("A"), kTimeClip, clip("9"), clip("0"), clip("5"), clip("AM")}));
    }

    void closeWithAlarmOffSavesBothFiles_data()
    {
        QTest::addColumn<int>("dragTo"); // mouse x on the track, in one step; 0: no drag
        QTest::addColumn<QByteArray>("slider");
        QTest::newRow("pointer set to the right end") << 0 << QByteArray("1800\r\n");
        QTest::newRow("dragged fast past the right end") << 400 << QByteArray("1800\r\n");
        QTest::newRow("dragged fast past the left end") << -400 << QByteArray("0\r\n");
    }
    void closeWithAlarmOffSavesBothFiles()
    {
        QFETCH(int, dragTo);
        QFETCH(QByteArray, slider);
        ClockWindowRig rig;
        QSignalSpy finished(rig.form.get(), &MainForm::finished);
        if (dragTo == 0) {
            formPart<Spanbar>(*rig.form, "Spanbar1")->setInitial(1800);
        } else {
            QWidget *pointer = formPart<Spanbar>(*rig.form, "Spanbar1")->findChild<QWidget *>(QStringLiteral("PicLeft"));
            QTest::mousePress(pointer, Qt::LeftButton, {}, QPoint(8, 5));
            QTest::mouseMove(pointer, QPoint(dragTo - pointer->x(), 5));
            QTest::mouseRelease(pointer, Qt::LeftButton, {}, QPoint(dragTo - pointer->x(), 5));
        }
        QTest::mousePress(formPart<PictureButton>(*rig.form, "CloseB"), Qt::LeftButton);
        QTest::mouseRelease(formPart<PictureButton>(*rig.form, "CloseB"), Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(readAll(sliderFilePath()), slider);
        QCOMPARE(readAll(settingsFilePath()), kQuietSettings);
        QVERIFY(rig.engine.stops >= 1);
        QCOMPARE(rig.media.commands.mid(rig.media.commands.size() - 2),
                 QStringList({QStringLiteral("stop voice1"), QStringLiteral("close voice1")}));
    }

    // Asked to end while the load's "Value is not valid" box waits, the
    // clock has not read the file in yet: both files stay byte for byte.
    void quitBeforeTheLoadFinishedKeepsBothFiles_data()
    {
        QTest::addColumn<QString>("route");
        QTest::newRow("close sequence (Close, tray Quit, Ctrl+Q)") << "close";
        QTest::newRow("window manager close") << "wm";
        QTest::newRow("session end (SIGTERM, logout)") << "session";
    }
    void quitBeforeTheLoadFinishedKeepsBothFiles()
    {
        QFETCH(QString, route);
        const QByteArray settings = "T\r\n180\r\nMy own phrase\r\n1\r\n13\r\n30\r\nP\r\n11\r\n45\r\nP\r\n1\r\n";
        ClockWindowRig rig(settings, "1200\r\n", ClockWindowRig::Load::FaceOnly);
        rig.sink.whileShown = [&] {
            if (route == QLatin1String("close"))
                rig.form->closeSequence();
            else if (route == QLatin1String("wm"))
                rig.form->close();
            else
                QVERIFY(rig.form->saveForExit().isEmpty());
        };
        rig.form->finishLoad();
        QCOMPARE(rig.sink.shown.size(), 1);
        QCOMPARE(readAll(settingsFilePath()), settings);
        QCOMPARE(readAll(sliderFilePath()), QByteArray("1200\r\n"));
    }

    // What the close may not save: a slider file the load could not read is
    // left as it is (the one box is the load's), and a failed write is told
    // in a box before the program ends.
    void closeSavesOnlyWhatItMay_data()
    {
        QTest::addColumn<bool>("folderLocked");
        QTest::newRow("slider file unreadable") << false;
        QTest::newRow("settings folder unwritable") << true;
    }
    void closeSavesOnlyWhatItMay()
    {
        QFETCH(bool, folderLocked);
        if (!folderLocked && ::geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        const auto rw = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        writeFile(sliderFilePath(), "1200\r\n");
        QVERIFY(QFile::setPermissions(sliderFilePath(), folderLocked ? rw : QFileDevice::WriteOwner));
        ClockWindowRig rig(kQuietSettings, QByteArray());
        QSignalSpy finished(rig.form.get(), &MainForm::finished);
        int finishedWhileShown = -1;
        rig.sink.whileShown = [&] { finishedWhileShown = finished.count(); };
        formPart<Spanbar>(*rig.form, "Spanbar1")->setInitial(1800);
        std::optional<BlockedFolder> locked;
        if (folderLocked) {
            QVERIFY(locked.emplace(configDir()).blocked());
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot create the settings folder"));
        }
        rig.form->closeSequence();
        locked.reset();
        QFile::setPermissions(sliderFilePath(), rw);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(readAll(sliderFilePath()), QByteArray("1200\r\n"));
        QCOMPARE(rig.sink.shown.size(), 1);
        const QString box = rig.sink.shown.at(0);
        QVERIFY2(box.contains(sliderFilePath()) && box.contains(folderLocked ? "not saved" : "could not be read"),
                 qPrintable(box));
        if (folderLocked)
            QVERIFY(box.contains(QStringLiteral("settings were not saved to ") + settingsFilePath())
                    && finishedWhileShown == 0);
        else
            QCOMPARE(readAll(settingsFilePath()), kQuietSettings);
    }

    // A window or box opened while the clips speak: the sentence goes on to
    // its end with it open, and a due minute meanwhile is spoken on time.
    void sentenceGoesOnWhileAWindowIsOpen_data()
    {
        QTest::addColumn<bool>("settings");
        QTest::newRow("settings window") << true;
        QTest::newRow("message box") << false;
    }
    void sentenceGoesOnWhileAWindowIsOpen()
    {
        QFETCH(bool, settings);
        ClockWindowRig rig; // interval 15
        DialogMessageSink boxes;
        QPointer<QWidget> window;
        rig.media.onQuery = [&] {
            if (window)
                return;
            if (settings)
                rig.form->openSettings();
            else
                boxes.information(rig.form.get(), QStringLiteral("Data Entry"), QStringLiteral("Value is not valid"));
            window = settings ? rig.form->settingsWindow() : QApplication::activeModalWidget();
        };
        QTimer closer; // for a window that holds the sentence in a loop of its own
        closer.callOnTimeout([] {
            if (QWidget *w = QApplication::activeModalWidget())
                w->close();
        });
        closer.start(5000);
        rig.form->speakNow();
        QVERIFY(window && window->isVisible());
        QCOMPARE(rig.media.played.size(), 5);
        rig.tickAt(QTime(9, 14, 59));
        rig.tickAt(QTime(9, 15, 0));
        QCOMPARE(rig.media.played.mid(5), QStringList({kTimeClip, clip("9"), clip("15"), clip("AM")}));
        QVERIFY(window->isVisible());
        window->close();
    }

    void closeInAlarmModeLeavesBothFilesAlone()
    {
        const QByteArray settings = "R\r\n0\r\n9\r\n00\r\nA\r\n5\r\n00\r\nP\r\n0\r\n";
        ClockWindowRig rig(settings, "450\r\n");
        settingsControl<QCheckBox>(rig.form->settingsWindow(), "Check4")->click();
        settingsControl<QRadioButton>(rig.form->settingsWindow(), "Option1")->click();
        formPart<Spanbar>(*rig.form, "Spanbar1")->setInitial(1800);
        rig.form->closeSequence();
        QCOMPARE(readAll(settingsFilePath()), settings);
        QCOMPARE(readAll(sliderFilePath()), QByteArray("450\r\n"));
    }

    void closeDuringAnnouncementEndsIt()
    {
        ClockWindowRig rig;
        QSignalSpy finished(rig.form.get(), &MainForm::finished);
        bool closed = false;
        rig.media.queriesPerClip = 1000000;
        rig.media.onQuery = [&] {
            if (!closed) {
                closed = true;
                rig.form->closeSequence();
            }
        };
        rig.form->speakNow();
        QCOMPARE(finished.count(), 1);
        // Only the clip under way was opened; the rest of the sentence was dropped.
        QCOMPARE(rig.media.played, QStringList({kTimeClip}));
    }

    // However the program is asked to end while a window of its own is open,
    // it ends, saving as its Close button does.
    void quitEndsTheRunWhateverIsOpen_data()
    {
        QTest::addColumn<QString>("open");
        QTest::newRow("nothing but the clock") << "";
        QTest::newRow("settings window, modal") << "settings";
        QTest::newRow("settings window, not modal") << "settings, not modal";
    }
    void quitEndsTheRunWhateverIsOpen()
    {
        QFETCH(QString, open);
        ClockWindowRig rig;
        QSignalSpy finished(rig.form.get(), &MainForm::finished);
        rig.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(rig.form.get()));
        formPart<Spanbar>(*rig.form, "Spanbar1")->setInitial(900);
        Settings *settings = rig.form->settingsWindow();
        bool settingsShown = false;
        if (open.startsWith(QLatin1String("settings"))) {
            if (open.endsWith(QLatin1String("not modal")))
                settings->show();
            else
                QTimer::singleShot(0, rig.form.get(), [&] { rig.form->openSettings(); });
            QTimer::singleShot(0, settings, [&] { settingsShown = settings->isVisible(); });
        }
        QTimer quit;
        quit.setSingleShot(true);
        connect(&quit, &QTimer::timeout, qApp, &QCoreApplication::quit);
        quit.start(50);
        // Should the quit be refused, the run still ends, with another code.
        // A timer of the test's own: it must not outlive it.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(7); });
        watchdog.start(3000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(settingsShown, !open.isEmpty());
        QCOMPARE(finished.count(), 1);
        QVERIFY(!settings->isVisible());
        QCOMPARE(readAll(sliderFilePath()), QByteArray("900\r\n"));
    }

    // A clip the device never finishes is given up on; the player is then
    // idle, so the next press and the next due minute are spoken.
    void stalledPlayerDoesNotHang_data()
    {
        QTest::addColumn<QStringList>("stalled");
        QTest::newRow("every clip") << QStringList({kTimeClip, clip("9"), clip("0"), clip("5"), clip("AM")});
        QTest::newRow("the first clip") << QStringList({kTimeClip});
        QTest::newRow("the last clip") << QStringList({clip("AM")});
    }
    void stalledPlayerDoesNotHang()
    {
        QFETCH(QStringList, stalled);
        ClockWindowRig rig; // interval 15
        rig.media.stalled = stalled;
        rig.media.onQuery = [&] {
            // Time moves on while the device never reports the end.
            rig.clock.advanceMs(250);
        };
        rig.form->speakNow();
        QCOMPARE(rig.media.played.size(), 5);
        QCOMPARE(rig.media.commands.count(QStringLiteral("stop voice1")), stalled.size());
        QVERIFY(rig.form->state().WaveModeText != QLatin1String("playing"));
        QVERIFY(!formPart<SheerPicture>(*rig.form, "SheerPicture1")->isVisibleTo(rig.form.get()));

        rig.media.stalled.clear();
        rig.media.played.clear();
        rig.form->speakNow();
        QCOMPARE(rig.media.played.size(), 5);
        rig.media.played.clear();
        rig.tickAt(QTime(9, 14, 59));
        rig.tickAt(QTime(9, 15, 0));
        QCOMPARE(rig.media.played, QStringList({kTimeClip, clip("9"), clip("15"), clip("AM")}));
    }
};

HORAVOX_TEST_MAIN(TestMainForm)
#include "test_main_form.moc"
