// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The clock window on fakes, with its settings and slider files written
// first and loaded as the program loads it. Suites that need a part of
// their own (a real player, a quiet-times gate) hand it in instead.
#include "core/message_sink.h"
#include "core/paths.h"
#include "fake_clock.h"
#include "fake_media.h"
#include "fake_speech_engine.h"
#include "main_window/main_form.h"
#include "test_files.h"

#include <QDir>

#include <functional>
#include <memory>

namespace horavox_test {

// Recorded voice, not at start-up, the whole day, no bleep.
inline const QByteArray kQuietSettings = "R\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n";
// The same with text-to-speech at speed 135 and no phrase.
inline const QByteArray kQuietSpeechSettings = "T\r\n135\r\n\r\n0\r\n12\r\n00\r\nA\r\n12\r\n00\r\nA\r\n0\r\n";

// The name the clip player opens for a clip's key ("9", "AM"), and for the
// TIME clip in the time routine's own spelling.
inline QString clip(const char *key)
{
    return QStringLiteral("c:\\tmpSnd") + QLatin1String(key) + QStringLiteral(".$$$");
}
inline const QString kTimeClip = QStringLiteral("c:\\tmpsndT.$$$");

// Nothing left of an earlier start: no settings, no clips.
inline void cleanFolders()
{
    QDir(horavox::configDir()).removeRecursively();
    QDir(horavox::dataDir()).removeRecursively();
}

// Every message box as "title|text".
class RecordingSink final : public horavox::MessageSink
{
public:
    QStringList shown;
    std::function<void()> whileShown; // runs as the box would be open
    void information(QWidget *, const QString &title, const QString &text) override
    {
        shown << title + QLatin1Char('|') + text;
        if (whileShown)
            whileShown();
    }
};

// What the clock window runs on instead of the rig's fakes; all optional.
struct WindowParts
{
    QDateTime start;                           // the fake clock's first reading
    horavox::AnnouncementGate *gate = nullptr; // quiet times in front of the scheduler
    horavox::MediaControl *media = nullptr;
    horavox::SpeechEngine *engine = nullptr;
};

struct ClockWindowRig
{
    // NotAtAll: the window is made but not loaded. Later: not even made,
    // for a rig whose own parts need the clock first; it calls build().
    enum class Load { Whole, FaceOnly, InTwoSteps, NotAtAll, Later };

    // A null `settings` or `slider` leaves that file as it is.
    explicit ClockWindowRig(const QByteArray &settings = kQuietSettings, const QByteArray &slider = "450\r\n",
                            Load load = Load::Whole, const WindowParts &parts = {})
    {
        if (!settings.isNull())
            writeFile(horavox::settingsFilePath(), settings);
        if (!slider.isNull())
            writeFile(horavox::sliderFilePath(), slider);
        if (parts.start.isValid())
            clock.setWall(parts.start);
        if (load != Load::Later)
            build(load, parts);
    }

    void build(Load load, const WindowParts &parts = {})
    {
        form = std::make_unique<horavox::MainForm>(horavox::MainFormServices{
            clock, parts.media ? *parts.media : media, parts.engine ? *parts.engine : engine, sink, parts.gate});
        if (load == Load::Whole)
            form->Form_Load();
        else if (load == Load::FaceOnly || load == Load::InTwoSteps)
            form->loadFace();
        if (load == Load::InTwoSteps)
            form->finishLoad();
    }

    // Both timers once, at `t` of the same day.
    void tickAt(const QTime &t)
    {
        clock.setTime(t);
        form->Timer1_Timer();
        form->Timer2_Timer();
    }

    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(9, 5, 0))};
    FakeMedia media;
    FakeSpeechEngine engine;
    RecordingSink sink;
    std::unique_ptr<horavox::MainForm> form;
};

} // namespace horavox_test
