#pragma once

#include "interfaces/MidiMessage.h"
#include "outputs/PerformanceRecorder.h"

#include <cstddef>
#include <cstdint>

namespace tinkella {

// What the MIDI output hands to the performance being kept: every message of the player, before
// it is known whether it can leave the source, and every message that arrived at the
// destination. A panic that cannot leave is kept as the All Notes Off that ends what it would
// have ended. Main thread only.
class PerformanceTap {
public:
    // recorder must outlive its time here (null: none).
    void setRecorder(PerformanceRecorder* recorder) { recorder_ = recorder; }

    void played(const MidiMessage& message) {
        if (recorder_) {
            recorder_->played(message.status, message.data1, message.data2);
        }
    }
    void received(const std::uint8_t* bytes, std::size_t size) {
        if (recorder_) {
            recorder_->received(bytes, size);
        }
    }
    void panicSkipped(std::uint8_t channel) {
        played(MidiMessage::controlChange(ump::allNotesOffController, 0, channel));
    }

private:
    PerformanceRecorder* recorder_ = nullptr;
};

} // namespace tinkella
