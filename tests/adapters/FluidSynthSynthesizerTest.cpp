// The FluidSynth synthesiser rendered offline: loudness and the limiter, the idle renderer, the
// sound fonts and audio outputs it cannot use, and outputs of our own.
#include "adapters/fluidsynth/FluidSynthSynthesizer.h"

#include "adapters/fluidsynth/FluidSynthRenderer.h"
#include "foundation/PeakLimiter.h"
#include "outputs/SoundController.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace tinkella {
namespace {

namespace fs = std::filesystem;

const std::string systemFont = "/usr/share/sounds/sf2/default-GM.sf2";

FluidSynthOptions offline(std::string soundFont = {}, std::string directory = {}) {
    FluidSynthOptions options;
    options.offline = true;
    options.soundFont = std::move(soundFont);
    if (!directory.empty()) {
        options.soundFontDirectory = directory;
    }
    return options;
}

struct OfflineSynth {
    std::string failure;
    std::unique_ptr<FluidSynthSynthesizer> synth;
    explicit OfflineSynth(FluidSynthOptions options = offline())
        : synth(FluidSynthSynthesizer::open(std::move(options), failure)) {}
    FluidSynthSynthesizer* operator->() { return synth.get(); }
    // The peak of seconds of audio rendered in 64-frame buffers, as a live device asks for it.
    float peak(double seconds) {
        float left[64], right[64], peak = 0.0f;
        for (int at = 0; at < static_cast<int>(seconds * 750); ++at) {
            EXPECT_TRUE(synth->render(left, right, 64));
            for (int i = 0; i < 64; ++i) {
                peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
            }
        }
        return peak;
    }
    // What loading path answers, read on the calling thread without a main loop.
    std::string load(const std::string& path) {
        std::string answer = "no answer";
        synth->loadSoundFont(path, [&answer](const std::string& error) { answer = error; });
        return answer;
    }
};

TEST(FluidSynthSynthesizer, ANoteIsNearMinus12dBFSAndATenNoteChordStaysUnderTheCeiling) {
    OfflineSynth one, ten;
    ASSERT_NE(one.synth, nullptr) << one.failure;
    one->noteOn(0, 60, 127);
    EXPECT_NEAR(20.0 * std::log10(one.peak(2.0)), -12.0, 3.0);
    for (std::uint8_t note : {36, 43, 48, 52, 55, 60, 64, 67, 72, 76}) {
        ten->noteOn(0, note, 127);
    }
    const float peak = ten.peak(3.0);
    EXPECT_LE(peak, PeakLimiter::defaultCeiling);
    EXPECT_GT(20.0 * std::log10(peak), -6.0) << "the chord is loud, not muted";
}

// Once a note has died away the renderer writes silence without FluidSynth or the limiter, for
// as long as nothing sounds; the next note sounds in the very buffer it would have anyway. A voice
// that plays too quietly to hear (its channel's volume at 0) is no silence.
TEST(FluidSynthSynthesizer, SilenceCostsNothingAndTheNextNoteIsOnTime) {
    OfflineSynth synth;
    const FluidSynthRenderer& renderer = synth->renderer();
    synth->controlChange(0, 7, 0);
    synth->noteOn(0, 60, 127);
    EXPECT_TRUE(synth.peak(0.5) < 1e-5f && !renderer.isIdle());
    synth->controlChange(0, 7, 100);
    EXPECT_GT(synth.peak(0.5), 0.05f);
    synth->noteOff(0, 60);
    const std::uint64_t renderedBefore = renderer.renderedBuffers();
    EXPECT_GT(synth.peak(5.0), 0.0f) << "the release rings on";
    ASSERT_TRUE(renderer.isIdle());
    const std::uint64_t rendered = renderer.renderedBuffers(), idle = renderer.idleBuffers();
    EXPECT_LT(rendered - renderedBefore, 750u * 4) << "the piano's tail is shorter than 4 s";
    EXPECT_EQ(synth.peak(60.0), 0.0f);
    EXPECT_EQ(renderer.renderedBuffers(), rendered) << "a minute of silence rendered nothing";
    EXPECT_EQ(renderer.idleBuffers(), idle + 45000);
    synth->controlChange(0, 7, 100);
    EXPECT_LT(synth.peak(1.0), 1e-5f);
    EXPECT_EQ(renderer.renderedBuffers(), rendered + 1) << "a controller costs one buffer";

    synth->noteOn(0, 72, 127);
    float left[64], right[64];
    ASSERT_TRUE(synth->render(left, right, 64));
    EXPECT_EQ(renderer.renderedBuffers(), rendered + 2);
    const std::size_t latency = synth->limiterLatencyFrames();
    EXPECT_TRUE(std::all_of(left, left + latency, [](float s) { return s == 0.0f; }));
    EXPECT_GT(*std::max_element(left + latency, left + 64), 0.0f) << "sounds in its buffer";
}

// A named font is the only one tried and a broken one names itself, while unusable fonts in the
// directory (the default among them) give way to another font there; replacing the font.
TEST(FluidSynthSynthesizer, SoundFontsThatCannotBeUsed) {
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
        EXPECT_NE(synth.failure.find(c.failure), std::string::npos) << synth.failure;
        EXPECT_EQ(synth.synth ? synth->soundFontPath() : "",
                  c.failure.empty() ? (dir / "z-real.sf2").string() : "");
    }
    // Replacing the font: one that cannot be used leaves the one in use and names itself, a good
    // one takes over and sounds, and an empty path goes back to the font opened with.
    OfflineSynth synth(offline({}, dir.string()));
    const std::string opened = synth->soundFontPath();
    EXPECT_NE(synth.load(garbage).find(garbage), std::string::npos);
    EXPECT_EQ(synth->soundFontPath(), opened);
    EXPECT_EQ(synth.load(systemFont), "");
    EXPECT_EQ(synth->soundFontPath(), systemFont);
    synth->noteOn(0, 60, 127);
    EXPECT_GT(synth.peak(0.5), 0.05f);
    EXPECT_EQ(synth.load(""), "");
    EXPECT_EQ(synth->soundFontPath(), opened);
    // With a main loop fonts are read on a thread of their own and the latest choice wins; a
    // chosen font that cannot open leaves the system's playing and answers its first load at once.
    std::mutex mutex;
    std::vector<std::function<void()>> posted;
    FluidSynthOptions options = offline({}, dir.string());
    options.chosenSoundFont = garbage;
    options.toMainThread = [&](std::function<void()> job) {
        const std::lock_guard lock(mutex);
        posted.push_back(std::move(job));
    };
    OfflineSynth async(options);
    std::vector<std::string> answers;
    const auto answer = [&answers](const std::string& why) {
        answers.push_back(why);
    };
    async->loadSoundFont(garbage, answer);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_NE(answers[0].find(garbage), std::string::npos);
    async->loadSoundFont("/usr/share/sounds/sf2/FluidR3_GM.sf2", answer); // superseded
    async->loadSoundFont(systemFont, answer);
    for (int i = 0; i < 4000 && answers.size() < 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const std::lock_guard lock(mutex);
        for (const auto& job : std::exchange(posted, {})) {
            job();
        }
    }
    EXPECT_EQ(answers, (std::vector<std::string>{answers[0], ""}));
    EXPECT_EQ(async->soundFontPath(), systemFont);
    async->loadSoundFont("", answer); // still being read as the synthesiser goes
    fs::remove_all(dir);
}

TEST(FluidSynthSynthesizer, NoUsableAudioOutputLeavesASilentControllerAndSaysWhatWasTried) {
    FluidSynthOptions options;
    options.drivers = {"jack", "no-such-driver"};
    options.jackServer = "tinkella-no-such-server-" + std::to_string(getpid());
    ::testing::internal::CaptureStderr();
    SoundController sound(makeFluidSynthOpener(options));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(sound.synthUnit(), nullptr);
    EXPECT_EQ(err, "Tinkella: built-in synthesiser unavailable (no audio output could be opened "
                   "(tried jack (no server running))); it stays silent and MIDI output goes on.\n");
}

// Outputs of our own stand in the drivers' order: one that fails is named in the start-up line,
// the next opens first, so the synthesiser is made at its rate, hears of every event before it
// is queued and pulls the notes' sound.
TEST(FluidSynthSynthesizer, OwnOutputsAreTriedInOrderSetTheRateAreWokenAndRenderTheSynthesiser) {
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
    EXPECT_EQ(synth->sampleRate(), 44100.0);
    EXPECT_EQ(synth->describeOutput(), "synthesiser on ours, 32 frames \u00d7 1 at 44100 Hz "
                                       "(0.7 ms) (not opened: failing: no daemon)");
    const int before = wakes;
    synth->noteOn(0, 60, 127);
    EXPECT_EQ(wakes, before + 1);
    float left[512], right[512], peak = 0.0f;
    for (int i = 0; i < 20; ++i) {
        pulled->render(left, right, 512);
        peak = std::max(
            {peak, *std::max_element(left, left + 512), *std::max_element(right, right + 512)});
    }
    EXPECT_GT(peak, 0.05f);
    EXPECT_FALSE(pulled->isSilent());
    EXPECT_FALSE(synth->render(left, right, 512)) << "an output pulls; nobody renders offline";
}

} // namespace
} // namespace tinkella
