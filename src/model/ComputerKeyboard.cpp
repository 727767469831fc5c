#include "model/ComputerKeyboard.h"

#include "model/PianoController.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tinkella {

namespace {

// xkb keycodes (evdev + 8) of the tracker layout, with their semitones.
constexpr std::array<std::pair<ScanCode, int>, 26> trackerLayout{{
    {52, 0},  // Z
    {39, 1},  // S
    {53, 2},  // X
    {40, 3},  // D
    {54, 4},  // C
    {55, 5},  // V
    {42, 6},  // G
    {56, 7},  // B
    {43, 8},  // H
    {57, 9},  // N
    {44, 10}, // J
    {58, 11}, // M
    {59, 12}, // comma
    {24, 12}, // Q
    {11, 13}, // 2
    {25, 14}, // W
    {12, 15}, // 3
    {26, 16}, // E
    {27, 17}, // R
    {14, 18}, // 5
    {28, 19}, // T
    {15, 20}, // 6
    {29, 21}, // Y
    {16, 22}, // 7
    {30, 23}, // U
    {31, 24}, // I
}};

} // namespace

std::optional<int> semitoneForScanCode(ScanCode scanCode) {
    for (const auto& [code, semitone] : trackerLayout) {
        if (code == scanCode) {
            return semitone;
        }
    }
    return std::nullopt;
}

ComputerKeyboard::ComputerKeyboard(PianoController& controller) : controller_(controller) {}

bool ComputerKeyboard::keyDown(ScanCode scanCode, bool autoRepeat) {
    const std::optional<int> semitone = semitoneForScanCode(scanCode);
    if (!semitone) {
        return false;
    }
    const int note = baseNote_ + *semitone;
    if (pendingReleases_.erase(scanCode) != 0 || autoRepeat || held_.count(scanCode) != 0 ||
        note >= static_cast<int>(PianoController::keyCount)) {
        return true;
    }
    held_[scanCode] = note;
    update();
    return true;
}

bool ComputerKeyboard::keyUp(ScanCode scanCode, bool autoRepeat) {
    if (!semitoneForScanCode(scanCode)) {
        return false;
    }
    // A release with no press seen (it went down in another window) changes nothing.
    if (!autoRepeat && held_.count(scanCode) != 0) {
        pendingReleases_.insert(scanCode);
    }
    return true;
}

void ComputerKeyboard::applyPendingReleases() {
    if (sustainUpPending_) {
        sustainUpPending_ = false;
        controller_.setSustained(SustainSource::keyboard, false);
    }
    if (pendingReleases_.empty()) {
        return;
    }
    for (ScanCode scanCode : pendingReleases_) {
        held_.erase(scanCode);
    }
    pendingReleases_.clear();
    update();
}

void ComputerKeyboard::sustainDown(bool autoRepeat) {
    if (sustainUpPending_) {
        sustainUpPending_ = false;
        return;
    }
    if (!autoRepeat) {
        controller_.setSustained(SustainSource::keyboard, true);
    }
}

void ComputerKeyboard::sustainUp(bool autoRepeat) {
    if (!autoRepeat && controller_.isSustainedBy(SustainSource::keyboard)) {
        sustainUpPending_ = true;
    }
}

void ComputerKeyboard::releaseAll() {
    controller_.setSustained(SustainSource::keyboard, false);
    sustainUpPending_ = false;
    pendingReleases_.clear();
    if (!held_.empty()) {
        held_.clear();
        update();
    }
}

void ComputerKeyboard::octaveDown() {
    baseNote_ = std::max(lowestBaseNote, baseNote_ - 12);
}

void ComputerKeyboard::octaveUp() {
    baseNote_ = std::min(highestBaseNote, baseNote_ + 12);
}

void ComputerKeyboard::update() {
    for (PianoKey& key : controller_.keys()) {
        key.isPressedOnKeyboard = false;
    }
    for (const auto& [scanCode, note] : held_) {
        controller_.keys()[static_cast<std::size_t>(note)].isPressedOnKeyboard = true;
    }
    controller_.updatePlayingNotesFromPressedKeys();
    controller_.notifyPressedKeysChanged();
}

} // namespace tinkella
