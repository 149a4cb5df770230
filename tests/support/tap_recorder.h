// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Collects what an AudioOutput sends to its device, from the device thread,
// for the test thread to inspect.
#include "speech/audio/audio_output.h"

#include <cstdint>
#include <mutex>
#include <vector>

namespace horavox_test {

class TapRecorder
{
public:
    explicit TapRecorder(horavox::AudioOutput &output) : m_output(output)
    {
        output.setTap([this](const int16_t *s, int n) {
            std::lock_guard lk(m_lock);
            m_samples.insert(m_samples.end(), s, s + n);
        });
    }
    ~TapRecorder() { m_output.setTap(nullptr); }

    std::vector<int16_t> samples() const
    {
        std::lock_guard lk(m_lock);
        return m_samples;
    }
    size_t size() const
    {
        std::lock_guard lk(m_lock);
        return m_samples.size();
    }
    void clear()
    {
        std::lock_guard lk(m_lock);
        m_samples.clear();
    }
    // Samples that are not silence.
    size_t loudCount(size_t from = 0) const
    {
        std::lock_guard lk(m_lock);
        size_t n = 0;
        for (size_t i = from; i < m_samples.size(); ++i)
            n += m_samples[i] != 0;
        return n;
    }

private:
    horavox::AudioOutput &m_output;
    mutable std::mutex m_lock;
    std::vector<int16_t> m_samples;
};

} // namespace horavox_test
