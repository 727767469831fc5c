#pragma once

#include "foundation/DefaultsController.h"
#include "interfaces/DefaultsValue.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tinkella {

// The seven stored settings of the application and how their stored values are read.
namespace preferences {

// General MIDI program number 1..128, the instrument of the built-in synthesiser.
inline constexpr std::string_view instrument = "instrument";
// Width of a black key's touch zone on the strip, as a fraction 0..1 of the key width.
inline constexpr std::string_view blackKeyTouchArea = "blackKeyTouchArea";
// Width of a natural key on the strip in points, 9.5..90.5.
inline constexpr std::string_view keyWidth = "keyWidth";
// Scroll position of the keyboard on a scale of 0 (left end) to 96 (right end).
inline constexpr std::string_view noteOffset = "noteOffset";
// Whether a finger sliding along the strip also plays the black keys it crosses.
inline constexpr std::string_view blackKeyGlissando = "blackKeyGlissando";
// The OutputMode as 0, 1 or 2.
inline constexpr std::string_view outputMode = "outputMode";
// Whether the settings panel was open when last shown or closed.
inline constexpr std::string_view settingsVisible = "settingsVisible";

// "values." followed by the key: the path readers bind to.
std::string keyPath(std::string_view key);

// The registered default of each of the seven keys; registered together, never written.
const DefaultsController::Defaults& registeredDefaults();

} // namespace preferences

// Where every note goes. The stored integer, the radio button's tag and the position are the
// same number.
enum class OutputMode : std::int64_t { midiOnly = 0, synthesiserOnly = 1, both = 2 };

// 0 and 1 give their modes; every other integer (7, -1, ...) gives both.
OutputMode outputModeFromStored(std::int64_t stored);
// The stored boolean (a number exactly 0 or 1 counts as one); true for anything else.
bool settingsVisibleFromStored(const DefaultsValue& stored);
// The stored program number when it is an integer 1..128, else 1 (Acoustic Grand Piano).
int instrumentFromStored(const DefaultsValue& stored);

} // namespace tinkella
