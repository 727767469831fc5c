// Drives the piano view's touch and mouse handlers and its layout setters with arbitrary numbers,
// NaN and infinities included, on a keyboard model over recording doubles. After every call no
// key may play without being held (nor be held without playing) and both outputs must hold
// exactly the playing notes; letting go of everything must leave nothing held.
#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "foundation/NotificationCenter.h"
#include "interfaces/StandardError.h"
#include "interfaces/SystemLog.h"
#include "model/PianoController.h"
#include "support/FakeAudioSystem.h"
#include "support/FakeMidiSystem.h"
#include "support/FakeViewHost.h"
#include "support/NoteLedger.h"
#include "support/RecordingDrawContext.h"
#include "view/PianoView.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <set>
#include <vector>

namespace tinkella::fuzz {
namespace {

using namespace testing;

// The fuzzer's bytes as small decisions and numbers; past the end every read answers zero.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return position_ >= size_; }
    std::uint8_t byte() { return position_ < size_ ? data_[position_++] : 0; }
    bool flag() { return (byte() & 1U) != 0; }

    // An awkward value, one on the keyboard's scale (-512 .. 3584 points in 1/16 steps, or a
    // small integer), or a double's raw bits.
    double number() {
        using limits = std::numeric_limits<double>;
        constexpr double inf = limits::infinity(), big = limits::max(),
                         floatMax = std::numeric_limits<float>::max();
        static constexpr double awkward[] = {
            limits::quiet_NaN(),  inf,   -inf,   0.0,    -0.0,    big,      -big,   limits::min(),
            limits::denorm_min(), 1e300, -1e300, 0x1p63, -0x1p63, floatMax, 1e-300, 96.0};
        switch (byte() % 4) {
        case 0:
            return awkward[byte() % std::size(awkward)];
        case 1:
            return static_cast<std::uint16_t>(byte() | (byte() << 8)) / 16.0 - 512.0;
        case 2:
            return static_cast<double>(byte()) - 20.0;
        default: {
            std::uint64_t bits = 0;
            for (int i = 0; i < 8; ++i) {
                bits = (bits << 8) | byte();
            }
            double value = 0;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        }
    }
    Point point() { return Point{number(), number()}; }

    // A double beyond float's range converts to float undefinedly; the toolkit hands such
    // values over as infinities, and so does this.
    float floatNumber() {
        const double value = number();
        if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
            return static_cast<float>(
                std::copysign(std::numeric_limits<double>::infinity(), value));
        }
        return static_cast<float>(value);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

class DiscardingStandardError : public StandardErrorWriter {
public:
    void write(std::string_view) override {}
};

[[noreturn]] void fail(const char* what, std::int64_t note = -1) {
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
        if (controller->soundController().soundingNotes() != playing ||
            synthHeard.held() != playing || synthHeard.maxCount() > 1 ||
            midiHeard.held() != playing || midiHeard.maxCount() > 1) {
            fail("an output holds other notes than the playing keys");
        }
    }
    PianoView& either(FuzzInput& in) { return in.flag() ? *strip : *window; }
};

std::string fingerName(std::uint8_t b) {
    static const char* const names[] = {"a", "b", "c", "d", "e", "mouse", ""};
    return names[b % 7];
}

std::vector<TouchRecord> touches(FuzzInput& in) {
    static constexpr TouchPhase phases[] = {TouchPhase::began, TouchPhase::moved,
                                            TouchPhase::stationary, TouchPhase::ended,
                                            TouchPhase::cancelled};
    std::vector<TouchRecord> list(in.byte() % 4);
    for (TouchRecord& t : list) {
        t.identity = fingerName(in.byte());
        const std::uint8_t flags = in.byte();
        t.phase = phases[flags % 5];
        t.type = (flags & 0x80U) != 0 ? TouchType::indirect : TouchType::direct;
        t.location = in.point();
    }
    return list;
}

using Step = void (*)(Keyboard&, FuzzInput&);
constexpr Step steps[] = {
    [](Keyboard& k, FuzzInput& in) { k.strip->touchesBegan(touches(in)); },
    [](Keyboard& k, FuzzInput& in) { k.strip->touchesMoved(touches(in)); },
    [](Keyboard& k, FuzzInput& in) { k.strip->touchesEnded(touches(in)); },
    [](Keyboard& k, FuzzInput& in) { k.strip->touchesCancelled(touches(in)); },
    [](Keyboard& k, FuzzInput& in) { k.window->mouseDown(in.point()); },
    [](Keyboard& k, FuzzInput& in) { k.window->mouseDragged(in.point()); },
    [](Keyboard& k, FuzzInput& in) { k.window->mouseUp(in.point()); },
    [](Keyboard& k, FuzzInput& in) { k.either(in).setKeyWidth(in.floatNumber()); },
    [](Keyboard& k, FuzzInput& in) { k.either(in).setNoteOffset(in.floatNumber()); },
    [](Keyboard& k, FuzzInput& in) { k.strip->setBlackKeyTouchArea(in.number()); },
    [](Keyboard& k, FuzzInput& in) { k.strip->setBlackKeyGlissando(in.flag()); },
    [](Keyboard& k, FuzzInput& in) {
        const Rect bounds(in.number(), in.number(), in.number(), in.number());
        (in.flag() ? k.stripHost : k.windowHost).setBounds(bounds);
    },
    [](Keyboard& k, FuzzInput& in) {
        RecordingDrawContext context;
        k.either(in).draw(context);
    },
    [](Keyboard& k, FuzzInput& in) {
        PianoView& view = k.either(in);
        const Point p = in.point();
        (void)view.touchBarKeyHitTest(p);
        (void)view.mouseKeyHitTest(p);
        (void)view.getVisibleKeys();
    },
    [](Keyboard& k, FuzzInput& in) { k.either(in).storeKeyWidth(in.number()); },
    [](Keyboard& k, FuzzInput&) { k.controller->redoPlayingNotes(); },
};

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
        fail("a finger is still tracked after every finger was cancelled");
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
    for (int n = 0; n < 256 && !in.empty(); ++n) {
        steps[in.byte() % std::size(steps)](keyboard, in);
        keyboard.check();
    }
    releaseEverything(keyboard);
    return 0;
}
