#pragma once
// What many suites need before the program starts: a file with given bytes,
// and a place for messages that no one is there to read.
#include "core/message_sink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace horavox_test {

class SilentSink final : public horavox::MessageSink
{
public:
    void information(QWidget *, const QString &, const QString &) override {}
};

// Replaces the file with exactly these bytes, making its folder if needed.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace horavox_test
