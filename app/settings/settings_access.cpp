#include "settings_window.h"

#include "settings/v_spinner.h"
#include "ui_settings_window.h"

namespace horavox {

void Settings::nameFieldsForScreenReaders()
{
    Ui::Settings &ui = *m_ui;
    ui.Label7->setBuddy(ui.Text1);
    ui.Text1->setAccessibleName(QStringLiteral("Phrase to say before the time"));
    ui.HScroll1->setAccessibleName(QStringLiteral("TTS speed"));

    const struct
    {
        QWidget *box;
        VSpinner *spinner;
        const char *name;
    } fields[] = {
        {ui.StartHrText, ui.StartHrVscroll, "Start hour"},
        {ui.StartMinText, ui.StartMinVscroll, "Start minute"},
        {ui.EndHrText, ui.EndHrVscroll, "End hour"},
        {ui.EndMinText, ui.EndMinVscroll, "End minute"},
    };
    for (const auto &f : fields) {
        const QString name = QLatin1String(f.name);
        f.box->setAccessibleName(name);
        f.spinner->setAccessibleName(name + QStringLiteral(" arrows"));
        f.spinner->setArrowNames(name + QStringLiteral(" up"), name + QStringLiteral(" down"));
    }
    // The frames around the AM/PM pairs would otherwise take their group's
    // name, twice over.
    ui.Frame5->setAccessibleName(QStringLiteral("Start half of the day"));
    ui.Frame6->setAccessibleName(QStringLiteral("End half of the day"));
    ui.StartAMOption->setAccessibleName(QStringLiteral("Start AM"));
    ui.StartPMOption->setAccessibleName(QStringLiteral("Start PM"));
    ui.EndAMOption->setAccessibleName(QStringLiteral("End AM"));
    ui.EndPMOption->setAccessibleName(QStringLiteral("End PM"));
}

} // namespace horavox
