// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "numeron_designer_plugin.h"

#include "numeron.h"

#include <QIcon>
#include <QPixmap>

NumeronDesignerPlugin::NumeronDesignerPlugin(QObject *parent)
    : QObject(parent)
{
}

QString NumeronDesignerPlugin::name() const
{
    return QStringLiteral("Numeron");
}

QString NumeronDesignerPlugin::group() const
{
    return QStringLiteral("Display Widgets");
}

QString NumeronDesignerPlugin::toolTip() const
{
    return QStringLiteral("Seven-segment digit display");
}

QString NumeronDesignerPlugin::whatsThis() const
{
    return QStringLiteral("Shows a number or a time of day as a row of LED digits.");
}

QString NumeronDesignerPlugin::includeFile() const
{
    return QStringLiteral("numeron.h");
}

QIcon NumeronDesignerPlugin::icon() const
{
    // A lit red "8" straight from the glyph strip.
    const QImage &strip = Numeron::glyphStrip();
    const QRect eight(8 * Numeron::LargeCellWidth, 63 + 2 * Numeron::LargeCellHeight,
                      Numeron::LargeCellWidth, Numeron::LargeCellHeight);
    return QIcon(QPixmap::fromImage(strip.copy(eight)));
}

bool NumeronDesignerPlugin::isContainer() const
{
    return false;
}

QWidget *NumeronDesignerPlugin::createWidget(QWidget *parent)
{
    // Forms being opened carry their own values; a widget dropped from the
    // widget box gets its first look from domXml(), so that the values that
    // differ from the stored defaults are written into the form.
    return new Numeron(parent);
}

bool NumeronDesignerPlugin::isInitialized() const
{
    return m_initialized;
}

void NumeronDesignerPlugin::initialize(QDesignerFormEditorInterface *)
{
    m_initialized = true;
}

QString NumeronDesignerPlugin::domXml() const
{
    // A freshly placed display shows "543"; every other first value equals
    // its stored default and needs no entry.
    return QStringLiteral(
        "<ui language=\"c++\">\n"
        " <widget class=\"Numeron\" name=\"numeron\">\n"
        "  <property name=\"DigitDisplay\"><string>543</string></property>\n"
        " </widget>\n"
        "</ui>\n");
}
