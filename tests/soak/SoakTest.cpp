// A seeded random soak of the whole application as main() starts it, on a recording synthesiser
// and a scripted MIDI system. After every random step the keys, the synthesiser and a MIDI
// receiver must agree; with everything released nothing may sound. TINKELLA_SOAK_SEED and
// TINKELLA_SOAK_STEPS replay or lengthen a run; a failure prints both and the last steps.
#include "app/AppDelegate.h"
#include "app/WindowController.h"
#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "foundation/DefaultsController.h"
#include "hosting/PianoWindowController.h"
#include "hosting/QtPianoWidget.h"
#include "hosting/QtStripWindow.h"
#include "interfaces/StandardError.h"
#include "model/PianoController.h"
#include "model/Preferences.h"
#include "soak/BackgroundStartHook.h"
#include "support/FakeAudioSystem.h"
#include "support/FakeMidiSystem.h"
#include "support/NoteLedger.h"

#include <QApplication>
#include <QComboBox>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTest>
#include <QTouchEvent>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tinkella::testing {
namespace {

using Notes = std::set<std::uint32_t>;

struct DiscardingStandardError : StandardErrorWriter {
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
    BackgroundStartHook backgroundStart;

    Application() {
        static int argc = 1;
        static char* argv[] = {const_cast<char*>("soak_tests"), nullptr};
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
            return MidiLogSink{nullptr, std::make_unique<DiscardingStandardError>()};
        });
        backgroundStart.install(journal, midiSystem);
        delegate.launch();
        QCoreApplication::processEvents();
    }
    app::WindowController& settings() { return *delegate.settingsWindowController(); }
};

// Input as the toolkit and the settings panel deliver it. It keeps the fingers down and the button
// held as a window system does, forgetting them when the toolkit stops reporting them.
class SoakInput {
public:
    SoakInput(app::WindowController& settings, PianoWindowController& piano, std::uint64_t seed)
        : settings_(settings), piano_(piano), random_(seed) {
        stripWindow().loadItems();
        stripWindow().applicationStateChanged(Qt::ApplicationActive);
        newDevice();
    }

    // Does one random thing; returns what, for the failure report.
    std::string randomStep() {
        using Step = std::string (SoakInput::*)();
        static constexpr std::pair<int, Step> steps[] = {
            {45, &SoakInput::touch},           {72, &SoakInput::mouse},
            {82, &SoakInput::number},          {84, &SoakInput::glissando},
            {88, &SoakInput::outputMode},      {91, &SoakInput::instrument},
            {94, &SoakInput::stripVisibility}, {96, &SoakInput::deactivateWindow},
            {100, &SoakInput::pianoWindowAway}};
        const int pick = uniform(0, 99);
        return (this->*std::find_if(std::begin(steps), std::end(steps), [pick](auto& s) {
                           return pick < s.first;
                       })->second)();
    }

    // Lets go of everything and shows the strip and the piano window again, as a user who stops.
    std::string releaseEverything() {
        while (!fingers_.empty()) {
            lift(fingers_.begin()->first);
        }
        if (std::exchange(mouseHeld_, false)) {
            sendMouse(QEvent::MouseButtonRelease, QPointF(1, 1), Qt::LeftButton, Qt::NoButton);
        }
        if (!stripShown_) {
            stripVisibility();
        }
        if (windowAway_) {
            pianoWindowAway();
        }
        QCoreApplication::processEvents();
        return "release everything";
    }

private:
    QtStripWindow& stripWindow() { return *piano_.stripWindow(); }
    QtPianoWidget& strip() { return *stripWindow().itemWidgets().front(); }
    QtPianoWidget& window() { return *piano_.pianoWidget(); }

    int uniform(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    double real(double low, double high) {
        return std::uniform_real_distribution(low, high)(random_);
    }
    static std::string at(QPointF p) {
        return " at (" + std::to_string(p.x()) + ", " + std::to_string(p.y()) + ")";
    }
    void newDevice() {
        device_.reset();
        device_.reset(QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen));
    }

    // Anywhere on the strip, now and then beside it.
    QPoint stripPoint() {
        const int w = strip().width(), h = strip().height();
        return {uniform(0, 9) == 0 ? uniform(-80, w + 80) : uniform(0, w - 1), uniform(-4, h + 3)};
    }
    // In the piano window, or when mayLeave now and then outside it.
    QPointF windowPoint(bool mayLeave) {
        const double w = window().width(), h = window().height();
        const double out = mayLeave && uniform(0, 3) == 0 ? 1 : 0;
        return {real(-300 * out, w + 300 * out), real(-200 * out, h + 200 * out)};
    }

    // One touch event as a touchscreen reports it: the finger that changes, at its place in
    // fingers_, and every other finger down where it is.
    enum class Change { press, move, release };
    void sendTouch(int changed, Change change) {
        // Delivered synchronously on commit; the soak runs the event loop on its own schedule.
        QTest::QTouchEventWidgetSequence event = QTest::touchEvent(&strip(), device_.get(), false);
        for (const auto& [id, where] : fingers_) {
            id != changed             ? event.move(id, where, &strip())
            : change == Change::press ? event.press(id, where, &strip())
            : change == Change::move  ? event.move(id, where, &strip())
                                      : event.release(id, where, &strip());
        }
        event.commit(false);
    }
    std::string lift(int id) {
        sendTouch(id, Change::release);
        return "finger " + std::to_string(id) + " up" + at(fingers_.extract(id).mapped());
    }

    // Down 14, move 16, up 12, cancel 2, device gone 1 in 45.
    std::string touch() {
        const int what = uniform(0, 44);
        if (what >= 42) {
            if (what == 44) {
                newDevice();
            } else {
                QTouchEvent cancel(QEvent::TouchCancel, device_.get());
                QCoreApplication::sendEvent(&strip(), &cancel);
            }
            fingers_.clear();
            return what == 44 ? "touch device removed, another added" : "touch sequence cancelled";
        }
        if (fingers_.empty() || (what < 14 && fingers_.size() < 5)) {
            if (!stripShown_) {
                return stripVisibility();
            }
            // Fresh ids only: the window system may still count a cancelled finger as down.
            const int id = nextFinger_++;
            fingers_[id] = stripPoint();
            sendTouch(id, Change::press);
            return "finger " + std::to_string(id) + " down" + at(fingers_[id]);
        }
        auto finger = std::next(fingers_.begin(), uniform(0, int(fingers_.size()) - 1));
        if (what >= 30) {
            return lift(finger->first);
        }
        finger->second = uniform(0, 2) == 0
                             ? stripPoint()
                             : finger->second + QPoint(uniform(-40, 40), uniform(-3, 3));
        sendTouch(finger->first, Change::move);
        return "finger " + std::to_string(finger->first) + " slides" + at(finger->second);
    }

    void sendMouse(QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, p, window().mapToGlobal(p), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(&window(), &event);
    }

    // While held: drag 10, release inside or outside 7, release in another window (the next
    // move arrives without the button) 1, grab taken away 1 in 19.
    std::string mouse() {
        if (windowAway_) {
            return pianoWindowAway();
        }
        if (!mouseHeld_) {
            const QPointF p = windowPoint(false);
            sendMouse(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
            mouseHeld_ = true;
            return "mouse down" + at(p);
        }
        const int what = uniform(0, 18);
        const QPointF p = windowPoint(true);
        if (what < 10) {
            sendMouse(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
            return "mouse dragged" + at(p);
        }
        mouseHeld_ = false;
        if (what < 17) {
            sendMouse(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
            return "mouse up" + at(p);
        }
        if (what == 17) {
            sendMouse(QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
            return "mouse released elsewhere, next move" + at(p);
        }
        QEvent ungrab(QEvent::UngrabMouse);
        QCoreApplication::sendEvent(&window(), &ungrab);
        return "mouse grab taken away";
    }

    // The piano window unmapped or minimised (a desktop switch, a minimise) whatever is held, or
    // brought back. No release reaches a window that is away, so the held button is forgotten.
    std::string pianoWindowAway() {
        QMainWindow& main = *piano_.window();
        if (std::exchange(windowAway_, false)) {
            main.isMinimized() ? main.showNormal() : main.show();
            QCoreApplication::processEvents();
            return "piano window back";
        }
        windowAway_ = true;
        const bool hide = uniform(0, 1) == 0;
        hide ? main.hide() : main.showMinimized();
        if (!strip().isVisible()) {
            fingers_.clear();
        }
        return std::string(hide ? "piano window unmapped" : "piano window minimised") +
               (std::exchange(mouseHeld_, false) ? " with the mouse held" : "");
    }

    std::string deactivateWindow() {
        QEvent change(QEvent::ActivationChange);
        QCoreApplication::sendEvent(&window(), &change);
        const bool wasHeld = std::exchange(mouseHeld_, mouseHeld_ && window().isMouseHeld());
        return std::string("piano window deactivated") + (wasHeld ? " with the mouse held" : "");
    }

    std::string stripVisibility() {
        stripShown_ = !stripShown_;
        stripWindow().applicationStateChanged(stripShown_ ? Qt::ApplicationActive
                                                          : Qt::ApplicationInactive);
        fingers_.clear(); // none go down while the strip is hidden
        return stripShown_ ? "strip shown" : "strip hidden";
    }

    // A number written as the panel's controls write it: mostly in its range, now and then a
    // value a hand-edited settings file may hold.
    std::string number() {
        constexpr double inf = std::numeric_limits<double>::infinity();
        static const std::pair<const preferences::Setting<double>*, std::vector<double>> rows[] = {
            {&preferences::keyWidth, {0, -5, 9.5, 90.5, 400, 1e300, -1e300, 5e-324}},
            {&preferences::noteOffset, {-10, 0, 96, 200, 1e300, -1e300, 5e-324, -inf}},
            {&preferences::blackKeyTouchArea, {0, 1, 1e300, -1e300, 5e-324}}};
        const auto& [setting, odd] = rows[uniform(0, 2)];
        const double value = uniform(0, 7) == 0 ? odd[uniform(0, int(odd.size()) - 1)]
                                                : real(setting->minimum, setting->maximum);
        DefaultsController::shared().setObject(DefaultsValue::real(value), *setting);
        return std::string(setting->key) + " " + std::to_string(value);
    }
    std::string glissando() {
        const bool on = uniform(0, 1) == 1;
        DefaultsController::shared().setObject(DefaultsValue::boolean(on),
                                               preferences::blackKeyGlissando);
        return std::string("glissando ") + (on ? "on" : "off");
    }
    std::string outputMode() {
        const int tag = uniform(0, 2);
        settings_.outputModeChanged(tag);
        return "output mode " + std::to_string(tag);
    }
    std::string instrument() {
        QComboBox& popUp = *settings_.instrumentPopUp();
        popUp.setCurrentIndex(uniform(0, popUp.count() - 1));
        settings_.instrumentChanged();
        return "instrument " + std::to_string(popUp.currentIndex());
    }

    app::WindowController& settings_;
    PianoWindowController& piano_;
    std::mt19937_64 random_;
    std::unique_ptr<QPointingDevice> device_;
    std::map<int, QPoint> fingers_;
    int nextFinger_ = 0;
    bool mouseHeld_ = false;
    bool stripShown_ = true;
    bool windowAway_ = false;
};

// The notes an output must hold: those that went down while it was on, before and after the
// step, and that still play.
struct MustHold {
    Notes notes;
    bool wasOn = true;
    void update(bool on, const Notes& now, const Notes& before) {
        std::erase_if(notes, [&](auto n) { return !on || now.count(n) == 0; });
        if (on && wasOn) {
            std::ranges::set_difference(now, before, std::inserter(notes, notes.end()));
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
    MustHold mustSound, mustReachMidi;

    // Compares keys, synthesiser and MIDI receiver after one step; empty when all agree.
    std::string check() {
        synthHeard.forget(*app.journal);
        midiHeard.catchUp(*app.midiSystem);
        const QMainWindow& window = *app.settings().keyboardWindow()->window();
        Notes now;
        for (const PianoKey& key : model.keys()) {
            const bool stranded =
                key.isPressedOnScreen && (!window.isVisible() || window.isMinimized());
            if (key.playing != key.isPressed() || stranded) {
                return "key " + std::to_string(key.note) +
                       (stranded      ? " is held in a piano window that can no longer release it"
                        : key.playing ? " plays though no surface holds it"
                                      : " is held but does not play");
            }
            if (key.playing) {
                now.insert(static_cast<std::uint32_t>(key.note));
            }
        }
        mustSound.update(!model.soundController().isMuted(), now, playing);
        mustReachMidi.update(MIDIOutput::shared().isEnabled(), now, playing);
        playing = now;

        const auto agree = [&now](const char* what, const Notes& held, const MustHold& must,
                                  bool unique) {
            if (includes(now, held) && includes(held, must.notes) && (must.wasOn || held.empty()) &&
                unique) {
                return std::string();
            }
            return std::string(what) + " holds " + describe(held) + " while keys " + describe(now) +
                   " play; " + describe(must.notes) + " must, output " +
                   (must.wasOn ? "on. " : "off. ");
        };
        const Notes& sounding = model.soundController().soundingNotes();
        return agree("the synthesiser", sounding, mustSound,
                     synthHeard.held() == sounding && synthHeard.maxCount() <= 1) +
               agree("a MIDI receiver", midiHeard.held(), mustReachMidi, midiHeard.maxCount() <= 1);
    }
};

TEST_F(SoakTest, RandomPlayingNeverLeavesANoteSoundingThatNoKeyHolds) {
    const std::uint64_t seed = envNumber("TINKELLA_SOAK_SEED", 20261206);
    const std::uint64_t steps = envNumber("TINKELLA_SOAK_STEPS", 4000);
    SoakInput input(app.settings(), *app.settings().keyboardWindow(), seed);
    std::deque<std::string> recent;
    std::string problem;
    for (std::uint64_t step = 0; step <= steps && problem.empty(); ++step) {
        recent.push_back(step < steps ? std::to_string(step) + ": " + input.randomStep()
                                      : input.releaseEverything());
        if (recent.size() > 40) {
            recent.pop_front();
        }
        if (step % 32 == 31) {
            QCoreApplication::processEvents();
        }
        if (app.backgroundStart.stillOpening(step)) {
            continue;
        }
        problem = check();
        if (step == steps && !playing.empty()) {
            problem += "keys " + describe(playing) + " play after everything was released";
        }
        if (!problem.empty()) {
            problem += "\n  replay: TINKELLA_SOAK_SEED=" + std::to_string(seed) +
                       " TINKELLA_SOAK_STEPS=" + std::to_string(step + 1) + "\n  last steps:";
            for (const std::string& s : recent) {
                problem += "\n    " + s;
            }
        }
    }
    EXPECT_EQ(problem, "");
    EXPECT_TRUE(steps < 1000 || (synthHeard.noteOns > 0 && midiHeard.noteOns > 0))
        << "the soak played nothing on one of the outputs";
}

} // namespace
} // namespace tinkella::testing
