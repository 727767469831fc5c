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

// The options the toolkit reads from the command line, each also accepted with "--" and
// (when it takes a value) as "-name=value".
struct ToolkitOption {
    std::string_view name;
    bool takesValue;
};

constexpr ToolkitOption toolkitOptions[] = {
    {"platform", true},      {"platformpluginpath", true},
    {"platformtheme", true}, {"plugin", true},
    {"qmljsdebugger", true}, {"qwindowgeometry", true},
    {"geometry", true},      {"qwindowicon", true},
    {"icon", true},          {"qwindowtitle", true},
    {"title", true},         {"session", true},
    {"display", true},       {"name", true},
    {"visual", true},        {"style", true},
    {"stylesheet", true},    {"reverse", false},
    {"widgetcount", false},  {"nograb", false},
    {"dograb", false},       {"sync", false},
    {"testability", false},
};

const ToolkitOption* toolkitOption(std::string_view arg) {
    arg.remove_prefix(arg.starts_with("--") ? 2 : arg.starts_with("-") ? 1 : arg.size());
    const std::string_view name = arg.substr(0, arg.find('='));
    for (const ToolkitOption& option : toolkitOptions) {
        if (option.name == name && (option.takesValue || name.size() == arg.size())) {
            return &option;
        }
    }
    return nullptr;
}

// The length of the printable character starting at text[i]: a graphic ASCII byte or space,
// or a whole well-formed UTF-8 sequence outside the C1 controls; 0 when text[i] would reach the
// terminal as a control or as a broken sequence.
std::size_t printableLength(std::string_view text, std::size_t i) {
    const auto byte = [&text](std::size_t k) {
        return static_cast<unsigned char>(text[k]);
    };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        return lead >= 0x20 && lead != 0x7F ? 1 : 0;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || i + length > text.size()) {
        return 0;
    }
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid = code >= smallest[length] && code <= 0x10FFFF &&
                       (code < 0xD800 || code > 0xDFFF) && (code < 0x80 || code > 0x9F);
    return valid ? length : 0;
}

} // namespace

LaunchOptions parseCommandLine(const std::vector<std::string>& args,
                               const std::vector<std::string>& midiBackends,
                               const std::vector<std::string>& audioBackends) {
    LaunchOptions options;
    for (std::size_t i = 1; i < args.size() && options.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            break;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version" || arg == "-v") {
            options.version = true;
        } else if (arg == "--new-instance") {
            options.newInstance = true;
        } else if (auto midi = optionValue(args, i, "midi", options.error)) {
            if (options.error.empty() && !contains(midiBackends, *midi)) {
                options.error = "unknown MIDI backend \"" + escaped(*midi) + "\" (choose " +
                                joined(midiBackends) + ")";
            }
            options.midiBackend = std::move(midi);
        } else if (auto audio = optionValue(args, i, "audio", options.error)) {
            if (options.error.empty() && !contains(audioBackends, *audio)) {
                options.error = "unknown audio driver \"" + escaped(*audio) + "\" (choose " +
                                joined(audioBackends) + ")";
            }
            options.audioBackend = std::move(audio);
        } else if (const ToolkitOption* toolkit = toolkitOption(arg)) {
            options.namesPlatform = options.namesPlatform || toolkit->name == "platform";
            i += toolkit->takesValue && arg.find('=') == std::string::npos ? 1 : 0;
        } else if (arg.size() > 1 && arg.front() == '-') {
            options.error = "unknown option " + escaped(arg) + " (see --help)";
        }
    }
    return options;
}

std::string escaped(std::string_view text) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    const auto byte = [&text](std::size_t i) {
        return static_cast<unsigned char>(text[i]);
    };
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = printableLength(text, i);
        if (length == 0) {
            out += "\\x";
            out += digits[byte(i) >> 4];
            out += digits[byte(i) & 0xF];
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    return out;
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
           "  --                  end of the options\n"
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
