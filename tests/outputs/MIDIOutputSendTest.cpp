// The MIDI output's diagnostic lines, as a table of scripted MIDI systems and what is done with
// them, and the mends that keep notes from hanging in the programs that listen.
#include "outputs/MIDIOutput.h"
#include "outputs/PerformanceRecorder.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiPort.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tinkella {
namespace {

using ::testing::ElementsAre;
using testing::FakeMidiPort;
using testing::MidiLogCapture;

const std::string anotherCopy = "MIDI-ERROR: another running instance already publishes "
                                "'Tinkella' \u2014 MIDI may not reach it. Quit the other copy.";
const std::string notVisible = "MIDI-ERROR: our source is NOT in the system source list \u2014 "
                               "other apps cannot see it";
const std::string unavailable = "MIDI-ERROR: send skipped: MIDI source unavailable";

struct Output {
    explicit Output(std::function<void(FakeMidiPort&)> script = {}) {
        auto fake = std::make_unique<FakeMidiPort>();
        midi = fake.get();
        if (script) {
            script(*midi);
        }
        output = std::make_unique<MIDIOutput>(std::move(fake), log.sink());
    }
    MidiLogCapture log;
    FakeMidiPort* midi = nullptr;
    std::unique_ptr<MIDIOutput> output;
};

// Each row's lines must appear in the log in this order (other lines may come between).
TEST(MIDIOutputLog, LinesAreWrittenInTheirFormats) {
    const struct {
        const char* what;
        std::function<void(FakeMidiPort&)> script;
        std::function<void(MIDIOutput&, FakeMidiPort&)> act;
        std::vector<std::string> lines;
    } rows[] = {
        {"start-up",
         [](FakeMidiPort& m) { m.createdSourceUniqueID = -2; },
         {},
         {"MIDI: MIDIClientCreateWithBlock -> 0 (noErr)",
          "MIDI: MIDIObjectSetStringProperty(client, manufacturer) -> 0",
          "MIDI: MIDISourceCreateWithProtocol('Tinkella', MIDI 1.0) -> 0 (noErr) endpoint=42",
          "MIDI: virtual source PUBLISHED: name='Tinkella' uniqueID=-2",
          "MIDI: topology [startup] sources=1 destinations=0 devices=0 ourSourceVisible=true "
          "ourUniqueID=-2",
          "MIDI:   source [0] 'Tinkella' \u2014 Quorvin   <== OURS",
          "\u2502   2. Point the track's input at: 'Tinkella'",
          "\u2502      (uniqueID 4294967294, MIDI 1.0, channel 1)"}},
        {"note-on",
         {},
         [](MIDIOutput& o, FakeMidiPort&) { o.noteOn(60, 127, 0); },
         {"MIDI: noteOn  note=60 velocity=127 channel=0",
          "MIDI: send #1 MIDIReceivedEventList word=0x20903C7F mt=2 status=0x90 data1=60 "
          "data2=127 -> 0 (noErr)",
          "MIDI: topology [first note sent] sources=1 destinations=0 devices=0 "
          "ourSourceVisible=true ourUniqueID=1001"}},
        {"note-off, channel masked in the word",
         {},
         [](MIDIOutput& o, FakeMidiPort&) { o.noteOff(10, 17); },
         {"MIDI: noteOff note=10 channel=17",
          "MIDI: send #1 MIDIReceivedEventList word=0x20810A00 mt=2 status=0x81 data1=10 "
          "data2=0 -> 0 (noErr)"}},
        {"refused",
         [](FakeMidiPort& m) {
             m.sendStatusSequence = {-10860, -50};
         },
         [](MIDIOutput& o, FakeMidiPort&) {
             o.noteOn(128, 1, 0), o.noteOn(0, 200, 0), o.noteOff(200, 0),
                 o.controlChange(128, 0, 0), o.noteOn(1, 1, 0);
         },
         {"MIDI-ERROR: noteOn rejected: note 128 is out of MIDI range 0-127",
          "MIDI: send #1 MIDIReceivedEventList word=0x209000C8 mt=2 status=0x90 data1=0 "
          "data2=200 -> -10860 (noConnection)",
          "MIDI-ERROR: MIDIReceivedEventList failed (noConnection)",
          "MIDI-ERROR: noteOff rejected: note 200 is out of MIDI range 0-127",
          "MIDI-ERROR: controlChange rejected: controller 128 value 0 is out of MIDI range 0-127",
          "MIDI: send #2 MIDIReceivedEventList word=0x20900101 mt=2 status=0x90 data1=1 data2=1 "
          "-> -50 (No CSI structure available)"}},
        {"switched off",
         {},
         [](MIDIOutput& o, FakeMidiPort&) { o.setEnabled(false), o.noteOn(60, 127, 0); },
         {"MIDI: noteOn  note=60 velocity=127 channel=0",
          "MIDI: send skipped: MIDI output is switched off"}},
        {"system gone and back",
         [](FakeMidiPort& m) { m.name = "JACK server"; },
         [](MIDIOutput& o, FakeMidiPort& m) {
             m.queueChange(MidiChange::systemGone), m.queueChange(MidiChange::systemGone);
             o.dispatchNotifications(), o.noteOn(60, 127, 0);
             m.queueChange(MidiChange::systemBack), o.dispatchNotifications();
             o.noteOn(62, 127, 0);
         },
         {"MIDI: CoreMIDI notification: id=7",
          "MIDI-ERROR: the JACK server has gone away \u2014 MIDI and sound on it wait for it to "
          "come back",
          "MIDI: CoreMIDI notification: id=7", unavailable, "MIDI: CoreMIDI notification: id=8",
          "MIDI: the JACK server is back \u2014 MIDI and sound on it play again",
          "MIDI: send #1 MIDIReceivedEventList word=0x20903E7F mt=2 status=0x90 data1=62 "
          "data2=127 -> 0 (noErr)"}},
        {"no client",
         [](FakeMidiPort& m) { m.clientStatus = -10860; },
         [](MIDIOutput& o, FakeMidiPort&) { o.noteOn(60, 127, 0), o.panic(0); },
         {"MIDI: MIDIClientCreateWithBlock -> -10860 (noConnection)",
          "MIDI-ERROR: MIDIClientCreateWithBlock failed (noConnection)", unavailable,
          "MIDI-ERROR: panic skipped: MIDI source unavailable"}},
        {"no manufacturer, invisible, another copy, a line feed in a name",
         [](FakeMidiPort& m) {
             m.manufacturerStatus = -95, m.createdSourceVisible = false;
             m.system.sources = {{"tinkella", "Maker", 0},
                                 {"Tinkella", "Quorvin", 5},
                                 {"Tinkella", std::nullopt, 6},
                                 {std::nullopt, "Maker", 0}};
             m.system.devices = {std::nullopt}, m.system.destinations = {{"Synth\nIn", {}, 0}};
         },
         {},
         {anotherCopy, "MIDI: MIDIObjectSetStringProperty(client, manufacturer) -> -95",
          "MIDI: topology [startup] sources=4 destinations=1 devices=1 ourSourceVisible=true "
          "ourUniqueID=6",
          "MIDI:   device [0] '?'", "MIDI:   source [0] 'tinkella' \u2014 Maker",
          "MIDI:   source [1] 'Tinkella' \u2014 Quorvin   <== OURS",
          "MIDI:   source [2] 'Tinkella' \u2014 ?   <== OURS",
          "MIDI:   source [3] '?' \u2014 Maker", "MIDI:   destination [0] 'Synth\\nIn'"}},
        {"invisible", [](FakeMidiPort& m) { m.createdSourceVisible = false; }, {}, {notVisible}},
    };
    for (const auto& row : rows) {
        Output o(row.script);
        if (row.act) {
            row.act(*o.output, *o.midi);
        }
        const std::vector<std::string> all = o.log.stderrLines();
        auto at = all.begin();
        for (const std::string& line : row.lines) {
            at = std::find(at, all.end(), line);
            ASSERT_NE(at, all.end()) << row.what << ": no line\n"
                                     << line << "\nin\n"
                                     << ::testing::PrintToString(all);
        }
    }
}

// Switching off ends every note a listener heard start, including one whose note-off was
// refused, and none whose note-on was refused; switching again sends nothing more. The
// performance kept has every message played, whether it left or not, and those received.
TEST(MIDIOutputMend, SwitchingOffEndsEveryNoteAListenerStillHolds) {
    PerformanceRecorder recorder([] { return 0; });
    Output o;
    o.output->setRecorder(&recorder);
    o.output->noteOn(60, 127, 0);
    o.output->noteOn(62, 127, 3);
    o.output->noteOn(64, 127, 0);
    o.output->noteOn(70, 127, 0);
    o.output->channelPressure(90, 3);
    o.output->noteOff(64, 0);
    o.midi->sendStatusSequence = {-5, -5};
    o.output->noteOff(70, 0);
    o.output->noteOn(72, 127, 0);
    o.midi->sent.clear();
    o.output->setEnabled(false);
    EXPECT_THAT(o.midi->sent, ElementsAre(0x20803C00u, 0x20804600u, 0x20833E00u, 0x20D30000u));
    o.midi->sent.clear();
    o.output->setEnabled(true);
    o.output->setEnabled(false);
    EXPECT_TRUE(o.midi->sent.empty());
    o.output->noteOn(74, 127, 0);
    o.output->panic(0);
    o.midi->receive(1, 0x20914000u);
    const Performance p = recorder.performance();
    ASSERT_EQ(p.played.size(), 14u);
    EXPECT_EQ(p.played[12].bytes[1], 74);
    EXPECT_EQ(p.played[13].bytes[1], 123);
    EXPECT_EQ(p.received.at(0).bytes[0], 0x91);
}

} // namespace
} // namespace tinkella
