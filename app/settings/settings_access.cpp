// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings_window.h"

#include "settings/v_spinner.h"
#include "ui_settings_window.h"

namespace horavox {

void Settings::nameFieldsForScreenReaders()
{
    Ui::Settings &ui = *m_ui;
    ui.Label7->setBuddy(ui.Text1);
    ui.Text1->setAccessibleName(tr("Phrase to say before the time"));
    ui.HScroll1->setAccessibleName(tr("TTS speed"));

    const struct
    {
        QWidget *box;
        VSpinner *spinner;
        const char *name;
    } fields[] = {
        {ui.StartHrText, ui.StartHrVscroll, QT_TR_NOOP("Start hour")},
        {ui.StartMinText, ui.StartMinVscroll, QT_TR_NOOP("Start minute")},
        {ui.EndHrText, ui.EndHrVscroll, QT_TR_NOOP("End hour")},
        {ui.EndMinText, ui.EndMinVscroll, QT_TR_NOOP("End minute")},
    };
    for (const auto &f : fields) {
        const QString name = tr(f.name);
        f.box->setAccessibleName(name);
        f.spinner->setAccessibleName(tr("%1 arrows", "the two arrows of a time field").arg(name));
        f.spinner->setArrowNames(tr("%1 up", "arrow of a time field").arg(name),
                                 tr("%1 down", "arrow of a time field").arg(name));
    }
    // The frames around the AM/PM pairs would otherwise take their group's
    // name, twice over.
    ui.Frame5->setAccessibleName(tr("Start half of the day"));
    ui.Frame6->setAccessibleName(tr("End half of the day"));
    ui.StartAMOption->setAccessibleName(tr("Start AM"));
    ui.StartPMOption->setAccessibleName(tr("Start PM"));
    ui.EndAMOption->setAccessibleName(tr("End AM"));
    ui.EndPMOption->setAccessibleName(tr("End PM"));
}

} // namespace horavox
