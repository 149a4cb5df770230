// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chime_dialog.h"

#include "chimes/chime_controller.h"
#include "chimes/chime_sounds.h"
#include "main_window/clock_actions.h"
#include "main_window/main_form.h"
#include "speech/audio/audio_output.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace horavox {


ChimeDialog::ChimeDialog(ChimeController &controller, AudioOutput &audio, QWidget *parent)
    : QDialog(parent), m_controller(controller), m_audio(audio)
{
    setWindowTitle(tr("Chimes"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Play before the time, when \"Play Sound Before\" is set:"), this));
    m_choices = new QButtonGroup(this);
    const std::pair<ChimeChoice, QString> choices[] = {
        {ChimeChoice::Bleep, tr("The bleep")},
        {ChimeChoice::HourStrike, tr("The hour struck (once at the half hour)")},
        {ChimeChoice::Westminster, tr("Westminster quarters")},
        {ChimeChoice::Pips, tr("Six pips, the last on the minute")},
        {ChimeChoice::SoundFile, tr("A sound file:")},
    };
    for (const auto &[choice, text] : choices) {
        auto *b = new QRadioButton(text, this);
        m_choices->addButton(b, int(choice));
        layout->addWidget(b);
    }
    auto *fileRow = new QHBoxLayout;
    m_file = new QLineEdit(this);
    m_file->setAccessibleName(tr("Sound file"));
    m_browse = new QPushButton(tr("Choose…"), this);
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(m_browse);
    layout->addLayout(fileRow);
    m_chimeOnly = new QCheckBox(tr("Chime only, without the words"), this);
    layout->addWidget(m_chimeOnly);
    m_message = new QLabel(this);
    m_message->setWordWrap(true);
    m_message->hide();
    layout->addWidget(m_message);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_play = buttons->addButton(tr("Play"), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);

    const ChimePreferences &p = controller.preferences();
    m_choices->button(int(p.choice))->setChecked(true);
    m_chimeOnly->setChecked(p.chimeOnly);
    m_file->setText(p.soundFile);
    if (!controller.readFailure().isEmpty())
        showMessage(tr("The chime choices could not be read: %1. They are not saved over.")
                        .arg(controller.readFailure()));

    connect(m_choices, &QButtonGroup::idClicked, this, &ChimeDialog::store);
    connect(m_chimeOnly, &QCheckBox::toggled, this, &ChimeDialog::store);
    connect(m_file, &QLineEdit::editingFinished, this, &ChimeDialog::store);
    connect(m_browse, &QPushButton::clicked, this, &ChimeDialog::chooseFile);
    connect(m_play, &QPushButton::clicked, this, &ChimeDialog::playSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(&controller, &ChimeController::soundFileFailed, this, &ChimeDialog::showMessage);
}

ChimeDialog::~ChimeDialog()
{
    if (m_preview)
        m_audio.stop(m_preview);
}

QRadioButton *ChimeDialog::choiceButton(ChimeChoice choice) const
{
    return static_cast<QRadioButton *>(m_choices->button(int(choice)));
}

void ChimeDialog::store()
{
    ChimePreferences p;
    p.choice = ChimeChoice(m_choices->checkedId());
    p.chimeOnly = m_chimeOnly->isChecked();
    p.soundFile = m_file->text().trimmed();
    if (p == m_controller.preferences())
        return;
    m_message->hide();
    const QString why = m_controller.setPreferences(p);
    if (!why.isEmpty())
        showMessage(why);
}

void ChimeDialog::chooseFile()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Sound file"), m_file->text(),
                                                      tr("Sounds (*.wav *.flac *.ogg *.oga *.opus);;All files (*)"));
    if (file.isEmpty())
        return;
    m_file->setText(file);
    choiceButton(ChimeChoice::SoundFile)->setChecked(true);
    store();
}

void ChimeDialog::showMessage(const QString &text)
{
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

bool ChimeDialog::playSelected()
{
    store();
    const ChimeChoice choice = ChimeChoice(m_choices->checkedId());
    QString why;
    std::vector<int16_t> samples = choice == ChimeChoice::Bleep
        ? bleepSamples(m_audio.sampleRate())
        : m_controller.previewSamples(choice, m_file->text().trimmed(), &why);
    const bool ok = !samples.empty();
    if (!ok) {
        showMessage(tr("%1 The bleep plays instead.").arg(why));
        samples = bleepSamples(m_audio.sampleRate());
    }
    playSamples(std::move(samples));
    return ok;
}

void ChimeDialog::playSamples(std::vector<int16_t> samples)
{
    if (m_preview)
        m_audio.stop(m_preview);
    m_preview = m_audio.createClipVoice(std::make_shared<const std::vector<int16_t>>(std::move(samples)));
    m_audio.start(m_preview);
}

QAction *addChimesToClockMenu(ChimeController &controller, AudioOutput &audio, MainForm &window)
{
    ClockActions *menu = window.clockActions();
    if (!menu)
        return nullptr;
    auto *open = new QAction(ChimeDialog::tr("Chimes…"), &window);
    QPointer<ChimeDialog> dialog;
    QObject::connect(open, &QAction::triggered, &window, [&controller, &audio, &window, dialog]() mutable {
        if (!dialog) {
            dialog = new ChimeDialog(controller, audio, &window);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->setWindowFlag(Qt::Window);
        }
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    });
    menu->addSection(ChimeDialog::tr("Chimes"), {open});
    return open;
}

} // namespace horavox
