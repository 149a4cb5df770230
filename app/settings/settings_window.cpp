// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings_window.h"

#include "core/clock.h"
#include "core/message_sink.h"
#include "core/paths.h"
#include "core/program_state.h"
#include "core/time_texts.h"
#include "core/window_system.h"
#include "core/speech_engine.h"
#include "core/announcer.h"
#include "settings/leading_number.h"
#include "settings/settings_file.h"
#include "settings/title_strip.h"
#include "settings/wrap_check_box.h"
#include "ui_settings_window.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QCloseEvent>
#include <QKeyEvent>

namespace horavox {

namespace {
constexpr int kHourLimit = 12;
constexpr int kMinuteLimit = 59;
} // namespace

Settings::Settings(ProgramState &state, Clock &clock, SpeechEngine &engine, MessageSink &messages,
                   QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_clock(clock)
    , m_engine(engine)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("Settings"));
    setWindowTitle(tr("Horavox Settings"));
    // A title and a close button, nothing to minimise or maximise a dialog.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(374, 228);
    setSizeGripEnabled(false);
    m_held.speed = settings_codec::kDefaultSpeed;
    m_held.phrase = QString();

    connect(&m_engine, &SpeechEngine::currentVoiceChanged, this, &Settings::showVoiceName);

    // The application asks every window to close before it quits, and one
    // refusal cancels the quit; this window must not keep a SIGTERM or a
    // logout from ending the program.
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

void Settings::makeControls()
{
    if (m_ui)
        return;
    m_ui = std::make_unique<Ui::Settings>();
    m_ui->setupUi(this);
    if (titleBarIgnoresWindowFlags())
        TitleStrip::install(this);

    nameFieldsForScreenReaders();

    Ui::Settings &ui = *m_ui;
    m_voiceGroup = new QButtonGroup(this);
    m_voiceGroup->addButton(ui.Option1);
    m_voiceGroup->addButton(ui.Option2);
    m_startGroup = new QButtonGroup(this);
    m_startGroup->addButton(ui.StartAMOption);
    m_startGroup->addButton(ui.StartPMOption);
    m_endGroup = new QButtonGroup(this);
    m_endGroup->addButton(ui.EndAMOption);
    m_endGroup->addButton(ui.EndPMOption);

    connect(m_voiceGroup, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *b, bool on) {
        if (!on)
            return;
        if (b == m_ui->Option1)
            Option1_Click();
        else
            Option2_Click();
    });
    connect(ui.Check1, &QCheckBox::toggled, this, &Settings::Check1_Click);
    connect(ui.Check4, &QCheckBox::toggled, this, &Settings::Check4_Click);
    connect(ui.Text1, &QLineEdit::textChanged, this, [this](const QString &text) {
        // A pasted line break would split the file's phrase line in two.
        const QString one = settings_codec::singleLine(text);
        if (one != text)
            m_ui->Text1->setText(one);
    });

    const struct
    {
        VSpinner *spinner;
        TimeBox *box;
        bool hour;
    } pairs[] = {
        {ui.StartHrVscroll, ui.StartHrText, true},
        {ui.StartMinVscroll, ui.StartMinText, false},
        {ui.EndHrVscroll, ui.EndHrText, true},
        {ui.EndMinVscroll, ui.EndMinText, false},
    };
    for (const auto &p : pairs) {
        VSpinner *spinner = p.spinner;
        TimeBox *box = p.box;
        if (p.hour) {
            connect(spinner, &VSpinner::valueChanged, this, [=, this] { hourSpinnerChanged(spinner, box); });
            connect(box, &QLineEdit::textChanged, this, [=, this] { boxChanged(box, kHourLimit); });
        } else {
            connect(spinner, &VSpinner::valueChanged, this, [=, this] { minuteSpinnerChanged(spinner, box); });
            connect(box, &QLineEdit::textChanged, this, [=, this] { boxChanged(box, kMinuteLimit); });
        }
        // After the check above, so that a value it rejects is not followed.
        const bool hour = p.hour;
        connect(box, &QLineEdit::textChanged, this, [=, this] { spinnerFollowsBox(spinner, box, hour); });
        connect(box, &QLineEdit::textChanged, this, &Settings::settingsChanged);
    }

    // Connected after the handlers above, so that listeners see the settings
    // with the handlers' effects already in place.
    connect(m_voiceGroup, &QButtonGroup::buttonToggled, this, &Settings::settingsChanged);
    connect(m_startGroup, &QButtonGroup::buttonToggled, this, &Settings::settingsChanged);
    connect(m_endGroup, &QButtonGroup::buttonToggled, this, &Settings::settingsChanged);
    connect(ui.HScroll1, &QSlider::valueChanged, this, &Settings::settingsChanged);
    connect(ui.Text1, &QLineEdit::textChanged, this, &Settings::settingsChanged);
    for (QCheckBox *c : {static_cast<QCheckBox *>(ui.Check1), static_cast<QCheckBox *>(ui.Check4),
                         static_cast<QCheckBox *>(ui.TellTimeChk), static_cast<QCheckBox *>(ui.PlayBleepChk)})
        connect(c, &QCheckBox::toggled, this, &Settings::settingsChanged);

    fillControls();
    showEngineCount();
    showVoiceName();
}

Settings::~Settings() = default;

void Settings::setVisible(bool visible)
{
    // The controls are made and their font fitted when the window is first
    // shown, not at start: both load the font system, and the window may
    // never be opened at all.
    if (visible && !m_formFontApplied) {
        makeControls();
        m_formFontApplied = true;
        applyFormFont();
        showVoiceName();
    }
    // The focus starts on the chosen voice, as in a group of options, not on
    // the first option whichever is chosen. Set while hidden, it is the
    // focus the window opens with.
    if (visible && !isVisible() && m_ui) {
        QRadioButton *chosen = m_ui->Option1->isChecked() ? m_ui->Option1 : m_ui->Option2;
        if (chosen->isEnabled())
            chosen->setFocus(Qt::OtherFocusReason);
    }
    QDialog::setVisible(visible);
}

void Settings::applyFormFont()
{
    // The form is placed to the pixel for a small dialog font. Take the
    // largest size, of a narrow family when one is installed, at which every
    // caption fits its control, so that none is cut off on any desktop.
    QFont f = font();
    for (const char *narrow : {"DejaVu Sans Condensed", "Liberation Sans Narrow", "Arial Narrow"}) {
        if (QFontDatabase::hasFamily(QLatin1String(narrow))) {
            f.setFamily(QLatin1String(narrow));
            break;
        }
    }
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth)
                          + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    QList<QPair<QWidget *, QString>> captions;
    for (QAbstractButton *b : findChildren<QAbstractButton *>())
        captions.append({b, b->text()});
    for (QLabel *l : findChildren<QLabel *>()) {
        // The words at the slider's ends may take room from the slider.
        if (l != m_ui->Label4 && l != m_ui->Label3)
            captions.append({l, l->text()});
    }
    // The longest engine count the load can put there.
    captions.append({m_ui->Label10, engineCountText(10)});

    int size = 12;
    for (; size > 8; --size) {
        f.setPixelSize(size);
        const QFontMetrics fm(f);
        const bool fits = std::all_of(captions.cbegin(), captions.cend(), [&](const auto &c) {
            QWidget *w = c.first;
            const int room = w->width() - (qobject_cast<QAbstractButton *>(w) ? indicator : 0);
            const bool wraps = qobject_cast<WrapCheckBox *>(w) || (qobject_cast<QLabel *>(w)
                                                                   && static_cast<QLabel *>(w)->wordWrap());
            if (!wraps)
                return fm.horizontalAdvance(c.second) <= room;
            return fm.boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap, c.second).height() <= w->height();
        });
        if (fits && speedWordsFit(fm))
            break;
    }
    f.setPixelSize(size);
    setFont(f);
    placeSpeedWords(QFontMetrics(f));

    // Frames in the classic manner: the caption sits on the frame's top line.
    const int half = QFontMetrics(f).height() / 2;
    setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid palette(mid); border-radius: 2px;"
                                 " margin-top: %1px; }"
                                 "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                                 " left: 6px; padding: 0 2px; }")
                      .arg(half));
}

namespace {
// The slider keeps at least this much of its width for words longer than
// "Slow" and "Fast" beside it.
constexpr int kSliderLeast = 48;
constexpr int kWordGap = 3;
} // namespace

bool Settings::speedWordsFit(const QFontMetrics &fm) const
{
    const Ui::Settings &ui = *m_ui;
    const int slow = std::max(ui.Label4->width(), fm.horizontalAdvance(ui.Label4->text()) + 1);
    const int fast = std::max(ui.Label3->width(), fm.horizontalAdvance(ui.Label3->text()) + 1);
    const int room = ui.Label3->geometry().right() - ui.Label4->x() + 1;
    return slow + fast + 2 * kWordGap + kSliderLeast <= room;
}

void Settings::placeSpeedWords(const QFontMetrics &fm)
{
    // As laid out, the English words fit and nothing moves. Longer ones grow
    // away from the frame's edges, and the slider gives up what they need.
    Ui::Settings &ui = *m_ui;
    const int slow = fm.horizontalAdvance(ui.Label4->text()) + 1;
    const int fast = fm.horizontalAdvance(ui.Label3->text()) + 1;
    if (slow <= ui.Label4->width() && fast <= ui.Label3->width())
        return;
    QRect left = ui.Label4->geometry();
    QRect right = ui.Label3->geometry();
    QRect bar = ui.HScroll1->geometry();
    left.setWidth(std::max(left.width(), slow));
    right.setLeft(right.right() + 1 - std::max(right.width(), fast));
    bar.setLeft(std::max(bar.left(), left.right() + 1 + kWordGap));
    bar.setRight(std::min(bar.right(), right.left() - 1 - kWordGap));
    ui.Label4->setGeometry(left);
    ui.Label3->setGeometry(right);
    ui.HScroll1->setGeometry(bar);
}

void Settings::load()
{
    SettingsFileCheck();
    ReadSettingsFile();
    m_loaded = true;
    fillControls();

    // Primes the minute trigger, so that the minute the program starts in is
    // not taken for a change; the interval is still 0 here.
    setLabel5(shortTimeText(m_clock.now().time()));

    // Counted before the start-up announcement, so that without an engine
    // it is the recorded voice that makes it; shown after it.
    m_engineCount = m_engine.TtsEngineCount();
    // A negative count can only be an engine fault; it is treated as none.
    m_noEngine = m_engineCount <= 0;
    if (m_noEngine)
        m_held.phrase = QString();

    if (announceAtStartup())
        StartupSpeak();

    m_countShown = true;
    showEngineCount();
    showVoiceName();
    m_loadFinished = true;
}

void Settings::fillControls()
{
    if (!m_ui || !m_loaded)
        return;
    // Listeners were told of these values when the load read them; the
    // controls' own handlers still run, so the arrows follow their boxes.
    const QSignalBlocker quiet(this);
    Ui::Settings &ui = *m_ui;
    const StoredSettings &s = m_held;
    ui.Check4->setChecked(false);
    ui.TellTimeChk->setEnabled(false);
    // Every option starts unselected, so selecting one always runs its click.
    (s.tts ? ui.Option1 : ui.Option2)->setChecked(true);
    ui.HScroll1->setValue(s.speed.value_or(settings_codec::kDefaultSpeed));
    ui.Text1->setText(s.phrase.value_or(QString()));
    ui.Check1->setChecked(s.announceAtStartup);
    ui.StartHrText->setText(s.startHour);
    ui.StartMinText->setText(s.startMinute);
    (s.startAM ? ui.StartAMOption : ui.StartPMOption)->setChecked(true);
    ui.EndHrText->setText(s.endHour);
    ui.EndMinText->setText(s.endMinute);
    (s.endAM ? ui.EndAMOption : ui.EndPMOption)->setChecked(true);
    ui.PlayBleepChk->setChecked(s.bleep);
}

void Settings::showEngineCount()
{
    if (!m_ui || !m_countShown)
        return;
    Ui::Settings &ui = *m_ui;
    if (m_engineCount >= 1)
        ui.Label10->setText(engineCountText(m_engineCount));
    if (m_noEngine) {
        ui.Option1->setEnabled(false);
        ui.HScroll1->setEnabled(false);
        ui.Text1->clear();
        ui.Text1->setEnabled(false);
        ui.Frame2->setTitle(tr("TTS Speed"));
    }
}

QString Settings::engineCountText(int count)
{
    // Two messages, so that English keeps its own wording for one engine;
    // each still takes every plural form a language has (21 in Russian
    // reads like 1).
    return count == 1 ? tr("There is %n TTS engine installed", nullptr, count)
                      : tr("There are %n TTS engines installed", nullptr, count);
}

void Settings::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        showVoiceName();
}

void Settings::showVoiceName()
{
    // Until the load has counted the engines, and without any, the caption
    // is the load's to set.
    if (m_engineCount <= 0 || !m_countShown || !m_ui)
        return;
    const qint32 voice = m_engine.TtsCurrentVoice();
    const QString name = m_engine.readableVoiceName(voice);
    const QString shape = tr("TTS Speed of voice \"%1\"");
    // The frame is laid out to the pixel: a name too long for it is cut
    // short; the tooltip says it in full.
    // Until the window's font is fitted, its width says nothing of what
    // fits: the whole name, cut short (if need be) on first show.
    if (!m_formFontApplied) {
        m_ui->Frame2->setTitle(shape.arg(name));
        m_ui->Frame2->setToolTip(m_engine.voiceLabel(voice));
        return;
    }
    const QFontMetrics fm(m_ui->Frame2->font());
    const int room = m_ui->Frame2->width() - 2 * fm.averageCharWidth() - fm.horizontalAdvance(shape.arg(QString()));
    m_ui->Frame2->setTitle(shape.arg(fm.elidedText(name, Qt::ElideRight, std::max(room, 0))));
    m_ui->Frame2->setToolTip(m_engine.voiceLabel(voice));
}

void Settings::SettingsFileCheck()
{
    m_settingsFilePath = horavox::settingsFilePath();
    settings_file::ensure(m_settingsFilePath); // a failure shows when reading
}

void Settings::ReadSettingsFile()
{
    const std::optional<QByteArray> bytes = settings_file::read(m_settingsFilePath, &m_readFailure);
    // Unreadable: the run goes on with the defaults in the controls, and
    // says so once, since the close will not save them over the file.
    if (!m_readFailure.isEmpty())
        m_messages.information(this, QStringLiteral("Horavox"),
                               tr("The settings in %1 could not be read: %2.\n\n"
                                  "This run uses the default settings and leaves the file as it is.")
                                   .arg(m_settingsFilePath, m_readFailure));
    apply(bytes ? settings_codec::parse(*bytes) : StoredSettings{});
}

void Settings::apply(const StoredSettings &s)
{
    // What the controls would make of these values: a line edit holds at
    // most 32767 characters, the slider stays in its range, and a time box
    // refuses a number too large for it as it does when typed into.
    constexpr qsizetype kLineEditMax = 32767;
    StoredSettings held = s;
    held.speed = std::clamp(s.speed.value_or(*m_held.speed), settings_codec::kMinSpeed, settings_codec::kMaxSpeed);
    held.phrase = settings_codec::singleLine(s.phrase.value_or(QString())).left(kLineEditMax);
    for (auto [text, limit] : {std::pair{&held.startHour, kHourLimit}, std::pair{&held.startMinute, kMinuteLimit},
                               std::pair{&held.endHour, kHourLimit}, std::pair{&held.endMinute, kMinuteLimit}}) {
        *text = text->left(kLineEditMax);
        if (leadingNumber(*text) > limit) {
            refuseValue();
            text->clear();
        }
    }
    m_held = held;
}

StoredSettings Settings::storedSettings() const
{
    if (!m_ui)
        return m_held;
    const Ui::Settings &ui = *m_ui;
    StoredSettings s;
    s.tts = ui.Option1->isChecked();
    s.speed = ui.HScroll1->value();
    s.phrase = ui.Text1->text();
    s.announceAtStartup = ui.Check1->isChecked();
    s.startHour = ui.StartHrText->text();
    s.startMinute = ui.StartMinText->text();
    s.startAM = ui.StartAMOption->isChecked();
    s.endHour = ui.EndHrText->text();
    s.endMinute = ui.EndMinText->text();
    s.endAM = ui.EndAMOption->isChecked();
    s.bleep = ui.PlayBleepChk->isChecked();
    return s;
}

bool Settings::WriteSettings(QString *why)
{
    if (!ownsSettingsFile()) {
        if (why)
            *why = m_readFailure.isEmpty() ? tr("the settings were not loaded yet")
                                           : tr("the file could not be read at start");
        return false;
    }
    return settings_file::write(m_settingsFilePath, settings_codec::serialize(storedSettings()), why);
}

WindowBound Settings::startBound() const
{
    const StoredSettings s = storedSettings();
    return {s.startHour, s.startMinute, s.startAM};
}

WindowBound Settings::endBound() const
{
    const StoredSettings s = storedSettings();
    return {s.endHour, s.endMinute, s.endAM};
}

void Settings::CheckRange()
{
    m_state.InTimeWindow = false;
    m_state.InTimeWindow = inTimeWindow(startBound(), endBound(), m_clock.now().time());
}

void Settings::TTScheckTime()
{
    if (m_announcer)
        m_announcer->TTScheckTime();
}

void Settings::TTSAlarm()
{
    if (m_announcer)
        m_announcer->TTSAlarm();
}

void Settings::StartupSpeak()
{
    if (m_announcer)
        m_announcer->StartupSpeak();
}

void Settings::Command1()
{
    setLabel5(m_state.ShortTimeText);
}

void Settings::Command2()
{
    TTScheckTime();
}

void Settings::Command3()
{
    TTSAlarm();
}

void Settings::setLabel5(const QString &text)
{
    if (m_minuteTrigger.changed(text, m_clock.now()))
        Label5_Change();
}

void Settings::Label5_Change()
{
    // While the user has the window open, the speaking window does not hold
    // announcements back.
    const bool windowFlag = isVisible();
    if (windowFlag) {
        if (m_state.AnnounceInterval != 0)
            TTScheckTime();
        return;
    }
    if (m_state.AnnounceInterval != 0) {
        CheckRange();
        if (m_state.InTimeWindow)
            TTScheckTime();
    }
}

void Settings::Option1_Click()
{
    m_ui->HScroll1->setEnabled(!m_noEngine);
    m_ui->Text1->setEnabled(!m_noEngine);
}

void Settings::Option2_Click()
{
    Q_EMIT lampsToIdle();
    m_ui->HScroll1->setEnabled(false);
    m_ui->Text1->setEnabled(false);
}

void Settings::Check1_Click()
{
    if (m_ui->Check1->isChecked())
        m_ui->Check4->setChecked(false);
}

void Settings::Check4_Click()
{
    Ui::Settings &ui = *m_ui;
    const bool alarm = ui.Check4->isChecked();
    if (!alarm)
        Q_EMIT alarmModeSwitchedOff();
    ui.TellTimeChk->setEnabled(alarm);
    for (QWidget *w : {static_cast<QWidget *>(ui.StartHrText), static_cast<QWidget *>(ui.StartHrVscroll),
                       static_cast<QWidget *>(ui.StartMinText), static_cast<QWidget *>(ui.StartMinVscroll),
                       static_cast<QWidget *>(ui.EndHrText), static_cast<QWidget *>(ui.EndHrVscroll),
                       static_cast<QWidget *>(ui.EndMinText), static_cast<QWidget *>(ui.EndMinVscroll)})
        w->setEnabled(!alarm);
    ui.Check1->setEnabled(!alarm);
    // Without an engine the phrase has nothing to be spoken by.
    ui.Text1->setEnabled(ui.Option1->isChecked() && !m_noEngine);
}

void Settings::hourSpinnerChanged(VSpinner *spinner, TimeBox *box)
{
    // Re-setting the position runs this handler again, nested; that inner run
    // fills the box and this one then writes the same text.
    if (spinner->value() == 13)
        spinner->setValue(1);
    if (spinner->value() == 0)
        spinner->setValue(12);
    box->setText(QString::number(spinner->value()));
}

void Settings::minuteSpinnerChanged(VSpinner *spinner, TimeBox *box)
{
    if (spinner->value() == -1)
        spinner->setValue(59);
    if (spinner->value() == 60)
        spinner->setValue(0);
    box->setText(QStringLiteral("%1").arg(spinner->value(), 2, 10, QLatin1Char('0')));
}

void Settings::spinnerFollowsBox(VSpinner *spinner, TimeBox *box, bool hour)
{
    // The arrows step from the value the box shows, whether it came from the
    // file, the keyboard or the arrows. The position moves quietly: the
    // spinner's handler would rewrite the box, padding a typed minute.
    const qint64 shown = wholeNumber(box->text());
    // An empty or "0" hour is 12 on the 12-hour clock. Anything else out of
    // range (only a hand-edited file holds a negative number) takes the
    // nearest place the arrows can step from.
    const int value = hour ? (shown >= 1 && shown <= 12 ? int(shown) : 12)
                           : int(std::clamp<qint64>(shown, 0, 59));
    const QSignalBlocker quiet(spinner);
    spinner->setValue(value);
}

void Settings::boxChanged(TimeBox *box, int limit)
{
    if (leadingNumber(box->text()) <= limit)
        return;
    refuseValue();
    box->clear();
    // A hidden window cannot take the focus (the value came from the file).
    if (isVisible())
        box->setFocus();
}

void Settings::refuseValue()
{
    m_messages.information(this, tr("Data Entry"), tr("Value is not valid"));
}

void Settings::closeForQuit()
{
    m_closingForQuit = true;
    close();
}

bool Settings::eventFilter(QObject *watched, QEvent *e)
{
    if (e->type() == QEvent::Quit && watched == QCoreApplication::instance())
        m_closingForQuit = true;
    return QDialog::eventFilter(watched, e);
}

void Settings::closeEvent(QCloseEvent *e)
{
    if (m_closingForQuit) {
        QDialog::closeEvent(e);
        return;
    }
    // The close box only hides: the controls are the settings for the rest
    // of the run.
    e->ignore();
    reject();
}

void Settings::keyPressEvent(QKeyEvent *e)
{
    // Escape hides the window as its close box does: every change has taken
    // effect already, so there is nothing to cancel.
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        reject();
        return;
    }
    QDialog::keyPressEvent(e);
}

// Until the controls are made, only the load has set anything: the alarm and
// its time-telling choice are off, as the controls start.
// Without an engine a file's "Say using TTS" stays shown (and stored, for
// when an engine is back), but the recorded voice speaks: an engine that is
// not there would leave every announcement silent.
bool Settings::ttsSelected() const
{
    if (m_noEngine)
        return false;
    return m_ui ? m_ui->Option1->isChecked() : m_loaded && m_held.tts;
}

bool Settings::clipsSelected() const
{
    if (m_noEngine)
        return true;
    return m_ui ? m_ui->Option2->isChecked() : m_loaded && !m_held.tts;
}

int Settings::speed() const
{
    return m_ui ? m_ui->HScroll1->value() : m_held.speed.value_or(settings_codec::kDefaultSpeed);
}

QString Settings::phrase() const
{
    return m_ui ? m_ui->Text1->text() : m_held.phrase.value_or(QString());
}

int Settings::announceAtStartup() const
{
    return (m_ui ? m_ui->Check1->isChecked() : m_loaded && m_held.announceAtStartup) ? 1 : 0;
}

int Settings::alarmMode() const
{
    return m_ui && m_ui->Check4->isChecked() ? 1 : 0;
}

int Settings::tellTime() const
{
    return m_ui && m_ui->TellTimeChk->isChecked() ? 1 : 0;
}

int Settings::playBleep() const
{
    return (m_ui ? m_ui->PlayBleepChk->isChecked() : m_held.bleep) ? 1 : 0;
}

} // namespace horavox
