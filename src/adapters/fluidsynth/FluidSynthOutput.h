#pragma once

#include "interfaces/AudioOutput.h"

#include <fluidsynth.h>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tinkella {

// A running JACK server, as seen by a short-lived probe client.
struct JackServerInfo {
    double sampleRate = 0.0;
    int bufferFrames = 0;
};

// Asks whether a JACK server of that name (empty: the default) runs, without starting one;
// also sets JACK_NO_START_SERVER so that no later client of the process starts one either.
// Quiet: libjack's complaints about a missing server do not reach standard error.
std::optional<JackServerInfo> probeJackServer(const std::string& serverName);

// The buffering an opened output runs with. JACK's period count is not visible to a client;
// two is assumed, as a JACK server runs by default.
struct AudioOutputInfo {
    std::string driver; // "jack", "pulseaudio", "alsa", "sdl2"; empty when offline
    int periodFrames = 0;
    int periods = 0;
    double sampleRate = 0.0;

    double bufferMilliseconds() const {
        return sampleRate > 0.0 ? 1000.0 * periodFrames * periods / sampleRate : 0.0;
    }
};

struct FluidDriverDeleter {
    void operator()(fluid_audio_driver_t* driver) const { delete_fluid_audio_driver(driver); }
};
using FluidDriverPtr = std::unique_ptr<fluid_audio_driver_t, FluidDriverDeleter>;

// What plays the renderer: one of FluidSynth's drivers or one of our own outputs (at most one
// of the two). Destroying it stops the rendering.
struct RunningOutput {
    FluidDriverPtr driver;
    std::unique_ptr<AudioOutputStream> own;
    explicit operator bool() const { return driver || own; }
};

struct OpenedOutput {
    RunningOutput output; // empty when nothing opened
    AudioOutputInfo info;
    std::string error; // when nothing opened: which drivers were tried
};

struct OutputRequest {
    std::vector<std::string> drivers;
    // Set when a JACK server was found beforehand; "jack" is skipped without one.
    std::optional<JackServerInfo> jack;
    std::string jackServer;
    std::string jackClientName;
    double sampleRate = 48000.0;
};

// Opens the first of our own outputs, tried in the order of drivers, that works; empty output
// when none does (their reasons are left to the FluidSynth drivers' report). May block.
OpenedOutput openOwnOutput(const std::vector<std::string>& drivers,
                           const std::map<std::string, AudioOutputOpener>& openers);

// Opens the first driver of the request that works, with buffers sized for a live instrument,
// its callback rendering through func(data). settings must already hold the synthesiser's
// sample rate. Main thread.
OpenedOutput openAudioOutput(fluid_settings_t* settings, const OutputRequest& request,
                             fluid_audio_func_t func, void* data);

} // namespace tinkella
