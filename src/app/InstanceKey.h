#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tinkella::app {

// The well-known session bus name and object path of the first copy on the session bus; the
// object implements org.freedesktop.Application.
inline constexpr const char* applicationBusName = "com.quorvin.Tinkella";
inline constexpr const char* applicationObjectPath = "/com/quorvin/Tinkella";

// What a launch knows about itself when it decides whether another copy should take over.
struct LaunchPlace {
    // The settings file this copy would use, where the settings store keeps it (under
    // $XDG_CONFIG_HOME, or $HOME/.config); absolute, in a clean form.
    std::string settingsFile;
    // A session bus can be reached (its address is set, or $XDG_RUNTIME_DIR/bus exists).
    bool sessionBus = false;
    // $XDG_RUNTIME_DIR as set; anything but an absolute path counts as unset.
    std::string runtimeDir;
    unsigned uid = 0;
    // The user asked for a copy of its own (--new-instance).
    bool runAlone = false;
};

// Where a launch meets the running copy: copies that share a settings file share a key, so a
// copy with another settings folder runs beside them. Both fields empty: the copy runs alone.
struct InstanceKey {
    // The bus name to own when it is free, for desktop activation; only on a session bus.
    // Launches never hand over through it: its owner may use another settings file.
    std::string busName;
    // The local socket to listen on or to connect to; named by a hash of the settings file.
    std::string socketPath;
};

InstanceKey instanceKey(const LaunchPlace& place);

// What a launcher handed the launch that gives way, passed on to the running copy so that the
// desktop lets it take the focus: an XDG activation token (Wayland) and a startup notification
// id (X11). Either may be empty.
struct Activation {
    std::string activationToken;
    std::string startupId;
};

// The one line a launch sends over the local socket, ending in a newline, and its reading;
// nullopt for a line that is no activation.
std::string activationLine(const Activation& activation);
std::optional<Activation> parseActivationLine(std::string_view line);

} // namespace tinkella::app
