#pragma once

#include "app/Backends.h"
#include "outputs/SoundController.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QObject;

namespace tinkella::app {

// The one place that chooses the program's backends and wires the shared objects to them.

// The real MIDI systems in the order they are tried: "alsa" (client "Tinkella"), then "jack".
const std::vector<MidiBackend>& midiBackends();
// The real audio outputs in the order they are tried: "jack" (ports of the MIDI client when MIDI
// is on JACK, else FluidSynth's driver when a server runs), then "pipewire" (our own stream,
// named for the program), "pulseaudio", "alsa" and "sdl2".
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

// Places the strip by the windowing system the toolkit runs on: on Wayland a layer surface of
// the compositor when it offers the layer shell, else docked in the piano window (saying so in
// one line on standard error); elsewhere its own window. Call before the piano window is shown.
void useStripPlacement();

// Makes MIDIOutput::shared() and, with openAudio, the shared controller's synthesiser start
// pending, to take what the openers open on threads of their own once receiveOpenedOutputs()
// starts them. Main thread, before the shared outputs' first use.
void openInBackground(std::function<std::unique_ptr<MidiPort>()> openMidi,
                      SynthesizerOpener openAudio);
// openInBackground() with the backends useMidiBackend() and useAudioBackend() would choose,
// logging as they do. With JACK for both, the synthesiser plays through the MIDI client's own
// audio ports. The synthesiser opens with soundFont, the user's choice, when that loads, and
// reads later fonts on a thread of its own, answering through receiveOpenedOutputs()'s
// receiver.
void openOutputsInBackground(std::string_view midi, std::string_view audio,
                             const std::string& soundFont = {});
// Main thread, once the windows are shown, so that opening takes no time from them: starts the
// openers of openInBackground() at once, each on a thread of its own, and hands what they open
// to the shared outputs through receiver's event loop as each is ready; midiAttached runs
// after the MIDI port is attached. Does nothing without openInBackground().
void receiveOpenedOutputs(QObject* receiver, const std::function<void()>& midiAttached);
// Main thread, before receiver goes.
void stopReceivingOpenedOutputs();

// The settings file as the shared preferences store, openOutputsInBackground() with the sound
// font stored there, and useStripPlacement().
void composeApplication(std::string_view midi, std::string_view audio);

} // namespace tinkella::app
