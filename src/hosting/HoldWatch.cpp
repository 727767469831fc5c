#include "hosting/HoldWatch.h"

#include <QApplication>
#include <QInputEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace tinkella {

HoldWatch::HoldWatch(QWidget& widget, bool focused, std::function<void()> lost)
    : widget_(widget), focused_(focused), lost_(std::move(lost)) {}

HoldWatch::~HoldWatch() {
    setHolding(false);
}

void HoldWatch::setHolding(bool holding) {
    if (holding == holding_) {
        return;
    }
    holding_ = holding;
    if (holding) {
        holdScreen_ = widget_.screen();
        reachableWhileHeld_ = canReceiveRelease();
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
}

bool HoldWatch::canReceiveRelease() const {
    const QWidget* window = widget_.window();
    const QWindow* handle = window->windowHandle();
    return widget_.isVisible() && handle != nullptr && handle->isExposed() &&
           !window->isMinimized() && widget_.screen() == holdScreen_;
}

bool HoldWatch::endsHold(const QObject* watched, const QEvent* event) const {
    const bool toWidget = watched == &widget_;
    switch (event->type()) {
    case QEvent::WindowBlocked:
        if (toWidget || watched == widget_.window()) {
            return true;
        }
        break;
    case QEvent::UngrabMouse:
        if (toWidget) {
            return true;
        }
        break;
    case QEvent::ActivationChange:
    case QEvent::WindowDeactivate:
        if (toWidget && focused_ && !widget_.isActiveWindow()) {
            return true;
        }
        break;
    case QEvent::ApplicationStateChange:
        if (static_cast<const QApplicationStateChangeEvent*>(event)->applicationState() !=
            Qt::ApplicationActive) {
            return true;
        }
        break;
    default:
        break;
    }
    const QWidget* grabber = QWidget::mouseGrabber();
    const QWidget* popup = QApplication::activePopupWidget();
    return (grabber != nullptr && grabber != &widget_) ||
           (popup != nullptr && popup != widget_.window()) ||
           (reachableWhileHeld_ && !canReceiveRelease());
}

bool HoldWatch::eventFilter(QObject* watched, QEvent* event) {
    if (holding_ && endsHold(watched, event)) {
        lost_();
    } else if (holding_ && !reachableWhileHeld_) {
        reachableWhileHeld_ = canReceiveRelease();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tinkella
