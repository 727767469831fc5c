#include "adapters/fluidsynth/FluidSynthSynthesizer.h"

#include "adapters/fluidsynth/FluidSynthRenderer.h"
#include "adapters/fluidsynth/FluidSynthSoundFont.h"
#include "interfaces/MidiMessage.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace tinkella {

namespace {

using ump::channelPressureStatus;
using ump::controlChangeStatus;
using ump::noteOffStatus;
using ump::noteOnStatus;
using ump::pitchBendStatus;
using ump::programChangeStatus;
// How long a new sound font waits for the audio thread to let the old synthesiser go, so that
// its memory is freed at once; later, the next sound font (or, without the worker, the next
// message) collects it.
constexpr auto releaseWait = std::chrono::milliseconds(250);

} // namespace

FluidSynthSynthesizer::FluidSynthSynthesizer(FluidSynthOptions options)
    : options_(std::move(options)), self_(std::make_shared<FluidSynthSynthesizer*>(this)) {}

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
    std::unique_ptr<FluidSynthInstance> first;
    if (!options_.chosenSoundFont.empty()) {
        first = FluidSynthInstance::make(sampleRate, options_.gain, {options_.chosenSoundFont},
                                         options_.soundFontDirectory, chosenFailure_);
    }
    if (!first) {
        first = FluidSynthInstance::make(
            sampleRate, options_.gain,
            soundFontCandidates(options_.soundFont, options_.soundFontDirectory),
            options_.soundFontDirectory, failure);
        if (!first) {
            return nullptr;
        }
        systemSoundFontPath_ = first->soundFontPath();
    }
    sampleRate_ = sampleRate;
    soundFontPath_ = first->soundFontPath();
    renderer_ = std::make_unique<FluidSynthRenderer>(std::move(first), sampleRate);
    return renderer_.get();
}

void FluidSynthSynthesizer::send(std::uint8_t channel, std::uint8_t kind, std::uint8_t data1,
                                 std::uint8_t data2) {
    data1 &= 0x7F;
    data2 &= 0x7F;
    const auto status = static_cast<std::uint8_t>(kind | (channel & 0x0F));
    if (channel >= channelCount || !channels_.note(channel, status, data1, data2)) {
        return;
    }
    if (!options_.toMainThread) {
        renderer_->collect();
    }
    // The output hears of the event first, so that one gone quiet to save power asks again.
    outputHandle_.wake();
    renderer_->events(channel / 16).push({status, data1, data2});
}

void FluidSynthSynthesizer::noteOn(std::uint8_t channel, std::uint8_t note, std::uint8_t velocity) {
    send(channel, noteOnStatus, note, velocity);
}

void FluidSynthSynthesizer::noteOff(std::uint8_t channel, std::uint8_t note) {
    send(channel, noteOffStatus, note, 0);
}

void FluidSynthSynthesizer::controlChange(std::uint8_t channel, std::uint8_t controller,
                                          std::uint8_t value) {
    send(channel, controlChangeStatus, controller, value);
}

void FluidSynthSynthesizer::programChange(std::uint8_t channel, std::uint8_t program) {
    send(channel, programChangeStatus, program, 0);
}

void FluidSynthSynthesizer::pitchBend(std::uint8_t channel, std::uint16_t value) {
    send(channel, pitchBendStatus, value & 0x7F, (value >> 7) & 0x7F);
}

void FluidSynthSynthesizer::channelPressure(std::uint8_t channel, std::uint8_t value) {
    send(channel, channelPressureStatus, value, 0);
}

void FluidSynthSynthesizer::loadSoundFont(const std::string& path,
                                          std::function<void(const std::string&)> done) {
    const std::uint64_t load = ++latestLoad_;
    if (const std::string failure = std::exchange(chosenFailure_, {});
        !failure.empty() && path == options_.chosenSoundFont) {
        done(failure);
        return;
    }
    const std::string& wanted = path.empty() ? systemSoundFontPath_ : path;
    if (!wanted.empty() && wanted == soundFontPath_) {
        done({});
        return;
    }
    struct Read {
        std::unique_ptr<FluidSynthInstance> synth;
        std::string error;
    };
    auto read = [rate = sampleRate_, gain = options_.gain, path, system = options_.soundFont,
                 directory = options_.soundFontDirectory] {
        auto result = std::make_shared<Read>();
        result->synth = FluidSynthInstance::make(
            rate, gain, path.empty() ? soundFontCandidates(system, directory) : std::vector{path},
            directory, result->error);
        return result;
    };
    if (!options_.toMainThread) {
        const std::shared_ptr<Read> result = read();
        finishLoad(load, std::move(result->synth), result->error, path.empty(), done);
        return;
    }
    worker_.run([this, load, read, systemFont = path.empty(), done = std::move(done)] {
        const std::shared_ptr<Read> result = read();
        if (load != latestLoad_.load()) {
            return; // superseded: freed here
        }
        options_.toMainThread([self = std::weak_ptr(self_), load, result, systemFont, done] {
            if (const auto alive = self.lock()) {
                (*alive)->finishLoad(load, std::move(result->synth), result->error, systemFont,
                                     done);
            }
        });
    });
}

void FluidSynthSynthesizer::finishLoad(std::uint64_t load, std::unique_ptr<FluidSynthInstance> next,
                                       const std::string& error, bool systemFont,
                                       const std::function<void(const std::string&)>& done) {
    if (load != latestLoad_.load()) {
        discard(std::move(next));
        return;
    }
    if (!next) {
        done(error);
        return;
    }
    // Every channel keeps its program and controllers; what the old one sounded is cut.
    channels_.applyTo(next->synth());
    soundFontPath_ = next->soundFontPath();
    if (systemFont) {
        systemSoundFontPath_ = soundFontPath_;
    }
    discard(renderer_->offer(std::move(next)));
    outputHandle_.wake();
    release();
    done({});
}

void FluidSynthSynthesizer::discard(std::unique_ptr<FluidSynthInstance> doomed) {
    if (doomed && options_.toMainThread) {
        worker_.run([doomed = std::shared_ptr<FluidSynthInstance>(std::move(doomed))] {});
    }
}

void FluidSynthSynthesizer::release() {
    if (!outputHandle_.isOpen()) {
        // Offline the caller renders: what it let go of for the previous font goes now.
        renderer_->collect();
        return;
    }
    const auto await = [renderer = renderer_.get(),
                        deadline = std::chrono::steady_clock::now() + releaseWait] {
        for (;;) {
            // Taken first: what is collected after that is what the taking let go of.
            const bool taken = !renderer->hasOffer();
            if ((renderer->collect() && taken) || std::chrono::steady_clock::now() >= deadline) {
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    };
    if (options_.toMainThread) {
        worker_.run(await);
    } else {
        await();
    }
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
    return renderer_->droppedEvents();
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

double FluidSynthSynthesizer::periodMilliseconds() const {
    return outputHandle_.isOpen() && output_.sampleRate > 0
               ? 1000.0 * output_.periodFrames / output_.sampleRate
               : 0.0;
}

SynthesizerOpener makeFluidSynthOpener(FluidSynthOptions options) {
    return [options = std::move(options)](std::string& failure) -> std::unique_ptr<Synthesizer> {
        return FluidSynthSynthesizer::open(options, failure);
    };
}

} // namespace tinkella
