#include "app/CommandLine.h"

#include "app/AppInfo.h"
#include "app/LibraryVersions.h"

#include <algorithm>
#include <string_view>

namespace tinkella::app {

namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += text.empty() ? "" : "|";
        text += name;
    }
    return text;
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Takes "--name=value" or "--name value"; i moves past a separate value.
std::optional<std::string> optionValue(const std::vector<std::string>& args, std::size_t& i,
                                       std::string_view name, std::string& error) {
    const std::string& arg = args[i];
    const std::string prefix = std::string("--") + std::string(name);
    if (arg == prefix) {
        if (i + 1 >= args.size()) {
            error = prefix + " needs a value";
            return std::string();
        }
        return args[++i];
    }
    if (arg.starts_with(prefix + "=")) {
        return arg.substr(prefix.size() + 1);
    }
    return std::nullopt;
}

} // namespace

LaunchOptions parseCommandLine(const std::vector<std::string>& args,
                               const std::vector<std::string>& midiBackends,
                               const std::vector<std::string>& audioBackends) {
    LaunchOptions options;
    for (std::size_t i = 1; i < args.size() && options.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version" || arg == "-v") {
            options.version = true;
        } else if (arg == "--new-instance") {
            options.newInstance = true;
        } else if (auto midi = optionValue(args, i, "midi", options.error)) {
            if (options.error.empty() && !contains(midiBackends, *midi)) {
                options.error =
                    "unknown MIDI backend \"" + *midi + "\" (choose " + joined(midiBackends) + ")";
            }
            options.midiBackend = std::move(midi);
        } else if (auto audio = optionValue(args, i, "audio", options.error)) {
            if (options.error.empty() && !contains(audioBackends, *audio)) {
                options.error = "unknown audio driver \"" + *audio + "\" (choose " +
                                joined(audioBackends) + ")";
            }
            options.audioBackend = std::move(audio);
        } else if (arg == "-platform" || arg == "--platform" || arg.starts_with("-platform=") ||
                   arg.starts_with("--platform=")) {
            options.namesPlatform = true;
        } else if (arg.starts_with("--")) {
            options.error = "unknown option " + arg + " (see --help)";
        }
    }
    return options;
}

std::string usageText(const std::vector<std::string>& midiBackends,
                      const std::vector<std::string>& audioBackends) {
    return "Usage: tinkella [options]\n"
           "A piano keyboard of 120 keys, played on the touch strip and with the mouse, sounding\n"
           "through the built-in synthesiser and sent out of the MIDI source \"Tinkella\".\n"
           "\n"
           "Options:\n"
           "  -h, --help          show this text and exit\n"
           "  -v, --version       show the version and the library versions and exit\n"
           "  --midi=NAME         MIDI backend: " +
           joined(midiBackends) +
           " (default: the first that works, in this order)\n"
           "  --audio=NAME        audio driver: " +
           joined(audioBackends) +
           " (default: the first that works, in this order)\n"
           "  --new-instance      run beside a copy already running (by default a second launch\n"
           "                      brings the running copy's window forward and exits)\n"
           "\n"
           "Settings are kept in $XDG_CONFIG_HOME/Quorvin/Tinkella.conf.\n";
}

std::string versionText() {
    return std::string(applicationName) + " " + applicationVersion() + " (" + libraryVersions() +
           ")";
}

bool hasDisplay(const std::function<const char*(const char*)>& getenv, bool namesPlatform) {
    const auto set = [&getenv](const char* name) {
        const char* value = getenv(name);
        return value != nullptr && *value != '\0';
    };
    return namesPlatform || set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace tinkella::app
