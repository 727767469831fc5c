// A seeded, randomised soak of the whole application in this process: the application delegate
// starts everything as the program does (settings panel, piano window, strip, keyboard model),
// on a recording synthesiser and a scripted MIDI system, and random input hits it for many
// steps: several fingers on the strip (begin, move, end, cancel, slides across zones, fingers
// beside the keyboard), mouse presses and drags on the piano window (released inside, outside,
// or lost), key-width and scroll changes while keys are held (absurd ones too: 1e300, -1e300,
// 5e-324, -inf, as a hand-edited settings file may hold), output-mode, instrument, glissando
// and touch-area changes, window deactivation, the piano window unmapped or minimised while
// keys are held, the strip hiding and touch devices vanishing. After every step the keys, the
// synthesiser and a MIDI receiver are checked against each other; at the end, with everything
// released, nothing may sound anywhere.
//
// TINKELLA_SOAK_SEED and TINKELLA_SOAK_STEPS replay or lengthen a run; a failure prints both
// and the steps that led to it.
#include "app/AppDelegate.h"
#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "foundation/DefaultsController.h"
#include "hosting/PianoWindowController.h"
#include "hosting/QtPianoWidget.h"
#include "hosting/QtStripWindow.h"
#include "interfaces/SystemLog.h"
#include "model/PianoController.h"
#include "soak/SoakInput.h"
#include "support/FakeAudioSystem.h"
#include "support/FakeMidiSystem.h"
#include "support/NoteLedger.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPointingDevice>
#include <QTest>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace tinkella::testing {
namespace {

class DiscardingStandardError : public StandardErrorWriter {
public:
    void write(std::string_view) override {}
};

std::uint64_t envNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 0) : fallback;
}

std::string describe(const std::set<std::uint32_t>& notes) {
    std::string s;
    for (std::uint32_t n : notes) {
        s.append(" ").append(std::to_string(n));
    }
    return "{" + s + " }";
}

bool includes(const std::set<std::uint32_t>& big, const std::set<std::uint32_t>& small) {
    return std::includes(big.begin(), big.end(), small.begin(), small.end());
}

// The application as main() starts it, once per process (its objects are shared and never
// destroyed), with the synthesiser and the MIDI system replaced by doubles.
struct Application {
    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
    FakeMidiSystem* midiSystem = nullptr;
    app::AppDelegate delegate;

    Application() {
        static int argc = 1;
        static char name[] = "soak_tests";
        static char* argv[] = {name, nullptr};
        // Like the program's, the application object lives until the process exits.
        static QApplication* const application = new QApplication(argc, argv);
        (void)application;
        QApplication::setQuitOnLastWindowClosed(false);
        // Fingers put down beside the strip's window reach no window; that is expected here.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.pointer.dispatch=false"));
        DefaultsController::setSharedStoreFactory(
            [] { return std::make_unique<InMemoryDefaultsStore>(); });
        PianoController::setSharedSoundFactory([journal = journal] {
            return std::make_unique<SoundController>(std::make_unique<FakeAudioSystem>(journal));
        });
        MIDIOutput::setSharedSystemFactory([this] {
            auto system = std::make_unique<FakeMidiSystem>();
            midiSystem = system.get();
            return system;
        });
        MIDIOutput::setSharedLogFactory([] {
            return MidiLogSink{std::make_unique<NullSystemLog>(),
                               std::make_unique<DiscardingStandardError>()};
        });
        delegate.launch();
        QCoreApplication::processEvents();
    }
    // Made on first use and never destroyed: the program tears nothing down either.
    static Application& instance() {
        static Application& application = *new Application;
        return application;
    }

    app::WindowController& settings() { return *delegate.settingsWindowController(); }
    PianoWindowController& piano() { return *settings().keyboardWindow(); }
};

class SoakTest : public ::testing::Test {
protected:
    Application& app = Application::instance();
    SynthLedger synthHeard;
    MidiReceiverLedger midiHeard;
    // Notes that must sound: started while their output was on and not ended since.
    std::set<std::uint32_t> mustSound;
    std::set<std::uint32_t> mustReachMidi;
    std::set<std::uint32_t> playingBefore;
    bool mutedBefore = false;
    bool midiOnBefore = true;
    std::deque<std::string> recent;
    std::uint64_t seed = 0;
    std::uint64_t step = 0;

    void SetUp() override {
        synthHeard.forget(*app.journal);
        midiHeard.catchUp(*app.midiSystem);
        playingBefore = playing();
        mutedBefore = PianoController::sharedInstance().soundController().isMuted();
        midiOnBefore = MIDIOutput::shared().isEnabled();
    }

    static std::set<std::uint32_t> playing() {
        std::set<std::uint32_t> notes;
        for (const PianoKey& key : PianoController::sharedInstance().keys()) {
            if (key.playing) {
                notes.insert(static_cast<std::uint32_t>(key.note));
            }
        }
        return notes;
    }

    std::string failureText(const std::string& what) const {
        std::ostringstream text;
        text << what << "\n  replay: TINKELLA_SOAK_SEED=" << seed
             << " TINKELLA_SOAK_STEPS=" << step + 1 << "\n  last steps:";
        for (const std::string& s : recent) {
            text << "\n    " << s;
        }
        return text.str();
    }

    // Compares keys, synthesiser and MIDI receiver after one step; empty when all agree.
    std::string check() {
        PianoController& model = PianoController::sharedInstance();
        const SoundController& synth = model.soundController();
        synthHeard.forget(*app.journal);
        midiHeard.catchUp(*app.midiSystem);
        std::set<std::uint32_t> nowPlaying;
        for (const PianoKey& key : model.keys()) {
            if (key.playing != key.isPressed()) {
                return "key " + std::to_string(key.note) +
                       (key.playing ? " plays though no surface holds it"
                                    : " is held but does not play");
            }
            if (key.playing) {
                nowPlaying.insert(static_cast<std::uint32_t>(key.note));
            }
            const QMainWindow& window = *app.piano().window();
            if (key.isPressedOnScreen && (!window.isVisible() || window.isMinimized())) {
                return "key " + std::to_string(key.note) +
                       " is held in the piano window, which can no longer release it";
            }
        }
        const bool muted = synth.isMuted();
        const bool midiOn = MIDIOutput::shared().isEnabled();
        // A key that went down in this step counts as started while its output was on when
        // the output was on before and after the step.
        std::erase_if(mustSound, [&](auto n) { return muted || nowPlaying.count(n) == 0; });
        std::erase_if(mustReachMidi, [&](auto n) { return !midiOn || nowPlaying.count(n) == 0; });
        for (std::uint32_t note : nowPlaying) {
            if (playingBefore.count(note) == 0) {
                if (!muted && !mutedBefore) {
                    mustSound.insert(note);
                }
                if (midiOn && midiOnBefore) {
                    mustReachMidi.insert(note);
                }
            }
        }
        playingBefore = nowPlaying;
        mutedBefore = muted;
        midiOnBefore = midiOn;

        const std::set<std::uint32_t>& sounding = synth.soundingNotes();
        if (!includes(nowPlaying, sounding) || !includes(sounding, mustSound) ||
            (muted && !sounding.empty())) {
            return "synthesiser sounds " + describe(sounding) + " while keys " +
                   describe(nowPlaying) + " play, " + describe(mustSound) + " must sound" +
                   (muted ? ", muted" : "");
        }
        if (synthHeard.held() != sounding || synthHeard.maxCount() > 1) {
            return "the synthesiser's device holds " + describe(synthHeard.held()) +
                   " but the controller records " + describe(sounding);
        }
        const std::set<std::uint32_t> held = midiHeard.held();
        if (!includes(nowPlaying, held) || !includes(held, mustReachMidi) ||
            (!midiOn && !held.empty()) || midiHeard.maxCount() > 1) {
            return "a MIDI receiver holds " + describe(held) + " while keys " +
                   describe(nowPlaying) + " play, " + describe(mustReachMidi) +
                   " must have reached it" + (midiOn ? "" : ", output off");
        }
        return {};
    }

    // Runs a soak of steps random steps from seed; returns false after the first failure.
    bool soak(std::uint64_t soakSeed, std::uint64_t steps) {
        seed = soakSeed;
        SoakInput input(app.settings(), app.piano(), soakSeed);
        for (step = 0; step < steps; ++step) {
            recent.push_back(std::to_string(step) + ": " + input.randomStep());
            if (recent.size() > 40) {
                recent.pop_front();
            }
            if (step % 32 == 31) {
                QCoreApplication::processEvents();
            }
            if (const std::string problem = check(); !problem.empty()) {
                ADD_FAILURE() << failureText(problem);
                return false;
            }
        }
        recent.push_back("release everything");
        input.releaseEverything();
        QCoreApplication::processEvents();
        if (const std::string problem = check(); !problem.empty()) {
            ADD_FAILURE() << failureText(problem);
            return false;
        }
        const bool silent =
            playing().empty() &&
            PianoController::sharedInstance().soundController().soundingNotes().empty() &&
            synthHeard.held().empty() && midiHeard.held().empty();
        EXPECT_TRUE(silent) << failureText("something is held after everything was released");
        return silent;
    }
};

TEST_F(SoakTest, RandomPlayingNeverLeavesANoteSoundingThatNoKeyHolds) {
    const std::uint64_t seed = envNumber("TINKELLA_SOAK_SEED", 20261206);
    const std::uint64_t steps = envNumber("TINKELLA_SOAK_STEPS", 4000);
    const auto started = std::chrono::steady_clock::now();
    const bool passed = soak(seed, steps);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("soak: seed %llu, %llu steps %s in %.1f s; synthesiser %llu note-ons, MIDI "
                "receiver %llu note-ons\n",
                static_cast<unsigned long long>(seed), static_cast<unsigned long long>(step),
                passed ? "passed" : "FAILED", seconds,
                static_cast<unsigned long long>(synthHeard.noteOns),
                static_cast<unsigned long long>(midiHeard.noteOns));
}

// A touchscreen unplugged while fingers rest on the strip: its fingers end, their notes end on
// both outputs, and nothing else changes.
TEST_F(SoakTest, TouchDeviceThatVanishesMidTouchEndsItsNotes) {
    app.settings().outputModeChanged(static_cast<int>(OutputMode::both));
    ASSERT_EQ(check(), "");
    QtStripWindow& stripWindow = *app.piano().stripWindow();
    stripWindow.loadItems();
    stripWindow.applicationStateChanged(Qt::ApplicationActive);
    QtPianoWidget& strip = *stripWindow.itemWidgets().front();
    std::unique_ptr<QPointingDevice> device(
        QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen));
    QTest::touchEvent(&strip, device.get())
        .press(0, QPoint(strip.width() / 4, strip.height() / 2), &strip)
        .press(1, QPoint(strip.width() * 3 / 4, strip.height() / 2), &strip);
    ASSERT_EQ(check(), "");
    ASSERT_EQ(midiHeard.held().size(), 2u);
    device.reset();
    EXPECT_EQ(check(), "");
    EXPECT_TRUE(playing().empty() && synthHeard.held().empty() && midiHeard.held().empty());
}

} // namespace
} // namespace tinkella::testing
