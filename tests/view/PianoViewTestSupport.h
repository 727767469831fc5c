#pragma once

#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "model/PianoController.h"
#include "model/PianoKey.h"
#include "foundation/NotificationCenter.h"
#include "support/FakeAudioSystem.h"
#include "support/FakeViewHost.h"
#include "view/PianoView.h"

#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tinkella::testing {

// A keyboard model on test doubles (recording synthesiser, unavailable MIDI output, private
// notification centre) and views hosted in fake hosts of chosen bounds.
class PianoViewTest : public ::testing::Test {
protected:
    std::shared_ptr<AudioJournal> journal = std::make_shared<AudioJournal>();
    MIDIOutput midi{nullptr};
    NotificationCenter center;
    PianoController controller{
        std::make_unique<SoundController>(std::make_unique<FakeAudioSystem>(journal)), midi,
        center};
    FakeViewHost host;
    std::unique_ptr<PianoView> view;

    // A view of the given kind and size (points), key width 50, note offset 0 unless changed.
    PianoView& makeView(bool onTouchBar, double width, double height, float noteOffset = 0) {
        host.setBounds(Rect(0, 0, width, height));
        view =
            std::make_unique<PianoView>(Rect(0, 0, width, height), onTouchBar, controller, center);
        view->setHost(&host);
        view->storeNoteOffset(noteOffset);
        return *view;
    }
    void TearDown() override {
        if (view) {
            view->setHost(nullptr);
        }
    }

    PianoKey& key(std::int64_t note) {
        return controller.keys().at(static_cast<std::size_t>(note));
    }

    std::vector<std::int64_t> pressedOnTouchBar() const {
        std::vector<std::int64_t> notes;
        for (const PianoKey& k : controller.keys()) {
            if (k.isPressedOnTouchBar) {
                notes.push_back(k.note);
            }
        }
        return notes;
    }
    std::vector<std::int64_t> pressedOnScreen() const {
        std::vector<std::int64_t> notes;
        for (const PianoKey& k : controller.keys()) {
            if (k.isPressedOnScreen) {
                notes.push_back(k.note);
            }
        }
        return notes;
    }
    std::vector<std::int64_t> playing() const {
        std::vector<std::int64_t> notes;
        for (const PianoKey& k : controller.keys()) {
            if (k.playing) {
                notes.push_back(k.note);
            }
        }
        return notes;
    }
    // Note starts and ends the synthesiser received, as "on 60" / "off 60", then forgotten.
    std::vector<std::string> takeNoteEvents() {
        std::vector<std::string> events;
        for (const AudioStep& step : journal->eventsOnly()) {
            const std::uint32_t kind = step.a & 0xF0U;
            if (kind == 0x90U || kind == 0x80U) {
                events.push_back((kind == 0x90U ? "on " : "off ") + std::to_string(step.b));
            }
        }
        journal->steps.clear();
        return events;
    }

    static TouchRecord touch(std::string identity, TouchPhase phase, double x, double y = 10,
                             TouchType type = TouchType::direct) {
        return TouchRecord{std::move(identity), phase, type, Point{x, y}};
    }
};

} // namespace tinkella::testing
