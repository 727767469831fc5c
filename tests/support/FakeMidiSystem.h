#pragma once

#include "interfaces/MidiEventList.h"
#include "interfaces/MidiSystem.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tinkella::testing {

// A scripted MIDI system: a topology the test lays out, a status to return at every step, and
// a record of every call and every word handed over. Notifications are queued by the test and
// run by dispatchPending(), as a real backend does on the main thread.
class FakeMidiSystem : public MidiSystem {
public:
    struct Object {
        MIDIObjectRef ref = 0;
        std::optional<std::string> name;         // empty: the name cannot be read
        std::optional<std::string> manufacturer; // empty: cannot be read
        std::optional<std::int32_t> uniqueID;    // empty: cannot be read
    };
    struct SentPacket {
        MIDIEndpointRef source = 0;
        MIDITimeStamp timeStamp = 0;
        MIDIProtocolID protocol = MIDIProtocolID::MIDI_1_0;
        std::vector<std::uint32_t> words;
    };

    // Scripted topology, in the system's index order.
    std::vector<Object> sources;
    std::vector<Object> destinations;
    std::vector<Object> devices;

    // Scripted statuses.
    OSStatus clientCreateStatus = 0;
    OSStatus setManufacturerStatus = 0;
    OSStatus sourceCreateStatus = 0;
    OSStatus sendStatus = 0;                 // for every send not scripted below
    std::deque<OSStatus> sendStatusSequence; // consumed one per send, front first
    // Our created source is appended to sources with this unique ID when visible.
    bool createdSourceVisible = true;
    std::int32_t createdSourceUniqueID = 1001;
    MIDIClientRef createdClientRef = 7;
    MIDIEndpointRef createdSourceRef = 42;

    // Record.
    std::vector<std::string> calls; // operation names in call order
    std::optional<std::string> clientName;
    std::optional<std::string> manufacturerSet;
    std::optional<std::string> sourceName;
    std::optional<MIDIProtocolID> sourceProtocol;
    std::vector<SentPacket> sent; // every list handed over, accepted or not
    MIDINotifyBlock notify;
    std::deque<MIDINotification> pendingNotifications;
    MIDITimeStamp hostTime = 1000;

    MIDIObjectRef addSource(std::optional<std::string> name,
                            std::optional<std::string> manufacturer = std::string("Maker"),
                            std::optional<std::int32_t> uniqueID = 0) {
        sources.push_back({nextRef_++, std::move(name), std::move(manufacturer), uniqueID});
        return sources.back().ref;
    }
    MIDIObjectRef addDestination(std::optional<std::string> name) {
        destinations.push_back({nextRef_++, std::move(name), std::nullopt, 0});
        return destinations.back().ref;
    }
    MIDIObjectRef addDevice(std::optional<std::string> name) {
        devices.push_back({nextRef_++, std::move(name), std::nullopt, 0});
        return devices.back().ref;
    }

    // Every word handed over, in order, accepted or not.
    std::vector<std::uint32_t> sentWords() const {
        std::vector<std::uint32_t> words;
        for (const SentPacket& packet : sent) {
            words.insert(words.end(), packet.words.begin(), packet.words.end());
        }
        return words;
    }

    void queueNotification(std::int32_t messageID) { pendingNotifications.push_back({messageID}); }

    ItemCount numberOfSources() override {
        calls.push_back("numberOfSources");
        return static_cast<ItemCount>(sources.size());
    }
    MIDIEndpointRef source(ItemCount index) override { return refAt(sources, index); }
    ItemCount numberOfDestinations() override {
        calls.push_back("numberOfDestinations");
        return static_cast<ItemCount>(destinations.size());
    }
    MIDIEndpointRef destination(ItemCount index) override { return refAt(destinations, index); }
    ItemCount numberOfDevices() override {
        calls.push_back("numberOfDevices");
        return static_cast<ItemCount>(devices.size());
    }
    MIDIDeviceRef device(ItemCount index) override { return refAt(devices, index); }

    OSStatus getStringProperty(MIDIObjectRef object, MIDIStringProperty property,
                               std::optional<std::string>& value) override {
        value.reset();
        const Object* found = find(object);
        if (!found) {
            return -50;
        }
        const auto& text = property == MIDIStringProperty::Name ? found->name : found->manufacturer;
        if (!text) {
            return -50;
        }
        value = text;
        return 0;
    }
    OSStatus getIntegerProperty(MIDIObjectRef object, MIDIIntegerProperty,
                                std::int32_t& value) override {
        const Object* found = find(object);
        if (object == createdSourceRef && !found) {
            value = createdSourceUniqueID;
            return 0;
        }
        if (!found || !found->uniqueID) {
            return -50;
        }
        value = *found->uniqueID;
        return 0;
    }
    OSStatus setStringProperty(MIDIObjectRef object, MIDIStringProperty property,
                               std::string_view value) override {
        calls.push_back("setStringProperty");
        if (object != createdClientRef || property != MIDIStringProperty::Manufacturer) {
            return -50;
        }
        if (setManufacturerStatus == 0) {
            manufacturerSet = std::string(value);
        }
        return setManufacturerStatus;
    }
    OSStatus clientCreate(std::string_view name, MIDINotifyBlock block,
                          MIDIClientRef& client) override {
        calls.push_back("clientCreate");
        if (clientCreateStatus != 0) {
            return clientCreateStatus;
        }
        clientName = std::string(name);
        notify = std::move(block);
        client = createdClientRef;
        return 0;
    }
    OSStatus sourceCreateWithProtocol(MIDIClientRef client, std::string_view name,
                                      MIDIProtocolID protocol, MIDIEndpointRef& source) override {
        calls.push_back("sourceCreateWithProtocol");
        if (sourceCreateStatus != 0) {
            return sourceCreateStatus;
        }
        if (client != createdClientRef) {
            return -50;
        }
        sourceName = std::string(name);
        sourceProtocol = protocol;
        source = createdSourceRef;
        if (createdSourceVisible) {
            sources.push_back({createdSourceRef, std::string(name),
                               manufacturerSet ? manufacturerSet : std::optional<std::string>("?"),
                               createdSourceUniqueID});
        }
        return 0;
    }
    OSStatus receivedEventList(MIDIEndpointRef source, const MIDIEventList& list) override {
        calls.push_back("receivedEventList");
        const MIDIEventPacket* packet = &list.packet[0];
        for (std::uint32_t i = 0; i < list.numPackets; ++i) {
            sent.push_back(
                {source, packet->timeStamp, list.protocol,
                 std::vector<std::uint32_t>(packet->words, packet->words + packet->wordCount)});
            packet = MIDIEventPacketNext(packet);
        }
        if (!sendStatusSequence.empty()) {
            const OSStatus status = sendStatusSequence.front();
            sendStatusSequence.pop_front();
            return status;
        }
        return sendStatus;
    }
    MIDITimeStamp currentHostTime() override { return hostTime++; }

    void dispatchPending() override {
        while (!pendingNotifications.empty()) {
            const MIDINotification notification = pendingNotifications.front();
            pendingNotifications.pop_front();
            if (notify) {
                notify(notification);
            }
        }
    }

private:
    static MIDIObjectRef refAt(const std::vector<Object>& list, ItemCount index) {
        return index >= 0 && index < static_cast<ItemCount>(list.size())
                   ? list[static_cast<std::size_t>(index)].ref
                   : 0;
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

    MIDIObjectRef nextRef_ = 100;
};

} // namespace tinkella::testing
