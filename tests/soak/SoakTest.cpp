// A seeded random soak of the whole application as main() starts it, on a recording synthesiser
// and a scripted MIDI system, played by touch, mouse, computer keyboard (space: sustain), panic
// and MIDI senders. After every step keys and outputs agree: a note outlives its key only while
// someone holds the sustain; nothing received goes out again; after a panic and with everything
// released nothing sounds. TINKELLA_SOAK_SEED and TINKELLA_SOAK_STEPS replay or lengthen a run;
// a failure prints both and the last steps.
#include "app/AppDelegate.h"
#include "app/Composition.h"
#include "app/GeneralTab.h"
#include "app/KeyboardTab.h"
#include "app/MidiTab.h"
#include "app/MpeGroup.h"
#include "app/RealSlider.h"
#include "app/WindowController.h"
#include "foundation/DefaultsController.h"
#include "hosting/ControllerKnobs.h"
#include "hosting/PianoWindowController.h"
#include "hosting/QtPianoWidget.h"
#include "hosting/QtStripWindow.h"
#include "hosting/QtWheelWidget.h"
#include "interfaces/MidiMessage.h"
#include "model/ComputerKeyboard.h"
#include "model/PianoController.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiPort.h"
#include "support/FakeSynthesizer.h"
#include "support/QtTestApplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QSpinBox>
#include <QTest>
#include <QTouchEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <future>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tinkella::testing {
namespace {

using Notes = std::set<std::uint32_t>;

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

// A channel's program, pressure and pitch as FluidSynth reads messages (data entry takes the last
// LSB along).
struct ChannelModel {
    int range = -1, bend = 8192, fine = 8192, coarse = 64, program = 0, pressure = 0, cc[128] = {};
    void receive(std::uint32_t kind, std::uint32_t d1, std::uint32_t d2) {
        const int v = static_cast<int>(d2), parameter = cc[100];
        if (kind == 0xE0) {
            bend = static_cast<int>(d1) | v << 7;
        } else if (kind == 0xD0 || kind == 0xC0) {
            (kind == 0xD0 ? pressure : program) = static_cast<int>(d1);
        } else if (kind == 0xB0 && d1 == 6 && cc[101] == 0 && parameter <= 2) {
            int& value = parameter == 0 ? range : parameter == 1 ? fine : coarse;
            value = parameter == 1 ? v * 128 + cc[38] : v;
        } else if (kind == 0xB0) {
            cc[d1 & 127] = v;
        }
    }
    // Hz of middle C on channel (0..31), whose bend range is at first what Synthesizer promises.
    double middleC(std::size_t channel) const {
        const int semitones = range >= 0 ? range : channel % 16 == 0 ? 2 : 48;
        return 261.6255653 * std::pow(2.0, (coarse - 64 + (fine - 8192) / 8192.0 +
                                            (bend - 8192) / 8192.0 * semitones) /
                                               12.0);
    }
};

// What a listener on the far side of an output holds, per channel and note, and each channel's
// state; while a port's first channel's pedal is down, its ended notes ring on. A count above one
// is a note started twice without an end: a second voice. All Sound Off (120) silences a channel.
class NoteLedger {
public:
    bool pedalDown(std::uint32_t port = 0, std::uint32_t channel = 0) const {
        return channels[16 * port + channel].cc[64] >= 64;
    }
    // Whether a channel of the port other than channel and also holds its pedal down.
    bool pedalDownBeside(std::uint32_t channel, std::uint32_t also) const {
        for (std::uint32_t c = 0; c < 16; ++c) {
            if (c != channel && c != also && pedalDown(0, c)) {
                return true;
            }
        }
        return false;
    }
    Notes held() const { // on any channel
        Notes notes;
        for (std::uint32_t i = 0; i < counts_.size(); ++i) {
            counts_[i] > 0 ? void(notes.insert(i % 128)) : void();
        }
        return notes;
    }
    int maxCount() const { return *std::max_element(counts_.begin(), counts_.end()); }
    // A channel left bent away from the centre (8192) or pressed with no note on it, or an empty
    // text. A note started while the output was off may be bent on a channel that shows no note
    // until it ends.
    std::string bentIdle() const {
        for (std::size_t c = 0; c < channels.size(); ++c) {
            if ((channels[c].bend != 8192 || channels[c].pressure != 0) &&
                std::all_of(&counts_[c * 128], &counts_[c * 128 + 128],
                            [](int n) { return n == 0; })) {
                return "channel " + std::to_string(c) + " stays bent by " +
                       std::to_string(channels[c].bend - 8192) + " or pressed, with no note. ";
            }
        }
        return {};
    }
    std::uint64_t noteOns = 0;
    std::array<ChannelModel, 32> channels{};

protected:
    void channelMessage(std::uint32_t status, std::uint32_t data1, std::uint32_t data2,
                        std::uint32_t port = 0) {
        const std::uint32_t channel = (status & 0x0FU) + 16 * port, kind = status & 0xF0U;
        int* notes = &counts_[channel * 128];
        kind == 0xB0U && data1 == 120 ? void(std::fill_n(notes, 128, 0)) : void();
        channels[channel].receive(kind, data1, data2);
        if ((kind & 0xEFU) != 0x80U || data1 >= 128) {
            return;
        }
        if (kind == 0x90U && data2 > 0) {
            ++notes[data1];
            ++noteOns;
        } else if (notes[data1] > 0) {
            --notes[data1];
        }
    }

private:
    std::array<int, 32 * 128> counts_{};
};

// A MIDI receiver on the virtual source: every word the fake MIDI system was handed arrives.
class MidiReceiverLedger : public NoteLedger {
public:
    void catchUp(const FakeMidiPort& system) {
        for (; seen_ < system.sent.size(); ++seen_) {
            const std::uint32_t word = system.sent[seen_];
            if (ump::messageType(word) == ump::midi1ChannelVoiceType) {
                channelMessage(ump::statusByte(word), ump::data1(word), ump::data2(word));
            }
        }
    }

private:
    std::size_t seen_ = 0;
};

// The synthesiser's own view. forget() counts the journal's steps and clears them.
class SynthLedger : public NoteLedger {
public:
    void forget(AudioJournal& journal) {
        for (const AudioStep& step : journal.steps) {
            if (step.kind == AudioStep::MidiEvent) {
                channelMessage(step.a, step.b, step.c, step.port);
            }
        }
        journal.steps.clear();
    }
};

// The soak's outputs open as the program's do, in the background, and only once the first
// openAfter steps have been played: notes pressed while they open, more than the outputs keep
// one by one, are part of the run.
struct BackgroundStartHook {
    static constexpr std::uint64_t openAfter = 600;
    std::promise<void> open;

    // Before the application launches; midiPort is set once the MIDI system is handed over.
    void install(std::shared_ptr<AudioJournal> journal, FakeMidiPort*& midiPort) {
        auto opened = open.get_future().share();
        app::openInBackground(
            [opened, &midiPort] {
                opened.wait();
                auto system = std::make_unique<FakeMidiPort>();
                midiPort = system.get();
                return std::unique_ptr<MidiPort>(std::move(system));
            },
            [opened, journal](std::string& failure) {
                opened.wait();
                return FakeSynthesizer::opener(journal)(failure);
            });
    }
    // True while the outputs are still opening after step: nothing can be checked yet.
    bool stillOpening(std::uint64_t step) {
        if (step + 1 == openAfter) {
            open.set_value();
        }
        while (step + 1 >= openAfter &&
               (MIDIOutput::shared().isPending() ||
                PianoController::sharedInstance().soundController().isPending())) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        return step + 1 < openAfter;
    }
};

// The application as main() starts it, made on first use and never destroyed (the program tears
// nothing down either), with the synthesiser and the MIDI system replaced by doubles.
struct Application {
    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
    FakeMidiPort* midiPort = nullptr;
    app::AppDelegate delegate;
    BackgroundStartHook backgroundStart;

    Application() {
        ensureQtApplication().setQuitOnLastWindowClosed(false);
        // Fingers put down beside the strip's window reach no window; that is expected here.
        QLoggingCategory::setFilterRules(QStringLiteral("qt.pointer.dispatch=false"));
        DefaultsController::setSharedStoreFactory(
            [] { return std::make_unique<InMemoryDefaultsStore>(); });
        MIDIOutput::setSharedLogFactory([] { return MidiLogCapture().sink(); });
        backgroundStart.install(journal, midiPort);
        delegate.launch();
        QCoreApplication::processEvents();
    }
    app::WindowController& settings() { return *delegate.settingsWindowController(); }
};

// Input as the toolkit and the settings panel deliver it. It keeps the fingers down and the button
// held as a window system does, forgetting them when the toolkit stops reporting them.
class SoakInput {
public:
    // What the soak's senders hold at the MIDI input: (sender, channel, note) and pedals.
    std::set<std::tuple<MidiSender, int, int>> incoming;
    std::set<std::pair<MidiSender, int>> incomingPedals;
    bool echoed = false;   // the last step sent something out of the MIDI output it received
    bool panicked = false; // the last step was a panic

    SoakInput(app::WindowController& settings, PianoWindowController& piano, FakeMidiPort*& midi,
              std::uint64_t seed)
        : settings_(settings), piano_(piano), midi_(midi), random_(seed) {
        stripWindow().applicationStateChanged(Qt::ApplicationActive);
        newDevice();
    }

    // Does one random thing; returns what, for the failure report.
    std::string randomStep() {
        using Step = std::string (SoakInput::*)();
        static constexpr std::pair<int, Step> steps[] = {{35, &SoakInput::touch},
                                                         {56, &SoakInput::mouse},
                                                         {70, &SoakInput::computerKey},
                                                         {82, &SoakInput::midiIn},
                                                         {83, &SoakInput::expression},
                                                         {84, &SoakInput::panic},
                                                         {88, &SoakInput::outputMode},
                                                         {90, &SoakInput::instrument},
                                                         {93, &SoakInput::layout},
                                                         {95, &SoakInput::stripVisibility},
                                                         {96, &SoakInput::deactivateWindow},
                                                         {100, &SoakInput::pianoWindowAway},
                                                         {106, &SoakInput::playerChannel}};
        echoed = panicked = false;
        const int pick = uniform(0, 105);
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
        for (ScanCode code = 10; code <= 114; ++code) {
            sendKey(code, false, false);
        }
        piano_.computerKeyboard().applyPendingReleases();
        piano_.wheel(0)->releaseHeldInput();
        piano_.wheel(1)->releaseHeldInput();
        if (midi_) {
            receive(0, 0); // every sender gone
        }
        QCoreApplication::processEvents();
        return "release everything";
    }

private:
    QtStripWindow& stripWindow() { return dynamic_cast<QtStripWindow&>(*piano_.strip()); }
    QtPianoWidget& strip() { return stripWindow().pianoWidget(); }
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

    // One of the computer keyboard's keys (the mapped ones, space 65, arrows 113 and 114) down
    // or up, now and then repeated; the releases' timer now and then runs out.
    void sendKey(ScanCode code, bool down, bool repeat) {
        const int key = code == 65    ? Qt::Key_Space
                        : code == 113 ? Qt::Key_Left
                        : code == 114 ? Qt::Key_Right
                                      : 0;
        QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, key, {}, code, 0, 0, {},
                        repeat);
        QCoreApplication::sendEvent(&window(), &event);
    }
    std::string computerKey() {
        // Now and then a chord of two keys in three: with MPE on, the 16th note takes a channel
        // from the oldest, which must end on both outputs.
        if (uniform(0, 15) == 0 && !windowAway_) {
            for (ScanCode code = 10; code <= 114; ++code) {
                semitoneForScanCode(code) && uniform(0, 2) ? sendKey(code, true, false) : void();
            }
            return "a chord";
        }
        ScanCode code = 0;
        while (!semitoneForScanCode(code = uniform(10, 114)) && code != 65 && code < 113) {
        }
        const bool down = uniform(0, 1) == 0, repeat = uniform(0, 7) == 0;
        windowAway_ ? void() : sendKey(code, down, repeat);
        uniform(0, 3) == 0 ? piano_.computerKeyboard().applyPendingReleases() : void();
        return "key " + std::to_string(code) + (down ? " down" : " up") + (repeat ? " again" : "");
    }
    std::string panic() {
        piano_.panic();
        incoming.clear();
        incomingPedals.clear();
        panicked = true;
        return "panic";
    }
    void receive(MidiSender sender, std::uint32_t word) {
        const std::size_t sent = midi_->sent.size();
        midi_->receive(sender, word);
        echoed = echoed || midi_->sent.size() != sent;
        const auto gone = [&](MidiSender s) {
            return !word && (!sender || s == sender);
        };
        std::erase_if(incoming, [&](auto& hold) { return gone(std::get<0>(hold)); });
        std::erase_if(incomingPedals, [&](auto& pedal) { return gone(pedal.first); });
    }
    // From sender 1..3 on channel 0..1, message 0..7 note-on, 8..15 note-off (mostly of a held
    // note), 16 pedal up, 17 down, 18 program change, 19 the sender gone, 20..29 shapeIn().
    std::string midiIn() {
        if (!midi_) { // nothing arrives before the input port exists
            return "no MIDI input yet";
        }
        auto hold = std::make_tuple(MidiSender(uniform(1, 3)), uniform(0, 1), uniform(0, 127));
        const int what = uniform(0, 29);
        if (what >= 20) {
            return shapeIn(std::get<0>(hold), what);
        }
        if (what >= 8 && what < 16 && !incoming.empty() && uniform(0, 3) != 0) {
            hold = *std::next(incoming.begin(), uniform(0, int(incoming.size()) - 1));
        }
        const auto [sender, channel, note] = hold;
        const auto c = std::uint8_t(channel), n = std::uint8_t(note);
        // A note ends by a note-off, or from message 12 by a note-on of velocity 0.
        const auto end = what < 12 ? ump::noteOffWord(n, c) : ump::noteOnWord(n, 0, c);
        receive(sender, what < 8    ? ump::noteOnWord(n, std::uint8_t(uniform(1, 127)), c)
                        : what < 16 ? end
                        : what < 18 ? ump::controlChangeWord(64, (what & 1) * 127, c)
                        : what < 19 ? ump::midi1Word(0xC0 | c, n, 0)
                                    : 0);
        what < 8 ? void(incoming.insert(hold)) : void(what < 16 && incoming.erase(hold));
        what == 17 ? void(incomingPedals.insert({sender, channel}))
                   : void(what == 16 && incomingPedals.erase({sender, channel}));
        return "sender " + std::to_string(sender) + " channel " + std::to_string(channel) +
               " message " + std::to_string(what) + " note " + std::to_string(note);
    }

    // On any channel 20 a pitch bend, 21 pressure, 22..27 a registered parameter (0 bend range,
    // 1 fine and 2 coarse tuning, 3..5 others), 28..29 a non-registered one, at any value.
    std::string shapeIn(MidiSender sender, int what) {
        const auto c = std::uint8_t(uniform(0, 15)), value = std::uint8_t(uniform(0, 127));
        const auto cc = [&](int controller, int v) {
            receive(sender, ump::controlChangeWord(std::uint8_t(controller), std::uint8_t(v), c));
        };
        if (what < 22) {
            receive(sender, ump::midi1Word(std::uint8_t((what == 20 ? 0xE0 : 0xD0) | c), value,
                                           std::uint8_t(uniform(0, 127))));
        } else {
            cc(what < 28 ? 101 : 99, what < 28 ? 0 : 120);
            cc(what < 28 ? 100 : 98, uniform(0, 5));
            uniform(0, 1) == 0 ? cc(38, uniform(0, 127)) : void();
            cc(6, value);
        }
        return "sender " + std::to_string(sender) + " channel " + std::to_string(c) + " message " +
               std::to_string(what) + " value " + std::to_string(value);
    }

    std::string stripVisibility() {
        stripShown_ = !stripShown_;
        stripWindow().applicationStateChanged(stripShown_ ? Qt::ApplicationActive
                                                          : Qt::ApplicationInactive);
        fingers_.clear(); // none go down while the strip is hidden
        // Shown, it is exposed before a finger can land on it: a hold on a window never exposed
        // is not released when it hides (HoldWatch), and no real finger makes one.
        QCoreApplication::processEvents();
        return stripShown_ ? "strip shown" : "strip hidden";
    }

    // MPE on or off, whatever is held: held keys sound again on the new channels; a switch ends
    // what the MIDI input holds, as when every sender goes. Or, as often, how MPE plays.
    std::string expression() {
        if (uniform(0, 1) == 0) {
            return mpeSetting();
        }
        const int index = uniform(0, 1);
        if (PianoController::sharedInstance().expression().isOn() != (index == 1)) {
            incoming.clear();
            incomingPedals.clear();
        }
        settings_.keyboard().expressionChanged(index);
        return index == 1 ? "MPE on" : "MPE off";
    }
    // How MPE plays, chosen on the Keyboard tab whatever is held: pitch rounding, timbre, zone,
    // members or bend range. A new zone or range ends the held notes and sounds them again there.
    std::string mpeSetting() {
        app::MpeGroup& mpe = settings_.keyboard().mpe();
        QComboBox* popUps[] = {mpe.pitchRoundingPopUp(), mpe.timbrePopUp(), mpe.zonePopUp()};
        QSpinBox* fields[] = {mpe.bendRangeField(), mpe.membersField()};
        const int which = uniform(0, 4);
        if (which < 3) {
            const int index = uniform(0, popUps[which]->count() - 1);
            emit popUps[which]->activated(index);
            return "MPE pop-up " + std::to_string(which) + " item " + std::to_string(index);
        }
        QSpinBox* field = fields[which - 3];
        field->setValue(uniform(field->minimum(), field->maximum()));
        return (which == 3 ? "bend range " : "members ") + std::to_string(field->value());
    }
    std::string outputMode() {
        const int tag = uniform(0, 2);
        settings_.general().outputModeChanged(tag);
        return "output mode " + std::to_string(tag);
    }
    // A slider of the panel (key width, note offset, black keys' touch area) moved anywhere on
    // its range, or the glissando switched, whatever is held: keys under the fingers and the
    // mouse change at once.
    std::string layout() {
        app::RealSlider* sliders[] = {settings_.general().keyWidthSlider(),
                                      settings_.general().noteOffsetSlider(),
                                      settings_.general().blackKeySlider()};
        const int which = uniform(0, 3);
        if (which == 3) {
            settings_.general().blackKeyGlissandoCheckbox()->click();
            return "glissando switched";
        }
        sliders[which]->setValue(uniform(sliders[which]->minimum(), sliders[which]->maximum()));
        return "slider " + std::to_string(which) + " at " + std::to_string(sliders[which]->value());
    }
    std::string instrument() {
        QComboBox& popUp = *settings_.general().instrumentPopUp();
        popUp.setCurrentIndex(uniform(0, popUp.count() - 1));
        settings_.general().instrumentChanged();
        return "instrument " + std::to_string(popUp.currentIndex());
    }

    // The MIDI tab and what it shows, whatever is held: the channel (held keys move to it), the
    // velocity, the wheels and knobs shown or not, the bend range; a wheel rolled by a pointer
    // that may stay on it; a knob turned; program out switched; the split or its instrument.
    std::string playerChannel() {
        app::MidiTab& tab = settings_.midi();
        const int what = uniform(0, 8);
        const auto field = [this](QSpinBox* box) {
            box->setValue(uniform(box->minimum(), box->maximum()));
            return std::to_string(box->value());
        };
        switch (what) {
        case 0:
            return "channel " + field(tab.channelField());
        case 1:
            return "velocity " + field(tab.velocityField());
        case 2:
            return "bend range " + field(tab.bendRangeField());
        case 3:
        case 4: {
            QCheckBox* box = std::array{tab.wheelsCheckbox(), tab.controllersCheckbox(),
                                        tab.programCheckbox()}[uniform(0, what == 3 ? 1 : 2)];
            box->click();
            return box->text().toStdString() + (box->isChecked() ? " on" : " off");
        }
        case 5:
            piano_.knobs().knob(static_cast<std::size_t>(uniform(0, 7)))->setValue(uniform(0, 127));
            return "knob turned";
        case 8: {
            QComboBox* popUp = uniform(0, 1) == 0 ? tab.splitPopUp() : tab.splitInstrumentPopUp();
            const int index = uniform(0, popUp->count() - 1);
            emit popUp->activated(index);
            return "split pop-up item " + std::to_string(index);
        }
        default: {
            WheelView& wheel = piano_.wheel(static_cast<std::size_t>(uniform(0, 1)))->view();
            const std::string pointer = "soak " + std::to_string(uniform(0, 1));
            const auto y = [this] {
                return real(-100, 400);
            };
            wheel.press(pointer, {10, y()});
            wheel.move(pointer, {10, y()});
            if (uniform(0, 1) == 0) {
                wheel.release(pointer);
            }
            return std::string(wheel.kind() == WheelView::Kind::pitch ? "pitch" : "modulation") +
                   " wheel at " + std::to_string(wheel.value()) + " by " + pointer;
        }
        }
    }

    app::WindowController& settings_;
    PianoWindowController& piano_;
    FakeMidiPort*& midi_; // null until the MIDI system has opened
    std::mt19937_64 random_;
    std::unique_ptr<QPointingDevice> device_;
    std::map<int, QPoint> fingers_;
    int nextFinger_ = 0;
    bool mouseHeld_ = false;
    bool stripShown_ = true;
    bool windowAway_ = false;
};

class SoakTest : public ::testing::Test {
protected:
    Application& app = *new Application;
    PianoController& model = PianoController::sharedInstance();
    SynthLedger synthHeard;
    MidiReceiverLedger midiHeard;
    Notes playing;

    // Compares keys, synthesiser and MIDI receiver after one step; empty when all agree.
    std::string check(const SoakInput& input) {
        synthHeard.forget(*app.journal);
        midiHeard.catchUp(*app.midiPort);
        const QMainWindow& window = *app.settings().keyboardWindow()->window();
        Notes now, received;
        for (const auto& [sender, channel, note] : input.incoming) {
            received.insert(static_cast<std::uint32_t>(note));
        }
        for (const PianoKey& key : model.keys()) {
            const bool stranded =
                key.isPressedOnScreen && (!window.isVisible() || window.isMinimized());
            const bool lit = received.count(static_cast<std::uint32_t>(key.note)) != 0;
            if (key.playing != key.isPressed() || stranded || key.isHeldByMidiIn != lit) {
                return "key " + std::to_string(key.note) +
                       (stranded ? " is held in a piano window that can no longer release it"
                        : key.isHeldByMidiIn != lit ? " is lit wrongly for the MIDI input"
                        : key.playing               ? " plays though no surface holds it"
                                                    : " is held but does not play");
            }
            if (key.playing) {
                now.insert(static_cast<std::uint32_t>(key.note));
            }
        }
        received.insert(now.begin(), now.end());
        playing = now;

        // An output holds only what may sound there, nothing while it is off, each note once.
        const auto agree = [](const char* what, const Notes& held, const Notes& may, bool on,
                              bool unique) {
            return includes(may, held) && (on || held.empty()) && unique
                       ? std::string()
                       : std::string(what) + " holds " + describe(held) + " while " +
                             describe(may) + " may sound, output " + (on ? "on. " : "off. ");
        };
        const Notes& sounding = model.soundController().soundingNotes();
        const std::uint32_t active = model.player().activeChannel();
        const std::optional<std::uint8_t> split = model.splitChannel(); // its pedal goes along
        const bool pedalWrong = synthHeard.pedalDown(0, active) != model.isSustained() ||
                                synthHeard.pedalDown(1) == input.incomingPedals.empty();
        return agree("the synthesiser", sounding, received, !model.soundController().isMuted(),
                     synthHeard.held() == sounding && synthHeard.maxCount() <= 1) +
               agree("a MIDI receiver", midiHeard.held(), now, MIDIOutput::shared().isEnabled(),
                     midiHeard.maxCount() <= 1) +
               (pedalWrong ? "the synthesiser's pedal is wrong. " : "") +
               ((midiHeard.pedalDown(0, active) && !model.isSustained()) ||
                        (split && midiHeard.pedalDown(0, *split) && !model.isSustained()) ||
                        midiHeard.pedalDownBeside(active, split.value_or(active))
                    ? "MIDI's pedal is stuck. "
                    : "") +
               (input.echoed ? "a message received went out of the MIDI output. " : "") +
               (input.panicked &&
                        !(now.empty() && synthHeard.held().empty() && midiHeard.held().empty())
                    ? "keys or notes outlast a panic. "
                    : "") +
               (input.panicked ? midiHeard.bentIdle() + untuned() : "");
    }

    // After a panic every synthesiser channel plays middle C in tune, with the chosen program
    // (the split's on its channel, or with MPE on the lower zone's).
    std::string untuned() const {
        const std::optional<std::uint8_t> split = model.splitChannel();
        const auto lower = static_cast<std::size_t>(model.expression().zones().front().members);
        for (std::size_t c = 0; c < synthHeard.channels.size(); ++c) {
            const bool below = split && (model.expression().isOn() ? c <= lower : c == *split);
            const int program = (below ? app.settings().midi().splitInstrumentPopUp()
                                       : app.settings().general().instrumentPopUp())
                                    ->currentData()
                                    .toInt() -
                                1;
            const ChannelModel& m = synthHeard.channels[c];
            if (std::abs(m.middleC(c) - 261.626) > 0.01 || m.program != program || m.cc[0] != 0 ||
                m.pressure != 0) {
                return "synthesiser channel " + std::to_string(c) +
                       " is not middle C in tune with program " + std::to_string(program) +
                       ", bank 0 and no pressure after a panic. ";
            }
        }
        return {};
    }
};

TEST_F(SoakTest, RandomPlayingNeverLeavesANoteSoundingThatNoKeyHolds) {
    const std::uint64_t seed = envNumber("TINKELLA_SOAK_SEED", 20261206);
    const std::uint64_t steps = envNumber("TINKELLA_SOAK_STEPS", 4000);
    SoakInput input(app.settings(), *app.settings().keyboardWindow(), app.midiPort, seed);
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
        problem = check(input);
        if (step == steps && !(playing.empty() && synthHeard.held().empty())) {
            problem += "keys " + describe(playing) + ", synthesiser " +
                       describe(synthHeard.held()) + " sound after everything was released";
        }
        if (step == steps) { // quitting recentres what the last notes left bent
            app.delegate.applicationWillTerminate();
            midiHeard.catchUp(*app.midiPort);
            problem += midiHeard.bentIdle();
            // The wheel let go leaves the synthesiser's channel of the player unbent too.
            problem += synthHeard.channels[model.player().activeChannel()].bend != 8192
                           ? "the synthesiser's player channel stays bent. "
                           : "";
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
