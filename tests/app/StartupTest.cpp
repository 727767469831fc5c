// The application started in its launch order on the test doubles: the first launch, playing
// across the two keyboards, later launches from stored settings (good, odd and unusable), the
// menu commands, and quitting with keys held.
#include "app/AppHarness.h"
#include "app/RealSlider.h"
#include "platform/defaults/QtSettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <limits>

namespace tinkella {
namespace {

using testing::AppHarness;
constexpr int middleC = 60;

TEST(StartupTest, FirstLaunchPublishesMidiThenStartsThePianoWithTheDefaultsUnwritten) {
    AppHarness app;
    app.launch();
    EXPECT_TRUE(app.doubles->madeMidiFirst);
    EXPECT_EQ(app.doubles->midi->sourceName, "Tinkella");
    EXPECT_TRUE(app.piano().window()->isVisible());
    EXPECT_TRUE(app.panel()->isVisible());
    EXPECT_EQ(app.settings().instrumentPopUp()->currentText(), "Acoustic Grand Piano");
    EXPECT_EQ(app.lastProgram(), 0);
    EXPECT_TRUE(app.settings().outputModeRadios()[2]->isChecked());
    EXPECT_DOUBLE_EQ(app.stripView().keyWidth(), 50.0);
    EXPECT_EQ(app.midiNotes(), "");
    for (const auto& [key, value] : preferences::registeredDefaults()) {
        EXPECT_TRUE(app.store().read(key).isAbsent()) << key;
    }
}

// A key played in one keyboard sounds on both outputs and lights in the other keyboard.
TEST(StartupTest, EachKeyboardLightsWhatTheOtherPlays) {
    AppHarness app;
    app.launch();
    QtPianoWidget* window = app.windowKeys();
    QtPianoWidget* strip = app.stripKeys();
    const QRgb stripBefore = AppHarness::colourAt(*strip, middleC);
    const QRgb windowBefore = AppHarness::colourAt(*window, 64);
    app.clearRecords();
    QTest::mousePress(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, middleC));
    QTest::touchEvent(strip, AppHarness::touchScreen()).press(1, AppHarness::keyPoint(*strip, 64));
    AppHarness::settle();
    EXPECT_NE(AppHarness::colourAt(*strip, middleC), stripBefore);
    EXPECT_NE(AppHarness::colourAt(*window, 64), windowBefore);
    QTest::mouseRelease(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, middleC));
    QTest::touchEvent(strip, AppHarness::touchScreen())
        .release(1, AppHarness::keyPoint(*strip, 64));
    AppHarness::settle();
    EXPECT_EQ(app.synthNotes(), "on 60 on 64 off 60 off 64 ");
    EXPECT_EQ(app.midiNotes(), "on 60 on 64 off 60 off 64 ");
    EXPECT_EQ(AppHarness::colourAt(*strip, middleC), stripBefore);
}

TEST(StartupTest, StoredSettingsReachTheControlsAndOddOnesFallBackToTheDefaults) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        DefaultsController::Defaults stored;
        int program;
        double keyWidth;
        float noteOffset;
        bool midiOnly, glissando;
    } cases[] = {
        {{{"instrument", DefaultsValue::integer(41)},
          {"keyWidth", DefaultsValue::real(37.25)},
          {"noteOffset", DefaultsValue::real(12.0)},
          {"blackKeyGlissando", DefaultsValue::boolean(true)},
          {"outputMode", DefaultsValue::integer(0)}},
         40,
         37.25,
         12.0F,
         true,
         true},
        {{{"instrument", DefaultsValue::text("oboe")},
          {"keyWidth", DefaultsValue::real(nan)},
          {"noteOffset", DefaultsValue::real(-nan)},
          {"outputMode", DefaultsValue::integer(7)}},
         0,
         50.0,
         60.0F,
         false,
         false},
        {{{"instrument", DefaultsValue::integer(129)}, {"keyWidth", DefaultsValue::real(1e300)}},
         0,
         std::numeric_limits<float>::max(),
         60.0F,
         false,
         false},
    };
    for (const auto& c : cases) {
        AppHarness app(c.stored);
        app.launch();
        EXPECT_EQ(app.lastProgram(), c.program);
        EXPECT_DOUBLE_EQ(app.stripView().keyWidth(), c.keyWidth);
        EXPECT_FLOAT_EQ(app.stripView().noteOffset(), c.noteOffset);
        EXPECT_FLOAT_EQ(app.piano().noteOffset(), c.noteOffset);
        EXPECT_EQ(app.stripView().blackKeyGlissando(), c.glissando);
        EXPECT_EQ(app.settings().blackKeyGlissandoCheckbox()->isChecked(), c.glissando);
        EXPECT_EQ(app.settings().outputModeRadios()[c.midiOnly ? 0 : 2]->isChecked(), true);
        EXPECT_EQ(PianoController::sharedInstance().soundController().isMuted(), c.midiOnly);
        EXPECT_GT(app.windowKeys()->width(), 0);
        EXPECT_LE(app.windowKeys()->width(), QWIDGETSIZE_MAX);
        QTest::mouseClick(app.windowKeys(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(app.store().read("outputMode"),
                  c.stored.count("outputMode") ? c.stored.at("outputMode") : DefaultsValue());
    }
}

TEST(StartupTest, ThePanelStaysClosedOnlyWhenClosedAndTheMenuBringsWindowsBack) {
    DefaultsController::Defaults kept;
    {
        AppHarness app;
        app.launch();
        app.panel()->close();
        EXPECT_EQ(app.store().read(preferences::settingsVisible), DefaultsValue::boolean(false));
        app.menuAction(QStringLiteral("Settings\u2026"))->trigger();
        EXPECT_TRUE(app.panel()->isVisible());
        app.menuAction(QStringLiteral("Hide Tinkella"))->trigger();
        AppHarness::settle();
        EXPECT_TRUE(app.piano().window()->isMinimized());
        app.menuAction(QStringLiteral("Show All"))->trigger();
        app.menuAction(QStringLiteral("Minimize"))->trigger();
        app.menuAction(QStringLiteral("Tinkella"))->trigger();
        AppHarness::settle();
        EXPECT_FALSE(app.piano().window()->isMinimized());
        app.panel()->close();
        kept = static_cast<InMemoryDefaultsStore&>(app.store()).values();
    }
    AppHarness next(kept);
    next.launch();
    EXPECT_FALSE(next.panel()->isVisible());
    for (const DefaultsValue& stored : {DefaultsValue::text("sure"), DefaultsValue::integer(3)}) {
        AppHarness app({{"settingsVisible", stored}});
        app.launch();
        EXPECT_TRUE(app.panel()->isVisible()) << stored.toString();
    }
}

TEST(StartupTest, QuittingWithKeysHeldEndsTheirNotesOnBothOutputsAndKeepsThePanelOpen) {
    AppHarness app;
    app.launch();
    QtPianoWidget* window = app.windowKeys();
    QTest::touchEvent(app.stripKeys(), AppHarness::touchScreen())
        .press(1, AppHarness::keyPoint(*app.stripKeys(), 64));
    QTest::mousePress(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, middleC));
    AppHarness::settle();
    ASSERT_TRUE(app.key(middleC).playing && app.key(64).playing);
    app.clearRecords();
    app.quitFromMenu();
    EXPECT_EQ(app.midiNotes(), "off 60 off 64 ");
    EXPECT_EQ(app.synthNotes(), "off 60 off 64 ");
    EXPECT_TRUE(app.store().read(preferences::settingsVisible).isAbsent());
    QTest::mouseRelease(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, middleC));
}

// A corrupt settings file starts the defaults and is never overwritten; a good one carries the
// settings to the next launch.
TEST(StartupTest, SettingsFileGoodOrCorrupt) {
    QTemporaryDir dir;
    const QString good = dir.filePath("good.conf");
    const QString bad = dir.filePath("bad.conf");
    const QByteArray garbage("\x7f"
                             "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0",
                             20);
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(garbage);
    file.close();
    for (const QString& path : {good, bad, good}) {
        ::testing::internal::CaptureStderr();
        AppHarness app(std::make_unique<QtSettingsStore>(path));
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(err.find("Settings: ") != std::string::npos, path == bad) << err;
        app.launch();
        EXPECT_EQ(app.settings().outputModeRadios()[0]->isChecked(),
                  !app.store().read("outputMode").isAbsent());
        QTest::mouseClick(app.settings().outputModeRadios()[0], Qt::LeftButton);
        EXPECT_EQ(app.store().read("outputMode"), DefaultsValue::integer(0));
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
}

} // namespace
} // namespace tinkella
