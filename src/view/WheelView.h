#pragma once

#include "interfaces/Geometry.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tinkella {

class DrawContext;
class PlayerChannel;

// One of the piano window's two wheels at the left end of the keys, drawn on a DrawContext and
// played by pointers (the mouse or a finger, each by its identity) and the keyboard. The
// pitch-bend wheel springs back to the centre when it is let go; the modulation wheel stays
// where it is left. A pointer rolls the wheel by how far it moves, wherever on the wheel it went
// down, as a thumb rolls a hardware wheel: a move of the wheel's whole height sweeps its whole
// range, so from the centre half the height up reaches the top. One pointer holds the wheel at
// a time; others pressed on it meanwhile are ignored. Every value goes to the player's channel,
// which holds it. Coordinates are the view's own (points, y upwards). Main thread only.
class WheelView {
public:
    enum class Kind { pitch, modulation };

    // player must outlive the view.
    WheelView(Kind kind, PlayerChannel& player);

    Kind kind() const { return kind_; }
    void setSize(Size size) { size_ = size; }
    // The label under the wheel, translated by the host; the focus ring while the host has the
    // keyboard focus.
    void setLabel(std::string label) { label_ = std::move(label); }
    void setFocused(bool focused) { focused_ = focused; }

    // The wheel's value, 0..16383 for pitch (8192 centred), 0..127 for modulation.
    int value() const;
    int highest() const { return kind_ == Kind::pitch ? 16383 : 127; }
    // Whether a pointer or a key holds it.
    bool isHeld() const { return holder_.has_value() || keyHeld_; }

    void press(const std::string& pointer, Point location);
    void move(const std::string& pointer, Point location);
    void release(const std::string& pointer);
    // Every pointer and key lets go (a cancel, a dialog, Esc).
    void releaseAll();

    // The keyboard: steps sixteenths of the range up (negative: down) from where it is, or
    // moves to an end (toEnd +1 top, -1 bottom). A pitch wheel moved by keys springs back
    // when keyReleased() says the last key is up.
    void step(int steps);
    void moveToEnd(int toEnd);
    void keyReleased();

    // One full pass over the size: the wheel's slot, its surface with ridges that roll with
    // the value, the mark at the value (and the centre's for pitch), the label, the focus ring.
    void draw(DrawContext& context) const;

private:
    void setValue(double value);
    void letGo();
    // The wheel's surface, inside the slot, above the label.
    Rect surface() const;

    const Kind kind_;
    PlayerChannel& player_;
    Size size_;
    std::string label_;
    bool focused_ = false;
    std::optional<std::string> holder_;
    double anchorY_ = 0;     // where the holder went down
    double anchorValue_ = 0; // the value then
    bool keyHeld_ = false;
};

} // namespace tinkella
