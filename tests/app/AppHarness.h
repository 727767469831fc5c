#pragma once

// The whole application started in this process in its launch order, on test doubles: a
// scripted MIDI system behind MIDIOutput::shared(), a recording audio system behind the
// keyboard model's synthesiser, and a settings store the test seeds. Reusable by every Qt test
// and by soak tests.
//
// The shared objects are made once per process; the doubles are installed before their first
// use and reset between harnesses, so several scenarios may run one after another in one
// process. Under ctest each test has a process of its own anyway.

#include "app/AppDelegate.h"
#include "app/QtTestApplication.h"
#include "app/WindowController.h"
#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "hosting/PianoWindowController.h"
#include "hosting/TouchBarController.h"
#include "model/PianoController.h"
#include "foundation/DefaultsController.h"
#include "model/Preferences.h"
#include "foundation/NotificationCenter.h"
#include "hosting/QtStripWindow.h"
#include "hosting/QtPianoWidget.h"
#include "support/FakeAudioSystem.h"
#include "support/FakeMidiLog.h"
#include "support/FakeMidiSystem.h"
#include "view/PianoView.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointingDevice>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tinkella::testing {

// The doubles behind the shared objects, installed once per process.
struct SharedDoubles {
    static SharedDoubles& get() {
        static SharedDoubles doubles;
        return doubles;
    }

    std::shared_ptr<AudioJournal> audio = std::make_shared<AudioJournal>();
    FakeMidiSystem* midi = nullptr; // owned by MIDIOutput::shared() once it is made
    MidiLogCapture midiLog;
    // What was made, in order: "midi", "audio".
    std::vector<std::string> timeline;

private:
    SharedDoubles() {
        ensureQtApplication();
        MIDIOutput::setSharedSystemFactory([this] {
            auto system = std::make_unique<FakeMidiSystem>();
            midi = system.get();
            timeline.emplace_back("midi");
            return system;
        });
        MIDIOutput::setSharedLogFactory([this] { return midiLog.sink(); });
        PianoController::setSharedSoundFactory([this] {
            timeline.emplace_back("audio");
            return std::make_unique<SoundController>(std::make_unique<FakeAudioSystem>(audio));
        });
    }
};

// One launch of the application. Destroying the harness takes its windows down, releases
// every key and clears the records, ready for the next one.
class AppHarness {
public:
    using Values = DefaultsController::Defaults;

    // stored: the settings store's content at launch (empty: a first launch).
    explicit AppHarness(Values stored = {}) : AppHarness(makeStore(std::move(stored))) {}
    explicit AppHarness(std::unique_ptr<DefaultsStore> store) : doubles_(SharedDoubles::get()) {
        store_ = store.get();
        DefaultsController::shared().replaceStore(std::move(store));
    }

    ~AppHarness() {
        delegate_.reset();
        QCoreApplication::processEvents();
        PianoController& piano = PianoController::sharedInstance();
        for (PianoKey& key : piano.keys()) {
            key.isPressedOnScreen = false;
            key.isPressedOnTouchBar = false;
        }
        MIDIOutput::shared().setEnabled(true);
        piano.setInternalSynthMuted(false);
        piano.updatePlayingNotesFromPressedKeys();
        clearRecords();
    }

    AppHarness(const AppHarness&) = delete;
    AppHarness& operator=(const AppHarness&) = delete;

    // Both launch steps, as the process entry runs them, then lets the windows settle.
    void launch() {
        delegate_ = std::make_unique<app::AppDelegate>();
        delegate_->launch();
        settle();
    }

    // False when the shared objects were made before the doubles were installed (another
    // test of this process used them first): the scenario cannot observe the outputs then.
    bool hasDoubles() const { return doubles_.midi != nullptr; }

    static void settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    }

    app::AppDelegate& delegate() { return *delegate_; }
    app::WindowController& settings() { return *delegate_->settingsWindowController(); }
    PianoWindowController& piano() { return *settings().keyboardWindow(); }
    QWidget* panel() { return settings().window(); }
    QMainWindow* pianoWindow() { return piano().window(); }
    QtPianoWidget* windowKeys() { return piano().pianoWidget(); }
    QtPianoWidget* stripKeys() {
        QtStripWindow* strip = piano().stripWindow();
        if (strip == nullptr) {
            return nullptr;
        }
        strip->loadItems();
        return strip->itemWidgets().empty() ? nullptr : strip->itemWidgets().front();
    }
    PianoView& stripView() { return TouchBarController::sharedInstance().pianoView(); }
    PianoKey& key(int note) { return PianoController::sharedInstance().keys().at(note); }
    DefaultsStore& store() { return *store_; }
    DefaultsController& defaults() { return DefaultsController::shared(); }
    SharedDoubles& doubles() { return doubles_; }

    // The menu item with this title, searched through every menu of the piano window's bar.
    QAction* menuAction(const QString& title) {
        QMenuBar* bar = pianoWindow()->menuBar();
        std::vector<QMenu*> menus;
        for (QAction* top : bar->actions()) {
            if (top->menu() != nullptr) {
                menus.push_back(top->menu());
            }
        }
        for (QMenu* menu : menus) {
            for (QAction* action : menu->actions()) {
                if (action->text() == title) {
                    return action;
                }
            }
        }
        return nullptr;
    }

    // Chooses "Quit Tinkella" while the event loop runs; returns when the loop has ended.
    void quitFromMenu() {
        QAction* quit = menuAction(QStringLiteral("Quit Tinkella"));
        ASSERT_NE(quit, nullptr);
        QTimer::singleShot(0, quit, &QAction::trigger);
        QCoreApplication::exec();
    }

    // --- what left the outputs ------------------------------------------------------------
    // Channel messages the synthesiser received: status, data 1, data 2.
    struct SynthEvent {
        std::uint32_t status, data1, data2;
        bool operator==(const SynthEvent&) const = default;
    };
    std::vector<SynthEvent> synthEvents() const {
        std::vector<SynthEvent> events;
        for (const AudioStep& step : doubles_.audio->eventsOnly()) {
            events.push_back({step.a, step.b, step.c});
        }
        return events;
    }
    // MIDI 1.0 channel voice words that left the virtual source.
    std::vector<std::uint32_t> midiWords() const {
        return doubles_.midi != nullptr ? doubles_.midi->sentWords() : std::vector<std::uint32_t>{};
    }
    static std::uint32_t noteOnWord(std::uint32_t note) { return 0x20900000U | note << 8 | 127U; }
    static std::uint32_t noteOffWord(std::uint32_t note) { return 0x20800000U | note << 8; }
    void clearRecords() {
        doubles_.audio->steps.clear();
        if (doubles_.midi != nullptr) {
            doubles_.midi->sent.clear();
        }
    }

    // --- where the keys are ---------------------------------------------------------------
    // The middle of a key's lower half (the natural's own part for a white key, the middle of
    // a black key) in the widget's Qt coordinates.
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
        const QPoint p = keyPoint(widget, note) * image.devicePixelRatio();
        return image.pixel(p);
    }

    // Saves what a window shows as <name>.png in $TINKELLA_ARTIFACTS, when that is set.
    static void saveImage(QWidget& widget, const QString& name) {
        const QByteArray dir = qgetenv("TINKELLA_ARTIFACTS");
        if (!dir.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(dir));
            widget.grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
        }
    }

    // A touchscreen for finger input, made once per process.
    static QPointingDevice* touchScreen() {
        static QPointingDevice* device =
            QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
        return device;
    }

private:
    static std::unique_ptr<DefaultsStore> makeStore(Values stored) {
        return std::make_unique<InMemoryDefaultsStore>(std::move(stored));
    }

    SharedDoubles& doubles_;
    DefaultsStore* store_ = nullptr; // owned by the shared defaults controller
    std::unique_ptr<app::AppDelegate> delegate_;
};

} // namespace tinkella::testing
