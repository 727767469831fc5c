#pragma once

#include <string>

namespace tinkella {

// "FluidSynth 2.3.1, ALSA 1.2.8, JACK 1.9.21": the run-time versions of the audio and MIDI
// libraries, for --version and bug reports.
std::string libraryVersions();

} // namespace tinkella
