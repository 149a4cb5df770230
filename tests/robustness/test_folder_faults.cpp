// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Folders the program cannot write to and a disk that fills up. Running as
// root, permission bits stop nothing, so "cannot write" is a folder whose
// parent is a regular file, and "full" is a file-size limit in a child
// process. Nothing that was on disk may be lost and the clock runs on.
#include "main_window/scheduler/slider_file.h"
#include "robustness_rig.h"
#include "settings/settings_codec.h"
#include "settings/settings_file.h"
#include "resources/picture_from_res.h"
#include "resources/resources.h"
#include "test_main.h"
#include "main_form_parts.h"

#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace horavox;
using namespace horavox_test;

namespace {

// Runs `work` in a child whose files may grow to `limitBytes` at most, the
// way a full disk refuses the bytes past its end. Returns the child's code.
int inFullDiskChild(rlim_t limitBytes, const std::function<int()> &work)
{
    const pid_t pid = fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // a failed write, not a killed process
        const rlimit lim{limitBytes, limitBytes};
        setrlimit(RLIMIT_FSIZE, &lim);
        _exit(work());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

const QByteArray kOldSettings = "T\r\n180\r\nHello there\r\n1\r\n07\r\n30\r\nA\r\n10\r\n00\r\nP\r\n1\r\n";
const QByteArray kOldSlider = "900\r\n";

} // namespace

class TestFolderFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        qputenv("XDG_CONFIG_HOME", m_root.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_root.filePath(QStringLiteral("data")).toLocal8Bit());
        cleanFolders();
    }

    void unwritableFolders_data()
    {
        QTest::addColumn<bool>("configBlocked");
        QTest::addColumn<bool>("dataBlocked");
        QTest::newRow("settings folder") << true << false;
        QTest::newRow("clip folder") << false << true;
        QTest::newRow("both") << true << true;
    }

    void unwritableFolders()
    {
        QFETCH(bool, configBlocked);
        QFETCH(bool, dataBlocked);
        // The parent of each blocked folder is a regular file.
        const QString blocker = m_root.filePath(QStringLiteral("blocker"));
        writeFile(blocker, "in the way");
        if (configBlocked)
            qputenv("XDG_CONFIG_HOME", (blocker + QStringLiteral("/config")).toLocal8Bit());
        if (dataBlocked)
            qputenv("XDG_DATA_HOME", (blocker + QStringLiteral("/data")).toLocal8Bit());

        if (!configBlocked)
            writeFile(settingsFilePath(), kQuietSettings);
        // Defaults stand in for the files it cannot make.
        ClockWindowRig rig(QByteArray(), QByteArray(), ClockWindowRig::Load::Whole,
                           {.start = QDateTime(QDate(2026, 12, 7), QTime(9, 14, 58))});
        QCOMPARE(rig.form->state().AnnounceInterval, qint16(1)); // the slider file's default, 30 twips
        for (int i = 0; i < 4; ++i) {
            rig.clock.advanceSecs(1);
            rig.form->Timer1_Timer();
            rig.form->Timer2_Timer();
        }
        QCOMPARE(formPart<Numeron>(*rig.form, "Numeron1")->DigitDisplay(), QStringLiteral("9:15:02"));
        // Without a settings file the defaults hold, and they announce at start-up.
        QStringList expected{QStringLiteral("TIME NINE FIFTEEN AM")};
        if (configBlocked)
            expected.prepend(QStringLiteral("TIME NINE FOURTEEN AM"));
        QCOMPARE(announcements(rig.media.played), expected);
        rig.form->saveForExit();
        rig.form.reset();
        QCOMPARE(readAll(blocker), QByteArray("in the way"));
        QVERIFY(rig.sink.shown.isEmpty());
        QCOMPARE(QFileInfo::exists(settingsFilePath()), !configBlocked);
        QCOMPARE(QFileInfo::exists(clipFilePath(clipName("T"))), !dataBlocked);
    }

    void fullDiskKeepsTheOldFiles_data()
    {
        QTest::addColumn<int>("limit");
        QTest::newRow("nothing fits") << 0;
        QTest::newRow("a few bytes fit") << 5;
        QTest::newRow("the slider fits, the settings do not") << 20;
        QTest::newRow("all but the last byte of the settings") << int(settings_codec::defaultFile().size()) - 1;
    }

    void fullDiskKeepsTheOldFiles()
    {
        QFETCH(int, limit);
        writeFile(settingsFilePath(), kOldSettings);
        writeFile(sliderFilePath(), kOldSlider);
        const QByteArray newSettings = settings_codec::serialize(StoredSettings{});

        const int code = inFullDiskChild(rlim_t(limit), [&] {
            const bool settingsWritten = settings_file::write(settingsFilePath(), newSettings);
            const bool sliderWritten = WriteSlider(45.0, sliderFilePath());
            return (settingsWritten ? 1 : 0) | (sliderWritten ? 2 : 0);
        });
        // A write reports success exactly when its whole file fitted, and the
        // file then holds the new bytes; otherwise the old file is untouched.
        const QByteArray newSlider = "1350\r\n";
        const bool settingsFit = newSettings.size() <= limit;
        const bool sliderFits = newSlider.size() <= limit;
        QCOMPARE(code, (settingsFit ? 1 : 0) | (sliderFits ? 2 : 0));
        QCOMPARE(readAll(settingsFilePath()), settingsFit ? newSettings : kOldSettings);
        QCOMPARE(readAll(sliderFilePath()), sliderFits ? newSlider : kOldSlider);
        // No half-written leftovers that a later run could mistake for the file.
        const QStringList left = QDir(configDir()).entryList(QDir::Files);
        QCOMPARE(left, QStringList({QStringLiteral("SettingsSetup.txt"), QStringLiteral("SliderSetting.txt")}));
    }

    void fullDiskAtCloseKeepsTheOldFiles()
    {
        writeFile(settingsFilePath(), kOldSettings);
        writeFile(sliderFilePath(), kOldSlider);
        ClockWindowRig rig(QByteArray(), QByteArray(), ClockWindowRig::Load::Whole,
                           {.start = QDateTime(QDate(2026, 12, 7), QTime(9, 0, 0))});
        // The window's own save at close, with a disk that takes nothing.
        const int code = inFullDiskChild(0, [&] {
            rig.form->saveForExit();
            return 0;
        });
        QCOMPARE(code, 0);
        QCOMPARE(readAll(settingsFilePath()), kOldSettings);
        QCOMPARE(readAll(sliderFilePath()), kOldSlider);
        // With room again, the same save goes through.
        rig.form->saveForExit();
        QCOMPARE(settings_codec::parse(readAll(settingsFilePath())), settings_codec::parse(kOldSettings));
        QCOMPARE(readAll(sliderFilePath()), kOldSlider);
    }

    void clipsOnAFullDiskAreWholeOrAbsent_data()
    {
        QTest::addColumn<int>("limit");
        QTest::newRow("nothing fits") << 0;
        QTest::newRow("less than the smallest clip") << 4000;
        QTest::newRow("the bleep fits, the words do not") << 20000;
    }

    void clipsOnAFullDiskAreWholeOrAbsent()
    {
        QFETCH(int, limit);
        QList<QPair<QString, QString>> clips;
        for (const ClipRow &row : kClipTable)
            clips << qMakePair(QString::fromLatin1(row.resource), clipFilePath(clipName(row.key)));
        QCOMPARE(inFullDiskChild(rlim_t(limit), [&] {
                     WriteVoiceClips(clips);
                     return 0;
                 }),
                 0);
        // A clip file that is there is kept by every later start, so it must
        // be whole; a missing one is written again next time.
        for (const auto &c : clips) {
            if (QFileInfo::exists(c.second))
                QCOMPARE(readAll(c.second), resourceBytes(QStringLiteral("CUSTOM"), c.first));
        }
        QStringList names;
        for (const auto &c : clips)
            names << QFileInfo(c.second).fileName();
        for (const QString &f : QDir(dataDir()).entryList(QDir::Files | QDir::Hidden))
            QVERIFY2(names.contains(f), qPrintable(f)); // no side files left behind
        // With room again, the next start completes the set.
        WriteVoiceClips(clips);
        for (const auto &c : clips)
            QCOMPARE(readAll(c.second), resourceBytes(QStringLiteral("CUSTOM"), c.first));
    }

private:
    QTemporaryDir m_root;
};

HORAVOX_TEST_MAIN(TestFolderFaults)
#include "test_folder_faults.moc"
