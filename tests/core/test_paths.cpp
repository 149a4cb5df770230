// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/paths.h"
#include "speech/clip_table.h"
#include "test_main.h"

#include <QSet>

using namespace horavox;

class TestPaths : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void foldersFollowXdg()
    {
        QCOMPARE(configDir(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/horavox");
        QCOMPARE(dataDir(), qEnvironmentVariable("XDG_DATA_HOME") + "/horavox");
        QCOMPARE(settingsFilePath(), configDir() + "/SettingsSetup.txt");
        QCOMPARE(sliderFilePath(), configDir() + "/SliderSetting.txt");
    }
    void joinUsesOneSeparator()
    {
        QCOMPARE(joinPath("/a/b", "c.txt"), QString("/a/b/c.txt"));
        QCOMPARE(joinPath("/", "c.txt"), QString("/c.txt"));
    }
    void clipNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("file");
        QTest::newRow("time") << "c:\\tmpSndT.$$$" << "tmpSndT.$$$";
        QTest::newRow("time lower s") << "c:\\tmpsndT.$$$" << "tmpSndT.$$$";
        QTest::newRow("time all lower") << "C:\\TMPSNDt.$$$" << "tmpSndT.$$$";
        QTest::newRow("bleep") << "c:\\tmpSndA.$$$" << "tmpSndA.$$$";
        QTest::newRow("am") << "c:\\tmpSndam.$$$" << "tmpSndAM.$$$";
        QTest::newRow("oh") << "c:\\tmpSnd0.$$$" << "tmpSnd0.$$$";
        QTest::newRow("minutes") << "c:\\tmpSndM2.$$$" << "tmpSndM2.$$$";
        QTest::newRow("unknown key") << "c:\\tmpSnd60.$$$" << "";
        QTest::newRow("other file") << "c:\\other.wav" << "";
        QTest::newRow("empty") << "" << "";
    }
    void clipNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, file);
        const QString path = clipFilePath(name, "/clips");
        QCOMPARE(path, file.isEmpty() ? QString() : "/clips/" + file);
    }
    void everyRowHasItsOwnFile()
    {
        QSet<QString> files;
        for (const ClipRow &row : kClipTable) {
            const QString path = clipFilePath(clipName(row.key), "/d");
            QVERIFY2(!path.isEmpty(), row.resource);
            files.insert(path);
        }
        QCOMPARE(files.size(), int(kClipTable.size()));
    }
};

HORAVOX_TEST_MAIN(TestPaths)
#include "test_paths.moc"
