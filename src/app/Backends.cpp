#include "app/Backends.h"

namespace tinkella {

MidiBackendChoice chooseMidiBackend(const std::vector<MidiBackend>& table,
                                    std::string_view forced) {
    MidiBackendChoice choice;
    if (forced == noMidiBackend) {
        choice.name = std::string(noMidiBackend);
        return choice;
    }
    bool known = forced.empty();
    std::string failures;
    for (const MidiBackend& backend : table) {
        if (!forced.empty() && backend.name != forced) {
            continue;
        }
        known = true;
        MidiStatus status = 0;
        std::unique_ptr<MidiPort> port = backend.open ? backend.open(status) : nullptr;
        if (port) {
            choice.port = std::move(port);
            choice.name = backend.name;
            if (!failures.empty()) {
                choice.report = failures + "; using " + backend.name;
            }
            choice.failures = std::move(failures);
            return choice;
        }
        failures += (failures.empty() ? "" : ", ") + backend.name + ": " +
                    (status != 0 && backend.describe ? backend.describe(status)
                                                     : std::to_string(status != 0 ? status : -1));
    }
    if (!known) {
        std::string names;
        for (const MidiBackend& backend : table) {
            names += backend.name + ", ";
        }
        choice.report = "unknown MIDI system '" + std::string(forced) + "' (choose " + names +
                        std::string(noMidiBackend) + ")";
    } else {
        choice.report = "no MIDI system could be opened (" + failures + ")";
    }
    return choice;
}

} // namespace tinkella
