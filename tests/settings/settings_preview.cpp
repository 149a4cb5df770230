// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Shows the settings window over fakes, for looking at and screenshots:
//   settings_preview [seconds]   (default 3; 0 stays open)
#include "core/message_sink.h"
#include "core/program_state.h"
#include "fake_clock.h"
#include "fake_speech_engine.h"
#include "settings/settings_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char *argv[])
{
    // Never touch the user's own settings.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("horavox"));

    horavox::ProgramState state;
    horavox_test::FakeClock clock;
    horavox_test::FakeSpeechEngine engine;
    engine.engines = 2;
    horavox::DialogMessageSink messages;
    horavox::Settings window(state, clock, engine, messages);
    window.load();
    window.move(20, 20);
    window.show();
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 3;
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
