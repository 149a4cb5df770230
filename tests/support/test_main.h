// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A Qt Test main() that isolates every test process: its own temporary
// config, data and runtime folders, the offscreen platform and a silent
// audio driver, set before the application object exists.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

namespace horavox_test {

struct Isolation
{
    QTemporaryDir root;
    Isolation()
    {
        const QByteArray base = root.path().toLocal8Bit();
        qputenv("XDG_CONFIG_HOME", base + "/config");
        qputenv("XDG_DATA_HOME", base + "/data");
        qputenv("XDG_CACHE_HOME", base + "/cache");
        qputenv("XDG_RUNTIME_DIR", base + "/runtime");
        qputenv("TMPDIR", base + "/tmp");
        for (const char *sub : {"/config", "/data", "/cache", "/runtime", "/tmp"}) {
            QDir().mkpath(QString::fromLocal8Bit(base + sub));
        }
        QFile::setPermissions(QString::fromLocal8Bit(base + "/runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
            qputenv("SDL_AUDIODRIVER", "dummy");
    }
};

} // namespace horavox_test

#define HORAVOX_TEST_MAIN(TestObject)                                   \
    int main(int argc, char *argv[])                                    \
    {                                                                   \
        horavox_test::Isolation isolation;                              \
        QApplication app(argc, argv);                                   \
        QApplication::setApplicationName(QStringLiteral("horavox"));    \
        TestObject tc;                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                      \
        return QTest::qExec(&tc, argc, argv);                           \
    }
