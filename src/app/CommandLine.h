#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tinkella::app {

// What the command line asks for. The toolkit's own options (-platform, -display, -style, ...)
// are left for it; any other word beginning with "-" is refused. "--" ends the options; words
// after it and words that are not options are ignored.
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

// text with every byte that is not part of a printable character (controls, escape sequences,
// broken UTF-8) written as \xNN, for echoing command-line words to a terminal.
std::string escaped(std::string_view text);

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
