#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QMenuBar;

namespace tinkella::app {

// What the menu commands do; an empty handler leaves its item without effect.
struct MainMenuHandlers {
    std::function<void()> about;
    std::function<void()> showSettings;
    std::function<void()> hide;
    std::function<void()> showAll;
    std::function<void()> quit;
    std::function<void()> showPianoWindow;
    std::function<void()> minimize;
    std::function<void()> zoom;
    std::function<void()> bringAllToFront;
    // The checkable "Sustain" item: its new state; isSustained gives the check each time the
    // Window menu opens (so a panic that lifted it shows).
    std::function<void(bool)> sustain;
    std::function<bool()> isSustained;
    std::function<void()> panic;
    std::function<void()> showKeyboardMapping;
    std::function<void()> saveLastPerformance;
    // Transpose Up (+1), Transpose Down (-1) and Reset Transpose (0).
    std::function<void(int)> transpose;
    // Scroll the piano window's keyboard an octave left (-1) or right (+1).
    std::function<void(int)> scrollOctave;
    // Help > Tinkella Help, Help > Keyboard Shortcuts.
    std::function<void()> showHelp;
    std::function<void()> showShortcuts;
};

// The menu bar, built in code: the application menu "Tinkella" (About, Settings…, Services,
// Hide Tinkella, Hide Others, Show All, Quit Tinkella), the "Window" menu (Tinkella, Minimize,
// Zoom, Bring All to Front, then the application's windows, listed afresh each time it opens,
// then the playing commands: Sustain, Panic (Esc, in the piano window), Computer Keyboard… and
// Save Last Performance… (Ctrl+S), then Transpose Up, Transpose Down and Reset Transpose
// (Ctrl+Up, Ctrl+Down, Ctrl+0), then Scroll Left an Octave and Scroll Right an Octave (Ctrl+Left,
// Ctrl+Right)) and the "Help" menu (Tinkella Help, F1; Keyboard Shortcuts, Ctrl+F1). Command is
// Ctrl here; every command has a shortcut (menuShortcuts() lists them), and every shortcut
// works in every window of the application but Esc. "Services" and "Hide Others" have nothing
// to act on outside their home desktop and stay disabled. The titles are translated. Main
// thread only.
std::unique_ptr<QMenuBar> makeMainMenu(const MainMenuHandlers& handlers);

// Every command of the bar that has a shortcut, in menu order: the menu's title, the item's
// title (without its ellipsis) and the shortcut as the desktop shows it.
struct MenuShortcut {
    QString menu;
    QString command;
    QString shortcut;
};
std::vector<MenuShortcut> menuShortcuts(const QMenuBar& bar);

// The titles of the windows listed at the end of the Window menu: every visible, framed
// top-level window with a title (the strip is left out), in the order the toolkit keeps them.
QStringList windowMenuEntries();

} // namespace tinkella::app
