// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "settings/settings_codec.h"
#include "settings/minute_trigger.h"
#include "core/settings_model.h"
#include "settings/time_window.h"

#include <QDialog>
#include <QFontMetrics>
#include <QStringList>
#include <memory>

class QAbstractButton;
class QButtonGroup;

namespace Ui {
class Settings;
}

namespace horavox {

class Announcer;
class Clock;
class MessageSink;
class SpeechEngine;
class TimeBox;
class VSpinner;
struct ProgramState;

// The settings window. It lives from start-up to the end of the run, mostly
// hidden; its controls are the program's settings, read at the moment of use.
// The controls are made when the window is first shown: a text box brings in
// the whole font system (some 3 MB resident), which a clock that is never set
// up has no use for. Until then the window holds what the load read, as the
// controls would hold it.
// It also holds the once-a-minute trigger of the regular announcement and the
// speech engine every spoken sentence goes through.
class Settings : public QDialog, public SettingsModel
{
    Q_OBJECT
public:
    Settings(ProgramState &state, Clock &clock, SpeechEngine &engine, MessageSink &messages,
             QWidget *parent = nullptr);
    ~Settings() override;

    // Called before load(); the window does not own it and survives without.
    void setAnnouncer(Announcer *announcer) { m_announcer = announcer; }

    // Makes the controls now, filled with the settings of the moment; the
    // window does it itself when first shown.
    void makeControls();
    bool hasControls() const { return m_ui != nullptr; }

    // The one-time load: file into settings (and into the controls, if made),
    // minute trigger primed with the current minute, start-up announcement,
    // engine count and voice name.
    void load();

    // Makes sure the settings file exists, writing the default one if not.
    void SettingsFileCheck();
    // Writes the controls to the settings file as a whole; false (and a log
    // line, and the reason in `why` when given) when it could not be
    // written, the old file then being intact. Refused while the run does
    // not own the file (see ownsSettingsFile()).
    bool WriteSettings(QString *why = nullptr);
    // The load has read the file whole and is done: the controls hold the
    // user's settings, so writing them loses nothing. Until then, and for a
    // run whose file was there but could not be read, the file is left as
    // it is.
    bool ownsSettingsFile() const { return m_loadFinished && m_readFailure.isEmpty(); }
    // Decides whether now lies in the speaking window; sets InTimeWindow.
    void CheckRange();

    void TTScheckTime();
    void TTSAlarm();
    void StartupSpeak();

    // The entry points the main window's timers press.
    void Command1(); // hands over ShortTimeText; runs the minute handler on a change
    void Command2(); // TTScheckTime
    void Command3(); // TTSAlarm

    // The program is ending: the next close really closes.
    void closeForQuit();
    void setVisible(bool visible) override;

    QString settingsFilePath() const { return m_settingsFilePath; }
    qint16 engineCount() const { return m_engineCount; }
    // The stored values as the controls hold them now.
    StoredSettings storedSettings() const;
    WindowBound startBound() const;
    WindowBound endBound() const;

    // SettingsModel
    bool ttsSelected() const override;
    bool clipsSelected() const override;
    int speed() const override;
    QString phrase() const override;
    int announceAtStartup() const override;
    int alarmMode() const override;
    int tellTime() const override;
    int playBleep() const override;
    SpeechEngine &engine() const override { return m_engine; }

Q_SIGNALS:
    // The main window shows its unlit speaking lamp.
    void lampsToIdle();
    // Alarm mode went off: the main window clears its indicator and stops
    // the alarm-period timer.
    void alarmModeSwitchedOff();
    // Any setting changed; readers may act on it at once.
    void settingsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;

private:
    // "There is 1 TTS engine installed", "There are 2 TTS engines installed".
    static QString engineCountText(int count);
    void applyFormFont();
    // Whether "Slow" and "Fast" as translated fit beside the speed slider in
    // this font once the slider has made room, and that room made.
    bool speedWordsFit(const QFontMetrics &fm) const;
    void placeSpeedWords(const QFontMetrics &fm);
    // Distinct names for assistive technology, where a caption alone would
    // leave four boxes called after their frame.
    void nameFieldsForScreenReaders();
    void ReadSettingsFile();
    void apply(const StoredSettings &s);
    void fillControls();
    // The engine count's caption, and the speech controls off without one.
    void showEngineCount();
    // "Value is not valid", for a time too large for its box.
    void refuseValue();

    void Option1_Click();
    void Option2_Click();
    void Check1_Click();
    void Check4_Click();
    void Label5_Change();
    void hourSpinnerChanged(VSpinner *spinner, TimeBox *box);
    void minuteSpinnerChanged(VSpinner *spinner, TimeBox *box);
    void boxChanged(TimeBox *box, int limit);
    void spinnerFollowsBox(VSpinner *spinner, TimeBox *box, bool hour);
    void setLabel5(const QString &text);
    // The speed frame names the voice that speaks next.
    void showVoiceName();

    std::unique_ptr<Ui::Settings> m_ui;
    // The settings while there are no controls; speed and phrase always set.
    StoredSettings m_held;
    bool m_loaded = false;
    bool m_loadFinished = false;
    QString m_readFailure; // why a file that is there could not be read
    ProgramState &m_state;
    Clock &m_clock;
    SpeechEngine &m_engine;
    MessageSink &m_messages;
    Announcer *m_announcer = nullptr;
    QButtonGroup *m_voiceGroup = nullptr;
    QButtonGroup *m_startGroup = nullptr;
    QButtonGroup *m_endGroup = nullptr;
    QString m_settingsFilePath;
    MinuteTrigger m_minuteTrigger; // what Label5's change notification was
    qint16 m_engineCount = 0;
    bool m_noEngine = false; // the load found none: the speech controls stay disabled
    bool m_countShown = false; // counted before the start-up announcement, shown after it
    bool m_closingForQuit = false;
    bool m_formFontApplied = false;
};

} // namespace horavox
