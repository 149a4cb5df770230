#pragma once
#include <thread>

namespace horavox {

// The clock's first frame draws its AM/PM text, and the first text Qt draws
// waits for fontconfig to read its configuration: some sixty XML files and
// the font caches, the longest single step of a start. None of it needs the
// application object, so a thread reads it while the libraries, the
// application and the window are set up; Qt then finds it read. Where no
// thread can be started, Qt reads it itself, as before.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

private:
    std::thread m_thread;
};

} // namespace horavox
