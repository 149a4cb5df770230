#include "components/direct_ss.h"
#include "test_main.h"

#include <QTemporaryDir>
#include <QTest>

using namespace horavox;

// eSpeak NG is set up once per process, so a missing data folder needs a
// process of its own.
class TestDirectSSWithoutData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void missingEspeakDataLeavesNoEngine()
    {
        QTemporaryDir empty;
        DirectSS::Options o;
        o.engines = DirectSS::Espeak;
        o.espeakDataPath = empty.path();
        DirectSS ss(nullptr, o);
        QCOMPARE(ss.TtsEngineCount(), qint16(0));
        ss.TtsSpeak(QStringLiteral("Nothing to hear"));
        QCOMPARE(ss.TtsBusy(), qint16(0));
        ss.TtsStop();
    }
    void fliteStillWorksBesideIt()
    {
        DirectSS ss; // eSpeak NG stays unusable for the rest of the process
        QCOMPARE(ss.TtsEngineCount(), qint16(1));
        QCOMPARE(ss.engineNames(), QStringList{QStringLiteral("flite")});
        QCOMPARE(ss.TtsVoiceName(ss.TtsCurrentVoice()), QStringLiteral("slt"));
    }
};

HORAVOX_TEST_MAIN(TestDirectSSWithoutData)
#include "test_direct_ss_without_data.moc"
