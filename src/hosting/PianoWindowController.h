#pragma once

#include "foundation/DefaultsController.h"
#include "hosting/TouchBar.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <memory>
#include <string_view>

class QEvent;
class QMainWindow;
class QScrollArea;
class QTimer;
class QWidget;

namespace tinkella {

class ComputerKeyboard;
class NotificationCenter;
class PianoController;
class QtKeyboardInput;
class PianoView;
class QtPianoWidget;
class QtStripWindow;
class ShellStripHost;

// The piano window: the whole keyboard at a key width derived from the "keyWidth" preference,
// in a window that scrolls horizontally and is played with the mouse. Its scroll position and
// the "noteOffset" preference are two views of one value: the preference scrolls the window,
// and scrolling by hand writes the preference (sampled every 0.04 s). Offers the strip the bar
// whose one item shows the strip's piano view, and owns the strip window that shows it.
//
// Owns the window (never destroyed while the controller lives; a close request minimises it),
// its piano view and the strip window. Main thread only.
class PianoWindowController : public QObject, public TouchBarProvider, public TouchBarDelegate {
    Q_OBJECT

public:
    static constexpr std::string_view customizationIdentifier = "com.quorvin.piano";
    // The key under which the window's frame is kept in the settings store.
    static constexpr std::string_view frameKey = "keyboard";
    static constexpr double liveScrollInterval = 0.04; // seconds
    // A run of wheel events without phases, or of scroll bar steps (arrows, track clicks),
    // counts as ended after this pause, in seconds.
    static constexpr double wheelScrollPause = 0.2;

    // Uses DefaultsController::shared(), PianoController::sharedInstance() and the default
    // notification centre.
    PianoWindowController();
    // For tests: all three must outlive the controller.
    PianoWindowController(DefaultsController& defaults, PianoController& pianoController,
                          NotificationCenter& center);
    ~PianoWindowController() override;
    PianoWindowController(const PianoWindowController&) = delete;
    PianoWindowController& operator=(const PianoWindowController&) = delete;

    // The window, e.g. to install the menu bar with setMenuBar(). Owned by the controller.
    QMainWindow* window() const;
    // The window's keyboard view (not the strip's).
    PianoView* pianoView() const { return pianoView_.get(); }
    // The scroll area's viewport: what shows of the keyboard.
    QWidget* clipView() const;
    QScrollArea* scrollView() const { return scrollView_; }
    QtPianoWidget* pianoWidget() const { return pianoWidget_; }

    // The strip's piano view, shown by this window's bar; not owned. Set before the window is
    // shown.
    PianoView* stripPianoView() const { return stripPianoView_; }
    void setStripPianoView(PianoView* view) { stripPianoView_ = view; }

    // In the units of the "keyWidth" preference. Writing decodes v as the preference is decoded
    // (into its range), stores ceil(0.6 v + 20) points as the view's key width, resizes the
    // keyboard and keeps the scroll proportion.
    double keyWidth() const;
    void setKeyWidth(double keyWidth);
    // 0 .. 96, the "noteOffset" preference; writing decodes the value as the preference is
    // decoded (into 0 .. 96, not rounded) and scrolls.
    float noteOffset() const { return lastNoteOffset_; }
    void setNoteOffset(float noteOffset);

    // The keyboard width W in points, bounded by what the toolkit can lay out.
    double keyboardWidth() const;
    // The document position the last scroll asked for; the toolkit shows it rounded to a
    // whole pixel.
    double requestedScrollX() const { return requestedScrollX_; }

    // Start and end of a scroll by hand: posts PianoResizingStarted / PianoResizingEnded and
    // runs the sampling timer in between.
    void willStartLiveScroll();
    void didEndLiveScroll();
    bool isLiveScrolling() const;
    // One tick of the sampling timer: measures the scroll proportion and writes it to the
    // "noteOffset" preference.
    void sampleLiveScroll();

    // Shows the window (and from then on the strip, while the application is active). The
    // first showing places the strip as chooseStripPlacement() says: a strip window, a surface
    // of the desktop's shell, or docked in the bottom of this window.
    void showWindow();
    // At most one of the three is set, once the window has been shown.
    QtStripWindow* stripWindow() const { return stripWindow_.get(); }
    ShellStripHost* shellStrip() const { return shellStrip_.get(); }
    QtPianoWidget* dockedStrip() const { return dockedStrip_; }

    // The computer keyboard surface, played while the window (or the strip) has the focus.
    ComputerKeyboard& computerKeyboard() const { return *computerKeyboard_; }
    // Stops every note whatever the state: every surface lets go of what it holds (the mouse,
    // the strip's fingers, the computer keyboard), then the keyboard model's panic.
    void panic();

    // Keeps the window's frame in the settings store / takes it from there. A stored value
    // that is no frame is ignored.
    void saveFrame();
    bool restoreFrame();

    // TouchBarProvider: a new bar with this controller as delegate, the piano item followed
    // by the other-items proxy.
    std::unique_ptr<TouchBar> makeTouchBar() override;
    // TouchBarDelegate: the item showing stripPianoView for the piano item's identifier, no
    // item for any other.
    std::unique_ptr<CustomTouchBarItem> touchBar(TouchBar& touchBar,
                                                 const std::string& identifier) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpContentView();
    void resizeKeyboard();
    void scrollTo(double x);
    double clipWidth() const;
    double visibleOriginX() const;
    void liveSourceChanged();
    void placeWindow();
    void fitFrameToScreen();
    void fitOnceFramed();
    void placeStrip();

    DefaultsController& defaults_;
    PianoController& pianoController_;
    NotificationCenter& center_;
    std::unique_ptr<PianoView> pianoView_;
    std::unique_ptr<QMainWindow> window_;
    QScrollArea* scrollView_ = nullptr;    // owned by window_
    QtPianoWidget* pianoWidget_ = nullptr; // owned by window_
    PianoView* stripPianoView_ = nullptr;
    float lastNoteOffset_ = 0;
    double requestedScrollX_ = 0;
    double lastSampledOriginX_ = -1;
    std::unique_ptr<QTimer> liveScrollTimer_;
    std::unique_ptr<QTimer> wheelEndTimer_;
    std::unique_ptr<QTimer> stepEndTimer_;
    std::unique_ptr<QTimer> frameSaveTimer_;
    bool sliderHeld_ = false;
    bool wheelScrolling_ = false;
    bool stepScrolling_ = false; // scroll bar arrows and track clicks
    bool liveScrolling_ = false;
    bool frameRestored_ = false;
    // Set when a first placement is shown: the frame is fitted to the screen again once the
    // window manager's decorations are known (until then the frame is the client area), at
    // the first turn of the event loop or the first move or resize after it.
    bool fitWhenFramed_ = false;
    std::array<DefaultsBinding, 3> bindings_;
    std::unique_ptr<QtStripWindow> stripWindow_;
    std::unique_ptr<ShellStripHost> shellStrip_;
    QtPianoWidget* dockedStrip_ = nullptr; // owned by window_
    bool stripPlaced_ = false;
    std::unique_ptr<ComputerKeyboard> computerKeyboard_;
    std::unique_ptr<QtKeyboardInput> keyboardInput_;
};

} // namespace tinkella
