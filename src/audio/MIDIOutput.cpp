#include "audio/MIDIOutput.h"

#include "audio/HexText.h"
#include "foundation/NullMidiSystem.h"
#include "interfaces/MidiEventList.h"
#include "interfaces/MidiMessage.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace tinkella {

namespace {

constexpr std::string_view sourceName = "Tinkella";
constexpr std::string_view destinationName = "Tinkella In";
constexpr std::string_view clientName = "Tinkella";
constexpr std::string_view manufacturerName = "Quorvin";
constexpr std::uint8_t highestMidiNote = 127;
constexpr std::uint8_t highestDataValue = 127;
constexpr std::uint8_t pedalDownFrom = 64;
constexpr std::int64_t topologyEvery = 25;
constexpr std::size_t mostWaiting = 256;

MIDIOutput::SystemFactory& sharedSystemFactory() {
    static MIDIOutput::SystemFactory factory;
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

void MIDIOutput::setSharedSystemFactory(SystemFactory factory) {
    sharedSystemFactory() = std::move(factory);
}

void MIDIOutput::setSharedLogFactory(LogFactory factory) {
    sharedLogFactory() = std::move(factory);
}

void MIDIOutput::setSharedSystemArrivesLater() {
    sharedArrivesLater() = true;
}

MIDIOutput& MIDIOutput::shared() {
    static MIDIOutput output = [] {
        MidiLogSink sink = sharedLogFactory() ? sharedLogFactory()() : MidiLogSink{};
        if (sharedArrivesLater()) {
            return MIDIOutput(Pending{}, std::move(sink));
        }
        return MIDIOutput(sharedSystemFactory() ? sharedSystemFactory()() : nullptr,
                          std::move(sink));
    }();
    return output;
}

MIDIOutput::MIDIOutput(std::unique_ptr<MidiSystem> system, MidiLogSink sink)
    : system_(system ? std::move(system) : std::make_unique<NullMidiSystem>()),
      sink_(std::move(sink)) {
    if (!sink_.systemLog) {
        sink_.systemLog = std::make_unique<NullSystemLog>();
    }
    if (!sink_.standardError) {
        sink_.standardError = std::make_unique<PosixStandardErrorWriter>();
    }
    start();
}

MIDIOutput::MIDIOutput(Pending, MidiLogSink sink)
    : pending_(true), system_(std::make_unique<NullMidiSystem>()), sink_(std::move(sink)) {
    if (!sink_.systemLog) {
        sink_.systemLog = std::make_unique<NullSystemLog>();
    }
    if (!sink_.standardError) {
        sink_.standardError = std::make_unique<PosixStandardErrorWriter>();
    }
}

void MIDIOutput::attach(std::unique_ptr<MidiSystem> system) {
    if (!pending_) {
        return;
    }
    pending_ = false;
    if (system) {
        system_ = std::move(system);
    }
    start();
    const std::vector<Waiting> waiting = std::move(waiting_);
    waiting_.clear();
    for (const Waiting& call : waiting) {
        replay(call);
    }
}

void MIDIOutput::replay(const Waiting& call) {
    switch (call.kind) {
    case Waiting::NoteOn:
        noteOn(call.a, call.b, call.c);
        break;
    case Waiting::NoteOff:
        noteOff(call.a, call.c);
        break;
    case Waiting::ControlChange:
        controlChange(call.a, call.b, call.c);
        break;
    case Waiting::Panic:
        panic(call.c);
        break;
    case Waiting::Enable:
        setEnabled(call.a != 0);
        break;
    }
}

MIDIOutput::~MIDIOutput() = default;

void MIDIOutput::waitUntilSent(std::chrono::milliseconds bound) {
    if (isAvailable_ && !system_->waitUntilSent(bound)) {
        error("the " + system_->displayName() + " took no MIDI for " +
              std::to_string(bound.count()) +
              " ms; the last messages, note-offs among them, did not leave 'Tinkella'");
    }
}

void MIDIOutput::start() {
    client_ = 0;
    source_ = 0;
    destination_ = 0;
    isAvailable_ = false;
    isEnabled_ = true;
    sentNoteCount_ = 0;
    logCounter_ = 0;
    info("=== MIDIOutput starting (pid " + std::to_string(::getpid()) + ") ===");

    bool anotherCopy = false;
    const ItemCount sourceCount = system_->numberOfSources();
    for (ItemCount i = 0; i < sourceCount; ++i) {
        std::optional<std::string> name;
        system_->getStringProperty(system_->source(i), MIDIStringProperty::Name, name);
        if (name && *name == sourceName) {
            anotherCopy = true;
        }
    }
    if (anotherCopy) {
        error("another running instance already publishes 'Tinkella' \u2014 MIDI may not reach "
              "it. Quit the other copy.");
    }

    const OSStatus s1 = system_->clientCreate(
        clientName, [this](const MIDINotification& n) { handleNotification(n); }, client_);
    info("MIDIClientCreateWithBlock -> " + std::to_string(s1) + " (" + describe(s1) + ")");
    if (s1 != 0) {
        error("MIDIClientCreateWithBlock failed (" + describe(s1) + ")");
        return;
    }

    const OSStatus s2 =
        system_->setStringProperty(client_, MIDIStringProperty::Manufacturer, manufacturerName);
    info("MIDIObjectSetStringProperty(client, manufacturer) -> " + std::to_string(s2));

    const OSStatus s3 =
        system_->sourceCreateWithProtocol(client_, sourceName, MIDIProtocolID::MIDI_1_0, source_);
    info("MIDISourceCreateWithProtocol('Tinkella', MIDI 1.0) -> " + std::to_string(s3) + " (" +
         describe(s3) + ") endpoint=" + std::to_string(source_));
    if (s3 != 0) {
        error("MIDISourceCreateWithProtocol failed (" + describe(s3) + ")");
        return;
    }

    isAvailable_ = true;
    const OSStatus s4 = system_->destinationCreate(
        client_, destinationName,
        [this](const MIDIReceivedEvent& event) {
            if (inputHandler_) {
                inputHandler_(event);
            }
        },
        destination_);
    if (s4 != 0) {
        destination_ = 0;
        error("MIDI input 'Tinkella In' not created (" + describe(s4) +
              "); notes sent to Tinkella are not heard");
    }
    std::int32_t uniqueID = 0;
    system_->getIntegerProperty(source_, MIDIIntegerProperty::UniqueID, uniqueID);
    info("virtual source PUBLISHED: name='Tinkella' uniqueID=" + std::to_string(uniqueID));
    logTopology("startup");
    info(banner(static_cast<std::uint32_t>(uniqueID)));
}

void MIDIOutput::setEnabled(bool enabled) {
    if (pending_) {
        waiting_.push_back({Waiting::Enable, static_cast<std::uint8_t>(enabled)});
        isEnabled_ = enabled;
        return;
    }
    if (isEnabled_ && !enabled) {
        endStartedNotes();
    }
    isEnabled_ = enabled;
}

void MIDIOutput::endStartedNotes() {
    // Copied first: each note-off removes its own entry.
    const std::vector<std::pair<std::uint8_t, std::uint8_t>> notes(startedNotes_.begin(),
                                                                   startedNotes_.end());
    for (const auto& [channel, note] : notes) {
        noteOff(note, channel);
    }
    startedNotes_.clear();
    const std::vector<std::uint8_t> sustaining(sustainingChannels_.begin(),
                                               sustainingChannels_.end());
    for (std::uint8_t channel : sustaining) {
        controlChange(ump::sustainController, 0, channel);
    }
    sustainingChannels_.clear();
}

void MIDIOutput::panic(std::uint8_t channel) {
    if (pending_) {
        waiting_.push_back({Waiting::Panic, 0, 0, channel});
        return;
    }
    // Nothing can leave, or nothing was left on: one line instead of one per message.
    if (!isAvailable_) {
        error("panic skipped: MIDI source unavailable");
        return;
    }
    if (!isEnabled_) {
        info("panic skipped: MIDI output is switched off");
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
        waiting_.push_back({Waiting::ControlChange, controller, value, channel});
        return;
    }
    if (controller > highestDataValue || value > highestDataValue) {
        error("controlChange rejected: controller " + std::to_string(controller) + " value " +
              std::to_string(value) + " is out of MIDI range 0-127");
        return;
    }
    info("controlChange controller=" + std::to_string(controller) +
         " value=" + std::to_string(value) + " channel=" + std::to_string(channel));
    send(ump::controlChangeWord(controller, value, channel));
}

void MIDIOutput::noteOn(std::uint8_t noteNum, std::uint8_t velocity, std::uint8_t channel) {
    if (pending_) {
        waiting_.push_back({Waiting::NoteOn, noteNum, velocity, channel});
        return;
    }
    if (noteNum > highestMidiNote) {
        error("noteOn rejected: note " + std::to_string(noteNum) + " is out of MIDI range 0-127");
        return;
    }
    info("noteOn  note=" + std::to_string(noteNum) + " velocity=" + std::to_string(velocity) +
         " channel=" + std::to_string(channel));
    send(ump::noteOnWord(noteNum, velocity, channel));
}

void MIDIOutput::noteOff(std::uint8_t noteNum, std::uint8_t channel) {
    if (pending_) {
        // A long wait must still fit the MIDI system's queue: beyond a few hundred calls, a
        // note-off drops its waiting note-on instead of following it.
        if (waiting_.size() >= mostWaiting) {
            const auto last =
                std::find_if(waiting_.rbegin(), waiting_.rend(), [&](const Waiting& w) {
                    return w.kind == Waiting::Panic || w.kind == Waiting::Enable ||
                           ((w.kind == Waiting::NoteOn || w.kind == Waiting::NoteOff) &&
                            w.a == noteNum && w.c == channel);
                });
            if (last != waiting_.rend() && last->kind == Waiting::NoteOn) {
                waiting_.erase(std::next(last).base());
                return;
            }
        }
        waiting_.push_back({Waiting::NoteOff, noteNum, 0, channel});
        return;
    }
    if (noteNum > highestMidiNote) {
        error("noteOff rejected: note " + std::to_string(noteNum) + " is out of MIDI range 0-127");
        return;
    }
    info("noteOff note=" + std::to_string(noteNum) + " channel=" + std::to_string(channel));
    send(ump::noteOffWord(noteNum, channel));
}

void MIDIOutput::send(std::uint32_t word) {
    if (!isAvailable_) {
        error("send skipped: MIDI source unavailable");
        return;
    }
    if (!isEnabled_) {
        info("send skipped: MIDI output is switched off");
        return;
    }
    MIDIEventList list{};
    MIDIEventPacket* packet = MIDIEventListInit(&list, MIDIProtocolID::MIDI_1_0);
    MIDIEventListAdd(&list, sizeof(list), packet, system_->currentHostTime(), 1, &word);
    const OSStatus s = system_->receivedEventList(source_, list);
    ++logCounter_;
    info("send #" + std::to_string(logCounter_) + " MIDIReceivedEventList word=0x" +
         upperHex(word) + " mt=" + std::to_string(ump::messageType(word)) + " status=0x" +
         upperHex(ump::statusByte(word)) + " data1=" + std::to_string(ump::data1(word)) +
         " data2=" + std::to_string(ump::data2(word)) + " -> " + std::to_string(s) + " (" +
         describe(s) + ")");
    if (s != 0) {
        error("MIDIReceivedEventList failed (" + describe(s) + ")");
        return;
    }
    const std::uint8_t status = ump::statusByte(word);
    const auto channel = static_cast<std::uint8_t>(status & 0x0F);
    const auto key = std::make_pair(channel, ump::data1(word));
    if ((status & 0xF0) == ump::controlChangeStatus) {
        if (ump::data1(word) == ump::sustainController && ump::data2(word) >= pedalDownFrom) {
            sustainingChannels_.insert(channel);
        } else if (ump::data1(word) == ump::sustainController) {
            sustainingChannels_.erase(channel);
        }
    } else if ((status & 0xF0) == ump::noteOnStatus && ump::data2(word) != 0) {
        startedNotes_.insert(key);
    } else if ((status & 0xF0) == ump::noteOffStatus || (status & 0xF0) == ump::noteOnStatus) {
        startedNotes_.erase(key);
    }
    ++sentNoteCount_;
    if (sentNoteCount_ == 1) {
        logTopology("first note sent");
    } else if (sentNoteCount_ % topologyEvery == 0) {
        logTopology("every 25 messages");
    }
}

void MIDIOutput::handleNotification(const MIDINotification& notification) {
    info("CoreMIDI notification: id=" + std::to_string(notification.messageID));
    // The system itself went away (the JACK server stopped): nothing can leave the source any
    // more, so say so once and skip every later message instead of failing each send.
    if (notification.messageID == kMIDIMsgIOError && isAvailable_) {
        isAvailable_ = false;
        startedNotes_.clear();
        sustainingChannels_.clear();
        if (inputHandler_) {
            inputHandler_(MIDIReceivedEvent{});
        }
        error("the " + system_->displayName() +
              " has gone away \u2014 MIDI output is unavailable until Tinkella is restarted");
    }
}

int MIDIOutput::notificationDescriptor() const {
    return system_->pollDescriptor();
}

void MIDIOutput::dispatchNotifications() {
    system_->dispatchPending();
}

} // namespace tinkella
