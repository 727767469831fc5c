#pragma once

#include "foundation/DefaultsController.h"
#include "interfaces/DefaultsValue.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace tinkella {

// Where every note goes. The stored integer, the radio button's tag and the position are the
// same number.
enum class OutputMode : std::int64_t { midiOnly = 0, synthesiserOnly = 1, both = 2 };

// The stored settings of the application: one row per key with its stored type, the
// default registered for it, the range its readers accept and the decoder that turns whatever
// the store holds into a value of that range. Readers get values only through decode() (by
// read() or bind()), so none ever sees a value outside its row's range; the stored value itself
// is left as it is. A reader that shows a value in other units than the row's gets them from
// the conversion declared under the row (the piano window's key width, its scroll position),
// so each value is decoded once and converted once on its way to the screen.
namespace preferences {

template <typename T> struct Setting {
    std::string_view key;
    // How the default is registered (keyWidth is registered as the integer 50, say).
    DefaultsValue::Kind registeredKind;
    T registered;
    T minimum;
    T maximum;
    // Stored value (absent when neither stored nor registered) -> value in [minimum, maximum].
    T (*decoder)(const Setting& setting, const DefaultsValue& stored);

    T decode(const DefaultsValue& stored) const { return decoder(*this, stored); }
    DefaultsValue registeredValue() const {
        switch (registeredKind) {
        case DefaultsValue::Kind::real:
            return DefaultsValue::real(static_cast<double>(registered));
        case DefaultsValue::Kind::boolean:
            return DefaultsValue::boolean(static_cast<std::int64_t>(registered) != 0);
        default:
            return DefaultsValue::integer(static_cast<std::int64_t>(registered));
        }
    }
    // Lets a row stand for its key wherever a key is asked for.
    constexpr operator std::string_view() const { return key; }
};

// A row whose value is a text: a stored text as it is, anything else the registered default.
struct TextSetting {
    std::string_view key;
    std::string_view registered;

    std::string decode(const DefaultsValue& stored) const {
        const std::string* text = stored.asText();
        return text != nullptr ? *text : std::string(registered);
    }
    DefaultsValue registeredValue() const { return DefaultsValue::text(std::string(registered)); }
    constexpr operator std::string_view() const { return key; }
};

// A stored finite number clamped into the row's range; NaN, the infinities and a value that is
// no number (a text) are the registered default.
double clampedNumber(const Setting<double>& setting, const DefaultsValue& stored);
// A stored integer inside the range, else the registered default.
int integerInRange(const Setting<int>& setting, const DefaultsValue& stored);
// Read as a boolean the way the store's readers do; nothing stored is the registered default.
bool anyBoolean(const Setting<bool>& setting, const DefaultsValue& stored);
// The stored boolean (a number exactly 0 or 1 counts as one); anything else (a text such as
// "maybe", a 7) is the registered default, so a settings file edited by hand that says nothing
// clear leaves the setting as it would be on a first launch.
bool strictBoolean(const Setting<bool>& setting, const DefaultsValue& stored);
// 0 and 1 give their modes; every other integer (7, -1, ...) gives both.
OutputMode outputModeOf(const Setting<OutputMode>& setting, const DefaultsValue& stored);

using Kind = DefaultsValue::Kind;

// General MIDI program number 1..128, the instrument of the built-in synthesiser.
inline constexpr Setting<int> instrument{"instrument", Kind::integer, 1, 1, 128, integerInRange};
// Width of a black key's touch zone on the strip, as a fraction 0..1 of the key width.
inline constexpr Setting<double> blackKeyTouchArea{"blackKeyTouchArea", Kind::real, 0.15, 0.0, 1.0,
                                                   clampedNumber};
// Width of a natural key on the strip in points; the strip's view takes it unrounded.
inline constexpr Setting<double> keyWidth{"keyWidth", Kind::integer, 50, 9.5, 90.5, clampedNumber};
// The piano window's natural key width for a keyWidth value: ceil(0.6 × keyWidth + 20) points, a
// whole number (9.5 gives 26, 50 gives 50, 90.5 gives 75), so the window's keys stay larger than
// the strip's and change by whole points.
double windowKeyWidth(double width);
// Back from the window's key width to keyWidth units, (k − 20) / 0.6, not rounded: the window
// at 26 points reads as 10, not as the 9.5 that made it.
double keyWidthOfWindow(double windowWidth);

// Scroll position of the keyboard on a scale of 0 (left end) to 96 (right end); its readers
// narrow it to single precision.
inline constexpr Setting<double> noteOffset{"noteOffset", Kind::integer, 60, 0, 96, clampedNumber};
// Where an offset puts the window's visible area, as a share of the scroll range (0 the left end,
// 1 the right end): noteOffset / 96 in single precision, then widened.
double scrollFraction(float offset);
// The offset the window shows when its visible area starts at that fraction of the scroll
// range: fraction × 96 in double precision, narrowed to single precision and kept in
// 0 .. 96; no number (a keyboard no wider than the window) and negatives give 0.
float noteOffsetAt(double fraction);

// Whether a finger sliding along the strip also plays the black keys it crosses.
inline constexpr Setting<bool> blackKeyGlissando{
    "blackKeyGlissando", Kind::boolean, false, false, true, anyBoolean};
// The OutputMode as 0, 1 or 2.
inline constexpr Setting<OutputMode> outputMode{"outputMode",     Kind::integer,
                                                OutputMode::both, OutputMode::midiOnly,
                                                OutputMode::both, outputModeOf};
// Whether the settings panel was open when last shown or closed.
inline constexpr Setting<bool> settingsVisible{"settingsVisible", Kind::boolean, true, false, true,
                                               strictBoolean};

// Whether a press's place on its key (and the touch's pressure, where the device reports one)
// sets the note's velocity; off, every note starts at velocity 127.
inline constexpr Setting<bool> velocityFromTouch{
    "velocityFromTouch", Kind::boolean, false, false, true, anyBoolean};
// The synthesiser's sound font file (.sf2 or .sf3); empty is the system's General MIDI font.
inline constexpr TextSetting soundFont{"soundFont", ""};

// "mpe": every note on a channel of its own, bent by slides (MIDI Polyphonic Expression); any
// other text, "off" the default, plays as without it.
inline constexpr TextSetting expression{"expression", "off"};
// A stored integer, or a finite number rounded to the nearest one, clamped into the row's
// range; anything else (a text, NaN) is the registered default.
int clampedInteger(const Setting<int>& setting, const DefaultsValue& stored);

// A row whose value is one of a few named choices, stored as the choice's name; a stored
// index in range is read too (a hand-edited file). Anything else is the registered choice.
struct ChoiceSetting {
    std::string_view key;
    std::span<const std::string_view> names;
    std::size_t registered;

    std::size_t decode(const DefaultsValue& stored) const;
    DefaultsValue registeredValue() const {
        return DefaultsValue::text(std::string(names[registered]));
    }
    DefaultsValue valueOf(std::size_t choice) const {
        return DefaultsValue::text(std::string(names[choice]));
    }
    constexpr operator std::string_view() const { return key; }
};

// What the keys are labelled with; the order is the stored choice's index.
enum class KeyLabels { octave, c, all, solfege, none };
inline constexpr std::array<std::string_view, 5> keyLabelNames{"octave", "c", "all", "solfege",
                                                               "none"};
// octave: the C keys' octave numbers while the keyboard is resized or scrolled; c: every C,
// always; all: every key; solfege: every key in fixed-do names; none: never.
inline constexpr ChoiceSetting keyLabels{"keyLabels", keyLabelNames, 0};

// Semitones added to every note the surfaces play (the MIDI input is left as it is).
inline constexpr Setting<int> transpose{"transpose", Kind::integer, 0, -24, 24, clampedInteger};

// The scale shown on the keys (nothing played changes) and its root pitch class (0 = C).
inline constexpr std::array<std::string_view, 10> scaleNames{
    "none",   "major",      "naturalMinor",    "harmonicMinor",   "melodicMinor",
    "dorian", "mixolydian", "majorPentatonic", "minorPentatonic", "blues"};
inline constexpr ChoiceSetting scale{"scale", scaleNames, 0};
inline constexpr Setting<int> scaleRoot{"scaleRoot", Kind::integer, 0, 0, 11, clampedInteger};
// Whether the piano window names the chord that sounds.
inline constexpr Setting<bool> showChord{"showChord", Kind::boolean, false,
                                         false,       true,          anyBoolean};

// The MIDI tab: the player's channel and velocity, program out, the wheels and the knobs.
// MIDI channel 1..16 the keyboard plays on without MPE, on both outputs.
inline constexpr Setting<int> midiChannel{"midiChannel", Kind::integer, 1, 1, 16, clampedInteger};
// The velocity of every note whose surface does not measure it.
inline constexpr Setting<int> velocity{"velocity", Kind::integer, 127, 1, 127, clampedInteger};
// Whether the instrument chosen also goes to the MIDI output, after bank select of this bank.
inline constexpr Setting<bool> sendProgram{"sendProgram", Kind::boolean, false,
                                           false,         true,          anyBoolean};
inline constexpr Setting<int> bank{"bank", Kind::integer, 0, 0, 16383, clampedInteger};
// The keyboard split: keys below the note splitPoint (0..127; -1, the default, is none) play the
// General MIDI program splitInstrument (1..128) on a channel of their own. Acoustic Bass by
// default: a left hand playing bass under the right hand's instrument is the split players ask
// for first.
inline constexpr Setting<int> splitPoint{"splitPoint", Kind::integer, -1, -1, 127, clampedInteger};
inline constexpr Setting<int> splitInstrument{"splitInstrument", Kind::integer, 33, 1, 128,
                                              clampedInteger};
// Whether the piano window shows the pitch-bend and modulation wheels, and the pitch wheel's
// range in semitones.
inline constexpr Setting<bool> showWheels{"showWheels", Kind::boolean, false,
                                          false,        true,          anyBoolean};
inline constexpr Setting<int> bendRange{"bendRange", Kind::integer, 2, 1, 24, clampedInteger};
// Whether the piano window shows the row of controller knobs.
inline constexpr Setting<bool> showControllers{"showControllers", Kind::boolean, false, false, true,
                                               anyBoolean};
// Whether a knob may send controller: not bank select (0, 32) nor data entry and the parameter
// numbers (6, 38, 96..101), which program out and the bend range send in sequences of their
// own, nor the sustain pedal (64), which the space bar holds, nor a channel mode message
// (120..127).
bool isKnobController(int controller);
// clampedInteger() into 1..119, then the registered default for a controller no knob may send.
int knobControllerOf(const Setting<int>& setting, const DefaultsValue& stored);
// Knob n (1..8) sends controller "knob<n>Controller" at "knob<n>Value"; the defaults are the
// General MIDI controllers a sound is shaped with, each at the value a receiver starts at.
inline constexpr std::array<Setting<int>, 8> knobControllers{{
    {"knob1Controller", Kind::integer, 7, 1, 119, knobControllerOf},  // volume
    {"knob2Controller", Kind::integer, 10, 1, 119, knobControllerOf}, // pan
    {"knob3Controller", Kind::integer, 11, 1, 119, knobControllerOf}, // expression
    {"knob4Controller", Kind::integer, 71, 1, 119, knobControllerOf}, // resonance
    {"knob5Controller", Kind::integer, 74, 1, 119, knobControllerOf}, // brightness
    {"knob6Controller", Kind::integer, 91, 1, 119, knobControllerOf}, // reverb
    {"knob7Controller", Kind::integer, 93, 1, 119, knobControllerOf}, // chorus
    {"knob8Controller", Kind::integer, 72, 1, 119, knobControllerOf}, // release
}};
inline constexpr std::array<Setting<int>, 8> knobValues{{
    {"knob1Value", Kind::integer, 100, 0, 127, clampedInteger},
    {"knob2Value", Kind::integer, 64, 0, 127, clampedInteger},
    {"knob3Value", Kind::integer, 127, 0, 127, clampedInteger},
    {"knob4Value", Kind::integer, 64, 0, 127, clampedInteger},
    {"knob5Value", Kind::integer, 64, 0, 127, clampedInteger},
    {"knob6Value", Kind::integer, 40, 0, 127, clampedInteger},
    {"knob7Value", Kind::integer, 0, 0, 127, clampedInteger},
    {"knob8Value", Kind::integer, 64, 0, 127, clampedInteger},
}};

// How MPE plays (see MpeExpression). pitchRounding: how fast a resting finger's pitch glides to
// its key's centre (PitchRounding::Rate, in the order of the names); timbre: controller 74 from
// where the finger is along its key, or relative to where it touched down (64 there); the zone
// (lower: managed on channel 1; upper: on channel 16), its member channels and their pitch-bend
// range in semitones.
inline constexpr std::array<std::string_view, 4> pitchRoundingNames{"off", "slow", "medium",
                                                                    "fast"};
inline constexpr ChoiceSetting pitchRounding{"pitchRounding", pitchRoundingNames, 2};
inline constexpr std::array<std::string_view, 2> timbreNames{"absolute", "relative"};
inline constexpr ChoiceSetting timbre{"timbre", timbreNames, 0};
inline constexpr std::array<std::string_view, 2> mpeZoneNames{"lower", "upper"};
inline constexpr ChoiceSetting mpeZone{"mpeZone", mpeZoneNames, 0};
inline constexpr Setting<int> mpeMembers{"mpeMembers", Kind::integer, 15, 1, 15, clampedInteger};
inline constexpr Setting<int> mpeBendRange{"mpeBendRange", Kind::integer, 48, 1, 96,
                                           clampedInteger};

// Accessibility: the keys drawn black and white with strong outlines, held keys in colours
// that colour-blind players tell apart from the MIDI input's (view/KeyPalette.h).
inline constexpr Setting<bool> highContrast{"highContrast", Kind::boolean, false,
                                            false,          true,          anyBoolean};

// Calls visit(row) for each row.
template <typename Visit> void forEachSetting(Visit&& visit) {
    visit(instrument);
    visit(blackKeyTouchArea);
    visit(keyWidth);
    visit(noteOffset);
    visit(blackKeyGlissando);
    visit(outputMode);
    visit(settingsVisible);
    visit(velocityFromTouch);
    visit(soundFont);
    visit(expression);
    visit(keyLabels);
    visit(transpose);
    visit(scale);
    visit(scaleRoot);
    visit(showChord);

    visit(midiChannel);
    visit(velocity);
    visit(sendProgram);
    visit(bank);
    visit(splitPoint);
    visit(splitInstrument);
    visit(showWheels);
    visit(bendRange);
    visit(showControllers);
    for (std::size_t i = 0; i < knobControllers.size(); ++i) {
        visit(knobControllers[i]);
        visit(knobValues[i]);
    }

    visit(pitchRounding);
    visit(timbre);
    visit(mpeZone);
    visit(mpeMembers);
    visit(mpeBendRange);

    visit(highContrast);
}

// "values." followed by the key: the path readers bind to.
std::string keyPath(std::string_view key);

// The registered default of each key; registered together, never written.
const DefaultsController::Defaults& registeredDefaults();

// The key's decoded value now: the stored value, else the registered default.
template <typename T> T read(const DefaultsController& defaults, const Setting<T>& setting) {
    return setting.decode(defaults.objectForKey(setting.key));
}
inline std::string read(const DefaultsController& defaults, const TextSetting& setting) {
    return setting.decode(defaults.objectForKey(setting.key));
}
inline std::size_t read(const DefaultsController& defaults, const ChoiceSetting& setting) {
    return setting.decode(defaults.objectForKey(setting.key));
}

// Delivers the decoded value at once and after every change of the key. setting is one of the
// rows above, which live as long as the process.
template <typename T>
[[nodiscard]] DefaultsBinding bind(DefaultsController& defaults, const Setting<T>& setting,
                                   std::function<void(T)> receiver, BindingOptions options = {}) {
    return defaults.bind(
        keyPath(setting.key),
        [&setting, receiver = std::move(receiver)](const DefaultsValue& stored) {
            receiver(setting.decode(stored));
        },
        options);
}

// The same for a row of named choices; the receiver gets the choice's index.
[[nodiscard]] inline DefaultsBinding bind(DefaultsController& defaults,
                                          const ChoiceSetting& setting,
                                          std::function<void(std::size_t)> receiver) {
    return defaults.bind(keyPath(setting.key),
                         [&setting, receiver = std::move(receiver)](const DefaultsValue& stored) {
                             receiver(setting.decode(stored));
                         });
}

} // namespace preferences

} // namespace tinkella
