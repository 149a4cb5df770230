#include "main_window/main_form.h"

#include "core/message_sink.h"
#include "core/paths.h"
#include "fake_clock.h"
#include "fake_media.h"
#include "fake_speech_engine.h"
#include "main_window/image_control.h"
#include "resources/resources.h"
#include "settings/settings_window.h"
#include "speech/clip_table.h"
#include "test_main.h"
#include "ui_main_form.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QSignalSpy>

using namespace horavox;
using namespace horavox_test;

namespace {

class RecordingSink final : public MessageSink
{
public:
    QStringList shown;
    void information(QWidget *, const QString &title, const QString &text) override
    {
        shown << title + QLatin1Char('|') + text;
    }
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QByteArray kQuietSettings = "R\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n";

QString clip(const char *key)
{
    return QStringLiteral("c:\\tmpSnd") + QLatin1String(key) + QStringLiteral(".$$$");
}
const QString kTimeClip = QStringLiteral("c:\\tmpsndT.$$$");

// One main window on fakes, loaded as the program loads it.
struct Rig
{
    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 5, 0))};
    FakeMedia media;
    FakeSpeechEngine engine;
    RecordingSink sink;
    std::unique_ptr<MainForm> form;

    explicit Rig(const QByteArray &settings = kQuietSettings, const QByteArray &slider = "450\r\n")
    {
        if (!settings.isNull())
            writeFile(settingsFilePath(), settings);
        if (!slider.isNull())
            writeFile(sliderFilePath(), slider);
        form = std::make_unique<MainForm>(MainFormServices{clock, media, engine, sink});
        form->Form_Load();
    }
    Ui::MainForm &ui() { return *form->ui(); }
    void tickAt(const QTime &t)
    {
        clock.setTime(t);
        form->Timer1_Timer();
        form->Timer2_Timer();
    }
};

void cleanFolders()
{
    QDir(configDir()).removeRecursively();
    QDir(dataDir()).removeRecursively();
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { cleanFolders(); }

    void firstStartWritesEveryClipByteForByte()
    {
        Rig rig;
        for (const ClipRow &row : kClipTable) {
            const QString path = clipFilePath(clipName(row.key));
            QVERIFY2(QFile::exists(path), qPrintable(path));
            QCOMPARE(readAll(path), resourceBytes(QStringLiteral("CUSTOM"), QLatin1String(row.resource)));
        }
    }

    void laterStartsRewriteOnlyMissingClips()
    {
        { Rig first; }
        const QString truncated = clipFilePath(clip("5"));
        const QString deleted = clipFilePath(clip("PM"));
        writeFile(truncated, QByteArray());
        QVERIFY(QFile::remove(deleted));
        const QDateTime untouched = QFileInfo(clipFilePath(clip("7"))).lastModified();
        { Rig second; }
        QCOMPARE(QFileInfo(truncated).size(), qint64(0));
        QCOMPARE(readAll(deleted), resourceBytes(QStringLiteral("CUSTOM"), QStringLiteral("PM")));
        QCOMPARE(QFileInfo(clipFilePath(clip("7"))).lastModified(), untouched);
    }

    void loadShapesAndDressesTheWindow()
    {
        Rig rig;
        const QRegion mask = rig.form->mask();
        QVERIFY(mask.contains(QPoint(150, 50)));
        QVERIFY(!mask.contains(QPoint(10, 5)));
        QVERIFY(!mask.contains(QPoint(295, 5)));
        QVERIFY(rig.ui().SheerPicture2->isVisibleTo(rig.form.get()));
        QVERIFY(!rig.ui().SheerPicture1->isVisibleTo(rig.form.get()));
        QCOMPARE(rig.ui().Label2->text(), QString());
        QVERIFY(!rig.form->timer3Active());
        QVERIFY(!rig.ui().SpeakB->pixmap().isNull());
        QCOMPARE(rig.form->windowTitle(), QStringLiteral("Horavox"));
        QCOMPARE(rig.ui().SpeakB->toolTip(), QStringLiteral("Say Time"));
        QCOMPARE(rig.ui().SheerPicture1->toolTip(), QStringLiteral("'Speaking' Indicator"));
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
        Rig rig;
        rig.tickAt(time);
        QCOMPARE(rig.ui().Numeron1->DigitDisplay(), digits);
        QCOMPARE(int(rig.ui().Numeron1->DigitFormat()), int(Numeron::dgLongTime));
        QCOMPARE(rig.ui().Label1->text(), suffix);
        QCOMPARE(rig.form->state().ShortTimeText, time.toString(QStringLiteral("HH:mm")));
    }

    void speakPlaysTheTimeFromClips()
    {
        Rig rig;
        QList<bool> lampDuringPlay;
        rig.media.onQuery = [&] { lampDuringPlay << rig.ui().SheerPicture1->isVisibleTo(rig.form.get()); };
        QTest::mousePress(rig.ui().SpeakB, Qt::LeftButton);
        QTest::mouseRelease(rig.ui().SpeakB, Qt::LeftButton);
        QCOMPARE(rig.media.played, QStringList({kTimeClip, clip("9"), clip("0"), clip("5"), clip("AM")}));
        QVERIFY(!lampDuringPlay.isEmpty());
        QVERIFY(!lampDuringPlay.contains(false));
        QVERIFY(!rig.ui().SheerPicture1->isVisibleTo(rig.form.get()));
        QVERIFY(rig.ui().SheerPicture2->isVisibleTo(rig.form.get()));
        QVERIFY(rig.media.commands.contains(QStringLiteral("open c:\\tmpSnd9.$$$ type waveaudio alias voice1")));
        QCOMPARE(rig.form->state().WaveModeText, QStringLiteral("stopped"));
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
        Rig rig;
        const QImage released = rig.ui().SpeakB->pixmap().toImage();
        rig.media.onQuery = [&] {
            // While the action runs the button already shows its released look.
            QCOMPARE(rig.ui().SpeakB->pixmap().toImage(), released);
        };
        QTest::mousePress(rig.ui().SpeakB, button, {}, QPoint(5, 5));
        QVERIFY(rig.ui().SpeakB->pixmap().toImage() != released);
        QTest::mouseRelease(rig.ui().SpeakB, button, {}, releaseAt);
        QCOMPARE(rig.media.played.size(), 5);
    }

    void speakDuringPlaybackStartsNothing()
    {
        Rig rig;
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

    void noSoundDeviceShowsTheMessageForEveryClip()
    {
        Rig rig;
        rig.media.devices = 0;
        const QString before = rig.form->state().WaveModeText;
        rig.form->speakNow();
        QCOMPARE(rig.sink.shown.size(), 5);
        QCOMPARE(rig.sink.shown.first(), QStringLiteral("Sound Card Check|Your system cannot play WAV files"));
        QVERIFY(rig.media.played.isEmpty());
        QCOMPARE(rig.form->state().WaveModeText, before);
    }

    void missingClipIsSkipped()
    {
        Rig rig;
        rig.media.missing << clip("0");
        rig.form->speakNow();
        QCOMPARE(rig.media.played, QStringList({kTimeClip, clip("9"), clip("5"), clip("AM")}));
    }

    void speakWithTextToSpeech_data()
    {
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QStringList>("spoken");
        QTest::newRow("engine silent") << false << QStringList{QStringLiteral("The Time is Now 05:04 PM")};
        // A second press while the first sentence is heard starts nothing.
        QTest::newRow("engine speaking") << true << QStringList{};
    }

    void speakWithTextToSpeech()
    {
        QFETCH(bool, busy);
        QFETCH(QStringList, spoken);
        Rig rig("T\r\n180\r\n\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n");
        rig.clock.setTime(QTime(17, 4, 30));
        rig.engine.busy = busy;
        rig.form->speakNow();
        QCOMPARE(rig.engine.spoken, spoken);
        QCOMPARE(rig.engine.speeds, QVector<qint32>(spoken.size(), 180));
        QCOMPARE(rig.engine.stops > 0, !busy);
        QVERIFY(rig.media.played.isEmpty());
    }

    void soundWokenAheadOfDueMinute_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QTime>("tick");
        QTest::addColumn<int>("prepares");
        QTest::newRow("second before a due minute") << kQuietSettings << QTime(9, 14, 59) << 1;
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
        Rig rig(settings);
        rig.tickAt(tick.addSecs(-tick.second())); // the minute's check has run
        rig.media.prepares = 0;
        rig.tickAt(tick);
        QTEST(rig.media.prepares, "prepares");
    }

    void speakPressWakesTheSound()
    {
        Rig rig;
        QTest::mousePress(rig.ui().SpeakB, Qt::LeftButton);
        QCOMPARE(rig.media.prepares, 1);
        QVERIFY(rig.media.played.isEmpty()); // the words come on release
        QTest::mouseRelease(rig.ui().SpeakB, Qt::LeftButton);
        QCOMPARE(rig.media.played.size(), 5);
    }

    void sliderShowsMinutesWhileDragged()
    {
        Rig rig;
        rig.ui().Spanbar1->setInitial(900);
        QCOMPARE(int(rig.ui().Numeron1->DigitFormat()), int(Numeron::dgDecimal));
        QCOMPARE(rig.ui().Numeron1->DigitDisplay(), QStringLiteral("30"));
        QCOMPARE(rig.ui().Label1->text(), QString());
        // The interval changes only on release.
        QCOMPARE(rig.form->state().AnnounceInterval, qint16(15));
    }

    void sliderReleaseSetsTheIntervalAndShowsTheTime()
    {
        Rig rig;
        QWidget *pointer = rig.ui().Spanbar1->findChild<QWidget *>(QStringLiteral("PicLeft"));
        QVERIFY(pointer);
        QTest::mousePress(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QCOMPARE(int(rig.ui().Numeron1->DigitFormat()), int(Numeron::dgDecimal));
        QTest::mouseRelease(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QCOMPARE(rig.form->state().AnnounceInterval, rig.ui().Spanbar1->RangeLeft());
        QCOMPARE(int(rig.ui().Numeron1->DigitFormat()), int(Numeron::dgLongTime));
        QCOMPARE(rig.ui().Label1->text(), QStringLiteral("AM"));
        QCOMPARE(rig.ui().Label2->text(), QString());
        QVERIFY(!rig.form->timer3Active());
    }

    void releaseInAlarmModeStartsTheAlarm()
    {
        Rig rig;
        rig.form->settingsWindow()->findChild<QCheckBox *>(QStringLiteral("Check4"))->click();
        QCOMPARE(rig.form->settingsWindow()->alarmMode(), 1);
        QWidget *pointer = rig.ui().Spanbar1->findChild<QWidget *>(QStringLiteral("PicLeft"));
        QTest::mousePress(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QCOMPARE(rig.ui().Label2->text(), QStringLiteral("6"));
        QTest::mouseRelease(pointer, Qt::LeftButton, {}, QPoint(2, 5));
        QVERIFY(rig.form->timer3Active());
        QCOMPARE(rig.form->state().AlarmStartText, QStringLiteral("09:05 AM"));
        QCOMPARE(rig.form->AlarmStartStamp, QStringLiteral("9:05:00AM"));
        QCOMPARE(rig.ui().Label2->palette().color(QPalette::WindowText), QColor(0, 255, 0));

        // Switching alarm mode off empties the indicator and stops the period.
        rig.form->settingsWindow()->findChild<QCheckBox *>(QStringLiteral("Check4"))->click();
        QCOMPARE(rig.ui().Label2->text(), QString());
        QVERIFY(!rig.form->timer3Active());
    }

    void dueMinuteIsAnnouncedOnce()
    {
        Rig rig; // interval 15, whole day
        rig.tickAt(QTime(9, 14, 58));
        rig.tickAt(QTime(9, 14, 59));
        QVERIFY(rig.media.played.isEmpty());
        rig.tickAt(QTime(9, 15, 0));
        QCOMPARE(rig.media.played, QStringList({kTimeClip, clip("9"), clip("15"), clip("AM")}));
        rig.tickAt(QTime(9, 15, 1));
        rig.tickAt(QTime(9, 15, 2));
        QCOMPARE(rig.media.played.size(), 4);
    }

    void startupAnnouncementIsServedAfterLoad()
    {
        Rig rig("R\r\n1\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n1\r\n");
        QVERIFY(rig.media.played.isEmpty());
        rig.form->Timer2_Timer();
        QCOMPARE(rig.media.played,
                 QStringList({clip("A"), clip("A"), kTimeClip, clip("9"), clip("0"), clip("5"), clip("AM")}));
    }

    void closeWithAlarmOffSavesBothFiles()
    {
        Rig rig;
        QSignalSpy finished(rig.form.get(), &MainForm::finished);
        rig.ui().Spanbar1->setInitial(1800);
        QTest::mousePress(rig.ui().CloseB, Qt::LeftButton);
        QTest::mouseRelease(rig.ui().CloseB, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(readAll(sliderFilePath()), QByteArray("1800\r\n"));
        QCOMPARE(readAll(settingsFilePath()), kQuietSettings);
        QVERIFY(rig.engine.stops >= 1);
        QCOMPARE(rig.media.commands.mid(rig.media.commands.size() - 2),
                 QStringList({QStringLiteral("stop voice1"), QStringLiteral("close voice1")}));
    }

    void closeInAlarmModeLeavesBothFilesAlone()
    {
        const QByteArray settings = "R\r\n0\r\n9\r\n00\r\nA\r\n5\r\n00\r\nP\r\n0\r\n";
        Rig rig(settings, "450\r\n");
        rig.form->settingsWindow()->findChild<QCheckBox *>(QStringLiteral("Check4"))->click();
        rig.form->settingsWindow()->findChild<QRadioButton *>(QStringLiteral("Option1"))->click();
        rig.ui().Spanbar1->setInitial(1800);
        rig.form->closeSequence();
        QCOMPARE(readAll(settingsFilePath()), settings);
        QCOMPARE(readAll(sliderFilePath()), QByteArray("450\r\n"));
    }

    void closeDuringAnnouncementEndsIt()
    {
        Rig rig;
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

    void stalledPlayerDoesNotHang()
    {
        Rig rig;
        rig.media.queriesPerClip = 1000000;
        int queries = 0;
        rig.media.onQuery = [&] {
            // Time moves on while the device never reports the end.
            if (++queries % 2 == 0)
                rig.clock.advanceMs(500);
        };
        rig.form->speakNow();
        QCOMPARE(rig.media.played.size(), 5);
        QVERIFY(rig.media.commands.count(QStringLiteral("stop voice1")) >= 5);
    }
};

HORAVOX_TEST_MAIN(TestMainForm)
#include "test_main_form.moc"
