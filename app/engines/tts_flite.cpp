// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tts_flite.h"

#include <flite.h>

#include <algorithm>

extern "C" {
cst_voice *register_cmu_us_slt(const char *voxdir);
cst_voice *register_cmu_us_kal(const char *voxdir);
}

namespace horavox {

namespace {

struct StreamContext
{
    const TtsEngine::Sink *sink;
    bool stopped = false;
};

int streamChunk(const cst_wave *w, int start, int size, int /*last*/, cst_audio_streaming_info *asi)
{
    auto *ctx = static_cast<StreamContext *>(asi->userdata);
    if (size > 0 && !(*ctx->sink)(w->samples + start, size)) {
        ctx->stopped = true;
        return CST_AUDIO_STREAM_STOP;
    }
    return CST_AUDIO_STREAM_CONT;
}

} // namespace

FliteEngine::FliteEngine()
{
    flite_init();
    const std::pair<cst_voice *(*)(const char *), const char *> candidates[] = {
        {&register_cmu_us_slt, "slt"},
        {&register_cmu_us_kal, "kal"},
    };
    for (const auto &[reg, name] : candidates) {
        cst_voice *v = reg(nullptr);
        if (!v)
            continue;
        // The voices do not say their rate up front; one short word tells.
        cst_wave *probe = flite_text_to_wave("a", v);
        const int rate = probe ? probe->sample_rate : 0;
        delete_wave(probe);
        if (rate > 0)
            m_voices.push_back({v, QString::fromLatin1(name), rate});
    }
}

QStringList FliteEngine::voiceNames() const
{
    QStringList names;
    for (const Voice &v : m_voices)
        names << v.name;
    return names;
}

int FliteEngine::sampleRate(int voice) const
{
    return voice >= 0 && voice < int(m_voices.size()) ? m_voices[size_t(voice)].rate : 0;
}

bool FliteEngine::synthesize(const QString &text, int voice, int speed, const Sink &sink)
{
    if (voice < 0 || voice >= int(m_voices.size()))
        return false;
    const QByteArray bytes = text.toUtf8();
    std::lock_guard lk(m_lock);
    cst_voice *v = m_voices[size_t(voice)].voice;
    StreamContext ctx{&sink};
    cst_audio_streaming_info *asi = new_audio_streaming_info();
    asi->asc = &streamChunk;
    asi->userdata = &ctx;
    // Streaming hands out each piece as soon as it is made, so the first
    // sound does not wait for the whole sentence.
    feat_set(v->features, "streaming_info", audio_streaming_info_val(asi));
    feat_set_float(v->features, "duration_stretch", 135.0f / float(std::clamp(speed, 50, 220)));
    cst_utterance *utt = flite_synth_text(bytes.constData(), v);
    const bool ok = utt != nullptr;
    delete_utterance(utt);
    feat_remove(v->features, "streaming_info"); // frees asi
    return ok && !ctx.stopped;
}

} // namespace horavox

// The voices module's entry: one engine per process.
extern "C" Q_DECL_EXPORT horavox::TtsEngine *horavox_flite_engine()
{
    static horavox::FliteEngine engine;
    return &engine;
}
