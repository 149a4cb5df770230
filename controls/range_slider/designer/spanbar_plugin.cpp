// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "spanbar_plugin.h"
#include "spanbar.h"

#include <QIcon>
#include <QPixmap>

SpanbarDesignerPlugin::SpanbarDesignerPlugin(QObject *parent)
    : QObject(parent)
{
}

QString SpanbarDesignerPlugin::name() const
{
    return QStringLiteral("Spanbar");
}

QString SpanbarDesignerPlugin::group() const
{
    return QStringLiteral("Horavox");
}

QString SpanbarDesignerPlugin::toolTip() const
{
    return QStringLiteral("Range slider");
}

QString SpanbarDesignerPlugin::whatsThis() const
{
    return QStringLiteral("A textured track whose pointer position gives a value from 0 to Range.");
}

QString SpanbarDesignerPlugin::includeFile() const
{
    return QStringLiteral("spanbar.h");
}

QIcon SpanbarDesignerPlugin::icon() const
{
    // The knob bitmap comes from the slider library's own resources.
    return QIcon(QPixmap(QStringLiteral(":/spanbar/SLIDERPOINTER"), "BMP"));
}

bool SpanbarDesignerPlugin::isContainer() const
{
    return false;
}

QWidget *SpanbarDesignerPlugin::createWidget(QWidget *parent)
{
    return new Spanbar(parent);
}

bool SpanbarDesignerPlugin::isInitialized() const
{
    return m_initialized;
}

void SpanbarDesignerPlugin::initialize(QDesignerFormEditorInterface *)
{
    m_initialized = true;
}

QString SpanbarDesignerPlugin::domXml() const
{
    // Placed at the control's design size of 2115 x 480 twips.
    return QStringLiteral(
        "<ui language=\"c++\">\n"
        " <widget class=\"Spanbar\" name=\"spanbar\">\n"
        "  <property name=\"geometry\">\n"
        "   <rect><x>0</x><y>0</y><width>141</width><height>32</height></rect>\n"
        "  </property>\n"
        " </widget>\n"
        "</ui>\n");
}
