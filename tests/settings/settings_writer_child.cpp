// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Rewrites the settings file with two alternating contents until it is
// killed; the crash-safety test kills it at random moments.
#include "settings/settings_codec.h"
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace {
QByteArray fileBytes(const char *path)
{
    QFile f(QString::fromLocal8Bit(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <settings file> <content A> <content B>\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QByteArray contents[2] = {fileBytes(argv[2]), fileBytes(argv[3])};
    if (contents[0].isEmpty() || contents[1].isEmpty())
        return 2;
    for (unsigned long i = 0;; ++i) {
        if (!horavox::settings_file::write(path, contents[i % 2]))
            return 1;
        if (i == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
