#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace tinkella {

// The synthesiser's thread for work too slow for the main thread and not allowed on the audio
// thread: reading a sound font into a new synthesiser (the 141 MB General MIDI font takes about
// 175 ms) and freeing the one it replaced (about 35 ms). Jobs run one at a time, in the order
// given, each destroyed on this thread once it has run; the thread starts with the first job.
// run() and the destructor on the main thread.
class FluidSynthWorker {
public:
    FluidSynthWorker() = default;
    // Waits for the job running, if any; jobs not started yet are destroyed unrun.
    ~FluidSynthWorker();
    FluidSynthWorker(const FluidSynthWorker&) = delete;
    FluidSynthWorker& operator=(const FluidSynthWorker&) = delete;

    void run(std::function<void()> job);

private:
    void loop();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> jobs_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace tinkella
