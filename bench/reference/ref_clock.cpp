// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A minimal Qt clock, one QTimer and a QLCDNumber: the yardstick for idle CPU.
#include "core/shown_report.h"

#include <QApplication>
#include <QLCDNumber>
#include <QTime>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLCDNumber lcd(8);
    lcd.resize(200, 60);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &lcd,
                     [&lcd] { lcd.display(QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))); });
    timer.start(1000);
    lcd.show();
    benchReportShown(&lcd);
    return app.exec();
}
