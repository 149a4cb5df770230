// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The real main window on a fake clock, fake player and fake engine, with a
// quiet-times gate in front of its scheduler. The clock is moved a minute at
// a time and the window ticked as its own clock tick would.
#include "core/message_sink.h"
#include "core/paths.h"
#include "fake_clock.h"
#include "fake_media.h"
#include "fake_speech_engine.h"
#include "main_window/main_form.h"
#include "quiet/quiet_gate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <functional>
#include <memory>

namespace horavox_test {

class SilentMessages final : public horavox::MessageSink
{
public:
    void information(QWidget *, const QString &, const QString &) override {}
};

struct QuietClockRig
{
    // `external`: a gate of the test's own (a controller's) instead of `gate`.
    QuietClockRig(const QDateTime &start, bool tts, int interval = 15,
                  const std::function<horavox::QuietGate *(FakeClock &)> &external = {})
        : clock(start)
    {
        // Speaking window all day, no bleep, nothing at start-up.
        const QByteArray common = "0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n";
        write(horavox::settingsFilePath(), (tts ? QByteArray("T\r\n135\r\n\r\n") : QByteArray("R\r\n")) + common);
        write(horavox::sliderFilePath(), QByteArray::number(interval * 30) + "\r\n"); // 30 per minute
        media.queriesPerClip = 1;
        horavox::QuietGate *used = external ? external(clock) : &gate;
        form = std::make_unique<horavox::MainForm>(horavox::MainFormServices{clock, media, engine, messages, used});
        form->Form_Load();
    }

    // Runs `minutes` minute changes; `before(i)` runs before the i-th (from 1).
    // Gives the "HH:mm" of each minute in which the clock spoke.
    QStringList run(int minutes, const std::function<void(int)> &before = {})
    {
        QStringList heard;
        for (int i = 1; i <= minutes; ++i) {
            if (before)
                before(i);
            const qsizetype said = media.played.size() + engine.spoken.size();
            clock.advanceSecs(60);
            form->Timer1_Timer();
            for (int k = 0; k < 5; ++k)
                QCoreApplication::processEvents();
            if (media.played.size() + engine.spoken.size() > said)
                heard << clock.now().time().toString(QStringLiteral("HH:mm"));
        }
        return heard;
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }

    FakeClock clock;
    FakeMedia media;
    FakeSpeechEngine engine;
    SilentMessages messages;
    horavox::QuietGate gate{clock};
    std::unique_ptr<horavox::MainForm> form;
};

} // namespace horavox_test
