#pragma once

// The whole application started in this process in its launch order, on test doubles: a
// scripted MIDI system behind MIDIOutput::shared(), a recording audio system behind the
// keyboard model's synthesiser, and a settings store the test seeds. The shared objects are
// made once per process; the doubles are installed before their first use, and destroying a
// harness releases every key and clears the records, so launches may follow one another.

#include "app/AppDelegate.h"
#include "support/QtTestApplication.h"
#include "app/WindowController.h"
#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "hosting/PianoWindowController.h"
#include "hosting/TouchBarController.h"
#include "model/PianoController.h"
#include "foundation/DefaultsController.h"
#include "model/Preferences.h"
#include "hosting/QtStripWindow.h"
#include "hosting/QtPianoWidget.h"
#include "support/FakeAudioSystem.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiSystem.h"
#include "view/PianoView.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPointingDevice>
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
        PianoController& piano = PianoController::sharedInstance();
        for (PianoKey& key : piano.keys()) {
            key.isPressedOnScreen = key.isPressedOnTouchBar = false;
        }
        MIDIOutput::shared().setEnabled(true);
        piano.setInternalSynthMuted(false);
        piano.updatePlayingNotesFromPressedKeys();
        clearRecords();
    }

    // Launches as the process entry does and lets the windows settle.
    void launch() {
        delegate_ = std::make_unique<app::AppDelegate>();
        delegate_->launch();
        settle();
    }
    // False when the shared objects were made before the doubles were installed (another test
    // of this process used them first): the outputs cannot be observed then.
    bool hasDoubles() const { return doubles->midi != nullptr; }
    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }

    app::WindowController& settings() { return *delegate_->settingsWindowController(); }
    PianoWindowController& piano() { return *settings().keyboardWindow(); }
    QWidget* panel() { return settings().window(); }
    QtPianoWidget* windowKeys() { return piano().pianoWidget(); }
    QtPianoWidget* stripKeys() {
        piano().stripWindow()->loadItems();
        return piano().stripWindow()->itemWidgets().front();
    }
    PianoView& stripView() { return TouchBarController::sharedInstance().pianoView(); }
    PianoKey& key(int note) { return PianoController::sharedInstance().keys().at(note); }
    DefaultsStore& store() { return *store_; }

    QAction* menuAction(const QString& title) {
        for (QAction* top : piano().window()->menuBar()->actions()) {
            for (QAction* action : top->menu() ? top->menu()->actions() : QList<QAction*>{}) {
                if (action->text() == title) {
                    return action;
                }
            }
        }
        return nullptr;
    }
    // Note messages each output received since the last clear, as "on 60 off 60 ".
    std::string synthNotes() const {
        std::string s;
        for (const AudioStep& step : doubles->audio->steps) {
            if (step.kind == AudioStep::MidiEvent && (step.a & 0xE0) == 0x80) {
                s += (step.a == 0x90 ? "on " : "off ") + std::to_string(step.b) + " ";
            }
        }
        return s;
    }
    std::string midiNotes() const {
        std::string s;
        for (std::uint32_t word : doubles->midi->sent) {
            s +=
                ((word >> 20 & 0xF) == 9 ? "on " : "off ") + std::to_string(word >> 8 & 0xFF) + " ";
        }
        return s;
    }
    // The last program change the synthesiser received, or -1.
    int lastProgram() const {
        int program = -1;
        for (const AudioStep& step : doubles->audio->steps) {
            program = step.kind == AudioStep::MidiEvent && step.a == 0xC0 ? int(step.b) : program;
        }
        return program;
    }
    void clearRecords() {
        doubles->audio->steps.clear();
        if (doubles->midi != nullptr) {
            doubles->midi->sent.clear();
        }
    }

    // The middle of a key's lower half in the widget's Qt coordinates.
    static QPoint keyPoint(const QtPianoWidget& widget, int note) {
        const PianoView& view = widget.pianoView();
        const PianoKey& k = PianoController::sharedInstance().keys().at(note);
        const Rect r = k.sharp ? view.getBlackDisplayRect(k.x) : view.getWhiteDisplayRect(k.x);
        const double height = view.bounds().size.height;
        const double yUp = k.sharp ? r.minY() + r.size.height * 0.5 : height * 0.2;
        return QPoint(static_cast<int>(r.minX() + r.size.width / 2),
                      static_cast<int>(height - yUp));
    }
    // The colour drawn at a key's point, rendered afresh.
    static QRgb colourAt(QtPianoWidget& widget, int note) {
        const QImage image = widget.grab().toImage();
        return image.pixel(keyPoint(widget, note) * image.devicePixelRatio());
    }
    static QPointingDevice* touchScreen() {
        static QPointingDevice* device =
            QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
        return device;
    }

    // The doubles behind the shared objects, installed once per process.
    struct Doubles {
        Doubles() {
            ensureQtApplication();
            MIDIOutput::setSharedSystemFactory([this] {
                auto system = std::make_unique<FakeMidiSystem>();
                midi = system.get();
                madeMidiFirst = audio->steps.empty();
                return system;
            });
            MIDIOutput::setSharedLogFactory([this] { return midiLog.sink(); });
            PianoController::setSharedSoundFactory([this] {
                return std::make_unique<SoundController>(std::make_unique<FakeAudioSystem>(audio));
            });
        }
        std::shared_ptr<AudioJournal> audio = std::make_shared<AudioJournal>();
        FakeMidiSystem* midi = nullptr; // owned by MIDIOutput::shared() once it is made
        bool madeMidiFirst = false;
        MidiLogCapture midiLog;
    };
    Doubles* doubles;

private:
    DefaultsStore* store_; // owned by the shared defaults controller
    std::unique_ptr<app::AppDelegate> delegate_;
};

} // namespace tinkella::testing
