#pragma once

#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"
#include "foundation/NotificationCenter.h"
#include "model/PianoController.h"
#include "support/FakeSynthesizer.h"
#include "support/FakeViewHost.h"
#include "view/PianoView.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tinkella::testing {

// A keyboard model on test doubles (recording synthesiser, unavailable MIDI output, private
// notification centre) and one view in a fake host.
class PianoViewTest : public ::testing::Test {
protected:
    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
    MIDIOutput midi{nullptr};
    NotificationCenter center;
    PianoController controller{std::make_unique<SoundController>(FakeSynthesizer::opener(journal)),
                               midi, center};
    FakeViewHost host;
    std::unique_ptr<PianoView> view;

    // A view of the given kind and size in points, key width 50, note offset 0.
    PianoView& makeView(bool onTouchBar, double width, double height) {
        host.setBounds(Rect(0, 0, width, height));
        view = std::make_unique<PianoView>(host.bounds(), onTouchBar, controller, center);
        view->setHost(&host);
        view->storeNoteOffset(0);
        return *view;
    }
    void TearDown() override { view->setHost(nullptr); }

    // Notes held by the strip, in note order.
    std::vector<std::int64_t> held() const {
        std::vector<std::int64_t> notes;
        for (const PianoKey& k : controller.keys()) {
            if (k.isPressedOnTouchBar) {
                notes.push_back(k.note);
            }
        }
        return notes;
    }
    // Note starts and ends the synthesiser received since the last call, as "on 60 off 61 ".
    std::string takeNoteEvents() {
        std::string events;
        for (const AudioStep& step : journal->steps) {
            if (step.kind == AudioStep::MidiEvent && (step.a == 0x90U || step.a == 0x80U)) {
                events += (step.a == 0x90U ? "on " : "off ") + std::to_string(step.b) + " ";
            }
        }
        journal->steps.clear();
        return events;
    }
    static TouchRecord touch(std::string identity, TouchPhase phase, double x, double y = 10,
                             TouchType type = TouchType::direct,
                             std::optional<double> pressure = {}) {
        return TouchRecord{std::move(identity), phase, type, Point{x, y}, pressure};
    }
};

} // namespace tinkella::testing
