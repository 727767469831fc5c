// Drives the piano view's touch, mouse and layout entry points with arbitrary numbers on a model
// over recording doubles. After every call the keys held must be the keys playing and both
// outputs must hold exactly those; letting go of everything must leave nothing held.
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"
#include "foundation/NotificationCenter.h"
#include "interfaces/DrawContext.h"
#include "interfaces/StandardError.h"
#include "model/PianoController.h"
#include "support/FakeMidiPort.h"
#include "support/FakeSynthesizer.h"
#include "support/FakeViewHost.h"
#include "support/NoteLedger.h"
#include "view/PianoView.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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

    // An awkward value, one on the keyboard's scale (-512 .. 3584 points in 1/16 steps), or a
    // double's raw bits.
    double number() {
        using limits = std::numeric_limits<double>;
        constexpr double inf = limits::infinity(), big = limits::max(),
                         floatMax = std::numeric_limits<float>::max();
        static constexpr double awkward[] = {
            limits::quiet_NaN(),  inf,   -inf,   0.0,    -0.0,    big,      -big,   limits::min(),
            limits::denorm_min(), 1e300, -1e300, 0x1p63, -0x1p63, floatMax, 1e-300, 96.0};
        const std::uint8_t how = byte() % 3;
        if (how < 2) {
            return how == 0 ? awkward[byte() % std::size(awkward)]
                            : static_cast<std::uint16_t>(byte() | (byte() << 8)) / 16.0 - 512.0;
        }
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) {
            bits = (bits << 8) | byte();
        }
        return std::bit_cast<double>(bits);
    }
    Point point() { return Point{number(), number()}; }

    // A double beyond float's range converts to float undefinedly; the toolkit hands such
    // values over as infinities, and so does this.
    float floatNumber() {
        const double value = number();
        return static_cast<float>(
            std::fabs(value) > std::numeric_limits<float>::max()
                ? std::copysign(std::numeric_limits<double>::infinity(), value)
                : value);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

struct DiscardingStandardError : StandardErrorWriter {
    void write(std::string_view) override {}
};

// Drawing is exercised for the geometry it computes; what it would paint is not looked at.
struct DiscardingDrawContext : DrawContext {
    void setFillColor(const Color&) override {}
    void setStrokeColor(const Color&) override {}
    void fillRect(const Rect&) override {}
    void strokeRect(const Rect&) override {}
    void clipToRect(const Rect&) override {}
    void setShadow(Size, double, const Color&) override {}
    void beginPath() override {}
    void moveTo(Point) override {}
    void addArc(Point, double, double, double, bool) override {}
    void addLineTo(Point) override {}
    void fillPath() override {}
    void strokePath() override {}
    void drawText(std::string_view, const Rect&, const TextAttributes&) override {}
};

[[noreturn]] void fail(const char* what, std::int64_t note = -1) {
    std::fprintf(stderr, "fuzz_piano_view: %s (note %lld)\n", what, static_cast<long long>(note));
    std::abort();
}

struct Keyboard {
    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
    std::unique_ptr<FakeMidiPort> ownedMidi = std::make_unique<FakeMidiPort>();
    FakeMidiPort& midiPort = *ownedMidi;
    MIDIOutput midi{std::move(ownedMidi),
                    MidiLogSink{nullptr, std::make_unique<DiscardingStandardError>()}};
    NotificationCenter center;
    PianoController controller{std::make_unique<SoundController>(FakeSynthesizer::opener(journal)),
                               midi, center};
    FakeViewHost stripHost{Rect(0, 0, 1085, 30)};
    FakeViewHost windowHost{Rect(0, 0, 800, 120)};
    PianoView strip{stripHost.bounds(), true, controller, center};
    PianoView window{windowHost.bounds(), false, controller, center};
    SynthLedger synthHeard;
    MidiReceiverLedger midiHeard;

    Keyboard() {
        strip.setHost(&stripHost);
        window.setHost(&windowHost);
    }
    ~Keyboard() {
        strip.setHost(nullptr);
        window.setHost(nullptr);
    }

    void check() {
        synthHeard.forget(*journal);
        midiHeard.catchUp(midiPort);
        std::set<std::uint32_t> playing;
        for (const PianoKey& key : controller.keys()) {
            if (key.playing != key.isPressed()) {
                fail("a key plays without being held, or is held without playing", key.note);
            }
            if (key.playing) {
                playing.insert(static_cast<std::uint32_t>(key.note));
            }
        }
        if (controller.soundController().soundingNotes() != playing ||
            synthHeard.held() != playing || synthHeard.maxCount() > 1 ||
            midiHeard.held() != playing || midiHeard.maxCount() > 1) {
            fail("an output holds other notes than the playing keys");
        }
    }
    PianoView& either(FuzzInput& in) { return in.flag() ? strip : window; }
};

constexpr const char* fingers[] = {"a", "b", "c", "d", "e", "mouse", ""};

std::vector<TouchRecord> touches(FuzzInput& in) {
    std::vector<TouchRecord> list(in.byte() % 4);
    for (TouchRecord& t : list) {
        t.identity = fingers[in.byte() % std::size(fingers)];
        const std::uint8_t flags = in.byte();
        t.phase = static_cast<TouchPhase>(1 << (flags % 5)); // began .. cancelled
        t.type = (flags & 0x80U) != 0 ? TouchType::indirect : TouchType::direct;
        t.location = in.point();
    }
    return list;
}

using Step = void (*)(Keyboard&, FuzzInput&);
constexpr Step steps[] = {
    [](Keyboard& k, FuzzInput& in) { k.strip.touchesBegan(touches(in)); },
    [](Keyboard& k, FuzzInput& in) { k.strip.touchesMoved(touches(in)); },
    [](Keyboard& k, FuzzInput& in) { k.strip.touchesEnded(touches(in)); },
    [](Keyboard& k, FuzzInput& in) { k.strip.touchesCancelled(touches(in)); },
    [](Keyboard& k, FuzzInput& in) { k.window.mouseDown(in.point()); },
    [](Keyboard& k, FuzzInput& in) { k.window.mouseDragged(in.point()); },
    [](Keyboard& k, FuzzInput& in) { k.window.mouseUp(in.point()); },
    [](Keyboard& k, FuzzInput& in) { k.either(in).setKeyWidth(in.floatNumber()); },
    [](Keyboard& k, FuzzInput& in) { k.either(in).setNoteOffset(in.floatNumber()); },
    [](Keyboard& k, FuzzInput& in) { k.strip.setBlackKeyTouchArea(in.number()); },
    [](Keyboard& k, FuzzInput& in) { k.strip.setBlackKeyGlissando(in.flag()); },
    [](Keyboard& k, FuzzInput& in) {
        (in.flag() ? k.stripHost : k.windowHost)
            .setBounds(Rect(in.number(), in.number(), in.number(), in.number()));
    },
    [](Keyboard& k, FuzzInput& in) {
        DiscardingDrawContext context;
        k.either(in).draw(context);
    },
    [](Keyboard& k, FuzzInput& in) { k.either(in).storeKeyWidth(in.number()); },
    [](Keyboard& k, FuzzInput&) { k.controller.redoPlayingNotes(); },
};

void releaseEverything(Keyboard& k) {
    std::vector<TouchRecord> ends;
    for (const char* finger : fingers) {
        ends.push_back(TouchRecord{finger, TouchPhase::cancelled, TouchType::direct, {}, {}});
    }
    k.strip.touchesCancelled(ends);
    if (k.window.mousePosition()) {
        k.window.mouseUp(*k.window.mousePosition());
    }
    if (k.strip.touchCount() != 0) {
        fail("a finger is still tracked after every finger was cancelled");
    }
    k.check();
    if (!k.controller.soundController().soundingNotes().empty()) {
        fail("a key is still held after everything was released");
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
