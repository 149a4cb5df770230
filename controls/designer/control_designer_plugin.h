// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once
// What every Designer plugin of the widget libraries has in common. A
// library's plugin is a subclass that describes its widget and carries the
// plugin metadata; horavox_add_control_library() builds it.
#include <QIcon>
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <functional>

class ControlDesignerPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    struct Description
    {
        QString name;        // the widget's class, as in a form
        QString includeFile; // its public header
        QString toolTip;
        QString whatsThis;
        // The form snippet of a widget dropped from the widget box: only the
        // values that differ from what the constructor gives.
        QString domXml;
        std::function<QWidget *(QWidget *parent)> create;
        std::function<QIcon()> icon;
    };

    ControlDesignerPlugin(Description description, QObject *parent);

    QString name() const override { return m_description.name; }
    QString group() const override;
    QString toolTip() const override { return m_description.toolTip; }
    QString whatsThis() const override { return m_description.whatsThis; }
    QString includeFile() const override { return m_description.includeFile; }
    QIcon icon() const override { return m_description.icon(); }
    bool isContainer() const override { return false; }
    QWidget *createWidget(QWidget *parent) override { return m_description.create(parent); }
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *) override { m_initialized = true; }
    QString domXml() const override;

private:
    Description m_description;
    bool m_initialized = false;
};
