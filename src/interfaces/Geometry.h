#pragma once

#include <algorithm>
#include <cmath>

namespace tinkella {

// Plain geometry in points, 64-bit floats, in a view's own unflipped system: x grows to the
// right, y grows upwards, the origin is the bottom-left corner.
struct Point {
    double x = 0;
    double y = 0;
};

struct Size {
    double width = 0;
    double height = 0;
};

struct Rect {
    Point origin;
    Size size;

    constexpr Rect() = default;
    constexpr Rect(Point origin, Size size) : origin(origin), size(size) {}
    constexpr Rect(double x, double y, double width, double height)
        : origin{x, y}, size{width, height} {}

    // The extremes hold for a negative width or height too (the rectangle then runs the
    // other way from its origin).
    double minX() const { return std::min(origin.x, origin.x + size.width); }
    double maxX() const { return std::max(origin.x, origin.x + size.width); }
    double minY() const { return std::min(origin.y, origin.y + size.height); }
    double maxY() const { return std::max(origin.y, origin.y + size.height); }

    bool isFinite() const {
        return std::isfinite(origin.x) && std::isfinite(origin.y) && std::isfinite(size.width) &&
               std::isfinite(size.height);
    }

    bool hasNaN() const {
        return std::isnan(origin.x) || std::isnan(origin.y) || std::isnan(size.width) ||
               std::isnan(size.height);
    }

    // Left and bottom edges belong to the rectangle, right and top edges do not, so of two
    // adjacent rectangles exactly one holds a point on their shared edge. A NaN anywhere
    // contains nothing.
    bool contains(Point p) const {
        return !hasNaN() && minX() <= p.x && p.x < maxX() && minY() <= p.y && p.y < maxY();
    }

    // True when the closed rectangles share at least one point, touching edges included (so a
    // key whose edge touches a view's bounds counts as shown). A NaN anywhere meets nothing.
    bool intersects(const Rect& other) const {
        return !hasNaN() && !other.hasNaN() &&
               std::max(minX(), other.minX()) <= std::min(maxX(), other.maxX()) &&
               std::max(minY(), other.minY()) <= std::min(maxY(), other.maxY());
    }

    // The smallest rectangle holding both.
    Rect united(const Rect& other) const {
        const double x0 = std::min(minX(), other.minX());
        const double y0 = std::min(minY(), other.minY());
        return Rect(x0, y0, std::max(maxX(), other.maxX()) - x0,
                    std::max(maxY(), other.maxY()) - y0);
    }
};

inline bool operator==(Point a, Point b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator==(Size a, Size b) {
    return a.width == b.width && a.height == b.height;
}
inline bool operator==(const Rect& a, const Rect& b) {
    return a.origin == b.origin && a.size == b.size;
}

} // namespace tinkella
