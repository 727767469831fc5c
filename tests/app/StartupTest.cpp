// The application started in its launch order on the test doubles: what the first launch shows
// and sends, playing with the mouse and on the strip, later launches from stored settings, the
// settings file going bad, and quitting with keys held.
#include "app/AppHarness.h"
#include "app/RealSlider.h"
#include "platform/defaults/QtSettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace tinkella {
namespace {

using testing::AppHarness;
using Event = AppHarness::SynthEvent;

constexpr int middleC = 60;

// The last program change the synthesiser received (its own start-up may send one before
// the application's), or none.
std::optional<Event> lastProgramChange(const AppHarness& app) {
    std::optional<Event> last;
    for (const Event& e : app.synthEvents()) {
        if ((e.status & 0xF0) == 0xC0) {
            last = e;
        }
    }
    return last;
}

class StartupTest : public ::testing::Test {
protected:
    void launch(AppHarness& app) {
        app.launch();
        if (!app.hasDoubles()) {
            GTEST_SKIP() << "the shared outputs were made before the doubles; run this test in a "
                            "process of its own (ctest does)";
        }
    }
};

TEST_F(StartupTest, FirstLaunchShowsTheDefaultsAndSelectsThePiano) {
    AppHarness app;
    launch(app);
    app::WindowController& settings = app.settings();
    EXPECT_TRUE(app.pianoWindow()->isVisible());
    EXPECT_TRUE(app.panel()->isVisible());
    EXPECT_EQ(settings.instrumentPopUp()->currentText().toStdString(), "Acoustic Grand Piano");
    EXPECT_DOUBLE_EQ(settings.noteOffsetSlider()->realValue(), 60.0);
    EXPECT_DOUBLE_EQ(settings.keyWidthSlider()->realValue(), 50.0);
    EXPECT_DOUBLE_EQ(settings.blackKeySlider()->realValue(), 0.15);
    EXPECT_FALSE(settings.blackKeyGlissandoCheckbox()->isChecked());
    EXPECT_FALSE(settings.outputModeRadios()[0]->isChecked());
    EXPECT_FALSE(settings.outputModeRadios()[1]->isChecked());
    EXPECT_TRUE(settings.outputModeRadios()[2]->isChecked());
    EXPECT_TRUE(settings.instrumentPopUp()->isEnabled());

    // The synthesiser hears program change 0 and nothing else; MIDI hears nothing.
    EXPECT_EQ(lastProgramChange(app), (Event{0xC0, 0, 0}));
    EXPECT_TRUE(app.midiWords().empty());

    // The strip view has the defaults through its bindings.
    EXPECT_DOUBLE_EQ(app.stripView().keyWidth(), 50.0);
    EXPECT_FLOAT_EQ(app.stripView().noteOffset(), 60.0F);
    EXPECT_DOUBLE_EQ(app.stripView().blackKeyTouchArea(), 0.15);
    EXPECT_FALSE(app.stripView().blackKeyGlissando());
    EXPECT_TRUE(MIDIOutput::shared().isEnabled());
    EXPECT_FALSE(PianoController::sharedInstance().soundController().isMuted());

    // Registered defaults are never written.
    for (const auto& [key, value] : preferences::registeredDefaults()) {
        EXPECT_TRUE(app.store().read(key).isAbsent()) << key;
    }
}

TEST_F(StartupTest, LaunchPublishesMidiBeforeStartingTheSynthesiser) {
    AppHarness app;
    launch(app);
    const auto& timeline = app.doubles().timeline;
    ASSERT_EQ(timeline.size(), 2u);
    EXPECT_EQ(timeline[0], "midi");
    EXPECT_EQ(timeline[1], "audio");
    EXPECT_EQ(app.doubles().midi->sourceName, "Tinkella");
}

TEST_F(StartupTest, AClickOnMiddleCSoundsOnBothOutputsAndLightsTheStrip) {
    AppHarness app;
    launch(app);
    QtPianoWidget* window = app.windowKeys();
    QtPianoWidget* strip = app.stripKeys();
    ASSERT_NE(window, nullptr);
    ASSERT_NE(strip, nullptr);
    const QRgb stripBefore = AppHarness::colourAt(*strip, middleC);
    app.clearRecords();

    QTest::mousePress(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, middleC));
    EXPECT_TRUE(app.key(middleC).isPressedOnScreen);
    EXPECT_TRUE(app.key(middleC).playing);
    EXPECT_EQ(app.synthEvents(), (std::vector<Event>{{0x90, 60, 127}}));
    EXPECT_EQ(app.midiWords(), std::vector<std::uint32_t>{AppHarness::noteOnWord(middleC)});
    AppHarness::saveImage(*strip, "app-strip-middle-c");
    AppHarness::saveImage(*app.pianoWindow(), "app-window-middle-c");
    AppHarness::saveImage(*app.panel(), "app-settings-panel");
    EXPECT_NE(AppHarness::colourAt(*strip, middleC), stripBefore);

    QTest::mouseRelease(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, middleC));
    EXPECT_FALSE(app.key(middleC).playing);
    EXPECT_EQ(app.synthEvents().back(), (Event{0x80, 60, 0}));
    EXPECT_EQ(app.midiWords().back(), AppHarness::noteOffWord(middleC));
    EXPECT_EQ(AppHarness::colourAt(*strip, middleC), stripBefore);
}

TEST_F(StartupTest, AFingerOnTheStripLightsTheKeyInTheWindow) {
    AppHarness app;
    launch(app);
    QtPianoWidget* window = app.windowKeys();
    QtPianoWidget* strip = app.stripKeys();
    ASSERT_NE(strip, nullptr);
    const QRgb windowBefore = AppHarness::colourAt(*window, middleC);
    app.clearRecords();

    QTest::touchEvent(strip, AppHarness::touchScreen())
        .press(1, AppHarness::keyPoint(*strip, middleC));
    AppHarness::settle();
    EXPECT_TRUE(app.key(middleC).isPressedOnTouchBar);
    EXPECT_EQ(app.synthEvents(), (std::vector<Event>{{0x90, 60, 127}}));
    EXPECT_EQ(app.midiWords(), std::vector<std::uint32_t>{AppHarness::noteOnWord(middleC)});
    EXPECT_NE(AppHarness::colourAt(*window, middleC), windowBefore);

    QTest::touchEvent(strip, AppHarness::touchScreen())
        .release(1, AppHarness::keyPoint(*strip, middleC));
    AppHarness::settle();
    EXPECT_FALSE(app.key(middleC).playing);
    EXPECT_EQ(app.midiWords().back(), AppHarness::noteOffWord(middleC));
}

TEST_F(StartupTest, ClosingThePanelKeepsItClosedAtTheNextLaunch) {
    AppHarness::Values kept;
    {
        AppHarness app;
        launch(app);
        ASSERT_TRUE(app.panel()->isVisible());
        app.panel()->close();
        EXPECT_FALSE(app.panel()->isVisible());
        EXPECT_EQ(app.store().read(preferences::settingsVisible), DefaultsValue::boolean(false));
        kept = static_cast<InMemoryDefaultsStore&>(app.store()).values();
    }
    AppHarness next(kept);
    launch(next);
    EXPECT_TRUE(next.pianoWindow()->isVisible());
    EXPECT_FALSE(next.panel()->isVisible());
}

TEST_F(StartupTest, QuittingWithThePanelOpenLeavesItOpenNextTime) {
    AppHarness app;
    launch(app);
    app.quitFromMenu();
    EXPECT_TRUE(app.store().read(preferences::settingsVisible).isAbsent());
}

TEST_F(StartupTest, StoredOutputModeOtherThanZeroOrOneMeansBothAndStaysStored) {
    for (const std::int64_t mode : {7, -1}) {
        AppHarness app({{"outputMode", DefaultsValue::integer(mode)}});
        launch(app);
        EXPECT_TRUE(app.settings().outputModeRadios()[2]->isChecked()) << mode;
        EXPECT_TRUE(app.settings().instrumentPopUp()->isEnabled()) << mode;
        EXPECT_TRUE(MIDIOutput::shared().isEnabled()) << mode;
        EXPECT_FALSE(PianoController::sharedInstance().soundController().isMuted()) << mode;
        app.clearRecords();
        QTest::mouseClick(app.windowKeys(), Qt::LeftButton, {},
                          AppHarness::keyPoint(*app.windowKeys(), middleC));
        EXPECT_EQ(app.synthEvents().size(), 2u) << mode;
        EXPECT_EQ(app.midiWords().size(), 2u) << mode;
        EXPECT_EQ(app.store().read("outputMode"), DefaultsValue::integer(mode));
    }
}

TEST_F(StartupTest, SettingsVisibleHoldingAnythingButFalseOrZeroOpensThePanel) {
    for (const DefaultsValue& stored : {DefaultsValue::text("sure"), DefaultsValue::integer(3)}) {
        AppHarness app({{"settingsVisible", stored}});
        launch(app);
        EXPECT_TRUE(app.panel()->isVisible()) << stored.toString();
    }
}

TEST_F(StartupTest, StoredSettingsReachTheControlsAndTheStrip) {
    AppHarness app({{"instrument", DefaultsValue::integer(41)},
                    {"keyWidth", DefaultsValue::real(37.25)},
                    {"noteOffset", DefaultsValue::real(12.0)},
                    {"blackKeyTouchArea", DefaultsValue::real(0.4)},
                    {"blackKeyGlissando", DefaultsValue::boolean(true)},
                    {"outputMode", DefaultsValue::integer(0)}});
    launch(app);
    app::WindowController& settings = app.settings();
    EXPECT_EQ(settings.instrumentPopUp()->currentText().toStdString(), "Violin");
    EXPECT_EQ(lastProgramChange(app), (Event{0xC0, 40, 0}));
    EXPECT_DOUBLE_EQ(settings.keyWidthSlider()->realValue(), 37.25);
    EXPECT_DOUBLE_EQ(app.stripView().keyWidth(), 37.25);
    EXPECT_FLOAT_EQ(app.stripView().noteOffset(), 12.0F);
    EXPECT_DOUBLE_EQ(app.stripView().blackKeyTouchArea(), 0.4);
    EXPECT_TRUE(app.stripView().blackKeyGlissando());
    EXPECT_TRUE(settings.blackKeyGlissandoCheckbox()->isChecked());
    EXPECT_TRUE(settings.outputModeRadios()[0]->isChecked());
    EXPECT_FALSE(settings.instrumentPopUp()->isEnabled());
    EXPECT_TRUE(PianoController::sharedInstance().soundController().isMuted());
}

TEST_F(StartupTest, AnInstrumentOutsideTheProgramsStartsThePiano) {
    for (const DefaultsValue& stored :
         {DefaultsValue::integer(0), DefaultsValue::integer(129), DefaultsValue::integer(-7),
          DefaultsValue::real(3.5), DefaultsValue::text("oboe")}) {
        AppHarness app({{"instrument", stored}});
        launch(app);
        EXPECT_EQ(lastProgramChange(app), (Event{0xC0, 0, 0})) << stored.toString();
        EXPECT_EQ(app.settings().instrumentPopUp()->currentText().toStdString(),
                  "Acoustic Grand Piano");
    }
}

TEST_F(StartupTest, QuittingWithKeysHeldEndsTheirNotesOnBothOutputs) {
    AppHarness app;
    launch(app);
    QtPianoWidget* window = app.windowKeys();
    QTest::touchEvent(app.stripKeys(), AppHarness::touchScreen())
        .press(1, AppHarness::keyPoint(*app.stripKeys(), 64));
    QTest::mousePress(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, middleC));
    AppHarness::settle();
    ASSERT_TRUE(app.key(middleC).playing);
    ASSERT_TRUE(app.key(64).playing);
    app.clearRecords();

    app.quitFromMenu();

    EXPECT_EQ(app.midiWords(), (std::vector<std::uint32_t>{AppHarness::noteOffWord(60),
                                                           AppHarness::noteOffWord(64)}));
    EXPECT_EQ(app.synthEvents(), (std::vector<Event>{{0x80, 60, 0}, {0x80, 64, 0}}));
    QTest::mouseRelease(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, middleC));
}

// --- a settings file that cannot be used ----------------------------------------------------

class BadSettingsFileTest : public StartupTest {
protected:
    QString path() const { return dir.filePath("Quorvin/Tinkella.conf"); }
    QTemporaryDir dir;
};

TEST_F(BadSettingsFileTest, ACorruptFileStartsWithTheDefaultsAndSurvivesUntouched) {
    QDir().mkpath(dir.filePath("Quorvin"));
    const QByteArray garbage("\x7f"
                             "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0",
                             20);
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    ::testing::internal::CaptureStderr();
    AppHarness app(std::make_unique<QtSettingsStore>(path()));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Settings: "), std::string::npos) << err;
    launch(app);
    EXPECT_TRUE(app.panel()->isVisible());
    EXPECT_TRUE(app.settings().outputModeRadios()[2]->isChecked());
    EXPECT_EQ(lastProgramChange(app), (Event{0xC0, 0, 0}));

    QTest::mouseClick(app.settings().outputModeRadios()[1], Qt::LeftButton);
    EXPECT_EQ(app.store().read("outputMode"), DefaultsValue::integer(1));
    app.panel()->close();
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
}

TEST_F(BadSettingsFileTest, AnUnreadableFileStartsWithTheDefaults) {
    QDir().mkpath(path());
    ::testing::internal::CaptureStderr();
    AppHarness app(std::make_unique<QtSettingsStore>(path()));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("cannot be read"), std::string::npos) << err;
    launch(app);
    EXPECT_TRUE(app.pianoWindow()->isVisible());
    EXPECT_DOUBLE_EQ(app.stripView().keyWidth(), 50.0);
}

TEST_F(BadSettingsFileTest, AGoodFileCarriesSettingsToTheNextLaunch) {
    {
        AppHarness app(std::make_unique<QtSettingsStore>(path()));
        launch(app);
        QTest::mouseClick(app.settings().outputModeRadios()[0], Qt::LeftButton);
        app.panel()->close();
        app.store().flush(); // as quitting does
    }
    AppHarness next(std::make_unique<QtSettingsStore>(path()));
    launch(next);
    EXPECT_FALSE(next.panel()->isVisible());
    EXPECT_TRUE(next.settings().outputModeRadios()[0]->isChecked());
    EXPECT_TRUE(MIDIOutput::shared().isEnabled());
    EXPECT_TRUE(PianoController::sharedInstance().soundController().isMuted());
}

} // namespace
} // namespace tinkella
