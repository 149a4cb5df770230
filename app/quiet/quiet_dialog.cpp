// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiet_dialog.h"

#include "translations/interface_language.h"
#include "quiet/quiet_controller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace horavox {

QuietDialog::QuietDialog(QuietController &controller, QWidget *parent)
    : QDialog(parent), m_controller(controller)
{
    setWindowTitle(tr("Quiet times and voice"));
    setObjectName(QStringLiteral("QuietDialog"));
    auto *top = new QVBoxLayout(this);

    // Days, in the order the user's calendar runs, named in the program's
    // language.
    auto *daysGroup = new QGroupBox(tr("Announce on"), this);
    auto *daysRow = new QHBoxLayout(daysGroup);
    const int first = int(QLocale().firstDayOfWeek());
    const QLocale names = interfaceLocale();
    for (int i = 0; i < 7; ++i) {
        const int day = (first - 1 + i) % 7 + 1;
        auto *box = new QCheckBox(names.dayName(day, QLocale::ShortFormat), daysGroup);
        box->setAccessibleName(names.dayName(day, QLocale::LongFormat));
        daysRow->addWidget(box);
        m_days[day - 1] = box;
    }
    daysRow->addStretch();
    top->addWidget(daysGroup);

    auto *voiceGroup = new QGroupBox(tr("Voice"), this);
    auto *form = new QFormLayout(voiceGroup);
    m_voice = new QComboBox(voiceGroup);
    // The list chooses only among the speech engines' voices: with the
    // recorded voice chosen a new choice is not heard, and it must say so.
    auto *voiceLabel = new QLabel(tr("Text-to-speech &voice:"), voiceGroup);
    voiceLabel->setBuddy(m_voice);
    form->addRow(voiceLabel, m_voice);
    m_voiceNote = new QLabel(tr("Heard when the settings say \"Say using TTS\"; "
                                "the recorded voice is always the same."),
                             voiceGroup);
    m_voiceNote->setWordWrap(true);
    m_voice->setAccessibleDescription(m_voiceNote->text());
    form->addRow(QString(), m_voiceNote);
    m_language = new QComboBox(voiceGroup);
    auto *languageLabel = new QLabel(tr("&Language:"), voiceGroup);
    languageLabel->setBuddy(m_language);
    form->addRow(languageLabel, m_language);
    // The clips are recorded words; only the speech engines speak the others.
    m_clipsNote = new QLabel(tr("The recorded voice speaks English only."), voiceGroup);
    m_clipsNote->setWordWrap(true);
    form->addRow(QString(), m_clipsNote);
    m_clock = new QComboBox(voiceGroup);
    m_clock->addItem(tr("The language's usual clock"), int(ClockStyle::Usual));
    m_clock->addItem(tr("24-hour clock"), int(ClockStyle::TwentyFourHour));
    m_clock->addItem(tr("12-hour clock"), int(ClockStyle::TwelveHour));
    auto *clockLabel = new QLabel(tr("Cloc&k:"), voiceGroup);
    clockLabel->setBuddy(m_clock);
    form->addRow(clockLabel, m_clock);
    auto *volumeRow = new QHBoxLayout;
    m_volume = new QSlider(Qt::Horizontal, voiceGroup);
    m_volume->setRange(0, 100);
    m_volume->setPageStep(10);
    m_volume->setAccessibleName(tr("Volume"));
    m_volumeValue = new QLabel(voiceGroup);
    // Wide enough for "100 %", so the slider does not jump while it moves.
    m_volumeValue->setMinimumWidth(m_volumeValue->fontMetrics().horizontalAdvance(QStringLiteral("100 %")));
    m_volumeValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    volumeRow->addWidget(m_volume, 1);
    volumeRow->addWidget(m_volumeValue);
    auto *volumeLabel = new QLabel(tr("V&olume:"), voiceGroup);
    volumeLabel->setBuddy(m_volume);
    form->addRow(volumeLabel, volumeRow);
    top->addWidget(voiceGroup);

    auto *quietGroup = new QGroupBox(tr("Keep quiet"), this);
    auto *quietColumn = new QVBoxLayout(quietGroup);
    m_calls = new QCheckBox(tr("During &calls (while a program records from a microphone)"), quietGroup);
    m_dnd = new QCheckBox(tr("When the desktop is set to &do not disturb"), quietGroup);
    m_pauseMedia = new QCheckBox(tr("&Pause music and videos while speaking"), quietGroup);
    quietColumn->addWidget(m_calls);
    quietColumn->addWidget(m_dnd);
    quietColumn->addWidget(m_pauseMedia);
    top->addWidget(quietGroup);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    top->addWidget(buttons);

    setVoiceChoices({});
    setLanguageChoices({});

    for (QCheckBox *box : m_days)
        connect(box, &QCheckBox::toggled, this, &QuietDialog::store);
    for (QCheckBox *box : {m_calls, m_dnd, m_pauseMedia})
        connect(box, &QCheckBox::toggled, this, &QuietDialog::store);
    connect(m_voice, &QComboBox::currentIndexChanged, this, [this] {
        if (m_loading)
            return;
        m_voicePicked = true;
        store();
    });
    connect(m_language, &QComboBox::currentIndexChanged, this, [this] {
        showClipsNote();
        if (m_loading)
            return;
        m_languagePicked = true;
        store();
    });
    connect(m_clock, &QComboBox::currentIndexChanged, this, &QuietDialog::store);
    connect(m_volume, &QSlider::valueChanged, this, [this](int v) {
        m_volumeValue->setText(QStringLiteral("%1 %").arg(v));
        store();
    });

    // Keyboard order follows the reading order, top to bottom.
    QWidget *order[] = {m_days[first - 1], m_voice, m_language, m_clock, m_volume, m_calls, m_dnd, m_pauseMedia,
                        buttons->button(QDialogButtonBox::Close)};
    for (int i = 0; i < 6; ++i)
        setTabOrder(m_days[(first - 1 + i) % 7], m_days[(first + i) % 7]);
    setTabOrder(m_days[(first + 5) % 7], m_voice);
    for (size_t i = 1; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    load();
}

void QuietDialog::setVoiceChoices(const QList<VoiceChoice> &choices)
{
    m_loading = true;
    m_voice->clear();
    m_voice->addItem(tr("The speech engine's own voice"), QString());
    for (const VoiceChoice &c : choices) {
        m_voice->addItem(c.label, c.id);
        if (!c.description.isEmpty())
            m_voice->setItemData(m_voice->count() - 1, c.description, Qt::ToolTipRole);
    }
    m_voice->setEnabled(!choices.isEmpty());
    const int at = m_voice->findData(m_controller.preferences().voice);
    m_voice->setCurrentIndex(at < 0 ? 0 : at);
    m_loading = false;
}

void QuietDialog::setLanguageChoices(const QStringList &codes)
{
    m_loading = true;
    m_language->clear();
    m_language->addItem(tr("The desktop's language (%1)").arg(nativeLanguageName(desktopLanguage())),
                        QString());
    for (const QString &code : codes)
        m_language->addItem(nativeLanguageName(code), code);
    m_language->setEnabled(!codes.isEmpty());
    const int at = m_language->findData(m_controller.preferences().language);
    m_language->setCurrentIndex(at < 0 ? 0 : at);
    m_loading = false;
    showClipsNote();
}

void QuietDialog::showClipsNote()
{
    const QString chosen = matchSpokenLanguage(m_language->currentData().toString());
    m_clipsNote->setVisible((chosen.isEmpty() ? desktopLanguage() : chosen) != QLatin1String("en"));
}

void QuietDialog::showEvent(QShowEvent *e)
{
    load();
    QDialog::showEvent(e);
}

void QuietDialog::load()
{
    m_loading = true;
    const QuietPreferences &p = m_controller.preferences();
    for (int d = 1; d <= 7; ++d)
        m_days[d - 1]->setChecked(p.announcesOn(Qt::DayOfWeek(d)));
    m_volume->setValue(p.volume);
    m_volumeValue->setText(QStringLiteral("%1 %").arg(p.volume));
    m_calls->setChecked(p.quietDuringCalls);
    m_dnd->setChecked(p.respectDoNotDisturb);
    m_pauseMedia->setChecked(p.pauseMedia);
    const int at = m_voice->findData(p.voice);
    // A stored voice that is not offered (yet) is kept, not replaced.
    if (at >= 0)
        m_voice->setCurrentIndex(at);
    const int language = m_language->findData(p.language);
    if (language >= 0)
        m_language->setCurrentIndex(language);
    m_clock->setCurrentIndex(std::max(0, m_clock->findData(int(p.clock))));
    m_loading = false;
}

void QuietDialog::store()
{
    if (m_loading)
        return;
    QuietPreferences p = m_controller.preferences();
    for (int d = 1; d <= 7; ++d)
        p.setAnnouncesOn(Qt::DayOfWeek(d), m_days[d - 1]->isChecked());
    p.volume = m_volume->value();
    p.quietDuringCalls = m_calls->isChecked();
    p.respectDoNotDisturb = m_dnd->isChecked();
    p.pauseMedia = m_pauseMedia->isChecked();
    // A stored voice that is not installed now shows as the engine's own,
    // which is what speaks; it is kept until the user picks another.
    if (m_voicePicked)
        p.voice = m_voice->currentData().toString();
    if (m_languagePicked)
        p.language = m_language->currentData().toString();
    p.clock = ClockStyle(m_clock->currentData().toInt());
    m_controller.setPreferences(p);
}

} // namespace horavox
