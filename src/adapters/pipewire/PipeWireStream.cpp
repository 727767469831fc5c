#include "adapters/pipewire/PipeWireStream.h"

#include <algorithm>
#include <cstring>
#include <spa/node/io.h>
#include <spa/param/audio/format-utils.h>
#include <utility>

namespace tinkella {

const pw_stream_events PipeWireStream::events = [] {
    pw_stream_events events{};
    events.version = PW_VERSION_STREAM_EVENTS;
    events.state_changed = &PipeWireStream::onStateChanged;
    events.io_changed = &PipeWireStream::onIoChanged;
    events.param_changed = &PipeWireStream::onParamChanged;
    events.process = &PipeWireStream::onProcess;
    return events;
}();

PipeWireStream::PipeWireStream(PipeWirePlayback& playback, StateHandler onState, double sampleRate)
    : playback_(playback), onState_(std::move(onState)), sampleRate_(sampleRate) {}

std::unique_ptr<PipeWireStream> PipeWireStream::connect(pw_core* core,
                                                        const PipeWireStreamOptions& options,
                                                        PipeWirePlayback& playback,
                                                        StateHandler onState, std::string& error) {
    std::unique_ptr<PipeWireStream> self(
        new PipeWireStream(playback, std::move(onState), options.sampleRate));
    const auto rate = static_cast<unsigned>(options.sampleRate);
    // Music: the role PipeWire's PulseAudio face reports as "music", which mixers and
    // role-based policies (ducking, per-role volumes) recognise as a player of music.
    pw_properties* props = pw_properties_new(
        PW_KEY_MEDIA_TYPE, "Audio", PW_KEY_MEDIA_CATEGORY, "Playback", PW_KEY_MEDIA_ROLE, "Music",
        PW_KEY_APP_NAME, options.name.c_str(), PW_KEY_APP_ID, options.applicationId.c_str(),
        PW_KEY_APP_ICON_NAME, options.iconName.c_str(), PW_KEY_NODE_NAME, options.name.c_str(),
        PW_KEY_NODE_DESCRIPTION, options.name.c_str(), PW_KEY_MEDIA_NAME, options.name.c_str(),
        nullptr);
    pw_properties_setf(props, PW_KEY_NODE_LATENCY, "%d/%u", options.latencyFrames, rate);
    self->stream_ = pw_stream_new(core, options.name.c_str(), props);
    if (self->stream_ == nullptr) {
        error = "its stream could not be created";
        return nullptr;
    }
    pw_stream_add_listener(self->stream_, &self->listener_, &events, self.get());

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
            pw_stream_connect(self->stream_, PW_DIRECTION_OUTPUT, PW_ID_ANY, flags, params, 1);
        result < 0) {
        error = std::string("its stream could not connect: ") + std::strerror(-result);
        return nullptr;
    }
    return self;
}

PipeWireStream::~PipeWireStream() {
    if (stream_ != nullptr) {
        spa_hook_remove(&listener_);
        pw_stream_destroy(stream_);
    }
}

void PipeWireStream::setActive(bool active) {
    pw_stream_set_active(stream_, active);
}

void PipeWireStream::onProcess(void* data) {
    auto* self = static_cast<PipeWireStream*>(data);
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
        AudioRenderer* renderer = self->playback_.renderer.load(std::memory_order_acquire);
        if (renderer != nullptr && self->rateMatches_.load(std::memory_order_relaxed)) {
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
        self->playback_.quantum.store(static_cast<std::uint32_t>(position->clock.duration),
                                      std::memory_order_release);
    }
    pw_stream_queue_buffer(self->stream_, buffer);
}

void PipeWireStream::onStateChanged(void* data, pw_stream_state, pw_stream_state state,
                                    const char* error) {
    static_cast<PipeWireStream*>(data)->onState_(state, error);
}

void PipeWireStream::onIoChanged(void* data, std::uint32_t id, void* area, std::uint32_t size) {
    auto* self = static_cast<PipeWireStream*>(data);
    if (id == SPA_IO_Position) {
        self->position_.store(size >= sizeof(spa_io_position) ? static_cast<spa_io_position*>(area)
                                                              : nullptr,
                              std::memory_order_release);
    }
}

void PipeWireStream::onParamChanged(void* data, std::uint32_t id, const spa_pod* param) {
    auto* self = static_cast<PipeWireStream*>(data);
    spa_audio_info_raw format{};
    if (id != SPA_PARAM_Format || param == nullptr ||
        spa_format_audio_raw_parse(param, &format) < 0) {
        return;
    }
    self->rate_ = format.rate;
    self->rateMatches_.store(format.rate == static_cast<std::uint32_t>(self->sampleRate_),
                             std::memory_order_relaxed);
}

} // namespace tinkella
