#include "app/Composition.h"

#include "adapters/alsa/AlsaMidiSystem.h"
#include "adapters/fluidsynth/FluidSynthAudioSystem.h"
#include "adapters/jack/JackMidiSystem.h"
#include "adapters/pipewire/PipeWireOutput.h"
#include "adapters/qt/QtSettingsStore.h"
#include "adapters/syslog/SyslogSystemLog.h"
#include "app/AppInfo.h"
#include "app/InstanceKey.h"
#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "foundation/DefaultsController.h"
#include "model/PianoController.h"

namespace tinkella::app {

const std::vector<MidiBackend>& midiBackends() {
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

const std::vector<AudioBackend>& audioBackends() {
    static const std::vector<AudioBackend> table{
        {"jack", {}},
        {"pipewire",
         [](AudioRenderer& renderer, double sampleRate, std::string& error) {
             PipeWireStreamOptions options;
             options.sampleRate = sampleRate;
             options.applicationId = applicationBusName;
             options.iconName = iconName;
             return openPipeWireOutput(renderer, options, error);
         }},
        {"pulseaudio", {}},
        {"alsa", {}},
        {"sdl2", {}},
    };
    return table;
}

namespace {

template <typename Table> std::vector<std::string> namesOf(const Table& table) {
    std::vector<std::string> names;
    for (const auto& backend : table) {
        names.push_back(backend.name);
    }
    names.emplace_back("none");
    return names;
}

} // namespace

std::vector<std::string> midiBackendNames() {
    return namesOf(midiBackends());
}

std::vector<std::string> audioBackendNames() {
    return namesOf(audioBackends());
}

void useMidiBackend(std::string_view forced) {
    MIDIOutput::setSharedSystemFactory([name = std::string(forced)] {
        MidiBackendChoice choice = chooseMidiBackend(midiBackends(), name);
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

void useAudioBackend(std::string_view forced) {
    PianoController::setSharedSoundFactory([name = std::string(forced)] {
        if (name == noAudioBackend) {
            return std::make_unique<SoundController>(nullptr);
        }
        FluidSynthOptions synth;
        for (const AudioBackend& backend : audioBackends()) {
            if (name.empty() || backend.name == name) {
                synth.drivers.push_back(backend.name);
            }
            if (backend.open) {
                synth.ownOutputs.push_back({backend.name, backend.open});
            }
        }
        if (!name.empty() && synth.drivers.empty()) {
            synth.drivers = {name};
        }
        return std::make_unique<SoundController>(makeFluidSynthAudioSystem(std::move(synth)));
    });
}

void composeApplication(std::string_view midi, std::string_view audio) {
    useMidiBackend(midi);
    useAudioBackend(audio);
    DefaultsController::setSharedStoreFactory([] {
        return std::make_unique<QtSettingsStore>(
            QtSettingsStore::userFilePath(organizationName, applicationName));
    });
}

} // namespace tinkella::app
