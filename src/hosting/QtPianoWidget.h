#pragma once

#include "interfaces/ViewHost.h"
#include "view/PianoView.h"

#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QEventPoint;
class QInputDevice;
class QTouchEvent;

namespace tinkella {

class HoldWatch;

// Shows a PianoView and feeds it the toolkit's input: draws it through a QPainter, converts
// Qt's y-down widget coordinates into the view's unflipped ones (y_view = height - y_qt), and
// keeps the view's frame at the widget's size.
//
// Every hold the widget delivers is ended by it too. A press whose release the widget can no
// longer receive (HoldWatch says when: a modal dialog, a popup or grab, deactivation, the
// widget out of reach) is ended the moment it stops being able to: the held mouse button gets
// a release (the strip's mouse finger a cancel), and every held finger a cancel; fingers also
// end without an end event on touch cancel and when their input device goes, so no key stays
// pressed.
//
// Each finger plays the widget it went down on, whichever window the toolkit hands its events
// to: Qt 6 may deliver a finger that lands while another finger of the same touchscreen is
// down in another window (the strip's, the piano window) to that other window, where it lies
// outside everything. The widget under such a finger takes it, and its later events, from the
// events of the window they were delivered to; that window's widget leaves it be. Main thread
// only.
class QtPianoWidget : public QWidget, public ViewHost {
    Q_OBJECT

public:
    enum class MouseMode {
        // The left button plays through the view's mouse handlers (the piano window); a
        // touchscreen's finger acts as the mouse there while the mouse is free.
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

signals:
    // The view asked to be redrawn: keys pressed or lit, names or layout changed.
    void displayChanged();

protected:
    bool event(QEvent* event) override;
    // Takes the fingers that the toolkit delivers to other windows (see the class comment).
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
        // Taken from the events of another window (see the class comment).
        bool handedOver = false;
    };

    Point toView(const QPointF& position) const;
    // Plays the points of a touch event meant for this widget: from its own window, all but
    // those pressed outside it or taken by the widget under them; from another window, those
    // pressed on this widget and the later events of those it took.
    void handleTouchEvent(const QTouchEvent& event, bool ownWindow);
    bool takesPress(const QEventPoint& point, const QInputDevice* device,
                    const std::string& identity, bool ownWindow) const;
    // Plays a finger as the mouse (the piano window): the first one down while the mouse is free.
    void playAsMouse(const TouchRecord& record, const HeldTouch& touch);
    void forgetTouch(std::map<std::string, HeldTouch>::iterator held);
    void watchDevice(const QInputDevice* device);
    void cancelTouches(const QInputDevice* device, bool allDevices, bool handedOverOnly = false);
    // Whether the mouse events are the mouse's own: not while a finger acts as the mouse.
    bool takesMouse(const QMouseEvent* event) const;
    void pressMouse(Point location, std::optional<double> pressure);
    void dragMouse(Point location, std::optional<double> pressure);
    void releaseMouse(Point location);
    void loseMouse();
    void holdChanged();

    PianoView& view_;
    const MouseMode mode_;
    bool mouseHeld_ = false;
    Point lastMousePoint_;
    // The fingers held; in the piano window, the one acting as the mouse, if any.
    std::map<std::string, HeldTouch> heldTouches_;
    std::vector<const QInputDevice*> watchedDevices_;
    std::unique_ptr<HoldWatch> holdWatch_;
};

} // namespace tinkella
