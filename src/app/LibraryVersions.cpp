#include "app/LibraryVersions.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>
#include <jack/jack.h>

namespace tinkella {

std::string libraryVersions() {
    std::string text = "FluidSynth ";
    text += fluid_version_str();
    text += ", ALSA ";
    text += snd_asoundlib_version();
    text += ", JACK ";
    text += jack_get_version_string();
    return text;
}

} // namespace tinkella
