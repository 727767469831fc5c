#pragma once

#include "interfaces/Geometry.h"

#include <string>
#include <string_view>

namespace tinkella {

// Red, green, blue and alpha, each 0..1, not premultiplied.
struct Color {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;
};

inline bool operator==(const Color& a, const Color& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
}

enum class TextAlignment { left, centered, right };

struct TextAttributes {
    Color foregroundColor;
    std::string fontName; // a family name; a nearby face serves when it is missing
    double fontSize = 12; // points
    TextAlignment alignment = TextAlignment::left;
};

// A 2-D drawing context in the unflipped coordinates of the view being drawn (points, origin
// bottom-left, y upwards). State set here (colours, shadow, clip) stays in force for later
// operations of the same pass; a fresh context fills and strokes black, strokes 1 point wide,
// has no shadow and no clip. Main thread only.
class DrawContext {
public:
    virtual ~DrawContext() = default;

    virtual void setFillColor(const Color& color) = 0;
    virtual void setStrokeColor(const Color& color) = 0;
    virtual void fillRect(const Rect& rect) = 0;
    // Strokes the outline centred on the rectangle's edges with the current line width.
    virtual void strokeRect(const Rect& rect) = 0;
    // Intersects the current clip with the rectangle; nothing outside it is drawn afterwards.
    virtual void clipToRect(const Rect& rect) = 0;
    // Every later fill and stroke casts this shadow under itself: the shape's coverage, moved
    // by offset, blurred by blur (points, roughly twice the standard deviation of a Gaussian)
    // and tinted with color. A blur of 0, offset (0, 0) and a clear colour turn it off.
    virtual void setShadow(Size offset, double blur, const Color& color) = 0;

    // Path building: discards the current path.
    virtual void beginPath() = 0;
    virtual void moveTo(Point point) = 0;
    // Appends a circular arc; angles in radians from the +x axis towards +y. clockwise false
    // runs the arc with increasing angle (counter-clockwise with y upwards). When the path
    // has a current point a straight line joins it to the arc's start.
    virtual void addArc(Point center, double radius, double startAngle, double endAngle,
                        bool clockwise) = 0;
    virtual void addLineTo(Point point) = 0;
    // Fills the current path (open subpaths closed) with the non-zero winding rule, then
    // discards the path.
    virtual void fillPath() = 0;
    // Strokes the current path as built (open subpaths stay open), then discards it.
    virtual void strokePath() = 0;

    // Draws text laid out from the top edge of the rectangle downwards, aligned across its
    // width; text that does not fit wraps or is cut as the text engine decides.
    virtual void drawText(std::string_view text, const Rect& rect,
                          const TextAttributes& attributes) = 0;
};

} // namespace tinkella
