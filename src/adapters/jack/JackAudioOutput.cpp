#include "adapters/jack/JackAudioOutput.h"

#include <chrono>
#include <cstring>
#include <jack/jack.h>
#include <thread>

namespace tinkella {

void JackAudioBus::process(jack_nframes_t frames) {
    float* out[2] = {static_cast<float*>(jack_port_get_buffer(ports[0], frames)),
                     static_cast<float*>(jack_port_get_buffer(ports[1], frames))};
    // Announced before the source is read: a stream that has cleared the source and then sees
    // no render in flight knows that no later cycle can reach it (both sequentially consistent).
    rendering.store(true);
    if (AudioRenderer* playing = source.load()) {
        playing->render(out[0], out[1], static_cast<int>(frames));
    } else {
        std::memset(out[0], 0, frames * sizeof(float));
        std::memset(out[1], 0, frames * sizeof(float));
    }
    rendering.store(false, std::memory_order_release);
}

JackAudioOutput::JackAudioOutput(std::shared_ptr<JackAudioBus> bus, double sampleRate,
                                 int periodFrames)
    : bus_(std::move(bus)), sampleRate_(sampleRate), periodFrames_(periodFrames) {}

JackAudioOutput::~JackAudioOutput() {
    bus_->source.store(nullptr);
    while (bus_->rendering.load()) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

void JackAudioOutput::start(AudioRenderer& renderer) {
    bus_->source.store(&renderer);
}

} // namespace tinkella
