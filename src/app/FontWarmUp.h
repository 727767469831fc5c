#pragma once

#include <thread>

namespace tinkella::app {

// Reads the toolkit's font database on a thread of its own while the main thread puts the
// windows together. The first text measured otherwise waits about 10 ms for it (every installed
// font listed through fontconfig, the desktop font and its fallbacks matched), right before the
// piano window's first showing. The font database may be used from any thread and serialises its
// users, so the main thread's first measurement waits only for what is left of the thread's, and
// nothing is read twice. Made on the main thread once the application object exists and the
// launch is known to go on; the destructor waits for the thread.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread thread_;
};

} // namespace tinkella::app
