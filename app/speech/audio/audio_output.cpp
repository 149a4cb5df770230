#include "audio_output.h"

#include "speech/audio/pcm_convert.h"

#include <SDL.h>

#include <algorithm>

namespace horavox {

// ---------------------------------------------------------------- AudioVoice

AudioVoice::AudioVoice(int deviceRate, const PcmFormat &input)
    : m_rate(deviceRate), m_converter(std::make_unique<PcmConverter>(input, deviceRate))
{
}

AudioVoice::AudioVoice(int deviceRate, std::shared_ptr<const std::vector<int16_t>> samples)
    : m_rate(deviceRate), m_inputDone(true)
{
    if (samples && !samples->empty()) {
        m_queued = qint64(samples->size());
        m_chunks.push_back(std::move(samples));
    }
}

AudioVoice::~AudioVoice() = default;

void AudioVoice::write(const void *bytes, qsizetype size)
{
    if (isOver() || !m_converter)
        return;
    auto chunk = std::make_shared<std::vector<int16_t>>();
    {
        // The conversion runs outside the lock the device callback takes, so
        // a long piece never holds up the sound.
        std::lock_guard producer(m_producerLock);
        m_converter->put(bytes, size, *chunk);
    }
    if (chunk->empty())
        return;
    std::lock_guard lk(m_lock);
    if (m_inputDone)
        return;
    m_queued += qint64(chunk->size());
    m_chunks.push_back(std::move(chunk));
}

void AudioVoice::finishInput()
{
    auto tail = std::make_shared<std::vector<int16_t>>();
    if (m_converter) {
        std::lock_guard producer(m_producerLock);
        m_converter->flush(*tail);
    }
    std::lock_guard lk(m_lock);
    if (m_inputDone)
        return;
    if (!tail->empty()) {
        m_queued += qint64(tail->size());
        m_chunks.push_back(std::move(tail));
    }
    m_inputDone = true;
}

bool AudioVoice::reopenInput()
{
    std::lock_guard lk(m_lock);
    if (isOver() || !m_converter)
        return false;
    m_inputDone = false;
    return true;
}

qint64 AudioVoice::framesQueued() const
{
    std::lock_guard lk(m_lock);
    return m_queued;
}

void AudioVoice::setOnFinished(std::function<void()> fn)
{
    std::lock_guard lk(m_lock);
    m_onFinished = std::move(fn);
}

bool AudioVoice::mixInto(int32_t *acc, int frames)
{
    std::lock_guard lk(m_lock);
    int done = 0;
    while (done < frames && !m_chunks.empty()) {
        const std::vector<int16_t> &chunk = *m_chunks.front();
        const size_t n = std::min(size_t(frames - done), chunk.size() - m_chunkPos);
        const int16_t *src = chunk.data() + m_chunkPos;
        for (size_t i = 0; i < n; ++i)
            acc[done + int(i)] += src[i];
        done += int(n);
        m_chunkPos += n;
        if (m_chunkPos == chunk.size()) {
            m_chunks.pop_front();
            m_chunkPos = 0;
        }
    }
    m_queued -= done;
    m_framesPlayed.fetch_add(done);
    return m_inputDone && m_chunks.empty();
}

// --------------------------------------------------------------- AudioOutput

AudioOutput::AudioOutput(QObject *parent) : AudioOutput(Options{}, parent) {}

AudioOutput::AudioOutput(const Options &options, QObject *parent)
    : QObject(parent), m_options(options)
{
    m_options.sampleRate = std::clamp(m_options.sampleRate, 8000, 96000);
    m_options.bufferFrames = std::clamp(m_options.bufferFrames, 64, 8192);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_sdlReady = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(std::max(0, m_options.idleCloseMs));
    connect(&m_idleTimer, &QTimer::timeout, this, [this] {
        if (activeVoices() == 0)
            closeDevice();
    });
}

AudioOutput::~AudioOutput()
{
    stopAll();
    closeDevice();
    if (m_sdlReady)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int AudioOutput::deviceCount() const
{
    if (!m_sdlReady)
        return 0;
    const int listed = SDL_GetNumAudioDevices(0);
    if (listed > 0)
        return listed;
    if (m_device != 0)
        return 1;
    // Drivers that list nothing (the dummy and disk drivers, some sound
    // servers) can still play through their default device; trying to open it
    // once tells the two cases apart.
    if (m_probedCount < 0) {
        SDL_AudioSpec want{};
        want.freq = m_options.sampleRate;
        want.format = AUDIO_S16SYS;
        want.channels = 1;
        want.samples = Uint16(m_options.bufferFrames);
        SDL_AudioSpec have{};
        const SDL_AudioDeviceID probe = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
        m_probedCount = probe != 0 ? 1 : 0;
        if (probe != 0)
            SDL_CloseAudioDevice(probe);
    }
    return m_probedCount;
}

bool AudioOutput::isDeviceOpen() const
{
    return m_device != 0;
}

std::shared_ptr<AudioVoice> AudioOutput::createStreamVoice(const PcmFormat &input)
{
    return std::shared_ptr<AudioVoice>(new AudioVoice(m_options.sampleRate, input));
}

std::shared_ptr<AudioVoice>
AudioOutput::createClipVoice(std::shared_ptr<const std::vector<int16_t>> samples)
{
    return std::shared_ptr<AudioVoice>(new AudioVoice(m_options.sampleRate, std::move(samples)));
}

bool AudioOutput::openDevice()
{
    if (m_device != 0)
        return true;
    if (!m_sdlReady)
        return false;
    SDL_AudioSpec want{};
    want.freq = m_options.sampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = Uint16(m_options.bufferFrames);
    want.callback = &AudioOutput::callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // No format changes allowed: SDL converts behind the callback, so the
    // callback (and the tap) always sees the device format asked for.
    const SDL_AudioDeviceID dev = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (dev == 0)
        return false;
    {
        std::lock_guard lk(m_lock);
        m_mix.assign(size_t(have.samples), 0);
    }
    m_framesRendered = 0;
    m_device = dev;
    SDL_PauseAudioDevice(dev, 0);
    Q_EMIT deviceOpened();
    return true;
}

void AudioOutput::closeDevice()
{
    if (m_device == 0)
        return;
    m_idleTimer.stop();
    // Joins the device thread; the output lock must not be held here or the
    // callback could wait on it forever.
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
    Q_EMIT deviceClosed();
}

bool AudioOutput::start(const std::shared_ptr<AudioVoice> &voice)
{
    if (!voice)
        return false;
    if (voice->state() != AudioVoice::State::Idle)
        return voice->isPlaying();
    if (!openDevice()) {
        voice->m_state = AudioVoice::State::Stopped;
        return false;
    }
    m_idleTimer.stop();
    std::lock_guard lk(m_lock);
    voice->m_state = AudioVoice::State::Playing;
    m_active.push_back(voice);
    return true;
}

void AudioOutput::stop(const std::shared_ptr<AudioVoice> &voice)
{
    if (!voice)
        return;
    {
        std::lock_guard lk(m_lock);
        auto it = std::find(m_active.begin(), m_active.end(), voice);
        if (it != m_active.end())
            m_active.erase(it);
        AudioVoice::State s = voice->m_state.load();
        if (s != AudioVoice::State::Finished)
            voice->m_state = AudioVoice::State::Stopped;
    }
    armIdleClose();
}

void AudioOutput::stopAll()
{
    std::vector<std::shared_ptr<AudioVoice>> voices;
    {
        std::lock_guard lk(m_lock);
        voices.swap(m_active);
        for (auto &v : voices)
            v->m_state = AudioVoice::State::Stopped;
    }
    armIdleClose();
}

int AudioOutput::activeVoices() const
{
    std::lock_guard lk(m_lock);
    return int(m_active.size());
}

void AudioOutput::setIdleCloseMs(int ms)
{
    m_options.idleCloseMs = std::max(0, ms);
    m_idleTimer.setInterval(m_options.idleCloseMs);
    if (m_idleTimer.isActive())
        m_idleTimer.start();
}

void AudioOutput::setVolume(int percent)
{
    m_volume = std::clamp(percent, 0, 100);
}

void AudioOutput::setTap(std::function<void(const int16_t *, int)> tap)
{
    std::lock_guard lk(m_lock);
    m_tap = std::move(tap);
}

void AudioOutput::armIdleClose()
{
    if (m_device != 0 && activeVoices() == 0)
        m_idleTimer.start();
}

void AudioOutput::callback(void *self, uint8_t *stream, int len)
{
    static_cast<AudioOutput *>(self)->render(reinterpret_cast<int16_t *>(stream),
                                             len / int(sizeof(int16_t)));
}

void AudioOutput::render(int16_t *out, int frames)
{
    bool post = false;
    {
        std::lock_guard lk(m_lock);
        if (m_mix.size() < size_t(frames))
            m_mix.resize(size_t(frames));
        std::fill_n(m_mix.begin(), frames, 0);
        for (size_t i = 0; i < m_active.size();) {
            if (m_active[i]->mixInto(m_mix.data(), frames)) {
                m_active[i]->m_state = AudioVoice::State::Finished;
                m_finished.push_back(std::move(m_active[i]));
                m_active.erase(m_active.begin() + qsizetype(i));
            } else {
                ++i;
            }
        }
        const int32_t volume = m_volume.load(std::memory_order_relaxed);
        for (int i = 0; i < frames; ++i)
            out[i] = int16_t(std::clamp(m_mix[size_t(i)] * volume / 100, -32768, 32767));
        if (m_tap)
            m_tap(out, frames);
        post = !m_finished.empty() && !m_deliveryPosted.exchange(true);
    }
    m_framesRendered.fetch_add(frames);
    if (post)
        QMetaObject::invokeMethod(this, &AudioOutput::deliverFinished, Qt::QueuedConnection);
}

void AudioOutput::deliverFinished()
{
    std::vector<std::shared_ptr<AudioVoice>> finished;
    {
        std::lock_guard lk(m_lock);
        m_deliveryPosted = false;
        finished.swap(m_finished);
    }
    for (const auto &voice : finished) {
        std::function<void()> fn;
        {
            std::lock_guard lk(voice->m_lock);
            fn = std::move(voice->m_onFinished);
            voice->m_onFinished = nullptr;
        }
        if (fn)
            fn();
    }
    armIdleClose();
}

} // namespace horavox
