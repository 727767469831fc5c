#pragma once

#include "adapters/fluidsynth/FluidSynthAudioSystem.h"
#include "adapters/fluidsynth/FluidSynthOutput.h"
#include "interfaces/AudioGraph.h"

#include <cstddef>
#include <cstdint>
#include <fluidsynth.h>
#include <memory>
#include <string>
#include <vector>

namespace tinkella {

class FluidSynthRenderer;
class FluidSynthMusicDevice;

// The synthesiser graph on FluidSynth. Its nodes are recognised by their descriptions:
// the DLS music device becomes a FluidSynth synthesiser with a General MIDI sound font, the
// peak limiter our PeakLimiter, the default output a FluidSynth audio driver or an output of our
// own. open() builds them all (loads the font, opens the device, whose buffers are silent until
// start()); initialize() checks the wiring; start() lets the events queued so far through and sound
// begin. Main thread only; the audio thread alone touches the synthesiser.
class FluidSynthGraph : public AudioGraph {
public:
    explicit FluidSynthGraph(FluidSynthOptions options);
    ~FluidSynthGraph() override;
    FluidSynthGraph(const FluidSynthGraph&) = delete;
    FluidSynthGraph& operator=(const FluidSynthGraph&) = delete;

    OSStatus addNode(const AudioComponentDescription& description, AUNode& node) override;
    OSStatus open() override;
    OSStatus connectNodeInput(AUNode sourceNode, std::uint32_t sourceOutput, AUNode destNode,
                              std::uint32_t destInput) override;
    OSStatus nodeInfo(AUNode node, MusicDevice*& unit) override;
    OSStatus initialize() override;
    OSStatus start() override;
    std::string lastError() const override { return lastError_; }
    // Loads the new font with the synthesiser handed over by the audio thread, which plays
    // silence meanwhile; what sounds is cut. Empty path: the font open() loaded.
    std::string replaceSoundFont(const std::string& path) override;

    // Offline graphs only: renders frames of planar stereo through synthesiser and limiter on
    // the calling thread, which then counts as the audio thread. False when the graph has a
    // device or has not started.
    bool render(float* left, float* right, std::size_t frames);

    // After open(): the output's buffering (empty driver when offline) and the sound font.
    const AudioOutputInfo& output() const { return output_; }
    const std::string& soundFontPath() const { return soundFontPath_; }
    double sampleRate() const { return sampleRate_; }
    // Frames from a note event to its sound leaving the graph, beyond the device's buffers.
    std::size_t limiterLatencyFrames() const;
    // Events dropped because the audio thread fell behind.
    std::uint64_t droppedEvents() const;
    // After start(): the renderer, for its counters.
    const FluidSynthRenderer* renderer() const { return renderer_.get(); }
    // "Tinkella: synthesiser on jack, 64 frames × 2 at 48000 Hz (2.7 ms)".
    std::string startupLine() const;

private:
    enum class NodeKind { Synth, Limiter, Output };
    struct Node {
        NodeKind kind;
        AUNode id;
    };
    struct SettingsDeleter {
        void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
    };
    struct SynthDeleter {
        void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
    };

    const Node* find(AUNode id) const;
    bool has(NodeKind kind) const;
    OSStatus fail(OSStatus status, std::string why);
    // The synthesiser, its sound font, renderer and music device at sampleRate (Hz), once: as
    // soon as the output's rate is known.
    OSStatus makeSynth(double sampleRate);

    FluidSynthOptions options_;
    std::vector<Node> nodes_;
    bool synthToLimiter_ = false;
    bool limiterToOutput_ = false;
    bool synthToOutput_ = false;
    enum class Stage { Building, Open, Initialized, Started } stage_ = Stage::Building;
    std::string lastError_;
    double sampleRate_ = 0.0;
    std::string soundFontPath_;
    std::string openedSoundFontPath_;
    int soundFontId_ = -1;
    AudioOutputInfo output_;

    // Outputs of our own that failed before the one that opened ("pipewire: ...").
    std::string notOpened_;

    // Declared so that the output stops first, then the renderer goes, then the synthesiser.
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings_;
    std::unique_ptr<fluid_synth_t, SynthDeleter> synth_;
    std::unique_ptr<FluidSynthRenderer> renderer_;
    std::unique_ptr<FluidSynthMusicDevice> device_;
    OutputHandle outputHandle_;
};

} // namespace tinkella
