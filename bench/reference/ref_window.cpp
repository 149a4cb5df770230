// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The smallest Qt Widgets program that shows a window: the yardstick for
// start-up time and resident memory.
#include "core/shown_report.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(302, 97);
    w.show();
    benchReportShown(&w);
    return app.exec();
}
