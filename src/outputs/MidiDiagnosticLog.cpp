#include "outputs/MidiDiagnosticLog.h"

#include "foundation/LogText.h"

#include <string>
#include <utility>

namespace tinkella {

namespace {

constexpr std::string_view ourSourceName = "Tinkella";

// Names come from other programs: escaped, so that each stays on its line.
std::string orQuestionMark(const std::optional<std::string>& text) {
    return text ? escapedForLog(*text) : std::string("?");
}

} // namespace

MidiDiagnosticLog::MidiDiagnosticLog(MidiLogSink sink) : sink_(std::move(sink)) {
    if (!sink_.systemLog) {
        sink_.systemLog = std::make_unique<NullSystemLog>();
    }
    if (!sink_.standardError) {
        sink_.standardError = std::make_unique<PosixStandardErrorWriter>();
    }
}

std::string MidiDiagnosticLog::describe(MidiStatus status, const MidiPort& port) {
    return status == 0 ? "noErr" : port.describe(status);
}

void MidiDiagnosticLog::diag(std::string_view message, LogLevel level, std::string_view prefix) {
    if (sink_.systemLog->isLevelEnabled(level)) {
        sink_.systemLog->write(level, message);
    }
    std::string line;
    line.reserve(prefix.size() + message.size() + 1);
    line.append(prefix).append(message).push_back('\n');
    sink_.standardError->write(line);
}

void MidiDiagnosticLog::logTopology(std::string_view reason, MidiPort& port) {
    const MidiTopology topology = port.topology();
    bool visible = false;
    std::int32_t uniqueID = 0;
    for (const MidiEndpoint& source : topology.sources) {
        if (source.name == ourSourceName) {
            visible = true;
            uniqueID = source.uniqueId;
        }
    }

    info("topology [" + std::string(reason) +
         "] sources=" + std::to_string(topology.sources.size()) +
         " destinations=" + std::to_string(topology.destinations.size()) +
         " devices=" + std::to_string(topology.devices.size()) + " ourSourceVisible=" +
         (visible ? "true" : "false") + " ourUniqueID=" + std::to_string(uniqueID));
    for (std::size_t i = 0; i < topology.devices.size(); ++i) {
        info("  device [" + std::to_string(i) + "] '" + orQuestionMark(topology.devices[i]) + "'");
    }
    info("  note: app-created virtual sources belong to no device, so apps that");
    info("  list only devices (e.g. GarageBand's 'MIDI Controller' menu) will not show us");
    if (!visible) {
        error("our source is NOT in the system source list \u2014 other apps cannot see it");
    }
    for (std::size_t i = 0; i < topology.sources.size(); ++i) {
        const MidiEndpoint& source = topology.sources[i];
        const bool ours = source.name == ourSourceName;
        info("  source [" + std::to_string(i) + "] '" + orQuestionMark(source.name) + "' \u2014 " +
             orQuestionMark(source.manufacturer) + (ours ? "   <== OURS" : ""));
    }
    for (std::size_t i = 0; i < topology.destinations.size(); ++i) {
        info("  destination [" + std::to_string(i) + "] '" +
             orQuestionMark(topology.destinations[i].name) + "'");
    }
}

} // namespace tinkella
