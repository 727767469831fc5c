#pragma once

#include "interfaces/AudioOutput.h"

#include <fluidsynth.h>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tinkella {

// A running JACK server, as seen by a short-lived probe client.
struct JackServerInfo {
    double sampleRate = 0.0;
    int bufferFrames = 0;
};

// Asks whether a JACK server of that name (empty: the default) runs, without starting one;
// also sets JACK_NO_START_SERVER so that no later client of the process starts one either.
// Quiet: libjack's complaints (a missing server) stay off standard error, then and later.
std::optional<JackServerInfo> probeJackServer(const std::string& serverName);

struct FluidDriverDeleter {
    void operator()(fluid_audio_driver_t* driver) const { delete_fluid_audio_driver(driver); }
};
using FluidDriverPtr = std::unique_ptr<fluid_audio_driver_t, FluidDriverDeleter>;

// An opened output: one of FluidSynth's drivers or one of our own. Destroying it stops its audio
// thread. Main thread.
class OutputHandle {
public:
    OutputHandle() = default;
    explicit OutputHandle(FluidDriverPtr driver) : driver_(std::move(driver)) {}
    explicit OutputHandle(std::unique_ptr<AudioOutput> own) : own_(std::move(own)) {}

    bool isOpen() const { return driver_ != nullptr || own_ != nullptr; }
    // An event is about to be queued for the renderer.
    void wake() {
        if (own_) {
            own_->wake();
        }
    }
    // See AudioOutput::whenFormatChanges(); FluidSynth's drivers keep their rate.
    void whenFormatChanges(std::function<void(const AudioOutputInfo&)> changed) {
        if (own_) {
            own_->whenFormatChanges(std::move(changed));
        }
    }

private:
    FluidDriverPtr driver_;
    std::unique_ptr<AudioOutput> own_;
};

struct OpenedOutput {
    OutputHandle output; // not open when nothing opened
    AudioOutputInfo info;
    std::string error; // when nothing opened: which drivers were tried
    // When something opened after outputs of our own failed: "pipewire: no PipeWire daemon".
    std::string notOpened;
};

struct OutputRequest {
    std::vector<std::string> drivers;
    std::string jackServer;
    std::string jackClientName;
    double sampleRate = 48000.0;
    // Outputs of our own, tried where their name appears in drivers, before FluidSynth's driver
    // of that name.
    std::vector<NamedAudioOutput> ownOutputs;
};

// Makes the synthesiser at sampleRate (Hz) on its first call and returns its renderer; later
// calls return that renderer whatever rate they name. Null when the synthesiser cannot be made.
using RendererAt = std::function<AudioRenderer*(double sampleRate)>;

// The one place outputs are tried: opens the first of the request's drivers that works, in their
// order, with buffers sized for a live instrument. An output of our own opens first, so the
// synthesiser is made at the rate it reports; FluidSynth's "jack" makes it at the server's rate,
// the other drivers at request.sampleRate. A FluidSynth driver calls func(renderer), an output
// of our own renderer.render(). When outputs of our own failed before the one that opened,
// notOpened says why; when rendererAt fails, nothing is open and error is empty. The opener's
// thread, whichever; it may block.
OpenedOutput openAudioOutput(fluid_settings_t* settings, const OutputRequest& request,
                             fluid_audio_func_t func, const RendererAt& rendererAt);
OpenedOutput openAudioOutput(fluid_settings_t* settings, const OutputRequest& request,
                             fluid_audio_func_t func, AudioRenderer& renderer);

} // namespace tinkella
