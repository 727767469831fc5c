#pragma once

#include "interfaces/DrawContext.h"

#include <cstdio>
#include <string>
#include <vector>

namespace tinkella {

// Keeps one line per operation instead of drawing: its name, then any colour, rectangle and text
// ("setFillColor rgba(1 0 0 0.5)", "fillRect 37.5 0 25 30", "drawText \"C0\" 0 0 50 30").
class RecordingDrawContext : public DrawContext {
public:
    std::vector<std::string> lines;

    void setFillColor(const Color& c) override { add("setFillColor", c); }
    void setStrokeColor(const Color& c) override { add("setStrokeColor", c); }
    void fillRect(const Rect& r) override { add("fillRect", r); }
    void strokeRect(const Rect& r) override { add("strokeRect", r); }
    void clipToRect(const Rect& r) override { add("clipToRect", r); }
    void setShadow(Size, double, const Color&) override { lines.emplace_back("setShadow"); }
    void beginPath() override { lines.emplace_back("beginPath"); }
    void moveTo(Point) override { lines.emplace_back("moveTo"); }
    void addArc(Point, double, double, double, bool) override { lines.emplace_back("addArc"); }
    void addLineTo(Point) override { lines.emplace_back("addLineTo"); }
    void fillPath() override { lines.emplace_back("fillPath"); }
    void strokePath() override { lines.emplace_back("strokePath"); }
    void drawText(std::string_view text, const Rect& r, const TextAttributes&) override {
        add("drawText \"" + std::string(text) + "\"", r);
    }

private:
    void add(std::string line, std::initializer_list<double> values, const char* end = "") {
        for (double value : values) {
            char number[32];
            std::snprintf(number, sizeof number, "%g", value);
            line.append(line.back() == '(' ? "" : " ").append(number);
        }
        lines.push_back(line + end);
    }
    void add(const std::string& name, const Color& c) {
        add(name + " rgba(", {c.red, c.green, c.blue, c.alpha}, ")");
    }
    void add(const std::string& name, const Rect& r) {
        add(name, {r.origin.x, r.origin.y, r.size.width, r.size.height});
    }
};

} // namespace tinkella
