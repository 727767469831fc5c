#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

class QKeyEvent;

namespace tinkella {

class ComputerKeyboard;

// Feeds the computer keyboard surface from the toolkit: the key events of the watched windows
// (the piano window and the strip) become presses and releases by physical key (the event's
// native scan code), the space bar holds the sustain, and Left / Right arrow move the octave
// down / up. Watches the whole application's events, so the keys play whichever widget of a
// watched window has the focus. Releases every held key when the key-up events may stop
// arriving: the focus leaves the watched windows, one of them is deactivated, hidden or blocked by
// a modal dialog, or the application goes inactive. Main thread only.
class QtKeyboardInput : public QObject {
    Q_OBJECT

public:
    // keyboard must outlive the input.
    explicit QtKeyboardInput(ComputerKeyboard& keyboard);
    ~QtKeyboardInput() override;

    // Key events to this window and its children play; the window is not owned.
    void watch(QWidget* window);

    // How long a release waits for the press that would make it part of an auto-repeat, in
    // milliseconds.
    static constexpr int releaseDelayMs = 30;

    // One key event, press or release; true when the surface took it. Presses with Ctrl, Alt
    // or Meta are left to shortcuts; releases always count, so no key stays held. Releases of
    // note keys stay pending until the keyboard's applyPendingReleases().
    static bool handleKeyEvent(ComputerKeyboard& keyboard, const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isWatched(const QObject* object) const;
    void focusWindowChanged();

    ComputerKeyboard& keyboard_;
    std::vector<QPointer<QWidget>> windows_;
    QTimer releaseTimer_; // applies the keyboard's pending releases
};

} // namespace tinkella
