#include "foundation/PeakLimiter.h"

#include <algorithm>
#include <cmath>

namespace tinkella {

namespace {

// A recovering gain this close to its target takes the target, so recovery ends exactly.
constexpr double gainSnap = 1e-7;

float finiteOrSilence(float sample) {
    return std::isfinite(sample) ? sample : 0.0f;
}

} // namespace

PeakLimiter::PeakLimiter(double sampleRate, float ceiling, double lookAheadSeconds,
                         double releaseSeconds)
    : ceiling_(ceiling > 0.0f && ceiling <= 1.0f ? ceiling : defaultCeiling),
      lookAhead_(std::max<std::size_t>(
          1, static_cast<std::size_t>(std::lround(std::max(0.0, lookAheadSeconds * sampleRate))))),
      window_(lookAhead_ + 1),
      releaseCoefficient_(1.0 - std::exp(-1.0 / std::max(1.0, releaseSeconds * sampleRate))),
      delayLeft_(lookAhead_, 0.0f), delayRight_(lookAhead_, 0.0f), minValues_(window_, 1.0),
      minFrames_(window_, 0), reductions_(window_, 0.0) {
    reset();
}

void PeakLimiter::reset() {
    std::fill(delayLeft_.begin(), delayLeft_.end(), 0.0f);
    std::fill(delayRight_.begin(), delayRight_.end(), 0.0f);
    std::fill(reductions_.begin(), reductions_.end(), 0.0);
    delayPos_ = 0;
    minHead_ = 0;
    minCount_ = 0;
    frame_ = 0;
    heldGain_ = 1.0;
    reductionPos_ = 0;
    reductionSum_ = 0.0;
    reducedFrames_ = 0;
    silentFrames_ = lookAhead_;
    lastGain_ = 1.0;
}

double PeakLimiter::windowMinimum(double required) {
    // Drop the value that left the window, then those that can never be the minimum again.
    if (minCount_ > 0 && minFrames_[minHead_] + window_ <= frame_) {
        minHead_ = minHead_ + 1 == window_ ? 0 : minHead_ + 1;
        --minCount_;
    }
    while (minCount_ > 0 && minValues_[(minHead_ + minCount_ - 1) % window_] >= required) {
        --minCount_;
    }
    const std::size_t slot = (minHead_ + minCount_) % window_;
    minValues_[slot] = required;
    minFrames_[slot] = frame_;
    ++minCount_;
    return minValues_[minHead_];
}

void PeakLimiter::limitFrame(float left, float right, float& outLeft, float& outRight) {
    left = finiteOrSilence(left);
    right = finiteOrSilence(right);
    const float peak = std::max(std::fabs(left), std::fabs(right));
    const double required = peak > ceiling_ ? static_cast<double>(ceiling_) / peak : 1.0;

    // Every gain of the window is at most the gain the oldest frame (the one leaving now)
    // requires, so their average is too.
    const double minimum = windowMinimum(required);
    if (minimum <= heldGain_) {
        heldGain_ = minimum;
    } else {
        heldGain_ += (minimum - heldGain_) * releaseCoefficient_;
        if (minimum - heldGain_ < gainSnap) {
            heldGain_ = minimum;
        }
    }
    const double reduction = 1.0 - heldGain_;
    const double leaving = reductions_[reductionPos_];
    reducedFrames_ += (reduction != 0.0 ? 1 : 0) - (leaving != 0.0 ? 1 : 0);
    reductionSum_ += reduction - leaving;
    reductions_[reductionPos_] = reduction;
    reductionPos_ = reductionPos_ + 1 == window_ ? 0 : reductionPos_ + 1;
    if (reducedFrames_ == 0) {
        reductionSum_ = 0.0;
    }
    const double gain = 1.0 - reductionSum_ / static_cast<double>(window_);
    lastGain_ = gain;

    const float delayedLeft = delayLeft_[delayPos_];
    const float delayedRight = delayRight_[delayPos_];
    delayLeft_[delayPos_] = left;
    delayRight_[delayPos_] = right;
    delayPos_ = delayPos_ + 1 == lookAhead_ ? 0 : delayPos_ + 1;
    silentFrames_ = peak == 0.0f ? silentFrames_ + 1 : 0;
    ++frame_;

    // Rounding of the gain arithmetic may leave a sample a hair above the ceiling: clamp.
    outLeft = std::clamp(static_cast<float>(delayedLeft * gain), -ceiling_, ceiling_);
    outRight = std::clamp(static_cast<float>(delayedRight * gain), -ceiling_, ceiling_);
}

void PeakLimiter::process(const float* inLeft, const float* inRight, float* outLeft,
                          float* outRight, std::size_t frames) {
    for (std::size_t i = 0; i < frames; ++i) {
        limitFrame(inLeft[i], inRight[i], outLeft[i], outRight[i]);
    }
}

} // namespace tinkella
