#pragma once

#include <QMenuBar>
#include <QObject>
#include <memory>

class QSocketNotifier;

namespace tinkella::app {

class WindowController;

// The top of the program: builds the main menu, and when launch has finished publishes the
// MIDI source, creates the settings panel controller (which builds everything else and shows
// the piano window) and shows the panel when the settings ask for it. Owns the settings panel
// controller for the life of the process. Main thread only.
class AppDelegate : public QObject {
    Q_OBJECT

public:
    // Made after the application object: ends the notes when its event loop quits.
    AppDelegate();
    ~AppDelegate() override;
    AppDelegate(const AppDelegate&) = delete;
    AppDelegate& operator=(const AppDelegate&) = delete;

    // Both launch steps, in order; what the process entry runs once the event loop is up.
    void launch();
    // Builds the main menu; it goes to the piano window when that is created.
    void applicationWillFinishLaunching();
    void applicationDidFinishLaunching();
    // Runs as the event loop quits (aboutToQuit): ends every note still playing on both outputs, so
    // a key held at quit does not keep sounding in the programs listening to the MIDI source,
    // and gives the note-offs a bounded time to leave; then writes the settings still waiting
    // for the file.
    void applicationWillTerminate();

    // "Settings…": writes true under "settingsVisible", then shows the panel in front.
    void showSettings();
    // Window menu "Tinkella": shows the one piano window in front.
    void showPianoWindow();

    WindowController* settingsWindowController() const { return settingsWindowController_.get(); }
    // The menu bar from applicationWillFinishLaunching() until the piano window takes it.
    QMenuBar* pendingMainMenu() const { return mainMenu_.get(); }

signals:
    // Emitted once, when every window shown by applicationDidFinishLaunching() has been exposed
    // (its first frame follows in the same turn of the event loop), or a second later at the
    // latest. Work that would compete for the CPU and the window system with the windows' first
    // showing waits for it: opening the outputs, the panel's MIDI tab, the windows' icon.
    void windowsShown();

protected:
    // Counts the first exposure of each window shown at launch.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void announceWindowsShown();
    void startOpeningOutputs();
    // The piano window, which the help and message windows stand over; null before it exists.
    QWidget* helpParent() const;
    void showAbout();
    // "Computer Keyboard…": which keys play which notes at the current octave.
    void showKeyboardMapping();
    void hideApplication();
    void showAllWindows();
    void watchMidiNotifications();

    std::unique_ptr<QMenuBar> mainMenu_;
    std::unique_ptr<WindowController> settingsWindowController_;
    std::unique_ptr<QSocketNotifier> midiNotifier_;
    bool outputsOpening_ = false;
    int unexposedWindows_ = 0;
    bool windowsShown_ = false;
};

} // namespace tinkella::app
