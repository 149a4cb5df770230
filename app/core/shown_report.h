// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// For the start-up benchmark, shared by the program and the reference
// programs it is measured against, so both are measured the same way.
// When HORAVOX_BENCH_SHOWN is set, a benchmarked program prints
// "shown <resident kB>" once its first window has been exposed, and quits when
// the variable says "quit".
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

inline long benchResidentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

class BenchExposeWatcher : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Expose && !m_done) {
            m_done = true;
            QTimer::singleShot(0, [] {
                std::printf("shown %ld\n", benchResidentKb());
                std::fflush(stdout);
                if (qgetenv("HORAVOX_BENCH_SHOWN") == "quit")
                    QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(o, e);
    }

private:
    bool m_done = false;
};

inline void benchReportShown(QWidget *w)
{
    if (!qEnvironmentVariableIsSet("HORAVOX_BENCH_SHOWN"))
        return;
    auto *watcher = new BenchExposeWatcher(w);
    if (w->windowHandle())
        w->windowHandle()->installEventFilter(watcher);
}
