#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tinkella::app {

// What the command line asks for. Options the program does not know are left for the toolkit
// (-platform, -display, ...) unless they begin with "--".
struct LaunchOptions {
    bool help = false;
    bool version = false;
    // The MIDI backend by name ("alsa", "jack", "none"); absent: the first that works.
    std::optional<std::string> midiBackend;
    // The audio driver by name ("jack", "pulseaudio", "alsa", "sdl2", "none"); absent: the
    // first that works.
    std::optional<std::string> audioBackend;
    // --new-instance: run beside a copy already running with the same settings.
    bool newInstance = false;
    // A toolkit platform named with -platform / --platform.
    bool namesPlatform = false;
    // Set when the line cannot be used; one line for standard error.
    std::string error;
};

// args[0] is the program name.
LaunchOptions parseCommandLine(const std::vector<std::string>& args,
                               const std::vector<std::string>& midiBackends,
                               const std::vector<std::string>& audioBackends);

// The --help text, ending in a newline.
std::string usageText(const std::vector<std::string>& midiBackends,
                      const std::vector<std::string>& audioBackends);
// "Tinkella 1.0.0" followed by the library versions, one line.
std::string versionText();

// Whether a window can be shown at all: a display server is named (DISPLAY, WAYLAND_DISPLAY),
// or a toolkit platform is chosen (QT_QPA_PLATFORM or the -platform option). getenv answers
// null for unset variables.
bool hasDisplay(const std::function<const char*(const char*)>& getenv, bool namesPlatform);

} // namespace tinkella::app
