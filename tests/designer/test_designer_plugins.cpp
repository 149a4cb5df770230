// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_main.h"

#include <QDir>
#include <QPluginLoader>
#include <QRect>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// Finds each Designer plugin the way Designer does, in the "designer" folder
// of a Qt plugin path, and loads it without this test linking the widget
// libraries: the plugin must bring its library along, as it has to once
// installed. QT_PLUGIN_PATH names where to look: the build tree under ctest,
// the unpacked packages in scripts/package.
class TestDesignerPlugins : public QObject
{
    Q_OBJECT

    static QString pluginFile(const QString &base)
    {
        const QString file = QStringLiteral("lib") + base + QStringLiteral(".so");
        for (const QString &path : QCoreApplication::libraryPaths()) {
            const QDir designer(path + QStringLiteral("/designer"));
            if (designer.exists(file))
                return designer.absoluteFilePath(file);
        }
        return {};
    }

    static bool underPluginPathFromEnvironment(const QString &file)
    {
        const QString folder = QFileInfo(QFileInfo(file).absolutePath()).canonicalFilePath();
        const QStringList given = qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
        return std::any_of(given.cbegin(), given.cend(), [&](const QString &path) {
            return QFileInfo(path + QStringLiteral("/designer")).canonicalFilePath() == folder;
        });
    }

    // The value of one <property> of a form snippet, in the types the
    // snippets use.
    static QVariant propertyValue(QXmlStreamReader &xml)
    {
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("string"))
                return xml.readElementText();
            if (xml.name() == QLatin1String("number"))
                return xml.readElementText().toInt();
            if (xml.name() == QLatin1String("rect")) {
                QRect r;
                while (xml.readNextStartElement()) {
                    const int v = xml.readElementText().toInt();
                    if (xml.name() == QLatin1String("x"))
                        r.moveLeft(v);
                    else if (xml.name() == QLatin1String("y"))
                        r.moveTop(v);
                    else if (xml.name() == QLatin1String("width"))
                        r.setWidth(v);
                    else if (xml.name() == QLatin1String("height"))
                        r.setHeight(v);
                }
                return r;
            }
            xml.skipCurrentElement();
        }
        return {};
    }

private Q_SLOTS:
    void placesAWorkingWidget_data()
    {
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<QString>("widgetClass");
        QTest::addColumn<QString>("includeFile");
        // What a widget dropped from the widget box shows once the plugin's
        // form snippet is applied to it.
        QTest::addColumn<QVariantMap>("placed");

        QTest::newRow("digit display")
            << "numeron_designer" << "Numeron" << "numeron.h"
            << QVariantMap{{"DigitDisplay", QStringLiteral("543")}};
        // Placed at the control's design size of 2115 x 480 twips.
        QTest::newRow("range slider")
            << "spanbar_designer" << "Spanbar" << "spanbar.h"
            << QVariantMap{{"RangeLeft", 0}, {"RangeRight", 60}, {"size", QSize(141, 32)}};
    }

    void placesAWorkingWidget()
    {
        QFETCH(QString, plugin);
        QFETCH(QString, widgetClass);
        QFETCH(QString, includeFile);
        QFETCH(QVariantMap, placed);

        const QString file = pluginFile(plugin);
        QVERIFY2(!file.isEmpty(), qPrintable(plugin + " is in no designer folder of the plugin paths"));
        // A copy installed on this machine must not stand in for the one asked about.
        QVERIFY2(underPluginPathFromEnvironment(file), qPrintable(file + " is not under QT_PLUGIN_PATH"));
        QPluginLoader loader(file);
        QVERIFY2(loader.load(), qPrintable(loader.errorString()));
        auto *described = qobject_cast<QDesignerCustomWidgetInterface *>(loader.instance());
        QVERIFY(described);
        QCOMPARE(described->name(), widgetClass);
        QCOMPARE(described->includeFile(), includeFile);
        QVERIFY(!described->isContainer());
        QVERIFY(!described->icon().isNull());

        QWidget parent;
        QWidget *w = described->createWidget(&parent);
        QVERIFY(w);
        QCOMPARE(QString::fromLatin1(w->metaObject()->className()), widgetClass);
        QCOMPARE(w->parentWidget(), &parent);

        // Designer writes each property of the snippet into the form; one
        // the widget does not have would be dropped without a word.
        QXmlStreamReader xml(described->domXml());
        QString snippetClass;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("widget")) {
                snippetClass = xml.attributes().value(QLatin1String("class")).toString();
            } else if (xml.name() == QLatin1String("property")) {
                const QByteArray name = xml.attributes().value(QLatin1String("name")).toLatin1();
                const QVariant value = propertyValue(xml);
                QVERIFY2(value.isValid(), name.constData());
                QVERIFY2(w->setProperty(name.constData(), value), name.constData());
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(snippetClass, widgetClass);
        for (auto it = placed.cbegin(); it != placed.cend(); ++it) {
            const QVariant shown = w->property(it.key().toLatin1().constData());
            QVERIFY2(shown == it.value(), qPrintable(it.key() + " is " + shown.toString()));
        }
    }
};

HORAVOX_TEST_MAIN(TestDesignerPlugins)
#include "test_designer_plugins.moc"
