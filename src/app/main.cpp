// The process entry: answers --help and --version, refuses to start without a display,
// chooses the MIDI system and the audio driver, then runs the application's event loop.
#include "app/AppDelegate.h"
#include "app/AppInfo.h"
#include "app/CommandLine.h"
#include "app/QuitSignals.h"
#include "app/ToolkitStartGuard.h"
#include "audio/SoundController.h"
#include "model/PianoController.h"
#include "platform/audio/FluidSynthAudioSystem.h"
#include "platform/defaults/DefaultsController.h"
#include "platform/defaults/QtSettingsStore.h"
#include "platform/midi/MidiBackends.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> audioDrivers{"jack", "pulseaudio", "alsa", "sdl2", "none"};

std::vector<std::string> midiBackendNames() {
    std::vector<std::string> names;
    for (const tinkella::MidiBackend& backend : tinkella::standardMidiBackends()) {
        names.push_back(backend.name);
    }
    names.emplace_back(tinkella::noMidiBackend);
    return names;
}

void chooseBackends(const tinkella::app::LaunchOptions& options) {
    tinkella::useStandardMidiBackends(options.midiBackend.value_or(""));
    const std::string audio = options.audioBackend.value_or("");
    tinkella::PianoController::setSharedSoundFactory([audio] {
        if (audio == "none") {
            return std::make_unique<tinkella::SoundController>(nullptr);
        }
        tinkella::FluidSynthOptions synth;
        if (!audio.empty()) {
            synth.drivers = {audio};
        }
        return std::make_unique<tinkella::SoundController>(
            tinkella::makeFluidSynthAudioSystem(std::move(synth)));
    });
    tinkella::DefaultsController::setSharedStoreFactory(
        [] { return std::make_unique<tinkella::QtSettingsStore>(); });
}

} // namespace

int main(int argc, char** argv) {
    using namespace tinkella::app;
    const std::vector<std::string> args(argv, argv + argc);
    const std::vector<std::string> midiBackends = midiBackendNames();
    const LaunchOptions options = parseCommandLine(args, midiBackends, audioDrivers);
    if (!options.error.empty()) {
        std::fprintf(stderr, "tinkella: %s\n", options.error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(usageText(midiBackends, audioDrivers).c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("%s\n", versionText().c_str());
        return 0;
    }
    if (!hasDisplay([](const char* name) { return std::getenv(name); }, options.namesPlatform)) {
        std::fputs("tinkella: no display to show the keyboard on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set); start it from a desktop session\n",
                   stderr);
        return 1;
    }
    chooseBackends(options);

    auto startGuard = std::make_unique<ToolkitStartGuard>();
    QApplication application(argc, argv);
    startGuard.reset();
    QApplication::setApplicationName(applicationName);
    QApplication::setOrganizationName(organizationName);
    QApplication::setOrganizationDomain(organizationDomain);
    QApplication::setApplicationVersion(applicationVersion());
    QApplication::setDesktopFileName(QStringLiteral("tinkella"));
    QApplication::setQuitOnLastWindowClosed(false);

    const QuitSignals quitSignals;
    AppDelegate delegate;
    delegate.applicationWillFinishLaunching();
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    QApplication::exec();
    return 0;
}
