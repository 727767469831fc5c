#pragma once

#include "interfaces/MidiMessage.h"
#include "interfaces/MidiPort.h"

#include <chrono>
#include <cstdint>
#include <memory>

namespace tinkella {

class MidiDiagnosticLog;

// The virtual source "Tinkella" on the MIDI port, and the port itself: publishes the source
// (with the destination "Tinkella In" beside it) and hands it one message at a time, each step
// written to the diagnostic log. After the first message the system accepted, and after every
// 25th, the log lists the system's ports. Main thread only.
class MidiSource {
public:
    // Holds a port of no MIDI system until publish(). log must outlive the source.
    explicit MidiSource(MidiDiagnosticLog& log);
    ~MidiSource();
    MidiSource(const MidiSource&) = delete;
    MidiSource& operator=(const MidiSource&) = delete;

    // Writes the start-up log while publishing on port (null: a MIDI system that refuses the
    // client); listener hears the port and must outlive it. The counts start again from 0.
    void publish(std::unique_ptr<MidiPort> port, MidiPortListener& listener);
    MidiPort& port() const { return *port_; }

    // False before the source is published, and while the MIDI system is gone.
    bool isAvailable() const { return isAvailable_ && !systemGone_; }
    bool isSystemGone() const { return systemGone_; }
    // The system went away (only once published) or came back.
    void setSystemGone(bool gone) { systemGone_ = gone && isAvailable_; }

    // Hands message to the port, available or not, with its "send #" line (the message named by
    // its Universal MIDI Packet word, as the system's texts do) and, when the system refuses it,
    // an error line. True when the system accepted it.
    bool send(const MidiMessage& message);

    // Before the process ends: waits at most bound for the messages sent so far to leave the
    // source, and says in an error line when some could not.
    void waitUntilSent(std::chrono::milliseconds bound);

private:
    MidiDiagnosticLog& log_;
    std::unique_ptr<MidiPort> port_;
    bool isAvailable_ = false;       // published
    bool systemGone_ = false;        // published, then the system went away
    std::int64_t sentNoteCount_ = 0; // messages the MIDI system accepted
    std::int64_t logCounter_ = 0;    // messages handed to the MIDI system, accepted or not
};

} // namespace tinkella
