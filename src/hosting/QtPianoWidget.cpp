#include "hosting/QtPianoWidget.h"

#include "adapters/qt/QtPainterDrawContext.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QScreen>
#include <QTouchEvent>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace tinkella {

const std::string QtPianoWidget::mouseTouchIdentity = "mouse";

namespace {

std::string touchIdentity(const QInputDevice* device, int pointId) {
    // The window system's id of the device alone may be shared by devices made up in tests; the
    // device object itself is unique while any of its points is down.
    return "touch " + std::to_string(device != nullptr ? device->systemId() : 0) + "/" +
           std::to_string(reinterpret_cast<std::uintptr_t>(device)) + "/" + std::to_string(pointId);
}

// The point's pressure 0..1 when its device measures pressure.
std::optional<double> pressureOf(const QInputDevice* device, const QEventPoint& point) {
    if (device == nullptr || !device->capabilities().testFlag(QInputDevice::Capability::Pressure)) {
        return std::nullopt;
    }
    return point.pressure();
}

std::optional<double> pressureOf(const QMouseEvent* event) {
    return event->points().isEmpty() ? std::nullopt
                                     : pressureOf(event->device(), event->points().front());
}

} // namespace

QtPianoWidget::QtPianoWidget(PianoView& view, MouseMode mode, QWidget* parent)
    : QWidget(parent), view_(view), mode_(mode) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A move without the button is how a release that went elsewhere shows; Qt hands such moves
    // only to widgets that track the mouse.
    setMouseTracking(true);
    if (mode_ == MouseMode::directTouch) {
        setAttribute(Qt::WA_AcceptTouchEvents);
    }
    view_.setHost(this);
    const Rect frame = view_.frame();
    if (frame.size.width > 0 && frame.size.height > 0) {
        resize(static_cast<int>(std::min(frame.size.width, double{QWIDGETSIZE_MAX})),
               static_cast<int>(std::min(frame.size.height, double{QWIDGETSIZE_MAX})));
    }
    view_.setFrameSize({static_cast<double>(width()), static_cast<double>(height())});
}

QtPianoWidget::~QtPianoWidget() {
    view_.setHost(nullptr);
    releaseHeldInput();
}

Rect QtPianoWidget::bounds() const {
    return {0, 0, static_cast<double>(width()), static_cast<double>(height())};
}

void QtPianoWidget::setNeedsDisplay() {
    update();
}

QSize QtPianoWidget::sizeHint() const {
    const Size size = view_.frame().size;
    if (size.width > 0 && size.height > 0) {
        return {static_cast<int>(std::min(size.width, double{QWIDGETSIZE_MAX})),
                static_cast<int>(std::min(size.height, double{QWIDGETSIZE_MAX}))};
    }
    return QWidget::sizeHint();
}

Point QtPianoWidget::toView(const QPointF& position) const {
    return {position.x(), static_cast<double>(height()) - position.y()};
}

void QtPianoWidget::releaseHeldInput() {
    if (mouseHeld_) {
        loseMouse();
    }
    cancelTouches(nullptr, true);
}

bool QtPianoWidget::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        if (mode_ != MouseMode::directTouch) {
            break;
        }
        handleTouchEvent(static_cast<QTouchEvent*>(event));
        event->accept();
        return true;
    case QEvent::TouchCancel: {
        auto* touch = static_cast<QTouchEvent*>(event);
        cancelTouches(touch->device(), touch->device() == nullptr);
        event->accept();
        return true;
    }
    default:
        break;
    }
    return QWidget::event(event);
}

void QtPianoWidget::handleTouchEvent(QTouchEvent* event) {
    const QInputDevice* device = event->device();
    const TouchType type =
        device != nullptr && device->type() == QInputDevice::DeviceType::TouchScreen
            ? TouchType::direct
            : TouchType::indirect;
    std::vector<TouchRecord> began;
    std::vector<TouchRecord> moved;
    std::vector<TouchRecord> ended;
    for (const QEventPoint& point : event->points()) {
        TouchRecord record{touchIdentity(device, point.id()), TouchPhase::began, type,
                           toView(point.position()), pressureOf(device, point)};
        switch (point.state()) {
        case QEventPoint::State::Pressed:
            heldTouches_[record.identity] = HeldTouch{device, type, record.location};
            began.push_back(std::move(record));
            break;
        case QEventPoint::State::Updated: {
            const auto held = heldTouches_.find(record.identity);
            if (held != heldTouches_.end()) {
                held->second.location = record.location;
            }
            record.phase = TouchPhase::moved;
            moved.push_back(std::move(record));
            break;
        }
        case QEventPoint::State::Released:
            heldTouches_.erase(record.identity);
            record.phase = TouchPhase::ended;
            ended.push_back(std::move(record));
            break;
        default:
            break;
        }
    }
    watchHold();
    if (!began.empty()) {
        watchDevice(device);
        view_.touchesBegan(began);
    }
    if (!moved.empty()) {
        view_.touchesMoved(moved);
    }
    if (!ended.empty()) {
        view_.touchesEnded(ended);
    }
}

void QtPianoWidget::watchDevice(const QInputDevice* device) {
    if (device == nullptr || std::find(watchedDevices_.begin(), watchedDevices_.end(), device) !=
                                 watchedDevices_.end()) {
        return;
    }
    watchedDevices_.push_back(device);
    connect(device, &QObject::destroyed, this, [this, device] {
        std::erase(watchedDevices_, device);
        cancelTouches(device, false);
    });
}

void QtPianoWidget::cancelTouches(const QInputDevice* device, bool allDevices) {
    std::vector<TouchRecord> cancelled;
    for (auto held = heldTouches_.begin(); held != heldTouches_.end();) {
        if (allDevices || held->second.device == device) {
            cancelled.push_back(TouchRecord{
                held->first, TouchPhase::cancelled, held->second.type, held->second.location, {}});
            held = heldTouches_.erase(held);
        } else {
            ++held;
        }
    }
    watchHold();
    if (!cancelled.empty()) {
        view_.touchesCancelled(cancelled);
    }
}

void QtPianoWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton ||
        (mode_ == MouseMode::directTouch &&
         event->deviceType() != QInputDevice::DeviceType::Mouse)) {
        event->ignore();
        return;
    }
    event->accept();
    pressMouse(toView(event->position()), pressureOf(event));
}

void QtPianoWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!mouseHeld_) {
        event->ignore();
        return;
    }
    event->accept();
    if (!event->buttons().testFlag(Qt::LeftButton)) {
        // The release went elsewhere: end the hold where the pointer is now.
        releaseMouse(toView(event->position()));
        return;
    }
    dragMouse(toView(event->position()), pressureOf(event));
}

void QtPianoWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !mouseHeld_) {
        event->ignore();
        return;
    }
    event->accept();
    releaseMouse(toView(event->position()));
}

void QtPianoWidget::pressMouse(Point location, std::optional<double> pressure) {
    mouseHeld_ = true;
    lastMousePoint_ = location;
    if (mode_ == MouseMode::directTouch) {
        heldTouches_[mouseTouchIdentity] = HeldTouch{nullptr, TouchType::direct, location};
    }
    watchHold();
    if (mode_ == MouseMode::directTouch) {
        view_.touchesBegan({TouchRecord{mouseTouchIdentity, TouchPhase::began, TouchType::direct,
                                        location, pressure}});
    } else {
        view_.mouseDown(location, pressure);
    }
}

void QtPianoWidget::dragMouse(Point location, std::optional<double> pressure) {
    lastMousePoint_ = location;
    if (mode_ == MouseMode::directTouch) {
        heldTouches_[mouseTouchIdentity].location = location;
        view_.touchesMoved({TouchRecord{mouseTouchIdentity, TouchPhase::moved, TouchType::direct,
                                        location, pressure}});
    } else {
        view_.mouseDragged(location, pressure);
    }
}

void QtPianoWidget::releaseMouse(Point location) {
    mouseHeld_ = false;
    lastMousePoint_ = location;
    if (mode_ == MouseMode::directTouch) {
        heldTouches_.erase(mouseTouchIdentity);
    }
    watchHold();
    if (mode_ == MouseMode::directTouch) {
        view_.touchesEnded(
            {TouchRecord{mouseTouchIdentity, TouchPhase::ended, TouchType::direct, location, {}}});
    } else {
        view_.mouseUp(location);
    }
}

void QtPianoWidget::loseMouse() {
    if (mode_ == MouseMode::directTouch) {
        mouseHeld_ = false;
        const auto held = heldTouches_.find(mouseTouchIdentity);
        if (held == heldTouches_.end()) {
            watchHold();
        } else {
            const Point location = held->second.location;
            heldTouches_.erase(held);
            watchHold();
            view_.touchesCancelled({TouchRecord{
                mouseTouchIdentity, TouchPhase::cancelled, TouchType::direct, location, {}}});
        }
        return;
    }
    releaseMouse(lastMousePoint_);
}

bool QtPianoWidget::hasLostMouseGrab(const QObject* watched, const QEvent* event) const {
    if (event->type() == QEvent::UngrabMouse && watched == this) {
        return true;
    }
    const QWidget* grabber = QWidget::mouseGrabber();
    if (grabber != nullptr && grabber != this) {
        return true;
    }
    const QWidget* popup = QApplication::activePopupWidget();
    return popup != nullptr && popup != window();
}

bool QtPianoWidget::canReceiveRelease() const {
    const QWindow* handle = window()->windowHandle();
    return isVisible() && handle != nullptr && handle->isExposed() && !window()->isMinimized() &&
           screen() == holdScreen_;
}

bool QtPianoWidget::isLeftOutOfInput(const QObject* watched, const QEvent* event) const {
    switch (event->type()) {
    case QEvent::ActivationChange:
        // The window the mouse plays in loses the keyboard and mouse focus; the strip never
        // has it.
        if (watched == this && mode_ == MouseMode::playsKeys && !isActiveWindow()) {
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
    return reachableWhileHeld_ && !canReceiveRelease();
}

void QtPianoWidget::watchHold() {
    const bool holding = mouseHeld_ || !heldTouches_.empty();
    if (holding == watchingHold_) {
        return;
    }
    watchingHold_ = holding;
    if (holding) {
        holdScreen_ = screen();
        reachableWhileHeld_ = canReceiveRelease();
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
}

bool QtPianoWidget::eventFilter(QObject* watched, QEvent* event) {
    if (mouseHeld_ && hasLostMouseGrab(watched, event)) {
        loseMouse();
    }
    if (watchingHold_ && isLeftOutOfInput(watched, event)) {
        releaseHeldInput();
    } else if (watchingHold_ && !reachableWhileHeld_) {
        reachableWhileHeld_ = canReceiveRelease();
    }
    return QWidget::eventFilter(watched, event);
}

void QtPianoWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtPainterDrawContext context(painter, static_cast<double>(height()));
    view_.draw(context);
}

void QtPianoWidget::resizeEvent(QResizeEvent* event) {
    view_.setFrameSize({static_cast<double>(width()), static_cast<double>(height())});
    QWidget::resizeEvent(event);
}

} // namespace tinkella
