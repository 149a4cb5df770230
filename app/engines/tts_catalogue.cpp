// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engines/tts_engine.h"

#include "engines/espeak_voices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <atomic>
#include <mutex>

namespace horavox {

namespace {

// The engines live in a module of their own, loaded with the first sentence:
// their libraries (and what those pull in) cost start-up time and memory that
// a clock speaking recorded clips never needs.
std::atomic<bool> g_moduleTried{false};

QStringList moduleCandidates()
{
    // Installed beside the program (found from where the program is, so
    // that a package staged under any prefix works), else where it was
    // built, for a program run from its build folder.
    return {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../" HORAVOX_VOICES_INSTALLED)),
            QStringLiteral(HORAVOX_VOICES_BUILT)};
}

QLibrary &voicesModule()
{
    static QLibrary module;
    static std::once_flag once;
    std::call_once(once, [] {
        g_moduleTried = true;
        for (const QString &file : moduleCandidates()) {
            if (!QFileInfo::exists(file))
                continue;
            module.setFileName(file);
            if (module.load())
                return;
        }
    });
    return module;
}

// Stands in for an engine whose module could not be loaded.
class MissingEngine final : public TtsEngine
{
public:
    explicit MissingEngine(QString name) : m_name(std::move(name)) {}
    bool isReady() const override { return false; }
    QString engineName() const override { return m_name; }
    QStringList voiceNames() const override { return {}; }
    int sampleRate(int) const override { return 0; }
    bool synthesize(const QString &, int, int, const Sink &) override { return false; }

private:
    QString m_name;
};

template <typename Fn>
Fn resolve(const char *symbol)
{
    QLibrary &module = voicesModule();
    return module.isLoaded() ? reinterpret_cast<Fn>(module.resolve(symbol)) : nullptr;
}

} // namespace

QString voicesModuleFile()
{
    for (const QString &file : moduleCandidates()) {
        if (QFileInfo::exists(file))
            return file;
    }
    return {};
}

TtsEngineInfo fliteInfo()
{
    // As the module registers them; a test holds the two lists together.
    return {QStringLiteral("flite"),
            {QStringLiteral("slt"), QStringLiteral("kal")},
            {16000, 8000},
            {{QStringLiteral("English (US)"), QStringLiteral("US"), QStringLiteral("female")},
             {QStringLiteral("English (US)"), QStringLiteral("US"), QStringLiteral("male")}},
            QStringLiteral("flite")};
}

std::optional<TtsEngineInfo> espeakInfo(const QString &dataPath)
{
    // Once the library has failed to start, it stays failed for the process.
    if (g_moduleTried) {
        if (auto failed = resolve<bool (*)()>("horavox_espeak_failed"); failed && failed())
            return std::nullopt;
    }
    // Where the library itself looks: the folder given, else the one named by
    // ESPEAK_DATA_PATH, else its own. The phoneme table is the one file it
    // cannot start without.
    QString folder = dataPath;
    if (folder.isEmpty() && !qEnvironmentVariableIsEmpty("ESPEAK_DATA_PATH"))
        folder = qEnvironmentVariable("ESPEAK_DATA_PATH") + QStringLiteral("/espeak-ng-data");
    if (folder.isEmpty())
        folder = QStringLiteral(HORAVOX_ESPEAK_DATA);
    if (!QFileInfo(QDir(folder).filePath(QStringLiteral("phontab"))).isFile())
        return std::nullopt;
    TtsEngineInfo info{QStringLiteral("espeak"), {}, {}, {}, QStringLiteral("eSpeak NG")};
    for (const EspeakVoice *v : installedEspeakVoices(folder)) {
        info.voices << QLatin1String(v->name);
        info.rates << 22050;
        info.speakers.append({QString::fromUtf16(v->language), QString::fromUtf16(v->accent), QStringLiteral("male")});
    }
    return info;
}

TtsEngine &fliteEngine()
{
    static MissingEngine missing(QStringLiteral("flite"));
    auto get = resolve<TtsEngine *(*)()>("horavox_flite_engine");
    TtsEngine *e = get ? get() : nullptr;
    return e ? *e : missing;
}

TtsEngine &espeakEngine(const QString &dataPath)
{
    static MissingEngine missing(QStringLiteral("espeak"));
    auto get = resolve<TtsEngine *(*)(const char *)>("horavox_espeak_engine");
    const QByteArray path = dataPath.toLocal8Bit();
    TtsEngine *e = get ? get(path.constData()) : nullptr;
    return e ? *e : missing;
}

} // namespace horavox
