#pragma once

#include "interfaces/AudioGraph.h"
#include "interfaces/AudioOutput.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tinkella {

struct FluidSynthOptions {
    // FluidSynth audio drivers to try, in order ("jack", "pulseaudio", "alsa", "sdl2"); drivers
    // this FluidSynth lacks are skipped, and "jack" is tried only when a JACK server already runs
    // (none is ever started). Empty: no output opens, unless offline.
    std::vector<std::string> drivers;
    // Outputs of our own ("pipewire", "jack"), tried where their name stands in drivers, before
    // a FluidSynth driver of the same name.
    std::vector<NamedAudioOutput> ownOutputs;
    // A sound font file. Empty: the file named by TINKELLA_SOUNDFONT when that is set, else
    // default-GM.sf2 in soundFontDirectory, else the other .sf2 files there by name.
    std::string soundFont;
    std::string soundFontDirectory = "/usr/share/sounds/sf2";
    // Empty: the default server (JACK_DEFAULT_SERVER, else "default").
    std::string jackServer;
    std::string jackClientName = "Tinkella Synth";
    // Hz; a JACK server's own rate wins.
    double sampleRate = 48000.0;
    // The synthesiser's master gain: one note at full velocity peaks near -12 dBFS.
    double gain = 0.7;
    // No audio device: the output node renders only when FluidSynthGraph::render() asks
    // (tests and benchmarks).
    bool offline = false;
    // One line on standard error naming the output and its buffer latency once started.
    bool announce = true;
};

// The built-in synthesiser's graph on FluidSynth: a General MIDI synthesiser, our peak limiter
// and a FluidSynth audio driver. Main thread only.
class FluidSynthAudioSystem : public AudioSystem {
public:
    explicit FluidSynthAudioSystem(FluidSynthOptions options) : options_(std::move(options)) {}
    OSStatus newGraph(std::unique_ptr<AudioGraph>& graph) override;

private:
    FluidSynthOptions options_;
};

std::unique_ptr<AudioSystem> makeFluidSynthAudioSystem(FluidSynthOptions options = {});

} // namespace tinkella
