#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

namespace tinkella {

// Pitch rounding, so that a resting finger plays in tune: while a finger slides, its note sounds
// the finger's own bend; once it rests (moves less than restRadius for restHold), the sounding
// bend glides, evenly in time, to the nearest whole semitone (the nearest key's centre), which it
// reaches after the rate's glide, and stays there until the finger moves on; then it returns to
// the finger's bend within release. Time comes from the caller, which calls advance() every tick
// while isMoving(). Main thread only.
class PitchRounding {
public:
    using Clock = std::chrono::steady_clock;
    // off: the finger's bend, always.
    enum class Rate { off, slow, medium, fast };

    static constexpr double restRadius = 0.1; // semitones
    static constexpr std::chrono::milliseconds restHold{60};
    static constexpr std::chrono::milliseconds release{50};
    static constexpr std::chrono::milliseconds tick{5};
    // From the finger's bend to the key's centre: fast 10, medium 50, slow 350 ms: LinnStrument's
    // Pitch Quantize Hold (8, 48 and 350 sensor readings of a touch) taken as milliseconds and
    // rounded up to whole ticks.
    static std::chrono::milliseconds glide(Rate rate);

    // Forgets every finger.
    void setRate(Rate rate);
    // note's (0..127) finger is at bend semitones (not finite: 0) at now; returns the bend to
    // sound.
    double follow(std::uint8_t note, double bend, Clock::time_point now);
    // Brings every finger followed to now.
    void advance(Clock::time_point now);
    // The bend note sounds now, as follow() or advance() left it; absent when not followed.
    std::optional<double> bend(std::uint8_t note) const;
    // Whether a followed finger's sounding bend may still change with time alone.
    bool isMoving() const;
    void forget(std::uint8_t note) { fingers_[note] = {}; }
    void forgetAll() { fingers_.fill({}); }

private:
    struct Finger {
        bool followed = false;
        bool settled = false; // resting on its key's centre
        double bend = 0;      // the finger's
        double anchor = 0;    // its bend when it last moved beyond restRadius
        Clock::time_point moved, advanced;
        double weight = 0; // 0 the finger's bend .. 1 the key's centre
        double key = 0;    // the whole semitone it glides to while weight > 0
    };
    void advance(Finger& finger, Clock::time_point now) const;

    Rate rate_ = Rate::medium;
    std::array<Finger, 128> fingers_{};
};

} // namespace tinkella
