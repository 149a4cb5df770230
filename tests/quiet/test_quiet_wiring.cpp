// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Quiet times put into the program: the command-line requests arrive over
// the clock's socket and change what the real window announces; the mark on
// the skin, the own volume and the preferences file follow.
#include "quiet_clock_rig.h"
#include "engines/direct_ss.h"
#include "engines/dispatcher_voice.h"
#include "main_window/clock_actions.h"
#include "quiet/quiet_actions.h"
#include "quiet/quiet_controller.h"
#include "quiet/quiet_dialog.h"
#include "quiet/quiet_mark.h"
#include "settings_control.h"
#include "shell/instance_channel.h"
#include "settings/settings_window.h"
#include "shell/quiet_wiring.h"
#include "speech/audio/audio_output.h"
#include "speech_dispatcher_server.h"
#include "test_main.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QThread>

using namespace horavox;
using namespace horavox_test;

Q_DECLARE_METATYPE(horavox::QuietRequest)

namespace {

QuietReply ask(const QuietRequest &r)
{
    QuietReply reply;
    std::unique_ptr<QThread> t(QThread::create([&] { reply = sendQuietRequest(instanceSocketPath(), r); }));
    t->start();
    while (!t->wait(5))
        QCoreApplication::processEvents();
    return reply;
}

struct Wired
{
    explicit Wired(const QDateTime &start)
        : rig(start, false, 15, [this](FakeClock &c) {
              controller = std::make_unique<QuietController>(c);
              return &controller->gate();
          })
        , wiring(*controller, *rig.form, audio, &server, {.tray = false, .monitors = false})
    {
        server.listen(instanceSocketPath());
    }
    std::unique_ptr<QuietController> controller;
    QuietClockRig rig;
    AudioOutput audio;
    InstanceServer server;
    QuietWiring wiring;
};

// True when a library whose file name holds `part` is mapped into this process.
bool mapped(const char *part)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(part);
}

// The program's own speech engine and window, loaded as the program loads
// them: the stored voice chosen before the window's load.
struct Voiced
{
    explicit Voiced(int engines = DirectSS::AllEngines) : engine(&audio, DirectSS::Options{engines, QString()})
    {
        writeFile(settingsFilePath(), kQuietSpeechSettings);
        applySpokenLanguage(controller.preferences(), &engine);
        form.Form_Load();
    }
    QString caption() const { return settingsControl<QGroupBox>(form.settingsWindow(), "Frame2")->title(); }

    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 0, 30))};
    FakeMedia media;
    RecordingSink messages;
    AudioOutput audio;
    DirectSS engine{&audio, DirectSS::Options{}};
    QuietController controller{clock};
    MainForm form{MainFormServices{clock, media, engine, messages, &controller.gate()}};
    QuietWiring wiring{controller, form, audio, nullptr, {.tray = false, .monitors = false, .engine = &engine}};
};

} // namespace

class TestQuietWiring : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QDir(configDir()).removeRecursively();
        setPreferredLanguage(QString(), ClockStyle::Usual);
        // The desktop's language is English here.
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_TIME"})
            qunsetenv(name);
        qputenv("LANG", "C.UTF-8");
    }

    void requests_data()
    {
        QTest::addColumn<QuietRequest>("request");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("mute 60: an hour of nothing, then 10:00")
            << QuietRequest{QuietRequest::Kind::Mute, 60} << "next: 9:15 AM (muted until 10:00 AM)" << 75
            << QStringList{"10:00", "10:15"};
        QTest::newRow("skip-next skips one") << QuietRequest{QuietRequest::Kind::SkipNext, 0}
                                             << "next: 9:15 AM (skipped)" << 31 << QStringList{"09:30"};
        QTest::newRow("status changes nothing") << QuietRequest{} << "next: 9:15 AM" << 31
                                                << QStringList{"09:15", "09:30"};
    }
    void requests()
    {
        QFETCH(QuietRequest, request);
        QFETCH(QString, reply);
        QFETCH(int, minutes);
        QFETCH(QStringList, heard);
        Wired w(QDateTime(QDate(2026, 12, 7), QTime(9, 0, 30)));
        QVERIFY(w.server.isListening());
        const QuietReply r = ask(request);
        QCOMPARE(r.handOver, HandOver::Delivered);
        QCOMPARE(r.status, reply);
        QCOMPARE(w.rig.run(minutes), heard);
    }

    void muteShowsOnTheSkinAndSurvivesARestart()
    {
        const QDateTime start(QDate(2026, 12, 7), QTime(9, 0, 30));
        {
            Wired w(start);
            QVERIFY(w.wiring.mark()->isHidden());
            ask({QuietRequest::Kind::Mute, 60});
            QVERIFY(!w.wiring.mark()->isHidden());
            QCOMPARE(w.wiring.mark()->toolTip(), QStringLiteral("Quiet: muted until 10:00 AM"));
            // A screen reader learns it from the clock's window and the mark.
            QCOMPARE(w.rig.form->accessibleDescription(), QStringLiteral("9:00 AM. Quiet: muted until 10:00 AM"));
            QCOMPARE(w.wiring.mark()->accessibleDescription(), w.wiring.mark()->toolTip());
            w.controller->gate().setInCall(true);
            QCOMPARE(w.wiring.mark()->toolTip(),
                     QStringLiteral("Quiet: muted until 10:00 AM; a program is using the microphone"));
        }
        Wired again(start);
        QVERIFY(!again.wiring.mark()->isHidden());
        ask({QuietRequest::Kind::Mute, 0});
        QVERIFY(again.wiring.mark()->isHidden());
        QCOMPARE(again.rig.form->accessibleDescription(), QStringLiteral("9:00 AM"));
        QVERIFY(!QuietController(again.rig.clock).gate().mutedUntil().isValid());
    }

    void clockMenuOffersTheQuietActions()
    {
        Wired w(QDateTime(QDate(2026, 12, 7), QTime(9, 0, 30)));
        ClockActions *clock = w.rig.form->clockActions();
        QVERIFY(clock);
        std::unique_ptr<QMenu> menu(clock->buildMenu(nullptr));
        const QList<QAction *> items = menu->actions();
        QVERIFY(items.contains(w.wiring.actions().mute60Action()));
        QVERIFY(items.contains(w.wiring.actions().skipNextAction()));
        QVERIFY(items.contains(w.wiring.actions().dialogAction()));
        // Opening the menu brings the status line up to date.
        w.controller->gate().muteForMinutes(60);
        Q_EMIT clock->aboutToShowMenu(menu.get());
        QVERIFY(w.wiring.actions().statusAction()->text().contains(QStringLiteral("muted until")));
    }

    // As the program makes it: before the window is loaded, the mark and the
    // volume at once, the clock menu's section once started.
    void madeBeforeTheLoadJoinsTheClockMenuWhenStarted()
    {
        ClockWindowRig rig(QByteArray(), QByteArray(), ClockWindowRig::Load::Later,
                           {.start = QDateTime(QDate(2026, 12, 7), QTime(9, 0, 30))});
        QuietController controller(rig.clock);
        controller.gate().muteForMinutes(60);
        rig.build(ClockWindowRig::Load::FaceOnly, {.gate = &controller.gate()});
        AudioOutput audio;
        QuietWiring wiring(controller, *rig.form, audio, nullptr, {.tray = false, .monitors = false});
        QVERIFY(!wiring.mark()->isHidden());
        rig.form->finishLoad();
        wiring.start();
        wiring.start();
        std::unique_ptr<QMenu> menu(rig.form->clockActions()->buildMenu(nullptr));
        QCOMPARE(menu->actions().count(wiring.actions().mute60Action()), 1);
        rig.form->saveForExit();
    }

    void volumeReachesTheMixer()
    {
        Wired w(QDateTime(QDate(2026, 12, 7), QTime(9, 0, 30)));
        QCOMPARE(w.audio.volume(), 100);
        QuietPreferences p = w.controller->preferences();
        p.volume = 40;
        w.controller->setPreferences(p);
        QCOMPARE(w.audio.volume(), 40);
        // Written a moment later, and read by the next start.
        QVERIFY(w.controller->flush());
        QCOMPARE(quiet_preferences::load(quiet_preferences::path()).volume, 40);
    }

    void voiceChoice_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("action"); // a voice picked in the dialog, "volume" moved, or nothing
        QTest::addColumn<QString>("speaks");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("kept"); // stored afterwards
        const QString gone = QStringLiteral("espeak/en-gb-x-rp");
        QTest::newRow("nothing stored: the default") << "" << "" << "flite/slt" << "US female" << "";
        QTest::newRow("stored, from the start") << "espeak/en" << "" << "espeak/en" << "UK male" << "espeak/en";
        QTest::newRow("no longer installed, kept when another choice changes")
            << gone << "volume" << "flite/slt" << "US female" << gone;
        QTest::newRow("picked") << "" << "US male 2" << "espeak/en-us" << "US male 2" << "espeak/en-us";
        QTest::newRow("picked after one no longer installed")
            << gone << "US male" << "flite/kal" << "US male" << "flite/kal";
        QTest::newRow("picked, not English") << "" << "DE male" << "espeak/de" << "DE male" << "espeak/de";
        QTest::newRow("the engine's own picked")
            << "flite/kal" << "The speech engine's own voice" << "flite/slt" << "US female" << "";
    }
    void voiceChoice()
    {
        QFETCH(QString, stored);
        QFETCH(QString, action);
        QuietPreferences p;
        p.voice = stored;
        QVERIFY(quiet_preferences::save(quiet_preferences::path(), p));
        Voiced v;
        QuietDialog *dialog = v.wiring.openDialog();
        QComboBox *box = dialog->voiceBox();
        QStringList offered;
        QStringList described;
        for (int i = 0; i < box->count(); ++i) {
            offered << box->itemText(i);
            described << box->itemData(i, Qt::ToolTipRole).toString();
        }
        // By language, then speaker and engine; each named as the settings
        // window's caption names it, and in full in its tooltip.
        QCOMPARE(offered, QStringList({"The speech engine's own voice", "NL male", "UK male", "US female",
                                       "US male 2", "US male", "FR male", "DE male", "IT male", "JP male",
                                       "PL male", "BR male", "PT male", "RU male", "ES male"}));
        QCOMPARE(described.value(4), QStringLiteral("English (US) \u2014 male (eSpeak NG)"));
        if (action == QLatin1String("volume"))
            dialog->volumeSlider()->setValue(60);
        else if (!action.isEmpty())
            box->setCurrentIndex(box->findText(action));
        QTEST(v.engine.voiceId(v.engine.TtsCurrentVoice()), "speaks");
        QFETCH(QString, caption);
        QCOMPARE(v.caption(), QStringLiteral("TTS Speed of voice \"%1\"").arg(caption));
        QVERIFY(v.controller.flush());
        QTEST(quiet_preferences::load(quiet_preferences::path()).voice, "kept");
        // Listing, naming and choosing the voices starts no engine.
        QVERIFY(!v.engine.engineStarted());
        QVERIFY(!mapped("horavox_voices"));
    }

    void languageChoice_data()
    {
        QTest::addColumn<QString>("storedVoice");
        QTest::addColumn<QString>("storedLanguage");
        QTest::addColumn<QString>("picked"); // a language's name picked in the dialog, or nothing
        QTest::addColumn<QString>("speaks");
        QTest::addColumn<QString>("language"); // of the sentences afterwards
        QTest::addColumn<bool>("clipsNote");
        QTest::newRow("picked, no voice picked: the language's own")
            << "" << "" << "Deutsch" << "espeak/de" << "de" << true;
        QTest::newRow("picked, the user's voice stays") << "flite/kal" << "" << "Русский" << "flite/kal" << "ru" << true;
        QTest::newRow("stored, from the start") << "" << "pt-PT" << "" << "espeak/pt" << "pt-PT" << true;
        QTest::newRow("English picked: the default voice, no note")
            << "" << "fr" << "English" << "flite/slt" << "en" << false;
    }
    void languageChoice()
    {
        QFETCH(QString, picked);
        QuietPreferences p;
        QFETCH(QString, storedVoice);
        QFETCH(QString, storedLanguage);
        p.voice = storedVoice;
        p.language = storedLanguage;
        QVERIFY(quiet_preferences::save(quiet_preferences::path(), p));
        Voiced v;
        QuietDialog *dialog = v.wiring.openDialog();
        QComboBox *box = dialog->languageBox();
        QStringList offered;
        for (int i = 1; i < box->count(); ++i)
            offered << box->itemText(i);
        // Each language with a voice installed, in its own name.
        QCOMPARE(offered, QStringList({"English", "Deutsch", "Español", "Français", "Italiano", "日本語", "Nederlands",
                                       "Polski", "Português (Brasil)", "Português (Portugal)", "Русский"}));
        if (!picked.isEmpty())
            box->setCurrentIndex(box->findText(picked));
        QTEST(v.engine.voiceId(v.engine.TtsCurrentVoice()), "speaks");
        QTEST(currentLanguage(), "language");
        QTEST(!dialog->clipsLanguageNote()->isHidden(), "clipsNote");
        QVERIFY(v.controller.flush());
        const QuietPreferences kept = quiet_preferences::load(quiet_preferences::path());
        QCOMPARE(kept.language, picked.isEmpty() ? storedLanguage : currentLanguage());
        QCOMPARE(kept.voice, storedVoice);
    }

    void speechServiceVoicesFollowInTheClocksLanguage()
    {
        HORAVOX_SKIP_VOICE_LISTING_UNDER_SANITIZER();
        SpeechDispatcherServer speechd;
        if (!speechd.start())
            QSKIP(qPrintable(speechd.error()));
        Voiced v(DirectSS::AllEngines | DirectSS::Dispatcher);
        QComboBox *box = v.wiring.openDialog()->voiceBox();
        // At once: the engines' voices and the service's default.
        const int atOnce = box->count();
        QVERIFY(box->findData(QStringLiteral("speech-dispatcher")) > 0);
        QTRY_VERIFY_WITH_TIMEOUT(box->count() > atOnce, 45000);
        for (int i = 1; i < box->count(); ++i) {
            const QString language = v.engine.voiceLanguage(v.engine.voiceIndex(box->itemData(i).toString()));
            QVERIFY2(language.isEmpty() || language.startsWith(dispatcherLanguage()), qPrintable(language));
        }
        // A voice whose name has blanks and brackets, picked and kept for
        // the next start.
        const QString id = QStringLiteral("speech-dispatcher/espeak-ng/English (America)");
        const int picked = box->findData(DirectSS::storableVoiceId(id));
        QVERIFY(picked > 0);
        QCOMPARE(box->itemText(picked), QStringLiteral("English (America)"));
        QCOMPARE(box->itemData(picked, Qt::ToolTipRole).toString(),
                 QStringLiteral("English (US) \u2014 English (America) (speech-dispatcher, espeak-ng)"));
        box->setCurrentIndex(picked);
        QCOMPARE(v.engine.voiceId(v.engine.TtsCurrentVoice()), id);
        QVERIFY(v.controller.flush());
        DirectSS next(nullptr, DirectSS::Options{DirectSS::AllEngines | DirectSS::Dispatcher, QString()});
        QVERIFY(next.chooseVoice(quiet_preferences::load(quiet_preferences::path()).voice));
        QCOMPARE(next.voiceId(next.TtsCurrentVoice()), id);
    }
};

HORAVOX_TEST_MAIN(TestQuietWiring)
#include "test_quiet_wiring.moc"
