// The settings panel: its layout, the controls' ranges and bindings, the output-mode and
// instrument actions with keys held, the sliders' press and release, and hiding with the
// application.
#include "app/AppHarness.h"
#include "app/RealSlider.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <gtest/gtest.h>

namespace tinkella {
namespace {

using testing::AppHarness;
using Event = AppHarness::SynthEvent;

class SettingsPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.launch();
        if (!app.hasDoubles()) {
            GTEST_SKIP() << "the shared outputs were made before the doubles; run this test in a "
                            "process of its own (ctest does)";
        }
        settings = &app.settings();
        app.clearRecords();
    }

    // The widget's rectangle in the panel's coordinates.
    QRect inPanel(const QWidget* widget) {
        return QRect(widget->mapTo(app.panel(), QPoint(0, 0)), widget->size());
    }

    QPoint knob(const app::RealSlider* slider, double value) {
        const double fraction =
            (value - slider->realMinimum()) / (slider->realMaximum() - slider->realMinimum());
        // The groove leaves about half a knob's width at either end.
        const int margin = 8;
        return QPoint(margin + static_cast<int>(fraction * (slider->width() - 2 * margin)),
                      slider->height() / 2);
    }

    struct ResizingCount {
        int started = 0;
        int ended = 0;
    };
    ResizingCount resizing;
    ObserverRegistration startedObserver = NotificationCenter::defaultCenter().addObserver(
        PianoResizingStarted, [this](const Notification&) { ++resizing.started; });
    ObserverRegistration endedObserver = NotificationCenter::defaultCenter().addObserver(
        PianoResizingEnded, [this](const Notification&) { ++resizing.ended; });

    AppHarness app;
    app::WindowController* settings = nullptr;
};

TEST_F(SettingsPanelTest, IsAFixedUtilityWindowTitledSettings) {
    QWidget* panel = app.panel();
    EXPECT_EQ(panel->windowTitle().toStdString(), "Settings");
    EXPECT_EQ(panel->size(), QSize(380, 317));
    EXPECT_EQ(panel->minimumSize(), panel->maximumSize());
    EXPECT_EQ(panel->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(panel->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(panel->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(panel->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_TRUE(screen.contains(panel->geometry()))
        << "panel kept on a small screen: " << panel->geometry().x() << "," << panel->geometry().y()
        << " on " << screen.width() << "x" << screen.height();
    if (screen.width() >= 1183 + 380 && screen.height() >= 132 + 317) {
        EXPECT_EQ(panel->pos(), QPoint(1183, screen.height() - 132 - 317));
    }
}

TEST_F(SettingsPanelTest, LaysItsColumnOutTopToBottomWithTheFixedGaps) {
    settings->blackKeySlider()->window()->show();
    AppHarness::settle();
    EXPECT_EQ(settings->creditLabel()->text().toStdString(), "Tinkella by Quorvin");
    EXPECT_EQ(inPanel(settings->creditLabel()).top(), 8);
    EXPECT_EQ(inPanel(settings->creditLabel()).height(), 17);
    EXPECT_NEAR(inPanel(settings->creditLabel()).center().x(), 18 + 344 / 2, 1);

    // Rows of 26 points, 4 apart, from 8 + 17 + 24 = 49; controls end at the column's right.
    const QWidget* controls[] = {settings->instrumentPopUp(), settings->noteOffsetSlider(),
                                 settings->keyWidthSlider(), settings->blackKeySlider()};
    const int widths[] = {194, 154, 154, 154};
    for (int i = 0; i < 4; ++i) {
        const QRect row = inPanel(controls[i]->parentWidget());
        EXPECT_EQ(row.top(), 49 + i * 30) << i;
        EXPECT_EQ(row.height(), 26) << i;
        EXPECT_EQ(row.left(), 18) << i;
        EXPECT_EQ(row.width(), 344) << i;
        EXPECT_EQ(controls[i]->width(), widths[i]) << i;
        EXPECT_EQ(inPanel(controls[i]).right(), 18 + 344 - 1) << i;
    }

    const QRect check = inPanel(settings->blackKeyGlissandoCheckbox());
    EXPECT_EQ(check.top(), 49 + 116 + 8);
    EXPECT_EQ(check.height(), 18);
    EXPECT_NEAR(check.center().x(), 18 + 344 / 2, 1);
    const QRect note = inPanel(settings->explanatoryNote());
    EXPECT_EQ(note.top(), check.bottom() + 1 + 24);
    EXPECT_EQ(note.size(), QSize(344, 28));
    EXPECT_EQ(settings->explanatoryNote()->text().toStdString(),
              "Tinkella can control GarageBand and other apps");
    EXPECT_TRUE(settings->explanatoryNote()->wordWrap());
    EXPECT_LT(settings->explanatoryNote()->font().pointSizeF(),
              settings->creditLabel()->font().pointSizeF());

    const auto& radios = settings->outputModeRadios();
    int top = note.bottom() + 1;
    for (QRadioButton* radio : radios) {
        EXPECT_EQ(inPanel(radio).top(), top);
        EXPECT_EQ(radio->height(), 18);
        EXPECT_EQ(inPanel(radio).left(), inPanel(radios[0]).left());
        top += 20;
    }
    EXPECT_EQ(inPanel(radios[2]).bottom() + 1 + 16, 317);
}

TEST_F(SettingsPanelTest, ControlsCarryTheirTitlesRangesAndTicks) {
    EXPECT_EQ(settings->blackKeyGlissandoCheckbox()->text().toStdString(),
              "Include black keys in Touch Bar glissando");
    const char* titles[] = {"Send MIDI events only", "Use built-in synthesiser only",
                            "Enable both"};
    const QButtonGroup* group = settings->outputModeRadios()[0]->group();
    ASSERT_NE(group, nullptr);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(settings->outputModeRadios()[i]->text().toStdString(), titles[i]);
        EXPECT_EQ(group->id(settings->outputModeRadios()[i]), i);
    }

    const app::RealSlider* width = settings->keyWidthSlider();
    EXPECT_EQ(width->realMinimum(), 9.5);
    EXPECT_EQ(width->realMaximum(), 90.5);
    EXPECT_EQ(width->tickMarkCount(), 9);
    EXPECT_DOUBLE_EQ(width->fromSteps(width->minimum() + width->tickInterval()), 9.5 + 10.125);
    EXPECT_TRUE(width->hasTracking());
    const app::RealSlider* octave = settings->noteOffsetSlider();
    EXPECT_EQ(octave->realMaximum(), 96.0);
    EXPECT_DOUBLE_EQ(octave->fromSteps(octave->tickInterval()), 12.0);
    const app::RealSlider* area = settings->blackKeySlider();
    EXPECT_EQ(area->realMinimum(), 0.0);
    EXPECT_EQ(area->realMaximum(), 1.0);
    EXPECT_EQ(area->tickPosition(), QSlider::NoTicks);

    const QComboBox* menu = settings->instrumentPopUp();
    ASSERT_EQ(menu->count(), 128);
    for (int i = 0; i < 128; ++i) {
        EXPECT_EQ(menu->itemData(i).toInt(), i + 1);
    }
    EXPECT_EQ(menu->itemText(127).toStdString(), "Gunshot");
}

TEST_F(SettingsPanelTest, MidiOnlySilencesTheSynthesiserAtOnceAndDisablesTheMenu) {
    QtPianoWidget* window = app.windowKeys();
    QTest::mousePress(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, 60));
    app.clearRecords();

    QTest::mouseClick(settings->outputModeRadios()[0], Qt::LeftButton);
    EXPECT_EQ(app.synthEvents(), (std::vector<Event>{{0x80, 60, 0}}));
    EXPECT_TRUE(app.midiWords().empty());
    EXPECT_FALSE(settings->instrumentPopUp()->isEnabled());
    EXPECT_TRUE(settings->outputModeRadios()[0]->isChecked());
    EXPECT_EQ(app.store().read("outputMode"), DefaultsValue::integer(0));
    EXPECT_TRUE(MIDIOutput::shared().isEnabled());

    QTest::mouseClick(settings->outputModeRadios()[2], Qt::LeftButton);
    EXPECT_TRUE(settings->instrumentPopUp()->isEnabled());
    EXPECT_EQ(app.store().read("outputMode"), DefaultsValue::integer(2));
    EXPECT_EQ(app.synthEvents().size(), 1u) << "held keys sound again only from their next press";

    QTest::mouseRelease(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, 60));
    EXPECT_EQ(app.midiWords(), std::vector<std::uint32_t>{AppHarness::noteOffWord(60)});
}

TEST_F(SettingsPanelTest, SynthesiserOnlySendsNoMoreMidi) {
    QTest::mouseClick(settings->outputModeRadios()[1], Qt::LeftButton);
    EXPECT_FALSE(MIDIOutput::shared().isEnabled());
    EXPECT_TRUE(settings->instrumentPopUp()->isEnabled());
    QtPianoWidget* window = app.windowKeys();
    QTest::mouseClick(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, 62));
    EXPECT_EQ(app.synthEvents(), (std::vector<Event>{{0x90, 62, 127}, {0x80, 62, 0}}));
    EXPECT_TRUE(app.midiWords().empty());
}

TEST_F(SettingsPanelTest, ClickingTheSelectedModeAgainChangesNothingAudible) {
    QtPianoWidget* window = app.windowKeys();
    QTest::mousePress(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, 60));
    app.clearRecords();
    QTest::mouseClick(settings->outputModeRadios()[2], Qt::LeftButton);
    EXPECT_TRUE(settings->outputModeRadios()[2]->isChecked());
    EXPECT_EQ(app.store().read("outputMode"), DefaultsValue::integer(2));
    EXPECT_TRUE(app.synthEvents().empty());
    EXPECT_TRUE(app.midiWords().empty());
    QTest::mouseRelease(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, 60));
}

TEST_F(SettingsPanelTest, ANewInstrumentRestrikesThreeHeldKeysInOrder) {
    QtPianoWidget* strip = app.stripKeys();
    ASSERT_NE(strip, nullptr);
    QTest::touchEvent(strip, AppHarness::touchScreen())
        .press(1, AppHarness::keyPoint(*strip, 67))
        .press(2, AppHarness::keyPoint(*strip, 60))
        .press(3, AppHarness::keyPoint(*strip, 64));
    AppHarness::settle();
    app.clearRecords();

    QTest::keyClick(settings->instrumentPopUp(), Qt::Key_Down);
    EXPECT_EQ(settings->instrumentPopUp()->currentText().toStdString(), "Bright Acoustic Piano");
    EXPECT_EQ(app.store().read("instrument"), DefaultsValue::integer(2));
    EXPECT_EQ(app.synthEvents(), (std::vector<Event>{{0xC0, 1, 0},
                                                     {0x80, 60, 0},
                                                     {0x80, 64, 0},
                                                     {0x80, 67, 0},
                                                     {0x90, 60, 127},
                                                     {0x90, 64, 127},
                                                     {0x90, 67, 127}}));
    using W = AppHarness;
    EXPECT_EQ(app.midiWords(), (std::vector<std::uint32_t>{W::noteOffWord(60), W::noteOffWord(64),
                                                           W::noteOffWord(67), W::noteOnWord(60),
                                                           W::noteOnWord(64), W::noteOnWord(67)}));
    QTest::touchEvent(strip, AppHarness::touchScreen())
        .release(1, AppHarness::keyPoint(*strip, 67))
        .release(2, AppHarness::keyPoint(*strip, 60))
        .release(3, AppHarness::keyPoint(*strip, 64));
}

TEST_F(SettingsPanelTest, KeySizeSliderPostsResizingAroundADragAndWritesRealValues) {
    app::RealSlider* slider = settings->keyWidthSlider();
    std::vector<double> stored;
    DefaultsBinding watch = app.defaults().bind(
        "values.keyWidth", [&](const DefaultsValue& v) { stored.push_back(v.realValue()); });
    stored.clear();

    QTest::mousePress(slider, Qt::LeftButton, {}, knob(slider, 50.0));
    EXPECT_EQ(resizing.started, 1);
    EXPECT_EQ(resizing.ended, 0);
    for (int x = knob(slider, 50.0).x(); x > knob(slider, 30.0).x(); x -= 7) {
        QTest::mouseMove(slider, QPoint(x, slider->height() / 2));
    }
    EXPECT_EQ(resizing.started, 1);
    EXPECT_EQ(resizing.ended, 0);
    ASSERT_GE(stored.size(), 3u);
    EXPECT_LT(stored.back(), 50.0);
    EXPECT_NE(stored.back(), std::round(stored.back())) << "kept as a real number";
    EXPECT_DOUBLE_EQ(app.stripView().keyWidth(), static_cast<float>(stored.back()));
    const DefaultsValue written = app.store().read("keyWidth");
    EXPECT_EQ(written.kind(), DefaultsValue::Kind::real);

    QTest::mouseRelease(slider, Qt::LeftButton, {}, knob(slider, 30.0));
    EXPECT_EQ(resizing.started, 1);
    EXPECT_EQ(resizing.ended, 1);
    EXPECT_DOUBLE_EQ(app.piano().keyWidth(),
                     (std::ceil(0.6 * app.store().read("keyWidth").realValue() + 20) - 20) / 0.6);
}

TEST_F(SettingsPanelTest, OctaveSliderPostsResizingAndScrollsBothKeyboards) {
    app::RealSlider* slider = settings->noteOffsetSlider();
    QTest::mousePress(slider, Qt::LeftButton, {}, knob(slider, 24.0));
    EXPECT_EQ(resizing.started, 1);
    const double stored = app.store().read("noteOffset").realValue();
    EXPECT_NEAR(stored, 24.0, 2.0);
    EXPECT_FLOAT_EQ(app.stripView().noteOffset(), static_cast<float>(stored));
    EXPECT_FLOAT_EQ(app.piano().noteOffset(), static_cast<float>(stored));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, knob(slider, 24.0));
    EXPECT_EQ(resizing.ended, 1);
}

TEST_F(SettingsPanelTest, BlackKeySliderShowsTheTouchZonesWhileHeld) {
    app::RealSlider* slider = settings->blackKeySlider();
    EXPECT_FALSE(app.stripView().showsBlackKeyTouchArea());
    QTest::mousePress(slider, Qt::LeftButton, {}, knob(slider, 0.5));
    EXPECT_TRUE(app.stripView().showsBlackKeyTouchArea());
    QTest::mouseMove(slider, knob(slider, 0.7));
    EXPECT_TRUE(app.stripView().showsBlackKeyTouchArea());
    EXPECT_NEAR(app.stripView().blackKeyTouchArea(), 0.7, 0.05);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, knob(slider, 0.7));
    EXPECT_FALSE(app.stripView().showsBlackKeyTouchArea());
    EXPECT_EQ(resizing.started, 0);
}

TEST_F(SettingsPanelTest, CheckboxWritesGlissandoToTheStrip) {
    QTest::mouseClick(settings->blackKeyGlissandoCheckbox(), Qt::LeftButton);
    EXPECT_EQ(app.store().read("blackKeyGlissando"), DefaultsValue::boolean(true));
    EXPECT_TRUE(app.stripView().blackKeyGlissando());
}

TEST_F(SettingsPanelTest, ChangesFromElsewhereMoveTheControls) {
    app.defaults().setValue(DefaultsValue::real(37.25), "values.keyWidth");
    EXPECT_DOUBLE_EQ(settings->keyWidthSlider()->realValue(), 37.25);
    app.defaults().setValue(DefaultsValue::boolean(true), "values.blackKeyGlissando");
    EXPECT_TRUE(settings->blackKeyGlissandoCheckbox()->isChecked());
    EXPECT_TRUE(app.synthEvents().empty());
}

TEST_F(SettingsPanelTest, HidesWithTheApplicationWithoutForgettingItWasOpen) {
    ASSERT_TRUE(app.panel()->isVisible());
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(app.panel()->isVisible());
    EXPECT_TRUE(app.store().read("settingsVisible").isAbsent());
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(app.panel()->isVisible());
    EXPECT_TRUE(app.store().read("settingsVisible").isAbsent());
}

TEST_F(SettingsPanelTest, AClosedPanelStaysClosedWhenTheApplicationComesBack) {
    app.panel()->close();
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_FALSE(app.panel()->isVisible());
    EXPECT_EQ(app.store().read("settingsVisible"), DefaultsValue::boolean(false));
}

TEST_F(SettingsPanelTest, IgnoresOutputModeTagsItDoesNotKnow) {
    settings->outputModeChanged(3);
    settings->outputModeChanged(-1);
    EXPECT_TRUE(app.store().read("outputMode").isAbsent());
    EXPECT_TRUE(settings->outputModeRadios()[2]->isChecked());
}

} // namespace
} // namespace tinkella
