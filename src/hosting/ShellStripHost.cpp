#include "hosting/ShellStripHost.h"

#include "adapters/qt/QtPainterDrawContext.h"
#include "hosting/QtPianoWidget.h"
#include "hosting/ShellStripAccessibility.h"
#include "view/PianoView.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSocketNotifier>
#include <QTimer>

namespace tinkella {

ShellStripHost::ShellStripHost(std::unique_ptr<StripSurface> surface, PianoView& view,
                               std::function<void(const std::string&)> lost)
    : surface_(std::move(surface)), view_(view), lost_(std::move(lost)) {
    view_.setHost(this);
    accessibility_ = std::make_unique<ShellStripAccessibility>(view_);
    surface_->setClient(this);
    if (surface_->descriptor() >= 0) {
        notifier_ =
            std::make_unique<QSocketNotifier>(surface_->descriptor(), QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
            if (!surface_->dispatch()) {
                notifier_->setEnabled(false);
                releaseHeldInput();
                if (lost_) {
                    lost_(surface_->lossReason());
                }
            }
        });
    }
    if (qGuiApp != nullptr) {
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                &ShellStripHost::applicationStateChanged);
        qGuiApp->installEventFilter(this);
    }
}

ShellStripHost::~ShellStripHost() {
    if (qGuiApp != nullptr) {
        qGuiApp->removeEventFilter(this);
    }
    surface_->setClient(nullptr);
    releaseHeldInput();
    view_.setHost(nullptr);
}

std::string ShellStripHost::identity(const SurfacePoint& point) {
    return point.isMouse ? QtPianoWidget::mouseTouchIdentity : "finger " + std::to_string(point.id);
}

void ShellStripHost::applicationStateChanged(Qt::ApplicationState state) {
    surface_->setVisible(state == Qt::ApplicationActive);
    accessibility_->setShown(state == Qt::ApplicationActive);
}

void ShellStripHost::releaseHeldInput() {
    std::vector<TouchRecord> cancelled;
    for (const auto& [name, location] : held_) {
        cancelled.push_back(
            TouchRecord{name, TouchPhase::cancelled, TouchType::direct, location, {}});
    }
    held_.clear();
    if (!cancelled.empty()) {
        view_.touchesCancelled(cancelled);
    }
}

bool ShellStripHost::eventFilter(QObject* watched, QEvent* event) {
    // A modal dialog blocks the application's windows as it opens.
    if (event->type() == QEvent::WindowBlocked && watched->isWindowType()) {
        releaseHeldInput();
    }
    return QObject::eventFilter(watched, event);
}

Rect ShellStripHost::bounds() const {
    const Size size = surface_->size();
    return {0, 0, size.width, size.height};
}

void ShellStripHost::setNeedsDisplay() {
    if (drawQueued_) {
        return;
    }
    drawQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        drawQueued_ = false;
        draw();
    });
}

void ShellStripHost::surfacePointChanged(const SurfacePoint& point) {
    const std::string name = identity(point);
    const Point location{point.location.x, surface_->size().height - point.location.y};
    const auto held = held_.find(name);
    TouchRecord record{name, TouchPhase::began, TouchType::direct, location, {}};
    switch (point.phase) {
    case SurfacePointPhase::began:
        held_[name] = location;
        view_.touchesBegan({record});
        break;
    case SurfacePointPhase::moved:
        if (held != held_.end()) {
            held->second = location;
            record.phase = TouchPhase::moved;
            view_.touchesMoved({record});
        }
        break;
    case SurfacePointPhase::ended:
    case SurfacePointPhase::cancelled:
        if (held != held_.end()) {
            held_.erase(held);
            record.phase =
                point.phase == SurfacePointPhase::ended ? TouchPhase::ended : TouchPhase::cancelled;
            point.phase == SurfacePointPhase::ended ? view_.touchesEnded({record})
                                                    : view_.touchesCancelled({record});
        }
        break;
    }
}

void ShellStripHost::surfaceNeedsDrawing(Size size) {
    view_.setFrameSize(size);
    draw();
}

void ShellStripHost::draw() {
    surface_->draw([this](const PixelBuffer& buffer) {
        QImage image(reinterpret_cast<uchar*>(buffer.pixels), buffer.width, buffer.height,
                     buffer.stride, QImage::Format_RGB32);
        image.fill(Qt::black);
        // The painter works in points; the image's pixel ratio makes it draw every pixel.
        image.setDevicePixelRatio(buffer.scale);
        QPainter painter(&image);
        QtPainterDrawContext context(painter, buffer.height / buffer.scale);
        view_.draw(context);
    });
    accessibility_->keyboard().displayChanged();
}

} // namespace tinkella
