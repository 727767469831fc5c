#pragma once

class QMenuBar;
class QWidget;

namespace tinkella::app {

// The two windows of the Help menu, each made once and brought forward on later calls; plain
// windows (not modal), so playing goes on beside them, closed with Esc. Main thread only.

// "Tinkella Help": the manual (the man page tinkella(1), built into the program as a page at
// build time) in a scrolling, searchable text view.
void showManual(QWidget* parent);
// "Keyboard Shortcuts": every command of the menu bar that has a shortcut, then the keys that
// play, move the computer keyboard's octave, sustain and open the menus. Made from the bar
// itself, so no shortcut is ever left out.
void showShortcuts(QWidget* parent, const QMenuBar& bar);

} // namespace tinkella::app
