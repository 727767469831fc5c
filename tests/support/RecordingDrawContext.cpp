#include "support/RecordingDrawContext.h"

#include <cstdio>

namespace tinkella {

namespace {

std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

std::string numbers(std::initializer_list<double> values) {
    std::string text;
    for (double value : values) {
        if (!text.empty()) {
            text += ' ';
        }
        text += number(value);
    }
    return text;
}

std::string color(const Color& c) {
    return "rgba(" + numbers({c.red, c.green, c.blue, c.alpha}) + ")";
}

std::string rect(const Rect& r) {
    return numbers({r.origin.x, r.origin.y, r.size.width, r.size.height});
}

const char* alignment(TextAlignment a) {
    switch (a) {
    case TextAlignment::left:
        return "left";
    case TextAlignment::centered:
        return "centered";
    case TextAlignment::right:
        return "right";
    }
    return "?";
}

} // namespace

std::string RecordingDrawContext::describe(const DrawOperation& op) {
    using Kind = DrawOperation::Kind;
    switch (op.kind) {
    case Kind::setFillColor:
        return "setFillColor " + color(op.color);
    case Kind::setStrokeColor:
        return "setStrokeColor " + color(op.color);
    case Kind::fillRect:
        return "fillRect " + rect(op.rect);
    case Kind::strokeRect:
        return "strokeRect " + rect(op.rect);
    case Kind::clipToRect:
        return "clipToRect " + rect(op.rect);
    case Kind::setShadow:
        return "setShadow " + numbers({op.offset.width, op.offset.height, op.blur}) + " " +
               color(op.color);
    case Kind::beginPath:
        return "beginPath";
    case Kind::moveTo:
        return "moveTo " + numbers({op.point.x, op.point.y});
    case Kind::addArc:
        return "addArc " +
               numbers({op.point.x, op.point.y, op.radius, op.startAngle, op.endAngle}) +
               (op.clockwise ? " cw" : " ccw");
    case Kind::addLineTo:
        return "addLineTo " + numbers({op.point.x, op.point.y});
    case Kind::fillPath:
        return "fillPath";
    case Kind::strokePath:
        return "strokePath";
    case Kind::drawText:
        return "drawText \"" + op.text + "\" " + rect(op.rect) + " " + op.attributes.fontName +
               " " + number(op.attributes.fontSize) + " " + color(op.attributes.foregroundColor) +
               " " + alignment(op.attributes.alignment);
    }
    return "?";
}

std::vector<std::string> RecordingDrawContext::lines() const {
    std::vector<std::string> result;
    result.reserve(operations_.size());
    for (const DrawOperation& op : operations_) {
        result.push_back(describe(op));
    }
    return result;
}

DrawOperation& RecordingDrawContext::add(DrawOperation::Kind kind) {
    operations_.emplace_back();
    operations_.back().kind = kind;
    return operations_.back();
}

void RecordingDrawContext::setFillColor(const Color& c) {
    add(DrawOperation::Kind::setFillColor).color = c;
}

void RecordingDrawContext::setStrokeColor(const Color& c) {
    add(DrawOperation::Kind::setStrokeColor).color = c;
}

void RecordingDrawContext::fillRect(const Rect& r) {
    add(DrawOperation::Kind::fillRect).rect = r;
}

void RecordingDrawContext::strokeRect(const Rect& r) {
    add(DrawOperation::Kind::strokeRect).rect = r;
}

void RecordingDrawContext::clipToRect(const Rect& r) {
    add(DrawOperation::Kind::clipToRect).rect = r;
}

void RecordingDrawContext::setShadow(Size offset, double blur, const Color& c) {
    DrawOperation& op = add(DrawOperation::Kind::setShadow);
    op.offset = offset;
    op.blur = blur;
    op.color = c;
}

void RecordingDrawContext::beginPath() {
    add(DrawOperation::Kind::beginPath);
}

void RecordingDrawContext::moveTo(Point p) {
    add(DrawOperation::Kind::moveTo).point = p;
}

void RecordingDrawContext::addArc(Point center, double radius, double startAngle, double endAngle,
                                  bool clockwise) {
    DrawOperation& op = add(DrawOperation::Kind::addArc);
    op.point = center;
    op.radius = radius;
    op.startAngle = startAngle;
    op.endAngle = endAngle;
    op.clockwise = clockwise;
}

void RecordingDrawContext::addLineTo(Point p) {
    add(DrawOperation::Kind::addLineTo).point = p;
}

void RecordingDrawContext::fillPath() {
    add(DrawOperation::Kind::fillPath);
}

void RecordingDrawContext::strokePath() {
    add(DrawOperation::Kind::strokePath);
}

void RecordingDrawContext::drawText(std::string_view text, const Rect& r,
                                    const TextAttributes& attributes) {
    DrawOperation& op = add(DrawOperation::Kind::drawText);
    op.text = std::string(text);
    op.rect = r;
    op.attributes = attributes;
}

} // namespace tinkella
