// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "speech/audio/wav_reader.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <vector>

namespace horavox {

class AudioOutput;
class Clock;
class PcmConverter;

// One sound on its way to the device: a whole clip or a stream that a
// producer thread fills while it plays. Writing and querying are safe from any
// thread; starting and stopping go through AudioOutput on its own thread.
class AudioVoice
{
public:
    // Finished: everything the voice will ever hold is in hand and the rest
    // is at most the output's end notice away from the device; it will be
    // heard whole, and the next sound may be started now to follow it.
    enum class State { Idle, Playing, Finished, Stopped };

    ~AudioVoice();
    AudioVoice(const AudioVoice &) = delete;
    AudioVoice &operator=(const AudioVoice &) = delete;

    // Appends samples in the voice's input format; whole frames only.
    void write(const void *bytes, qsizetype size);
    // No more input will come: the voice finishes once everything is heard.
    void finishInput();
    // Takes back finishInput() so that more can follow without a new voice.
    // Fails once the voice has finished or been stopped.
    bool reopenInput();

    State state() const { return m_state.load(); }
    bool isPlaying() const { return state() == State::Playing; }
    bool isOver() const { return state() == State::Finished || state() == State::Stopped; }
    qint64 framesPlayed() const { return m_framesPlayed.load(); }
    qint64 framesQueued() const;
    // Output frames per second (the device rate).
    int sampleRate() const { return m_rate; }

    // Where the voice lies on the output's own clock (frames sent to the
    // device since it opened): its first sample, one past its last, and
    // where its end was announced; -1 until known.
    qint64 firstFrame() const { return m_firstFrame.load(); }
    qint64 endFrame() const { return m_endFrame.load(); }
    qint64 noticeFrame() const { return m_noticeFrame.load(); }
    // Times a stream ran dry while more input was still to come.
    int underruns() const { return m_underruns.load(); }

    // Runs on the output's thread once the voice has finished (see State).
    // Not run when the voice is stopped.
    void setOnFinished(std::function<void()> fn);

private:
    friend class AudioOutput;
    AudioVoice(int deviceRate, const PcmFormat &input);
    AudioVoice(int deviceRate, std::shared_ptr<const std::vector<int16_t>> samples);

    // Called by the device callback with the output lock held: adds up to
    // `frames` samples at `acc`, the first of them being frame `at` of the
    // output's clock. `startFrames` is how much a stream must hold before it
    // starts or, after running dry, starts again. True once everything the
    // voice will ever hold has been mixed.
    bool mixInto(int32_t *acc, int frames, qint64 at, qint64 startFrames);
    // With the output lock held: the frame on the output's clock one past
    // the voice's last sample, as far as it can be told now (-1 while more
    // input may come). `renderPos` is the first frame of the next buffer.
    qint64 projectedEnd(qint64 renderPos) const;
    // With the output lock held: marks the voice finished when all its input
    // is in and it ends within `notice` frames of `renderPos`; true when it
    // is finished (now or before).
    bool finishIfNear(qint64 notice, qint64 renderPos);

    const int m_rate;
    mutable std::mutex m_lock;
    std::mutex m_producerLock; // serialises writers around the converter
    std::unique_ptr<PcmConverter> m_converter;
    std::deque<std::shared_ptr<const std::vector<int16_t>>> m_chunks;
    size_t m_chunkPos = 0;
    qint64 m_queued = 0; // frames in m_chunks not yet played
    bool m_inputDone = false;
    std::function<void()> m_onFinished;
    std::atomic<State> m_state{State::Idle};
    std::atomic<qint64> m_framesPlayed{0};

    // Owned by the output (read and written with its lock held).
    qint64 m_startAt = 0;    // not before this frame of the output's clock
    bool m_waiting = false;  // a stream gathering input before it (re)starts
    bool m_announced = false;
    std::atomic<qint64> m_firstFrame{-1};
    std::atomic<qint64> m_endFrame{-1};
    std::atomic<qint64> m_noticeFrame{-1};
    std::atomic<int> m_underruns{0};
};

// The one path of every sound to the speakers: an SDL output device in a fixed
// format (16-bit mono) that mixes the voices started on it.
//
// The device buffer is sized for a shared, busy desktop; joins between clips
// do not depend on it. A voice's end is announced a little before its last
// sample is mixed, and a voice started while an announced voice is still
// sounding begins on the very sample after it, so clips played one after the
// other join without a gap as long as the next one is started within that
// notice. The device opens on the first sound (or when a sound is expected
// soon) with a short silence, so that an output the sound server had
// suspended is awake before the first word, and closes after a spell of
// silence, because an open device keeps a thread busy even when silent.
class AudioOutput : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        int sampleRate = 44100;
        // About 93 ms: a thread held up for tens of milliseconds by other
        // work (the sound server's and this program's helper threads run at
        // normal priority on most desktops) does not make the server run dry.
        int bufferFrames = 4096;
        int idleCloseMs = 2000;
        // How long before a voice's last sample is mixed its end is
        // announced: more than one buffer, so that the owner has at least a
        // buffer's time to start the next clip for a seamless join.
        int endNoticeMs = 250;
        // Silence sent first when the device opens.
        int leadInMs = 100;
        // Sound a stream must hold before it starts (or starts again after
        // its producer fell behind), so that a slow producer does not make
        // it stutter.
        int streamStartMs = 150;
        // Times the device's first buffer, for sounds due at a moment; the
        // system's clock when none is given.
        const Clock *clock = nullptr;
    };

    // How the stream introduces itself to the sound server.
    static constexpr const char *kApplicationName = "Horavox";
    static constexpr const char *kIconName = "horavox";
    static constexpr const char *kStreamName = "Spoken time";
    // Spoken information for the user, like a screen reader's voice: policies
    // keep it audible and do not tie it to the event sounds (bleeps, alerts)
    // that users often turn down or off.
    static constexpr const char *kMediaRole = "a11y";

    explicit AudioOutput(QObject *parent = nullptr);
    explicit AudioOutput(const Options &options, QObject *parent = nullptr);
    // Lets announced voices be heard to their end, cuts the others.
    ~AudioOutput() override;

    // Output devices that can play: 0 when the machine cannot play sound.
    int deviceCount() const;
    int sampleRate() const { return m_options.sampleRate; }
    const Options &options() const { return m_options; }
    bool isDeviceOpen() const;
    // True once SDL's audio has been started (by a sound or a device count).
    bool isStarted() const { return m_sdl != SdlState::NotStarted; }

    std::shared_ptr<AudioVoice> createStreamVoice(const PcmFormat &input);
    std::shared_ptr<AudioVoice> createClipVoice(std::shared_ptr<const std::vector<int16_t>> samples);

    // Starts a voice (opening the device when needed). A voice started while
    // a finished voice is still sounding follows it on the next sample.
    // Returns false when no device could be opened; the voice is then over.
    bool start(const std::shared_ptr<AudioVoice> &voice);
    // The same, but the voice's first sample goes no sooner than `frame` of
    // the output's clock: for a sound that must be heard at a given moment.
    bool startAtFrame(const std::shared_ptr<AudioVoice> &voice, qint64 frame);
    // The frame of the output's clock that is heard at `monotonicMs` (the
    // program clock's monotonic time); -1 while the device is not playing.
    // Reckoned from the earliest the device has asked for a frame (a late
    // wake-up only makes a buffer later, never earlier) plus the one buffer
    // the sound server holds ahead of the speaker.
    qint64 frameHeardAt(qint64 monotonicMs) const;
    // Silences a voice at once; nothing more of it reaches the device. A
    // voice whose end has been announced is left to finish.
    void stop(const std::shared_ptr<AudioVoice> &voice);
    void stopAll();
    // Silences a voice at once, its announced end included, and drops what
    // of it the device already holds, so that nothing more of it is heard:
    // with no other voice playing, the device is closed (the sound server
    // throws the stream's buffer away with it) and the next sound opens it
    // again. For a sentence that is to start again, not to be followed.
    void cut(const std::shared_ptr<AudioVoice> &voice);
    int activeVoices() const;

    // A sound is expected soon: opens the device now, so that its lead-in
    // and the sound server's wake-up are over when the sound starts. Closes
    // again if nothing comes within the idle delay (at least kPreparedHoldMs,
    // or holdMs for a sound known to start later than that).
    bool prepare(int holdMs = kPreparedHoldMs);
    // A sound may come: loads and starts the audio layer (the library, the
    // sound server connection) without opening the device, so a later
    // opening costs only the stream. Nothing is heard and nothing is held
    // open. False where no audio layer can be started.
    bool preload() const { return sdlReady(); }
    static constexpr int kPreparedHoldMs = 2000;

    void setIdleCloseMs(int ms);
    // The level of everything played, in percent (0..100) of the voices' own;
    // the desktop's mixer level for the program stays a separate control.
    void setVolume(int percent);
    int volume() const { return m_volume.load(); }
    // Receives every buffer sent to the device, silence included, on the
    // device thread. For tests and measurements.
    void setTap(std::function<void(const int16_t *samples, int frames)> tap);
    // Frames sent to the device since it was last opened: the output's clock.
    qint64 framesRendered() const { return m_framesRendered.load(); }
    // Times any stream ran dry in the middle of its sound, since creation.
    int underruns() const { return m_underruns.load(); }

Q_SIGNALS:
    void deviceOpened();
    void deviceClosed();

private:
    static void callback(void *self, uint8_t *stream, int len);
    void render(int16_t *out, int frames);
    bool openDevice();
    void closeDevice();
    void deliverFinished();
    void armIdleClose();
    // Waits until the voices still sounding have reached the device.
    void drain(int timeoutMs);

    bool sdlReady() const;

    Options m_options;
    enum class SdlState { NotStarted, Ready, Failed };
    mutable SdlState m_sdl = SdlState::NotStarted;
    mutable int m_probedCount = -1;
    uint32_t m_device = 0;
    mutable std::mutex m_lock;
    std::condition_variable m_rendered;
    std::vector<std::shared_ptr<AudioVoice>> m_active; // in start order
    std::vector<std::shared_ptr<AudioVoice>> m_finished;
    std::vector<int32_t> m_mix;
    std::function<void(const int16_t *, int)> m_tap;
    qint64 m_renderPos = 0;  // the first frame of the next buffer
    qint64 m_leadInEnd = 0;  // no voice starts before this frame
    qint64 m_lastSoundEnd = 0; // one past the last sample of the last voice heard
    std::atomic<bool> m_deliveryPosted{false};
    std::atomic<qint64> m_framesRendered{0};
    // Monotonic time, in microseconds, at which frame 0 would have been asked
    // for at the device's steady pace (before the clock's zero, for a device
    // opened soon after it); kNoFrameZero before the first buffer.
    static constexpr qint64 kNoFrameZero = std::numeric_limits<qint64>::min();
    std::atomic<qint64> m_frameZeroUs{kNoFrameZero};
    std::atomic<int> m_deviceFrames{0}; // frames in one device buffer
    std::atomic<int> m_volume{100};
    std::atomic<int> m_underruns{0};
    QTimer m_idleTimer;
};

} // namespace horavox
