// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tts_espeak.h"

#include "engines/espeak_voices.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <atomic>

namespace horavox {

namespace {

// The sink of the synthesis in progress; only ever touched under the
// engine's lock, which the library's single global state demands anyway.
const TtsEngine::Sink *g_sink = nullptr;
bool g_stopped = false;

} // namespace

// The library starts once per process, and what it found then holds for the
// rest of it, whatever the data folder says later.
enum class Start { NotYet, Ready, Failed };
std::atomic<Start> g_start{Start::NotYet};

namespace {

int synthCallback(short *wav, int frames, espeak_EVENT * /*events*/)
{
    if (!g_sink || g_stopped)
        return 1;
    if (wav && frames > 0 && !(*g_sink)(reinterpret_cast<const int16_t *>(wav), frames)) {
        g_stopped = true;
        return 1;
    }
    return 0;
}

} // namespace

EspeakEngine::EspeakEngine(const QString &dataPath)
{
    const QByteArray path = dataPath.toLocal8Bit();
    espeak_ng_InitializePath(path.isEmpty() ? nullptr : path.constData());
    espeak_ng_ERROR_CONTEXT context = nullptr;
    // The plain espeak_Initialize() ends the whole process when its data is
    // missing; the lower-level calls report it instead.
    g_start = Start::Failed;
    if (espeak_ng_Initialize(&context) != ENS_OK) {
        espeak_ng_ClearErrorContext(&context);
        return;
    }
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
        return;
    espeak_SetSynthCallback(&synthCallback);
    m_rate = espeak_ng_GetSampleRate();
    // The folder the library settled on, which the catalogue looked at too.
    const char *folder = nullptr;
    espeak_Info(&folder);
    for (const EspeakVoice *v : installedEspeakVoices(QString::fromLocal8Bit(folder ? folder : "")))
        m_voices.push_back(v->name);
    m_ready = m_rate > 0 && espeak_ng_SetVoiceByName(m_voices.front()) == ENS_OK;
    g_start = m_ready ? Start::Ready : Start::Failed;
}

QStringList EspeakEngine::voiceNames() const
{
    if (!m_ready)
        return {};
    QStringList names;
    for (const char *v : m_voices)
        names << QString::fromLatin1(v);
    return names;
}

int EspeakEngine::sampleRate(int voice) const
{
    return m_ready && voice >= 0 && voice < int(m_voices.size()) ? m_rate : 0;
}

bool EspeakEngine::synthesize(const QString &text, int voice, int speed, const Sink &sink)
{
    if (!m_ready || voice < 0 || voice >= int(m_voices.size()))
        return false;
    const QByteArray bytes = text.toUtf8();
    std::lock_guard lk(m_lock);
    if (espeak_ng_SetVoiceByName(m_voices[size_t(voice)]) != ENS_OK)
        return false;
    // 175 words a minute is the library's own pace.
    const int wpm = std::clamp(175 * std::clamp(speed, 50, 220) / 135, espeakRATE_MINIMUM, espeakRATE_MAXIMUM);
    espeak_ng_SetParameter(espeakRATE, wpm, 0);
    g_sink = &sink;
    g_stopped = false;
    const espeak_ng_STATUS status =
        espeak_ng_Synthesize(bytes.constData(), size_t(bytes.size()) + 1, 0, POS_CHARACTER, 0,
                             espeakCHARS_UTF8, nullptr, nullptr);
    const bool stopped = g_stopped;
    g_sink = nullptr;
    return status == ENS_OK && !stopped;
}

} // namespace horavox

// The voices module's entries. The data folder is only looked at by the first
// call; empty means the library's own default.
extern "C" Q_DECL_EXPORT horavox::TtsEngine *horavox_espeak_engine(const char *dataPath)
{
    static horavox::EspeakEngine engine(QString::fromLocal8Bit(dataPath ? dataPath : ""));
    return &engine;
}

extern "C" Q_DECL_EXPORT bool horavox_espeak_failed()
{
    return horavox::g_start == horavox::Start::Failed;
}
