#pragma once

#include "app/Backends.h"

#include <string>
#include <string_view>
#include <vector>

namespace tinkella::app {

// The one place that chooses the program's backends and wires the shared objects to them.

// The real MIDI systems in the order they are tried: "alsa" (client "Tinkella"), then "jack".
const std::vector<MidiBackend>& midiBackends();
// The real audio outputs in the order they are tried: "jack" (only when a server runs), then
// "pipewire" (our own stream, named for the program), "pulseaudio", "alsa" and "sdl2".
const std::vector<AudioBackend>& audioBackends();

// The names --midi= and --audio= accept: the table's, then "none".
std::vector<std::string> midiBackendNames();
std::vector<std::string> audioBackendNames();

// Makes MIDIOutput::shared() publish on the MIDI system chosen from midiBackends() with forced
// (empty: the first that opens) and log to syslog and standard error. When the choice leaves no
// MIDI system, one line on standard error says why. Call before the first use of
// MIDIOutput::shared().
void useMidiBackend(std::string_view forced);

// Makes PianoController::sharedInstance() play through FluidSynth on the audio output chosen
// from audioBackends() with forced (empty: the first that opens; "none": silent). Call before
// its first use.
void useAudioBackend(std::string_view forced);

// Both of the above, and the settings file as the shared preferences store.
void composeApplication(std::string_view midi, std::string_view audio);

} // namespace tinkella::app
