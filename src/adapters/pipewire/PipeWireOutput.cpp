#include "adapters/pipewire/PipeWireOutput.h"

#include "adapters/pipewire/PipeWireStream.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

namespace tinkella {

namespace {

// How often a lost daemon is asked for again: a failed attempt costs one refused connect(2).
constexpr std::chrono::milliseconds retryInterval{200};
// The idle timer checks this many times per idle delay.
constexpr int ticksPerIdleDelay = 4;

// The connection to the daemon, its stream and their threads. The data thread runs the stream's
// process() only; the loop thread (PipeWire's thread loop) runs every other callback, owns the
// stream's activity and, when the daemon goes, makes a new connection and stream; the main
// thread opens, wakes and destroys.
class PipeWireOutput final : public AudioOutput {
public:
    explicit PipeWireOutput(PipeWireStreamOptions options) : options_(std::move(options)) {}
    ~PipeWireOutput() override;
    PipeWireOutput(const PipeWireOutput&) = delete;
    PipeWireOutput& operator=(const PipeWireOutput&) = delete;

    bool open(std::string& error);
    AudioOutputInfo info() const override;
    void start(AudioRenderer& renderer) override;
    void wake() override;

private:
    // Loop thread or the thread loop locked.
    bool connect(std::string& error);
    void disconnect();
    void lose();
    void onStreamState(pw_stream_state state, const char* error);
    void arm(spa_source* timer, std::chrono::nanoseconds first, std::chrono::nanoseconds period);
    void armIdleTimer(bool armed);

    bool awaitFirstBuffer(std::string& error);

    static const pw_core_events coreEvents;
    static void onCoreError(void* data, std::uint32_t id, int seq, int res, const char* message);
    static void onIdleTick(void* data, std::uint64_t expirations);
    static void onRetry(void* data, std::uint64_t expirations);
    static void onWake(void* data, std::uint64_t count);

    PipeWirePlayback playback_;
    const PipeWireStreamOptions options_;
    pw_thread_loop* loop_ = nullptr;
    pw_context* context_ = nullptr;
    pw_core* core_ = nullptr;
    spa_hook coreListener_{};
    std::unique_ptr<PipeWireStream> stream_;
    spa_source* idleTimer_ = nullptr;
    spa_source* retryTimer_ = nullptr;
    spa_source* wakeEvent_ = nullptr;

    // Written by the loop thread while opening; failure_ before streamState_ turns to error.
    std::atomic<int> streamState_{PW_STREAM_STATE_UNCONNECTED};
    std::string failure_;
    // Whether the stream is (about to be) active: cleared by the loop thread before it stops
    // the stream, read by the main thread to decide whether an event must wake it.
    std::atomic<bool> active_{true};
    // Events queued so far (main thread), as the loop thread tells new ones from old ones.
    std::atomic<std::uint64_t> wakes_{0};
    // With the thread loop locked: set once open() succeeded; from then on a lost daemon is
    // waited for instead of failing the open.
    bool opened_ = false;
    // Loop thread only: the daemon went and no new stream has taken over yet; the user was told
    // and has not yet been told that it is back.
    bool reconnecting_ = false;
    bool saidGone_ = false;
    bool streamActive_ = true;
    std::uint64_t wakesSeen_ = 0;
    int quietTicks_ = 0;
};

void say(const char* line) {
    std::fputs(line, stderr);
    std::fflush(stderr);
}

const pw_core_events PipeWireOutput::coreEvents = [] {
    pw_core_events events{};
    events.version = PW_VERSION_CORE_EVENTS;
    events.error = &PipeWireOutput::onCoreError;
    return events;
}();

bool PipeWireOutput::open(std::string& error) {
    pw_init(nullptr, nullptr);
    if (std::getenv("PIPEWIRE_DEBUG") == nullptr) {
        // The caller reports the outcome in one line of its own.
        pw_log_set_level(SPA_LOG_LEVEL_NONE);
    }
    loop_ = pw_thread_loop_new("tinkella-pw", nullptr);
    if (loop_ == nullptr) {
        error = "its thread could not be created";
        return false;
    }
    // client-rt.conf: the data thread asks for real-time scheduling, as a live instrument needs.
    context_ = pw_context_new(
        pw_thread_loop_get_loop(loop_),
        pw_properties_new(PW_KEY_CONFIG_NAME, "client-rt.conf", PW_KEY_APP_NAME,
                          options_.name.c_str(), PW_KEY_APP_ID, options_.applicationId.c_str(),
                          PW_KEY_APP_ICON_NAME, options_.iconName.c_str(), nullptr),
        0);
    if (context_ == nullptr || pw_thread_loop_start(loop_) != 0) {
        error = "its context could not be created";
        return false;
    }
    pw_thread_loop_lock(loop_);
    pw_loop* loop = pw_thread_loop_get_loop(loop_);
    idleTimer_ = pw_loop_add_timer(loop, &PipeWireOutput::onIdleTick, this);
    retryTimer_ = pw_loop_add_timer(loop, &PipeWireOutput::onRetry, this);
    wakeEvent_ = pw_loop_add_event(loop, &PipeWireOutput::onWake, this);
    bool connected = idleTimer_ != nullptr && retryTimer_ != nullptr && wakeEvent_ != nullptr;
    if (!connected) {
        error = "its timers could not be created";
    } else if ((connected = connect(error))) {
        armIdleTimer(true);
    }
    pw_thread_loop_unlock(loop_);
    if (!connected || !awaitFirstBuffer(error)) {
        return false;
    }
    pw_thread_loop_lock(loop_);
    opened_ = true;
    if (streamState_.load() == PW_STREAM_STATE_ERROR) {
        lose();
    }
    pw_thread_loop_unlock(loop_);
    return true;
}

bool PipeWireOutput::connect(std::string& error) {
    core_ = pw_context_connect(context_, nullptr, 0);
    if (core_ == nullptr) {
        error = "no PipeWire daemon running";
        return false;
    }
    pw_core_add_listener(core_, &coreListener_, &coreEvents, this);
    stream_ = PipeWireStream::connect(
        core_, options_, playback_,
        [this](pw_stream_state state, const char* why) { onStreamState(state, why); }, error);
    return stream_ != nullptr;
}

void PipeWireOutput::disconnect() {
    stream_.reset();
    if (core_ != nullptr) {
        spa_hook_remove(&coreListener_);
        pw_core_disconnect(core_);
        core_ = nullptr;
    }
}

bool PipeWireOutput::awaitFirstBuffer(std::string& error) {
    const auto deadline = std::chrono::steady_clock::now() + options_.startTimeout;
    while (playback_.quantum.load(std::memory_order_acquire) == 0) {
        if (streamState_.load(std::memory_order_acquire) == PW_STREAM_STATE_ERROR) {
            error = "the stream failed: " + failure_;
            return false;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            error = "no sink took the stream";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

PipeWireOutput::~PipeWireOutput() {
    if (loop_ == nullptr) {
        return;
    }
    // Every callback runs on the loop thread with the loop locked: once the sources are gone
    // under the lock, no reconnection is under way or can start.
    pw_thread_loop_lock(loop_);
    pw_loop* loop = pw_thread_loop_get_loop(loop_);
    for (spa_source* source : {idleTimer_, retryTimer_, wakeEvent_}) {
        if (source != nullptr) {
            pw_loop_destroy_source(loop, source);
        }
    }
    disconnect();
    pw_thread_loop_unlock(loop_);
    pw_thread_loop_stop(loop_);
    if (context_ != nullptr) {
        pw_context_destroy(context_);
    }
    pw_thread_loop_destroy(loop_);
}

void PipeWireOutput::wake() {
    // Sequentially consistent with onIdleTick(): either the timer sees this event and keeps the
    // stream active, or this sees the stream stopping and wakes it.
    wakes_.fetch_add(1);
    if (!active_.load()) {
        pw_loop_signal_event(pw_thread_loop_get_loop(loop_), wakeEvent_);
    }
}

AudioOutputInfo PipeWireOutput::info() const {
    // The stream's own rate, which the renderer must keep; the graph resamples from it.
    return {"pipewire", static_cast<int>(playback_.quantum.load(std::memory_order_relaxed)), 1,
            options_.sampleRate};
}

void PipeWireOutput::start(AudioRenderer& renderer) {
    playback_.renderer.store(&renderer, std::memory_order_release);
}

void PipeWireOutput::arm(spa_source* timer, std::chrono::nanoseconds first,
                         std::chrono::nanoseconds period) {
    const auto toTimespec = [](std::chrono::nanoseconds t) {
        return timespec{static_cast<time_t>(t.count() / 1000000000),
                        static_cast<long>(t.count() % 1000000000)};
    };
    timespec value = toTimespec(first);
    timespec interval = toTimespec(period);
    pw_loop_update_timer(pw_thread_loop_get_loop(loop_), timer, &value, &interval, false);
}

void PipeWireOutput::armIdleTimer(bool armed) {
    const std::chrono::nanoseconds tick =
        armed ? std::max(options_.idleDelay / ticksPerIdleDelay, std::chrono::milliseconds(1))
              : std::chrono::nanoseconds(0);
    arm(idleTimer_, tick, tick);
}

void PipeWireOutput::onStreamState(pw_stream_state state, const char* error) {
    if (!opened_) {
        if (state == PW_STREAM_STATE_ERROR &&
            streamState_.load(std::memory_order_relaxed) != PW_STREAM_STATE_ERROR) {
            failure_ = error != nullptr ? error : "unknown error";
        }
        streamState_.store(state, std::memory_order_release);
        return;
    }
    if (state == PW_STREAM_STATE_ERROR || state == PW_STREAM_STATE_UNCONNECTED) {
        lose();
    } else if (state == PW_STREAM_STATE_STREAMING && saidGone_) {
        saidGone_ = false;
        if (stream_->rateMatches()) {
            say("Tinkella: the PipeWire daemon is back \u2014 sound plays again\n");
        } else {
            char line[200];
            std::snprintf(line, sizeof line,
                          "Tinkella: the PipeWire daemon is back at %u Hz, but the synthesiser "
                          "renders at %.0f Hz \u2014 sound stays off until Tinkella is "
                          "restarted\n",
                          stream_->rate(), options_.sampleRate);
            say(line);
        }
    }
}

// The core and the stream both report the daemon's end; they are torn down from the retry timer,
// outside their own callbacks.
void PipeWireOutput::lose() {
    if (reconnecting_) {
        return;
    }
    reconnecting_ = true;
    if (!saidGone_) {
        saidGone_ = true;
        say("Tinkella: the PipeWire daemon has gone away \u2014 sound waits for it to come back\n");
    }
    armIdleTimer(false);
    active_.store(true);
    // Not at once: a stream that fails as soon as it connects must not make this loop spin.
    arm(retryTimer_, retryInterval, retryInterval);
}

void PipeWireOutput::onCoreError(void* data, std::uint32_t id, int, int res, const char*) {
    auto* self = static_cast<PipeWireOutput*>(data);
    if (id == PW_ID_CORE && res == -EPIPE) {
        if (self->opened_) {
            self->lose();
        } else {
            self->onStreamState(PW_STREAM_STATE_ERROR, "the daemon went away");
        }
    }
}

void PipeWireOutput::onRetry(void* data, std::uint64_t) {
    auto* self = static_cast<PipeWireOutput*>(data);
    self->disconnect();
    std::string error;
    if (!self->connect(error)) {
        // Tried again at the next tick: the daemon is not back yet.
        self->disconnect();
        return;
    }
    self->reconnecting_ = false;
    self->arm(self->retryTimer_, std::chrono::nanoseconds(0), std::chrono::nanoseconds(0));
    self->streamActive_ = true;
    self->quietTicks_ = 0;
    self->wakesSeen_ = self->wakes_.load();
    self->armIdleTimer(true);
}

void PipeWireOutput::onIdleTick(void* data, std::uint64_t) {
    auto* self = static_cast<PipeWireOutput*>(data);
    const std::uint64_t wakes = self->wakes_.load();
    const AudioRenderer* renderer = self->playback_.renderer.load(std::memory_order_acquire);
    if ((renderer != nullptr && !renderer->isSilent()) || wakes != self->wakesSeen_) {
        self->wakesSeen_ = wakes;
        self->quietTicks_ = 0;
        return;
    }
    if (++self->quietTicks_ < ticksPerIdleDelay || self->stream_ == nullptr) {
        return;
    }
    self->active_.store(false);
    if (self->wakes_.load() != wakes) {
        self->active_.store(true);
        return;
    }
    self->stream_->setActive(false);
    self->streamActive_ = false;
    self->armIdleTimer(false);
}

void PipeWireOutput::onWake(void* data, std::uint64_t) {
    auto* self = static_cast<PipeWireOutput*>(data);
    if (!self->streamActive_ && self->stream_ != nullptr && !self->reconnecting_) {
        self->stream_->setActive(true);
        self->streamActive_ = true;
        self->quietTicks_ = 0;
        self->wakesSeen_ = self->wakes_.load();
        self->armIdleTimer(true);
    }
    self->active_.store(true);
}

} // namespace

std::unique_ptr<AudioOutput> openPipeWireOutput(const PipeWireStreamOptions& options,
                                                std::string& error) {
    auto output = std::make_unique<PipeWireOutput>(options);
    if (!output->open(error)) {
        return nullptr;
    }
    return output;
}

} // namespace tinkella
