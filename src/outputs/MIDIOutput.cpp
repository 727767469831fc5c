#include "outputs/MIDIOutput.h"

#include <string>
#include <string_view>

namespace tinkella {

namespace {

constexpr std::uint8_t highestMidiNote = 127;
constexpr std::uint8_t highestDataValue = 127;
constexpr std::string_view connectionsChanged = "MidiConnectionsChanged";

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

MIDIOutput::MIDIOutput(std::unique_ptr<MidiPort> port, MidiLogSink sink) : log_(std::move(sink)) {
    start(std::move(port));
}

MIDIOutput::MIDIOutput(Pending, MidiLogSink sink) : log_(std::move(sink)), pending_(true) {}

void MIDIOutput::attach(std::unique_ptr<MidiPort> port) {
    if (!pending_) {
        return;
    }
    pending_ = false;
    start(std::move(port));
    waiting_.replay(*this);
}

MIDIOutput::~MIDIOutput() = default;

void MIDIOutput::start(std::unique_ptr<MidiPort> port) {
    isEnabled_ = true;
    source_.publish(std::move(port), *this);
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
    if (!source_.isAvailable() || !isEnabled_) {
        tap_.panicSkipped(channel);
    }
    if (!source_.isAvailable()) {
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
    if (value > ump::highestBend) {
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

void MIDIOutput::programChange(std::uint8_t program, std::uint8_t channel) {
    if (pending_) {
        waiting_.programChange(program, channel);
        return;
    }
    if (program > highestDataValue) {
        log_.error("programChange rejected: program " + std::to_string(program) +
                   " is out of MIDI range 0-127");
        return;
    }
    log_.info("programChange program=" + std::to_string(program) +
              " channel=" + std::to_string(channel));
    send(MidiMessage::programChange(program, channel));
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
    if (!source_.isAvailable()) {
        log_.error("send skipped: MIDI source unavailable");
        return;
    }
    if (!isEnabled_) {
        log_.info("send skipped: MIDI output is switched off");
        return;
    }
    if (source_.send(message)) {
        book_.sent(message);
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
    if (change == MidiChange::systemGone && source_.isAvailable()) {
        source_.setSystemGone(true);
        book_.clear();
        senderGone(0);
        log_.error("the " + source_.port().displayName() +
                   " has gone away \u2014 MIDI and sound on it wait for it to come back");
    } else if (change == MidiChange::systemBack && source_.isSystemGone()) {
        source_.setSystemGone(false);
        log_.info("the " + source_.port().displayName() +
                  " is back \u2014 MIDI and sound on it play again");
    } else if (change == MidiChange::connections) {
        connections_.post(connectionsChanged);
    }
}

ObserverRegistration MIDIOutput::observeConnections(std::function<void()> observer) {
    return connections_.addObserver(
        connectionsChanged, [observer = std::move(observer)](const Notification&) { observer(); });
}

int MIDIOutput::notificationDescriptor() const {
    return source_.port().pollDescriptor();
}

void MIDIOutput::dispatchNotifications() {
    source_.port().dispatchPending();
}

} // namespace tinkella
