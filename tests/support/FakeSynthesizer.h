#pragma once

#include "interfaces/Synthesizer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tinkella::testing {

// One call that reached the fake synthesiser; for a MidiEvent, a to c are the status byte and the
// two data bytes (a note-off's velocity 0), and port says which 16 channels the status's are
// (port 1: channels 16..31).
struct AudioStep {
    enum Kind { Opened, MidiEvent };
    Kind kind;
    std::uint32_t a = 0, b = 0, c = 0, port = 0;
};

// What the fake records and how it misbehaves; shared by the opener, its synthesiser and the test.
struct AudioJournal {
    std::vector<AudioStep> steps;
    std::string failure;                 // not empty: the opener fails with this reason
    std::string output;                  // what describeOutput() says
    std::vector<std::string> soundFonts; // every loadSoundFont path, in order
    std::string unloadableFont;          // this path fails to load
    double periodMilliseconds = 0;       // the audio period the synthesiser reports
};

class FakeSynthesizer : public Synthesizer {
public:
    explicit FakeSynthesizer(std::shared_ptr<AudioJournal> journal) : journal_(std::move(journal)) {
        journal_->steps.push_back({AudioStep::Opened});
    }

    // Opens a fake on journal, or fails with journal->failure when that is set.
    static SynthesizerOpener opener(std::shared_ptr<AudioJournal> journal) {
        return [journal](std::string& failure) -> std::unique_ptr<Synthesizer> {
            failure = journal->failure;
            return failure.empty() ? std::make_unique<FakeSynthesizer>(journal) : nullptr;
        };
    }

    void noteOn(std::uint8_t channel, std::uint8_t note, std::uint8_t velocity) override {
        record(channel, 0x90U, note, velocity);
    }
    void noteOff(std::uint8_t channel, std::uint8_t note) override {
        record(channel, 0x80U, note, 0);
    }
    void controlChange(std::uint8_t channel, std::uint8_t controller, std::uint8_t value) override {
        record(channel, 0xB0U, controller, value);
    }
    void programChange(std::uint8_t channel, std::uint8_t program) override {
        record(channel, 0xC0U, program, 0);
    }
    void pitchBend(std::uint8_t ch, std::uint16_t v) override {
        record(ch, 0xE0U, v & 127, v >> 7);
    }
    void channelPressure(std::uint8_t ch, std::uint8_t v) override { record(ch, 0xD0U, v, 0); }
    void loadSoundFont(const std::string& path,
                       std::function<void(const std::string&)> done) override {
        journal_->soundFonts.push_back(path);
        done(path == journal_->unloadableFont ? "the sound font " + path + ": no such file" : "");
    }
    bool render(float*, float*, std::size_t) override { return false; }
    std::string describeOutput() const override { return journal_->output; }
    double periodMilliseconds() const override { return journal_->periodMilliseconds; }

private:
    void record(std::uint8_t channel, std::uint32_t kind, std::uint32_t data1,
                std::uint32_t data2) {
        journal_->steps.push_back(
            {AudioStep::MidiEvent, kind | (channel & 15U), data1, data2, channel / 16U});
    }

    std::shared_ptr<AudioJournal> journal_;
};

} // namespace tinkella::testing
