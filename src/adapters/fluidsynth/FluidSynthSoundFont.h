#pragma once

#include <fluidsynth.h>
#include <string>
#include <vector>

namespace tinkella {

// Routes FluidSynth's own log into this module (once per process): errors are kept for
// lastFluidSynthError(), everything else is dropped, so nothing of FluidSynth's reaches
// standard error. Never blocks the thread that logs.
void captureFluidSynthLog();
// The last error FluidSynth logged, or empty.
std::string lastFluidSynthError();
void clearFluidSynthError();

// The sound font files to try, in order: explicitPath alone when it is not empty, else the
// file named by TINKELLA_SOUNDFONT when that is set, else default-GM.sf2 in directory and then
// the other .sf2 files there by name.
std::vector<std::string> soundFontCandidates(const std::string& explicitPath,
                                             const std::string& directory);

struct SoundFontLoad {
    int fontId = -1;   // FluidSynth's id, or -1 when nothing loaded
    std::string path;  // the file loaded
    std::string error; // why nothing loaded: one line for the user
};

// Loads the first candidate that is a SoundFont 2 file FluidSynth accepts. One thread at a time
// (the synthesiser's opener, then its worker): GLib's default log handler is silenced meanwhile.
SoundFontLoad loadSoundFont(fluid_synth_t* synth, const std::vector<std::string>& candidates,
                            const std::string& directory);

} // namespace tinkella
