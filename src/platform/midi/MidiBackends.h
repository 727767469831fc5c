#pragma once

#include "platform/midi/MidiSystem.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tinkella {

// One way to reach a MIDI system: a stable name ("alsa", "jack") and an opener that returns
// the system, or null with a non-zero status.
struct MidiBackend {
    std::string name;
    std::function<std::unique_ptr<MidiSystem>(OSStatus& status)> open;
};

struct MidiBackendChoice {
    std::unique_ptr<MidiSystem> system; // null when none opened or "none" was asked for
    std::string name;                   // the backend that opened, "none", or empty
    // One line for the user naming what failed ("alsa: -2, jack: 17"), empty when the first
    // backend tried opened.
    std::string report;
    // The backends that did not open before the chosen one ("alsa: -2"); empty when none failed.
    std::string failures;
};

// The name that forces no MIDI system at all.
inline constexpr std::string_view noMidiBackend = "none";

// Opens the first backend of table that opens, in table order; with forced non-empty, only the
// backend of that name ("none": no system, without trying any).
MidiBackendChoice chooseMidiBackend(const std::vector<MidiBackend>& table, std::string_view forced);

// The real backends in the order they are tried: "alsa" (client "Tinkella"), then "jack".
// Defined in tinkella_backends.
const std::vector<MidiBackend>& standardMidiBackends();

// Makes MIDIOutput::shared() publish on the backend chosen from standardMidiBackends() with
// forced (empty: the first that opens) and log to syslog and standard error. When the choice
// leaves no MIDI system, one line on standard error says why. Call before the first use of
// MIDIOutput::shared(). Defined in tinkella_backends.
void useStandardMidiBackends(std::string_view forced);

} // namespace tinkella
