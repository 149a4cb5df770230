#pragma once
#include "speech/audio/wav_reader.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace horavox {

class AudioOutput;
class PcmConverter;

// One sound on its way to the device: a whole clip or a stream that a
// producer thread fills while it plays. Writing and querying are safe from any
// thread; starting and stopping go through AudioOutput on its own thread.
class AudioVoice
{
public:
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

    // Runs on the output's thread once the voice has been heard to its end.
    // Not run when the voice is stopped.
    void setOnFinished(std::function<void()> fn);

private:
    friend class AudioOutput;
    AudioVoice(int deviceRate, const PcmFormat &input);
    AudioVoice(int deviceRate, std::shared_ptr<const std::vector<int16_t>> samples);

    // Called by the device callback with the output lock held; true once
    // everything the voice will ever hold has been mixed.
    bool mixInto(int32_t *acc, int frames);

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
};

// The one path of every sound to the speakers: an SDL output device in a fixed
// format (16-bit mono) that mixes the voices started on it. The device opens on
// the first start and closes after a spell of silence, because an open device
// keeps a thread busy even when it has nothing to play.
class AudioOutput : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        int sampleRate = 44100;
        // Small enough that a clip started as the previous one ends follows it
        // within a few milliseconds.
        int bufferFrames = 256;
        int idleCloseMs = 2000;
    };

    explicit AudioOutput(QObject *parent = nullptr);
    explicit AudioOutput(const Options &options, QObject *parent = nullptr);
    ~AudioOutput() override;

    // Output devices that can play: 0 when the machine cannot play sound.
    int deviceCount() const;
    int sampleRate() const { return m_options.sampleRate; }
    bool isDeviceOpen() const;

    std::shared_ptr<AudioVoice> createStreamVoice(const PcmFormat &input);
    std::shared_ptr<AudioVoice> createClipVoice(std::shared_ptr<const std::vector<int16_t>> samples);

    // Starts a voice (opening the device when needed). Returns false when no
    // device could be opened; the voice is then over at once.
    bool start(const std::shared_ptr<AudioVoice> &voice);
    // Silences a voice at once; nothing more of it reaches the device.
    void stop(const std::shared_ptr<AudioVoice> &voice);
    void stopAll();
    int activeVoices() const;

    void setIdleCloseMs(int ms);
    // The level of everything played, in percent (0..100) of the voices' own;
    // the desktop's mixer level for the program stays a separate control.
    void setVolume(int percent);
    int volume() const { return m_volume.load(); }
    // Receives every buffer sent to the device, silence included, on the
    // device thread. For tests and measurements.
    void setTap(std::function<void(const int16_t *samples, int frames)> tap);
    // Frames sent to the device since it was last opened.
    qint64 framesRendered() const { return m_framesRendered.load(); }

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

    Options m_options;
    bool m_sdlReady = false;
    mutable int m_probedCount = -1;
    uint32_t m_device = 0;
    mutable std::mutex m_lock;
    std::vector<std::shared_ptr<AudioVoice>> m_active;
    std::vector<std::shared_ptr<AudioVoice>> m_finished;
    std::vector<int32_t> m_mix;
    std::function<void(const int16_t *, int)> m_tap;
    std::atomic<bool> m_deliveryPosted{false};
    std::atomic<qint64> m_framesRendered{0};
    std::atomic<int> m_volume{100};
    QTimer m_idleTimer;
};

} // namespace horavox
