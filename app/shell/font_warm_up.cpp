#include "font_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace horavox {

FontWarmUp::FontWarmUp()
{
    try {
        // fontconfig publishes its configuration with an atomic swap, so Qt
        // asking at the same moment costs at most a second read, never a
        // half-read one.
        m_thread = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
    }
}

FontWarmUp::~FontWarmUp()
{
    // Joined, never detached: a program that ends at once (the request was
    // handed to a running clock) must not unload fontconfig under the thread.
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace horavox
