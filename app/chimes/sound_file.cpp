// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <type_traits>

namespace horavox {

namespace {

// The few libsndfile functions the reader needs; the header is for the
// types only.
struct SndfileApi
{
    decltype(&::sf_open_virtual) open_virtual;
    decltype(&::sf_readf_short) readf_short;
    decltype(&::sf_close) close;
};

const SndfileApi *sndfile()
{
    static std::once_flag once;
    static QLibrary library;
    static SndfileApi api{};
    static bool complete = false;
    std::call_once(once, [] {
        library.setFileNameAndVersion(QStringLiteral("sndfile"), 1);
        if (!library.load())
            return;
        auto get = [](auto &fn, const char *symbol) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(library.resolve(symbol));
            return fn != nullptr;
        };
        complete = get(api.open_virtual, "sf_open_virtual") && get(api.readf_short, "sf_readf_short")
                   && get(api.close, "sf_close");
    });
    return complete ? &api : nullptr;
}

// Bytes in memory as a file the library can seek in.
struct Source
{
    QByteArrayView bytes;
    sf_count_t pos = 0;
};

sf_count_t vLength(void *user)
{
    return static_cast<Source *>(user)->bytes.size();
}

sf_count_t vSeek(sf_count_t offset, int whence, void *user)
{
    auto *s = static_cast<Source *>(user);
    sf_count_t to = offset;
    if (whence == SEEK_CUR)
        to = s->pos + offset;
    else if (whence == SEEK_END)
        to = s->bytes.size() + offset;
    if (to < 0 || to > s->bytes.size())
        return -1;
    s->pos = to;
    return s->pos;
}

sf_count_t vRead(void *ptr, sf_count_t count, void *user)
{
    auto *s = static_cast<Source *>(user);
    const sf_count_t n = std::clamp<sf_count_t>(s->bytes.size() - s->pos, 0, std::max<sf_count_t>(count, 0));
    if (n > 0)
        std::memcpy(ptr, s->bytes.data() + s->pos, size_t(n));
    s->pos += n;
    return n;
}

sf_count_t vWrite(const void *, sf_count_t, void *)
{
    return 0;
}

sf_count_t vTell(void *user)
{
    return static_cast<Source *>(user)->pos;
}

SoundFileResult failure(SoundFileError e)
{
    SoundFileResult r;
    r.error = e;
    return r;
}

} // namespace

SoundFileResult decodeSoundFile(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return failure(SoundFileError::Empty);
    if (bytes.size() > kMaxSoundFileBytes)
        return failure(SoundFileError::TooLarge);
    const SndfileApi *api = sndfile();
    if (!api)
        return failure(SoundFileError::NoLibrary);

    Source source{bytes};
    SF_VIRTUAL_IO io{vLength, vSeek, vRead, vWrite, vTell};
    SF_INFO info{};
    SNDFILE *file = api->open_virtual(&io, SFM_READ, &info, &source);
    if (!file)
        return failure(SoundFileError::NotSound);
    const std::unique_ptr<SNDFILE, decltype(api->close)> closer(file, api->close);
    // Rates the resampler handles; anything else is not a sound file anyone made.
    if (info.channels < 1 || info.channels > 16 || info.samplerate < 4000 || info.samplerate > 192000)
        return failure(SoundFileError::NotSound);
    if (info.frames > sf_count_t(kMaxSoundFileSeconds) * info.samplerate)
        return failure(SoundFileError::TooLong);

    // The frame count a header gives may be wrong; what can be read counts,
    // up to the longest a chime may be.
    const sf_count_t limit = sf_count_t(kMaxSoundFileSeconds) * info.samplerate;
    const int channels = info.channels;
    std::vector<short> block(size_t(4096) * size_t(channels));
    QByteArray mono;
    sf_count_t total = 0;
    for (;;) {
        const sf_count_t got = api->readf_short(file, block.data(), 4096);
        if (got <= 0)
            break;
        total += got;
        if (total > limit)
            return failure(SoundFileError::TooLong);
        const qsizetype at = mono.size();
        mono.resize(at + qsizetype(got) * 2);
        auto *out = reinterpret_cast<int16_t *>(mono.data() + at);
        for (sf_count_t f = 0; f < got; ++f) {
            int sum = 0;
            for (int c = 0; c < channels; ++c)
                sum += block[size_t(f * channels + c)];
            out[f] = int16_t(sum / channels);
        }
    }
    // Under a hundredth of a second is no sound a person hears, and it may
    // shrink to no frame at all at the device's rate.
    if (total < std::max<sf_count_t>(1, info.samplerate / 100))
        return failure(SoundFileError::Empty);
    SoundFileResult r;
    r.clip.format = PcmFormat{info.samplerate, 1, 16};
    r.clip.samples = std::move(mono);
    return r;
}

SoundFileResult readSoundFile(const QString &path, qint64 maxBytes)
{
    const QFileInfo fi(path);
    if (path.isEmpty() || !fi.isFile())
        return failure(SoundFileError::Missing);
    if (fi.size() > maxBytes)
        return failure(SoundFileError::TooLarge);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return failure(SoundFileError::Missing);
    // Read with the cap, not the size the folder gave: the file may grow.
    const QByteArray bytes = f.read(maxBytes + 1);
    if (bytes.size() > maxBytes)
        return failure(SoundFileError::TooLarge);
    return decodeSoundFile(bytes);
}

QString soundFileErrorText(SoundFileError error)
{
    const char *text = "";
    switch (error) {
    case SoundFileError::None:
        return {};
    case SoundFileError::Missing:
        text = QT_TRANSLATE_NOOP("horavox::SoundFile", "The sound file cannot be found or opened.");
        break;
    case SoundFileError::Empty:
        text = QT_TRANSLATE_NOOP("horavox::SoundFile", "The sound file is empty.");
        break;
    case SoundFileError::TooLarge:
        text = QT_TRANSLATE_NOOP("horavox::SoundFile", "The sound file is too large (more than 32 MB).");
        break;
    case SoundFileError::TooLong:
        text = QT_TRANSLATE_NOOP("horavox::SoundFile", "The sound plays too long (more than a minute).");
        break;
    case SoundFileError::NotSound:
        text = QT_TRANSLATE_NOOP("horavox::SoundFile",
                                 "The file is not a sound that can be played (WAV, FLAC or Ogg).");
        break;
    case SoundFileError::NoLibrary:
        text = QT_TRANSLATE_NOOP("horavox::SoundFile", "Sound files cannot be read: libsndfile is not installed.");
        break;
    }
    return QCoreApplication::translate("horavox::SoundFile", text);
}

bool soundFileLibraryAvailable()
{
    return sndfile() != nullptr;
}

} // namespace horavox
