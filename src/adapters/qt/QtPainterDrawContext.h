#pragma once

#include "interfaces/DrawContext.h"

#include <QColor>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>
#include <functional>
#include <optional>

class QPainter;

namespace tinkella {

// Draws through a QPainter in the unflipped coordinates of a view: the painter's own
// coordinates (y down, origin top-left, the view's height `height` in them) are flipped once,
// text is drawn upright. Shadows are drawn as DrawContext::setShadow asks: a Gaussian of
// standard deviation blur/2 of the shape's coverage, composited under the shape. The painter
// must stay active while the context lives; the context restores the painter's state when it
// goes.
// Coordinates that are not finite are ignored; very large ones are limited to a band around
// the device that keeps everything visible unchanged. Main thread only.
class QtPainterDrawContext : public DrawContext {
public:
    QtPainterDrawContext(QPainter& painter, double height);
    ~QtPainterDrawContext() override;
    QtPainterDrawContext(const QtPainterDrawContext&) = delete;
    QtPainterDrawContext& operator=(const QtPainterDrawContext&) = delete;

    void setFillColor(const Color& color) override;
    void setStrokeColor(const Color& color) override;
    void fillRect(const Rect& rect) override;
    void strokeRect(const Rect& rect) override;
    void clipToRect(const Rect& rect) override;
    void setShadow(Size offset, double blur, const Color& color) override;
    void beginPath() override;
    void moveTo(Point point) override;
    void addArc(Point center, double radius, double startAngle, double endAngle,
                bool clockwise) override;
    void addLineTo(Point point) override;
    void fillPath() override;
    void strokePath() override;
    void drawText(std::string_view text, const Rect& rect,
                  const TextAttributes& attributes) override;

private:
    // Paints a shape given in base coordinates through baseToTarget: the painter's own
    // transform for the shape itself, a translation into the mask image for its shadow.
    using ShapePainter = std::function<void(QPainter& painter, const QTransform& baseToTarget)>;

    bool shadowIsVisible() const;
    // The part of the base coordinates that can show anything: the device within the clip.
    QRectF visibleArea() const;
    // rect (base coordinates) in device pixels.
    QRectF inPixels(const QRectF& rect) const;
    // The world transform that draws in device pixels.
    QTransform fromPixels() const;
    // Draws the shadow of a shape whose extent (base coordinates) is `extent`, then the shape.
    void drawShape(const QRectF& extent, const ShapePainter& paintShape);
    QRectF toBase(const Rect& rect) const;
    QRectF limited(const QRectF& rect) const;
    QPainterPath limited(const QPainterPath& path) const;

    QPainter& painter_;
    QTransform base_;            // the painter's world transform on entry: base to device
    QTransform flip_;            // view coordinates to base coordinates
    double pixelRatio_ = 1;      // device pixels to a base unit
    QRectF deviceArea_;          // the device in base coordinates
    QRectF safeArea_;            // limits for coordinates handed to Qt
    std::optional<QRectF> clip_; // base coordinates
    QColor fill_{Qt::black};
    QColor stroke_{Qt::black};
    QPointF shadowOffset_; // base coordinates
    double shadowBlur_ = 0;
    QColor shadowColor_{Qt::transparent};
    QPainterPath path_;
    bool pathHasPoint_ = false;
    bool pathIsValid_ = true;
};

} // namespace tinkella
