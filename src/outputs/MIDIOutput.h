#pragma once

#include "foundation/NotificationCenter.h"
#include "interfaces/MidiPort.h"
#include "outputs/MidiCalls.h"
#include "outputs/MidiDiagnosticLog.h"
#include "outputs/MidiSource.h"
#include "outputs/PendingMidiCalls.h"
#include "outputs/PerformanceTap.h"
#include "outputs/SoundingBook.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

namespace tinkella {

// The virtual MIDI source "Tinkella": note-on, note-off and control change (sustain, panic)
// leave it as MIDI 1.0 channel voice messages, and every step is written
// to the MIDI diagnostic log (system log plus standard error, "MIDI: " and "MIDI-ERROR: " lines).
// Beside it, on the same client, the virtual destination "Tinkella In" hands what other programs
// send to an input listener; nothing received is logged or sent on. Main thread only.
//
// Each call is checked and logged here, then becomes one MidiMessage that goes to the
// performance kept (PerformanceTap), to the port (MidiSource) and, once accepted, into the book
// of what listeners hold (SoundingBook). Calls made before the port is open wait in
// PendingMidiCalls.
class MIDIOutput final : public MidiCalls, private MidiPortListener {
public:
    // The one output of the process, built on first use (thread-safe, at most once) from the
    // shared port factory and the shared log factory.
    static MIDIOutput& shared();
    using PortFactory = std::function<std::unique_ptr<MidiPort>()>;
    // Chooses the MIDI port shared() publishes on; call before its first use. Without one,
    // shared() has no MIDI system and stays unavailable.
    static void setSharedPortFactory(PortFactory factory);
    using LogFactory = std::function<MidiLogSink()>;
    // Chooses where shared() logs; call before its first use. Without one, standard error only.
    static void setSharedLogFactory(LogFactory factory);
    // Makes shared() start pending (see attach()) instead of asking the port factory; call
    // before its first use.
    static void setSharedPortArrivesLater();

    // Publishes the source on port right away, writing the start-up log. A null port behaves
    // as a MIDI system that refuses the client.
    explicit MIDIOutput(std::unique_ptr<MidiPort> port, MidiLogSink sink = {});
    // Made while the MIDI port is still being opened elsewhere: every call waits, in order,
    // until attach().
    struct Pending {};
    MIDIOutput(Pending, MidiLogSink sink = {});
    // A pending output's port: publishes the source as the constructor above does, then
    // replays every call that waited, with its log lines, as if made now. Ignored when not
    // pending.
    void attach(std::unique_ptr<MidiPort> port);
    bool isPending() const { return pending_; }
    ~MIDIOutput() override;
    MIDIOutput(const MIDIOutput&) = delete;
    MIDIOutput& operator=(const MIDIOutput&) = delete;

    // False before the source is published, and while the MIDI system is gone.
    bool isAvailable() const { return source_.isAvailable(); }
    bool isEnabled() const { return isEnabled_; }
    // Switching off first ends every note this output started and has not ended, lifts a sustain
    // it put down and recentres and releases the channels it bent or pressed, so no note is left
    // sounding, bent or pressed in the programs that listen.
    void setEnabled(bool enabled) override;

    // Notes above 127 are refused with an error line. channel: its low four bits are sent.
    void noteOn(std::uint8_t noteNum, std::uint8_t velocity, std::uint8_t channel) override;
    void noteOff(std::uint8_t noteNum, std::uint8_t channel) override;
    // controller and value above 127 are refused with an error line.
    void controlChange(std::uint8_t controller, std::uint8_t value, std::uint8_t channel) override;
    // value 0..16383 (8192 centred), above it refused with an error line.
    void pitchBend(std::uint16_t value, std::uint8_t channel) override;
    // value above 127 is refused with an error line.
    void channelPressure(std::uint8_t value, std::uint8_t channel) override;
    // program above 127 is refused with an error line.
    void programChange(std::uint8_t program, std::uint8_t channel) override;
    // For whatever a listener may still hold, known to this output or not: lifts a sustain
    // this output put down, sends a note-off for each of the 128 notes, then All Sound Off and
    // All Notes Off.
    void panic(std::uint8_t channel) override;
    // Whether a sustain-down this output sent on channel still holds (no sustain-up since).
    bool isSustaining(std::uint8_t channel) const { return book_.isSustaining(channel); }

    // Hears the destination's messages and the news of senders gone; when the MIDI system goes
    // away it hears every sender gone (sender 0). Replaces the previous listener, which must
    // outlive its time here (null: none); until there is one, received messages are dropped.
    void setInputListener(MidiInputListener* listener) { inputListener_ = listener; }
    // Keeps every message handed to the source, before it is known whether it can leave, and
    // every one received; it must outlive its time here (null: none).
    void setRecorder(PerformanceRecorder* recorder) { tap_.setRecorder(recorder); }
    // Runs observer, after the notification's log line, whenever a connection to or from the
    // port was made or broken, until the registration goes; several observers run in the order
    // they were added.
    [[nodiscard]] ObserverRegistration observeConnections(std::function<void()> observer);

    // The MIDI system's notifications and received messages: watch this descriptor (-1: nothing to
    // watch) and call dispatchNotifications() when it is readable; the handler's lines are written
    // then.
    int notificationDescriptor() const;
    void dispatchNotifications();

    // Before the process ends: waits at most bound for the messages sent so far to leave the
    // source, and says in an error line when some could not (the MIDI system stopped
    // answering); listeners then keep those notes until they notice the source has gone.
    void waitUntilSent(std::chrono::milliseconds bound) { source_.waitUntilSent(bound); }

private:
    void start(std::unique_ptr<MidiPort> port);
    // One message of the player: kept, then sent when the source is available and the output
    // switched on.
    void send(const MidiMessage& message);

    // MidiPortListener, from the port's dispatchPending().
    void received(MidiSender sender, const std::uint8_t* bytes, std::size_t size) override;
    void senderGone(MidiSender sender) override;
    void changed(MidiChange change) override;

    MidiDiagnosticLog log_;
    MidiSource source_{log_};
    bool pending_ = false;
    PendingMidiCalls waiting_;
    PerformanceTap tap_;
    SoundingBook book_;
    MidiInputListener* inputListener_ = nullptr;
    NotificationCenter connections_; // of connectionsChanged only
    bool isEnabled_ = true;
};

} // namespace tinkella
