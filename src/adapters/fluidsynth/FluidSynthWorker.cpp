#include "adapters/fluidsynth/FluidSynthWorker.h"

#include <utility>

namespace tinkella {

FluidSynthWorker::~FluidSynthWorker() {
    std::deque<std::function<void()>> unrun;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        unrun.swap(jobs_);
    }
    wake_.notify_one();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void FluidSynthWorker::run(std::function<void()> job) {
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { loop(); });
    }
    wake_.notify_one();
}

void FluidSynthWorker::loop() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (stopping_) {
                return;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        job();
    }
}

} // namespace tinkella
