// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/paths.h"
#include "settings/settings_codec.h"
#include "settings/settings_file.h"
#include "test_main.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <csignal>

using namespace horavox;

class TestSettingsCrashSafety : public QObject
{
    Q_OBJECT

    static QByteArray contents(bool tts, QChar fill)
    {
        // Large enough that a write takes many system calls, so that a kill
        // lands inside one often.
        StoredSettings s;
        s.tts = tts;
        s.speed = tts ? 180 : 135;
        s.phrase = QString(200000, fill);
        s.startHour = tts ? QStringLiteral("9") : QStringLiteral("10");
        return settings_codec::serialize(s);
    }

private Q_SLOTS:
    void killedWriterNeverLeavesAPartialFile()
    {
        const QByteArray a = contents(true, QLatin1Char('a'));
        const QByteArray b = contents(true, QLatin1Char('b'));
        QVERIFY(a != b);
        const QString path = settingsFilePath();
        QVERIFY(settings_file::write(path, a));

        QTemporaryDir work;
        const QString aPath = work.filePath(QStringLiteral("a")), bPath = work.filePath(QStringLiteral("b"));
        for (const auto &[file, bytes] : {std::pair{aPath, a}, std::pair{bPath, b}}) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(bytes), bytes.size());
        }

        int changes = 0;
        QByteArray previous = a;
        for (int round = 0; round < 30; ++round) {
            QProcess child;
            child.start(QStringLiteral(HORAVOX_WRITER_CHILD), {path, aPath, bPath});
            QVERIFY2(child.waitForStarted(5000), qPrintable(child.errorString()));
            QVERIFY(child.waitForReadyRead(10000));
            QTest::qSleep(int(QRandomGenerator::global()->bounded(1, 40)));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(5000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray now = f.readAll();
            QVERIFY2(now == a || now == b,
                     qPrintable(QStringLiteral("round %1: %2 bytes of mixed or partial content")
                                    .arg(round)
                                    .arg(now.size())));
            if (now != previous)
                ++changes;
            previous = now;
            // The settings read back whole, too.
            QCOMPARE(settings_codec::parse(now).phrase.value_or(QString()).size(), 200000);
        }
        // The child really was rewriting the file while it was killed.
        QVERIFY(changes > 0);
    }
};

HORAVOX_TEST_MAIN(TestSettingsCrashSafety)
#include "test_settings_crash_safety.moc"
