// The MIDI output's diagnostic log: the line writer, status names and the topology dump.
#include "audio/MIDIOutput.h"

#include <string>

namespace tinkella {

namespace {

constexpr std::string_view ourSourceName = "Tinkella";

std::string orQuestionMark(const std::optional<std::string>& text) {
    return text ? *text : std::string("?");
}

} // namespace

std::string MIDIOutput::describe(OSStatus status) {
    switch (status) {
    case 0:
        return "noErr";
    case -50:
        return "paramErr";
    case -10860:
        return "noConnection";
    case -25300:
        return "serverStartErr";
    default:
        return "OSStatus(" + std::to_string(status) + ")";
    }
}

void MIDIOutput::diag(std::string_view message, LogLevel level, std::string_view prefix) {
    if (sink_.systemLog->isLevelEnabled(level)) {
        sink_.systemLog->write(level, message);
    }
    std::string line;
    line.reserve(prefix.size() + message.size() + 1);
    line.append(prefix).append(message).push_back('\n');
    sink_.standardError->write(line);
}

void MIDIOutput::logTopology(std::string_view reason) {
    MidiSystem& system = *system_;
    const ItemCount sources = system.numberOfSources();
    const ItemCount destinations = system.numberOfDestinations();

    bool visible = false;
    std::int32_t uniqueID = 0;
    for (ItemCount i = 0; i < sources; ++i) {
        const MIDIEndpointRef endpoint = system.source(i);
        std::optional<std::string> name;
        system.getStringProperty(endpoint, MIDIStringProperty::Name, name);
        if (name && *name == ourSourceName) {
            visible = true;
            system.getIntegerProperty(endpoint, MIDIIntegerProperty::UniqueID, uniqueID);
        }
    }
    const ItemCount devices = system.numberOfDevices();

    info("topology [" + std::string(reason) + "] sources=" + std::to_string(sources) +
         " destinations=" + std::to_string(destinations) + " devices=" + std::to_string(devices) +
         " ourSourceVisible=" + (visible ? "true" : "false") +
         " ourUniqueID=" + std::to_string(uniqueID));
    for (ItemCount i = 0; i < devices; ++i) {
        std::optional<std::string> name;
        system.getStringProperty(system.device(i), MIDIStringProperty::Name, name);
        info("  device [" + std::to_string(i) + "] '" + orQuestionMark(name) + "'");
    }
    info("  note: app-created virtual sources belong to no device, so apps that");
    info("  list only devices (e.g. GarageBand's 'MIDI Controller' menu) will not show us");
    if (!visible) {
        error("our source is NOT in the system source list \u2014 other apps cannot see it");
    }
    for (ItemCount i = 0; i < sources; ++i) {
        const MIDIEndpointRef endpoint = system.source(i);
        std::optional<std::string> name;
        std::optional<std::string> manufacturer;
        system.getStringProperty(endpoint, MIDIStringProperty::Name, name);
        system.getStringProperty(endpoint, MIDIStringProperty::Manufacturer, manufacturer);
        const bool ours = name && *name == ourSourceName;
        info("  source [" + std::to_string(i) + "] '" + orQuestionMark(name) + "' \u2014 " +
             orQuestionMark(manufacturer) + (ours ? "   <== OURS" : ""));
    }
    for (ItemCount i = 0; i < destinations; ++i) {
        std::optional<std::string> name;
        system.getStringProperty(system.destination(i), MIDIStringProperty::Name, name);
        info("  destination [" + std::to_string(i) + "] '" + orQuestionMark(name) + "'");
    }
}

} // namespace tinkella
