#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace tinkella {

class MidiSystem;

// The virtual MIDI source "Tinkella": note-on and note-off leave it as MIDI 1.0 channel voice
// messages, and every step is written to the MIDI diagnostic log. Main thread only.
class MIDIOutput {
public:
    // The one output of the process, built on first use (thread-safe, at most once) from the
    // shared system factory.
    static MIDIOutput& shared();
    using SystemFactory = std::function<std::unique_ptr<MidiSystem>()>;
    // Chooses the MIDI system shared() publishes on; call before its first use.
    static void setSharedSystemFactory(SystemFactory factory);

    explicit MIDIOutput(std::unique_ptr<MidiSystem> system);
    ~MIDIOutput();
    MIDIOutput(const MIDIOutput&) = delete;
    MIDIOutput& operator=(const MIDIOutput&) = delete;

    bool isAvailable() const { return isAvailable_; }
    bool isEnabled() const { return isEnabled_; }
    void setEnabled(bool enabled);

    void noteOn(std::uint8_t noteNum, std::uint8_t velocity, std::uint8_t channel);
    void noteOff(std::uint8_t noteNum, std::uint8_t channel);

private:
    bool isAvailable_ = false;
    bool isEnabled_ = true;
};

} // namespace tinkella
