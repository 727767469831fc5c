#include "adapters/fluidsynth/FluidSynthSynthesizer.h"

#include "adapters/fluidsynth/FluidSynthRenderer.h"
#include "adapters/fluidsynth/FluidSynthSoundFont.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <thread>

namespace tinkella {

namespace {

constexpr std::uint8_t noteOffStatus = 0x80;
constexpr std::uint8_t noteOnStatus = 0x90;
constexpr std::uint8_t controlChangeStatus = 0xB0;
constexpr std::uint8_t programChangeStatus = 0xC0;
// How long a new sound font waits for the audio thread to let the old synthesiser go, so that
// its memory is freed at once; later, the next message collects it.
constexpr auto releaseWait = std::chrono::milliseconds(250);

} // namespace

FluidSynthSynthesizer::FluidSynthSynthesizer(FluidSynthOptions options)
    : options_(std::move(options)) {}

FluidSynthSynthesizer::~FluidSynthSynthesizer() = default;

std::unique_ptr<FluidSynthSynthesizer> FluidSynthSynthesizer::open(FluidSynthOptions options,
                                                                   std::string& failure) {
    std::unique_ptr<FluidSynthSynthesizer> self(new FluidSynthSynthesizer(std::move(options)));
    const FluidSynthOptions& o = self->options_;
    captureFluidSynthLog();
    self->driverSettings_.reset(new_fluid_settings());
    if (!self->driverSettings_) {
        failure = "the synthesiser's settings could not be created";
        return nullptr;
    }
    std::string fontFailure;
    OpenedOutput opened;
    if (!o.offline) {
        const OutputRequest request{o.drivers, o.jackServer, o.jackClientName, o.sampleRate,
                                    o.ownOutputs};
        opened =
            openAudioOutput(self->driverSettings_.get(), request, &FluidSynthRenderer::callback,
                            [&](double sampleRate) -> AudioRenderer* {
                                return self->makeRenderer(sampleRate, fontFailure);
                            });
    }
    // Made even when no output opened, so that a sound font it cannot use is named first.
    if (!self->renderer_ && fontFailure.empty()) {
        self->makeRenderer(o.sampleRate, fontFailure);
    }
    if (!self->renderer_) {
        failure = fontFailure;
        return nullptr;
    }
    self->output_ = AudioOutputInfo{{}, 0, 0, self->sampleRate_};
    if (!o.offline) {
        if (!opened.output.isOpen()) {
            failure = opened.error;
            return nullptr;
        }
        self->outputHandle_ = std::move(opened.output);
        self->output_ = opened.info;
        self->notOpened_ = opened.notOpened;
    }
    return self;
}

FluidSynthRenderer* FluidSynthSynthesizer::makeRenderer(double sampleRate, std::string& failure) {
    if (renderer_ || !failure.empty()) {
        return renderer_.get();
    }
    std::unique_ptr<FluidSynthInstance> first = FluidSynthInstance::make(
        sampleRate, options_.gain,
        soundFontCandidates(options_.soundFont, options_.soundFontDirectory),
        options_.soundFontDirectory, failure);
    if (!first) {
        return nullptr;
    }
    sampleRate_ = sampleRate;
    openedSoundFontPath_ = first->soundFontPath();
    soundFontPath_ = openedSoundFontPath_;
    renderer_ = std::make_unique<FluidSynthRenderer>(std::move(first), sampleRate);
    return renderer_.get();
}

void FluidSynthSynthesizer::send(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    data1 &= 0x7F;
    data2 &= 0x7F;
    channels_.note(status, data1, data2);
    renderer_->collect();
    // The output hears of the event first, so that one gone quiet to save power asks again.
    outputHandle_.wake();
    renderer_->events().push({status, data1, data2});
}

void FluidSynthSynthesizer::noteOn(std::uint8_t channel, std::uint8_t note, std::uint8_t velocity) {
    send(noteOnStatus | (channel & 0x0F), note, velocity);
}

void FluidSynthSynthesizer::noteOff(std::uint8_t channel, std::uint8_t note) {
    send(noteOffStatus | (channel & 0x0F), note, 0);
}

void FluidSynthSynthesizer::controlChange(std::uint8_t channel, std::uint8_t controller,
                                          std::uint8_t value) {
    send(controlChangeStatus | (channel & 0x0F), controller, value);
}

void FluidSynthSynthesizer::programChange(std::uint8_t channel, std::uint8_t program) {
    send(programChangeStatus | (channel & 0x0F), program, 0);
}

std::string FluidSynthSynthesizer::loadSoundFont(const std::string& path) {
    renderer_->collect();
    const std::string wanted = path.empty() ? openedSoundFontPath_ : path;
    if (wanted == soundFontPath_) {
        return {};
    }
    std::string error;
    std::unique_ptr<FluidSynthInstance> next = FluidSynthInstance::make(
        sampleRate_, options_.gain, {wanted}, options_.soundFontDirectory, error);
    if (!next) {
        return error;
    }
    // Every channel keeps its program and controllers; what the old one sounded is cut.
    channels_.applyTo(next->synth());
    soundFontPath_ = next->soundFontPath();
    renderer_->offer(std::move(next));
    outputHandle_.wake();
    const auto deadline = std::chrono::steady_clock::now() + releaseWait;
    while (outputHandle_.isOpen() && !renderer_->collect() &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return {};
}

bool FluidSynthSynthesizer::render(float* left, float* right, std::size_t frames) {
    if (outputHandle_.isOpen()) {
        return false;
    }
    float* out[2] = {left, right};
    constexpr auto chunk = static_cast<std::size_t>(std::numeric_limits<int>::max() / 2);
    for (std::size_t at = 0; at < frames; at += chunk) {
        const int len = static_cast<int>(std::min(chunk, frames - at));
        out[0] = left + at;
        out[1] = right + at;
        renderer_->process(len, 0, nullptr, 2, out);
    }
    return true;
}

std::size_t FluidSynthSynthesizer::limiterLatencyFrames() const {
    return renderer_->limiter().latencyFrames();
}

std::uint64_t FluidSynthSynthesizer::droppedEvents() const {
    return renderer_->events().dropped();
}

std::string FluidSynthSynthesizer::describeOutput() const {
    if (!outputHandle_.isOpen()) {
        return {};
    }
    char line[160];
    std::snprintf(line, sizeof line, "synthesiser on %s, %d frames \u00d7 %d at %.0f Hz (%.1f ms)",
                  output_.driver.c_str(), output_.periodFrames, output_.periods, output_.sampleRate,
                  output_.bufferMilliseconds());
    return notOpened_.empty() ? line : line + (" (not opened: " + notOpened_ + ")");
}

SynthesizerOpener makeFluidSynthOpener(FluidSynthOptions options) {
    return [options = std::move(options)](std::string& failure) -> std::unique_ptr<Synthesizer> {
        return FluidSynthSynthesizer::open(options, failure);
    };
}

} // namespace tinkella
