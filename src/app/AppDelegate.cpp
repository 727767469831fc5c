#include "app/AppDelegate.h"

#include "app/AppInfo.h"
#include "app/Composition.h"
#include "app/HelpWindows.h"
#include "app/LibraryVersions.h"
#include "app/MainMenu.h"
#include "app/PerformanceFile.h"
#include "app/WindowController.h"
#include "hosting/PianoWindowController.h"
#include "model/ComputerKeyboard.h"
#include "model/PianoController.h"
#include "model/Preferences.h"
#include "outputs/MIDIOutput.h"
#include "outputs/PerformanceRecorder.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace tinkella::app {

AppDelegate::AppDelegate() {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        connect(application, &QCoreApplication::aboutToQuit, this,
                &AppDelegate::applicationWillTerminate);
    }
    connect(this, &AppDelegate::windowsShown, this, &AppDelegate::startOpeningOutputs);
    connect(this, &AppDelegate::windowsShown, this, [this] {
        if (settingsWindowController_) {
            settingsWindowController_->makeDeferredTabs();
        }
    });
}

AppDelegate::~AppDelegate() {
    stopReceivingOpenedOutputs();
}

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
    handlers.sustain = [](bool on) {
        PianoController::sharedInstance().setSustained(SustainSource::menu, on);
    };
    handlers.isSustained = [] {
        return PianoController::sharedInstance().isSustainedBy(SustainSource::menu);
    };
    handlers.panic = [this] {
        if (settingsWindowController_) {
            settingsWindowController_->keyboardWindow()->panic();
        }
    };
    handlers.showKeyboardMapping = [this] {
        showKeyboardMapping();
    };
    handlers.saveLastPerformance = [this] {
        savePerformanceFromMenu(settingsWindowController_
                                    ? settingsWindowController_->keyboardWindow()->window()
                                    : nullptr);
    };
    handlers.scrollOctave = [this](int octaves) {
        if (settingsWindowController_) {
            settingsWindowController_->keyboardWindow()->scrollByOctaves(octaves);
        }
    };
    handlers.showHelp = [this] {
        showManual(helpParent());
    };
    handlers.showShortcuts = [this] {
        QWidget* parent = helpParent();
        if (auto* window = qobject_cast<QMainWindow*>(parent); window && window->menuBar()) {
            showShortcuts(parent, *window->menuBar());
        } else if (mainMenu_) {
            showShortcuts(parent, *mainMenu_);
        }
    };
    handlers.transpose = [](int step) {
        DefaultsController& defaults = DefaultsController::shared();
        const int now = preferences::read(defaults, preferences::transpose);
        const int next = step == 0 ? 0
                                   : std::clamp(now + step, preferences::transpose.minimum,
                                                preferences::transpose.maximum);
        defaults.setObject(DefaultsValue::integer(next), preferences::transpose);
    };
    mainMenu_ = makeMainMenu(handlers);
}

void AppDelegate::applicationDidFinishLaunching() {
    MIDIOutput::shared().setRecorder(&PerformanceRecorder::shared());
    watchMidiNotifications();
    settingsWindowController_ = std::make_unique<WindowController>(std::move(mainMenu_));
    if (settingsWindowController_->shouldShowSettingsAtLaunch()) {
        settingsWindowController_->showWindow();
    }
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        QWindow* window = widget->isVisible() ? widget->windowHandle() : nullptr;
        if (window != nullptr && !window->isExposed()) {
            window->installEventFilter(this);
            ++unexposedWindows_;
        }
    }
    if (unexposedWindows_ == 0) {
        QTimer::singleShot(0, this, &AppDelegate::announceWindowsShown);
    }
    // A window that is never exposed (minimised, on another desktop) holds nothing up for long.
    QTimer::singleShot(std::chrono::seconds(1), this, &AppDelegate::announceWindowsShown);
}

void AppDelegate::applicationWillTerminate() {
    if (settingsWindowController_) {
        // The sustain first: notes ended under it would ring on in the listeners.
        PianoController::sharedInstance().setSustained(SustainSource::keyboard, false);
        PianoController::sharedInstance().setSustained(SustainSource::menu, false);
        PianoController::sharedInstance().endIncomingNotes();
        PianoController::sharedInstance().endCurrentNotes();
        // MPE's channels keep their last note's bend until the next note; there is none now.
        PianoController::sharedInstance().expression().recentre();
        // Long enough for many JACK cycles, short enough that a frozen server does not hold the
        // quit up noticeably.
        MIDIOutput::shared().waitUntilSent(std::chrono::milliseconds(300));
        DefaultsController::shared().store().flush();
    }
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        if (--unexposedWindows_ == 0) {
            // After this turn of the event loop, which paints the windows just exposed.
            QTimer::singleShot(0, this, &AppDelegate::announceWindowsShown);
        }
    }
    return false;
}

void AppDelegate::announceWindowsShown() {
    if (!windowsShown_) {
        windowsShown_ = true;
        emit windowsShown();
    }
}

void AppDelegate::startOpeningOutputs() {
    if (!outputsOpening_) {
        outputsOpening_ = true;
        receiveOpenedOutputs(this, [this] { watchMidiNotifications(); });
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

QWidget* AppDelegate::helpParent() const {
    return settingsWindowController_ && settingsWindowController_->keyboardWindow()
               ? settingsWindowController_->keyboardWindow()->window()
               : nullptr;
}

void AppDelegate::showAbout() {
    QWidget* parent = helpParent();
    QMessageBox::about(
        parent, tr("About Tinkella"),
        tr("<b>Tinkella</b> %1<br>A 120-key piano keyboard for the touch strip and the mouse, "
           "sending every note out of the MIDI source \"Tinkella\".<br><br>Sound by the "
           "FluidSynth synthesiser with the system's General MIDI sound font.<br>%2<br><br>By "
           "Quorvin.")
            .arg(QString::fromUtf8(applicationVersion()),
                 QString::fromStdString(libraryVersions()).toHtmlEscaped()));
}

void AppDelegate::showKeyboardMapping() {
    if (!settingsWindowController_) {
        return;
    }
    PianoWindowController* piano = settingsWindowController_->keyboardWindow();
    const int base = piano->computerKeyboard().baseNote();
    // Note names with middle C (note 60) as C4.
    const auto name = [](int note) {
        return QStringLiteral("C%1").arg(note / 12 - 1);
    };
    const QString intro = tr(
        "While the piano window is active, two rows of the computer keyboard play an octave and a "
        "half. Keys count by where they are, not by their labels, so any layout plays alike; the "
        "letters are those of a US keyboard.");
    const QString upTo = tr("%1 up to %2");
    QMessageBox::information(
        piano->window(), tr("Computer Keyboard"),
        QStringLiteral("<p>%1</p>"
                       "<table cellpadding=3>"
                       "<tr><td><b>Z S X D C V G B H N J M ,</b></td><td>%2</td></tr>"
                       "<tr><td><b>Q 2 W 3 E R 5 T 6 Y 7 U I</b></td><td>%3</td></tr>"
                       "<tr><td><b>\u2190 / \u2192</b></td><td>%4</td></tr>"
                       "<tr><td><b>%5</b></td><td>%6</td></tr>"
                       "<tr><td><b>Esc</b></td><td>%7</td></tr>"
                       "</table>")
            .arg(intro, upTo.arg(name(base), name(base + 12)),
                 upTo.arg(name(base + 12), name(base + 24)), tr("octave down / up"), tr("Space"),
                 tr("sustain, while held"), tr("panic: every note stops")));
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
