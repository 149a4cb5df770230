// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "control_designer_plugin.h"
#include "spanbar.h"

#include <QPixmap>

namespace {

ControlDesignerPlugin::Description spanbarDescription()
{
    ControlDesignerPlugin::Description d;
    d.name = QStringLiteral("Spanbar");
    d.includeFile = QStringLiteral("spanbar.h");
    d.toolTip = QStringLiteral("Range slider");
    d.whatsThis = QStringLiteral("A textured track whose pointer position gives a value from 0 to Range.");
    // Placed at the control's design size of 2115 x 480 twips.
    d.domXml = QStringLiteral(
        "<ui language=\"c++\">\n"
        " <widget class=\"Spanbar\" name=\"spanbar\">\n"
        "  <property name=\"geometry\">\n"
        "   <rect><x>0</x><y>0</y><width>141</width><height>32</height></rect>\n"
        "  </property>\n"
        " </widget>\n"
        "</ui>\n");
    d.create = [](QWidget *parent) { return new Spanbar(parent); };
    // The knob bitmap comes from the slider library's own resources.
    d.icon = [] { return QIcon(QPixmap(QStringLiteral(":/spanbar/SLIDERPOINTER"), "BMP")); };
    return d;
}

} // namespace

class SpanbarDesignerPlugin : public ControlDesignerPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
public:
    explicit SpanbarDesignerPlugin(QObject *parent = nullptr)
        : ControlDesignerPlugin(spanbarDescription(), parent)
    {
    }
};

#include "spanbar_plugin.moc"
