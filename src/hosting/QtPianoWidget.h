#pragma once

#include "interfaces/ViewHost.h"
#include "view/PianoView.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QEventPoint;
class QInputDevice;
class QScreen;
class QTouchEvent;

namespace tinkella {

// Shows a PianoView and feeds it the toolkit's input: draws it through a QPainter, converts
// Qt's y-down widget coordinates into the view's unflipped ones (y_view = height - y_qt), and
// keeps the view's frame at the widget's size.
//
// Every hold the widget delivers is ended by it too. A press whose release the widget can no
// longer receive is ended the moment it stops being able to: the mouse grab taken by another
// widget or a popup, the piano window deactivated, the application deactivated, or the widget
// no longer reachable by the pointer it was pressed with (hidden, its window unmapped, moved to
// another desktop, minimised or otherwise left unexposed, or moved to another screen). The
// held mouse button then gets a release (the strip's mouse finger a cancel), and every held
// finger a cancel; fingers also end without an end event on touch cancel and when their input
// device goes, so no key stays pressed. Main thread only.
class QtPianoWidget : public QWidget, public ViewHost {
    Q_OBJECT

public:
    enum class MouseMode {
        // The left button plays through the view's mouse handlers (the piano window); a
        // touchscreen acts as the mouse there.
        playsKeys,
        // The left button is one more direct finger, identity "mouse", through the view's touch
        // handlers (the strip). Touch events are taken: touchscreen points as direct touches,
        // touchpad points as indirect ones.
        directTouch,
    };

    // The view is not owned and must outlive the widget; the widget is its host until the
    // widget goes.
    QtPianoWidget(PianoView& view, MouseMode mode, QWidget* parent = nullptr);
    ~QtPianoWidget() override;

    PianoView& pianoView() const { return view_; }
    MouseMode mouseMode() const { return mode_; }

    // ViewHost
    Rect bounds() const override;
    void setNeedsDisplay() override;

    QSize sizeHint() const override;

    bool isMouseHeld() const { return mouseHeld_; }
    std::size_t heldTouchCount() const { return heldTouches_.size(); }
    // Ends the held mouse button and cancels every held finger.
    void releaseHeldInput();

    static const std::string mouseTouchIdentity;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct HeldTouch {
        const QInputDevice* device = nullptr; // null for the mouse acting as a finger
        TouchType type = TouchType::direct;
        Point location;
    };

    Point toView(const QPointF& position) const;
    void handleTouchEvent(QTouchEvent* event);
    void watchDevice(const QInputDevice* device);
    void cancelTouches(const QInputDevice* device, bool allDevices);
    void pressMouse(Point location, std::optional<double> pressure);
    void dragMouse(Point location, std::optional<double> pressure);
    void releaseMouse(Point location);
    void loseMouse();
    bool hasLostMouseGrab(const QObject* watched, const QEvent* event) const;
    // Whether a release of the current hold can still arrive: shown, exposed, not minimised,
    // on the screen it was pressed on.
    bool canReceiveRelease() const;
    // Whether the event, seen by the application while input is held, leaves the held input
    // without its release.
    bool isLeftOutOfInput(const QObject* watched, const QEvent* event) const;
    // Watches every event of the application while the mouse or a finger is held, from the
    // moment the first hold begins until the last ends.
    void watchHold();

    PianoView& view_;
    const MouseMode mode_;
    bool mouseHeld_ = false;
    Point lastMousePoint_;
    std::map<std::string, HeldTouch> heldTouches_;
    std::vector<const QInputDevice*> watchedDevices_;
    bool watchingHold_ = false;
    // Whether a release could reach the widget at some time during the hold; a widget that
    // never could (one never exposed, driven by synthetic events) is not released for it.
    bool reachableWhileHeld_ = false;
    QPointer<QScreen> holdScreen_;
};

} // namespace tinkella
