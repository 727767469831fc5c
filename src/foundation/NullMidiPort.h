#pragma once

#include "interfaces/MidiPort.h"

namespace tinkella {

// The MIDI port of a process that has no MIDI system: nothing to list, and joining is refused
// with noConnection (-10860), so the output stays unavailable.
class NullMidiPort final : public MidiPort {
public:
    static constexpr MidiStatus noConnection = -10860;

    MidiTopology topology() override { return {}; }
    MidiPortOpened open(std::string_view, std::string_view, std::string_view, std::string_view,
                        MidiPortListener&) override {
        return {noConnection, noConnection, noConnection, 0, 0, noConnection};
    }
    MidiStatus send(const MidiMessage&) override { return noConnection; }
    int pollDescriptor() const override { return -1; }
    void dispatchPending() override {}
    bool waitUntilSent(std::chrono::milliseconds) override { return true; }
    std::string displayName() const override { return "MIDI system"; }
    std::string describe(MidiStatus) const override { return "noConnection"; }
};

} // namespace tinkella
