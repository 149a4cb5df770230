// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiet_wiring.h"

#include "instance_channel.h"
#include "engines/direct_ss.h"
#include "core/clock.h"
#include "core/message_sink.h"
#include "engines/dispatcher_voice.h"
#include "main_window/clock_actions.h"
#include "main_window/main_form.h"
#include "quiet/call_monitor.h"
#include "quiet/dnd_monitor.h"
#include "quiet/media_pauser.h"
#include "quiet/quiet_actions.h"
#include "quiet/quiet_controller.h"
#include "quiet/quiet_dialog.h"
#include "quiet/quiet_preferences.h"
#include "quiet/quiet_mark.h"
#include "quiet/quiet_tray.h"
#include "quiet/tray_host_watch.h"
#include "say_time.h"
#include "settings/settings_window.h"
#include "speech/audio/audio_output.h"
#include "speech/language/spoken_language.h"

#include <QApplication>
#include <QIcon>
#include <algorithm>

namespace horavox {

QList<VoiceChoice> voiceChoices(const DirectSS &engine)
{
    QList<VoiceChoice> choices;
    const QString language = dispatcherLanguage().section(QLatin1Char('-'), 0, 0);
    for (qint32 v = 0; v < engine.voiceCount(); ++v) {
        const QString id = engine.voiceId(v);
        // A voice whose engine failed to start cannot be chosen any more.
        if (engine.voiceIndex(id) != v)
            continue;
        // speech-dispatcher's modules offer thousands of voices in every
        // language; those of the language the clock speaks are the ones
        // that can say its sentences. The chosen one stays in the list.
        const QString spoken = engine.voiceLanguage(v);
        if (!spoken.isEmpty() && spoken.section(QLatin1Char('-'), 0, 0).compare(language, Qt::CaseInsensitive) != 0
            && v != engine.TtsCurrentVoice())
            continue;
        // Offered as the preferences keep it; one too long for them to keep
        // is not offered at all (--voice still reaches it).
        const QString stored = DirectSS::storableVoiceId(id);
        if (stored.size() > kMaxStoredVoiceLength)
            continue;
        // Named as the settings window names the voice, so the two never
        // disagree about which one speaks.
        choices.append({stored, engine.readableVoiceName(v), engine.voiceLabel(v)});
    }
    // The descriptions begin with the language, so this groups the voices by it.
    std::stable_sort(choices.begin(), choices.end(), [](const VoiceChoice &a, const VoiceChoice &b) {
        return QString::localeAwareCompare(a.description, b.description) < 0;
    });
    return choices;
}

QStringList languageChoices(const DirectSS &engine)
{
    QStringList codes;
    for (const QString &code : spokenLanguages()) {
        const QString voice = languageVoiceId(code);
        if (voice.isEmpty() ? engine.voiceCount() > 0 : engine.voiceIndex(voice) >= 0)
            codes << code;
    }
    return codes;
}

void applySpokenLanguage(const QuietPreferences &preferences, DirectSS *engine)
{
    setPreferredLanguage(preferences.language, preferences.clock);
    if (engine) {
        setSpeakableLanguages(languageChoices(*engine));
        engine->chooseVoice(voiceForLanguage(preferences.voice, currentLanguage()));
    }
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
    if (DirectSS *engine = m_engine) {
        const auto apply = [&controller, engine] { applySpokenLanguage(controller.preferences(), engine); };
        connect(&controller, &QuietController::voiceChanged, engine, apply);
        connect(&controller, &QuietController::languageChanged, engine, apply);
        connect(engine, &DirectSS::dispatcherVoicesChanged, this, [this] {
            if (m_dialog)
                m_dialog->setVoiceChoices(voiceChoices(*m_engine));
        });
    } else {
        connect(&controller, &QuietController::languageChanged, this,
                [&controller] { applySpokenLanguage(controller.preferences(), nullptr); });
    }

    m_actions = std::make_unique<QuietActions>(controller);
    connect(m_actions.get(), &QuietActions::dialogRequested, this, &QuietWiring::openDialog);
    addToClockMenu();

    m_mark = new QuietMark(&window);
    connect(&controller, &QuietController::changed, this, &QuietWiring::refresh);
    m_midnight.setSingleShot(true);
    connect(&m_midnight, &QTimer::timeout, this, &QuietWiring::refresh);

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
    const QString path = m_controller.path();
    if (!m_controller.readFailure().isEmpty())
        m_window.messages().information(&m_window, QStringLiteral("Horavox"),
                                        tr("The quiet times and voice choices in %1 could not be read: "
                                           "%2.\n\nThis run uses the defaults and leaves the file as "
                                           "it is.")
                                            .arg(path, m_controller.readFailure()));
    connect(&m_controller, &QuietController::notSaved, this, [this, path](const QString &why) {
        m_window.messages().information(&m_window, QStringLiteral("Horavox"),
                                        tr("The quiet times and voice choices were not saved to %1: %2.")
                                            .arg(path, why));
    });
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
    const QString platform = QGuiApplication::platformName();
    // The offscreen platform (tests, --say-time) has no tray to show in.
    if (platform == QLatin1String("offscreen"))
        return;
    // X11 has a tray of its own besides the desktop's watcher, which Qt
    // finds by itself. Elsewhere the icon waits for a watcher with a host,
    // and goes when it goes.
    if (platform == QLatin1String("xcb")) {
        makeTray();
        return;
    }
    m_trayHost = new TrayHostWatch(QDBusConnection::sessionBus(), this);
    connect(m_trayHost, &TrayHostWatch::availableChanged, this, [this](bool available) {
        if (available) {
            makeTray();
            return;
        }
        m_tray.reset();
        // Hidden from the tray's menu, the clock would have no way back.
        if (m_window.isHidden())
            m_window.showNormal();
    });
    m_trayHost->start();
}

void QuietWiring::makeTray()
{
    if (m_tray)
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
    for (QAction *extra : std::as_const(m_trayExtras))
        if (extra)
            m_tray->addAction(extra);
    m_tray->show();
}

void QuietWiring::addToTray(QAction *action)
{
    if (!action)
        return;
    m_trayExtras << action;
    if (m_tray)
        m_tray->addAction(action);
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
    // Again at every opening: an engine that failed since is left out, and
    // speech-dispatcher's modules are asked what they have now (their list
    // follows when it comes: thousands of voices take a moment).
    if (m_engine) {
        m_dialog->setVoiceChoices(voiceChoices(*m_engine));
        m_dialog->setLanguageChoices(languageChoices(*m_engine));
        m_engine->requestDispatcherVoices();
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
    return m_dialog;
}

void QuietWiring::refresh()
{
    const QString notice = m_controller.gate().quietNotice();
    m_mark->setNotice(notice);
    m_window.setQuietNotice(notice);
    // A day left out begins and ends at midnight, when nothing else changes.
    const QDateTime now = m_controller.clock().now();
    const qint64 toMidnight = now.msecsTo(QDateTime(now.date().addDays(1), QTime(0, 0))) + 1000;
    m_midnight.start(int(std::clamp<qint64>(toMidnight, 1000, 25 * 3600 * 1000)));
}

} // namespace horavox
