// A seeded random soak of the whole application as main() starts it, on a recording synthesiser
// and a scripted MIDI system, driven by SoakInput. After every step the keys, the synthesiser
// and a MIDI receiver must agree; with everything released nothing may sound anywhere.
// TINKELLA_SOAK_SEED and TINKELLA_SOAK_STEPS replay or lengthen a run; a failure prints both
// and the steps that led to it.
#include "app/AppDelegate.h"
#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "foundation/DefaultsController.h"
#include "interfaces/SystemLog.h"
#include "model/PianoController.h"
#include "soak/SoakInput.h"
#include "support/FakeAudioSystem.h"
#include "support/FakeMidiSystem.h"
#include "support/NoteLedger.h"

#include <QApplication>
#include <QLoggingCategory>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>

namespace tinkella::testing {
namespace {

using Notes = std::set<std::uint32_t>;

class DiscardingStandardError : public StandardErrorWriter {
public:
    void write(std::string_view) override {}
};

std::uint64_t envNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 0) : fallback;
}

std::string describe(const Notes& notes) {
    std::string s = "{";
    for (std::uint32_t n : notes) {
        s.append(" ").append(std::to_string(n));
    }
    return s + " }";
}

bool includes(const Notes& big, const Notes& small) {
    return std::includes(big.begin(), big.end(), small.begin(), small.end());
}

// The application as main() starts it, made on first use and never destroyed (the program tears
// nothing down either), with the synthesiser and the MIDI system replaced by doubles.
struct Application {
    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
    FakeMidiSystem* midiSystem = nullptr;
    app::AppDelegate delegate;

    Application() {
        static int argc = 1;
        static char name[] = "soak_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
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
    app::WindowController& settings() { return *delegate.settingsWindowController(); }
};

// The notes an output must hold: those that went down while it was on, before and after the
// step, and that still play.
struct MustHold {
    Notes notes;
    bool wasOn = true;
    void update(bool on, const Notes& now, const Notes& before) {
        std::erase_if(notes, [&](auto n) { return !on || now.count(n) == 0; });
        for (std::uint32_t n : now) {
            if (on && wasOn && before.count(n) == 0) {
                notes.insert(n);
            }
        }
        wasOn = on;
    }
};

class SoakTest : public ::testing::Test {
protected:
    Application& app = *new Application;
    PianoController& model = PianoController::sharedInstance();
    SynthLedger synthHeard;
    MidiReceiverLedger midiHeard;
    Notes playing;
    MustHold mustSound{{}, !model.soundController().isMuted()};
    MustHold mustReachMidi{{}, MIDIOutput::shared().isEnabled()};

    // Compares keys, synthesiser and MIDI receiver after one step; empty when all agree.
    std::string check() {
        const SoundController& synth = model.soundController();
        synthHeard.forget(*app.journal);
        midiHeard.catchUp(*app.midiSystem);
        const QMainWindow& window = *app.settings().keyboardWindow()->window();
        Notes now;
        for (const PianoKey& key : model.keys()) {
            if (key.playing != key.isPressed()) {
                return "key " + std::to_string(key.note) +
                       (key.playing ? " plays though no surface holds it"
                                    : " is held but does not play");
            }
            if (key.isPressedOnScreen && (!window.isVisible() || window.isMinimized())) {
                return "key " + std::to_string(key.note) +
                       " is held in the piano window, which can no longer release it";
            }
            if (key.playing) {
                now.insert(static_cast<std::uint32_t>(key.note));
            }
        }
        const bool muted = synth.isMuted();
        const bool midiOn = MIDIOutput::shared().isEnabled();
        mustSound.update(!muted, now, playing);
        mustReachMidi.update(midiOn, now, playing);
        playing = now;

        const Notes& sounding = synth.soundingNotes();
        if (!includes(now, sounding) || !includes(sounding, mustSound.notes) ||
            (muted && !sounding.empty()) || synthHeard.held() != sounding ||
            synthHeard.maxCount() > 1) {
            return "synthesiser sounds " + describe(sounding) + ", its device " +
                   describe(synthHeard.held()) + ", while keys " + describe(now) + " play, " +
                   describe(mustSound.notes) + " must sound" + (muted ? ", muted" : "");
        }
        const Notes held = midiHeard.held();
        if (!includes(now, held) || !includes(held, mustReachMidi.notes) ||
            (!midiOn && !held.empty()) || midiHeard.maxCount() > 1) {
            return "a MIDI receiver holds " + describe(held) + " while keys " + describe(now) +
                   " play, " + describe(mustReachMidi.notes) + " must have reached it" +
                   (midiOn ? "" : ", output off");
        }
        return {};
    }
};

TEST_F(SoakTest, RandomPlayingNeverLeavesANoteSoundingThatNoKeyHolds) {
    const std::uint64_t seed = envNumber("TINKELLA_SOAK_SEED", 20261206);
    const std::uint64_t steps = envNumber("TINKELLA_SOAK_STEPS", 4000);
    SoakInput input(app.settings(), *app.settings().keyboardWindow(), seed);
    std::deque<std::string> recent;
    std::string problem;
    for (std::uint64_t step = 0; step <= steps && problem.empty(); ++step) {
        if (step < steps) {
            recent.push_back(std::to_string(step) + ": " + input.randomStep());
        } else {
            recent.push_back("release everything");
            input.releaseEverything();
        }
        if (recent.size() > 40) {
            recent.pop_front();
        }
        if (step % 32 == 31 || step == steps) {
            QCoreApplication::processEvents();
        }
        problem = check();
        if (problem.empty() && step == steps && !playing.empty()) {
            problem = "keys " + describe(playing) + " play after everything was released";
        }
        if (!problem.empty()) {
            problem += "\n  replay: TINKELLA_SOAK_SEED=" + std::to_string(seed) +
                       " TINKELLA_SOAK_STEPS=" + std::to_string(step + 1) + "\n  last steps:";
        }
    }
    for (const std::string& s : recent) {
        problem += problem.empty() ? "" : "\n    " + s;
    }
    EXPECT_EQ(problem, "");
    EXPECT_TRUE(steps < 1000 || (synthHeard.noteOns > 0 && midiHeard.noteOns > 0))
        << "the soak played nothing on one of the outputs";
}

} // namespace
} // namespace tinkella::testing
