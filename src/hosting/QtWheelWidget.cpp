#include "hosting/QtWheelWidget.h"

#include "adapters/qt/QtPainterDrawContext.h"
#include "hosting/HoldWatch.h"
#include "hosting/TouchFingers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTouchEvent>
#include <QWindow>

namespace tinkella {

namespace {

const std::string mouseIdentity = "mouse";

} // namespace

QtWheelWidget::QtWheelWidget(WheelView::Kind kind, PlayerChannel& player, QWidget* parent)
    : QWidget(parent), view_(kind, player),
      holdWatch_(std::make_unique<HoldWatch>(*this, true, [this] { releaseHeldInput(); })) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setFocusPolicy(Qt::TabFocus);
    setFixedWidth(wheelWidth);
    qApp->installEventFilter(this);
}

QtWheelWidget::~QtWheelWidget() {
    qApp->removeEventFilter(this);
    releaseHeldInput();
}

Point QtWheelWidget::toView(const QPointF& position) const {
    return {position.x(), static_cast<double>(height()) - position.y()};
}

void QtWheelWidget::changed() {
    holdWatch_->setHolding(mouseHeld_ || !fingers_.empty());
    update();
}

void QtWheelWidget::releaseHeldInput() {
    mouseHeld_ = false;
    for (const auto& [identity, finger] : fingers_) {
        if (finger.handedOver) {
            fingersTakenElsewhere().erase(identity);
        }
    }
    fingers_.clear();
    view_.releaseAll();
    changed();
}

void QtWheelWidget::releaseFingers(const QInputDevice* device) {
    for (auto held = fingers_.begin(); held != fingers_.end();) {
        if (device == nullptr || held->second.device == device) {
            view_.release(held->first);
            if (held->second.handedOver) {
                fingersTakenElsewhere().erase(held->first);
            }
            held = fingers_.erase(held);
        } else {
            ++held;
        }
    }
    changed();
}

bool QtWheelWidget::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        handleTouchEvent(*static_cast<QTouchEvent*>(event), true);
        event->accept();
        return true;
    case QEvent::TouchCancel:
        releaseFingers(static_cast<QTouchEvent*>(event)->device());
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

bool QtWheelWidget::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched->isWindowType() && watched != window()->windowHandle() &&
        (type == QEvent::TouchBegin || type == QEvent::TouchUpdate || type == QEvent::TouchEnd)) {
        handleTouchEvent(*static_cast<const QTouchEvent*>(event), false);
    }
    return QWidget::eventFilter(watched, event);
}

void QtWheelWidget::handleTouchEvent(const QTouchEvent& event, bool ownWindow) {
    const QInputDevice* device = event.device();
    if (!isTouchScreen(device)) {
        return; // a touchpad moves the pointer
    }
    for (const QEventPoint& point : event.points()) {
        const std::string identity = touchIdentity(device, point.id());
        const QPoint global = point.globalPosition().toPoint();
        const auto held = fingers_.find(identity);
        const Point location = toView(mapFromGlobal(point.globalPosition()));
        if (point.state() == QEventPoint::State::Pressed) {
            const bool over = ownWindow ? rect().contains(mapFromGlobal(global)) &&
                                              !fingersTakenElsewhere().contains(identity)
                                        : isVisible() && QApplication::widgetAt(global) == this;
            if (over) {
                fingers_[identity] = {device, !ownWindow};
                if (!ownWindow) {
                    fingersTakenElsewhere().insert(identity);
                }
                if (watchedDevices_.insert(device).second) {
                    connect(device, &QObject::destroyed, this, [this, device] {
                        watchedDevices_.erase(device);
                        releaseFingers(device);
                    });
                }
                view_.press(identity, location);
            }
        } else if (held == fingers_.end() || held->second.handedOver == ownWindow) {
            continue;
        } else if (point.state() == QEventPoint::State::Updated) {
            view_.move(identity, location);
        } else if (point.state() == QEventPoint::State::Released) {
            view_.release(identity);
            if (held->second.handedOver) {
                fingersTakenElsewhere().erase(identity);
            }
            fingers_.erase(held);
        }
    }
    changed();
}

void QtWheelWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton ||
        event->deviceType() != QInputDevice::DeviceType::Mouse) {
        event->ignore();
        return;
    }
    mouseHeld_ = true;
    view_.press(mouseIdentity, toView(event->position()));
    changed();
}

void QtWheelWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!mouseHeld_) {
        event->ignore();
        return;
    }
    if (!event->buttons().testFlag(Qt::LeftButton)) {
        mouseReleaseEvent(event); // the release went elsewhere
        return;
    }
    view_.move(mouseIdentity, toView(event->position()));
    update();
}

void QtWheelWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!mouseHeld_) {
        event->ignore();
        return;
    }
    mouseHeld_ = false;
    view_.release(mouseIdentity);
    changed();
}

void QtWheelWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        view_.step(event->key() == Qt::Key_Up ? 1 : -1);
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        view_.step(event->key() == Qt::Key_PageUp ? 4 : -4);
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
        view_.moveToEnd(event->key() == Qt::Key_End ? 1 : -1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    update();
}

void QtWheelWidget::keyReleaseEvent(QKeyEvent* event) {
    const int key = event->key();
    if (!event->isAutoRepeat() &&
        (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
         key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End)) {
        view_.keyReleased();
        update();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void QtWheelWidget::focusInEvent(QFocusEvent* event) {
    view_.setFocused(true);
    update();
    QWidget::focusInEvent(event);
}

void QtWheelWidget::focusOutEvent(QFocusEvent* event) {
    view_.keyReleased();
    view_.setFocused(false);
    update();
    QWidget::focusOutEvent(event);
}

void QtWheelWidget::resizeEvent(QResizeEvent* event) {
    view_.setSize({static_cast<double>(width()), static_cast<double>(height())});
    QWidget::resizeEvent(event);
}

void QtWheelWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double white = 0.265; // the piano window's clip grey
    painter.fillRect(rect(), QColor::fromRgbF(white, white, white));
    QtPainterDrawContext context(painter, static_cast<double>(height()));
    view_.draw(context);
}

} // namespace tinkella
