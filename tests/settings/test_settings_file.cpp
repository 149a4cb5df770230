// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/settings_codec.h"
#include "settings/settings_file.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <unistd.h>

using namespace horavox;

namespace {
QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}
} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const QString &name = QStringLiteral("SettingsSetup.txt")) const
    {
        return m_dir.filePath(name);
    }

private Q_SLOTS:
    void init() { QFile::remove(path()); }

    void ensureWritesDefaultWhenMissing()
    {
        QVERIFY(settings_file::ensure(path()));
        QCOMPARE(contentOf(path()), QByteArray("R\r\n1\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n"));
    }

    void ensureLeavesAnyExistingFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("damaged") << QByteArray("\x00\xff junk");
        QTest::newRow("eleven lines") << QByteArray("T\r\n180\r\nHi\r\n1\r\n9\r\n00\r\nA\r\n5\r\n00\r\nP\r\n1\r\n");
    }
    void ensureLeavesAnyExistingFile()
    {
        QFETCH(QByteArray, bytes);
        put(path(), bytes);
        QVERIFY(settings_file::ensure(path()));
        QCOMPARE(contentOf(path()), bytes);
    }

    void writeCreatesMissingFolders()
    {
        const QString deep = m_dir.filePath(QStringLiteral("a/b/c/SettingsSetup.txt"));
        QVERIFY(settings_file::write(deep, "R\r\n"));
        QCOMPARE(contentOf(deep), QByteArray("R\r\n"));
        QVERIFY(settings_file::ensure(m_dir.filePath(QStringLiteral("x/y/SettingsSetup.txt"))));
    }

    void writeReplacesWholeFile()
    {
        put(path(), QByteArray(5000, 'z'));
        QVERIFY(settings_file::write(path(), "R\r\n0\r\n"));
        QCOMPARE(contentOf(path()), QByteArray("R\r\n0\r\n"));
        // No work files are left beside it.
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"SettingsSetup.txt"});
    }

    void writeFailureIsLoggedAndReported()
    {
        const QString blocked = path(QStringLiteral("blocked"));
        QVERIFY(QDir().mkpath(blocked)); // a folder where the file should be
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot write the settings file"));
        QVERIFY(!settings_file::write(blocked, "R\r\n"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot write the settings file"));
        QVERIFY(!settings_file::ensure(blocked));
    }

    void failedWriteKeepsOldFile()
    {
        if (::geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        QTemporaryDir locked;
        const QString file = locked.filePath(QStringLiteral("SettingsSetup.txt"));
        put(file, settings_codec::defaultFile());
        QVERIFY(QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot write the settings file"));
        const bool written = settings_file::write(file, "T\r\n");
        QFile::setPermissions(locked.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!written);
        QCOMPARE(contentOf(file), settings_codec::defaultFile());
    }

    void readMissingIsNothing()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot read the settings file"));
        QString why;
        QVERIFY(!settings_file::read(path(QStringLiteral("absent.txt")), &why).has_value());
        QVERIFY(why.isEmpty()); // nothing of the user's to keep
    }

    // Over the cap a file is not read at all: what lay past it would be lost
    // at the next write.
    void readIsHeldToItsLimit()
    {
        put(path(), QByteArray(settings_file::kMaxReadBytes, 'a'));
        QCOMPARE(settings_file::read(path()).value_or(QByteArray()).size(), settings_file::kMaxReadBytes);
        put(path(), QByteArray(settings_file::kMaxReadBytes + 1, 'a'));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cannot read the settings file"));
        QString why;
        QVERIFY(!settings_file::read(path(), &why).has_value());
        QVERIFY2(why.contains(QLatin1String("larger than 1024 kB")), qPrintable(why));
    }

    void readGivesExactBytes()
    {
        const QByteArray bytes = "T\r\n135\r\nCaf\xE9\r\n";
        put(path(), bytes);
        QCOMPARE(settings_file::read(path()).value_or(QByteArray()), bytes);
    }
};

HORAVOX_TEST_MAIN(TestSettingsFile)
#include "test_settings_file.moc"
