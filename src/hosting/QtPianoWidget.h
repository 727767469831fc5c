#pragma once

#include "interfaces/ViewHost.h"
#include "view/PianoView.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

class QEventPoint;
class QInputDevice;
class QTouchEvent;

namespace tinkella {

// Shows a PianoView and feeds it the toolkit's input: draws it through a QPainter, converts
// Qt's y-down widget coordinates into the view's unflipped ones (y_view = height - y_qt), and
// keeps the view's frame at the widget's size.
//
// Every hold the widget delivers is ended by it too: when the mouse grab is lost while the
// button is down (another widget grabs the mouse, a popup opens, the window is deactivated or
// hidden) the view gets a release, and when fingers vanish without an end event (touch cancel,
// widget hidden, input device removed) it gets a cancel, so no key stays pressed.
// Main thread only.
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
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

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
    void pressMouse(Point location);
    void dragMouse(Point location);
    void releaseMouse(Point location);
    void loseMouse();
    bool hasLostMouseGrab() const;

    PianoView& view_;
    const MouseMode mode_;
    bool mouseHeld_ = false;
    Point lastMousePoint_;
    std::map<std::string, HeldTouch> heldTouches_;
    std::vector<const QInputDevice*> watchedDevices_;
};

} // namespace tinkella
