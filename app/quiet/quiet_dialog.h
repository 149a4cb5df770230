// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;

namespace horavox {

class QuietController;
struct QuietPreferences;

// One voice the engines offer, as the voice list shows it.
struct VoiceChoice
{
    QString id;          // as stored, e.g. "flite/slt"
    QString label;       // the engine's one name for it, as the settings window shows it: "US female"
    QString description; // in full, for the tooltip: "English (US) — female (flite)"
};

// "Quiet times and voice": the days with announcements, the voice and its
// loudness, and when to keep quiet. Every change takes effect at once, as in
// the settings window; Close or Escape only closes.
class QuietDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QuietDialog(QuietController &controller, QWidget *parent = nullptr);

    // Fills the voice list; until then it names the engine's own default and
    // cannot be changed.
    void setVoiceChoices(const QList<VoiceChoice> &choices);
    // The languages to offer (codes, "de", "pt-BR"), each shown in its own
    // name after the desktop's own choice.
    void setLanguageChoices(const QStringList &codes);

    // The controls, for the program's tests and for screen readers' names.
    QCheckBox *dayBox(Qt::DayOfWeek day) const { return m_days[int(day) - 1]; }
    QComboBox *voiceBox() const { return m_voice; }
    QComboBox *languageBox() const { return m_language; }
    QComboBox *clockBox() const { return m_clock; }
    QLabel *clipsLanguageNote() const { return m_clipsNote; }
    QSlider *volumeSlider() const { return m_volume; }
    QLabel *volumeValue() const { return m_volumeValue; }
    QCheckBox *callsBox() const { return m_calls; }
    QCheckBox *dndBox() const { return m_dnd; }
    QCheckBox *pauseMediaBox() const { return m_pauseMedia; }

protected:
    void showEvent(QShowEvent *e) override;

private:
    void load();
    void store();
    void showClipsNote();

    QuietController &m_controller;
    QCheckBox *m_days[7] = {};
    QComboBox *m_voice = nullptr;
    QComboBox *m_language = nullptr;
    QComboBox *m_clock = nullptr;
    QLabel *m_clipsNote = nullptr;
    QSlider *m_volume = nullptr;
    QLabel *m_voiceNote = nullptr;
    QLabel *m_volumeValue = nullptr;
    QCheckBox *m_calls = nullptr;
    QCheckBox *m_dnd = nullptr;
    QCheckBox *m_pauseMedia = nullptr;
    bool m_loading = false;
    bool m_voicePicked = false; // by the user, since the dialog was made
    bool m_languagePicked = false;
};

} // namespace horavox
