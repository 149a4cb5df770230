// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "control_designer_plugin.h"
#include "numeron_p.h"

#include <QPixmap>

namespace {

ControlDesignerPlugin::Description numeronDescription()
{
    ControlDesignerPlugin::Description d;
    d.name = QStringLiteral("Numeron");
    d.includeFile = QStringLiteral("numeron.h");
    d.toolTip = QStringLiteral("Seven-segment digit display");
    d.whatsThis = QStringLiteral("Shows a number or a time of day as a row of LED digits.");
    // Forms being opened carry their own values; a widget dropped from the
    // widget box shows "543", and every other first value equals its stored
    // default and needs no entry.
    d.domXml = QStringLiteral(
        "<ui language=\"c++\">\n"
        " <widget class=\"Numeron\" name=\"numeron\">\n"
        "  <property name=\"DigitDisplay\"><string>543</string></property>\n"
        " </widget>\n"
        "</ui>\n");
    d.create = [](QWidget *parent) { return new Numeron(parent); };
    d.icon = [] {
        // A lit red "8" straight from the glyph strip.
        using namespace numeron_strip;
        const QRect eight(8 * LargeCellWidth, 3 * SmallCellHeight + Numeron::dgRed * LargeCellHeight, LargeCellWidth, LargeCellHeight);
        return QIcon(QPixmap::fromImage(NumeronPrivate::glyphStrip().copy(eight)));
    };
    return d;
}

} // namespace

class NumeronDesignerPlugin : public ControlDesignerPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
public:
    explicit NumeronDesignerPlugin(QObject *parent = nullptr)
        : ControlDesignerPlugin(numeronDescription(), parent)
    {
    }
};

#include "numeron_designer_plugin.moc"
