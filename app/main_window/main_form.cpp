// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_form.h"

#include "ui_main_form.h"

#include "about/about_window.h"
#include "chimes/bleep_stand_in.h"
#include "core/speech_engine.h"
#include "core/clock.h"
#include "core/message_sink.h"
#include "core/paths.h"
#include "core/time_texts.h"
#include "main_window/clock_access.h"
#include "main_window/scheduler/alarm_period.h"
#include "main_window/scheduler/clock_face.h"
#include "main_window/scheduler/dispatch_pump.h"
#include "main_window/scheduler/dispatcher.h"
#include "main_window/scheduler/slider_file.h"
#include "main_window/window_region.h"
#include "resources/picture_from_res.h"
#include "resources/resources.h"
#include "settings/settings_window.h"
#include "skin/picture_button.h"
#include "skin/surface_drag.h"
#include "speech/clip_table.h"
#include "speech/clip_words.h"
#include "speech/audio/wav_reader.h"
#include "core/media_control.h"
#include "speech/language/spoken_language.h"
#include "speech/sentences.h"
#include "speech/tts_announcer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <QScreen>

namespace horavox {

namespace {
const QString kAlias = QStringLiteral("voice1");
// How long past a clip's own length the player may stay silent before the
// wait gives up on it; a stalled device must not hang the program.
constexpr qint64 kPlaybackMarginMs = 1500;
} // namespace

// The dispatcher's actions land here, on the window that owns the player.
class MainFormDispatchHost final : public DispatcherHost
{
public:
    explicit MainFormDispatchHost(MainForm &form) : m_form(form) {}
    void PlayBleep() override { m_form.PlayBleep(); }
    bool wordsFollowBleep() const override { return m_form.wordsFollowBleep(); }
    void SpeakTimeClips() override { m_form.SpeakTimeClips(); }
    void SpeakElapsedClips() override { m_form.SpeakElapsedClips(); }
    void setLamps(bool lit) override { m_form.setLamp(lit); }
    bool playerHeld() const override { return m_form.soundMessageOpen(); }

private:
    MainForm &m_form;
};

MainForm::MainForm(const MainFormServices &services, QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_services(services)
    , m_ui(std::make_unique<Ui::MainForm>())
{
    ClockAccess::installAccessibility();
    m_ui->setupUi(this);
    // Any button drags the window by its surface.
    SurfaceDrag::attach(this);
    // A picture without behaviour, but a control: a press on it is not a
    // press on the surface.
    m_ui->Image2->setAttribute(Qt::WA_NoMousePropagation);
    setFixedSize(302, 97);
    // See-through outside the outline, for the platforms where the mask
    // only limits where clicks land (Wayland) or where a compositor shows
    // what is painted there.
    setAttribute(Qt::WA_TranslucentBackground);

    // Design values of the digit display.
    m_ui->Numeron1->setDigitDisplay(QStringLiteral("543"));
    m_ui->Numeron1->setDigitColor(Numeron::dgGreen);
    m_ui->Numeron1->setDigitOutLine(false);
    m_ui->Numeron1->setDigitSize(Numeron::dgSmall);
    m_ui->Numeron1->setDigitFormat(Numeron::dgLongTime);

    QFont labelFont = font();
    labelFont.setPixelSize(11);
    labelFont.setBold(true);
    m_ui->Label1->setFont(labelFont);
    QPalette pal = m_ui->Label1->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
    m_ui->Label1->setPalette(pal);
    m_ui->Label2->setPalette(pal);

    m_timer1.setSingleShot(true);
    m_timer1.setTimerType(Qt::PreciseTimer);
    connect(&m_timer1, &QTimer::timeout, this, [this] {
        Timer1_Timer();
        scheduleClockTick();
    });
    m_timer3.setInterval(1000);
    m_timer3.setTimerType(Qt::PreciseTimer);
    connect(&m_timer3, &QTimer::timeout, this, &MainForm::Timer3_Timer);
}

MainForm::~MainForm()
{
    if (m_about)
        delete m_about.data();
}

QDateTime MainForm::now() const
{
    return m_services.clock.now();
}

void MainForm::Form_Load()
{
    finishLoad(); // the face first, then the rest
}

void MainForm::loadFace()
{
    if (m_faceLoaded)
        return;
    m_faceLoaded = true;

    // 2.-4. The lamps and the About button. The lit lamp is only seen once a
    // voice speaks; its picture comes with the rest of the load.
    m_ui->SheerPicture2->setPicture(PictureFromRes(102, QStringLiteral("Custom")), 0, 0);
    m_ui->SheerPicture1->setVisible(false);
    m_ui->SheerPicture2->setVisible(true);
    m_ui->QuesB->setPicture(PictureFromRes(103, QStringLiteral("Custom")), 0, 0);

    // 5.-6. The skin and the button pictures.
    m_skin = bitmapResource(QStringLiteral("TCSKIN"));
    m_ui->SpeakB->setPictures(bitmapResource(QStringLiteral("SPEAKUP")), bitmapResource(QStringLiteral("SPEAKDOWN")));
    m_ui->SettingsB->setPictures(bitmapResource(QStringLiteral("SETTINGSUP")),
                                 bitmapResource(QStringLiteral("SETTINGSDOWN")));
    m_ui->Min->setPictures(bitmapResource(QStringLiteral("MINUSUP")), bitmapResource(QStringLiteral("MINUSDOWN")));
    m_ui->CloseB->setPictures(bitmapResource(QStringLiteral("XUP")), bitmapResource(QStringLiteral("XDOWN")));
    m_ui->Image2->setPixmap(bitmapResource(QStringLiteral("IMAGE2")));

    // 7. The slider where its file left it; the interval it sets takes
    // effect once the settings are in (see finishLoad()).
    SliderCheck(sliderFilePath());
    m_ui->Spanbar1->setInitial(
        qint16(readSliderFile(sliderFilePath(), &m_sliderReadFailure).value_or(kDefaultSliderPosition)));

    // 8. The five-cornered shape.
    const qreal dpiX = screen() ? screen()->logicalDotsPerInchX() : 96.0;
    const qreal dpiY = screen() ? screen()->logicalDotsPerInchY() : 96.0;
    m_outline = windowOutline(1.0f, 1.0f, 0, 0, 1440.0 / dpiX, 1440.0 / dpiY);
    const QRegion shape = BuildWindowRegion(1.0f, 1.0f, 0, 0, 1440.0 / dpiX, 1440.0 / dpiY);
    setMask(shape);
    // Where the mask does not cut what is shown, a picture that reaches
    // past the outline would show a square corner; cut each to the shape.
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !QRegion(child->geometry()).subtracted(shape).isEmpty())
            child->setMask(shape.translated(-child->pos()));
    }

    // 9. The clock face.
    ShowClockFace();

    // 11. Alarm mode is off at start.
    m_ui->Label2->setText(QString());

    // Names, keys and the menu before the first paint: a screen reader asks
    // what a part is as soon as it is shown, and keeps the answer.
    ClockActions::Handlers commands;
    commands.sayTime = [this] { speakNow(); };
    commands.settings = [this] { openSettings(); };
    commands.about = [this] { openAbout(); };
    commands.minimize = [this] { showMinimized(); };
    commands.close = [this] { closeSequence(); };
    m_access = new ClockAccess(*this,
                               {m_ui->Numeron1, m_ui->Spanbar1, m_ui->SpeakB, m_ui->SettingsB, m_ui->Min,
                                m_ui->CloseB, m_ui->QuesB, m_ui->SheerPicture1, m_ui->SheerPicture2},
                               commands);
}

void MainForm::finishLoad()
{
    loadFace();
    if (m_settings)
        return;

    // 1. The settings window: its controls are the settings for the whole
    // run. Its load sees the interval still at 0, as at every start, so the
    // minute the program starts in is never announced for having changed.
    m_settings = new Settings(m_state, m_services.clock, m_services.engine, m_services.messages, this);
    m_announcer = std::make_unique<TtsAnnouncer>(*m_settings, m_state, m_services.clock);
    m_settings->setAnnouncer(m_announcer.get());
    m_settings->load();

    m_ui->SheerPicture1->setPicture(PictureFromRes(101, QStringLiteral("Custom")), 0, 0);

    // The buttons act on release, with their released picture back.
    connect(m_ui->SpeakB, &PictureButton::released, this, &MainForm::speakNow);
    // Pointed at, the button may be pressed: the audio layer and the engine
    // start while the hand is still on its way. Pressed, it is about to
    // speak: the device opens while the finger is still down.
    connect(m_ui->SpeakB, &PictureButton::pointerEntered, this, [this] { prepareToSpeak(false); });
    connect(m_ui->SpeakB, &PictureButton::pressed, this, [this] { prepareToSpeak(true); });
    connect(m_ui->SettingsB, &PictureButton::released, this, &MainForm::openSettings);
    connect(m_ui->Min, &PictureButton::released, this, &MainForm::showMinimized);
    connect(m_ui->CloseB, &PictureButton::released, this, &MainForm::closeSequence);
    connect(m_ui->QuesB, &SheerPicture::mouseDown, this, [this] {
        m_ui->QuesB->setPicture(PictureFromRes(104, QStringLiteral("Custom")), 0, 0);
    });
    connect(m_ui->QuesB, &SheerPicture::mouseUp, this, [this] {
        m_ui->QuesB->setPicture(PictureFromRes(103, QStringLiteral("Custom")), 0, 0);
        openAbout();
    });

    // 7. The interval the slider holds.
    connect(m_ui->Spanbar1, &Spanbar::Changed, this, [this](qint16, qint16) { sliderChanged(); });
    connect(m_ui->Spanbar1, &Spanbar::MouseDown, this, [this](qint16, qint16, float, float) { sliderMouseDown(); });
    connect(m_ui->Spanbar1, &Spanbar::MouseUp, this,
            [this](qint16 button, qint16, float, float) { sliderMouseUp(button); });
    m_state.AnnounceInterval = m_ui->Spanbar1->RangeLeft();

    // 10. The voice clips that are missing or that the player cannot read,
    // in table order: before anything can be announced, so that a start-up
    // request is only served with every clip file in place.
    QList<QPair<QString, QString>> clips;
    for (const ClipRow &row : kClipTable)
        clips.append({QLatin1String(row.resource), clipFilePath(clipName(row.key))});
    WriteVoiceClips(clips, [](const QString &path) { return readWavFile(path).ok(); });

    // 12. The alarm period is not running.
    m_timer3.stop();

    m_dispatchHost = std::make_unique<MainFormDispatchHost>(*this);
    m_dispatcher = std::make_unique<Dispatcher>(*m_settings, m_state, *m_announcer, *m_dispatchHost,
                                                m_services.clock);
    m_alarm = std::make_unique<AlarmPeriod>(m_services.clock, m_state, *m_dispatcher);
    m_announcer->setGate(m_services.gate);
    m_dispatcher->setGate(m_services.gate);
    m_pump = new DispatchPump(*m_dispatcher, this);

    connect(m_settings, &Settings::lampsToIdle, this, [this] { setLamp(false); });
    connect(m_settings, &Settings::alarmModeSwitchedOff, this, [this] {
        m_ui->Label2->setText(QString());
        m_timer3.stop();
        m_alarm->stop();
    });
    connect(m_settings, &Settings::settingsChanged, this, &MainForm::scheduleDispatch);
    connect(&m_services.engine, &SpeechEngine::busyChanged, this, &MainForm::scheduleDispatch);
    connect(&m_services.media, &MediaControl::playbackEnded, this, &MainForm::scheduleDispatch);

    if (!m_sliderReadFailure.isEmpty())
        m_services.messages.information(
            this, QStringLiteral("Horavox"),
            tr("The slider position in %1 could not be read: %2.\n\n"
               "This run starts at one minute and leaves the file as it is.")
                .arg(sliderFilePath(), m_sliderReadFailure));
    m_loadFinished = true;
}

ClockActions *MainForm::clockActions() const
{
    return m_access ? m_access->actions() : nullptr;
}

void MainForm::startTimers()
{
    scheduleClockTick();
    scheduleDispatch();
}

void MainForm::scheduleClockTick()
{
    // Aligned to the wall clock's second, so the face changes with it.
    m_timer1.start(msUntilNextSecond(now()));
}

void MainForm::scheduleDispatch()
{
    if (m_dispatchQueued || m_closing)
        return;
    // Run once the current handler has returned, as the 10 ms tick would.
    m_dispatchQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_dispatchQueued = false;
        Timer2_Timer();
    });
}

// ---- Clock tick and dispatcher -------------------------------------------

void MainForm::ShowClockFace()
{
    m_minutesUntil = QDateTime();
    showTime(now());
}

void MainForm::showTime(const QDateTime &t)
{
    m_ui->Numeron1->setDigitFormat(Numeron::dgLongTime);
    const ClockFace face = splitClockText(longClockText(t.time()));
    // To the minute: a reading that changed every second would have a
    // screen reader start over while it speaks.
    const QString reading = timeReading(t.time());
    m_ui->Numeron1->setDigitAccessibleText(reading);
    m_ui->Numeron1->setDigitDisplay(face.digits);
    m_ui->Label1->setText(face.suffix);
    const QString description =
        m_quietNotice.isEmpty() ? reading : reading + QStringLiteral(". ") + m_quietNotice;
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
}

void MainForm::setQuietNotice(const QString &notice)
{
    if (notice == m_quietNotice)
        return;
    m_quietNotice = notice;
    const QString reading = timeReading(now().time());
    setAccessibleDescription(notice.isEmpty() ? reading : reading + QStringLiteral(". ") + notice);
}

bool MainForm::showsMinutes(const QDateTime &t) const
{
    return m_sliderHeld || (m_minutesUntil.isValid() && t < m_minutesUntil);
}

void MainForm::Timer1_Timer()
{
    // While the slider's pointer is held the display shows its minutes; the
    // clock goes on counting behind it and takes the display back at release.
    const QDateTime t = now();
    m_state.ShortTimeText = shortTimeText(t.time());
    if (m_settings)
        m_settings->Command1();
    if (!showsMinutes(t)) {
        m_minutesUntil = QDateTime();
        showTime(t);
    }
    prepareForDueMinute(t);
    scheduleDispatch();
}

void MainForm::Timer2_Timer()
{
    // The pump polls every 10 ms only while a request waits or a voice
    // speaks; an idle clock wakes once a second.
    if (m_pump && !m_closing)
        m_pump->kick();
}

void MainForm::Timer3_Timer()
{
    if (m_alarm && m_alarm->tick())
        Timer2_Timer();
}

// ---- Clip playback -------------------------------------------------------

void MainForm::setLamp(bool speaking)
{
    m_ui->SheerPicture1->setVisible(speaking);
    m_ui->SheerPicture2->setVisible(!speaking);
}

void MainForm::prepareForDueMinute(const QDateTime &t)
{
    // The second before a due minute: the sound device wakes now, so that
    // its lead-in and the sound server's wake-up are over when the minute
    // comes and the announcement starts at once; the first sentence of a run
    // finds its engine started too.
    if (t.time().second() != 59 || !m_state.InTimeWindow)
        return;
    if (dueMinutes(m_state.AnnounceInterval).contains((t.time().minute() + 1) % 60))
        prepareToSpeak(true);
}

bool MainForm::IsWavePlaying(const QString &sAlias)
{
    QString reply;
    m_services.media.sendString(QStringLiteral("status ") + sAlias + QStringLiteral(" mode"), &reply);
    m_state.WaveModeText = StripNull(reply);
    return m_state.clipPlaying();
}

void MainForm::PlayWav()
{
    if (m_closing)
        return;
    if (m_services.media.waveOutDeviceCount() == 0) {
        // Told once until a device is found again: one box per clip, and a
        // new announcement started inside an open box, would bury the user.
        if (!m_noDeviceReported) {
            m_noDeviceReported = true;
            m_soundMessageOpen = true;
            QPointer<MainForm> self(this);
            m_services.messages.informThen(this, tr("Sound Card Check"),
                                           tr("Your system cannot play WAV files"), [self] {
                                               if (!self)
                                                   return;
                                               self->m_soundMessageOpen = false;
                                               self->scheduleDispatch();
                                           });
        }
        return;
    }
    m_noDeviceReported = false;
    MediaControl &media = m_services.media;
    media.sendString(QStringLiteral("open ") + m_currentWav + QStringLiteral(" type waveaudio alias voice1"));
    media.sendString(QStringLiteral("play voice1"));
    setLamp(true);

    const qint64 length = media.lengthMs(kAlias);
    const qint64 deadline = m_services.clock.monotonicMs() + qMax<qint64>(length, 0) + kPlaybackMarginMs;
    while (IsWavePlaying(kAlias)) {
        if (m_closing)
            break;
        if (m_services.clock.monotonicMs() > deadline) {
            media.sendString(QStringLiteral("stop voice1"));
            break;
        }
        // Let the other events run, then sleep until the clip ends or a
        // short while has passed; never spin.
        QEventLoop wait;
        const auto conn = connect(&media, &MediaControl::playbackEnded, &wait, [&wait](const QString &alias) {
            if (alias == QLatin1String("voice1"))
                wait.quit();
        });
        QTimer::singleShot(20, &wait, &QEventLoop::quit);
        wait.exec();
        disconnect(conn);
    }
    media.sendString(QStringLiteral("close voice1"));
    // The alias is closed, so nothing plays now, whatever the last reply was.
    // A clip given up on (or cut off by the close) would otherwise leave
    // "playing" behind and hold every later announcement back for good.
    if (m_state.clipPlaying())
        m_state.WaveModeText = QStringLiteral("stopped");
    if (!m_closing)
        setLamp(false);
}

void MainForm::PlayBleep()
{
    // An elapsed-time announcement keeps its bleep: a chime tells the time
    // of day, not the minutes gone.
    m_bleepStoodIn = m_bleepStandIn && m_settings && m_settings->alarmMode() == 0
                     && m_bleepStandIn->playInPlaceOfBleep(*this);
    if (m_bleepStoodIn)
        return;
    m_currentWav = clipName("A");
    PlayWav();
    PlayWav();
}

bool MainForm::wordsFollowBleep() const
{
    return !m_bleepStoodIn || m_bleepStandIn->wordsFollow();
}

void MainForm::playClip(const QString &clip)
{
    m_currentWav = clip;
    PlayWav();
}

void MainForm::playClips(const QStringList &clips)
{
    for (const QString &c : clips) {
        if (m_closing)
            return;
        playClip(c);
    }
}

void MainForm::SpeakTimeClips()
{
    playClip(timeClipName());
    // The time is read after the lead-in, so a lead-in that crosses a minute
    // boundary speaks the new minute.
    playClips(timeWords(longClockText(now().time())));
}

void MainForm::TimeInitialWav()
{
    playClips(timeWords(AlarmStartStamp()));
}

void MainForm::SpeakElapsedClips()
{
    // Each setting is read when its step is reached, so a change made while
    // the clips before it play counts at once: the count after the bleep,
    // the time telling after MINUTES, the start time at START.
    if (m_settings->playBleep() == 1)
        PlayBleep();
    const qint16 count = m_ui->Spanbar1->RangeLeft();
    playClips(countWords(count));
    playClip(minuteWordClip(count));
    if (m_closing || m_settings->tellTime() != 1)
        return;
    SpeakTimeClips();
    playClip(clipName("I")); // START
    TimeInitialWav();
}

// ---- Skin buttons --------------------------------------------------------

void MainForm::prepareToSpeak(bool pressed)
{
    if (!isLoaded())
        return;
    // The first sound of a run loads the audio layer and connects to the
    // sound server, and the first sentence starts its engine; begun when the
    // pointer arrives, both are over by the press. The device itself opens
    // only at the press: opened any sooner, its buffer would hold the words
    // back as long as the lead-in it saves, and a pointer passing over the
    // button would wake the sound server for nothing.
    if (pressed)
        m_services.media.prepare();
    else
        m_services.media.preload();
    if (m_settings->ttsSelected())
        m_services.engine.prepare();
}

void MainForm::speakNow()
{
    if (!isLoaded())
        return;
    const QTime t = now().time();
    // A press while the engine speaks starts the sentence again: the stop
    // drops what the sound device still holds of the first, so nothing of it
    // is heard after the press.
    if (m_settings->ttsSelected() && !m_state.clipPlaying()) {
        m_services.engine.TtsStop();
        m_services.engine.TtsSetSpeed(m_settings->speed());
        m_services.engine.TtsSpeak(languageTimeSentence(m_settings->phrase(), t));
    }
    if (m_settings->clipsSelected() && !m_state.clipPlaying() && !m_soundMessageOpen)
        SpeakTimeClips();
}

void MainForm::openSettings()
{
    if (!isLoaded())
        return;
    // Modal as before, but not in a loop of its own: opened while a clip
    // plays, a nested loop would hold the clip's wait (and every due minute)
    // until the window closed.
    if (m_settings->isVisible()) {
        m_settings->raise();
        m_settings->activateWindow();
        return;
    }
    m_settings->setWindowModality(Qt::ApplicationModal);
    m_settings->show();
}

void MainForm::openAbout()
{
    // The window lasts until its own close button is released: while it is
    // open, another press brings it forward as it is, animation and place
    // kept.
    if (m_about) {
        m_about->setWindowState(m_about->windowState() & ~Qt::WindowMinimized);
        m_about->show();
        m_about->raise();
        m_about->activateWindow();
        return;
    }
    // A window of its own, but the clock's child, so that compositors
    // place it beside the clock and keep it above it.
    m_about = new Form3(height(), screen(), this);
    m_about->show();
}

bool MainForm::WriteSettings(QString *why)
{
    return m_settings->WriteSettings(why);
}

bool MainForm::WriteSlider(QString *why)
{
    return horavox::WriteSlider(double(m_ui->Spanbar1->RangeLeft()), sliderFilePath(), why);
}

void MainForm::closeSequence()
{
    if (m_closing)
        return;
    const QString lost = saveForExit();
    m_closing = true;
    m_timer1.stop();
    m_timer3.stop();
    if (m_about)
        m_about->close();
    if (m_settings)
        m_settings->closeForQuit();
    Form_Unload();
    hide();
    if (lost.isEmpty()) {
        Q_EMIT finished();
        return;
    }
    // The user closed the clock and is there to read why their choices
    // will not be there next time; the program ends once they have.
    QPointer<MainForm> self(this);
    m_services.messages.informThen(nullptr, QStringLiteral("Horavox"), lost, [self] {
        if (self)
            Q_EMIT self->finished();
    });
}

QString MainForm::saveForExit()
{
    m_services.engine.TtsStop();
    // Closed before the load was over, the clock may not hold the user's
    // settings yet, and writing its controls would put defaults over the
    // user's files.
    if (!m_loadFinished || m_settings->alarmMode() != 0)
        return {};
    QStringList lost;
    QString why;
    if (m_settings->ownsSettingsFile() && !WriteSettings(&why))
        lost << tr("The settings were not saved to %1: %2.").arg(m_settings->settingsFilePath(), why);
    if (m_sliderReadFailure.isEmpty() && !WriteSlider(&why))
        lost << tr("The slider position was not saved to %1: %2.").arg(sliderFilePath(), why);
    return lost.join(QLatin1Char('\n'));
}

QString MainForm::AlarmStartStamp() const
{
    return m_alarm ? m_alarm->startStamp() : QString();
}

void MainForm::Form_Unload()
{
    m_services.media.sendString(QStringLiteral("stop voice1"));
    m_services.media.sendString(QStringLiteral("close voice1"));
}

void MainForm::closeEvent(QCloseEvent *e)
{
    // A close from outside (the window manager) ends the program as the Close
    // button does.
    if (!m_closing)
        closeSequence();
    e->accept();
}

// ---- The interval slider -------------------------------------------------

void MainForm::sliderChanged()
{
    m_ui->Numeron1->setDigitFormat(Numeron::dgDecimal);
    m_ui->Numeron1->setDigitAccessibleText(intervalReading(m_ui->Spanbar1->RangeLeft()));
    m_ui->Numeron1->setDigitDisplay(QString::number(m_ui->Spanbar1->RangeLeft()));
    m_ui->Label1->setText(QString());
}

void MainForm::showAlarmIndicator()
{
    m_ui->Label2->setText(QStringLiteral("6"));
    QPalette pal = m_ui->Label2->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 255, 0));
    m_ui->Label2->setPalette(pal);
}

void MainForm::sliderMouseDown()
{
    m_sliderHeld = true;
    m_minutesUntil = QDateTime();
    sliderChanged();
    if (m_settings->alarmMode() == 1)
        showAlarmIndicator();
}

void MainForm::sliderMouseUp(qint16 button)
{
    m_sliderHeld = false;
    m_state.AnnounceInterval = m_ui->Spanbar1->RangeLeft();
    // A key press is over before anyone could read the digits: they keep
    // the minutes a moment longer, and the clock tick takes them back.
    if (button == 0)
        m_minutesUntil = now().addMSecs(kKeyMinutesShownMs);
    else
        ShowClockFace();
    if (m_settings->alarmMode() == 1) {
        showAlarmIndicator();
        if (m_state.AnnounceInterval == 0) {
            // No interval is left to count: a running alarm stops, and one
            // still waiting to be said would only name 0 minutes.
            m_timer3.stop();
            m_alarm->stop();
            m_dispatcher->dropAlarmAnnouncements();
        } else if (m_alarm->start(m_state.AnnounceInterval)) {
            m_timer3.start();
        }
    }
}

// ---- Skin, shape and dragging --------------------------------------------

void MainForm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QBrush skin = m_skin.isNull() ? QBrush(QColor(40, 44, 48)) : QBrush(m_skin);
    if (m_outline.isEmpty()) {
        p.fillRect(rect(), skin);
        return;
    }
    // The slanted edges are smoothed by pixels of partial cover just
    // outside the mask; the mask cuts them away where it also cuts what is
    // shown (X11), so there the edge stays as sharp as the mask alone.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    p.drawPolygon(m_outline);
    // Inside the mask every pixel is opaque: without a compositor, X11
    // shows a half-covered pixel as a dark one.
    p.setClipRegion(mask());
    p.fillRect(rect(), skin);
}

} // namespace horavox
