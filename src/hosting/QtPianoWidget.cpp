#include "hosting/QtPianoWidget.h"

#include "adapters/qt/QtPainterDrawContext.h"
#include "hosting/HoldWatch.h"
#include "hosting/KeyboardAccessibility.h"
#include "hosting/TouchFingers.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QTouchEvent>
#include <QWindow>
#include <algorithm>

namespace tinkella {

const std::string QtPianoWidget::mouseTouchIdentity = "mouse";

namespace {

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

// The phase of a point that begins, moves or ends; none for one that stays.
std::optional<TouchPhase> phaseOf(const QEventPoint& point) {
    switch (point.state()) {
    case QEventPoint::State::Pressed:
        return TouchPhase::began;
    case QEventPoint::State::Updated:
        return TouchPhase::moved;
    case QEventPoint::State::Released:
        return TouchPhase::ended;
    default:
        return std::nullopt;
    }
}

} // namespace

QtPianoWidget::QtPianoWidget(PianoView& view, MouseMode mode, QWidget* parent)
    : QWidget(parent), view_(view), mode_(mode),
      holdWatch_(std::make_unique<HoldWatch>(*this, mode == MouseMode::playsKeys,
                                             [this] { releaseHeldInput(); })) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A move without the button is how a release that went elsewhere shows; Qt hands such moves
    // only to widgets that track the mouse.
    setMouseTracking(true);
    setAttribute(Qt::WA_AcceptTouchEvents);
    // Reached with Tab, so that a screen reader can rest on the keyboard and read its keys.
    setFocusPolicy(Qt::TabFocus);
    installKeyboardAccessibility();
    qApp->installEventFilter(this);
    view_.setHost(this);
    const Rect frame = view_.frame();
    if (frame.size.width > 0 && frame.size.height > 0) {
        resize(static_cast<int>(std::min(frame.size.width, double{QWIDGETSIZE_MAX})),
               static_cast<int>(std::min(frame.size.height, double{QWIDGETSIZE_MAX})));
    }
    view_.setFrameSize({static_cast<double>(width()), static_cast<double>(height())});
}

QtPianoWidget::~QtPianoWidget() {
    // The accessibility layer lets go of the keys its actions hold through this widget's view,
    // so it goes while this is still a piano widget, not with the children QWidget deletes.
    delete findChild<KeyboardAccessibility*>(QStringLiteral("keyboardAccessibility"),
                                             Qt::FindDirectChildrenOnly);
    qApp->removeEventFilter(this);
    view_.setHost(nullptr);
    releaseHeldInput();
}

Rect QtPianoWidget::bounds() const {
    return {0, 0, static_cast<double>(width()), static_cast<double>(height())};
}

void QtPianoWidget::setNeedsDisplay() {
    update();
    emit displayChanged();
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
    case QEvent::TouchEnd: {
        auto* touch = static_cast<QTouchEvent*>(event);
        // In the piano window only a touchscreen plays; a touchpad moves the pointer.
        if (mode_ == MouseMode::playsKeys && !isTouchScreen(touch->device())) {
            break;
        }
        handleTouchEvent(*touch, true);
        event->accept();
        return true;
    }
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

bool QtPianoWidget::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWindowType() || watched == window()->windowHandle()) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        handleTouchEvent(*static_cast<const QTouchEvent*>(event), false);
        break;
    case QEvent::TouchCancel: {
        const QInputDevice* device = static_cast<const QTouchEvent*>(event)->device();
        cancelTouches(device, device == nullptr, true);
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool QtPianoWidget::takesPress(const QEventPoint& point, const QInputDevice* device,
                               const std::string& identity, bool ownWindow) const {
    const QPoint global = point.globalPosition().toPoint();
    if (ownWindow) {
        // A touchpad's points lie where the pointer is; a touchscreen's pressed outside this
        // window went down on another one.
        return !isTouchScreen(device) ||
               (!fingersTakenElsewhere().contains(identity) &&
                window()->rect().contains(window()->mapFromGlobal(global)));
    }
    return isVisible() && window()->geometry().contains(global) &&
           QApplication::widgetAt(global) == this;
}

void QtPianoWidget::handleTouchEvent(const QTouchEvent& event, bool ownWindow) {
    const QInputDevice* device = event.device();
    if (!ownWindow && !isTouchScreen(device)) {
        return;
    }
    const TouchType type = isTouchScreen(device) ? TouchType::direct : TouchType::indirect;
    std::vector<TouchRecord> began;
    std::vector<TouchRecord> moved;
    std::vector<TouchRecord> ended;
    for (const QEventPoint& point : event.points()) {
        const std::optional<TouchPhase> phase = phaseOf(point);
        std::string identity = touchIdentity(device, point.id());
        const auto held = heldTouches_.find(identity);
        if (phase == TouchPhase::began
                ? !takesPress(point, device, identity, ownWindow)
                : !phase || held == heldTouches_.end() || held->second.handedOver == ownWindow) {
            continue;
        }
        const Point location =
            toView(ownWindow ? point.position() : mapFromGlobal(point.globalPosition()));
        const HeldTouch touch{device, type, location, !ownWindow};
        TouchRecord record{identity, *phase, type, location, pressureOf(device, point)};
        if (phase == TouchPhase::began) {
            watchDevice(device);
            if (touch.handedOver) {
                fingersTakenElsewhere().insert(identity);
            }
        }
        if (mode_ == MouseMode::playsKeys) {
            playAsMouse(record, touch);
        } else if (phase == TouchPhase::began) {
            heldTouches_[identity] = touch;
            began.push_back(std::move(record));
        } else if (phase == TouchPhase::moved) {
            held->second.location = location;
            moved.push_back(std::move(record));
        } else {
            forgetTouch(held);
            ended.push_back(std::move(record));
        }
    }
    holdChanged();
    if (!began.empty()) {
        view_.touchesBegan(began);
    }
    if (!moved.empty()) {
        view_.touchesMoved(moved);
    }
    if (!ended.empty()) {
        view_.touchesEnded(ended);
    }
}

void QtPianoWidget::playAsMouse(const TouchRecord& record, const HeldTouch& touch) {
    if (record.phase == TouchPhase::began) {
        if (!mouseHeld_) {
            heldTouches_[record.identity] = touch;
            pressMouse(record.location, record.pressure);
        } else if (touch.handedOver) {
            fingersTakenElsewhere().erase(record.identity);
        }
    } else if (record.phase == TouchPhase::moved) {
        heldTouches_[record.identity].location = record.location;
        dragMouse(record.location, record.pressure);
    } else {
        releaseMouse(record.location);
    }
}

void QtPianoWidget::forgetTouch(std::map<std::string, HeldTouch>::iterator held) {
    if (held->second.handedOver) {
        fingersTakenElsewhere().erase(held->first);
    }
    heldTouches_.erase(held);
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

void QtPianoWidget::cancelTouches(const QInputDevice* device, bool allDevices,
                                  bool handedOverOnly) {
    std::vector<TouchRecord> cancelled;
    for (auto held = heldTouches_.begin(); held != heldTouches_.end();) {
        const HeldTouch touch = held->second;
        if ((allDevices || touch.device == device) && (touch.handedOver || !handedOverOnly)) {
            cancelled.push_back(
                TouchRecord{held->first, TouchPhase::cancelled, touch.type, touch.location, {}});
            forgetTouch(held++);
        } else {
            ++held;
        }
    }
    if (cancelled.empty()) {
        return;
    }
    if (mode_ == MouseMode::playsKeys) {
        releaseMouse(cancelled.front().location); // the finger acting as the mouse
        return;
    }
    mouseHeld_ = mouseHeld_ && heldTouches_.contains(mouseTouchIdentity);
    holdChanged();
    view_.touchesCancelled(cancelled);
}

bool QtPianoWidget::takesMouse(const QMouseEvent* event) const {
    return mode_ == MouseMode::directTouch ? event->deviceType() == QInputDevice::DeviceType::Mouse
                                           : heldTouches_.empty();
}

void QtPianoWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !takesMouse(event)) {
        event->ignore();
        return;
    }
    event->accept();
    pressMouse(toView(event->position()), pressureOf(event));
}

void QtPianoWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!mouseHeld_ || !takesMouse(event)) {
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
    if (event->button() != Qt::LeftButton || !mouseHeld_ || !takesMouse(event)) {
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
    holdChanged();
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
    } else {
        while (!heldTouches_.empty()) {
            forgetTouch(heldTouches_.begin());
        }
    }
    holdChanged();
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
            holdChanged();
        } else {
            const Point location = held->second.location;
            heldTouches_.erase(held);
            holdChanged();
            view_.touchesCancelled({TouchRecord{
                mouseTouchIdentity, TouchPhase::cancelled, TouchType::direct, location, {}}});
        }
        return;
    }
    releaseMouse(lastMousePoint_);
}

void QtPianoWidget::holdChanged() {
    holdWatch_->setHolding(mouseHeld_ || !heldTouches_.empty());
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
