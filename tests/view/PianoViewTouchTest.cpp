// The strip's touch zones and glissando, and the window's black-key rectangles, at their edges;
// the names and the scale drawn on the keys.
#include "foundation/NotificationCenter.h"
#include "interfaces/DrawContext.h"
#include "interfaces/ViewHost.h"
#include "model/PianoController.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"
#include "support/FakeSynthesizer.h"
#include "view/PianoView.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace tinkella::testing {
namespace {

// A host with settable bounds.
class FakeViewHost : public ViewHost {
public:
    Rect bounds() const override { return bounds_; }
    void setNeedsDisplay() override {}
    void setBounds(Rect bounds) { bounds_ = bounds; }

private:
    Rect bounds_;
};

// A keyboard model on test doubles (recording synthesiser, unavailable MIDI output, private
// notification centre) and one view in a fake host.
class PianoViewTest : public ::testing::Test {
protected:
    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
    MIDIOutput midi{nullptr};
    NotificationCenter center;
    PianoController controller{std::make_unique<SoundController>(FakeSynthesizer::opener(journal)),
                               midi, center};
    FakeViewHost host;
    std::unique_ptr<PianoView> view;

    // A view of the given kind and size in points, key width 50, note offset 0.
    PianoView& makeView(bool onTouchBar, double width, double height) {
        host.setBounds(Rect(0, 0, width, height));
        view = std::make_unique<PianoView>(host.bounds(), onTouchBar, controller, center);
        view->setHost(&host);
        view->storeNoteOffset(0);
        return *view;
    }
    void TearDown() override { view->setHost(nullptr); }

    // Notes held by the strip, in note order.
    std::vector<std::int64_t> held() const {
        std::vector<std::int64_t> notes;
        for (const PianoKey& k : controller.keys()) {
            if (k.isPressedOnTouchBar) {
                notes.push_back(k.note);
            }
        }
        return notes;
    }
    // Note starts and ends the synthesiser received since the last call, as "on 60 off 61 ".
    std::string takeNoteEvents() {
        std::string events;
        for (const AudioStep& step : journal->steps) {
            if (step.kind == AudioStep::MidiEvent && (step.a == 0x90U || step.a == 0x80U)) {
                events += (step.a == 0x90U ? "on " : "off ") + std::to_string(step.b) + " ";
            }
        }
        journal->steps.clear();
        return events;
    }
    static TouchRecord touch(std::string identity, TouchPhase phase, double x, double y = 10,
                             TouchType type = TouchType::direct,
                             std::optional<double> pressure = {}) {
        return TouchRecord{std::move(identity), phase, type, Point{x, y}, pressure};
    }
};

using Notes = std::vector<std::int64_t>;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// A strip view 1000 x 30 showing the keyboard from slot 0 at x = 0, key width 50.
class TouchStrip : public PianoViewTest {
protected:
    void SetUp() override { makeView(true, 1000, 30); }

    void down(const std::string& id, double x, double y = 10) {
        view->touchesBegan({touch(id, TouchPhase::began, x, y)});
    }
    void move(const std::string& id, double x) {
        view->touchesMoved({touch(id, TouchPhase::moved, x)});
    }
    void up(const std::string& id) { view->touchesEnded({touch(id, TouchPhase::ended, 0)}); }
};

TEST_F(TouchStrip, ZonesReachIntoTheNeighboursAsTheTouchAreaSays) {
    const struct {
        double area, x, y;
        std::int64_t top, natural; // -1: nothing
    } cases[] = {
        {0.5, 40, 10, 1, 0},
        {0.5, 55, 10, 1, 2},
        {0.5, 149, 10, 4, 4},
        {0.5, 151, 10, 5, 5},
        {0.5, 40, 29.9, 1, 0},
        {0.5, 40, -0.001, -1, -1},
        {0.5, 40, 30, -1, -1},
        {0.5, 3500, 10, -1, -1},
        {0.5, 3499.9, 10, 119, 119},
        {0.5, nan, 10, -1, -1},
        {0.5, 1e300, 1e300, -1, -1},
        // Full area: only slivers of the naturals are left.
        {1, 75, 10, 2, 2},
        {1, 74.999, 10, 1, 2},
        {1, 75.001, 10, 3, 2},
        {1, 25.001, 10, 1, 0},
        // Overlapping zones favour the left neighbour.
        {1.6, 75, 10, 1, 2},
        {0, 40, 10, 0, 0},
    };
    for (const auto& c : cases) {
        view->setBlackKeyTouchArea(c.area);
        const TouchBarHit hit = view->touchBarKeyHitTest({c.x, c.y});
        EXPECT_EQ(hit.top ? hit.top->note : -1, c.top) << c.area << " " << c.x << " " << c.y;
        EXPECT_EQ(hit.natural ? hit.natural->note : -1, c.natural) << c.area << " " << c.x;
    }
}

// The note one finger holds after going down at the first x and after each move.
TEST_F(TouchStrip, GlissandoCatchesBlackKeysOnlyWhenSwitchedOnOrStartedOnOne) {
    const struct {
        bool glissando;
        std::vector<double> path;
        Notes played;
    } cases[] = {
        {false, {125, 170, 195, 205, 230}, {4, 5, 5, 7, 7}},
        {true, {125, 170, 195, 205, 230}, {4, 5, 6, 6, 7}},
        {false, {195, 205, 225, 245, 255, 280, 230, 198}, {6, 6, 7, 7, 9, 9, 7, 6}},
    };
    for (const auto& c : cases) {
        view->setBlackKeyGlissando(c.glissando);
        Notes played;
        for (std::size_t i = 0; i < c.path.size(); ++i) {
            i == 0 ? down("f", c.path[0]) : move("f", c.path[i]);
            played.push_back(held().at(0));
        }
        EXPECT_EQ(played, c.played) << c.glissando;
        up("f");
    }
    down("f", 125); // E: switched on while held, then off again, the first note stays E
    view->setBlackKeyGlissando(true);
    move("f", 195);
    EXPECT_EQ(held(), Notes{6});
    view->setBlackKeyGlissando(false);
    move("f", 196);
    EXPECT_EQ(held(), Notes{5});
}

TEST_F(TouchStrip, FingerFromTheMarginTakesItsFirstKeyOnArrival) {
    view->storeKeyWidth(10); // keyboard 150..850
    down("m", 100);
    EXPECT_EQ(held(), Notes{});
    move("m", 158); // C sharp's zone: the first key this finger reaches
    EXPECT_EQ(held(), Notes{1});
    move("m", 165);
    move("m", 161); // back in C sharp's zone, inside D's slot
    EXPECT_EQ(held(), Notes{1});
}

TEST_F(TouchStrip, FingersShareKeysAndSlidesEndBeforeTheyStartInPitchOrder) {
    view->touchesBegan({touch("a", TouchPhase::began, 10), touch("b", TouchPhase::began, 20),
                        touch("c", TouchPhase::began, 125),
                        touch("i", TouchPhase::began, 75, 10, TouchType::indirect),
                        touch("m", TouchPhase::moved, 210), touch("n", TouchPhase::began, nan)});
    EXPECT_EQ(takeNoteEvents(), "on 0 on 4 ");
    move("c", 175);
    EXPECT_EQ(takeNoteEvents(), "off 4 on 5 ");
    move("c", 125);
    EXPECT_EQ(takeNoteEvents(), "on 4 off 5 ");
    view->touchesCancelled({touch("a", TouchPhase::cancelled, 10)});
    view->touchesEnded(
        {touch("b", TouchPhase::cancelled, 10), touch("ghost", TouchPhase::ended, 0)});
    EXPECT_EQ(takeNoteEvents(), "");
    view->touchesCancelled({touch("b", TouchPhase::cancelled, 10)});
    EXPECT_EQ(takeNoteEvents(), "off 0 ");
    EXPECT_EQ(view->touchCount(), 2U);
}

TEST_F(TouchStrip, OffsetAndWidthChangesReResolveHeldFingersAtOnce) {
    makeView(true, 600, 30);
    down("a", 10); // C
    takeNoteEvents();
    view->setNoteOffset(static_cast<float>(96.0 * 100.0 / 2900.0)); // 100 points on: E
    EXPECT_EQ(takeNoteEvents(), "off 0 on 4 ");
    view->setKeyWidth(static_cast<float>(nan)); // no key anywhere, and nothing left sounding
    EXPECT_EQ(takeNoteEvents(), "off 4 ");
    view->setKeyWidth(50);
    EXPECT_EQ(takeNoteEvents(), "on 4 ");
    view->setKeyWidth(5); // narrow keyboard centred in 600: the finger is off it
    EXPECT_EQ(held(), Notes{});
}

TEST_F(PianoViewTest, WindowBlackKeysAreHitInTheirDrawnRectangleOnly) {
    makeView(false, 1000, 100);
    // C sharp covers x 33.5..66.5, y 50..100: left and bottom edges in, right and top out.
    const struct {
        double x, y;
        std::int64_t note;
    } cases[] = {{60, 75, 1},   {60, 25, 2},   {66.5, 75, 2},      {33.5, 75, 1}, {60, 50, 1},
                 {60, 100, -1}, {nan, 75, -1}, {3499.99, 10, 119}, {3500, 10, -1}};
    for (const auto& c : cases) {
        const PianoKey* k = view->mouseKeyHitTest({c.x, c.y});
        EXPECT_EQ(k ? k->note : -1, c.note) << c.x << " " << c.y;
    }
}

// On: loudest at the key's front edge, softest at its back (a black key's own length), times the
// pressure; off: 127 anywhere. The key's next note is back at 127 either way.
TEST_F(PianoViewTest, VelocityFollowsThePlaceOnTheKeyAndThePressureOnlyWhenSwitchedOn) {
    const struct {
        bool strip, on;
        double x, y;
        std::optional<double> pressure;
        std::uint32_t note, velocity;
    } cases[] = {
        {false, false, 10, 99, 0.1, 0, 127}, {false, true, 10, 0, {}, 0, 127},
        {false, true, 10, 50, {}, 0, 64},    {false, true, 10, 99.9, {}, 0, 1},
        {false, true, 50, 50, {}, 1, 127},   {false, true, 50, 75, {}, 1, 64},
        {false, true, 10, 0, 0.5, 0, 64},    {false, true, 10, 0, 0.0, 0, 1},
        {true, false, 10, 90, 0.2, 0, 127},  {true, true, 10, 0, 0.25, 0, 32},
        {true, true, 45, 10, {}, 1, 127},    {true, true, 45, 90, {}, 1, 25},
    };
    for (const auto& c : cases) {
        makeView(c.strip, 500, 100).setVelocityFromTouch(c.on);
        if (c.strip) {
            view->touchesBegan(
                {touch("f", TouchPhase::began, c.x, c.y, TouchType::direct, c.pressure)});
        } else {
            view->mouseDown({c.x, c.y}, c.pressure);
        }
        const auto on = std::find_if(journal->steps.begin(), journal->steps.end(),
                                     [](const AudioStep& s) { return s.a == 0x90U; });
        ASSERT_NE(on, journal->steps.end());
        EXPECT_EQ(on->b, c.note) << c.x << "," << c.y;
        EXPECT_EQ(on->c, c.velocity) << c.x << "," << c.y;
        EXPECT_EQ(controller.keys()[c.note].velocity, 127);
        c.strip ? view->touchesEnded({touch("f", TouchPhase::ended, c.x, c.y)})
                : view->mouseUp({c.x, c.y});
        journal->steps.clear();
    }
}

// With MPE the pitch follows the keys' centres, black keys included, from where the press began;
// a slide keeps its note (as transposed when it began) and bends it, on the window and strip alike.
TEST_F(PianoViewTest, MpeSlidesBendFromKeyCentreToKeyCentre) {
    for (const bool strip : {false, true}) {
        PianoView& v = makeView(strip, 3500, 100); // middle C's centre at 1775, D's at 1825
        const PianoKey& c = controller.keys()[60];
        // x, anchor, bend: D, C sharp, halfway from E to F; A sharp to B after an off-centre press.
        const double cases[] = {1825, 1775, 2, 1800, 1775, 1, 1900, 1775, 4.5, 1712.5, 1760, -1.5};
        for (std::size_t i = 0; i < std::size(cases); i += 3) {
            EXPECT_DOUBLE_EQ(v.bendAt(cases[i], c, cases[i + 1]), cases[i + 2]) << cases[i];
        }
        controller.setTranspose(strip ? 2 : 0); // the transposed note is the one bent
        controller.setExpression(true);
        strip ? v.touchesBegan({touch("f", TouchPhase::began, 1775)}) : v.mouseDown({1775, 10});
        controller.setTranspose(0);
        strip ? v.touchesMoved({touch("f", TouchPhase::moved, 1825)}) : v.mouseDragged({1825, 10});
        EXPECT_TRUE(c.isPressed() && !controller.keys()[62].isPressed());
        controller.expression().flush();
        const AudioStep& last = journal->steps.back();
        EXPECT_EQ(std::tuple(last.a, last.b | (last.c << 7)), std::tuple(0xE1U, 8533U));
        strip ? v.touchesEnded({touch("f", TouchPhase::ended, 1825)}) : v.mouseUp({1825, 10});
        controller.setExpression(false);
    }
}

// Keeps the texts drawn and the rectangles filled in a colour neither grey 0.92 nor white.
struct RecordingContext : DrawContext {
    void setFillColor(const Color& color) override { fill = color; }
    void fillRect(const Rect& rect) override {
        std::string& marked = fill.alpha < 1 ? tinted : dimmed;
        if (fill.alpha < 1 || (fill.red > 0.5 && fill.red < 0.9)) {
            marked += std::to_string(static_cast<int>(rect.origin.x / rect.size.width)) + " ";
        }
    }
    void drawText(std::string_view text, const Rect& rect, const TextAttributes& a) override {
        const auto glyphs =
            std::count_if(text.begin(), text.end(), [](char b) { return (b & 0xC0) != 0x80; });
        // Fits the key's width, readable, light on sharps (drawn above the naturals' fronts).
        EXPECT_LE(a.fontSize * 0.62 * static_cast<double>(glyphs), rect.size.width - 2) << text;
        EXPECT_GE(a.fontSize, 7) << text;
        EXPECT_EQ(a.foregroundColor.red > 0.5, rect.origin.y > 0) << text;
        texts.emplace_back(text);
    }
    void setStrokeColor(const Color&) override {}
    void strokeRect(const Rect&) override {}
    void clipToRect(const Rect&) override {}
    void setShadow(Size, double, const Color&) override {}
    void beginPath() override {}
    void moveTo(Point) override {}
    void addArc(Point, double, double, double, bool) override {}
    void addLineTo(Point) override {}
    void fillPath() override {}
    void strokePath() override {}
    Color fill;
    std::string dimmed;
    std::string tinted; // translucent fills: the keys below the split
    std::vector<std::string> texts;
};

// Names fit or go, octave labels stay as they were, the scale dims naturals outside it and the
// split tints those below it.
TEST_F(PianoViewTest, KeyNamesFitTheirKeysAndTheScaleDimsTheKeysOutsideIt) {
    using preferences::KeyLabels;
    const struct {
        bool strip;
        double keyWidth;
        KeyLabels labels;
        std::size_t texts;
        const char* first;
    } cases[] = {{false, 50, KeyLabels::octave, 0, ""},      {false, 50, KeyLabels::none, 0, ""},
                 {false, 50, KeyLabels::c, 3, "C0"},         {false, 50, KeyLabels::all, 25, "C0"},
                 {false, 26, KeyLabels::solfege, 25, "Do0"}, {true, 10, KeyLabels::all, 15, "C"}};
    for (const auto& c : cases) {
        PianoView& v = makeView(c.strip, 14 * c.keyWidth, c.strip ? 30 : 200);
        v.storeKeyWidth(c.keyWidth);
        v.setKeyLabels(c.labels);
        RecordingContext context;
        v.draw(context);
        ASSERT_EQ(context.texts.size(), c.texts) << static_cast<int>(c.labels);
        EXPECT_EQ(c.texts == 0 ? "" : context.texts.front(), c.first);
    }
    makeView(false, 700, 200).setScale(1, 2); // D major
    RecordingContext scale;
    view->draw(scale);
    EXPECT_EQ(scale.dimmed, "0 3 7 10 14 "); // every C and F in view
    controller.setSplit(4, 32);              // tints the naturals below it: C0 and D0, not E0
    RecordingContext split;
    view->draw(split);
    RecordingContext mpe; // and with MPE on, where they play in the lower zone
    controller.setExpression(true);
    view->draw(mpe);
    EXPECT_EQ(split.tinted + mpe.tinted, "0 1 0 1 ");
}

} // namespace
} // namespace tinkella::testing
