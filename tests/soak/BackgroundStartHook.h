#pragma once

#include "app/Composition.h"
#include "outputs/MIDIOutput.h"
#include "model/PianoController.h"
#include "support/FakeMidiPort.h"
#include "support/FakeSynthesizer.h"

#include <QCoreApplication>
#include <future>

namespace tinkella::testing {

// The soak's outputs open as the program's do, in the background, and only once the first
// openAfter steps have been played: notes pressed while they open, more than the outputs keep
// one by one, are part of the run.
struct BackgroundStartHook {
    static constexpr std::uint64_t openAfter = 600;
    std::promise<void> open;

    // Before the application launches; midiPort is set once the MIDI system is handed over.
    void install(std::shared_ptr<AudioJournal> journal, FakeMidiPort*& midiPort) {
        auto opened = open.get_future().share();
        app::openInBackground(
            [opened, &midiPort] {
                opened.wait();
                auto system = std::make_unique<FakeMidiPort>();
                midiPort = system.get();
                return std::unique_ptr<MidiPort>(std::move(system));
            },
            [opened, journal](std::string& failure) {
                opened.wait();
                return FakeSynthesizer::opener(journal)(failure);
            });
    }
    // True while the outputs are still opening after step: nothing can be checked yet.
    bool stillOpening(std::uint64_t step) {
        if (step + 1 == openAfter) {
            open.set_value();
        }
        while (step + 1 >= openAfter &&
               (MIDIOutput::shared().isPending() ||
                PianoController::sharedInstance().soundController().isPending())) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        return step + 1 < openAfter;
    }
};

} // namespace tinkella::testing
