#include "shell/bring_forward.h"

#include "test_main.h"

#include <QWidget>

using namespace horavox;

class TestBringForward : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { qunsetenv("XDG_ACTIVATION_TOKEN"); }

    void windowComesBackAndNoTokenStays_data()
    {
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<QByteArray>("inEnvironment");
        QTest::addColumn<QByteArray>("token");
        QTest::newRow("minimised, with a token") << true << QByteArray() << QByteArray("kwin-5");
        QTest::newRow("minimised, without") << true << QByteArray() << QByteArray();
        QTest::newRow("shown, with a token") << false << QByteArray() << QByteArray("kwin-6");
        // The clock's own launcher's token, long used up, must not be
        // offered for a later raise.
        QTest::newRow("stale token, raise without") << true << QByteArray("stale-1") << QByteArray();
        QTest::newRow("stale token, raise with") << false << QByteArray("stale-2") << QByteArray("kwin-7");
    }
    void windowComesBackAndNoTokenStays()
    {
        QFETCH(bool, minimised);
        QFETCH(QByteArray, inEnvironment);
        QFETCH(QByteArray, token);
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.resize(302, 97);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (minimised)
            window.showMinimized();
        if (!inEnvironment.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", inEnvironment);

        bringForward(window, token);
        QVERIFY(window.isVisible());
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));
        QVERIFY(!qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"));
    }
};

HORAVOX_TEST_MAIN(TestBringForward)
#include "test_bring_forward.moc"
