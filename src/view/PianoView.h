#pragma once

#include "foundation/NotificationCenter.h"
#include "interfaces/DrawContext.h"
#include "interfaces/Geometry.h"
#include "model/Preferences.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tinkella {

class DrawContext;
struct KeyPalette;
class PianoController;
class PianoKey;
class ViewHost;

// Where a black key lies on the slot of the natural key below it, in that slot's key widths
// and the keyboard's height: the drawn shape, the window's hit test and the velocity depth all
// take it from here.
namespace blackKey {
// Left edge, from the slot's left edge, and width, in key widths.
inline constexpr double left = 0.67;
inline constexpr double width = 0.66;
// The front edge (the one nearest the player), as a fraction of the height from the bottom;
// the key reaches from there to the top.
inline constexpr double front = 0.5;
} // namespace blackKey

// Phase of one touch in a touch event; each value is its own bit, so phases combine as a mask.
enum class TouchPhase { began = 1, moved = 2, stationary = 4, ended = 8, cancelled = 16 };
// Direct touches come from a touch surface under the finger (the strip); indirect ones from a
// trackpad. Only direct touches play.
enum class TouchType { direct = 0, indirect = 1 };

// One touch of a touch event as the toolkit reports it. identity stays the same from a
// finger's first to its last event and differs between fingers down together; location is in
// the receiving view's coordinates (points, unflipped).
struct TouchRecord {
    std::string identity;
    TouchPhase phase = TouchPhase::began;
    TouchType type = TouchType::direct;
    Point location;
    // 0..1 where the device reports pressure; absent otherwise.
    std::optional<double> pressure;
};

// The keys a finger on the strip is over: the key it plays (black zones taken into account)
// and the natural key whose slot holds the point. Both are set or both are null; the keys
// belong to the keyboard model.
struct TouchBarHit {
    PianoKey* top = nullptr;
    PianoKey* natural = nullptr;
};

// The keyboard view, used on the touch strip (isOnTouchBar true) and in the piano window.
// Lays the model's 120 keys out in its bounds, turns touches (strip) or the mouse (window)
// into the keys' pressed flags, has the model start and end the notes, and draws the keyboard
// through a DrawContext. Nothing of the layout is cached: every hit test and draw computes it
// from the bounds, keyWidth and noteOffset of the moment. Main thread only.
class PianoView {
public:
    // Uses PianoController::sharedInstance() and NotificationCenter::defaultCenter().
    PianoView(Rect frame, bool isOnTouchBar);
    // The controller and the centre must outlive the view.
    PianoView(Rect frame, bool isOnTouchBar, PianoController& controller,
              NotificationCenter& center);
    // Ends the view's three notification registrations. When fingers or the mouse button are
    // still held on it, releases their keys first (ending their notes unless the other surface
    // holds them too) and posts PressedPianoKeysChanged.
    ~PianoView();
    PianoView(const PianoView&) = delete;
    PianoView& operator=(const PianoView&) = delete;

    // --- Host and bounds -------------------------------------------------------------------
    // The widget showing the view, or null; not owned. The host must call setHost(nullptr)
    // before it goes.
    void setHost(ViewHost* host) { host_ = host; }
    ViewHost* host() const { return host_; }
    // The frame is used as bounds (at origin 0, 0) while the view has no host.
    Rect frame() const { return frame_; }
    void setFrame(Rect frame) { frame_ = frame; }
    void setFrameSize(Size size) { frame_.size = size; }
    // The host's bounds, or the frame's size at the origin without a host.
    Rect bounds() const;
    // Asks the host, if any, to redraw the whole bounds.
    void setNeedsDisplay();
    bool acceptsFirstResponder() const { return true; }
    // The keyboard model the view plays.
    PianoController& controller() const { return controller_; }

    // --- Fields ----------------------------------------------------------------------------
    bool isOnTouchBar() const { return isOnTouchBar_; }
    bool showsOctaveNumber() const { return showsOctaveNumber_; }
    // The black-key touch-area overlay; switching it redraws the view.
    bool showsBlackKeyTouchArea() const { return showsBlackKeyTouchArea_; }
    void setShowsBlackKeyTouchArea(bool shows);
    // Width of each black key's strip touch zone as a fraction of keyWidth (0..1 offered).
    // Only stores: no redraw, no re-evaluation.
    double blackKeyTouchArea() const { return blackKeyTouchArea_; }
    void setBlackKeyTouchArea(double area) { blackKeyTouchArea_ = area; }
    // Whether a finger sliding along the strip plays the black keys it crosses. Only stores.
    bool blackKeyGlissando() const { return blackKeyGlissando_; }
    void setBlackKeyGlissando(bool glissando) { blackKeyGlissando_ = glissando; }
    // Whether presses set their notes' velocity (velocityAt) rather than 127. Only stores.
    bool velocityFromTouch() const { return velocityFromTouch_; }
    void setVelocityFromTouch(bool fromTouch) { velocityFromTouch_ = fromTouch; }
    // What the keys are labelled with, and the scale shown on them (an index of
    // preferences::scaleNames, 0 for none) on its root pitch class 0..11. Only store.
    preferences::KeyLabels keyLabels() const { return keyLabels_; }
    void setKeyLabels(preferences::KeyLabels labels) { keyLabels_ = labels; }
    void setScale(std::size_t scale, int root) {
        scale_ = scale;
        scaleRoot_ = root;
    }
    // Black and white keys with strong outlines and colour-blind-safe held keys (KeyPalette).
    // Only stores.
    bool highContrast() const { return highContrast_; }
    void setHighContrast(bool highContrast) { highContrast_ = highContrast; }
    // Width of one natural key in points.
    double keyWidth() const { return keyWidth_; }
    // Stores the width as given; no redraw, no re-evaluation (the window sizes its own view).
    void storeKeyWidth(double keyWidth) { keyWidth_ = keyWidth; }
    // Scroll position 0 (left end shows) .. 96 (right end shows), not clamped.
    float noteOffset() const { return noteOffset_; }
    // Stores the offset as given; no redraw, no re-evaluation.
    void storeNoteOffset(float noteOffset) { noteOffset_ = noteOffset; }
    // Fingers currently tracked on the strip.
    std::size_t touchCount() const { return touches_.size(); }
    // Where the mouse button is held, absent while it is up.
    std::optional<Point> mousePosition() const { return mousePosition_; }

    // Store, redraw, then re-evaluate the keys under held fingers or the held mouse button.
    void setKeyWidth(float keyWidth);
    void setNoteOffset(float noteOffset);

    // --- Geometry --------------------------------------------------------------------------
    // 70 natural slots times keyWidth.
    double getKeyboardWidth() const;
    // Left edge of natural slot xPos: centred when the keyboard is narrower than the bounds,
    // otherwise shifted left by noteOffset/96 of the overflow.
    double getXFrom(std::int64_t xPos) const;
    Rect getWhiteDisplayRect(std::int64_t xPos) const;
    // The drawn rectangle of the sharp key whose slot is xPos: upper half of the bounds.
    Rect getBlackDisplayRect(std::int64_t xPos) const;
    // Keys whose display rectangles meet the bounds, in note order; the keys are the model's.
    std::vector<PianoKey*> getVisibleKeys() const;

    // --- Playing ---------------------------------------------------------------------------
    // Rebuilds this view's press flag on all keys (isPressedOnTouchBar on the strip,
    // isPressedOnScreen in the window) from the tracked fingers or the mouse, then has the
    // model start and end notes and post PressedPianoKeysChanged.
    void updatePressedKeys();
    // The strip's hit test: only the horizontal position within the bounds' height decides;
    // black keys own a band blackKeyTouchArea key widths wide across their boundary.
    TouchBarHit touchBarKeyHitTest(Point location) const;
    // The window's hit test on the drawn shapes, black keys first; null over no key.
    PianoKey* mouseKeyHitTest(Point location) const;
    // The velocity 1..127 of a press at location on key: 127 at the key's front edge falling
    // evenly to 1 at its back, measured along the key's own drawn length (so a black key's
    // front edge is 127 too), times pressure (0..1) where there is one.
    std::uint8_t velocityAt(const PianoKey& key, Point location,
                            std::optional<double> pressure) const;

    // With MPE on, a finger or the mouse keeps the key it went down on and bends its note as it
    // moves: the semitones from key's note to the pitch under x (bounds' coordinates), the
    // pitch following the keyboard continuously between the keys' centres (black keys
    // included), with the point where the press began (anchorX) counting as key's own centre,
    // so that a press is never bent and reaching another key's centre bends by exactly the
    // semitones between them. Not clamped.
    double bendAt(double x, const PianoKey& key, double anchorX) const;
    // The horizontal centre of key's drawn shape, in bounds' coordinates.
    double keyCentre(const PianoKey& key) const;

    // Touch handlers: each takes the touches of one event, keeps those in its own phase and of
    // direct type, updates the tracked fingers, then runs updatePressedKeys() once.
    void touchesBegan(const std::vector<TouchRecord>& touches);
    void touchesMoved(const std::vector<TouchRecord>& touches);
    void touchesEnded(const std::vector<TouchRecord>& touches);
    void touchesCancelled(const std::vector<TouchRecord>& touches);

    // Mouse handlers, location in this view's coordinates; the toolkit keeps sending drags to
    // the view that took the press, wherever the pointer is.
    void mouseDown(Point locationInView, std::optional<double> pressure = {});
    void mouseDragged(Point locationInView, std::optional<double> pressure = {});
    void mouseUp(Point locationInView);

    // --- Notifications ---------------------------------------------------------------------
    void pressedKeysChanged(const Notification& notification);
    void pianoResizingStarted(const Notification& notification);
    void pianoResizingEnded(const Notification& notification);

    // --- Drawing ---------------------------------------------------------------------------
    // One full pass over the whole bounds.
    void draw(DrawContext& context) const;
    // Appends the outline of a sharp key to the context's current path, left open at the top.
    void addSharpKeyPath(DrawContext& context, const PianoKey& key) const;

private:
    // Marking passes of draw(): natural keys outside the scale dimmed (before the presses);
    // the scale's roots marked and the key names (after the outlines).
    void dimKeysOutsideScale(DrawContext& context, const std::vector<PianoKey*>& visible) const;
    // Whether the key plays the keyboard split's instrument, and the tint that shows it.
    bool isBelowSplit(const PianoKey& key) const;
    void tintKeysBelowSplit(DrawContext& context, const std::vector<PianoKey*>& visible) const;
    bool inScale(const PianoKey& key) const;
    void markScaleRoots(DrawContext& context, const std::vector<PianoKey*>& visible) const;
    void drawKeyNames(DrawContext& context, const std::vector<PianoKey*>& visible) const;
    const KeyPalette& palette() const;
    Color nameColour(const PianoKey& key) const;

    // One finger on the strip.
    struct KeyTouch {
        KeyTouch(Point point, std::optional<double> pressure)
            : currentPoint(point), pressure(pressure) {}
        // Note of the first key the finger pressed; fixed once set.
        std::optional<std::int64_t> firstNote;
        double anchorX = 0; // where it pressed that key, with MPE

        Point currentPoint;
        std::optional<double> pressure;
    };

    void startUp();
    void updatePressedKeysOnTouchBar();
    void updatePressedKeysOnScreen();
    // Marks key pressed by this view; a key not yet playing takes the press's velocity.
    void press(PianoKey& key, Point location, std::optional<double> pressure);
    // With MPE: presses the key of note and hands the note's bend, place along the key and
    // pressure to the model.
    void pressExpressively(std::int64_t note, double anchorX, Point location,
                           std::optional<double> pressure);
    // How far along key location is: 0 at its front edge, 1 at its back, clamped.
    double depthAlong(const PianoKey& key, Point location) const;
    // The drawn rectangle of a black key whose slot's left edge is at slotLeft, in bounds of
    // the given height.
    Rect blackKeyRect(double slotLeft, double height) const;
    // Amount the keyboard is shifted left of slot 0 at x = 0 (negative when centred).
    double shift() const;
    // A width, offset or bounds that is not finite lays out no key: nothing is hit or drawn.
    bool hasFiniteLayout(double shift, const Rect& area) const;

    const bool isOnTouchBar_;
    bool showsOctaveNumber_ = false;
    bool showsBlackKeyTouchArea_ = false;
    double blackKeyTouchArea_ = 0.5;
    float noteOffset_ = 60.0F;
    bool blackKeyGlissando_ = false;
    bool velocityFromTouch_ = false;
    preferences::KeyLabels keyLabels_ = preferences::KeyLabels::octave;
    std::size_t scale_ = 0;
    int scaleRoot_ = 0;
    bool highContrast_ = false;
    double keyWidth_ = 50.0;
    std::map<std::string, KeyTouch> touches_;
    std::optional<Point> mousePosition_;
    std::optional<double> mousePressure_;
    // With MPE, the key the held mouse button went down on and where.
    std::optional<std::int64_t> mouseNote_;
    double mouseAnchorX_ = 0;

    PianoController& controller_;
    NotificationCenter& center_;
    Rect frame_;
    ViewHost* host_ = nullptr;
    std::vector<ObserverRegistration> registrations_;
};

} // namespace tinkella
