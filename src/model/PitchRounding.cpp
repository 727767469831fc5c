#include "model/PitchRounding.h"

#include <algorithm>
#include <cmath>

namespace tinkella {

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

} // namespace

std::chrono::milliseconds PitchRounding::glide(Rate rate) {
    switch (rate) {
    case Rate::fast:
        return std::chrono::milliseconds(10);
    case Rate::slow:
        return std::chrono::milliseconds(350);
    default:
        return std::chrono::milliseconds(50);
    }
}

void PitchRounding::setRate(Rate rate) {
    rate_ = rate;
    forgetAll();
}

double PitchRounding::follow(std::uint8_t note, double bend, Clock::time_point now) {
    bend = std::isfinite(bend) ? bend : 0.0;
    if (rate_ == Rate::off || note > 127) {
        return bend;
    }
    Finger& f = fingers_[note];
    if (!f.followed) {
        f = {.followed = true, .bend = bend, .anchor = bend, .moved = now, .advanced = now};
    }
    advance(f, now);
    f.bend = bend;
    if (std::abs(bend - f.anchor) > restRadius) {
        f.anchor = bend;
        f.moved = now;
        f.settled = false;
    }
    return f.bend + f.weight * (f.key - f.bend);
}

void PitchRounding::advance(Clock::time_point now) {
    for (Finger& f : fingers_) {
        if (f.followed) {
            advance(f, now);
        }
    }
}

void PitchRounding::advance(Finger& f, Clock::time_point now) const {
    // Up to restsFrom the finger counts as moving and the weight falls; from there it rises.
    const Clock::time_point restsFrom = f.moved + restHold;
    const double falling = Milliseconds(std::min(now, restsFrom) - f.advanced).count();
    const double rising = Milliseconds(now - std::max(f.advanced, restsFrom)).count();
    f.advanced = std::max(f.advanced, now);
    if (falling > 0) {
        f.weight = std::max(0.0, f.weight - falling / Milliseconds(release).count());
    }
    if (rising > 0) {
        if (f.weight == 0) {
            f.key = std::round(f.bend);
            f.weight = f.key == f.bend ? 1.0 : 0.0;
        }
        f.weight = std::min(1.0, f.weight + rising / Milliseconds(glide(rate_)).count());
    }
    f.settled = now >= restsFrom && f.weight >= 1;
}

std::optional<double> PitchRounding::bend(std::uint8_t note) const {
    const Finger& f = fingers_[note & 127];
    return f.followed ? std::optional(f.bend + f.weight * (f.key - f.bend)) : std::nullopt;
}

bool PitchRounding::isMoving() const {
    return std::any_of(fingers_.begin(), fingers_.end(),
                       [](const Finger& f) { return f.followed && !f.settled; });
}

} // namespace tinkella
