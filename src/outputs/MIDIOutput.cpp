#include "outputs/MIDIOutput.h"

#include "foundation/NullMidiPort.h"
#include "interfaces/MidiMessage.h"
#include "outputs/HexText.h"

#include <algorithm>
#include <string>
#include <unistd.h>

namespace tinkella {

namespace {

constexpr std::string_view sourceName = "Tinkella";
constexpr std::string_view destinationName = "Tinkella In";
constexpr std::string_view clientName = "Tinkella";
constexpr std::string_view manufacturerName = "Quorvin";
constexpr std::uint8_t highestMidiNote = 127;
constexpr std::uint8_t highestDataValue = 127;
constexpr std::int64_t topologyEvery = 25;

MIDIOutput::PortFactory& sharedPortFactory() {
    static MIDIOutput::PortFactory factory;
    return factory;
}

MIDIOutput::LogFactory& sharedLogFactory() {
    static MIDIOutput::LogFactory factory;
    return factory;
}

bool& sharedArrivesLater() {
    static bool later = false;
    return later;
}

std::string banner(std::uint32_t uniqueID) {
    std::string rule;
    for (int i = 0; i < 61; ++i) {
        rule += "\u2500";
    }
    return "\n"
           "\u250C" +
           rule +
           "\u2510\n"
           "\u2502 To play into another app, in that app:\n"
           "\u2502   1. Create a Software Instrument / MIDI track.\n"
           "\u2502   2. Point the track's input at: 'Tinkella'\n"
           "\u2502      (uniqueID " +
           std::to_string(uniqueID) +
           ", MIDI 1.0, channel 1)\n"
           "\u2502   3. Play here \u2014 notes appear on that track.\n"
           "\u2514" +
           rule + "\u2518";
}

} // namespace

void MIDIOutput::setSharedPortFactory(PortFactory factory) {
    sharedPortFactory() = std::move(factory);
}

void MIDIOutput::setSharedLogFactory(LogFactory factory) {
    sharedLogFactory() = std::move(factory);
}

void MIDIOutput::setSharedPortArrivesLater() {
    sharedArrivesLater() = true;
}

MIDIOutput& MIDIOutput::shared() {
    static MIDIOutput output = [] {
        MidiLogSink sink = sharedLogFactory() ? sharedLogFactory()() : MidiLogSink{};
        if (sharedArrivesLater()) {
            return MIDIOutput(Pending{}, std::move(sink));
        }
        return MIDIOutput(sharedPortFactory() ? sharedPortFactory()() : nullptr, std::move(sink));
    }();
    return output;
}

MIDIOutput::MIDIOutput(std::unique_ptr<MidiPort> port, MidiLogSink sink)
    : port_(port ? std::move(port) : std::make_unique<NullMidiPort>()), log_(std::move(sink)) {
    start();
}

MIDIOutput::MIDIOutput(Pending, MidiLogSink sink)
    : pending_(true), port_(std::make_unique<NullMidiPort>()), log_(std::move(sink)) {}

void MIDIOutput::attach(std::unique_ptr<MidiPort> port) {
    if (!pending_) {
        return;
    }
    pending_ = false;
    if (port) {
        port_ = std::move(port);
    }
    start();
    waiting_.replay(*this);
}

MIDIOutput::~MIDIOutput() = default;

void MIDIOutput::waitUntilSent(std::chrono::milliseconds bound) {
    if (isAvailable_ && !port_->waitUntilSent(bound)) {
        log_.error("the " + port_->displayName() + " took no MIDI for " +
                   std::to_string(bound.count()) +
                   " ms; the last messages, note-offs among them, did not leave 'Tinkella'");
    }
}

void MIDIOutput::start() {
    isAvailable_ = false;
    systemGone_ = false;
    isEnabled_ = true;
    sentNoteCount_ = 0;
    logCounter_ = 0;
    log_.info("=== MIDIOutput starting (pid " + std::to_string(::getpid()) + ") ===");

    const MidiTopology before = port_->topology();
    if (std::any_of(before.sources.begin(), before.sources.end(),
                    [](const MidiEndpoint& source) { return source.name == sourceName; })) {
        log_.error(
            "another running instance already publishes 'Tinkella' \u2014 MIDI may not reach "
            "it. Quit the other copy.");
    }

    const MidiPortOpened opened =
        port_->open(clientName, manufacturerName, sourceName, destinationName, *this);
    log_.info("MIDIClientCreateWithBlock -> " + std::to_string(opened.client) + " (" +
              MidiDiagnosticLog::describe(opened.client, *port_) + ")");
    if (opened.client != 0) {
        log_.error("MIDIClientCreateWithBlock failed (" +
                   MidiDiagnosticLog::describe(opened.client, *port_) + ")");
        return;
    }
    log_.info("MIDIObjectSetStringProperty(client, manufacturer) -> " +
              std::to_string(opened.manufacturer));
    log_.info("MIDISourceCreateWithProtocol('Tinkella', MIDI 1.0) -> " +
              std::to_string(opened.source) + " (" +
              MidiDiagnosticLog::describe(opened.source, *port_) +
              ") endpoint=" + std::to_string(opened.sourceHandle));
    if (opened.source != 0) {
        log_.error("MIDISourceCreateWithProtocol failed (" +
                   MidiDiagnosticLog::describe(opened.source, *port_) + ")");
        return;
    }

    isAvailable_ = true;
    if (opened.destination != 0) {
        log_.error("MIDI input 'Tinkella In' not created (" +
                   MidiDiagnosticLog::describe(opened.destination, *port_) +
                   "); notes sent to Tinkella are not heard");
    }
    log_.info("virtual source PUBLISHED: name='Tinkella' uniqueID=" +
              std::to_string(opened.sourceUniqueId));
    log_.logTopology("startup", *port_);
    log_.info(banner(static_cast<std::uint32_t>(opened.sourceUniqueId)));
}

void MIDIOutput::setEnabled(bool enabled) {
    if (pending_) {
        waiting_.setEnabled(enabled);
        isEnabled_ = enabled;
        return;
    }
    if (isEnabled_ && !enabled) {
        book_.end(*this);
    }
    isEnabled_ = enabled;
}

void MIDIOutput::panic(std::uint8_t channel) {
    if (pending_) {
        waiting_.panic(channel);
        return;
    }
    // Nothing can leave, or nothing was left on: one line instead of one per message. The
    // performance kept still sees every note end.
    if (!isAvailable_ || !isEnabled_) {
        tap_.panicSkipped(channel);
    }
    if (!isAvailable_) {
        log_.error("panic skipped: MIDI source unavailable");
        return;
    }
    if (!isEnabled_) {
        log_.info("panic skipped: MIDI output is switched off");
        return;
    }
    channel &= 0x0F;
    if (isSustaining(channel)) {
        controlChange(ump::sustainController, 0, channel);
    }
    for (int note = 0; note <= highestMidiNote; ++note) {
        noteOff(static_cast<std::uint8_t>(note), channel);
    }
    controlChange(ump::allSoundOffController, 0, channel);
    controlChange(ump::allNotesOffController, 0, channel);
}

void MIDIOutput::controlChange(std::uint8_t controller, std::uint8_t value, std::uint8_t channel) {
    if (pending_) {
        waiting_.controlChange(controller, value, channel);
        return;
    }
    if (controller > highestDataValue || value > highestDataValue) {
        log_.error("controlChange rejected: controller " + std::to_string(controller) + " value " +
                   std::to_string(value) + " is out of MIDI range 0-127");
        return;
    }
    log_.info("controlChange controller=" + std::to_string(controller) +
              " value=" + std::to_string(value) + " channel=" + std::to_string(channel));
    send(MidiMessage::controlChange(controller, value, channel));
}

void MIDIOutput::pitchBend(std::uint16_t value, std::uint8_t channel) {
    if (pending_) {
        waiting_.pitchBend(value, channel);
        return;
    }
    if (value > 16383) {
        log_.error("pitchBend rejected: value " + std::to_string(value) +
                   " is out of range 0-16383");
        return;
    }
    log_.info("pitchBend value=" + std::to_string(value) + " channel=" + std::to_string(channel));
    send(MidiMessage::pitchBend(value, channel));
}

void MIDIOutput::channelPressure(std::uint8_t value, std::uint8_t channel) {
    if (pending_) {
        waiting_.channelPressure(value, channel);
        return;
    }
    if (value > highestDataValue) {
        log_.error("channelPressure rejected: value " + std::to_string(value) +
                   " is out of MIDI range 0-127");
        return;
    }
    log_.info("channelPressure value=" + std::to_string(value) +
              " channel=" + std::to_string(channel));
    send(MidiMessage::channelPressure(value, channel));
}

void MIDIOutput::noteOn(std::uint8_t noteNum, std::uint8_t velocity, std::uint8_t channel) {
    if (pending_) {
        waiting_.noteOn(noteNum, velocity, channel);
        return;
    }
    if (noteNum > highestMidiNote) {
        log_.error("noteOn rejected: note " + std::to_string(noteNum) +
                   " is out of MIDI range 0-127");
        return;
    }
    log_.info("noteOn  note=" + std::to_string(noteNum) + " velocity=" + std::to_string(velocity) +
              " channel=" + std::to_string(channel));
    send(MidiMessage::noteOn(noteNum, velocity, channel));
}

void MIDIOutput::noteOff(std::uint8_t noteNum, std::uint8_t channel) {
    if (pending_) {
        waiting_.noteOff(noteNum, channel);
        return;
    }
    if (noteNum > highestMidiNote) {
        log_.error("noteOff rejected: note " + std::to_string(noteNum) +
                   " is out of MIDI range 0-127");
        return;
    }
    log_.info("noteOff note=" + std::to_string(noteNum) + " channel=" + std::to_string(channel));
    send(MidiMessage::noteOff(noteNum, channel));
}

void MIDIOutput::send(const MidiMessage& message) {
    tap_.played(message);
    if (!isAvailable_) {
        log_.error("send skipped: MIDI source unavailable");
        return;
    }
    if (!isEnabled_) {
        log_.info("send skipped: MIDI output is switched off");
        return;
    }
    const MidiStatus s = port_->send(message);
    ++logCounter_;
    // The log names each message by its Universal MIDI Packet word, as the system's texts do.
    const std::uint32_t word = message.word();
    log_.info("send #" + std::to_string(logCounter_) + " MIDIReceivedEventList word=0x" +
              upperHex(word) + " mt=" + std::to_string(ump::messageType(word)) + " status=0x" +
              upperHex(message.status) + " data1=" + std::to_string(message.data1) +
              " data2=" + std::to_string(message.data2) + " -> " + std::to_string(s) + " (" +
              MidiDiagnosticLog::describe(s, *port_) + ")");
    if (s != 0) {
        log_.error("MIDIReceivedEventList failed (" + MidiDiagnosticLog::describe(s, *port_) + ")");
        return;
    }
    book_.sent(message);
    ++sentNoteCount_;
    if (sentNoteCount_ == 1) {
        log_.logTopology("first note sent", *port_);
    } else if (sentNoteCount_ % topologyEvery == 0) {
        log_.logTopology("every 25 messages", *port_);
    }
}

void MIDIOutput::received(MidiSender sender, const std::uint8_t* bytes, std::size_t size) {
    tap_.received(bytes, size);
    if (inputListener_) {
        inputListener_->received(sender, bytes, size);
    }
}

void MIDIOutput::senderGone(MidiSender sender) {
    if (inputListener_) {
        inputListener_->senderGone(sender);
    }
}

void MIDIOutput::changed(MidiChange change) {
    log_.info("CoreMIDI notification: id=" + std::to_string(static_cast<std::int32_t>(change)));
    // While the system is away nothing can leave the source: say so once and skip every
    // message instead of failing each send. The notes listeners held went with the system.
    if (change == MidiChange::systemGone && isAvailable_) {
        isAvailable_ = false;
        systemGone_ = true;
        book_.clear();
        senderGone(0);
        log_.error("the " + port_->displayName() +
                   " has gone away \u2014 MIDI and sound on it wait for it to come back");
    } else if (change == MidiChange::systemBack && systemGone_) {
        isAvailable_ = true;
        systemGone_ = false;
        log_.info("the " + port_->displayName() +
                  " is back \u2014 MIDI and sound on it play again");
    } else if (change == MidiChange::connections && connectionListener_) {
        connectionListener_();
    }
}

int MIDIOutput::notificationDescriptor() const {
    return port_->pollDescriptor();
}

void MIDIOutput::dispatchNotifications() {
    port_->dispatchPending();
}

} // namespace tinkella
