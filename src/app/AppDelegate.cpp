#include "app/AppDelegate.h"

#include "app/AppInfo.h"
#include "app/MainMenu.h"
#include "app/WindowController.h"
#include "audio/MIDIOutput.h"
#include "hosting/PianoWindowController.h"
#include "model/PianoController.h"
#include "app/LibraryVersions.h"
#include "model/Preferences.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QWidget>

namespace tinkella::app {

AppDelegate::AppDelegate() {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        connect(application, &QCoreApplication::aboutToQuit, this,
                &AppDelegate::applicationWillTerminate);
    }
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::launch() {
    applicationWillFinishLaunching();
    applicationDidFinishLaunching();
}

void AppDelegate::applicationWillFinishLaunching() {
    MainMenuHandlers handlers;
    handlers.about = [this] {
        showAbout();
    };
    handlers.showSettings = [this] {
        showSettings();
    };
    handlers.hide = [this] {
        hideApplication();
    };
    handlers.showAll = [this] {
        showAllWindows();
    };
    // exit() rather than quit(): quitting asks every window to close first, which would
    // record the settings panel as closed by the user.
    handlers.quit = [] {
        QCoreApplication::exit(0);
    };
    handlers.showPianoWindow = [this] {
        showPianoWindow();
    };
    handlers.minimize = [] {
        if (QWidget* window = QApplication::activeWindow()) {
            if (window->windowType() != Qt::Tool) {
                window->showMinimized();
            }
        }
    };
    handlers.zoom = [] {
        if (QWidget* window = QApplication::activeWindow()) {
            if (window->minimumSize() != window->maximumSize()) {
                window->isMaximized() ? window->showNormal() : window->showMaximized();
            }
        }
    };
    handlers.bringAllToFront = [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                window->raise();
            }
        }
    };
    mainMenu_ = makeMainMenu(handlers);
}

void AppDelegate::applicationDidFinishLaunching() {
    MIDIOutput::shared();
    watchMidiNotifications();
    settingsWindowController_ = std::make_unique<WindowController>(std::move(mainMenu_));
    if (settingsWindowController_->shouldShowSettingsAtLaunch()) {
        settingsWindowController_->showWindow();
    }
}

void AppDelegate::applicationWillTerminate() {
    if (settingsWindowController_) {
        PianoController::sharedInstance().endCurrentNotes();
        // Long enough for many JACK cycles, short enough that a frozen server does not hold the
        // quit up noticeably.
        MIDIOutput::shared().waitUntilSent(std::chrono::milliseconds(300));
        DefaultsController::shared().store().flush();
    }
}

void AppDelegate::watchMidiNotifications() {
    const int descriptor = MIDIOutput::shared().notificationDescriptor();
    if (descriptor < 0) {
        return;
    }
    midiNotifier_ = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
    connect(midiNotifier_.get(), &QSocketNotifier::activated, this,
            [] { MIDIOutput::shared().dispatchNotifications(); });
}

void AppDelegate::showSettings() {
    if (!settingsWindowController_) {
        return;
    }
    DefaultsController::shared().setObject(DefaultsValue::boolean(true),
                                           preferences::settingsVisible);
    settingsWindowController_->showWindow();
}

void AppDelegate::showPianoWindow() {
    if (!settingsWindowController_) {
        return;
    }
    PianoWindowController* piano = settingsWindowController_->keyboardWindow();
    piano->showWindow();
    if (QMainWindow* window = piano->window()) {
        if (window->isMinimized()) {
            window->showNormal();
        }
        window->raise();
        window->activateWindow();
    }
}

void AppDelegate::showAbout() {
    QWidget* parent = settingsWindowController_ && settingsWindowController_->keyboardWindow()
                          ? settingsWindowController_->keyboardWindow()->window()
                          : nullptr;
    QMessageBox::about(
        parent, QStringLiteral("About Tinkella"),
        QStringLiteral("<b>Tinkella</b> %1<br>A 120-key piano keyboard for the touch strip and "
                       "the mouse, sending every note out of the MIDI source "
                       "\"Tinkella\".<br><br>Sound by the FluidSynth synthesiser with the "
                       "system's General MIDI sound font.<br>%2<br><br>By Quorvin.")
            .arg(QString::fromUtf8(applicationVersion()),
                 QString::fromStdString(libraryVersions()).toHtmlEscaped()));
}

void AppDelegate::hideApplication() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // Utility panels cannot be minimised; the settings panel hides with the application.
        if (window->isVisible() &&
            (window->windowType() == Qt::Window || window->windowType() == Qt::Dialog)) {
            window->showMinimized();
        }
    }
}

void AppDelegate::showAllWindows() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isMinimized()) {
            window->showNormal();
        }
    }
    showPianoWindow();
}

} // namespace tinkella::app
