#include "outputs/MidiSource.h"

#include "foundation/NullMidiPort.h"
#include "outputs/HexText.h"
#include "outputs/MidiDiagnosticLog.h"

#include <algorithm>
#include <string>
#include <unistd.h>

namespace tinkella {

namespace {

constexpr std::string_view sourceName = "Tinkella";
constexpr std::string_view destinationName = "Tinkella In";
constexpr std::string_view clientName = "Tinkella";
constexpr std::string_view manufacturerName = "Quorvin";
constexpr std::int64_t topologyEvery = 25;

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

MidiSource::MidiSource(MidiDiagnosticLog& log)
    : log_(log), port_(std::make_unique<NullMidiPort>()) {}

MidiSource::~MidiSource() = default;

void MidiSource::publish(std::unique_ptr<MidiPort> port, MidiPortListener& listener) {
    if (port) {
        port_ = std::move(port);
    }
    isAvailable_ = false;
    systemGone_ = false;
    sentNoteCount_ = 0;
    logCounter_ = 0;
    log_.info("=== MIDIOutput starting (pid " + std::to_string(::getpid()) + ") ===");

    const MidiTopology before = port_->topology();
    if (std::any_of(before.sources.begin(), before.sources.end(),
                    [](const MidiEndpoint& source) { return source.name == sourceName; })) {
        log_.error("another running instance already publishes 'Tinkella' \u2014 MIDI may not "
                   "reach it. Quit the other copy.");
    }

    const MidiPortOpened opened =
        port_->open(clientName, manufacturerName, sourceName, destinationName, listener);
    const auto describe = [this](MidiStatus status) {
        return MidiDiagnosticLog::describe(status, *port_);
    };
    log_.info("MIDIClientCreateWithBlock -> " + std::to_string(opened.client) + " (" +
              describe(opened.client) + ")");
    if (opened.client != 0) {
        log_.error("MIDIClientCreateWithBlock failed (" + describe(opened.client) + ")");
        return;
    }
    log_.info("MIDIObjectSetStringProperty(client, manufacturer) -> " +
              std::to_string(opened.manufacturer));
    log_.info("MIDISourceCreateWithProtocol('Tinkella', MIDI 1.0) -> " +
              std::to_string(opened.source) + " (" + describe(opened.source) +
              ") endpoint=" + std::to_string(opened.sourceHandle));
    if (opened.source != 0) {
        log_.error("MIDISourceCreateWithProtocol failed (" + describe(opened.source) + ")");
        return;
    }

    isAvailable_ = true;
    if (opened.destination != 0) {
        log_.error("MIDI input 'Tinkella In' not created (" + describe(opened.destination) +
                   "); notes sent to Tinkella are not heard");
    }
    log_.info("virtual source PUBLISHED: name='Tinkella' uniqueID=" +
              std::to_string(opened.sourceUniqueId));
    log_.logTopology("startup", *port_);
    log_.info(banner(static_cast<std::uint32_t>(opened.sourceUniqueId)));
}

bool MidiSource::send(const MidiMessage& message) {
    const MidiStatus s = port_->send(message);
    ++logCounter_;
    const std::uint32_t word = message.word();
    log_.info("send #" + std::to_string(logCounter_) + " MIDIReceivedEventList word=0x" +
              upperHex(word) + " mt=" + std::to_string(ump::messageType(word)) + " status=0x" +
              upperHex(message.status) + " data1=" + std::to_string(message.data1) +
              " data2=" + std::to_string(message.data2) + " -> " + std::to_string(s) + " (" +
              MidiDiagnosticLog::describe(s, *port_) + ")");
    if (s != 0) {
        log_.error("MIDIReceivedEventList failed (" + MidiDiagnosticLog::describe(s, *port_) + ")");
        return false;
    }
    ++sentNoteCount_;
    if (sentNoteCount_ == 1) {
        log_.logTopology("first note sent", *port_);
    } else if (sentNoteCount_ % topologyEvery == 0) {
        log_.logTopology("every 25 messages", *port_);
    }
    return true;
}

void MidiSource::waitUntilSent(std::chrono::milliseconds bound) {
    if (isAvailable() && !port_->waitUntilSent(bound)) {
        log_.error("the " + port_->displayName() + " took no MIDI for " +
                   std::to_string(bound.count()) +
                   " ms; the last messages, note-offs among them, did not leave 'Tinkella'");
    }
}

} // namespace tinkella
