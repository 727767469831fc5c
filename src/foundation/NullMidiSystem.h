#pragma once

#include "interfaces/MidiSystem.h"

namespace tinkella {

// The MIDI system of a process that has none: nothing to list, and the client is refused with
// noConnection (-10860), so the output stays unavailable.
class NullMidiSystem final : public MidiSystem {
public:
    static constexpr OSStatus noConnection = -10860;

    ItemCount numberOfSources() override { return 0; }
    MIDIEndpointRef source(ItemCount) override { return 0; }
    ItemCount numberOfDestinations() override { return 0; }
    MIDIEndpointRef destination(ItemCount) override { return 0; }
    ItemCount numberOfDevices() override { return 0; }
    MIDIDeviceRef device(ItemCount) override { return 0; }
    OSStatus getStringProperty(MIDIObjectRef, MIDIStringProperty,
                               std::optional<std::string>&) override {
        return noConnection;
    }
    OSStatus getIntegerProperty(MIDIObjectRef, MIDIIntegerProperty, std::int32_t&) override {
        return noConnection;
    }
    OSStatus setStringProperty(MIDIObjectRef, MIDIStringProperty, std::string_view) override {
        return noConnection;
    }
    OSStatus clientCreate(std::string_view, MIDINotifyBlock, MIDIClientRef&) override {
        return noConnection;
    }
    OSStatus sourceCreateWithProtocol(MIDIClientRef, std::string_view, MIDIProtocolID,
                                      MIDIEndpointRef&) override {
        return noConnection;
    }
    OSStatus destinationCreate(MIDIClientRef, std::string_view, MIDIReceiveBlock,
                               MIDIEndpointRef&) override {
        return noConnection;
    }
    OSStatus receivedEventList(MIDIEndpointRef, const MIDIEventList&) override {
        return noConnection;
    }
    MIDITimeStamp currentHostTime() override { return 0; }
};

} // namespace tinkella
