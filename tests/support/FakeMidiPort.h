#pragma once

#include "foundation/NullMidiPort.h"
#include "interfaces/MidiMessage.h"
#include "interfaces/MidiPort.h"

#include <cstdint>
#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tinkella::testing {

// A scripted MIDI port: a topology the test lays out, statuses to return, and every message
// sent, as its Universal MIDI Packet word. Changes are queued by the test and reported by
// dispatchPending(), as a real port does on the main thread.
class FakeMidiPort : public MidiPort {
public:
    static constexpr std::uint32_t sourceHandle = 42;

    // The topology, in the system's index order; the source made is appended when visible.
    MidiTopology system;
    MidiStatus clientStatus = 0, manufacturerStatus = 0, sourceStatus = 0;
    MidiStatus sendStatus = 0;                 // for every send not scripted below
    std::deque<MidiStatus> sendStatusSequence; // consumed one per send, front first
    bool createdSourceVisible = true;
    std::int32_t createdSourceUniqueID = 1001;
    std::string name = "MIDI system";

    std::vector<std::uint32_t> sent; // every message handed over, accepted or not
    std::deque<MidiChange> pendingChanges;

    void queueChange(MidiChange change) { pendingChanges.push_back(change); }
    // What a sender hands to the destination (word 0: the sender has gone), as dispatched.
    void receive(MidiSender sender, std::uint32_t word) {
        std::uint8_t bytes[ump::maxMessageBytes];
        if (word == 0) {
            listener_->senderGone(sender);
        } else if (const std::size_t size = ump::midi1Bytes(word, bytes); size != 0) {
            listener_->received(sender, bytes, size);
        }
    }

    MidiTopology topology() override { return system; }
    MidiPortOpened open(std::string_view, std::string_view manufacturer, std::string_view source,
                        std::string_view, MidiPortListener& listener) override {
        listener_ = &listener;
        MidiPortOpened opened{clientStatus, manufacturerStatus, sourceStatus};
        if (clientStatus == 0 && sourceStatus == 0) {
            opened.sourceHandle = sourceHandle;
            opened.sourceUniqueId = createdSourceUniqueID;
            opened.destination = 0;
            if (createdSourceVisible) {
                system.sources.push_back({std::string(source),
                                          manufacturerStatus == 0
                                              ? std::optional(std::string(manufacturer))
                                              : std::nullopt,
                                          createdSourceUniqueID});
            }
        }
        return opened;
    }
    MidiStatus send(const MidiMessage& message) override {
        sent.push_back(ump::midi1WordFromBytes(message.bytes().data(), message.size()));
        if (sendStatusSequence.empty()) {
            return sendStatus;
        }
        const MidiStatus status = sendStatusSequence.front();
        sendStatusSequence.pop_front();
        return status;
    }
    int pollDescriptor() const override { return -1; }
    void dispatchPending() override {
        for (; !pendingChanges.empty(); pendingChanges.pop_front()) {
            listener_->changed(pendingChanges.front());
        }
    }
    bool waitUntilSent(std::chrono::milliseconds) override { return true; }
    std::string displayName() const override { return name; }
    // A refusal as the absent system names it, any other status as an errno.
    std::string describe(MidiStatus status) const override {
        return status == NullMidiPort::noConnection ? "noConnection" : std::strerror(-status);
    }

private:
    MidiPortListener* listener_ = nullptr;
};

} // namespace tinkella::testing
