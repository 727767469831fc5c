// Drives the two input entry points of the piano view (the strip's touch handlers and the
// window's mouse handlers) and its layout setters with arbitrary numbers, NaN and infinities
// included, on a keyboard model over recording doubles. Beyond the sanitizers it checks after
// every call that no key plays without being held (nor is held without playing), that both
// outputs' listeners hold exactly the playing notes, and that letting go of everything leaves
// nothing sounding.
#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "fuzz/FuzzInput.h"
#include "model/PianoController.h"
#include "support/RecordingDrawContext.h"
#include "interfaces/StandardError.h"
#include "interfaces/SystemLog.h"
#include "foundation/NotificationCenter.h"
#include "support/FakeAudioSystem.h"
#include "support/FakeMidiSystem.h"
#include "support/FakeViewHost.h"
#include "support/NoteLedger.h"
#include "view/PianoView.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tinkella::fuzz {
namespace {

using testing::AudioJournal;
using testing::FakeAudioSystem;
using testing::FakeMidiSystem;
using testing::FakeViewHost;
using testing::MidiReceiverLedger;
using testing::SynthLedger;

class DiscardingStandardError : public StandardErrorWriter {
public:
    void write(std::string_view) override {}
};

[[noreturn]] void fail(const char* what, std::int64_t note) {
    std::fprintf(stderr, "fuzz_piano_view: %s (note %lld)\n", what, static_cast<long long>(note));
    std::abort();
}

struct Keyboard {
    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
    FakeMidiSystem* midiSystem = nullptr;
    std::unique_ptr<MIDIOutput> midi;
    NotificationCenter center;
    std::unique_ptr<PianoController> controller;
    FakeViewHost stripHost{Rect(0, 0, 1085, 30)};
    FakeViewHost windowHost{Rect(0, 0, 800, 120)};
    std::unique_ptr<PianoView> strip;
    std::unique_ptr<PianoView> window;
    SynthLedger synthHeard;
    MidiReceiverLedger midiHeard;

    Keyboard() {
        auto system = std::make_unique<FakeMidiSystem>();
        midiSystem = system.get();
        midi = std::make_unique<MIDIOutput>(
            std::move(system), MidiLogSink{std::make_unique<NullSystemLog>(),
                                           std::make_unique<DiscardingStandardError>()});
        controller = std::make_unique<PianoController>(
            std::make_unique<SoundController>(std::make_unique<FakeAudioSystem>(journal)), *midi,
            center);
        strip = std::make_unique<PianoView>(stripHost.bounds(), true, *controller, center);
        strip->setHost(&stripHost);
        window = std::make_unique<PianoView>(windowHost.bounds(), false, *controller, center);
        window->setHost(&windowHost);
    }
    ~Keyboard() {
        strip->setHost(nullptr);
        window->setHost(nullptr);
    }

    void check() {
        synthHeard.forget(*journal);
        midiHeard.catchUp(*midiSystem);
        std::set<std::uint32_t> playing;
        for (const PianoKey& key : controller->keys()) {
            if (key.playing != key.isPressed()) {
                fail(key.playing ? "key plays though no surface holds it"
                                 : "key is held but does not play",
                     key.note);
            }
            if (key.playing) {
                playing.insert(static_cast<std::uint32_t>(key.note));
            }
        }
        if (controller->soundController().soundingNotes() != playing) {
            fail("synthesiser's record differs from the playing keys", -1);
        }
        if (synthHeard.held() != playing || synthHeard.maxCount() > 1) {
            fail("synthesiser heard other notes than the playing keys", -1);
        }
        if (midiHeard.held() != playing || midiHeard.maxCount() > 1) {
            fail("MIDI receiver holds other notes than the playing keys", -1);
        }
    }
};

std::string fingerName(std::uint8_t b) {
    static const char* const names[] = {"a", "b", "c", "d", "e", "mouse", ""};
    return names[b % 7];
}

TouchPhase phaseOf(std::uint8_t b) {
    static constexpr TouchPhase phases[] = {TouchPhase::began, TouchPhase::moved,
                                            TouchPhase::stationary, TouchPhase::ended,
                                            TouchPhase::cancelled};
    return phases[b % 5];
}

std::vector<TouchRecord> touches(FuzzInput& in) {
    std::vector<TouchRecord> list;
    const int count = in.byte() % 4;
    for (int i = 0; i < count; ++i) {
        TouchRecord t;
        t.identity = fingerName(in.byte());
        const std::uint8_t flags = in.byte();
        t.phase = phaseOf(flags);
        t.type = (flags & 0x80U) != 0 ? TouchType::indirect : TouchType::direct;
        t.location = Point{in.number(), in.number()};
        list.push_back(std::move(t));
    }
    return list;
}

void step(Keyboard& k, FuzzInput& in) {
    PianoView& strip = *k.strip;
    PianoView& window = *k.window;
    switch (in.byte() % 16) {
    case 0:
        strip.touchesBegan(touches(in));
        break;
    case 1:
        strip.touchesMoved(touches(in));
        break;
    case 2:
        strip.touchesEnded(touches(in));
        break;
    case 3:
        strip.touchesCancelled(touches(in));
        break;
    case 4:
        window.mouseDown(Point{in.number(), in.number()});
        break;
    case 5:
        window.mouseDragged(Point{in.number(), in.number()});
        break;
    case 6:
        window.mouseUp(Point{in.number(), in.number()});
        break;
    case 7:
        ((in.byte() & 1U) != 0 ? strip : window).setKeyWidth(in.floatNumber());
        break;
    case 8:
        ((in.byte() & 1U) != 0 ? strip : window).setNoteOffset(in.floatNumber());
        break;
    case 9:
        strip.setBlackKeyTouchArea(in.number());
        break;
    case 10:
        strip.setBlackKeyGlissando((in.byte() & 1U) != 0);
        break;
    case 11: {
        const Rect bounds(in.number(), in.number(), in.number(), in.number());
        ((in.byte() & 1U) != 0 ? k.stripHost : k.windowHost).setBounds(bounds);
        break;
    }
    case 12: {
        RecordingDrawContext context;
        ((in.byte() & 1U) != 0 ? strip : window).draw(context);
        break;
    }
    case 13: {
        PianoView& view = (in.byte() & 1U) != 0 ? strip : window;
        const Point p{in.number(), in.number()};
        (void)view.touchBarKeyHitTest(p);
        (void)view.mouseKeyHitTest(p);
        (void)view.getVisibleKeys();
        break;
    }
    case 14:
        ((in.byte() & 1U) != 0 ? strip : window).storeKeyWidth(in.number());
        break;
    default:
        k.controller->redoPlayingNotes();
        break;
    }
}

// Lets go of every finger the strip tracks and of the mouse button.
void releaseEverything(Keyboard& k) {
    std::vector<TouchRecord> ends;
    for (std::uint8_t b = 0; b < 7; ++b) {
        ends.push_back(TouchRecord{fingerName(b), TouchPhase::cancelled, TouchType::direct, {}});
    }
    k.strip->touchesCancelled(ends);
    if (k.window->mousePosition()) {
        k.window->mouseUp(*k.window->mousePosition());
    }
    if (k.strip->touchCount() != 0) {
        fail("a finger is still tracked after every finger was cancelled", -1);
    }
    k.check();
    for (const PianoKey& key : k.controller->keys()) {
        if (key.isPressed()) {
            fail("key still held after everything was released", key.note);
        }
    }
}

} // namespace
} // namespace tinkella::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tinkella::fuzz;
    FuzzInput in(data, size);
    Keyboard keyboard;
    for (int steps = 0; steps < 256 && !in.empty(); ++steps) {
        step(keyboard, in);
        keyboard.check();
    }
    releaseEverything(keyboard);
    return 0;
}
