// Quiet times put into the program: the command-line requests arrive over
// the clock's socket and change what the real window announces; the mark on
// the skin, the own volume and the preferences file follow.
#include "quiet_clock_rig.h"
#include "main_window/clock_actions.h"
#include "quiet/quiet_actions.h"
#include "quiet/quiet_controller.h"
#include "quiet/quiet_mark.h"
#include "shell/instance_channel.h"
#include "shell/quiet_wiring.h"
#include "speech/audio/audio_output.h"
#include "test_main.h"

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

} // namespace

class TestQuietWiring : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QDir(configDir()).removeRecursively();
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
        }
        Wired again(start);
        QVERIFY(!again.wiring.mark()->isHidden());
        ask({QuietRequest::Kind::Mute, 0});
        QVERIFY(again.wiring.mark()->isHidden());
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
};

HORAVOX_TEST_MAIN(TestQuietWiring)
#include "test_quiet_wiring.moc"
