// The process entry: answers --help and --version, refuses to start without a display,
// chooses the MIDI system and the audio driver, then runs the application's event loop.
#include "app/AppDelegate.h"
#include "app/AppInfo.h"
#include "app/CommandLine.h"
#include "app/Composition.h"
#include "app/FontWarmUp.h"
#include "app/QuitSignals.h"
#include "app/SingleInstance.h"
#include "app/ToolkitStartGuard.h"
#include "app/Translations.h"
#include "foundation/LogText.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// The icon every window carries (the windows take the application's): the PNGs drawn from the
// SVG at build time and compiled in, so it shows whether or not the program is installed.
QIcon builtInIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1/tinkella.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    using namespace tinkella::app;
    const std::vector<std::string> args(argv, argv + argc);
    const std::vector<std::string> midiBackends = midiBackendNames();
    const std::vector<std::string> audioDrivers = audioBackendNames();
    const LaunchOptions options = parseCommandLine(args, midiBackends, audioDrivers);
    if (!options.error.empty()) {
        std::fprintf(stderr, "tinkella: %s\n", tinkella::escapedForLog(options.error).c_str());
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
    composeApplication(options.midiBackend.value_or(""), options.audioBackend.value_or(""));

    auto startGuard = std::make_unique<ToolkitStartGuard>();
    QApplication application(argc, argv);
    startGuard.reset();
    QApplication::setApplicationName(applicationName);
    QApplication::setOrganizationName(organizationName);
    QApplication::setOrganizationDomain(organizationDomain);
    QApplication::setApplicationVersion(applicationVersion());
    QApplication::setDesktopFileName(QStringLiteral("com.quorvin.Tinkella"));
    QApplication::setQuitOnLastWindowClosed(false);
    installTranslations();

    const QuitSignals quitSignals;
    AppDelegate delegate;
    // Decoding the icon and handing every size of it to the window manager with each window
    // would hold up the windows' first showing.
    QObject::connect(&delegate, &AppDelegate::windowsShown,
                     [] { QApplication::setWindowIcon(builtInIcon()); });
    const auto instance =
        SingleInstance::claim(options.newInstance, [&delegate] { delegate.showPianoWindow(); });
    if (instance->handedOver()) {
        return 0;
    }
    const FontWarmUp fontWarmUp;
    QObject::connect(&delegate, &AppDelegate::windowsShown, instance.get(),
                     &SingleInstance::takeBusName);
    delegate.applicationWillFinishLaunching();
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    QApplication::exec();
    // Closing the clients of a JACK server that no longer answers would block for as long as
    // the server stays stopped.
    armQuitDeadline(std::chrono::milliseconds(600));
    return 0;
}
