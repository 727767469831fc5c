#include "adapters/fluidsynth/FluidSynthSynthesizer.h"

#include "adapters/fluidsynth/FluidSynthRenderer.h"
#include "adapters/fluidsynth/FluidSynthSoundFont.h"
#include "interfaces/MidiMessage.h"
#include "interfaces/StandardError.h"

#include <algorithm>
#include <chrono>
#include <cmath>
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

// "synthesiser on jack, 64 frames × 2 at 48000 Hz (2.7 ms)"
std::string describe(const AudioOutputInfo& output) {
    char line[160];
    std::snprintf(line, sizeof line, "synthesiser on %s, %d frames \u00d7 %d at %.0f Hz (%.1f ms)",
                  output.driver.c_str(), output.periodFrames, output.periods, output.sampleRate,
                  output.bufferMilliseconds());
    return line;
}

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
        // Last: from here on the main thread may call it.
        self->outputHandle_.whenFormatChanges(
            [alive = std::weak_ptr(self->self_)](const AudioOutputInfo& now) {
                if (const auto synth = alive.lock()) {
                    (*synth)->followOutput(now);
                }
            });
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
    renderer_ = std::make_unique<FluidSynthRenderer>(std::move(first));
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
    read({load, path, false, std::move(done)});
}

void FluidSynthSynthesizer::read(FontLoad load) {
    loading_ = true;
    struct Read {
        std::unique_ptr<FluidSynthInstance> synth;
        std::string error;
    };
    // The candidates are listed where the font is read: listing a directory touches the disk.
    auto read = [rate = output_.sampleRate, gain = options_.gain, path = load.path,
                 fallback = load.fallback, system = options_.soundFont,
                 directory = options_.soundFontDirectory] {
        auto result = std::make_shared<Read>();
        std::vector<std::string> candidates;
        if (!path.empty()) {
            candidates.push_back(path);
        }
        if (path.empty() || fallback) {
            const std::vector<std::string> systems = soundFontCandidates(system, directory);
            candidates.insert(candidates.end(), systems.begin(), systems.end());
        }
        result->synth = FluidSynthInstance::make(rate, gain, candidates, directory, result->error);
        return result;
    };
    if (!options_.toMainThread) {
        const std::shared_ptr<Read> result = read();
        finishLoad(std::move(load), std::move(result->synth), result->error);
        return;
    }
    worker_.run([this, read, load = std::move(load)] {
        const std::shared_ptr<Read> result = read();
        if (load.number != latestLoad_.load()) {
            return; // superseded: freed here
        }
        options_.toMainThread([self = std::weak_ptr(self_), load, result] {
            if (const auto alive = self.lock()) {
                (*alive)->finishLoad(load, std::move(result->synth), result->error);
            }
        });
    });
}

void FluidSynthSynthesizer::finishLoad(FontLoad load, std::unique_ptr<FluidSynthInstance> next,
                                       const std::string& error) {
    if (load.number != latestLoad_.load()) {
        discard(std::move(next));
        return;
    }
    if (next && next->sampleRate() != output_.sampleRate) {
        discard(std::move(next));
        read(std::move(load));
        return;
    }
    loading_ = false;
    if (!next) {
        load.done(error);
        followRate();
        return;
    }
    // Every channel keeps its program and controllers; what the old one sounded is cut.
    channels_.applyTo(next->synth());
    soundFontPath_ = next->soundFontPath();
    if (load.path.empty()) {
        systemSoundFontPath_ = soundFontPath_;
    }
    sampleRate_ = next->sampleRate();
    discard(renderer_->offer(std::move(next)));
    outputHandle_.wake();
    release();
    load.done({});
}

void FluidSynthSynthesizer::followOutput(const AudioOutputInfo& now) {
    output_.periodFrames = now.periodFrames;
    output_.sampleRate = now.sampleRate;
    PosixStandardErrorWriter().write(
        "Tinkella: the sound server changed its rate or period \u2014 " + describe(output_) + "\n");
    followRate();
}

void FluidSynthSynthesizer::followRate() {
    if (loading_ || sampleRate_ == output_.sampleRate) {
        return;
    }
    const std::string path = soundFontPath_ == systemSoundFontPath_ ? "" : soundFontPath_;
    // Should no font load now, the synthesiser plays on at its rate.
    read({++latestLoad_, path, true, [rate = std::lround(output_.sampleRate)](const auto& error) {
              if (!error.empty()) {
                  PosixStandardErrorWriter().write(
                      "Tinkella: the synthesiser could not follow its output to " +
                      std::to_string(rate) + " Hz (" + error + ")\n");
              }
          }});
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
    // The one the audio thread uses is its own; this one is made at the same rate.
    return PeakLimiter(sampleRate_).latencyFrames();
}

std::uint64_t FluidSynthSynthesizer::droppedEvents() const {
    return renderer_->droppedEvents();
}

std::string FluidSynthSynthesizer::describeOutput() const {
    if (!outputHandle_.isOpen()) {
        return {};
    }
    const std::string line = describe(output_);
    return notOpened_.empty() ? line : line + " (not opened: " + notOpened_ + ")";
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
