#pragma once

#include "interfaces/AudioOutput.h"
#include "interfaces/MidiPort.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tinkella {

// One way to reach a MIDI system: a stable name ("alsa", "jack"), an opener that returns a port
// connected to it, or null with a non-zero status, and the system's words for that status
// (without them, the number stands).
struct MidiBackend {
    std::string name;
    std::function<std::unique_ptr<MidiPort>(MidiStatus& status)> open;
    std::function<std::string(MidiStatus status)> describe;
};

struct MidiBackendChoice {
    std::unique_ptr<MidiPort> port; // null when none opened or "none" was asked for
    std::string name;               // the backend that opened, "none", or empty
    // One line for the user naming what failed ("alsa: No such file or directory, jack:
    // JackFailure|JackServerFailed"), empty when the first backend tried opened.
    std::string report;
    // The backends that did not open before the chosen one ("alsa: No such file or directory");
    // empty when none failed.
    std::string failures;
};

// The name that forces no MIDI system at all.
inline constexpr std::string_view noMidiBackend = "none";

// Opens the first backend of table that opens, in table order; with forced non-empty, only the
// backend of that name ("none": no system, without trying any).
MidiBackendChoice chooseMidiBackend(const std::vector<MidiBackend>& table, std::string_view forced);

// The audio outputs in their order of preference: an output of our own with its opener
// ("pipewire"), or, without one, a synthesiser driver by name ("jack", "pulseaudio", "alsa",
// "sdl2"); "none" forces a silent synthesiser.
struct AudioBackend {
    std::string name;
    AudioOutputOpener open;
};

inline constexpr std::string_view noAudioBackend = "none";

} // namespace tinkella
