// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speechd_library.h"

#include <QFileInfo>
#include <QLibrary>

#include <memory>
#include <mutex>
#include <type_traits>

namespace horavox {

namespace {
struct Loaded
{
    QLibrary library;
    SpeechdLibrary api{};
    bool complete = false;
};

std::unique_ptr<Loaded> load()
{
    auto l = std::make_unique<Loaded>();
    l->library.setFileNameAndVersion(QStringLiteral("speechd"), 2);
    if (!l->library.load())
        return l;
    bool complete = true;
    auto get = [&](auto &fn, const char *symbol) {
        fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(l->library.resolve(symbol));
        complete = complete && fn != nullptr;
    };
    SpeechdLibrary &a = l->api;
    get(a.open2, "spd_open2");
    get(a.close, "spd_close");
    get(a.get_client_id, "spd_get_client_id");
    get(a.say, "spd_say");
    get(a.cancel, "spd_cancel");
    get(a.set_notification_on, "spd_set_notification_on");
    get(a.set_voice_rate, "spd_set_voice_rate");
    get(a.set_volume, "spd_set_volume");
    get(a.get_voice_rate, "spd_get_voice_rate");
    get(a.set_language, "spd_set_language");
    get(a.set_output_module, "spd_set_output_module");
    get(a.set_synthesis_voice, "spd_set_synthesis_voice");
    get(a.list_modules, "spd_list_modules");
    get(a.free_modules, "free_spd_modules");
    get(a.list_synthesis_voices, "spd_list_synthesis_voices");
    get(a.free_voices, "free_spd_voices");
    l->complete = complete;
    return l;
}
} // namespace

const SpeechdLibrary *speechdLibrary()
{
    // Kept to the end of the process: a connection's own thread calls back
    // into it until the connection is closed, and one left hanging on a
    // server that stopped answering may never be.
    static std::once_flag once;
    static std::unique_ptr<Loaded> loaded;
    std::call_once(once, [] { loaded = load(); });
    return loaded->complete ? &loaded->api : nullptr;
}

bool speechdInstalled()
{
    // Where the build found it; a package puts it in the same place.
    static const bool there = QFileInfo::exists(QStringLiteral(HORAVOX_SPEECHD_LIBRARY));
    return there;
}

} // namespace horavox
