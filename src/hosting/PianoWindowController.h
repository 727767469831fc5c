#pragma once

#include "foundation/DefaultsController.h"
#include "model/Preferences.h"

#include <array>
#include <memory>

class QMainWindow;
class QScrollArea;
class QWidget;

namespace tinkella {

class ChordDisplay;
class ComputerKeyboard;
class ControllerKnobs;
class KeyboardScroll;
class NotificationCenter;
class PianoController;
class PianoView;
class PianoWindowFrame;
class QtKeyboardInput;
class QtPianoWidget;
class QtWheelWidget;
class StripHost;

// The piano window: the whole keyboard at a key width derived from the "keyWidth" preference,
// in a window that scrolls horizontally and is played with the mouse. Its scroll position and
// the "noteOffset" preference are two views of one value: the preference scrolls the window,
// and scrolling by hand writes the preference (sampled every 0.04 s). Puts the rooms together:
// the window's frame (PianoWindowFrame), the scroll position as the note offset
// (KeyboardScroll), the host that shows the strip's piano view (StripHost), and, where the
// settings show them, the pitch-bend and modulation wheels left of the keys (QtWheelWidget)
// and the controller knobs above them (ControllerKnobs).
//
// Owns the window (never destroyed while the controller lives; a close request minimises it),
// its piano view and the strip's host. Main thread only.
class PianoWindowController {
public:
    // Uses DefaultsController::shared(), PianoController::sharedInstance() and the default
    // notification centre.
    PianoWindowController();
    // For tests: all three must outlive the controller.
    PianoWindowController(DefaultsController& defaults, PianoController& pianoController,
                          NotificationCenter& center);
    ~PianoWindowController();
    PianoWindowController(const PianoWindowController&) = delete;
    PianoWindowController& operator=(const PianoWindowController&) = delete;

    // The window, e.g. to install the menu bar with setMenuBar(). Owned by the controller.
    QMainWindow* window() const;
    PianoWindowFrame& frame() const { return *frame_; }
    // The window's keyboard view (not the strip's).
    PianoView* pianoView() const { return pianoView_.get(); }
    // The scroll area's viewport: what shows of the keyboard.
    QWidget* clipView() const;
    QScrollArea* scrollView() const { return scrollView_; }
    QtPianoWidget* pianoWidget() const { return pianoWidget_; }
    KeyboardScroll& keyboardScroll() const { return *scroll_; }

    // The strip's piano view, shown by the strip's host; not owned. Set before the window is
    // shown.
    PianoView* stripPianoView() const { return stripPianoView_; }
    void setStripPianoView(PianoView* view) { stripPianoView_ = view; }

    // In the units of the "keyWidth" preference, written by its binding with a value of the
    // row's range: the view's key width is preferences::windowKeyWidth() of it, the keyboard is
    // resized and keeps its scroll proportion. Reading converts the view's key width back.
    double keyWidth() const;
    void setKeyWidth(double keyWidth);
    // 0 .. 96, the "noteOffset" preference, written by its binding (decoded, not rounded):
    // scrolls to preferences::scrollFraction() of the scroll range.
    float noteOffset() const;
    void setNoteOffset(float noteOffset);

    // Scrolls the keyboard by whole octaves (left when negative), writing "noteOffset".
    void scrollByOctaves(int octaves);
    // Start and end of a scroll by hand (KeyboardScroll); the offsets measured in between are
    // written to the "noteOffset" preference.
    void willStartLiveScroll();
    void didEndLiveScroll();

    // Shows the window (and from then on the strip, while the application is active). The
    // first showing makes the strip's host that chooseStripPlacement() asks for.
    void showWindow();
    // The strip's host, once the window has been shown with a strip piano view set.
    StripHost* strip() const { return strip_.get(); }

    // The chord name shown over the keyboard.
    ChordDisplay& chordDisplay() const { return *chordDisplay_; }
    // The wheels (0 pitch, 1 modulation) and the knobs, shown or not.
    QtWheelWidget* wheel(std::size_t index) const { return wheels_[index]; }
    ControllerKnobs& knobs() const { return *knobs_; }

    // The computer keyboard surface, played while the window (or the strip) has the focus.
    ComputerKeyboard& computerKeyboard() const { return *computerKeyboard_; }
    // Stops every note whatever the state: every surface lets go of what it holds (the mouse,
    // the strip's fingers, the computer keyboard, the wheels), then the keyboard model's panic.
    void panic();

private:
    void setUpContentView();
    // Hands the stored key labels, scale and contrast to both keyboards and redraws them.
    void applyKeyMarkings();
    void setTranspose(int semitones);

    DefaultsController& defaults_;
    PianoController& pianoController_;
    NotificationCenter& center_;
    std::unique_ptr<PianoView> pianoView_;
    std::unique_ptr<PianoWindowFrame> frame_;
    QScrollArea* scrollView_ = nullptr;    // owned by the window
    QtPianoWidget* pianoWidget_ = nullptr; // owned by the window
    std::unique_ptr<KeyboardScroll> scroll_;
    PianoView* stripPianoView_ = nullptr;
    std::array<QtWheelWidget*, 2> wheels_{}; // owned by the window
    std::unique_ptr<ControllerKnobs> knobs_;
    std::array<DefaultsBinding, 12> bindings_;
    preferences::KeyLabels keyLabels_ = preferences::KeyLabels::octave;
    std::size_t scale_ = 0;
    int scaleRoot_ = 0;
    bool highContrast_ = false;
    std::unique_ptr<ChordDisplay> chordDisplay_;
    std::unique_ptr<StripHost> strip_;
    bool stripPlaced_ = false;
    std::unique_ptr<ComputerKeyboard> computerKeyboard_;
    std::unique_ptr<QtKeyboardInput> keyboardInput_;
};

} // namespace tinkella
