#include "spanbar.h"
#include "test_main.h"

#include <QPluginLoader>
#include <QXmlStreamReader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// Loads the built Designer plugin the way Designer does and checks that a
// form using it gets a working slider under the header the host includes.
class TestSpanbarDesigner : public QObject
{
    Q_OBJECT
    QPluginLoader m_loader{QStringLiteral(SPANBAR_DESIGNER_PLUGIN_FILE)};
    QDesignerCustomWidgetInterface *m_plugin = nullptr;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
        m_plugin = qobject_cast<QDesignerCustomWidgetInterface *>(m_loader.instance());
        QVERIFY(m_plugin);
    }

    void describesTheWidget()
    {
        QCOMPARE(m_plugin->name(), QStringLiteral("Spanbar"));
        QCOMPARE(m_plugin->includeFile(), QStringLiteral("spanbar.h"));
        QVERIFY(!m_plugin->isContainer());
        QVERIFY(!m_plugin->icon().isNull());
    }

    void createsAWorkingSlider()
    {
        QWidget parent;
        QWidget *w = m_plugin->createWidget(&parent);
        auto *bar = qobject_cast<Spanbar *>(w);
        QVERIFY(bar);
        QCOMPARE(bar->parentWidget(), &parent);
        QCOMPARE(bar->RangeLeft(), qint16(0));
        QCOMPARE(bar->RangeRight(), qint16(60));
    }

    void formSnippetHasTheDesignSize()
    {
        QXmlStreamReader xml(m_plugin->domXml());
        QString widgetClass;
        QSize size;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("widget"))
                widgetClass = xml.attributes().value(QLatin1String("class")).toString();
            else if (xml.name() == QLatin1String("width"))
                size.setWidth(xml.readElementText().toInt());
            else if (xml.name() == QLatin1String("height"))
                size.setHeight(xml.readElementText().toInt());
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(widgetClass, m_plugin->name());
        QCOMPARE(size, QSize(141, 32));
    }
};

HORAVOX_TEST_MAIN(TestSpanbarDesigner)
#include "test_spanbar_designer.moc"
