#pragma once

#include "interfaces/DrawContext.h"

#include <string>
#include <vector>

namespace tinkella {

// One operation handed to a RecordingDrawContext, with the arguments that kind takes.
struct DrawOperation {
    enum class Kind {
        setFillColor,
        setStrokeColor,
        fillRect,
        strokeRect,
        clipToRect,
        setShadow,
        beginPath,
        moveTo,
        addArc,
        addLineTo,
        fillPath,
        strokePath,
        drawText,
    };
    Kind kind = Kind::beginPath;
    Color color;     // set colours, setShadow
    Rect rect;       // fill, stroke, clip, drawText
    Point point;     // moveTo, addLineTo, addArc (centre)
    Size offset;     // setShadow
    double blur = 0; // setShadow
    double radius = 0;
    double startAngle = 0;
    double endAngle = 0;
    bool clockwise = false;
    std::string text; // drawText
    TextAttributes attributes;
};

// Keeps every operation instead of drawing, so a drawing pass can be examined step by step.
class RecordingDrawContext : public DrawContext {
public:
    const std::vector<DrawOperation>& operations() const { return operations_; }
    // One line per operation, numbers with up to six significant digits, e.g.
    // "fillRect 0 0 50 30", "setShadow 0 0 15 rgba(1 1 1 1)", "addArc 36.5 18 3 3.14159 4.71239
    // ccw", "drawText \"C5\" 150 0 51.5 50 Helvetica 16 rgba(0.5 0 0 1) centered".
    std::vector<std::string> lines() const;
    static std::string describe(const DrawOperation& operation);
    void clear() { operations_.clear(); }

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
    DrawOperation& add(DrawOperation::Kind kind);

    std::vector<DrawOperation> operations_;
};

} // namespace tinkella
