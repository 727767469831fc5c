// The application started in its launch order on the test doubles: the first launch, later
// launches from stored settings (good and odd), the panel's controls and its menu command.
#include "adapters/qt/QtSettingsStore.h"
#include "app/AppHarness.h"
#include "app/KeyboardTab.h"
#include "app/MidiTab.h"
#include "app/RealSlider.h"
#include "app/SoundFontChooser.h"
#include "hosting/ControllerKnobs.h"
#include "hosting/QtStripWindow.h"
#include "hosting/QtWheelWidget.h"
#include "interfaces/MidiMessage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <regex>

namespace tinkella {
namespace {

using testing::AppHarness;

// Launches app, or skips the test when it cannot observe the outputs. A macro, so that the skip
// returns from the test's own body rather than from a helper's.
#define LAUNCH_OR_SKIP(app)                                                                        \
    if ((app).launch(), !(app).hasDoubles())                                                       \
    GTEST_SKIP() << "the shared outputs were made before the doubles; run this test in a "         \
                    "process of its own (ctest does)"

// Absurd stored values (a key width of 1e300 and an offset of -inf once drew both keyboards
// blank) reach every view clamped and stay stored as they were.
TEST(StartupTest, StoredSettingsReachTheControlsAndOddOnesFallBackToTheDefaults) {
    using V = DefaultsValue;
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        struct {
            int program;
            double keyWidth;
            float noteOffset;
            bool midiOnly, glissando;
        } shown;
        DefaultsController::Defaults stored;
    } cases[] = {
        {{40, 37.25, 12.0F, true, true},
         {{"instrument", V::integer(41)},
          {"keyWidth", V::real(37.25)},
          {"noteOffset", V::real(12.0)},
          {"blackKeyGlissando", V::boolean(true)},
          {"outputMode", V::integer(0)}}},
        {{0, 90.5, 60.0F, false, false},
         {{"instrument", V::text("oboe")},
          {"keyWidth", V::real(1e300)},
          {"noteOffset", V::real(-inf)},
          {"outputMode", V::integer(7)}}},
    };
    for (const auto& [c, stored] : cases) {
        AppHarness app(stored);
        LAUNCH_OR_SKIP(app);
        EXPECT_EQ(app.lastProgram(), c.program);
        EXPECT_DOUBLE_EQ(app.stripView().keyWidth(), c.keyWidth);
        EXPECT_DOUBLE_EQ(app.settings().general().keyWidthSlider()->realValue(), c.keyWidth);
        EXPECT_FLOAT_EQ(app.stripView().noteOffset(), c.noteOffset);
        EXPECT_FLOAT_EQ(app.piano().noteOffset(), c.noteOffset);
        EXPECT_EQ(app.stripView().blackKeyGlissando(), c.glissando);
        EXPECT_EQ(app.settings().general().blackKeyGlissandoCheckbox()->isChecked(), c.glissando);
        EXPECT_TRUE(app.settings().general().outputModeRadios()[c.midiOnly ? 0 : 2]->isChecked());
        EXPECT_EQ(PianoController::sharedInstance().soundController().isMuted(), c.midiOnly);
        EXPECT_GT(app.piano().pianoWidget()->width(), 0);
        for (const auto& [key, value] : stored) {
            EXPECT_EQ(app.store().read(key).toString(), value.toString()) << key;
        }
    }
}

// The MIDI tab shows the stored channel, velocity and program out; the stored wheels and knobs
// are shown and play on that channel; a new listener hears the instrument again; a wheel
// dragged with the mouse bends and springs back to the centre exactly.
TEST(StartupTest, TheMidiTabsSettingsPlayOnTheStoredChannelAndReachANewListener) {
    using V = DefaultsValue;
    AppHarness app({{"midiChannel", V::integer(5)},
                    {"velocity", V::integer(90)},
                    {"sendProgram", V::boolean(true)},
                    {"instrument", V::integer(41)},
                    {"showWheels", V::boolean(true)},
                    {"showControllers", V::boolean(true)}});
    LAUNCH_OR_SKIP(app);
    app.panel()->show();
    app.panel()->findChild<QTabBar*>()->setCurrentIndex(2); // the MIDI tab, chosen on the bar
    const app::MidiTab& tab = app.settings().midi();
    EXPECT_TRUE(tab.channelField()->isVisibleTo(app.panel()));
    EXPECT_EQ(std::tuple(tab.channelField()->value(), tab.velocityField()->value(),
                         tab.programCheckbox()->isChecked(), tab.bendRangeField()->value()),
              std::tuple(5, 90, true, 2));
    const auto sent = [&app](std::uint32_t word) {
        const std::vector<std::uint32_t>& words = app.doubles->midi->sent;
        return std::count(words.begin(), words.end(), word);
    };
    const std::uint32_t violin = ump::midi1Word(0xC4, 40, 0);
    EXPECT_EQ(sent(violin), 1);
    EXPECT_EQ(sent(ump::controlChangeWord(7, 100, 4)), 1); // the volume knob
    app.doubles->midi->queueChange(MidiChange::connections);
    MIDIOutput::shared().dispatchNotifications();
    QTest::qWait(200);
    EXPECT_EQ(sent(violin), 2);

    QtWheelWidget* pitch = app.piano().wheel(0);
    ASSERT_TRUE(pitch->isVisible() && app.piano().knobs().row()->isVisible());
    const QPoint middle(pitch->width() / 2, pitch->height() / 2);
    QTest::mousePress(pitch, Qt::LeftButton, {}, middle);
    QTest::mouseMove(pitch, middle - QPoint(0, pitch->height()));
    EXPECT_EQ(app.doubles->midi->sent.back(), ump::midi1Word(0xE4, 127, 127));
    QTest::mouseRelease(pitch, Qt::LeftButton, {}, middle - QPoint(0, pitch->height()));
    EXPECT_EQ(app.doubles->midi->sent.back(), ump::midi1Word(0xE4, 0, 64));
}

// The first launch publishes MIDI before the synthesiser starts and writes no default.
TEST(StartupTest, FirstLaunchWritesNothingThePanelStaysClosedOnlyWhenClosed) {
    DefaultsController::Defaults kept;
    {
        AppHarness app;
        LAUNCH_OR_SKIP(app);
        EXPECT_TRUE(app.doubles->madeMidiFirst);
        for (const auto& [key, value] : preferences::registeredDefaults()) {
            EXPECT_TRUE(app.store().read(key).isAbsent()) << key;
        }
        app.panel()->close();
        EXPECT_EQ(app.store().read(preferences::settingsVisible), DefaultsValue::boolean(false));
        for (QAction* action : app.piano().window()->findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("Settings\u2026")) {
                action->trigger();
            }
        }
        EXPECT_TRUE(app.panel()->isVisible());
        app.panel()->close();
        kept = static_cast<InMemoryDefaultsStore&>(app.store()).values();
    }
    AppHarness next(kept);
    LAUNCH_OR_SKIP(next);
    EXPECT_FALSE(next.panel()->isVisible());
}

// Each slider writes real values while dragged; the two that resize the keyboards label them
// during the drag, and the touch-area slider shows the zones while held.
TEST(StartupTest, PanelControlsWriteWhileDraggedAndShowWhatTheyChange) {
    AppHarness app;
    LAUNCH_OR_SKIP(app);
    for (app::RealSlider* slider :
         {app.settings().general().keyWidthSlider(), app.settings().general().noteOffsetSlider(),
          app.settings().general().blackKeySlider()}) {
        const auto at = [slider](double fraction) {
            return QPoint(8 + static_cast<int>(fraction * (slider->width() - 16)),
                          slider->height() / 2);
        };
        QtPianoWidget& strip = dynamic_cast<QtStripWindow&>(*app.piano().strip()).pianoWidget();
        const QImage before = strip.grab().toImage();
        QTest::mousePress(slider, Qt::LeftButton, {}, at(0.5));
        EXPECT_NE(strip.grab().toImage(), before);
        const bool zones = slider == app.settings().general().blackKeySlider();
        EXPECT_EQ(app.stripView().showsBlackKeyTouchArea(), zones);
        EXPECT_EQ(app.stripView().showsOctaveNumber(), !zones);
        QTest::mouseMove(slider, at(0.3));
        QTest::mouseRelease(slider, Qt::LeftButton, {}, at(0.3));
        EXPECT_FALSE(app.stripView().showsBlackKeyTouchArea() ||
                     app.stripView().showsOctaveNumber());
        EXPECT_NEAR(slider->realValue(),
                    slider->realMinimum() + 0.3 * (slider->realMaximum() - slider->realMinimum()),
                    0.05 * slider->realMaximum());
    }
}

// The mouse is one more finger on the strip. With MPE its slide bends, every time, but no sooner
// than a period after the last bend (a long period here, so that a loaded machine cannot blur it);
// each move here rests nearest another key, and pitch rounding takes the last to its key's centre.
TEST(StartupTest, TheMouseIsOneMoreFingerOnTheStripItsSlidesBendOnceAPeriod) {
    AppHarness app;
    LAUNCH_OR_SKIP(app);
    app.doubles->audio->periodMilliseconds = 500;
    app.settings().keyboard().expressionChanged(1);
    QtPianoWidget& strip = dynamic_cast<QtStripWindow&>(*app.piano().strip()).pianoWidget();
    const auto playing = [] {
        const auto& keys = PianoController::sharedInstance().keys();
        return std::count_if(keys.begin(), keys.end(), [](const PianoKey& k) { return k.playing; });
    };
    const QPoint at(strip.width() / 2, strip.height() / 4);
    QTest::mousePress(&strip, Qt::LeftButton, {}, at);
    EXPECT_EQ(playing(), 1);
    std::vector<std::uint32_t>& sent = app.doubles->midi->sent;
    for (const int x : {30, 90, 140}) {
        QMouseEvent drag(QEvent::MouseMove, at + QPoint(x, 0), strip.mapToGlobal(at + QPoint(x, 0)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        sent.clear();
        QCoreApplication::sendEvent(&strip, &drag);
        QCoreApplication::processEvents();
        EXPECT_TRUE(x == 30 || sent.empty()) << "sooner than a period after the last bend";
        ASSERT_TRUE(QTest::qWaitFor([&sent] { return !sent.empty(); })) << x;
        EXPECT_EQ(std::tuple(sent.size(), ump::statusByte(sent[0])), std::tuple(1U, 0xE1)) << x;
    }
    EXPECT_TRUE(QTest::qWaitFor([&sent] { // resting, it ends on a key: 5 semitones up
        return ump::data1(sent.back()) + (ump::data2(sent.back()) << 7) == 9045;
    }));
    QTest::mouseRelease(&strip, Qt::LeftButton, {}, at + QPoint(140, 0));
    app.settings().keyboard().expressionChanged(0);
    EXPECT_EQ(playing(), 0);
    QTest::mousePress(&strip, Qt::LeftButton, {}, at);
    strip.window()->hide();
    EXPECT_EQ(playing(), 0);
}

// Every menu command but Quit runs at launch, modal boxes dismissed, leaving nothing sounding.
TEST(StartupTest, EveryMenuCommandRunsAndLeavesNothingSounding) {
    AppHarness app;
    LAUNCH_OR_SKIP(app);
    for (QMenu* menu : app.piano().window()->menuBar()->findChildren<QMenu*>()) {
        emit menu->aboutToShow(), menu->aboutToShow(); // fills, then refills the window list
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QAction* action : app.piano().window()->menuBar()->findChildren<QAction*>()) {
        if (action->menu() != nullptr || action->isSeparator() ||
            action->text().startsWith("Quit")) {
            continue;
        }
        QTimer::singleShot(0, [] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                box->close();
            }
        });
        action->trigger();
    }
    for (const PianoKey& key : PianoController::sharedInstance().keys()) {
        EXPECT_FALSE(key.playing) << key.note;
    }
}

// A chosen font is loaded again at the next launch; a bad one, chosen or stored, changes neither
// the font playing nor the stored choice, and says so in one line (standard error and panel).
TEST(StartupTest, TheSoundFontChoiceSurvivesARestartAndABadOneChangesNothing) {
    const QTemporaryDir dir;
    const QString file = dir.filePath("Tinkella.conf");
    const std::string good = "/fonts/My Piano, grand.sf3", bad = "/fonts/gone.sf2";
    const std::regex naming("gone"); // lines naming the bad file, among Qt's own
    const auto lines = [&naming](const std::string& text) {
        return std::distance(std::sregex_iterator(text.begin(), text.end(), naming), {});
    };
    for (const std::string& chosen : {good, bad}) {
        AppHarness app(std::make_unique<QtSettingsStore>(file));
        LAUNCH_OR_SKIP(app);
        app::SoundFontChooser& fonts = app.settings().general().soundFontChooser();
        app.doubles->audio->unloadableFont = bad;
        ::testing::internal::CaptureStderr();
        fonts.choose(chosen);
        EXPECT_EQ(lines(::testing::internal::GetCapturedStderr()), chosen == good ? 0 : 1);
        EXPECT_EQ(fonts.current(), good);
        EXPECT_EQ(fonts.status()->text().isEmpty(), chosen == good);
        EXPECT_EQ(app.store().read("soundFont"), DefaultsValue::text(good));
        EXPECT_EQ(app.doubles->audio->soundFonts.back(), chosen);
        app.store().flush();
    }
    AppHarness app({{"soundFont", DefaultsValue::text(bad)}});
    app.doubles->audio->unloadableFont = bad;
    ::testing::internal::CaptureStderr();
    LAUNCH_OR_SKIP(app);
    EXPECT_EQ(lines(::testing::internal::GetCapturedStderr()), 1);
    EXPECT_EQ(app.settings().general().soundFontChooser().current(), "");
    EXPECT_EQ(app.store().read("soundFont"), DefaultsValue::text(bad));
    // The velocity box reaches both views; a cancelled file dialog changes nothing.
    app.settings().general().velocityCheckbox()->click();
    EXPECT_TRUE(app.stripView().velocityFromTouch() &&
                app.piano().pianoView()->velocityFromTouch());
    QComboBox* popUp = app.settings().general().soundFontChooser().popUp();
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    popUp->activated(popUp->count() - 1);
    EXPECT_EQ(popUp->currentIndex(), 1);
    popUp->activated(0);
    EXPECT_EQ(app.store().read("soundFont"), DefaultsValue::text(""));
}

} // namespace
} // namespace tinkella
