// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chimes/chime_command.h"
#include "chimes/chime_controller.h"
#include "chimes/chime_dialog.h"
#include "engines/direct_ss.h"
#include "core/clock.h"
#include "core/message_sink.h"
#include "core/paths.h"
#include "core/shown_report.h"
#include "main_window/main_form.h"
#include "quiet/quiet_controller.h"
#include "quiet/screen_reader.h"
#include "resources/resources.h"
#include "speech/audio/audio_output.h"
#include "speech/audio/sdl_media_control.h"
#include "shell/bring_forward.h"
#include "shell/command_line.h"
#include "shell/desktop_notice.h"
#include "shell/instance_channel.h"
#include "shell/quiet_wiring.h"
#include "shell/say_time.h"
#include "shell/start_sequence.h"
#include "shell/session_guard.h"
#include "shell/stderr_message_sink.h"
#include "shell/voice_option.h"
#include "shell/window_position.h"
#include "translations/interface_language.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

// How long a second start waits for the answer of a running clock, which
// answers once it has loaded.
constexpr int kLoadingClockWaitMs = 15000;

int refuseSecondClock()
{
    std::fprintf(stderr, "horavox: a clock is running but does not answer; not starting a second one\n");
    return 1;
}

// From the picture itself: a name without a suffix would have the icon look
// its type up in the system's whole MIME database first.
void setProgramIcon()
{
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(
        horavox::decodePicture(horavox::resourceBytes(QStringLiteral("ICON"), QStringLiteral("horavox"))))));
}

// With no display to open, a run that shows no window still works.
void chooseWindowlessPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// The program's own engines and speech-dispatcher, when it is installed.
horavox::DirectSS::Options engineOptions()
{
    horavox::DirectSS::Options o;
    o.engines = horavox::DirectSS::AllEngines | horavox::DirectSS::Dispatcher;
    return o;
}

// The voice named on the command line, else the stored one, else for a
// screen reader's user the one the screen reader speaks through. Without
// `lookForScreenReader` that last is left to lookForScreenReader().
// With none of those, the spoken language's own voice.
void chooseStartingVoice(horavox::DirectSS &engine, const QString &commandLine,
                         horavox::QuietPreferences preferences, bool lookForScreenReader)
{
    preferences.voice = horavox::startingVoice(commandLine, preferences.voice, engine.dispatcherOffered(), [=] {
        return lookForScreenReader && horavox::screenReaderRunning();
    });
    horavox::applySpokenLanguage(preferences, &engine);
}

// `--say-time` with no clock running: the window is loaded but never shown,
// says the time once and the program ends.
int sayTimeAlone(QApplication &app, const QString &voice)
{
    horavox::AudioOutput audio;
    // The own volume and the chosen voice hold for the one sentence too.
    const horavox::QuietPreferences quiet = horavox::quiet_preferences::load(horavox::quiet_preferences::path());
    audio.setVolume(quiet.volume);
    horavox::SdlMediaControl media(&audio);
    horavox::DirectSS engine(&audio, engineOptions());
    chooseStartingVoice(engine, voice, quiet, true);
    horavox::StderrMessageSink messages;

    horavox::MainForm window({horavox::systemClock(), media, engine, messages});
    window.Form_Load();
    // The sound before the time is the chosen chime here too.
    horavox::ChimeController chimes(horavox::systemClock(), audio, horavox::chime_preferences::path(),
                                    horavox::joinPath(horavox::dataDir(), QStringLiteral("chimes")));
    chimes.attach(&window);
    horavox::SayTimeRun run(window, engine);
    QObject::connect(&run, &horavox::SayTimeRun::finished, &app, [](bool completed) {
        if (!completed)
            std::fprintf(stderr, "horavox: the voice did not finish in time\n");
        QCoreApplication::exit(completed ? 0 : 1);
    });
    QTimer::singleShot(0, &run, &horavox::SayTimeRun::start);
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication::setApplicationName(QStringLiteral("horavox"));
    // No display name: Qt would add it behind every window's title on X11
    // ("Horavox Settings — Horavox", "Sound Card Check — Horavox"). Each
    // window names itself, and the desktop file names the program.
    QApplication::setApplicationVersion(QStringLiteral(HORAVOX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("horavox"));

    // Read before the application object exists: --help and --version must
    // work where no display can be opened.
    const horavox::CommandLine command = horavox::parseCommandLine(argumentsOf(argc, argv));
    horavox::setLanguageForRun(command.language);
    switch (command.action) {
    case horavox::CommandLine::Action::ShowHelp:
    case horavox::CommandLine::Action::ShowVersion:
        std::fputs(command.output.toLocal8Bit().constData(), stdout);
        return horavox::exitCodeFor(command.action);
    case horavox::CommandLine::Action::Fail:
        std::fputs(command.output.toLocal8Bit().constData(), stderr);
        return horavox::exitCodeFor(command.action);
    case horavox::CommandLine::Action::PrintTime: {
        // The sentence needs no window, no sound and no application object.
        const horavox::QuietPreferences quiet = horavox::quiet_preferences::load(horavox::quiet_preferences::path());
        horavox::setPreferredLanguage(quiet.language, quiet.clock);
        std::fputs((horavox::printedTimeSentence(horavox::systemClock()) + QLatin1Char('\n')).toLocal8Bit().constData(),
                   stdout);
        return 0;
    }
    case horavox::CommandLine::Action::SayTime:
        chooseWindowlessPlatform();
        break;
    case horavox::CommandLine::Action::Run:
        break;
    case horavox::CommandLine::Action::Mute:
    case horavox::CommandLine::Action::SkipNext:
    case horavox::CommandLine::Action::Status: {
        QCoreApplication app(argc, argv);
        return horavox::runQuietCommand(command);
    }
    case horavox::CommandLine::Action::PlayChime: {
        QCoreApplication app(argc, argv);
        // At the clock's own volume, as the clock would play it.
        const horavox::QuietPreferences quiet = horavox::quiet_preferences::load(horavox::quiet_preferences::path());
        return horavox::playChimeCommand(command.chime, horavox::systemClock(), quiet.volume);
    }
    case horavox::CommandLine::Action::ListVoices: {
        QCoreApplication app(argc, argv);
        horavox::DirectSS engine(nullptr, engineOptions());
        for (const QString &id : horavox::voiceIds(engine))
            std::printf("%s\n", id.toLocal8Bit().constData());
        return 0;
    }
    }
    const bool sayTime = command.action == horavox::CommandLine::Action::SayTime;

    QApplication app(argc, argv);
    // Before any window or message is made; nothing is loaded for English.
    horavox::installDesktopInterfaceLanguage();
    // A voice that cannot be used is an error before anything else happens,
    // a running clock's hand-over included.
    if (!command.voice.isEmpty()) {
        horavox::DirectSS probe(nullptr, engineOptions());
        QString error;
        if (!horavox::chooseCommandLineVoice(probe, command.voice, &error)) {
            std::fputs(error.toLocal8Bit().constData(), stderr);
            return 1;
        }
    }

    // One clock per user: a running one takes the request instead. A
    // benchmark run measures a start of its own and must not be handed over.
    const bool benchRun = qEnvironmentVariableIsSet("HORAVOX_BENCH_SHOWN");
    const QString socketPath = horavox::instanceSocketPath();
    const horavox::InstanceCommand request =
        sayTime ? horavox::InstanceCommand::SayTime : horavox::InstanceCommand::Raise;
    // The token from our launcher lets the running clock come forward on
    // Wayland; it is of no use to a clock that only speaks.
    const QByteArray token = sayTime ? QByteArray() : horavox::activationTokenFromEnvironment();
    // A clock that takes the connection but does not answer yet is still
    // loading (it answers once loaded, and a session start can be slow), so
    // the answer is waited for; asking again would have it act twice. A
    // second clock beside it would make every announcement, the start-up
    // one first, twice.
    //
    // A sentence in a language of its own is said by this run: the running
    // clock speaks its own language, in its own voice.
    const bool ownLanguage = sayTime && !command.language.isEmpty();
    // So is a voice asked for one sentence.
    const bool ownVoice = sayTime && !command.voice.isEmpty();
    const horavox::HandOver handOver = benchRun || ownLanguage || ownVoice
        ? horavox::HandOver::NoInstance
        : horavox::sendToRunningInstance(socketPath, request, kLoadingClockWaitMs, token);
    if (handOver == horavox::HandOver::Delivered)
        return 0;
    if (handOver == horavox::HandOver::Unanswered && !sayTime)
        return refuseSecondClock();
    if (sayTime) {
        setProgramIcon(); // for a message box the sentence may bring
        return sayTimeAlone(app, command.voice);
    }

    horavox::InstanceServer server;
    // Requests wait until the clock has loaded what they act on.
    server.setAccepting(false);
    if (!benchRun) {
        if (handOver == horavox::HandOver::NoInstance && !server.listen(socketPath)) {
            // Another clock started in the same moment and won the socket;
            // it is loading still.
            const horavox::HandOver winner =
                horavox::sendToRunningInstance(socketPath, request, kLoadingClockWaitMs, token);
            if (winner == horavox::HandOver::Delivered)
                return 0;
            if (winner == horavox::HandOver::Unanswered)
                return refuseSecondClock();
        }
        if (!server.isListening())
            std::fprintf(stderr, "horavox: cannot listen on %s; a second start will open a second clock\n",
                         qPrintable(socketPath));
    }

    horavox::AudioOutput audio;
    horavox::SdlMediaControl media(&audio);
    horavox::DirectSS engine(&audio, engineOptions());
    horavox::DialogMessageSink messages;

    horavox::QuietController quiet(horavox::systemClock());
    // Before the load, which may already speak and names the voice.
    // The screen reader is looked for once the face is up: the bus is no
    // business of the first frame.
    chooseStartingVoice(engine, command.voice, quiet.preferences(), false);
    horavox::MainForm window({horavox::systemClock(), media, engine, messages, &quiet.gate()});
    horavox::WindowPositionKeeper position(&window, horavox::windowPositionPath());
    horavox::SessionGuard session([&window, &position] {
        const QString lost = window.saveForExit();
        position.flush();
        horavox::sendDesktopNotice(QDBusConnection::sessionBus(),
                                   QCoreApplication::translate("horavox::MainForm", "Horavox settings not saved"),
                                   lost);
    });
    session.installSignalHandlers();
    QObject::connect(&session, &horavox::SessionGuard::terminationRequested, &app, &QApplication::quit);
    QObject::connect(&window, &horavox::MainForm::finished, &session, [&session, &position] {
        // The close sequence has saved the settings; the place is all that is left.
        session.alreadySaved();
        position.flush();
    });
    QObject::connect(&window, &horavox::MainForm::finished, &app, &QApplication::quit, Qt::QueuedConnection);

    // What the window does not need to show the time comes after its first
    // paint: the rest of its load, quiet times (tray icon, the call and
    // do-not-disturb watches, the media pauser) and the timers.
    // A benchmark measures the clock alone, without a tray or watches.
    horavox::QuietWiring quietWiring(quiet, window, audio, benchRun ? nullptr : &server,
                                     {.tray = !benchRun, .monitors = !benchRun, .engine = &engine});
    horavox::ChimeController chimes(horavox::systemClock(), audio, horavox::chime_preferences::path(),
                                    horavox::joinPath(horavox::dataDir(), QStringLiteral("chimes")));
    QObject::connect(&chimes, &horavox::ChimeController::notSaved, &window, [&window](const QString &why) {
        window.messages().information(&window, QStringLiteral("Horavox"), why);
    });
    horavox::StartSequence start(window, [&] {
        // The desktop file names the icon for the launcher and the task bar;
        // the window's own copy (and the tray's, and the message boxes')
        // comes after the first frame, which does not show it.
        setProgramIcon();
        if (!benchRun && command.voice.isEmpty() && quiet.preferences().voice.isEmpty())
            chooseStartingVoice(engine, QString(), quiet.preferences(), true);
        quietWiring.start();
        chimes.setAdmitsNextMinute([&quiet] { return quiet.gate().quietNotice().isEmpty(); });
        chimes.attach(&window);
        quietWiring.addToTray(horavox::addChimesToClockMenu(chimes, audio, window));
        window.startTimers();
        server.setAccepting(true);
    });
    QObject::connect(&server, &horavox::InstanceServer::commandReceived, &window,
                     [&window](horavox::InstanceCommand c, const QByteArray &argument) {
                         if (c == horavox::InstanceCommand::Raise)
                             horavox::bringForward(window, argument);
                         else
                             horavox::requestTimeAnnouncement(window);
                     });

    start.begin();
    position.restore();
    window.show();
    benchReportShown(&window);
    return app.exec();
}
