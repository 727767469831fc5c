#include "outputs/PendingMidiCalls.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tinkella {

void PendingMidiCalls::noteOn(std::uint8_t noteNum, std::uint8_t velocity, std::uint8_t channel) {
    calls_.push_back({Call::NoteOn, noteNum, velocity, channel});
}

void PendingMidiCalls::noteOff(std::uint8_t noteNum, std::uint8_t channel) {
    if (calls_.size() >= mostWaiting) {
        const auto last = std::find_if(calls_.rbegin(), calls_.rend(), [&](const Call& call) {
            return call.kind == Call::Panic || call.kind == Call::Enable ||
                   ((call.kind == Call::NoteOn || call.kind == Call::NoteOff) &&
                    call.a == noteNum && call.channel == channel);
        });
        if (last != calls_.rend() && last->kind == Call::NoteOn) {
            calls_.erase(std::next(last).base());
            return;
        }
    }
    calls_.push_back({Call::NoteOff, noteNum, 0, channel});
}

void PendingMidiCalls::controlChange(std::uint8_t controller, std::uint8_t value,
                                     std::uint8_t channel) {
    calls_.push_back({Call::ControlChange, controller, value, channel});
}

void PendingMidiCalls::pitchBend(std::uint16_t value, std::uint8_t channel) {
    calls_.push_back({Call::PitchBend, value, 0, channel});
}

void PendingMidiCalls::channelPressure(std::uint8_t value, std::uint8_t channel) {
    calls_.push_back({Call::Pressure, value, 0, channel});
}

void PendingMidiCalls::programChange(std::uint8_t program, std::uint8_t channel) {
    calls_.push_back({Call::Program, program, 0, channel});
}

void PendingMidiCalls::panic(std::uint8_t channel) {
    calls_.push_back({Call::Panic, 0, 0, channel});
}

void PendingMidiCalls::setEnabled(bool enabled) {
    calls_.push_back({Call::Enable, enabled});
}

void PendingMidiCalls::replay(MidiCalls& output) {
    const std::vector<Call> calls = std::exchange(calls_, {});
    for (const Call& call : calls) {
        const auto a = static_cast<std::uint8_t>(call.a);
        switch (call.kind) {
        case Call::NoteOn:
            output.noteOn(a, call.b, call.channel);
            break;
        case Call::NoteOff:
            output.noteOff(a, call.channel);
            break;
        case Call::ControlChange:
            output.controlChange(a, call.b, call.channel);
            break;
        case Call::Panic:
            output.panic(call.channel);
            break;
        case Call::Enable:
            output.setEnabled(call.a != 0);
            break;
        case Call::PitchBend:
            output.pitchBend(call.a, call.channel);
            break;
        case Call::Pressure:
            output.channelPressure(a, call.channel);
            break;
        case Call::Program:
            output.programChange(a, call.channel);
            break;
        }
    }
}

} // namespace tinkella
