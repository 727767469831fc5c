// The real MIDI backends in their order of preference, and the shared output's wiring to them.
#include "audio/MIDIOutput.h"
#include "platform/log/SyslogSystemLog.h"
#include "platform/midi/AlsaMidiSystem.h"
#include "platform/midi/JackMidiSystem.h"
#include "platform/midi/MidiBackends.h"

namespace tinkella {

const std::vector<MidiBackend>& standardMidiBackends() {
    static const std::vector<MidiBackend> table{
        {"alsa",
         [](OSStatus& status) -> std::unique_ptr<MidiSystem> {
             return AlsaMidiSystem::open(status);
         }},
        {"jack",
         [](OSStatus& status) -> std::unique_ptr<MidiSystem> {
             return JackMidiSystem::open("Tinkella", status);
         }},
    };
    return table;
}

void useStandardMidiBackends(std::string_view forced) {
    MIDIOutput::setSharedSystemFactory([name = std::string(forced)] {
        MidiBackendChoice choice = chooseMidiBackend(standardMidiBackends(), name);
        if (!choice.system && choice.name != noMidiBackend) {
            PosixStandardErrorWriter().write("Tinkella: " + choice.report +
                                             "; the MIDI output stays off\n");
        } else if (!choice.failures.empty()) {
            PosixStandardErrorWriter().write("Tinkella: MIDI output through " + choice.name +
                                             " (not opened: " + choice.failures + ")\n");
        }
        return std::move(choice.system);
    });
    MIDIOutput::setSharedLogFactory([] {
        return MidiLogSink{std::make_unique<SyslogSystemLog>("midi"),
                           std::make_unique<PosixStandardErrorWriter>()};
    });
}

} // namespace tinkella
