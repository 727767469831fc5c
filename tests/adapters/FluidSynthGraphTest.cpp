// The FluidSynth graph rendered offline: loudness and the limiter, the idle renderer, the event
// queue before start and when full, the sound fonts and audio outputs it cannot use, and outputs
// of our own.
#include "adapters/fluidsynth/FluidSynthGraph.h"

#include "adapters/fluidsynth/FluidSynthAudioSystem.h"
#include "adapters/fluidsynth/FluidSynthRenderer.h"
#include "audio/SoundController.h"
#include "foundation/PeakLimiter.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tinkella {
namespace {

namespace fs = std::filesystem;

FluidSynthOptions offline(std::string soundFont = {}, std::string directory = {}) {
    FluidSynthOptions options;
    options.offline = true;
    options.sampleRate = 48000.0;
    options.announce = false;
    if (!soundFont.empty()) {
        options.soundFont = soundFont;
    }
    if (!directory.empty()) {
        options.soundFontDirectory = directory;
    }
    return options;
}

// A graph built as the synthesiser controller builds it, with bank and program chosen.
struct OfflineSynth {
    SoundController::GraphResult made;
    explicit OfflineSynth(FluidSynthOptions options = offline(), bool start = true) {
        FluidSynthAudioSystem system(std::move(options));
        made = SoundController::CreateAUGraph(system);
        if (made.graph && start) {
            EXPECT_EQ(made.graph->initialize(), 0);
            made.unit->midiEvent(0xC0, 0, 0, 0);
            EXPECT_EQ(made.graph->start(), 0);
        }
    }
    FluidSynthGraph& fluid() { return static_cast<FluidSynthGraph&>(*made.graph); }
    // The peak of seconds of audio rendered in 64-frame buffers, as a live device asks for it.
    float peak(double seconds) {
        float left[64], right[64], peak = 0.0f;
        for (int at = 0; at < static_cast<int>(seconds * 750); ++at) {
            EXPECT_TRUE(fluid().render(left, right, 64));
            for (int i = 0; i < 64; ++i) {
                peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
            }
        }
        return peak;
    }
};

TEST(FluidSynthGraph, ANoteIsNearMinus12dBFSAndATenNoteChordStaysUnderTheCeiling) {
    OfflineSynth one, ten;
    ASSERT_NE(one.made.unit, nullptr) << one.made.failure;
    one.made.unit->midiEvent(0x90, 60, 127, 0);
    EXPECT_NEAR(20.0 * std::log10(one.peak(2.0)), -12.0, 3.0);
    for (std::uint32_t note : {36, 43, 48, 52, 55, 60, 64, 67, 72, 76}) {
        ten.made.unit->midiEvent(0x90, note, 127, 0);
    }
    const float peak = ten.peak(3.0);
    EXPECT_LE(peak, PeakLimiter::defaultCeiling);
    EXPECT_GT(20.0 * std::log10(peak), -6.0) << "the chord is loud, not muted";
}

TEST(FluidSynthGraph, EventsWaitUntilStartAndAFullQueueDropsInsteadOfBlocking) {
    OfflineSynth synth(offline(), false);
    float left[256], right[256];
    EXPECT_FALSE(synth.fluid().render(left, right, 256)) << "not started";
    ASSERT_EQ(synth.made.graph->initialize(), 0);
    int refused = 0;
    for (int i = 0; i < 3000; ++i) {
        refused += synth.made.unit->midiEvent(0x90, 60, 100, 0) != 0;
    }
    EXPECT_EQ(refused, 3000 - static_cast<int>(MidiEventRing::capacity));
    EXPECT_EQ(synth.fluid().droppedEvents(), static_cast<std::uint64_t>(refused));
    EXPECT_EQ(synth.made.unit->midiEvent(0x80, 60, 0, 0), 0) << "a note-off is kept";
    ASSERT_EQ(synth.made.graph->start(), 0);
    EXPECT_TRUE(synth.fluid().render(left, right, 256));
    EXPECT_EQ(synth.made.unit->midiEvent(0x90, 60, 127, 0), 0) << "room again once applied";
}

// A named font is the only one tried and a broken one names itself, while unusable fonts in the
// directory (the default among them) give way to another font there.
TEST(FluidSynthGraph, SoundFontsThatCannotBeUsed) {
    const fs::path dir = fs::temp_directory_path() / ("tinkella-sf-" + std::to_string(getpid()));
    fs::create_directories(dir / "empty");
    const std::string broken = (dir / "default-GM.sf2").string();
    std::ofstream(broken, std::ios::binary)
        << "RIFF" << std::string("\x40\0\0\0", 4) << "sfbkLIST" << std::string(40, '\x07');
    const std::string garbage = (dir / "garbage.sf2").string();
    std::ofstream(garbage) << "this is not a sound font at all";
    const struct {
        FluidSynthOptions options;
        std::string failure; // empty: opens
    } cases[] = {
        {offline(broken), broken},
        {offline({}, (dir / "empty").string()),
         "no General MIDI sound font found in " + (dir / "empty").string()},
        {offline({}, dir.string()), ""},
    };
    fs::create_symlink("/usr/share/sounds/sf2/FluidR3_GM.sf2", dir / "z-real.sf2");
    for (const auto& c : cases) {
        OfflineSynth synth(c.options);
        EXPECT_NE(synth.made.failure.find(c.failure), std::string::npos) << synth.made.failure;
        EXPECT_EQ(synth.made.graph == nullptr, !c.failure.empty()) << c.failure;
        if (c.failure.empty()) {
            EXPECT_EQ(synth.fluid().soundFontPath(), (dir / "z-real.sf2").string());
        }
    }
    // Replacing the font: one that cannot be used leaves the one in use and names itself, a good
    // one takes over and sounds, and an empty path goes back to the font the graph opened with.
    EXPECT_EQ(FluidSynthGraph(offline()).replaceSoundFont(broken), "the synthesiser is not open");
    OfflineSynth synth(offline({}, dir.string()));
    const std::string opened = synth.fluid().soundFontPath(),
                      other = "/usr/share/sounds/sf2/default-GM.sf2";
    EXPECT_NE(synth.fluid().replaceSoundFont(garbage).find(garbage), std::string::npos);
    EXPECT_EQ(synth.fluid().soundFontPath(), opened);
    EXPECT_EQ(synth.fluid().replaceSoundFont(other), "");
    EXPECT_EQ(synth.fluid().soundFontPath(), other);
    synth.made.unit->midiEvent(0x90, 60, 127, 0);
    EXPECT_GT(synth.peak(0.5), 0.05f);
    EXPECT_EQ(synth.fluid().replaceSoundFont(""), "");
    EXPECT_EQ(synth.fluid().soundFontPath(), opened);
    fs::remove_all(dir);
}

TEST(FluidSynthGraph, NoUsableAudioOutputLeavesASilentControllerAndSaysWhatWasTried) {
    FluidSynthOptions options;
    options.announce = false;
    options.drivers = {"jack", "no-such-driver"};
    options.jackServer = "tinkella-no-such-server-" + std::to_string(getpid());
    ::testing::internal::CaptureStderr();
    SoundController sound(makeFluidSynthAudioSystem(options));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(sound.synthUnit(), nullptr);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("no audio output could be opened (tried jack (no server running))"),
              std::string::npos)
        << err;
}

// Outputs of our own stand in the drivers' order: one that fails is named in the start-up line,
// the next opens first, so the synthesiser is made at its rate, hears of every event before it
// is queued and pulls the notes' sound once started.
TEST(FluidSynthGraph, OwnOutputsAreTriedInOrderSetTheRateAreWokenAndRenderTheSynthesiser) {
    struct Output : AudioOutput {
        Output(int& wakes, AudioRenderer*& pulled) : wakes_(wakes), pulled_(pulled) {}
        AudioOutputInfo info() const override { return {"ours", 32, 1, 44100.0}; }
        void start(AudioRenderer& renderer) override { pulled_ = &renderer; }
        void wake() override { ++wakes_; }
        int& wakes_;
        AudioRenderer*& pulled_;
    };
    int wakes = 0;
    AudioRenderer* pulled = nullptr;
    FluidSynthOptions options = offline();
    options.offline = false;
    options.drivers = {"failing", "ours"};
    options.ownOutputs = {{"failing",
                           [](double, std::string& error) {
                               error = "no daemon";
                               return std::unique_ptr<AudioOutput>();
                           }},
                          {"ours", [&](double, std::string&) {
                               return std::unique_ptr<AudioOutput>(
                                   std::make_unique<Output>(wakes, pulled));
                           }}};
    OfflineSynth synth(options);
    ASSERT_NE(pulled, nullptr);
    EXPECT_EQ(synth.fluid().startupLine(), "Tinkella: synthesiser on ours, 32 frames \u00d7 1 at "
                                           "44100 Hz (0.7 ms) (not opened: failing: no daemon)");
    const int before = wakes;
    EXPECT_EQ(synth.made.unit->midiEvent(0x90, 60, 127, 0), 0);
    EXPECT_EQ(wakes, before + 1);
    float left[512], right[512], peak = 0.0f;
    for (int i = 0; i < 20; ++i) {
        pulled->render(left, right, 512);
        peak = std::max(
            {peak, *std::max_element(left, left + 512), *std::max_element(right, right + 512)});
    }
    EXPECT_GT(peak, 0.05f);
    EXPECT_FALSE(pulled->isSilent());
}

} // namespace
} // namespace tinkella
