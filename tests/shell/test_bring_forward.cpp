#include "shell/bring_forward.h"

#include "test_main.h"

#include <QWidget>

using namespace horavox;

namespace {
// Counts the events of one type a widget gets.
struct EventCounter : QObject
{
    EventCounter(QObject *watched, QEvent::Type type, int *count) : m_type(type), m_count(count)
    {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == m_type)
            ++*m_count;
        return false;
    }
    QEvent::Type m_type;
    int *m_count;
};
} // namespace

class TestBringForward : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { qunsetenv("XDG_ACTIVATION_TOKEN"); }

    void windowComesBackAndNoTokenStays_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<QByteArray>("inEnvironment");
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<bool>("mappedAfresh");
        const QString x11 = QStringLiteral("xcb"), wayland = QStringLiteral("wayland");
        QTest::newRow("minimised, with a token") << x11 << true << QByteArray() << QByteArray("kwin-5") << false;
        QTest::newRow("minimised, without") << x11 << true << QByteArray() << QByteArray() << false;
        QTest::newRow("shown, with a token") << x11 << false << QByteArray() << QByteArray("kwin-6") << false;
        // The clock's own launcher's token, long used up, must not be
        // offered for a later raise.
        QTest::newRow("stale token, raise without") << x11 << true << QByteArray("stale-1") << QByteArray() << false;
        QTest::newRow("stale token, raise with") << x11 << false << QByteArray("stale-2") << QByteArray("kwin-7")
                                                 << false;
        // Wayland: only a fresh map brings a minimised window back, and only
        // a token raises one that is merely behind others.
        QTest::newRow("wayland, minimised, with a token") << wayland << true << QByteArray() << QByteArray("w-1")
                                                          << true;
        QTest::newRow("wayland, minimised, without") << wayland << true << QByteArray() << QByteArray() << true;
        QTest::newRow("wayland, shown, with a token") << wayland << false << QByteArray() << QByteArray("w-2")
                                                      << false;
        QTest::newRow("wayland, shown, without") << wayland << false << QByteArray() << QByteArray() << true;
    }
    void windowComesBackAndNoTokenStays()
    {
        QFETCH(QString, platform);
        QFETCH(bool, minimised);
        QFETCH(QByteArray, inEnvironment);
        QFETCH(QByteArray, token);
        QFETCH(bool, mappedAfresh);
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.resize(302, 97);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (minimised)
            window.showMinimized();
        if (!inEnvironment.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", inEnvironment);
        int hidden = 0;
        EventCounter counter(&window, QEvent::Hide, &hidden);

        bringForward(window, token, platform);
        QVERIFY(window.isVisible());
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));
        QVERIFY(!qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN"));
        QCOMPARE(hidden > 0, mappedAfresh);
    }
};

HORAVOX_TEST_MAIN(TestBringForward)
#include "test_bring_forward.moc"
