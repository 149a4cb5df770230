#include "quiet_wiring.h"

#include "instance_channel.h"
#include "components/direct_ss.h"
#include "main_window/clock_actions.h"
#include "main_window/main_form.h"
#include "quiet/call_monitor.h"
#include "quiet/dnd_monitor.h"
#include "quiet/media_pauser.h"
#include "quiet/quiet_actions.h"
#include "quiet/quiet_controller.h"
#include "quiet/quiet_dialog.h"
#include "quiet/quiet_mark.h"
#include "quiet/quiet_tray.h"
#include "say_time.h"
#include "settings/settings_window.h"
#include "speech/audio/audio_output.h"

#include <QApplication>
#include <QIcon>

namespace horavox {

QList<VoiceChoice> voiceChoices(const DirectSS &engine)
{
    QList<VoiceChoice> choices;
    for (qint32 v = 0; v < engine.voiceCount(); ++v) {
        const QString id = engine.voiceId(v);
        // A voice whose engine failed to start cannot be chosen any more.
        if (engine.voiceIndex(id) == v)
            choices.append({id, engine.voiceLabel(v)});
    }
    // The labels begin with the language, so this groups the voices by it.
    std::stable_sort(choices.begin(), choices.end(), [](const VoiceChoice &a, const VoiceChoice &b) {
        return QString::localeAwareCompare(a.label, b.label) < 0;
    });
    return choices;
}

QuietWiring::QuietWiring(QuietController &controller, MainForm &window, AudioOutput &audio, InstanceServer *server,
                         const Parts &parts, QObject *parent)
    : QObject(parent), m_controller(controller), m_window(window), m_audio(audio), m_parts(parts)
{
    controller.setScheduleSource([&window] {
        ScheduleView s;
        s.interval = window.state().AnnounceInterval;
        if (Settings *settings = window.settingsWindow()) {
            s.start = settings->startBound();
            s.end = settings->endBound();
            s.alarmMode = settings->alarmMode() != 0;
        }
        return s;
    });

    audio.setVolume(controller.preferences().volume);
    connect(&controller, &QuietController::volumeChanged, &audio, &AudioOutput::setVolume);
    // The stored voice was chosen before the window's load, which may speak;
    // a new choice speaks from the next sentence on.
    m_engine = parts.engine;
    if (DirectSS *engine = m_engine)
        connect(&controller, &QuietController::voiceChanged, engine, [engine](const QString &id) { engine->chooseVoice(id); });

    m_actions = std::make_unique<QuietActions>(controller);
    connect(m_actions.get(), &QuietActions::dialogRequested, this, &QuietWiring::openDialog);
    addToClockMenu();

    m_mark = new QuietMark(&window);
    connect(&controller, &QuietController::changed, this, &QuietWiring::refresh);

    if (server) {
        server->setQuietHandler([&controller](const QuietRequest &r) {
            QuietGate &gate = controller.gate();
            if (r.kind == QuietRequest::Kind::Mute)
                gate.muteForMinutes(r.minutes);
            else if (r.kind == QuietRequest::Kind::SkipNext)
                gate.setSkipNext(true);
            return controller.statusText();
        });
    }
    refresh();
}

void QuietWiring::start()
{
    if (m_started)
        return;
    m_started = true;
    addToClockMenu();
    if (m_parts.tray)
        startTray();
    if (m_parts.monitors)
        startMonitors(m_audio);
}

void QuietWiring::addToClockMenu()
{
    // The clock's own right-click menu offers them too: muting is what a
    // person reaches for at the moment the clock speaks up, on the clock.
    ClockActions *menu = m_window.clockActions();
    if (m_inClockMenu || !menu)
        return;
    m_inClockMenu = true;
    menu->addSection(tr("Quiet"), m_actions->actions());
    connect(menu, &ClockActions::aboutToShowMenu, m_actions.get(), &QuietActions::refresh);
}

void QuietWiring::startTray()
{
    // The offscreen platform (tests, --say-time) has no tray to show in.
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    MainForm &window = m_window;
    m_tray = std::make_unique<QuietTray>(m_controller, *m_actions, QApplication::windowIcon());
    connect(m_tray.get(), &QuietTray::sayTimeRequested, &window, [&window] { requestTimeAnnouncement(window); });
    connect(m_tray.get(), &QuietTray::settingsRequested, &window, [&window] {
        window.showNormal();
        window.openSettings();
    });
    connect(m_tray.get(), &QuietTray::showHideRequested, &window, [&window] {
        if (window.isVisible() && !window.isMinimized()) {
            window.hide();
        } else {
            window.showNormal();
            window.raise();
            window.activateWindow();
        }
    });
    connect(m_tray->menu(), &QMenu::aboutToShow, this,
            [this] { m_tray->setClockShown(m_window.isVisible() && !m_window.isMinimized()); });
    connect(m_tray.get(), &QuietTray::quitRequested, &window, &MainForm::closeSequence);
    m_tray->show();
}

void QuietWiring::startMonitors(AudioOutput &audio)
{
    QuietGate &gate = m_controller.gate();
    m_calls = new CallMonitor(this);
    connect(m_calls, &CallMonitor::inCallChanged, &gate, &QuietGate::setInCall);
    m_calls->start();
    m_dnd = new DndMonitor(QDBusConnection::sessionBus(), this);
    connect(m_dnd, &DndMonitor::activeChanged, &gate, &QuietGate::setDoNotDisturb);
    m_dnd->start();
    m_pauser = new MediaPauser(QDBusConnection::sessionBus(), this);
    // The device opens with the first sound and closes after a spell of
    // silence, so clips and the pauses between them are one stretch.
    connect(&audio, &AudioOutput::deviceOpened, m_pauser, [this] {
        m_pauser->setEnabled(m_controller.preferences().pauseMedia);
        m_pauser->voiceStarted();
    });
    connect(&audio, &AudioOutput::deviceClosed, m_pauser, &MediaPauser::voiceEnded);
}

// The mark and the dialog are the window's children and go with it.
QuietWiring::~QuietWiring() = default;

QuietDialog *QuietWiring::openDialog()
{
    if (!m_dialog)
        m_dialog = new QuietDialog(m_controller, &m_window);
    // Again at every opening: an engine that failed since is left out.
    if (m_engine)
        m_dialog->setVoiceChoices(voiceChoices(*m_engine));
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
    return m_dialog;
}

void QuietWiring::refresh()
{
    m_mark->setHold(m_controller.gate().holdText());
}

} // namespace horavox
