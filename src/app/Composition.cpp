#include "app/Composition.h"

#include "adapters/alsa/AlsaMidiPort.h"
#include "adapters/fluidsynth/FluidSynthSynthesizer.h"
#include "adapters/jack/JackMidiPort.h"
#include "adapters/jack/JackSynthClient.h"
#include "adapters/pipewire/PipeWireOutput.h"
#include "adapters/qt/QtSettingsStore.h"
#include "adapters/syslog/SyslogSystemLog.h"
#include "app/AppInfo.h"
#include "app/Handoff.h"
#include "app/InstanceKey.h"
#include "foundation/DefaultsController.h"
#include "hosting/QtStripWindow.h"
#include "hosting/StripPlacement.h"
#include "model/PianoController.h"
#include "model/Preferences.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"

#ifdef TINKELLA_WAYLAND
#include "adapters/wayland/WaylandLayerSurface.h"
#endif

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <cstdlib>
#include <future>
#include <mutex>
#include <thread>
#include <utility>

namespace tinkella::app {

const std::vector<MidiBackend>& midiBackends() {
    static const std::vector<MidiBackend> table{
        {"alsa",
         [](MidiStatus& status) -> std::unique_ptr<MidiPort> {
             return AlsaMidiPort::connect(status);
         },
         &AlsaMidiPort::describeStatus},
        {"jack",
         [](MidiStatus& status) -> std::unique_ptr<MidiPort> {
             return JackMidiPort::connect("Tinkella", status);
         },
         &JackMidiPort::describeStatus},
    };
    return table;
}

namespace {

// A client of our own (the synthesiser's JACK client) watched by the main loop for the rest of
// the process.
void watchOnMainLoop(int descriptor, std::function<void()> onReadable) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [descriptor, onReadable = std::move(onReadable)] {
            auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read,
                                                 QCoreApplication::instance());
            QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                             [onReadable] { onReadable(); });
        },
        Qt::QueuedConnection);
}

} // namespace

const std::vector<AudioBackend>& audioBackends() {
    static const std::vector<AudioBackend> table{
        {"jack", jackAudioOpener({}, watchOnMainLoop)},
        {"pipewire",
         [](double sampleRate, std::string& error) {
             PipeWireStreamOptions options;
             options.sampleRate = sampleRate;
             options.applicationId = applicationBusName;
             options.iconName = iconName;
             return openPipeWireOutput(options, error);
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

namespace {

// Chooses and opens the MIDI port, with the lines the user reads on standard error.
std::unique_ptr<MidiPort> openMidiPort(const std::string& name) {
    MidiBackendChoice choice = chooseMidiBackend(midiBackends(), name);
    if (!choice.port && choice.name != noMidiBackend) {
        PosixStandardErrorWriter().write("Tinkella: " + choice.report +
                                         "; the MIDI output stays off\n");
    } else if (!choice.failures.empty()) {
        PosixStandardErrorWriter().write("Tinkella: MIDI output through " + choice.name +
                                         " (not opened: " + choice.failures + ")\n");
    }
    return std::move(choice.port);
}

MidiLogSink midiLogSink() {
    return MidiLogSink{std::make_unique<SyslogSystemLog>("midi"),
                       std::make_unique<PosixStandardErrorWriter>()};
}

FluidSynthOptions synthOptions(const std::string& name) {
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
    return synth;
}

// The outputs to open in the background, then being opened until the main thread takes them.
struct Opening {
    std::function<std::unique_ptr<MidiPort>()> openMidi;
    SynthesizerOpener openAudio;
    std::shared_ptr<Handoff<std::unique_ptr<MidiPort>>> midi;
    std::shared_ptr<Handoff<SoundController::Opened>> audio;
    // Where jobs for the main thread go, from receiveOpenedOutputs() until it stops.
    std::mutex jobsMutex;
    QObject* jobsReceiver = nullptr;
};

Opening& opening() {
    static Opening state;
    return state;
}

// Any thread: runs job on the main thread through the receiver's event loop; dropped when there
// is none (before the outputs are received, or once the receiver is going).
void toMainThread(std::function<void()> job) {
    Opening& state = opening();
    const std::lock_guard lock(state.jobsMutex);
    if (state.jobsReceiver != nullptr) {
        QMetaObject::invokeMethod(state.jobsReceiver, std::move(job), Qt::QueuedConnection);
    }
}

} // namespace

void useMidiBackend(std::string_view forced) {
    MIDIOutput::setSharedPortFactory([name = std::string(forced)] { return openMidiPort(name); });
    MIDIOutput::setSharedLogFactory(midiLogSink);
}

void useAudioBackend(std::string_view forced) {
    PianoController::setSharedSoundFactory([name = std::string(forced)] {
        if (name == noAudioBackend) {
            return std::make_unique<SoundController>(nullptr);
        }
        return std::make_unique<SoundController>(makeFluidSynthOpener(synthOptions(name)));
    });
}

void useStripPlacement() {
    setStripPlacementFactory([] {
        StripPlacement placement;
        if (QGuiApplication::platformName() != QStringLiteral("wayland")) {
            return placement;
        }
        std::string failure = "built without Wayland support";
#ifdef TINKELLA_WAYLAND
        placement.shellSurface = WaylandLayerSurface::open(
            {QtStripWindow::defaultWidth, QtStripWindow::defaultHeight, QtStripWindow::bottomGap},
            failure);
#endif
        placement.docked = placement.shellSurface == nullptr;
        PosixStandardErrorWriter().write(
            placement.docked
                ? "Tinkella: the strip is docked in the piano window (" + failure + ")\n"
                : "Tinkella: the strip is a layer surface at the bottom of the screen\n");
        return placement;
    });
}

void openInBackground(std::function<std::unique_ptr<MidiPort>()> openMidi,
                      SynthesizerOpener openAudio) {
    Opening& state = opening();
    state.openMidi = std::move(openMidi);
    MIDIOutput::setSharedPortArrivesLater();
    if (openAudio) {
        state.openAudio = std::move(openAudio);
        PianoController::setSharedSoundFactory(
            [] { return std::make_unique<SoundController>(SoundController::Pending{}); });
    }
}

void openOutputsInBackground(std::string_view midi, std::string_view audio,
                             const std::string& soundFont) {
    // Before any thread reads the environment: no JACK client of the process starts a server.
    setenv("JACK_NO_START_SERVER", "1", 1);
    MIDIOutput::setSharedLogFactory(midiLogSink);
    const std::string audioName(audio);
    const bool audioWantsJack = audioName.empty() || audioName == "jack";
    // The synthesiser on JACK renders in the MIDI client's own cycle when MIDI is on JACK too:
    // the MIDI thread hands over those audio outputs, or nothing.
    auto jackAudio = std::make_shared<std::promise<std::unique_ptr<AudioOutput>>>();
    auto openMidi = [name = std::string(midi), audioWantsJack, jackAudio] {
        std::unique_ptr<MidiPort> port = openMidiPort(name);
        std::unique_ptr<AudioOutput> stream;
        if (auto* jack = dynamic_cast<JackMidiPort*>(port.get()); jack && audioWantsJack) {
            std::string ignored;
            stream = jack->openAudioOutput(ignored);
        }
        jackAudio->set_value(std::move(stream));
        return port;
    };
    if (audioName == noAudioBackend) {
        useAudioBackend(audioName);
        openInBackground(openMidi, nullptr);
        return;
    }
    FluidSynthOptions synth = synthOptions(audioName);
    synth.chosenSoundFont = soundFont;
    synth.toMainThread = toMainThread;
    auto jackStream =
        std::make_shared<std::future<std::unique_ptr<AudioOutput>>>(jackAudio->get_future());
    // Without MIDI on JACK the synthesiser's JACK output is a client of its own.
    for (NamedAudioOutput& output : synth.ownOutputs) {
        if (output.name == "jack") {
            output.open = jackAudioOpener(
                [jackStream] {
                    return jackStream->valid() ? jackStream->get() : std::unique_ptr<AudioOutput>();
                },
                watchOnMainLoop);
        }
    }
    openInBackground(openMidi, makeFluidSynthOpener(std::move(synth)));
}

void receiveOpenedOutputs(QObject* receiver, const std::function<void()>& midiAttached) {
    Opening& state = opening();
    {
        const std::lock_guard lock(state.jobsMutex);
        state.jobsReceiver = receiver;
    }
    if (state.openMidi) {
        state.midi = Handoff<std::unique_ptr<MidiPort>>::make();
        state.midi->receive(receiver, [midiAttached](std::unique_ptr<MidiPort> port) {
            MIDIOutput::shared().attach(std::move(port));
            midiAttached();
        });
        std::thread([handoff = state.midi, open = std::exchange(state.openMidi, {})] {
            handoff->put(open());
        }).detach();
    }
    if (state.openAudio) {
        state.audio = Handoff<SoundController::Opened>::make();
        state.audio->receive(receiver, [](SoundController::Opened opened) {
            PianoController::sharedInstance().soundController().attach(std::move(opened));
        });
        std::thread([handoff = state.audio, open = std::exchange(state.openAudio, {})] {
            handoff->put(SoundController::open(open));
        }).detach();
    }
}

void stopReceivingOpenedOutputs() {
    Opening& state = opening();
    {
        const std::lock_guard lock(state.jobsMutex);
        state.jobsReceiver = nullptr;
    }
    if (state.midi) {
        state.midi->cancel();
    }
    if (state.audio) {
        state.audio->cancel();
    }
}

void composeApplication(std::string_view midi, std::string_view audio) {
    DefaultsController::setSharedStoreFactory([] {
        return std::make_unique<QtSettingsStore>(
            QtSettingsStore::userFilePath(organizationName, applicationName));
    });
    // Read now, so that the synthesiser opens with the chosen font rather than reading the
    // system's first.
    openOutputsInBackground(
        midi, audio, preferences::read(DefaultsController::shared(), preferences::soundFont));
    useStripPlacement();
}

} // namespace tinkella::app
