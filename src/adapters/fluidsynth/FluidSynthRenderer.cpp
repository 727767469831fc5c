#include "adapters/fluidsynth/FluidSynthRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tinkella {

namespace {

// Below about -100 dBFS the reverb's tail is inaudible and may be cut.
constexpr float quietLevel = 1e-5f;
// The tail must have stayed that quiet, with no voice playing, for this long before the
// synthesiser is skipped.
constexpr double quietSecondsToIdle = 0.1;

std::uint64_t quietFramesToIdleAt(double sampleRate) {
    return static_cast<std::uint64_t>(quietSecondsToIdle * sampleRate);
}

void silence(float* buffer, int len) {
    if (buffer != nullptr && len > 0) {
        std::memset(buffer, 0, static_cast<std::size_t>(len) * sizeof(float));
    }
}

float peakOf(const float* buffer, int len) {
    float peak = 0.0f;
    for (int i = 0; i < len; ++i) {
        peak = std::max(peak, std::fabs(buffer[i]));
    }
    return peak;
}

} // namespace

FluidSynthRenderer::FluidSynthRenderer(std::unique_ptr<FluidSynthInstance> first)
    : current_(first.release()), quietFramesToIdle_(quietFramesToIdleAt(current_->sampleRate())),
      quietFrames_(quietFramesToIdle_) {}

FluidSynthRenderer::~FluidSynthRenderer() {
    delete current_;
    delete offered_.load();
    delete released_.load();
}

std::unique_ptr<FluidSynthInstance>
FluidSynthRenderer::offer(std::unique_ptr<FluidSynthInstance> next) {
    // The audio thread never touched an offer it did not take.
    return std::unique_ptr<FluidSynthInstance>(
        offered_.exchange(next.release(), std::memory_order_acq_rel));
}

bool FluidSynthRenderer::collect() {
    FluidSynthInstance* released = released_.exchange(nullptr, std::memory_order_acq_rel);
    delete released;
    return released != nullptr;
}

int FluidSynthRenderer::callback(void* data, int len, int nfx, float* fx[], int nout,
                                 float* out[]) {
    auto* renderer = static_cast<FluidSynthRenderer*>(static_cast<AudioRenderer*>(data));
    return renderer->process(len, nfx, fx, nout, out);
}

void FluidSynthRenderer::render(float* left, float* right, int frames) {
    float* out[2] = {left, right};
    process(frames, 0, nullptr, 2, out);
}

void FluidSynthRenderer::takeOffered() {
    // One synthesiser let go of at a time: the next waits until the main thread collected it.
    if (offered_.load(std::memory_order_relaxed) == nullptr ||
        released_.load(std::memory_order_acquire) != nullptr) {
        return;
    }
    if (FluidSynthInstance* next = offered_.exchange(nullptr, std::memory_order_acq_rel)) {
        released_.store(current_, std::memory_order_release);
        current_ = next;
        quietFramesToIdle_ = quietFramesToIdleAt(next->sampleRate());
        quietFrames_ = 0;
        isIdle_.store(false, std::memory_order_relaxed);
    }
}

void FluidSynthRenderer::apply(const MidiEventRing::Event& event, int channelBase) {
    fluid_synth_t* synth = current_->synth();
    const int channel = channelBase + (event.status & 0x0F);
    switch (event.status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth, channel, event.data1);
        break;
    case 0x90:
        fluid_synth_noteon(synth, channel, event.data1, event.data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth, channel, event.data1, event.data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth, channel, event.data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(synth, channel, event.data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth, channel, event.data1 | (event.data2 << 7));
        break;
    default:
        break;
    }
}

bool FluidSynthRenderer::applyQueuedEvents() {
    bool any = false;
    MidiEventRing::Event event;
    for (std::size_t port = 0; port < ports; ++port) {
        while (events_[port].pop(event)) {
            apply(event, static_cast<int>(port * 16));
            any = true;
        }
    }
    return any;
}

int FluidSynthRenderer::process(int len, int nfx, float* fx[], int nout, float* out[]) {
    for (int i = 0; i < nfx; ++i) {
        silence(fx[i], len);
    }
    for (int i = 0; i < nout; ++i) {
        silence(out[i], len);
    }
    if (len <= 0 || nout < 2) {
        return FLUID_OK;
    }
    takeOffered();
    if (!applyQueuedEvents() && isIdle_.load(std::memory_order_relaxed)) {
        idle_.fetch_add(1, std::memory_order_relaxed);
        return FLUID_OK;
    }

    fluid_synth_t* synth = current_->synth();
    // Reverb and chorus go into the dry pair, as the drivers offer no effect buffers.
    float* effects[4] = {out[0], out[1], out[0], out[1]};
    fluid_synth_process(synth, len, 4, effects, 2, out);
    const float synthPeak = std::max(peakOf(out[0], len), peakOf(out[1], len));
    PeakLimiter& limiter = current_->limiter();
    limiter.process(out[0], out[1], out[0], out[1], static_cast<std::size_t>(len));
    rendered_.fetch_add(1, std::memory_order_relaxed);

    if (fluid_synth_get_active_voice_count(synth) == 0 && synthPeak < quietLevel) {
        quietFrames_ = std::min(quietFrames_ + static_cast<std::uint64_t>(len), quietFramesToIdle_);
    } else {
        quietFrames_ = 0;
    }
    if (quietFrames_ >= quietFramesToIdle_ && limiter.currentGain() == 1.0) {
        // What is left in the limiter's delay is below the quiet level: drop it with the rest.
        // The quiet count stays, so that an event which starts no voice (a controller, a
        // program) costs this one buffer rather than a tenth of a second of them.
        limiter.reset();
        isIdle_.store(true, std::memory_order_relaxed);
    } else {
        isIdle_.store(false, std::memory_order_relaxed);
    }
    return FLUID_OK;
}

} // namespace tinkella
