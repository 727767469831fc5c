#pragma once

#include <QObject>
#include <memory>
#include <string_view>

class QEvent;
class QMainWindow;
class QTimer;

namespace tinkella {

class DefaultsController;

// The piano window and its frame. Made at its usual place (content 1200 × 270 points, its
// bottom-left corner 384, 551 from the screen's bottom-left corner), titled "Tinkella", sized
// between 200 × 100 and 9999 × 400; a close request from the window manager minimises it and
// full screen is left at once. The frame is kept in the settings under "keyboard" (half a
// second after the last move or resize, and on quitting) and taken from there when the window
// is made. A frame not taken from the settings is fitted into the screen's available area on
// the first showing, and again once the window manager's decorations are known. Owns the
// window; main thread only.
class PianoWindowFrame : public QObject {
    Q_OBJECT

public:
    // The key under which the window's frame is kept in the settings store.
    static constexpr std::string_view frameKey = "keyboard";

    // defaults must outlive the frame.
    explicit PianoWindowFrame(DefaultsController& defaults);
    ~PianoWindowFrame() override;
    PianoWindowFrame(const PianoWindowFrame&) = delete;
    PianoWindowFrame& operator=(const PianoWindowFrame&) = delete;

    QMainWindow& window() const { return *window_; }
    // Shows the window, raised and active.
    void show();

    // Keeps the window's frame in the settings store / takes it from there. A stored value
    // that is no frame is ignored.
    void saveFrame();
    bool restoreFrame();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeWindow();
    void fitFrameToScreen();
    void fitOnceFramed();

    DefaultsController& defaults_;
    std::unique_ptr<QMainWindow> window_;
    std::unique_ptr<QTimer> frameSaveTimer_;
    bool frameRestored_ = false;
    // Set when a first placement is shown: the frame is fitted to the screen again once the
    // window manager's decorations are known (until then the frame is the client area), at
    // the first turn of the event loop or the first move or resize after it.
    bool fitWhenFramed_ = false;
    bool shownBefore_ = false;
    // The height is fixed from the first showing until the window is first exposed.
    bool heightPinned_ = false;
};

} // namespace tinkella
