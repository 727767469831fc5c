#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QScreen;
class QWidget;

namespace tinkella {

// Tells a widget that holds the mouse button or fingers the moment their releases can no longer
// reach it:
// - a modal dialog blocks its window (the toolkit then drops the window's mouse and touch
//   events, the release over the dialog among them);
// - a popup or another widget takes the pointer grab (the release goes there, and the window
//   system hands the grabber the fingers' later events too), or the widget's own grab is
//   taken away;
// - the application is deactivated, or, where the widget is played with the window's focus,
//   its window is;
// - the widget is no longer reachable by what it was pressed with: hidden, its window unmapped,
//   moved to another desktop, minimised or otherwise left unexposed, or moved to another screen.
// Watches every event of the application from the moment a hold begins until the last one
// ends; `lost` runs once for each such moment and must end every hold. Main thread only.
class HoldWatch : public QObject {
    Q_OBJECT

public:
    // widget must outlive the watch. focused: the widget's window has the keyboard focus while
    // it plays (the piano window; the strip never takes the focus).
    HoldWatch(QWidget& widget, bool focused, std::function<void()> lost);
    ~HoldWatch() override;

    // Whether the widget holds anything now; called whenever that may have changed.
    void setHolding(bool holding);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether a release of the current hold can still arrive: shown, exposed, not minimised,
    // on the screen it was pressed on.
    bool canReceiveRelease() const;
    bool endsHold(const QObject* watched, const QEvent* event) const;

    QWidget& widget_;
    const bool focused_;
    std::function<void()> lost_;
    bool holding_ = false;
    // Whether a release could reach the widget at some time during the hold; a widget that
    // never could (one never exposed, driven by synthetic events) is not released for it.
    bool reachableWhileHeld_ = false;
    QPointer<QScreen> holdScreen_;
};

} // namespace tinkella
