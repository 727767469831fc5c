#pragma once

// The whole application started in this process in its launch order, on test doubles: a
// scripted MIDI system behind MIDIOutput::shared(), a recording audio system behind the
// keyboard model's synthesiser, and a settings store the test seeds. The shared objects are
// made once per process; the doubles are installed before their first use, and destroying a
// harness restores both outputs and clears the records, so launches may follow one another.

#include "app/AppDelegate.h"
#include "app/GeneralTab.h"
#include "app/WindowController.h"
#include "foundation/DefaultsController.h"
#include "hosting/PianoWindowController.h"
#include "hosting/QtPianoWidget.h"
#include "hosting/TouchBarController.h"
#include "model/PianoController.h"
#include "model/Preferences.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiPort.h"
#include "support/FakeSynthesizer.h"
#include "support/QtTestApplication.h"
#include "view/PianoView.h"

#include <QMainWindow>
#include <QTest>

namespace tinkella::testing {

class AppHarness {
public:
    explicit AppHarness(DefaultsController::Defaults stored = {})
        : AppHarness(std::make_unique<InMemoryDefaultsStore>(std::move(stored))) {}
    explicit AppHarness(std::unique_ptr<DefaultsStore> store) : store_(store.get()) {
        static Doubles& shared = *new Doubles;
        doubles = &shared;
        DefaultsController::shared().replaceStore(std::move(store));
    }
    ~AppHarness() {
        delegate_.reset();
        QCoreApplication::processEvents();
        MIDIOutput::shared().setEnabled(true);
        PianoController::sharedInstance().setInternalSynthMuted(false);
        doubles->audio->steps.clear();
        if (doubles->midi != nullptr) {
            doubles->midi->sent.clear();
        }
    }

    // Launches as the process entry does and lets the windows settle.
    void launch() {
        delegate_ = std::make_unique<app::AppDelegate>();
        delegate_->launch();
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }
    // False when the shared objects were made before the doubles were installed (another test
    // of this process used them first): the outputs cannot be observed then.
    bool hasDoubles() const { return doubles->midi != nullptr; }

    app::WindowController& settings() { return *delegate_->settingsWindowController(); }
    PianoWindowController& piano() { return *settings().keyboardWindow(); }
    QWidget* panel() { return settings().window(); }
    PianoView& stripView() { return TouchBarController::sharedInstance().pianoView(); }
    DefaultsStore& store() { return *store_; }

    // The last program change the synthesiser received, or -1.
    int lastProgram() const {
        int program = -1;
        for (const AudioStep& step : doubles->audio->steps) {
            program = step.kind == AudioStep::MidiEvent && step.a == 0xC0 ? int(step.b) : program;
        }
        return program;
    }

    // The doubles behind the shared objects, installed once per process.
    struct Doubles {
        Doubles() {
            ensureQtApplication();
            MIDIOutput::setSharedPortFactory([this] {
                auto system = std::make_unique<FakeMidiPort>();
                midi = system.get();
                madeMidiFirst = audio->steps.empty();
                return system;
            });
            MIDIOutput::setSharedLogFactory([this] { return midiLog.sink(); });
            PianoController::setSharedSoundFactory([this] {
                return std::make_unique<SoundController>(FakeSynthesizer::opener(audio));
            });
        }
        std::shared_ptr<AudioJournal> audio = std::make_shared<AudioJournal>();
        FakeMidiPort* midi = nullptr; // owned by MIDIOutput::shared() once it is made
        bool madeMidiFirst = false;
        MidiLogCapture midiLog;
    };
    Doubles* doubles;

private:
    DefaultsStore* store_; // owned by the shared defaults controller
    std::unique_ptr<app::AppDelegate> delegate_;
};

} // namespace tinkella::testing
