// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/picture_from_res.h"
#include "resources/resources.h"
#include "test_main.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

using namespace horavox;

namespace {

QStringList workFiles()
{
    return QDir(QDir::tempPath()).entryList({QStringLiteral("~rs*")}, QDir::Files | QDir::Hidden);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestPictureFromRes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tempFolderIsTheTestsOwn()
    {
        // Every check on "no litter" below relies on this folder being ours.
        QCOMPARE(QDir::tempPath(), QDir(qEnvironmentVariable("TMPDIR")).absolutePath());
    }

    void stripNull_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no NUL") << QString("C:\\TEMP\\~rs1A.tmp") << QString("C:\\TEMP\\~rs1A.tmp");
        QTest::newRow("leading NUL") << QString(QChar(0)) + "abc" << QString();
        QTest::newRow("middle NUL") << "abc" + QString(QChar(0)) + "def" << QString("abc");
        QTest::newRow("trailing NULs") << "abc" + QString(3, QChar(0)) << QString("abc");
        QTest::newRow("empty") << QString() << QString();
    }
    void stripNull()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(StripNull(text), expected);
    }

    void freshTempNameMakesAnEmptyFile()
    {
        QString first, second;
        QVERIFY(MakeTempFileName(QString(), "~rs", 0, &first));
        QVERIFY(MakeTempFileName(QString(), "~rs", 0, &second));
        QVERIFY(first != second);
        for (const QString &name : {first, second}) {
            const QFileInfo info(name);
            QVERIFY2(info.isFile(), qPrintable(name));
            QCOMPARE(info.size(), 0);
            QVERIFY(info.fileName().startsWith("~rs"));
            QCOMPARE(info.absolutePath(), QDir::tempPath());
            QVERIFY(QFile::remove(name));
        }
    }
    void freshTempNamesStayUnique()
    {
        QSet<QString> names;
        for (int i = 0; i < 200; ++i) {
            QString name;
            QVERIFY(MakeTempFileName(QString(), "~rs", 0, &name));
            names.insert(name);
        }
        QCOMPARE(names.size(), 200);
        QCOMPARE(workFiles().size(), 200);
        for (const QString &name : names)
            QFile::remove(name);
    }
    void freshTempNameInAGivenFolder()
    {
        QTemporaryDir dir;
        QString name;
        QVERIFY(MakeTempFileName(dir.path(), "abcdef", 0, &name));
        QCOMPARE(QFileInfo(name).absolutePath(), QDir(dir.path()).absolutePath());
        QVERIFY(QFileInfo(name).fileName().startsWith("abc"));
        QVERIFY(!QFileInfo(name).fileName().startsWith("abcd"));
        QVERIFY(QFileInfo(name).isFile());
    }
    void freshTempNameFailsWithoutAFolder()
    {
        QString name = "untouched";
        QVERIFY(!MakeTempFileName(QDir::tempPath() + "/no/such/folder", "~rs", 0, &name));
        QCOMPARE(name, QString("untouched"));
    }

    void numberedTempName_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("one") << 1 << "~rs1.tmp";
        QTest::newRow("hex digits upper case") << 0x1a << "~rs1A.tmp";
        QTest::newRow("largest positive") << 0x7fff << "~rs7FFF.tmp";
        QTest::newRow("negative is unsigned") << -1 << "~rsFFFF.tmp";
    }
    void numberedTempName()
    {
        QFETCH(int, number);
        QFETCH(QString, fileName);
        QString name;
        QVERIFY(MakeTempFileName(QString(), "~rs", qint16(number), &name));
        QCOMPARE(name, QDir(QDir::tempPath()).filePath(fileName));
        QVERIFY2(!QFileInfo::exists(name), "a numbered name must not create the file");
    }

    void resDataToFileWritesTheBytes()
    {
        const QString path = QDir::tempPath() + "/res103.gif";
        QCOMPARE(ResDataToFile(103, "Custom", path), qint32(ResDataNoError));
        QCOMPARE(fileBytes(path), resourceBytes("CUSTOM", "103"));
        QVERIFY(!fileBytes(path).isEmpty());
    }
    void resDataToFileErrors_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("error");
        const QString tmp = QDir::tempPath();
        QTest::newRow("missing number") << 999 << "Custom" << tmp + "/a.bin" << int(ResDataNotFound);
        QTest::newRow("missing type") << 103 << "ICON" << tmp + "/b.bin" << int(ResDataNotFound);
        QTest::newRow("no folder") << 103 << "Custom" << tmp + "/none/c.bin" << int(ResDataFileAccess);
        QTest::newRow("empty name") << 103 << "Custom" << QString() << int(ResDataFileAccess);
    }
    void resDataToFileErrors()
    {
        QFETCH(int, number);
        QFETCH(QString, type);
        QFETCH(QString, path);
        QFETCH(int, error);
        QCOMPARE(ResDataToFile(qint16(number), type, path), qint32(error));
        QVERIFY(path.isEmpty() || !QFileInfo::exists(path));
    }

    void pictureFromRes_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QSize>("size");
        QTest::newRow("103 Custom") << 103 << "Custom" << QSize(22, 29);
        QTest::newRow("101 CUSTOM") << 101 << "CUSTOM" << QSize(42, 42);
        QTest::newRow("107 custom") << 107 << "custom" << QSize(99, 50);
        QTest::newRow("missing number") << 999 << "Custom" << QSize();
        QTest::newRow("missing type") << 103 << "Pictures" << QSize();
    }
    void pictureFromRes()
    {
        QFETCH(int, number);
        QFETCH(QString, type);
        QFETCH(QSize, size);
        QVERIFY(workFiles().isEmpty());
        const QImage picture = PictureFromRes(qint16(number), type);
        if (size.isValid()) {
            QVERIFY(!picture.isNull());
            QCOMPARE(picture.size(), size);
        } else {
            QVERIFY(picture.isNull());
        }
        QVERIFY2(workFiles().isEmpty(), qPrintable(workFiles().join(", ")));
    }
    void pictureFromResWithAGivenWorkFile()
    {
        const QString path = QDir::tempPath() + "/work.bin";
        const QImage picture = PictureFromRes(104, "Custom", path);
        QCOMPARE(picture.size(), QSize(22, 29));
        QVERIFY(!QFileInfo::exists(path));
    }
    void loadDataWritesByteIdentical()
    {
        const QString path = QDir::tempPath() + "/clips/new/tmpSnd1.$$$";
        LoadDataIntoFile("ONE", path);
        QCOMPARE(fileBytes(path), resourceBytes("CUSTOM", "ONE"));
        QVERIFY(fileBytes(path).startsWith("RIFF"));
    }
    void loadDataNeverTouchesAnExistingFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("truncated to zero") << QByteArray();
        QTest::newRow("damaged") << QByteArray("RIFF?garbage");
    }
    void loadDataNeverTouchesAnExistingFile()
    {
        QFETCH(QByteArray, content);
        const QString path = QDir::tempPath() + "/keep/tmpSndT.$$$";
        LoadDataIntoFile("TIME", path);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        }
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-3600);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(before, QFileDevice::FileModificationTime));
        }
        LoadDataIntoFile("TIME", path);
        QCOMPARE(fileBytes(path), content);
        QCOMPARE(QFileInfo(path).lastModified().toUTC().toSecsSinceEpoch(), before.toSecsSinceEpoch());
        QVERIFY(QFile::remove(path));
    }
    void loadDataLeavesAFolderOfThatNameAlone()
    {
        const QString path = QDir::tempPath() + "/dirclash/tmpSnd2.$$$";
        QVERIFY(QDir().mkpath(path));
        LoadDataIntoFile("TWO", path, [](const QString &) { return false; });
        QVERIFY(QFileInfo(path).isDir());
    }
    void loadDataOfAMissingResourceWritesNothing()
    {
        const QString path = QDir::tempPath() + "/missing/tmpSndX.$$$";
        LoadDataIntoFile("NOSUCHWORD", path);
        QVERIFY(!QFileInfo::exists(path));
    }
    void loadDataSkipsAnUnwritableFolder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("folder is a file") << QDir::tempPath() + "/plain.txt/tmpSnd3.$$$" << false;
        QTest::newRow("read-only folder") << QDir::tempPath() + "/locked/tmpSnd3.$$$" << true;
    }
    void loadDataSkipsAnUnwritableFolder()
    {
        QFETCH(QString, path);
        QFETCH(bool, readOnlyFolder);
        const QString folder = QFileInfo(path).absolutePath();
        if (readOnlyFolder) {
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            QFile probe(folder + "/probe");
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
                QSKIP("permissions are not enforced for this user");
            }
        } else {
            QFile plain(folder);
            QVERIFY(plain.open(QIODevice::WriteOnly));
        }
        LoadDataIntoFile("THREE", path);
        QVERIFY(!QFileInfo::exists(path));
        if (readOnlyFolder) {
            QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 0);
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
    }

    void writeVoiceClipsRefillsOnlyWhatIsMissing()
    {
        const QString folder = QDir::tempPath() + "/voice";
        const QList<QPair<QString, QString>> clips = {
            {"ONE", folder + "/tmpSnd1.$$$"},
            {"TWO", folder + "/tmpSnd2.$$$"},
            {"BLEEP", folder + "/tmpSndA.$$$"},
        };
        WriteVoiceClips(clips);
        for (const auto &clip : clips)
            QCOMPARE(fileBytes(clip.second), resourceBytes("CUSTOM", clip.first));

        // Between two starts one clip is emptied and another deleted.
        {
            QFile f(clips[0].second);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        }
        QVERIFY(QFile::remove(clips[1].second));
        const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-7200);
        {
            QFile f(clips[2].second);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
        }
        WriteVoiceClips(clips);
        QCOMPARE(QFileInfo(clips[0].second).size(), 0);
        QCOMPARE(fileBytes(clips[1].second), resourceBytes("CUSTOM", "TWO"));
        QCOMPARE(QFileInfo(clips[2].second).lastModified().toUTC().toSecsSinceEpoch(), old.toSecsSinceEpoch());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }
};

HORAVOX_TEST_MAIN(TestPictureFromRes)
#include "test_picture_from_res.moc"
