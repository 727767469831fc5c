#include "adapters/qt/QtPainterDrawContext.h"

#include "adapters/qt/QtShadow.h"

#include <QFont>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tinkella {

namespace {

// Room kept around the device for coordinates handed to Qt: far beyond any blur, well inside
// the fixed-point range of the raster engine.
constexpr double safeMargin = 10000;

QColor toQColor(const Color& c) {
    const auto unit = [](double v) {
        return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0;
    };
    return QColor::fromRgbF(static_cast<float>(unit(c.red)), static_cast<float>(unit(c.green)),
                            static_cast<float>(unit(c.blue)), static_cast<float>(unit(c.alpha)));
}

bool finite(Point p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

QRect outerPixels(const QRectF& r) {
    const int left = static_cast<int>(std::floor(r.left()));
    const int top = static_cast<int>(std::floor(r.top()));
    const int right = static_cast<int>(std::ceil(r.right()));
    const int bottom = static_cast<int>(std::ceil(r.bottom()));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// The pixels lying wholly inside r.
QRect innerPixels(const QRectF& r) {
    const int left = static_cast<int>(std::ceil(r.left()));
    const int top = static_cast<int>(std::ceil(r.top()));
    const int right = static_cast<int>(std::floor(r.right()));
    const int bottom = static_cast<int>(std::floor(r.bottom()));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace

QtPainterDrawContext::QtPainterDrawContext(QPainter& painter, double height) : painter_(painter) {
    painter_.save();
    base_ = painter_.worldTransform();
    flip_ = QTransform(1, 0, 0, -1, 0, std::isfinite(height) ? height : 0);
    const QPaintDevice* device = painter_.device();
    QSizeF deviceSize;
    if (device != nullptr) {
        pixelRatio_ = std::max(1.0, device->devicePixelRatio());
        deviceSize = QSizeF(device->width(), device->height());
        // An image counts in pixels, a widget in points.
        if (dynamic_cast<const QImage*>(device) != nullptr) {
            deviceSize /= device->devicePixelRatio();
        }
    }
    const QRectF deviceRect(QPointF(0, 0), deviceSize);
    deviceArea_ = base_.inverted().mapRect(deviceRect);
    safeArea_ = deviceArea_.adjusted(-safeMargin, -safeMargin, safeMargin, safeMargin);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setWorldTransform(flip_ * base_);
}

QtPainterDrawContext::~QtPainterDrawContext() {
    painter_.restore();
}

void QtPainterDrawContext::setFillColor(const Color& color) {
    fill_ = toQColor(color);
}

void QtPainterDrawContext::setStrokeColor(const Color& color) {
    stroke_ = toQColor(color);
}

void QtPainterDrawContext::setShadow(Size offset, double blur, const Color& color) {
    // A shadow offset is given with y upwards, like everything else.
    shadowOffset_ = std::isfinite(offset.width) && std::isfinite(offset.height)
                        ? QPointF(offset.width, -offset.height)
                        : QPointF();
    shadowBlur_ = std::isfinite(blur) ? std::clamp(blur, 0.0, 1000.0) : 0.0;
    shadowColor_ = toQColor(color);
}

bool QtPainterDrawContext::shadowIsVisible() const {
    return shadowColor_.alpha() > 0;
}

QRectF QtPainterDrawContext::toBase(const Rect& rect) const {
    return flip_.mapRect(QRectF(rect.origin.x, rect.origin.y, rect.size.width, rect.size.height))
        .normalized();
}

QRectF QtPainterDrawContext::limited(const QRectF& rect) const {
    return rect.intersected(safeArea_);
}

QPainterPath QtPainterDrawContext::limited(const QPainterPath& path) const {
    if (safeArea_.contains(path.controlPointRect())) {
        return path;
    }
    QPainterPath copy = path;
    for (int i = 0; i < copy.elementCount(); ++i) {
        const QPainterPath::Element e = copy.elementAt(i);
        copy.setElementPositionAt(i, std::clamp(e.x, safeArea_.left(), safeArea_.right()),
                                  std::clamp(e.y, safeArea_.top(), safeArea_.bottom()));
    }
    return copy;
}

QRectF QtPainterDrawContext::visibleArea() const {
    return clip_ ? clip_->intersected(deviceArea_) : deviceArea_;
}

QRectF QtPainterDrawContext::inPixels(const QRectF& rect) const {
    return {rect.topLeft() * pixelRatio_, rect.size() * pixelRatio_};
}

QTransform QtPainterDrawContext::fromPixels() const {
    return QTransform::fromScale(1 / pixelRatio_, 1 / pixelRatio_) * base_;
}

// Shadows are made in device pixels (pixelRatio_ to a base unit), so they are as fine as the
// shapes they lie under.
void QtPainterDrawContext::drawShape(const QRectF& extent, const ShapePainter& paintShape) {
    if (shadowIsVisible()) {
        const double sigma = qtshadow::sigmaForBlur(shadowBlur_) * pixelRatio_;
        const int reach = qtshadow::reachForSigma(sigma);
        // Only the part of the shadow that can show is made: the visible area, and the shape
        // within reach of it.
        const QRectF visible = inPixels(visibleArea());
        const QPointF offset = shadowOffset_ * pixelRatio_;
        const QRectF shadowExtent = inPixels(extent).translated(offset);
        const QRect area =
            outerPixels(shadowExtent.adjusted(-reach, -reach, reach, reach).intersected(visible));
        const QRect maskArea =
            outerPixels(shadowExtent.adjusted(-reach, -reach, reach, reach)
                            .intersected(visible.adjusted(-reach, -reach, reach, reach)));
        if (!area.isEmpty() && !maskArea.isEmpty()) {
            QImage coverage(maskArea.size(), QImage::Format_ARGB32_Premultiplied);
            coverage.fill(Qt::transparent);
            {
                QPainter maskPainter(&coverage);
                maskPainter.setRenderHint(QPainter::Antialiasing, true);
                maskPainter.setRenderHint(QPainter::TextAntialiasing, true);
                paintShape(maskPainter, QTransform::fromScale(pixelRatio_, pixelRatio_) *
                                            QTransform::fromTranslate(offset.x() - maskArea.left(),
                                                                      offset.y() - maskArea.top()));
            }
            std::vector<float> mask(static_cast<std::size_t>(maskArea.width()) *
                                    static_cast<std::size_t>(maskArea.height()));
            for (int y = 0; y < maskArea.height(); ++y) {
                const auto* line = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
                float* out = mask.data() + static_cast<std::ptrdiff_t>(y) * maskArea.width();
                for (int x = 0; x < maskArea.width(); ++x) {
                    out[x] = static_cast<float>(qAlpha(line[x])) / 255.0F;
                }
            }
            qtshadow::blurMask(mask, maskArea.width(), maskArea.height(), sigma);
            const QImage shadow =
                qtshadow::tintMask(mask, maskArea.width(), maskArea.height(), shadowColor_);
            painter_.setWorldTransform(fromPixels());
            painter_.drawImage(area.topLeft(), shadow, area.translated(-maskArea.topLeft()));
        }
    }
    paintShape(painter_, base_);
    painter_.setWorldTransform(flip_ * base_);
}

void QtPainterDrawContext::fillRect(const Rect& rect) {
    if (!rect.isFinite()) {
        return;
    }
    const QRectF box = limited(toBase(rect));
    if (box.isEmpty()) {
        return;
    }
    if (shadowIsVisible()) {
        // Rectangles get their exact shadow from error functions, with no blur pass.
        const double sigma = qtshadow::sigmaForBlur(shadowBlur_) * pixelRatio_;
        const int reach = qtshadow::reachForSigma(sigma);
        const QRectF shadowBox = inPixels(box).translated(shadowOffset_ * pixelRatio_);
        const QRect area = outerPixels(
            shadowBox.adjusted(-reach, -reach, reach, reach).intersected(inPixels(visibleArea())));
        // Pixels the opaque fill will cover wholly need no shadow under them.
        const QRect hole = fill_.alpha() == 255 ? innerPixels(inPixels(box)) : QRect();
        const QImage shadow =
            qtshadow::rectShadow(shadowBox, sigma, shadowColor_, fill_.alphaF(), area, hole);
        if (!shadow.isNull()) {
            painter_.setWorldTransform(fromPixels());
            qtshadow::drawAround(painter_, area.topLeft(), shadow, hole);
        }
    }
    painter_.setWorldTransform(base_);
    painter_.fillRect(box, fill_);
    painter_.setWorldTransform(flip_ * base_);
}

void QtPainterDrawContext::strokeRect(const Rect& rect) {
    if (!rect.isFinite()) {
        return;
    }
    const QRectF box = limited(toBase(rect));
    const QColor color = stroke_;
    drawShape(box.adjusted(-1, -1, 1, 1), [box, color](QPainter& p, const QTransform& t) {
        p.setWorldTransform(t);
        p.setPen(QPen(color, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
    });
}

void QtPainterDrawContext::clipToRect(const Rect& rect) {
    if (!rect.isFinite()) {
        return;
    }
    const QRectF box = limited(toBase(rect));
    clip_ = clip_ ? clip_->intersected(box) : box;
    painter_.setWorldTransform(base_);
    painter_.setClipRect(box, painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_.setWorldTransform(flip_ * base_);
}

void QtPainterDrawContext::beginPath() {
    path_ = QPainterPath();
    path_.setFillRule(Qt::WindingFill);
    pathHasPoint_ = false;
    pathIsValid_ = true;
}

void QtPainterDrawContext::moveTo(Point point) {
    if (!finite(point)) {
        pathIsValid_ = false;
        return;
    }
    path_.moveTo(point.x, point.y);
    pathHasPoint_ = true;
}

void QtPainterDrawContext::addLineTo(Point point) {
    if (!finite(point)) {
        pathIsValid_ = false;
        return;
    }
    if (pathHasPoint_) {
        path_.lineTo(point.x, point.y);
    } else {
        path_.moveTo(point.x, point.y);
        pathHasPoint_ = true;
    }
}

void QtPainterDrawContext::addArc(Point center, double radius, double startAngle, double endAngle,
                                  bool clockwise) {
    if (!finite(center) || !std::isfinite(radius) || radius < 0 || !std::isfinite(startAngle) ||
        !std::isfinite(endAngle)) {
        pathIsValid_ = false;
        return;
    }
    constexpr double turn = 2 * std::numbers::pi;
    double sweep = endAngle - startAngle;
    if (!clockwise && sweep < 0) {
        sweep = std::fmod(sweep, turn) + turn;
    } else if (clockwise && sweep > 0) {
        sweep = std::fmod(sweep, turn) - turn;
    }
    sweep = std::clamp(sweep, -turn, turn);
    const QPointF start(center.x + radius * std::cos(startAngle),
                        center.y + radius * std::sin(startAngle));
    if (pathHasPoint_) {
        path_.lineTo(start);
    } else {
        path_.moveTo(start);
        pathHasPoint_ = true;
    }
    // Qt measures angles in degrees towards -y of the path's own coordinates; these are the
    // view's, y up, so both angles change sign.
    constexpr double degrees = 180.0 / std::numbers::pi;
    path_.arcTo(QRectF(center.x - radius, center.y - radius, 2 * radius, 2 * radius),
                -startAngle * degrees, -sweep * degrees);
}

void QtPainterDrawContext::fillPath() {
    if (pathIsValid_ && !path_.isEmpty()) {
        const QPainterPath shape = limited(flip_.map(path_));
        const QColor color = fill_;
        drawShape(shape.controlPointRect(), [&shape, color](QPainter& p, const QTransform& t) {
            p.setWorldTransform(t);
            p.fillPath(shape, color);
        });
    }
    beginPath();
}

void QtPainterDrawContext::strokePath() {
    if (pathIsValid_ && !path_.isEmpty()) {
        const QPainterPath shape = limited(flip_.map(path_));
        const QColor color = stroke_;
        drawShape(shape.controlPointRect().adjusted(-1, -1, 1, 1),
                  [&shape, color](QPainter& p, const QTransform& t) {
                      p.setWorldTransform(t);
                      p.strokePath(shape, QPen(color, 1));
                  });
    }
    beginPath();
}

void QtPainterDrawContext::drawText(std::string_view text, const Rect& rect,
                                    const TextAttributes& attributes) {
    if (!rect.isFinite() || !std::isfinite(attributes.fontSize) || attributes.fontSize <= 0) {
        return;
    }
    const QRectF box = toBase(rect);
    if (!box.intersects(visibleArea()) || !safeArea_.contains(box)) {
        return;
    }
    QFont font(QString::fromStdString(attributes.fontName));
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(std::min(attributes.fontSize, 1000.0)))));
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    switch (attributes.alignment) {
    case TextAlignment::left:
        flags |= Qt::AlignLeft;
        break;
    case TextAlignment::centered:
        flags |= Qt::AlignHCenter;
        break;
    case TextAlignment::right:
        flags |= Qt::AlignRight;
        break;
    }
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QColor color = toQColor(attributes.foregroundColor);
    drawShape(box, [&](QPainter& p, const QTransform& t) {
        p.setWorldTransform(t);
        p.setFont(font);
        p.setPen(color);
        p.drawText(box, flags, string);
    });
}

} // namespace tinkella
