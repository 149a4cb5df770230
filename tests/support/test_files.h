// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What many suites need around the program's files: a file's bytes read or
// written whole, and a folder nothing can be written into.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace horavox_test {

// The file's bytes; empty when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces the file with exactly these bytes, making its folder if needed.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(f.write(bytes), bytes.size());
}

// While it lives, nothing can be written into `folder`, not even by the
// superuser (whom permission bits do not bind, and CI runs as): a plain
// file stands in its place, the folder itself set aside.
class BlockedFolder
{
public:
    explicit BlockedFolder(const QString &folder) : m_folder(folder), m_aside(folder + QStringLiteral(".aside"))
    {
        QFile stand(m_folder);
        m_blocked = QDir().rename(m_folder, m_aside) && stand.open(QIODevice::WriteOnly);
    }
    ~BlockedFolder() { release(); }
    bool blocked() const { return m_blocked; }
    // Puts the folder back, as it was.
    void release()
    {
        if (QFileInfo(m_aside).isDir() && (!QFileInfo::exists(m_folder) || QFile::remove(m_folder)))
            QDir().rename(m_aside, m_folder);
        m_blocked = false;
    }

private:
    QString m_folder, m_aside;
    bool m_blocked = false;
};

} // namespace horavox_test
