#include "adapters/fluidsynth/FluidSynthGraph.h"

#include "foundation/PeakLimiter.h"
#include "audio/SoundController.h"
#include "adapters/fluidsynth/FluidSynthAudioSystem.h"
#include "adapters/fluidsynth/FluidSynthRenderer.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <unistd.h>
#include <vector>

namespace tinkella {
namespace {

namespace fs = std::filesystem;

constexpr double rate = 48000.0;

FluidSynthOptions offlineOptions() {
    FluidSynthOptions options;
    options.offline = true;
    options.sampleRate = rate;
    options.announce = false;
    return options;
}

// A graph built the way the synthesiser controller builds it, started, with bank and program
// chosen as at start-up.
struct OfflineSynth {
    std::unique_ptr<AudioGraph> graph;
    MusicDevice* unit = nullptr;
    FluidSynthGraph& fluid() { return static_cast<FluidSynthGraph&>(*graph); }

    explicit OfflineSynth(FluidSynthOptions options = offlineOptions()) {
        FluidSynthAudioSystem system(std::move(options));
        SoundController::GraphResult made = SoundController::CreateAUGraph(system);
        EXPECT_EQ(made.status, 0) << made.failure;
        graph = std::move(made.graph);
        unit = made.unit;
        if (graph) {
            EXPECT_EQ(graph->initialize(), 0);
            unit->midiEvent(0xB0, 0, 0, 0);
            unit->midiEvent(0xC0, 0, 0, 0);
            EXPECT_EQ(graph->start(), 0);
        }
    }

    // Renders seconds of audio in 64-frame buffers, as a live device would ask for it.
    std::vector<float> render(double seconds, std::vector<float>* right = nullptr) {
        const auto frames = static_cast<std::size_t>(seconds * rate);
        std::vector<float> left(frames);
        std::vector<float> r(frames);
        for (std::size_t at = 0; at < frames; at += 64) {
            const std::size_t n = std::min<std::size_t>(64, frames - at);
            EXPECT_TRUE(fluid().render(left.data() + at, r.data() + at, n));
        }
        if (right != nullptr) {
            *right = r;
        }
        return left;
    }
};

float peakOf(const std::vector<float>& samples) {
    float peak = 0.0f;
    for (float s : samples) {
        peak = std::max(peak, std::fabs(s));
    }
    return peak;
}

double decibels(float amplitude) {
    return 20.0 * std::log10(amplitude);
}

// Power of one frequency in a Hann-windowed stretch (Goertzel).
double powerAt(const std::vector<float>& samples, std::size_t from, std::size_t count,
               double frequency) {
    const double w = 2.0 * std::numbers::pi * frequency / rate;
    const double coefficient = 2.0 * std::cos(w);
    double s1 = 0.0;
    double s2 = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) /
                                                 static_cast<double>(count - 1));
        const double s0 = hann * samples[from + i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - coefficient * s1 * s2;
}

class TempDir {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "tinkella-audio-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }
    fs::path write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
        return path_ / name;
    }

private:
    fs::path path_;
};

// Looks like a SoundFont 2 file from its first twelve bytes, but is not one.
std::string truncatedSoundFont() {
    std::string bytes = "RIFF";
    bytes += std::string("\x40\x00\x00\x00", 4);
    bytes += "sfbkLIST";
    bytes += std::string(40, '\x07');
    return bytes;
}

TEST(FluidSynthGraph, MiddleCSoundsAtItsPitch) {
    OfflineSynth synth;
    ASSERT_NE(synth.unit, nullptr);
    synth.unit->midiEvent(0x90, 60, 127, 0);
    std::vector<float> left = synth.render(1.0);
    // Scan around middle C, one second analysed from 0.1 s on: the strongest line is C4.
    double best = 0.0;
    double bestPower = 0.0;
    for (double f = 200.0; f <= 320.0; f += 0.25) {
        const double p = powerAt(left, 4800, 43200, f);
        if (p > bestPower) {
            bestPower = p;
            best = f;
        }
    }
    EXPECT_NEAR(best, 261.63, 2.0);
    EXPECT_GT(bestPower, 100.0 * powerAt(left, 4800, 43200, 246.94)); // B3
    EXPECT_GT(bestPower, 100.0 * powerAt(left, 4800, 43200, 277.18)); // C#4
}

TEST(FluidSynthGraph, OneNoteAtFullVelocityPeaksNearMinus12dBFS) {
    OfflineSynth synth;
    ASSERT_NE(synth.unit, nullptr);
    synth.unit->midiEvent(0x90, 60, 127, 0);
    std::vector<float> right;
    std::vector<float> left = synth.render(2.0, &right);
    const double level = decibels(std::max(peakOf(left), peakOf(right)));
    EXPECT_NEAR(level, -12.0, 3.0);
    std::cerr << "single note peak: " << level << " dBFS\n";
}

const std::uint32_t chord[10] = {36, 43, 48, 52, 55, 60, 64, 67, 72, 76};

TEST(FluidSynthGraph, TenNoteChordStaysUnderTheLimitersCeiling) {
    OfflineSynth synth;
    ASSERT_NE(synth.unit, nullptr);
    for (std::uint32_t note : chord) {
        synth.unit->midiEvent(0x90, note, 127, 0);
    }
    std::vector<float> right;
    std::vector<float> left = synth.render(3.0, &right);
    EXPECT_LE(std::max(peakOf(left), peakOf(right)), PeakLimiter::defaultCeiling);
    EXPECT_GT(decibels(peakOf(left)), -6.0) << "the chord is loud, not muted";
}

TEST(FluidSynthGraph, WithoutTheLimiterTheSameChordWouldGoOver) {
    FluidSynthOptions options = offlineOptions();
    options.gain *= 1.4; // a margin over the ceiling that does not hang on one sound font
    FluidSynthAudioSystem system(options);
    std::unique_ptr<AudioGraph> graph;
    ASSERT_EQ(system.newGraph(graph), 0);
    AUNode synthNode = 0;
    AUNode outputNode = 0;
    ASSERT_EQ(graph->addNode({fourCharCode("aumu"), fourCharCode("dls "), fourCharCode("appl")},
                             synthNode),
              0);
    ASSERT_EQ(graph->addNode({fourCharCode("auou"), fourCharCode("def "), fourCharCode("appl")},
                             outputNode),
              0);
    ASSERT_EQ(graph->open(), 0) << graph->lastError();
    ASSERT_EQ(graph->connectNodeInput(synthNode, 0, outputNode, 0), 0);
    MusicDevice* unit = nullptr;
    ASSERT_EQ(graph->nodeInfo(synthNode, unit), 0);
    ASSERT_EQ(graph->initialize(), 0);
    ASSERT_EQ(graph->start(), 0);
    for (std::uint32_t note : chord) {
        unit->midiEvent(0x90, note, 127, 0);
    }
    auto& fluid = static_cast<FluidSynthGraph&>(*graph);
    std::vector<float> left(48000);
    std::vector<float> right(48000);
    ASSERT_TRUE(fluid.render(left.data(), right.data(), left.size()));
    std::cerr << "chord without limiter: " << decibels(std::max(peakOf(left), peakOf(right)))
              << " dBFS\n";
    EXPECT_GT(std::max(peakOf(left), peakOf(right)), PeakLimiter::defaultCeiling);
}

TEST(FluidSynthGraph, SilentWhileIdleWithoutRunningTheSynthesiserAndWakesForANote) {
    OfflineSynth synth;
    ASSERT_NE(synth.unit, nullptr);
    const FluidSynthRenderer& renderer = *synth.fluid().renderer();
    synth.render(0.05); // applies the start-up events
    const std::uint64_t rendered = renderer.renderedBuffers();
    // What little the reverb leaves at start is far below hearing, then exact silence.
    EXPECT_LT(peakOf(synth.render(0.5)), 1e-5f);
    EXPECT_TRUE(renderer.isIdle());
    EXPECT_EQ(peakOf(synth.render(0.5)), 0.0f);
    EXPECT_LE(renderer.renderedBuffers() - rendered,
              1u + static_cast<std::uint64_t>(0.1 * rate / 64));

    synth.unit->midiEvent(0x90, 72, 127, 0);
    EXPECT_GT(peakOf(synth.render(0.2)), 0.01f);
    EXPECT_FALSE(renderer.isIdle());
    synth.unit->midiEvent(0x80, 72, 0, 0);
    synth.render(5.0); // release and reverb die away
    EXPECT_TRUE(renderer.isIdle());
    const std::uint64_t idleBefore = renderer.idleBuffers();
    EXPECT_EQ(peakOf(synth.render(1.0)), 0.0f);
    EXPECT_EQ(renderer.idleBuffers() - idleBefore, 750u);
}

TEST(FluidSynthGraph, EventsWaitUntilStartAndAFullQueueDropsInsteadOfBlocking) {
    FluidSynthAudioSystem system(offlineOptions());
    SoundController::GraphResult made = SoundController::CreateAUGraph(system);
    ASSERT_EQ(made.status, 0) << made.failure;
    auto& fluid = static_cast<FluidSynthGraph&>(*made.graph);
    std::vector<float> left(256);
    std::vector<float> right(256);
    EXPECT_FALSE(fluid.render(left.data(), right.data(), left.size())) << "not started";
    ASSERT_EQ(made.graph->initialize(), 0);
    int refused = 0;
    for (int i = 0; i < 3000; ++i) {
        refused += made.unit->midiEvent(i % 2 == 0 ? 0x90 : 0x80, 60, i % 2 == 0 ? 127 : 0, 0) != 0;
    }
    EXPECT_EQ(refused, 3000 - static_cast<int>(MidiEventRing::capacity));
    EXPECT_EQ(fluid.droppedEvents(), static_cast<std::uint64_t>(refused));
    ASSERT_EQ(made.graph->start(), 0);
    EXPECT_TRUE(fluid.render(left.data(), right.data(), left.size()));
    EXPECT_EQ(made.unit->midiEvent(0x90, 60, 127, 0), 0) << "room again once applied";
    EXPECT_NE(made.unit->midiEvent(0x90, 128, 127, 0), 0);
    EXPECT_NE(made.unit->midiEvent(0x40, 1, 1, 0), 0);
}

TEST(FluidSynthGraph, UnknownNodeDescriptionIsRefused) {
    FluidSynthGraph graph(offlineOptions());
    AUNode node = 0;
    EXPECT_NE(
        graph.addNode({fourCharCode("aumu"), fourCharCode("samp"), fourCharCode("appl")}, node), 0);
    EXPECT_FALSE(graph.lastError().empty());
    EXPECT_NE(graph.open(), 0) << "no synthesiser node";
}

TEST(FluidSynthGraph, MissingOrCorruptSoundFontFailsTheOpenWithItsPathAndNoCrash) {
    TempDir dir;
    const std::string broken = dir.write("broken.sf2", truncatedSoundFont()).string();
    const std::pair<std::string, std::string> fonts[] = {
        {"/nonexistent/tinkella/piano.sf2", "/nonexistent/tinkella/piano.sf2: no such file"},
        {broken, broken}};
    for (const auto& [font, reason] : fonts) {
        FluidSynthOptions options = offlineOptions();
        options.soundFont = font;
        FluidSynthAudioSystem system(options);
        SoundController::GraphResult made = SoundController::CreateAUGraph(system);
        EXPECT_NE(made.status, 0) << font;
        EXPECT_EQ(made.graph, nullptr) << font;
        EXPECT_EQ(made.unit, nullptr) << font;
        EXPECT_NE(made.failure.find("opening the audio graph failed"), std::string::npos)
            << made.failure;
        EXPECT_NE(made.failure.find(reason), std::string::npos) << made.failure;
    }
}

TEST(FluidSynthGraph, SoundFontFromTheEnvironmentIsTheOnlyOneTried) {
    TempDir dir;
    const fs::path garbage = dir.write("garbage.sf2", "this is not a sound font at all");
    setenv("TINKELLA_SOUNDFONT", garbage.c_str(), 1);
    FluidSynthGraph graph(offlineOptions());
    AUNode node = 0;
    ASSERT_EQ(
        graph.addNode({fourCharCode("aumu"), fourCharCode("dls "), fourCharCode("appl")}, node), 0);
    const OSStatus status = graph.open();
    unsetenv("TINKELLA_SOUNDFONT");
    EXPECT_NE(status, 0);
    EXPECT_EQ(graph.lastError(), "the sound font " + garbage.string() + ": not a SoundFont 2 file");
}

TEST(FluidSynthGraph, EmptySoundFontDirectoryIsNamed) {
    TempDir dir;
    FluidSynthOptions options = offlineOptions();
    options.soundFontDirectory = dir.path().string();
    FluidSynthAudioSystem system(options);
    SoundController::GraphResult made = SoundController::CreateAUGraph(system);
    EXPECT_EQ(made.status, -ENOENT);
    EXPECT_NE(made.failure.find("no General MIDI sound font found in " + dir.path().string()),
              std::string::npos)
        << made.failure;
}

TEST(FluidSynthGraph, UnusableDefaultFontFallsBackToAnotherInTheDirectory) {
    TempDir dir;
    dir.write("default-GM.sf2", truncatedSoundFont());
    fs::create_symlink("/usr/share/sounds/sf2/FluidR3_GM.sf2", dir.path() / "z-real.sf2");
    FluidSynthOptions options = offlineOptions();
    options.soundFontDirectory = dir.path().string();
    OfflineSynth synth(options);
    ASSERT_NE(synth.unit, nullptr);
    EXPECT_EQ(synth.fluid().soundFontPath(), (dir.path() / "z-real.sf2").string());
    synth.unit->midiEvent(0x90, 60, 127, 0);
    EXPECT_GT(peakOf(synth.render(0.3)), 0.01f);
}

TEST(FluidSynthGraph, NoUsableAudioOutputFailsTheOpenAndSaysWhatWasTried) {
    FluidSynthOptions options;
    options.announce = false;
    options.drivers = {"jack", "no-such-driver"};
    options.jackServer = "tinkella-no-such-server-" + std::to_string(getpid());
    ::testing::internal::CaptureStderr();
    SoundController sound(makeFluidSynthAudioSystem(options));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(sound.synthUnit(), nullptr);
    sound.playNote(60);
    sound.endNote(60);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("no audio output could be opened (tried jack (no server running))"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("MIDI output goes on"), std::string::npos) << err;
}

} // namespace
} // namespace tinkella
