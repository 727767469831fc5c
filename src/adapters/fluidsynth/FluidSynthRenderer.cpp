#include "adapters/fluidsynth/FluidSynthRenderer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

namespace tinkella {

namespace {

// Below about -100 dBFS the reverb's tail is inaudible and may be cut.
constexpr float quietLevel = 1e-5f;
// The tail must have stayed that quiet for this long before the synthesiser is skipped.
constexpr double quietSecondsToIdle = 0.1;
// How long the main thread waits for the audio thread to hand the synthesiser over.
constexpr auto handOverTimeout = std::chrono::milliseconds(250);

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

FluidSynthRenderer::FluidSynthRenderer(fluid_synth_t* synth, double sampleRate)
    : synth_(synth), limiter_(sampleRate),
      quietFramesToIdle_(static_cast<std::uint64_t>(quietSecondsToIdle * sampleRate)) {}

int FluidSynthRenderer::callback(void* data, int len, int nfx, float* fx[], int nout,
                                 float* out[]) {
    auto* renderer = static_cast<FluidSynthRenderer*>(static_cast<AudioRenderer*>(data));
    return renderer->process(len, nfx, fx, nout, out);
}

void FluidSynthRenderer::render(float* left, float* right, int frames) {
    float* out[2] = {left, right};
    process(frames, 0, nullptr, 2, out);
}

void FluidSynthRenderer::apply(const MidiEventRing::Event& event) {
    const int channel = event.status & 0x0F;
    switch (event.status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(synth_, channel, event.data1);
        break;
    case 0x90:
        fluid_synth_noteon(synth_, channel, event.data1, event.data2);
        break;
    case 0xB0:
        fluid_synth_cc(synth_, channel, event.data1, event.data2);
        break;
    case 0xC0:
        fluid_synth_program_change(synth_, channel, event.data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(synth_, channel, event.data1 | event.data2 << 7);
        break;
    default:
        break;
    }
}

bool FluidSynthRenderer::applyQueuedEvents() {
    bool any = false;
    MidiEventRing::Event event;
    while (events_.pop(event)) {
        apply(event);
        any = true;
    }
    return any;
}

bool FluidSynthRenderer::takeOver() {
    if (audioThreadRuns_) {
        owner_.store(HandOverAsked, std::memory_order_release);
        const auto deadline = std::chrono::steady_clock::now() + handOverTimeout;
        while (owner_.load(std::memory_order_acquire) != MainThread) {
            int asked = HandOverAsked;
            if (std::chrono::steady_clock::now() > deadline &&
                owner_.compare_exchange_strong(asked, AudioThread, std::memory_order_acq_rel)) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ++handOvers_;
    }
    applyQueuedEvents();
    return true;
}

void FluidSynthRenderer::giveBack() {
    // Sounding voices may have come in with the queued events: no skipping until they end.
    isIdle_.store(false, std::memory_order_relaxed);
    quietFrames_ = 0;
    owner_.store(AudioThread, std::memory_order_release);
}

bool FluidSynthRenderer::changeProgram(const MidiEventRing::Event& event) {
    if (!takeOver()) {
        return events_.push(event);
    }
    apply(event);
    giveBack();
    return true;
}

int FluidSynthRenderer::process(int len, int nfx, float* fx[], int nout, float* out[]) {
    for (int i = 0; i < nfx; ++i) {
        silence(fx[i], len);
    }
    for (int i = 0; i < nout; ++i) {
        silence(out[i], len);
    }
    if (const int owner = owner_.load(std::memory_order_acquire); owner != AudioThread) {
        if (owner == HandOverAsked) {
            owner_.store(MainThread, std::memory_order_release);
        }
        return FLUID_OK;
    }
    if (len <= 0 || nout < 2 || !running_.load(std::memory_order_acquire)) {
        return FLUID_OK;
    }
    if (!applyQueuedEvents() && isIdle_.load(std::memory_order_relaxed)) {
        idle_.fetch_add(1, std::memory_order_relaxed);
        return FLUID_OK;
    }

    // Reverb and chorus go into the dry pair, as the drivers offer no effect buffers.
    float* effects[4] = {out[0], out[1], out[0], out[1]};
    fluid_synth_process(synth_, len, 4, effects, 2, out);
    const float synthPeak = std::max(peakOf(out[0], len), peakOf(out[1], len));
    if (limiterInPath_) {
        limiter_.process(out[0], out[1], out[0], out[1], static_cast<std::size_t>(len));
    }
    rendered_.fetch_add(1, std::memory_order_relaxed);

    if (fluid_synth_get_active_voice_count(synth_) == 0 && synthPeak < quietLevel) {
        quietFrames_ += static_cast<std::uint64_t>(len);
    } else {
        quietFrames_ = 0;
    }
    if (quietFrames_ >= quietFramesToIdle_ && limiter_.currentGain() == 1.0) {
        // What is left in the limiter's delay is below the quiet level: drop it with the rest.
        limiter_.reset();
        quietFrames_ = 0;
        isIdle_.store(true, std::memory_order_relaxed);
    } else {
        isIdle_.store(false, std::memory_order_relaxed);
    }
    return FLUID_OK;
}

} // namespace tinkella
