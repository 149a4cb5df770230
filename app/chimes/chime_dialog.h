// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "chimes/chime_preferences.h"

#include <QDialog>

#include <memory>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace horavox {

class AudioOutput;
class AudioVoice;
class ChimeController;
class MainForm;

// "Chimes": what plays before the words in place of the bleep, whether the
// words follow, and the user's own sound, with a button to hear the chosen
// one. Every change takes effect (and is saved) at once; Close only closes.
class ChimeDialog : public QDialog
{
    Q_OBJECT
public:
    ChimeDialog(ChimeController &controller, AudioOutput &audio, QWidget *parent = nullptr);
    ~ChimeDialog() override;

    QRadioButton *choiceButton(ChimeChoice choice) const;
    QCheckBox *chimeOnlyBox() const { return m_chimeOnly; }
    QLineEdit *fileEdit() const { return m_file; }
    QPushButton *playButton() const { return m_play; }
    // What went wrong with the user's sound, or with saving; empty when all is well.
    QLabel *messageLabel() const { return m_message; }

    // Plays the selected chime as a preview; false (with the reason shown)
    // when the user's sound cannot be played, in which case the bleep is heard.
    bool playSelected();

private:
    void store();
    void chooseFile();
    void showMessage(const QString &text);
    void playSamples(std::vector<int16_t> samples);

    ChimeController &m_controller;
    AudioOutput &m_audio;
    QButtonGroup *m_choices = nullptr;
    QCheckBox *m_chimeOnly = nullptr;
    QLineEdit *m_file = nullptr;
    QPushButton *m_browse = nullptr;
    QPushButton *m_play = nullptr;
    QLabel *m_message = nullptr;
    std::shared_ptr<AudioVoice> m_preview;
};

// Adds "Chimes…" to the clock's right-click menu and returns it, for other
// menus to offer too (null when the window has no menu yet); the window is
// made when first opened.
QAction *addChimesToClockMenu(ChimeController &controller, AudioOutput &audio, MainForm &window);

} // namespace horavox
