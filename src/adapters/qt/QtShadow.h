#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QRectF>
#include <vector>

class QPainter;

namespace tinkella {

// Soft shadows as DrawContext::setShadow describes them: the shape's coverage blurred by a
// Gaussian whose standard deviation is half the blur value, tinted with the shadow colour.
// Everything is in the painter's base coordinates (y down, one unit per pixel); images come
// back premultiplied.
namespace qtshadow {

// Gaussian standard deviation for a blur value (points).
inline double sigmaForBlur(double blur) {
    return blur / 2.0;
}

// How far a blurred shape reaches beyond its edges: three standard deviations, rounded up.
int reachForSigma(double sigma);

// The shadow of an axis-aligned rectangle filled with coverage alpha, over the integer area
// `area`: exact (separable error functions), no image-wide blur pass. Pixels inside `hole`
// (which the caller covers opaquely afterwards) are left transparent. Returns a null image
// when the area is empty.
QImage rectShadow(const QRectF& rect, double sigma, const QColor& color, double alpha,
                  const QRect& area, const QRect& hole = {});

// Blurs a coverage mask (row-major, width * height values in 0..1) in place with three
// successive box blurs in each direction, which together approximate the Gaussian.
void blurMask(std::vector<float>& mask, int width, int height, double sigma);

// Tints a coverage mask into a premultiplied image of the shadow colour.
QImage tintMask(const std::vector<float>& mask, int width, int height, const QColor& color);

// Composites the image with its top-left corner at `at`, except for the pixels of `hole`.
void drawAround(QPainter& painter, const QPoint& at, const QImage& image, const QRect& hole);

} // namespace qtshadow
} // namespace tinkella
