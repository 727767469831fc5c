#include "adapters/fluidsynth/FluidSynthGraph.h"

#include "adapters/fluidsynth/FluidSynthRenderer.h"
#include "adapters/fluidsynth/FluidSynthSoundFont.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <limits>

namespace tinkella {

namespace {

bool matches(const AudioComponentDescription& d, const char (&type)[5], const char (&subType)[5]) {
    return d.componentType == fourCharCode(type) && d.componentSubType == fourCharCode(subType) &&
           d.componentManufacturer == fourCharCode("appl");
}

} // namespace

// The synthesiser node's music device: hands each event to the audio thread through the
// renderer's ring; a program change goes through the renderer's hand-over instead. The output
// hears of each event first, so that a sleeping one wakes for it. Main thread.
class FluidSynthMusicDevice : public MusicDevice {
public:
    FluidSynthMusicDevice(FluidSynthRenderer& renderer, OutputHandle& output)
        : renderer_(renderer), output_(output) {}

    OSStatus midiEvent(std::uint32_t status, std::uint32_t data1, std::uint32_t data2,
                       std::uint32_t) override {
        if (status < 0x80 || status > 0xEF || data1 > 127 || data2 > 127) {
            return -EINVAL;
        }
        const MidiEventRing::Event event{static_cast<std::uint8_t>(status),
                                         static_cast<std::uint8_t>(data1),
                                         static_cast<std::uint8_t>(data2)};
        output_.wake();
        const bool accepted = (status & 0xF0) == 0xC0 ? renderer_.changeProgram(event)
                                                      : renderer_.events().push(event);
        return accepted ? 0 : -ENOBUFS;
    }

private:
    FluidSynthRenderer& renderer_;
    OutputHandle& output_;
};

FluidSynthGraph::FluidSynthGraph(FluidSynthOptions options) : options_(std::move(options)) {}

FluidSynthGraph::~FluidSynthGraph() = default;

OSStatus FluidSynthGraph::fail(OSStatus status, std::string why) {
    lastError_ = std::move(why);
    return status;
}

const FluidSynthGraph::Node* FluidSynthGraph::find(AUNode id) const {
    auto it =
        std::find_if(nodes_.begin(), nodes_.end(), [id](const Node& n) { return n.id == id; });
    return it == nodes_.end() ? nullptr : &*it;
}

bool FluidSynthGraph::has(NodeKind kind) const {
    return std::any_of(nodes_.begin(), nodes_.end(),
                       [kind](const Node& n) { return n.kind == kind; });
}

OSStatus FluidSynthGraph::addNode(const AudioComponentDescription& description, AUNode& node) {
    NodeKind kind;
    if (matches(description, "aumu", "dls ")) {
        kind = NodeKind::Synth;
    } else if (matches(description, "aufx", "lmtr")) {
        kind = NodeKind::Limiter;
    } else if (matches(description, "auou", "def ")) {
        kind = NodeKind::Output;
    } else {
        return fail(-ENOENT, "no audio component matches the node's description");
    }
    if (stage_ != Stage::Building) {
        return fail(-EPERM, "nodes can only be added before the graph is opened");
    }
    if (has(kind)) {
        return fail(-EEXIST, "the graph already has a node of that kind");
    }
    node = static_cast<AUNode>(nodes_.size() + 1);
    nodes_.push_back({kind, node});
    return 0;
}

OSStatus FluidSynthGraph::open() {
    if (stage_ != Stage::Building) {
        return fail(-EPERM, "the audio graph is already open");
    }
    if (!has(NodeKind::Synth)) {
        return fail(-ENOENT, "the audio graph has no synthesiser");
    }
    captureFluidSynthLog();
    settings_.reset(new_fluid_settings());
    if (!settings_) {
        return fail(-ENOMEM, "the synthesiser's settings could not be created");
    }
    const bool withDevice = has(NodeKind::Output) && !options_.offline;
    OSStatus made = 0;
    OpenedOutput opened;
    if (withDevice) {
        OutputRequest request{options_.drivers, options_.jackServer, options_.jackClientName,
                              options_.sampleRate, options_.ownOutputs};
        opened = openAudioOutput(settings_.get(), request, &FluidSynthRenderer::callback,
                                 [this, &made](double sampleRate) -> AudioRenderer* {
                                     made = makeSynth(sampleRate);
                                     return renderer_.get();
                                 });
    }
    // Made even when no output opened, so that a sound font it cannot use is named first.
    if (made == 0 && !renderer_) {
        made = makeSynth(options_.sampleRate);
    }
    if (made != 0) {
        return made;
    }
    output_ = AudioOutputInfo{{}, 0, 0, sampleRate_};
    if (withDevice) {
        if (!opened.output.isOpen()) {
            return fail(-ENODEV, opened.error);
        }
        outputHandle_ = std::move(opened.output);
        output_ = opened.info;
        notOpened_ = opened.notOpened;
        renderer_->setAudioThreadRuns(true);
    }
    stage_ = Stage::Open;
    return 0;
}

OSStatus FluidSynthGraph::makeSynth(double sampleRate) {
    if (renderer_) {
        return 0;
    }
    sampleRate_ = sampleRate;
    fluid_settings_setnum(settings_.get(), "synth.sample-rate", sampleRate_);
    fluid_settings_setnum(settings_.get(), "synth.gain", options_.gain);
    // Samples are read when an instrument is first chosen, not all 140 MB at start.
    fluid_settings_setint(settings_.get(), "synth.dynamic-sample-loading", 1);
    // The audio thread alone touches the synthesiser.
    fluid_settings_setint(settings_.get(), "synth.threadsafe-api", 0);
    clearFluidSynthError();
    synth_.reset(new_fluid_synth(settings_.get()));
    if (!synth_) {
        return fail(-ENOMEM, "the synthesiser could not be created: " + lastFluidSynthError());
    }

    const std::vector<std::string> candidates =
        soundFontCandidates(options_.soundFont, options_.soundFontDirectory);
    SoundFontLoad font = loadSoundFont(synth_.get(), candidates, options_.soundFontDirectory);
    if (font.fontId < 0) {
        return fail(candidates.empty() ? -ENOENT : -EINVAL, font.error);
    }
    soundFontPath_ = font.path;
    openedSoundFontPath_ = font.path;
    soundFontId_ = font.fontId;

    renderer_ = std::make_unique<FluidSynthRenderer>(synth_.get(), sampleRate_);
    device_ = std::make_unique<FluidSynthMusicDevice>(*renderer_, outputHandle_);
    return 0;
}

OSStatus FluidSynthGraph::connectNodeInput(AUNode sourceNode, std::uint32_t sourceOutput,
                                           AUNode destNode, std::uint32_t destInput) {
    const Node* source = find(sourceNode);
    const Node* dest = find(destNode);
    if (source == nullptr || dest == nullptr || sourceOutput != 0 || destInput != 0) {
        return fail(-EINVAL, "no such node or bus to connect");
    }
    if (stage_ == Stage::Initialized || stage_ == Stage::Started) {
        return fail(-EPERM, "the audio graph cannot be rewired once initialised");
    }
    if (source->kind == NodeKind::Synth && dest->kind == NodeKind::Limiter) {
        synthToLimiter_ = true;
    } else if (source->kind == NodeKind::Limiter && dest->kind == NodeKind::Output) {
        limiterToOutput_ = true;
    } else if (source->kind == NodeKind::Synth && dest->kind == NodeKind::Output) {
        synthToOutput_ = true;
    } else {
        return fail(-EINVAL, "those nodes cannot be connected that way");
    }
    return 0;
}

OSStatus FluidSynthGraph::nodeInfo(AUNode node, MusicDevice*& unit) {
    unit = nullptr;
    const Node* found = find(node);
    if (found == nullptr || found->kind != NodeKind::Synth) {
        return fail(-EINVAL, "only the synthesiser node is a music device");
    }
    if (!device_) {
        return fail(-EPERM, "the audio graph is not open");
    }
    unit = device_.get();
    return 0;
}

OSStatus FluidSynthGraph::initialize() {
    if (stage_ != Stage::Open) {
        return fail(-EPERM, stage_ == Stage::Building ? "the audio graph is not open"
                                                      : "the audio graph is already initialised");
    }
    const bool throughLimiter = synthToLimiter_ && limiterToOutput_;
    if (has(NodeKind::Output) && !throughLimiter && !synthToOutput_) {
        return fail(-EINVAL, "the synthesiser is not connected to the output");
    }
    renderer_->setLimiterInPath(has(NodeKind::Output) ? throughLimiter : synthToLimiter_);
    stage_ = Stage::Initialized;
    return 0;
}

OSStatus FluidSynthGraph::start() {
    if (stage_ != Stage::Initialized) {
        return fail(-EPERM, stage_ == Stage::Started ? "the audio graph is already running"
                                                     : "the audio graph is not initialised");
    }
    renderer_->begin();
    stage_ = Stage::Started;
    if (outputHandle_.isOpen() && options_.announce) {
        const std::string line = startupLine() + "\n";
        std::fputs(line.c_str(), stderr);
    }
    return 0;
}

std::string FluidSynthGraph::replaceSoundFont(const std::string& path) {
    if (!renderer_) {
        return "the synthesiser is not open";
    }
    const std::string wanted = path.empty() ? openedSoundFontPath_ : path;
    if (wanted == soundFontPath_) {
        return {};
    }
    if (!renderer_->takeOver()) {
        return "the audio output did not hand the synthesiser over in time; the sound font " +
               wanted + " was not loaded";
    }
    const SoundFontLoad font = loadSoundFont(synth_.get(), {wanted}, options_.soundFontDirectory);
    if (font.fontId >= 0) {
        // The old font's voices go first, so that it is freed at once rather than later by
        // FluidSynth's own timer.
        fluid_synth_all_sounds_off(synth_.get(), -1);
        fluid_synth_sfunload(synth_.get(), soundFontId_, 1);
        soundFontId_ = font.fontId;
        soundFontPath_ = font.path;
    }
    renderer_->giveBack();
    return font.error;
}

bool FluidSynthGraph::render(float* left, float* right, std::size_t frames) {
    if (outputHandle_.isOpen() || stage_ != Stage::Started) {
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

std::size_t FluidSynthGraph::limiterLatencyFrames() const {
    return renderer_ ? renderer_->limiter().latencyFrames() : 0;
}

std::uint64_t FluidSynthGraph::droppedEvents() const {
    return renderer_ ? renderer_->events().dropped() : 0;
}

std::string FluidSynthGraph::startupLine() const {
    char line[160];
    std::snprintf(
        line, sizeof line, "Tinkella: synthesiser on %s, %d frames \u00d7 %d at %.0f Hz (%.1f ms)",
        output_.driver.empty() ? "no device" : output_.driver.c_str(), output_.periodFrames,
        output_.periods, output_.sampleRate, output_.bufferMilliseconds());
    return notOpened_.empty() ? line : line + (" (not opened: " + notOpened_ + ")");
}

} // namespace tinkella
