#pragma once

#include "interfaces/MidiEventList.h"
#include "interfaces/MidiSystem.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tinkella::testing {

// A scripted MIDI system: a topology the test lays out, statuses to return, and every word
// handed over. Notifications are queued by the test and run by dispatchPending(), as a real
// backend does on the main thread.
class FakeMidiSystem : public MidiSystem {
public:
    struct Object {
        MIDIObjectRef ref = 0;
        std::optional<std::string> name, manufacturer; // empty: cannot be read
        std::optional<std::int32_t> uniqueID;          // empty: cannot be read
    };
    static constexpr MIDIEndpointRef sourceRef = 42, destinationRef = 43;

    // The topology, in the system's index order (refs unique, not sourceRef); the source made is
    // appended when visible.
    std::vector<Object> sources, destinations, devices;
    OSStatus clientCreateStatus = 0, setManufacturerStatus = 0, sourceCreateStatus = 0;
    OSStatus sendStatus = 0;                 // for every send not scripted below
    std::deque<OSStatus> sendStatusSequence; // consumed one per send, front first
    bool createdSourceVisible = true;
    std::int32_t createdSourceUniqueID = 1001;

    std::optional<std::string> sourceName;
    std::vector<std::uint32_t> sent; // every word handed over, accepted or not
    std::deque<MIDINotification> pendingNotifications;

    void queueNotification(std::int32_t id) { pendingNotifications.push_back({id}); }
    // What a sender hands to the destination (word 0: the sender has gone), as dispatched.
    void receive(MIDIEndpointRef sender, std::uint32_t word) { receive_({sender, word}); }

    ItemCount numberOfSources() override { return static_cast<ItemCount>(sources.size()); }
    MIDIEndpointRef source(ItemCount i) override { return refAt(sources, i); }
    ItemCount numberOfDestinations() override {
        return static_cast<ItemCount>(destinations.size());
    }
    MIDIEndpointRef destination(ItemCount i) override { return refAt(destinations, i); }
    ItemCount numberOfDevices() override { return static_cast<ItemCount>(devices.size()); }
    MIDIDeviceRef device(ItemCount i) override { return refAt(devices, i); }

    OSStatus getStringProperty(MIDIObjectRef object, MIDIStringProperty property,
                               std::optional<std::string>& value) override {
        const Object* found = find(object);
        value = found ? (property == MIDIStringProperty::Name ? found->name : found->manufacturer)
                      : std::nullopt;
        return value ? 0 : -50;
    }
    OSStatus getIntegerProperty(MIDIObjectRef object, MIDIIntegerProperty,
                                std::int32_t& value) override {
        const Object* found = find(object);
        const auto id = found                 ? found->uniqueID
                        : object == sourceRef ? std::optional(createdSourceUniqueID)
                                              : std::nullopt;
        value = id.value_or(value);
        return id ? 0 : -50;
    }
    OSStatus setStringProperty(MIDIObjectRef, MIDIStringProperty, std::string_view value) override {
        manufacturer_ = setManufacturerStatus == 0 ? std::string(value) : "?";
        return setManufacturerStatus;
    }
    OSStatus clientCreate(std::string_view, MIDINotifyBlock block, MIDIClientRef& client) override {
        notify_ = std::move(block);
        client = 7;
        return clientCreateStatus;
    }
    OSStatus sourceCreateWithProtocol(MIDIClientRef, std::string_view name, MIDIProtocolID,
                                      MIDIEndpointRef& source) override {
        if (sourceCreateStatus == 0) {
            sourceName = std::string(name);
            source = sourceRef;
            if (createdSourceVisible) {
                sources.push_back({sourceRef, sourceName, manufacturer_, createdSourceUniqueID});
            }
        }
        return sourceCreateStatus;
    }
    OSStatus destinationCreate(MIDIClientRef, std::string_view, MIDIReceiveBlock block,
                               MIDIEndpointRef& destination) override {
        receive_ = std::move(block);
        destination = destinationRef;
        return 0;
    }
    OSStatus receivedEventList(MIDIEndpointRef, const MIDIEventList& list) override {
        const MIDIEventPacket* packet = &list.packet[0];
        for (std::uint32_t i = 0; i < list.numPackets; ++i, packet = MIDIEventPacketNext(packet)) {
            sent.insert(sent.end(), packet->words, packet->words + packet->wordCount);
        }
        if (sendStatusSequence.empty()) {
            return sendStatus;
        }
        const OSStatus status = sendStatusSequence.front();
        sendStatusSequence.pop_front();
        return status;
    }
    MIDITimeStamp currentHostTime() override { return 1000; }
    void dispatchPending() override {
        for (; !pendingNotifications.empty(); pendingNotifications.pop_front()) {
            if (notify_) {
                notify_(pendingNotifications.front());
            }
        }
    }

private:
    static MIDIObjectRef refAt(const std::vector<Object>& list, ItemCount i) {
        return i >= 0 && i < static_cast<ItemCount>(list.size()) ? list[std::size_t(i)].ref : 0;
    }
    const Object* find(MIDIObjectRef ref) const {
        for (const auto* list : {&sources, &destinations, &devices}) {
            for (const Object& object : *list) {
                if (object.ref == ref) {
                    return &object;
                }
            }
        }
        return nullptr;
    }

    std::string manufacturer_ = "?";
    MIDINotifyBlock notify_;
    MIDIReceiveBlock receive_;
};

} // namespace tinkella::testing
