// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Records from a source the way a volume meter does (a peak-detect stream),
// until it is killed. Usage: level_meter SOURCE
#include <pulse/pulseaudio.h>

#include <cstring>

int main(int argc, char **argv)
{
    pa_mainloop *loop = pa_mainloop_new();
    pa_context *context = pa_context_new(pa_mainloop_get_api(loop), "level meter");
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
        return 1;
    for (;;) {
        const pa_context_state_t s = pa_context_get_state(context);
        if (s == PA_CONTEXT_READY)
            break;
        if (!PA_CONTEXT_IS_GOOD(s) || pa_mainloop_iterate(loop, 1, nullptr) < 0)
            return 1;
    }
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, 25, 1};
    pa_stream *stream = pa_stream_new(context, "Peak detect", &format, nullptr);
    pa_stream_set_read_callback(
        stream,
        [](pa_stream *st, size_t, void *) {
            const void *data = nullptr;
            size_t n = 0;
            if (pa_stream_peek(st, &data, &n) == 0 && n > 0)
                pa_stream_drop(st);
        },
        nullptr);
    pa_buffer_attr attr;
    std::memset(&attr, 0xff, sizeof attr);
    attr.fragsize = sizeof(float);
    const auto flags = pa_stream_flags_t(PA_STREAM_PEAK_DETECT | PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
    if (pa_stream_connect_record(stream, argc > 1 ? argv[1] : nullptr, &attr, flags) < 0)
        return 1;
    return pa_mainloop_run(loop, nullptr);
}
