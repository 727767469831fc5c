#include "app/InstanceKey.h"

#include <cstdint>
#include <cstdio>

namespace tinkella::app {

namespace {

constexpr std::string_view activateWord = "activate";

// FNV-1a: the same path gives the same name in every build and every copy.
std::string pathHash(std::string_view path) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : path) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// Launchers' tokens are printable words; a tab or line break would split the line.
std::string field(const std::string& value) {
    std::string clean;
    for (const char c : value) {
        if (c != '\t' && c != '\n' && c != '\r') {
            clean += c;
        }
    }
    return clean;
}

} // namespace

InstanceKey instanceKey(const LaunchPlace& place) {
    InstanceKey key;
    if (place.runAlone || place.settingsFile.empty()) {
        return key;
    }
    if (place.sessionBus) {
        key.busName = applicationBusName;
    }
    const std::string name = pathHash(place.settingsFile) + ".socket";
    // /tmp is shared by every user: the uid keeps one user's socket out of another's way.
    key.socketPath = place.runtimeDir.starts_with('/')
                         ? place.runtimeDir + "/tinkella-" + name
                         : "/tmp/tinkella-" + std::to_string(place.uid) + "-" + name;
    return key;
}

std::string activationLine(const Activation& activation) {
    return std::string(activateWord) + "\t" + field(activation.activationToken) + "\t" +
           field(activation.startupId) + "\n";
}

std::optional<Activation> parseActivationLine(std::string_view line) {
    if (line.ends_with('\n')) {
        line.remove_suffix(1);
    }
    if (line.substr(0, activateWord.size()) != activateWord) {
        return std::nullopt;
    }
    line.remove_prefix(activateWord.size());
    Activation activation;
    if (line.empty()) {
        return activation;
    }
    if (line.front() != '\t') {
        return std::nullopt;
    }
    line.remove_prefix(1);
    const std::size_t tab = line.find('\t');
    activation.activationToken = std::string(line.substr(0, tab));
    if (tab != std::string_view::npos) {
        activation.startupId = std::string(line.substr(tab + 1));
    }
    return activation;
}

} // namespace tinkella::app
