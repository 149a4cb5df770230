// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "audio_output.h"

#include "core/clock.h"
#include "speech/audio/pcm_convert.h"
#include "speech/audio/sdl_audio.h"


#include <algorithm>
#include <chrono>

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>

namespace horavox {

// ---------------------------------------------------------------- AudioVoice

AudioVoice::AudioVoice(int deviceRate, const PcmFormat &input)
    : m_rate(deviceRate), m_converter(std::make_unique<PcmConverter>(input, deviceRate)), m_waiting(true)
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
    // Under the voice's lock, like the mixer's finishing of it: a voice
    // cannot take more input once its end has been announced.
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

bool AudioVoice::mixInto(int32_t *acc, int frames, qint64 at, qint64 startFrames)
{
    std::lock_guard lk(m_lock);
    if (m_waiting) {
        if (!m_inputDone && m_queued < startFrames)
            return false;
        m_waiting = false;
    }
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
    if (done > 0 && m_firstFrame.load() < 0)
        m_firstFrame = at;
    m_queued -= done;
    m_framesPlayed.fetch_add(done);
    if (m_chunks.empty() && m_inputDone) {
        m_endFrame = at + done;
        if (m_state.load() == State::Playing)
            m_state = State::Finished;
        return true;
    }
    if (m_chunks.empty() && done < frames) {
        // The producer fell behind: gather a start's worth again rather than
        // dribble out whatever trickles in.
        if (m_firstFrame.load() >= 0)
            ++m_underruns;
        m_waiting = true;
    }
    return false;
}

qint64 AudioVoice::projectedEnd(qint64 renderPos) const
{
    std::lock_guard lk(m_lock);
    if (!m_inputDone)
        return -1;
    return std::max(m_startAt, renderPos) + m_queued;
}

bool AudioVoice::finishIfNear(qint64 notice, qint64 renderPos)
{
    std::lock_guard lk(m_lock);
    if (m_state.load() == State::Finished)
        return true;
    if (!m_inputDone || std::max(m_startAt, renderPos) + m_queued - renderPos > notice)
        return false;
    if (m_state.load() == State::Playing)
        m_state = State::Finished;
    return m_state.load() == State::Finished;
}

// --------------------------------------------------------------- AudioOutput

namespace {

qint64 framesFor(int ms, int rate)
{
    return qint64(std::max(0, ms)) * rate / 1000;
}

// The sum of the voices to the device's samples, at the program's own
// volume. Every sound passes here once, the whole output at a time; the
// level is applied before clipping, so a quieter mix keeps its peaks.
void toDevice(const int32_t *acc, int16_t *out, int frames, int32_t volumePercent)
{
    for (int i = 0; i < frames; ++i)
        out[i] = int16_t(std::clamp(acc[i] * volumePercent / 100, -32768, 32767));
}

// Set before SDL starts its audio: the sound server reads them when the
// program connects. What the user has set in the environment wins.
void introduceStream(const SdlAudio &sdl)
{
    sdl.SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, AudioOutput::kApplicationName);
    sdl.SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, AudioOutput::kStreamName);
    sdl.SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, AudioOutput::kMediaRole);
    // SDL's pulseaudio driver names neither an icon nor a role; libpulse
    // adds these properties to every stream the program opens.
    if (qEnvironmentVariableIsEmpty("PULSE_PROP_application.icon_name"))
        qputenv("PULSE_PROP_application.icon_name", AudioOutput::kIconName);
    if (qEnvironmentVariableIsEmpty("PULSE_PROP_media.role"))
        qputenv("PULSE_PROP_media.role", AudioOutput::kMediaRole);
    // The device thread asks for real-time scheduling where the system
    // grants it (rtkit, or the rights to); without it the buffer alone has
    // to carry the sound through a busy spell.
    sdl.SetHint(SDL_HINT_THREAD_FORCE_REALTIME_TIME_CRITICAL, "1");
}

// SDL's own request for real-time scheduling goes through rtkit, which many
// machines do not run; the device thread may still raise itself where the
// system's limits allow it (a real-time limit granted to the user, or the
// rights to). A modest priority, no higher than a sound server's own: the
// callback's work is short and bounded.
void raiseDeviceThread()
{
    constexpr int kWanted = 5; // PulseAudio's own default
    sched_param param{};
    param.sched_priority = kWanted;
    if (pthread_setschedparam(pthread_self(), SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0)
        return;
    rlimit limit{};
    if (getrlimit(RLIMIT_RTPRIO, &limit) != 0 || limit.rlim_cur == 0)
        return;
    param.sched_priority = int(std::min<rlim_t>(limit.rlim_cur, kWanted));
    pthread_setschedparam(pthread_self(), SCHED_RR | SCHED_RESET_ON_FORK, &param);
}

} // namespace

AudioOutput::AudioOutput(QObject *parent) : AudioOutput(Options{}, parent) {}

AudioOutput::AudioOutput(const Options &options, QObject *parent)
    : QObject(parent), m_options(options)
{
    m_options.sampleRate = std::clamp(m_options.sampleRate, 8000, 96000);
    m_options.bufferFrames = std::clamp(m_options.bufferFrames, 64, 8192);
    m_options.endNoticeMs = std::clamp(m_options.endNoticeMs, 0, 2000);
    m_options.leadInMs = std::clamp(m_options.leadInMs, 0, 2000);
    m_options.streamStartMs = std::clamp(m_options.streamStartMs, 0, 5000);
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(std::max(0, m_options.idleCloseMs));
    connect(&m_idleTimer, &QTimer::timeout, this, [this] {
        if (activeVoices() == 0)
            closeDevice();
    });
}

AudioOutput::~AudioOutput()
{
    {
        // Voices still playing are cut; those already announced as finished
        // were promised to the listener and are let through.
        std::lock_guard lk(m_lock);
        std::erase_if(m_active, [](const std::shared_ptr<AudioVoice> &v) {
            if (v->state() == AudioVoice::State::Finished)
                return false;
            v->m_state = AudioVoice::State::Stopped;
            return true;
        });
    }
    drain(m_options.endNoticeMs + 1000);
    stopAll();
    closeDevice();
    if (m_sdl == SdlState::Ready)
        sdlAudio()->QuitSubSystem(SDL_INIT_AUDIO);
}

bool AudioOutput::sdlReady() const
{
    // SDL's audio (and the sound server connection it makes) starts with the
    // first sound or the first question about devices, not with the program.
    if (m_sdl == SdlState::NotStarted) {
        const SdlAudio *sdl = sdlAudio();
        if (!sdl) {
            m_sdl = SdlState::Failed;
            return false;
        }
        sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        introduceStream(*sdl);
        m_sdl = sdl->InitSubSystem(SDL_INIT_AUDIO) == 0 ? SdlState::Ready : SdlState::Failed;
    }
    return m_sdl == SdlState::Ready;
}

void AudioOutput::drain(int timeoutMs)
{
    if (m_device == 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::unique_lock lk(m_lock);
    if (!m_rendered.wait_until(lk, deadline, [this] { return m_active.empty(); }))
        return;
    // The last samples are with the device, not yet with the listener: a
    // closing device drops what it still holds. A few more buffers push them
    // through.
    const qint64 target = m_lastSoundEnd + 3 * qint64(m_mix.size());
    m_rendered.wait_until(lk, deadline, [this, target] { return m_renderPos >= target; });
}

int AudioOutput::deviceCount() const
{
    if (!sdlReady())
        return 0;
    const int listed = sdlAudio()->GetNumAudioDevices(0);
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
        const SDL_AudioDeviceID probe = sdlAudio()->OpenAudioDevice(nullptr, 0, &want, &have, 0);
        m_probedCount = probe != 0 ? 1 : 0;
        if (probe != 0)
            sdlAudio()->CloseAudioDevice(probe);
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
    if (!sdlReady())
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
    const SDL_AudioDeviceID dev = sdlAudio()->OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (dev == 0)
        return false;
    {
        std::lock_guard lk(m_lock);
        m_mix.assign(size_t(have.samples), 0);
        m_renderPos = 0;
        m_lastSoundEnd = -qint64(m_mix.size()) * 3;
        m_leadInEnd = framesFor(m_options.leadInMs, m_options.sampleRate);
    }
    m_framesRendered = 0;
    m_frameZeroUs = kNoFrameZero;
    m_deviceFrames = int(have.samples);
    m_device = dev;
    sdlAudio()->PauseAudioDevice(dev, 0);
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
    sdlAudio()->CloseAudioDevice(m_device);
    m_device = 0;
    Q_EMIT deviceClosed();
}

bool AudioOutput::prepare(int holdMs)
{
    if (!openDevice())
        return false;
    // However soon the output closes when idle, a device opened ahead of a
    // sound waits long enough for it; a hold already running for a later
    // sound is not cut short.
    const int hold = std::max({m_options.idleCloseMs, kPreparedHoldMs, holdMs});
    if (activeVoices() == 0 && (!m_idleTimer.isActive() || m_idleTimer.remainingTime() < hold))
        m_idleTimer.start(hold);
    return true;
}

bool AudioOutput::start(const std::shared_ptr<AudioVoice> &voice)
{
    return startAtFrame(voice, 0);
}

qint64 AudioOutput::frameHeardAt(qint64 monotonicMs) const
{
    const qint64 zero = m_frameZeroUs.load();
    if (m_device == 0 || zero == kNoFrameZero)
        return -1;
    const qint64 rate = m_options.sampleRate;
    const qint64 heardZeroUs = zero + qint64(m_deviceFrames.load()) * 1'000'000 / rate;
    return (monotonicMs * 1000 - heardZeroUs) * rate / 1'000'000;
}

bool AudioOutput::startAtFrame(const std::shared_ptr<AudioVoice> &voice, qint64 frame)
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
    // After the lead-in, and after whatever has been announced as finished
    // but is still to be heard: sounds started one after the other follow
    // each other sample for sample.
    qint64 at = std::max(m_leadInEnd, frame);
    for (const auto &v : m_active) {
        if (v->state() == AudioVoice::State::Finished)
            at = std::max(at, v->projectedEnd(m_renderPos));
    }
    voice->m_startAt = at;
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
        if (voice->state() == AudioVoice::State::Finished)
            return;
        auto it = std::find(m_active.begin(), m_active.end(), voice);
        if (it != m_active.end())
            m_active.erase(it);
        voice->m_state = AudioVoice::State::Stopped;
    }
    armIdleClose();
}

void AudioOutput::cut(const std::shared_ptr<AudioVoice> &voice)
{
    if (!voice)
        return;
    bool mayStillSound = false;
    bool alone = false;
    {
        std::lock_guard lk(m_lock);
        auto it = std::find(m_active.begin(), m_active.end(), voice);
        const bool active = it != m_active.end();
        if (active)
            m_active.erase(it);
        std::erase(m_finished, voice);
        voice->m_state = AudioVoice::State::Stopped;
        // What was mixed last is still with the device for a few buffers
        // (as drain() counts them).
        const qint64 end = voice->endFrame();
        mayStillSound = voice->firstFrame() >= 0 && (active || end < 0 || end + 3 * qint64(m_mix.size()) > m_renderPos);
        alone = m_active.empty();
    }
    if (mayStillSound && alone)
        closeDevice();
    else
        armIdleClose();
}

void AudioOutput::stopAll()
{
    std::vector<std::shared_ptr<AudioVoice>> voices;
    {
        std::lock_guard lk(m_lock);
        voices.swap(m_active);
        for (auto &v : voices) {
            if (v->state() != AudioVoice::State::Finished)
                v->m_state = AudioVoice::State::Stopped;
        }
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
    if (m_idleTimer.isActive())
        m_idleTimer.start(m_options.idleCloseMs);
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
        m_idleTimer.start(m_options.idleCloseMs);
}

void AudioOutput::callback(void *self, uint8_t *stream, int len)
{
    // Once per device thread: each open of the device starts a new one.
    static thread_local const bool raised = (raiseDeviceThread(), true);
    (void)raised;
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
        const qint64 from = m_renderPos;
        const qint64 zeroUs = (m_options.clock ? *m_options.clock : systemClock()).monotonicMs() * 1000
                              - from * 1'000'000 / m_options.sampleRate;
        if (from == 0 || zeroUs < m_frameZeroUs.load())
            m_frameZeroUs = zeroUs;
        const qint64 next = from + frames;
        const qint64 startFrames = framesFor(m_options.streamStartMs, m_options.sampleRate);
        const qint64 notice = framesFor(m_options.endNoticeMs, m_options.sampleRate);
        bool lastLeft = false;
        for (size_t i = 0; i < m_active.size();) {
            AudioVoice &v = *m_active[i];
            const qint64 offset = std::max<qint64>(0, v.m_startAt - from);
            bool drained = false;
            if (offset < frames) {
                const int dry = v.underruns();
                drained = v.mixInto(m_mix.data() + offset, frames - int(offset), from + offset, startFrames);
                m_underruns.fetch_add(v.underruns() - dry);
            }
            if (!v.m_announced && (drained || v.finishIfNear(notice, next))) {
                v.m_announced = true;
                v.m_noticeFrame = next;
                if (v.state() == AudioVoice::State::Finished)
                    m_finished.push_back(m_active[i]);
            }
            if (drained) {
                m_lastSoundEnd = v.endFrame();
                lastLeft = true;
                m_active.erase(m_active.begin() + qsizetype(i));
            }
            else
                ++i;
        }
        toDevice(m_mix.data(), out, frames, m_volume.load(std::memory_order_relaxed));
        if (m_tap)
            m_tap(out, frames);
        m_renderPos = next;
        // The owner hears of finished voices, and of the last voice leaving,
        // which starts the wait before the device closes.
        post = (!m_finished.empty() || (lastLeft && m_active.empty())) && !m_deliveryPosted.exchange(true);
    }
    m_framesRendered.fetch_add(frames);
    m_rendered.notify_all();
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
