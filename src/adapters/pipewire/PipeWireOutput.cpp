#include "adapters/pipewire/PipeWireOutput.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <pipewire/pipewire.h>
#include <spa/node/io.h>
#include <spa/param/audio/format-utils.h>
#include <thread>
#include <utility>

namespace tinkella {

namespace {

// The stream and its threads. The data thread runs process() only; the loop thread (PipeWire's
// thread loop) runs the other callbacks and owns the stream's activity; the main thread opens,
// wakes and destroys.
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
    bool connect(std::string& error);
    bool awaitFirstBuffer(std::string& error);
    void armTimer(bool armed);

    static const pw_stream_events streamEvents;
    static void onProcess(void* data);
    static void onStateChanged(void* data, pw_stream_state, pw_stream_state state,
                               const char* error);
    static void onIoChanged(void* data, std::uint32_t id, void* area, std::uint32_t size);
    static void onTimer(void* data, std::uint64_t expirations);
    static void onWake(void* data, std::uint64_t count);

    // Set once by start(); silence is played before.
    std::atomic<AudioRenderer*> renderer_{nullptr};
    const PipeWireStreamOptions options_;
    pw_thread_loop* loop_ = nullptr;
    pw_context* context_ = nullptr;
    pw_core* core_ = nullptr;
    pw_stream* stream_ = nullptr;
    spa_hook listener_{};
    spa_source* timer_ = nullptr;
    spa_source* wakeEvent_ = nullptr;

    // Written by the loop thread, read by the data thread.
    std::atomic<spa_io_position*> position_{nullptr};
    // Written by the data thread: the graph's cycle as last seen (frames).
    std::atomic<std::uint32_t> quantum_{0};
    // Written by the loop thread; failure_ before streamState_ turns to error.
    std::atomic<int> streamState_{PW_STREAM_STATE_UNCONNECTED};
    std::string failure_;
    // Whether the stream is (about to be) active: cleared by the loop thread before it stops
    // the stream, read by the main thread to decide whether an event must wake it.
    std::atomic<bool> active_{true};
    // Events queued so far (main thread), as the loop thread tells new ones from old ones.
    std::atomic<std::uint64_t> wakes_{0};
    // Loop thread only.
    bool streamActive_ = true;
    std::uint64_t wakesSeen_ = 0;
    int quietTicks_ = 0;
};

// The idle timer checks this many times per idle delay.
constexpr int ticksPerIdleDelay = 4;

const pw_stream_events PipeWireOutput::streamEvents = [] {
    pw_stream_events events{};
    events.version = PW_VERSION_STREAM_EVENTS;
    events.state_changed = &PipeWireOutput::onStateChanged;
    events.io_changed = &PipeWireOutput::onIoChanged;
    events.process = &PipeWireOutput::onProcess;
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
    const bool connected = connect(error);
    pw_thread_loop_unlock(loop_);
    return connected && awaitFirstBuffer(error);
}

bool PipeWireOutput::connect(std::string& error) {
    core_ = pw_context_connect(context_, nullptr, 0);
    if (core_ == nullptr) {
        error = "no PipeWire daemon running";
        return false;
    }
    const auto rate = static_cast<unsigned>(options_.sampleRate);
    // Music: the role PipeWire's PulseAudio face reports as "music", which mixers and
    // role-based policies (ducking, per-role volumes) recognise as a player of music.
    pw_properties* props = pw_properties_new(
        PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Playback", PW_KEY_MEDIA_ROLE, "Music",
        PW_KEY_APP_NAME, options_.name.c_str(), PW_KEY_APP_ID, options_.applicationId.c_str(),
        PW_KEY_APP_ICON_NAME, options_.iconName.c_str(), PW_KEY_NODE_NAME, options_.name.c_str(),
        PW_KEY_NODE_DESCRIPTION, options_.name.c_str(), PW_KEY_MEDIA_NAME, options_.name.c_str(),
        nullptr);
    pw_properties_setf(props, PW_KEY_NODE_LATENCY, "%d/%u", options_.latencyFrames, rate);
    stream_ = pw_stream_new(core_, options_.name.c_str(), props);
    if (stream_ == nullptr) {
        error = "its stream could not be created";
        return false;
    }
    pw_stream_add_listener(stream_, &listener_, &streamEvents, this);

    std::uint8_t buffer[512];
    spa_pod_builder builder = SPA_POD_BUILDER_INIT(buffer, sizeof buffer);
    spa_audio_info_raw format{};
    format.format = SPA_AUDIO_FORMAT_F32P;
    format.rate = rate;
    format.channels = 2;
    format.position[0] = SPA_AUDIO_CHANNEL_FL;
    format.position[1] = SPA_AUDIO_CHANNEL_FR;
    const spa_pod* params[] = {spa_format_audio_raw_build(&builder, SPA_PARAM_EnumFormat, &format)};
    const auto flags = static_cast<pw_stream_flags>(
        PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS | PW_STREAM_FLAG_RT_PROCESS);
    if (const int result =
            pw_stream_connect(stream_, PW_DIRECTION_OUTPUT, PW_ID_ANY, flags, params, 1);
        result < 0) {
        error = std::string("its stream could not connect: ") + std::strerror(-result);
        return false;
    }
    pw_loop* loop = pw_thread_loop_get_loop(loop_);
    timer_ = pw_loop_add_timer(loop, &PipeWireOutput::onTimer, this);
    wakeEvent_ = pw_loop_add_event(loop, &PipeWireOutput::onWake, this);
    armTimer(true);
    return timer_ != nullptr && wakeEvent_ != nullptr;
}

bool PipeWireOutput::awaitFirstBuffer(std::string& error) {
    const auto deadline = std::chrono::steady_clock::now() + options_.startTimeout;
    while (quantum_.load(std::memory_order_acquire) == 0) {
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
    pw_thread_loop_lock(loop_);
    pw_loop* loop = pw_thread_loop_get_loop(loop_);
    if (timer_ != nullptr) {
        pw_loop_destroy_source(loop, timer_);
    }
    if (wakeEvent_ != nullptr) {
        pw_loop_destroy_source(loop, wakeEvent_);
    }
    if (stream_ != nullptr) {
        pw_stream_destroy(stream_);
    }
    if (core_ != nullptr) {
        pw_core_disconnect(core_);
    }
    pw_thread_loop_unlock(loop_);
    pw_thread_loop_stop(loop_);
    if (context_ != nullptr) {
        pw_context_destroy(context_);
    }
    pw_thread_loop_destroy(loop_);
}

void PipeWireOutput::wake() {
    // Sequentially consistent with onTimer(): either the timer sees this event and keeps the
    // stream active, or this sees the stream stopping and wakes it.
    wakes_.fetch_add(1);
    if (!active_.load()) {
        pw_loop_signal_event(pw_thread_loop_get_loop(loop_), wakeEvent_);
    }
}

AudioOutputInfo PipeWireOutput::info() const {
    // The stream's own rate, which the renderer must keep; the graph resamples from it.
    return {"pipewire", static_cast<int>(quantum_.load(std::memory_order_relaxed)), 1,
            options_.sampleRate};
}

void PipeWireOutput::start(AudioRenderer& renderer) {
    renderer_.store(&renderer, std::memory_order_release);
}

void PipeWireOutput::armTimer(bool armed) {
    const auto tick =
        std::max(options_.idleDelay / ticksPerIdleDelay, std::chrono::milliseconds(1));
    timespec interval{static_cast<time_t>(tick.count() / 1000),
                      static_cast<long>(tick.count() % 1000 * 1000000)};
    timespec never{0, 0};
    pw_loop_update_timer(pw_thread_loop_get_loop(loop_), timer_, armed ? &interval : &never,
                         armed ? &interval : &never, false);
}

void PipeWireOutput::onProcess(void* data) {
    auto* self = static_cast<PipeWireOutput*>(data);
    pw_buffer* buffer = pw_stream_dequeue_buffer(self->stream_);
    if (buffer == nullptr) {
        return;
    }
    spa_buffer* spa = buffer->buffer;
    if (spa->n_datas >= 2 && spa->datas[0].data != nullptr && spa->datas[1].data != nullptr) {
        std::uint64_t frames =
            std::min(spa->datas[0].maxsize, spa->datas[1].maxsize) / sizeof(float);
        if (buffer->requested > 0) {
            frames = std::min(frames, buffer->requested);
        }
        auto* left = static_cast<float*>(spa->datas[0].data);
        auto* right = static_cast<float*>(spa->datas[1].data);
        if (AudioRenderer* renderer = self->renderer_.load(std::memory_order_acquire)) {
            renderer->render(left, right, static_cast<int>(frames));
        } else {
            std::fill_n(left, frames, 0.0f);
            std::fill_n(right, frames, 0.0f);
        }
        for (std::uint32_t i = 0; i < 2; ++i) {
            spa->datas[i].chunk->offset = 0;
            spa->datas[i].chunk->stride = sizeof(float);
            spa->datas[i].chunk->size = static_cast<std::uint32_t>(frames * sizeof(float));
        }
    }
    if (const spa_io_position* position = self->position_.load(std::memory_order_acquire)) {
        self->quantum_.store(static_cast<std::uint32_t>(position->clock.duration),
                             std::memory_order_release);
    }
    pw_stream_queue_buffer(self->stream_, buffer);
}

void PipeWireOutput::onStateChanged(void* data, pw_stream_state, pw_stream_state state,
                                    const char* error) {
    auto* self = static_cast<PipeWireOutput*>(data);
    if (state == PW_STREAM_STATE_ERROR &&
        self->streamState_.load(std::memory_order_relaxed) != PW_STREAM_STATE_ERROR) {
        self->failure_ = error != nullptr ? error : "unknown error";
    }
    self->streamState_.store(state, std::memory_order_release);
}

void PipeWireOutput::onIoChanged(void* data, std::uint32_t id, void* area, std::uint32_t size) {
    auto* self = static_cast<PipeWireOutput*>(data);
    if (id == SPA_IO_Position) {
        self->position_.store(size >= sizeof(spa_io_position) ? static_cast<spa_io_position*>(area)
                                                              : nullptr,
                              std::memory_order_release);
    }
}

void PipeWireOutput::onTimer(void* data, std::uint64_t) {
    auto* self = static_cast<PipeWireOutput*>(data);
    const std::uint64_t wakes = self->wakes_.load();
    const AudioRenderer* renderer = self->renderer_.load(std::memory_order_acquire);
    if ((renderer != nullptr && !renderer->isSilent()) || wakes != self->wakesSeen_) {
        self->wakesSeen_ = wakes;
        self->quietTicks_ = 0;
        return;
    }
    if (++self->quietTicks_ < ticksPerIdleDelay) {
        return;
    }
    self->active_.store(false);
    if (self->wakes_.load() != wakes) {
        self->active_.store(true);
        return;
    }
    pw_stream_set_active(self->stream_, false);
    self->streamActive_ = false;
    self->armTimer(false);
}

void PipeWireOutput::onWake(void* data, std::uint64_t) {
    auto* self = static_cast<PipeWireOutput*>(data);
    if (!self->streamActive_) {
        pw_stream_set_active(self->stream_, true);
        self->streamActive_ = true;
        self->quietTicks_ = 0;
        self->wakesSeen_ = self->wakes_.load();
        self->armTimer(true);
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
