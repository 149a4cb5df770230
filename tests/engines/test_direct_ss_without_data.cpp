// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engines/direct_ss.h"
#include "engines/tts_engine.h"
#include "test_main.h"

#include <QFile>
#include <QSignalSpy>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace horavox;

// eSpeak NG is set up once per process, so data that is missing or damaged
// needs a process of its own.
class TestDirectSSWithoutData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The cheap look at start must see what loading the engines' module
    // would find: the module gone, or a library it needs gone, is no engine.
    void unloadableModuleLeavesNoEngine_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<int>("engines");
        QTest::newRow("a copy elsewhere") << "copy" << 2;
        QTest::newRow("moved away") << "gone" << 0;
        QTest::newRow("a library it needs is missing") << "patched" << 0;
    }
    void unloadableModuleLeavesNoEngine()
    {
        QFETCH(QString, module);
        QFETCH(int, engines);
        QFile built(voicesModuleFile());
        QVERIFY(built.open(QIODevice::ReadOnly));
        QByteArray bytes = built.readAll();
        if (module == QLatin1String("patched")) {
            // The same length, so that every offset in the file stays right.
            const QByteArray needed("libespeak-ng.so.1");
            QVERIFY(bytes.contains(needed + '\0'));
            bytes.replace(needed + '\0', QByteArray("libespeak-zz.so.1") + '\0');
        }
        QTemporaryDir dir;
        DirectSS::Options o;
        o.voicesModule = dir.filePath(QStringLiteral("libhoravox_voices.so"));
        if (module != QLatin1String("gone")) {
            QFile copy(o.voicesModule);
            QVERIFY(copy.open(QIODevice::WriteOnly));
            QCOMPARE(copy.write(bytes), bytes.size());
        }
        if (engines == 0)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No speech engine"));
        DirectSS ss(nullptr, o);
        QCOMPARE(ss.TtsEngineCount(), qint16(engines));
        QCOMPARE(ss.engineNames().size(), engines);
        QVERIFY(!ss.engineStarted());
    }

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
        QVERIFY(!ss.engineStarted());
    }
    void damagedEspeakDataIsLeftOutOnceTried()
    {
        // The data looks present, so the engine is counted, but it cannot
        // start: from the first sentence on it is no longer counted.
        QTemporaryDir damaged;
        QFile phontab(damaged.filePath(QStringLiteral("phontab")));
        QVERIFY(phontab.open(QIODevice::WriteOnly));
        phontab.close();
        DirectSS::Options o;
        o.engines = DirectSS::Espeak;
        o.espeakDataPath = damaged.path();
        DirectSS ss(nullptr, o);
        // A clock whose chosen voice is of that engine, chosen while it
        // looked present.
        o.engines = DirectSS::AllEngines;
        DirectSS chosen(nullptr, o);
        QVERIFY(chosen.chooseVoice(QStringLiteral("espeak/en")));
        QCOMPARE(ss.TtsEngineCount(), qint16(1));
        ss.TtsSpeak(QStringLiteral("Nothing to hear"));
        QTRY_COMPARE_WITH_TIMEOUT(ss.TtsBusy(), qint16(0), 10000);
        QCOMPARE(ss.TtsEngineCount(), qint16(0));

        // Its first sentence finds the engine gone; from the next on the
        // default voice speaks, and the choice can no longer be made.
        QSignalSpy changed(&chosen, &SpeechEngine::currentVoiceChanged);
        chosen.TtsSpeak(QStringLiteral("Nothing to hear"));
        QTRY_COMPARE_WITH_TIMEOUT(chosen.TtsBusy(), qint16(0), 10000);
        chosen.TtsSpeak(QStringLiteral("One"));
        QCOMPARE(chosen.voiceId(chosen.TtsCurrentVoice()), QStringLiteral("flite/slt"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(chosen.TtsBusy() != 0);
        QTRY_COMPARE_WITH_TIMEOUT(chosen.TtsBusy(), qint16(0), 10000);
        QVERIFY(!chosen.chooseVoice(QStringLiteral("espeak/en")));
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
