// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "control_designer_plugin.h"

ControlDesignerPlugin::ControlDesignerPlugin(Description description, QObject *parent)
    : QObject(parent)
    , m_description(std::move(description))
{
}

QString ControlDesignerPlugin::group() const
{
    // One heading in the widget box for all of the project's widgets.
    return QStringLiteral("Horavox");
}

QString ControlDesignerPlugin::domXml() const
{
    return m_description.domXml;
}
