#include "app/Handoff.h"
#include "interfaces/MidiMessage.h"
#include "model/PianoController.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiPort.h"
#include "support/FakeSynthesizer.h"
#include "support/QtTestApplication.h"

#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace tinkella {
namespace {

using testing::AudioStep;

// Keys pressed and let go while both outputs are still opening reach them, in order, once they
// are open, through the same hand-over the program uses; later keys go straight through.
TEST(BackgroundStart, NotesPlayedWhileTheOutputsOpenAreReplayedInOrderOnceTheyAre) {
    testing::ensureQtApplication();
    auto journal = std::make_shared<testing::AudioJournal>();
    auto* midi = new testing::FakeMidiPort;
    testing::MidiLogCapture log;
    MIDIOutput output(MIDIOutput::Pending{}, log.sink());
    NotificationCenter center;
    PianoController piano(std::make_unique<SoundController>(SoundController::Pending{}), output,
                          center);
    auto midiHandoff = app::Handoff<std::unique_ptr<MidiPort>>::make();
    auto audioHandoff = app::Handoff<SoundController::Opened>::make();
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::thread midiOpen(
        [&] { released.wait(), midiHandoff->put(std::unique_ptr<MidiPort>(midi)); });
    std::thread audioOpen([&] {
        released.wait();
        audioHandoff->put(SoundController::open(testing::FakeSynthesizer::opener(journal)));
    });
    QObject receiver;
    midiHandoff->receive(&receiver, [&](auto system) { output.attach(std::move(system)); });
    audioHandoff->receive(&receiver,
                          [&](auto made) { piano.soundController().attach(std::move(made)); });

    // What waits for the synthesiser finds it open, with bank, program and the five waiting
    // notes sent.
    bool readyWithSynth = false;
    piano.soundController().whenAttached([&] {
        readyWithSynth =
            piano.soundController().synthUnit() != nullptr && journal->steps.size() == 8;
    });
    auto press = [&piano](int note, bool down) {
        piano.keys()[note].isPressedOnScreen = down;
        piano.updatePlayingNotesFromPressedKeys();
    };
    press(60, true);
    press(62, true);
    press(60, false);
    press(64, true); // played and let go before anything is open: both ends wait
    press(64, false);
    EXPECT_TRUE(journal->steps.empty());
    release.set_value();
    midiOpen.join();
    audioOpen.join();
    while (output.isPending() || piano.soundController().isPending()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    press(62, false);
    EXPECT_TRUE(readyWithSynth);

    std::vector<std::uint32_t> synth;
    for (const AudioStep& step : journal->steps) {
        if (step.kind == AudioStep::MidiEvent && (step.a & 0xE0) == 0x80) {
            synth.push_back(step.a << 8 | step.b);
        }
    }
    EXPECT_EQ(synth, (std::vector<std::uint32_t>{0x903C, 0x903E, 0x803C, 0x9040, 0x8040, 0x803E}));
    EXPECT_EQ(midi->sent,
              (std::vector<std::uint32_t>{ump::noteOnWord(60, 127, 0), ump::noteOnWord(62, 127, 0),
                                          ump::noteOffWord(60, 0), ump::noteOnWord(64, 127, 0),
                                          ump::noteOffWord(64, 0), ump::noteOffWord(62, 0)}));
    const std::string& text = log.records->standardError;
    EXPECT_LT(text.find("virtual source PUBLISHED"), text.find("noteOn  note=60"));
}

} // namespace
} // namespace tinkella
