#include "shell/voice_option.h"

#include "components/direct_ss.h"
#include "test_main.h"

using namespace horavox;

class TestVoiceOption : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startingVoice_data()
    {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("offered");      // speech-dispatcher installed
        QTest::addColumn<bool>("screenReader"); // running
        QTest::addColumn<QString>("voice");
        QTest::addColumn<bool>("asked"); // whether the screen reader was looked for
        QTest::newRow("nothing picked") << "" << "" << true << false << "" << true;
        QTest::newRow("screen reader, nothing picked") << "" << "" << true << true << "speech-dispatcher" << true;
        QTest::newRow("screen reader, a voice stored") << "" << "flite/kal" << true << true << "flite/kal" << false;
        QTest::newRow("screen reader, no service") << "" << "" << false << true << "" << false;
        QTest::newRow("command line beats stored") << "espeak/en" << "flite/kal" << true << false << "espeak/en"
                                                   << false;
        QTest::newRow("command line beats screen reader") << "flite/slt" << "" << true << true << "flite/slt" << false;
    }
    void startingVoice()
    {
        QFETCH(QString, commandLine);
        QFETCH(QString, stored);
        QFETCH(bool, offered);
        QFETCH(bool, screenReader);
        int asked = 0;
        QTEST(horavox::startingVoice(commandLine, stored, offered, [&] { ++asked; return screenReader; }), "voice");
        QTEST(asked == 1, "asked");
    }

    void commandLineVoice_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("usable");
        QTest::newRow("an own engine's voice") << "flite/kal" << true;
        QTest::newRow("the speech service's default") << "speech-dispatcher" << true;
        QTest::newRow("unknown engine") << "festival/kal" << false;
        QTest::newRow("a voice's short name") << "kal" << false;
        // Checked against the modules, which no server answers for here.
        QTest::newRow("a module's voice, unheard of") << "speech-dispatcher/espeak-ng/nobody" << false;
    }
    void commandLineVoice()
    {
        QFETCH(QString, id);
        QFETCH(bool, usable);
        DirectSS::Options o;
        o.engines = DirectSS::AllEngines | DirectSS::Dispatcher;
        DirectSS engine(nullptr, o);
        QString error;
        QCOMPARE(chooseCommandLineVoice(engine, id, &error), usable);
        QCOMPARE(engine.voiceId(engine.TtsCurrentVoice()) == id, usable);
        QCOMPARE(error.contains(QStringLiteral("'%1'").arg(id)), !usable);
    }
};

HORAVOX_TEST_MAIN(TestVoiceOption)
#include "test_voice_option.moc"
