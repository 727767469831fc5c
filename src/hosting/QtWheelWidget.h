#pragma once

#include "view/WheelView.h"

#include <QWidget>
#include <map>
#include <memory>
#include <set>
#include <string>

class QInputDevice;
class QTouchEvent;

namespace tinkella {

class HoldWatch;
class PlayerChannel;

// Shows one WheelView and feeds it the toolkit's input: the left mouse button and the fingers
// of a touchscreen, also while other fingers play the keys in this window or another. A finger
// that Qt hands to another window's events (see fingersTakenElsewhere()) is taken from there
// when it went down on this widget. With the keyboard focus (Tab reaches it) Up / Down move the
// wheel a sixteenth of its range, Page Up / Page Down a quarter, Home / End to its ends; a pitch
// wheel springs back when the key is let go. A hold whose release can no longer arrive ends at
// once (HoldWatch). Converts Qt's y-down coordinates into the view's (y = height - y_qt). Main
// thread only.
class QtWheelWidget : public QWidget {
    Q_OBJECT

public:
    // Width in points.
    static constexpr int wheelWidth = 34;

    // player must outlive the widget.
    QtWheelWidget(WheelView::Kind kind, PlayerChannel& player, QWidget* parent = nullptr);
    ~QtWheelWidget() override;

    WheelView& view() { return view_; }
    bool isHeld() const { return view_.isHeld(); }
    // Lets go of the mouse, every finger and the keys.
    void releaseHeldInput();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Finger {
        const QInputDevice* device;
        bool handedOver; // taken from another window's events
    };
    // Plays the points of a touch event: from this widget's window those pressed on it, from
    // another window those pressed over it; later events of a finger come from where it was
    // taken.
    void handleTouchEvent(const QTouchEvent& event, bool ownWindow);
    // Lets go of the fingers of device (null: all).
    void releaseFingers(const QInputDevice* device);
    Point toView(const QPointF& position) const;
    void changed();

    WheelView view_;
    std::map<std::string, Finger> fingers_;
    std::set<const QInputDevice*> watchedDevices_;
    bool mouseHeld_ = false;
    std::unique_ptr<HoldWatch> holdWatch_;
};

} // namespace tinkella
