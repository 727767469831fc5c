#include "audio/MIDIOutput.h"

namespace tinkella {

// Placeholder until the MIDI system backends land: publishes nothing.
class MidiSystem {
public:
    virtual ~MidiSystem() = default;
};

namespace {
MIDIOutput::SystemFactory& sharedFactory() {
    static MIDIOutput::SystemFactory factory;
    return factory;
}
} // namespace

void MIDIOutput::setSharedSystemFactory(SystemFactory factory) {
    sharedFactory() = std::move(factory);
}

MIDIOutput& MIDIOutput::shared() {
    static MIDIOutput output(sharedFactory() ? sharedFactory()() : nullptr);
    return output;
}

MIDIOutput::MIDIOutput(std::unique_ptr<MidiSystem>) {}
MIDIOutput::~MIDIOutput() = default;
void MIDIOutput::setEnabled(bool enabled) { isEnabled_ = enabled; }
void MIDIOutput::noteOn(std::uint8_t, std::uint8_t, std::uint8_t) {}
void MIDIOutput::noteOff(std::uint8_t, std::uint8_t) {}

} // namespace tinkella
