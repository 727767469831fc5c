#pragma once

#include "foundation/DefaultsController.h"

#include <QMenuBar>
#include <QObject>
#include <array>
#include <memory>

class QEvent;
class QLabel;
class QWidget;

namespace tinkella {
class PianoWindowController;
}

namespace tinkella::app {

class ChannelPacer;
class ExpressionPacer;
class GeneralTab;
class KeyboardTab;
class MidiTab;
class SettingsTab;

// The settings panel and the wiring it is responsible for: registers the preference defaults,
// puts the panel together from its tabs (each binding its own controls), has the expression
// setting and the player's channel's settings played (ExpressionPacer, ChannelPacer), applies
// the output mode to both outputs, and creates and owns the piano window, to which it hands the
// strip's piano view.
//
// The Keyboard and MIDI tabs, which the panel does not open on, are made once the windows are
// shown (or at their first use, whichever comes first), so that their controls take no time from
// the first showing.
//
// The panel is a fixed-size utility window titled "Settings" (380 × 385 points in English,
// taller and up to 420 wide in a language that needs it): the credit
// line over the tabs' bar and the page of the tab chosen. It hides while the application is
// inactive and comes back when it is active again, and writes false under "settingsVisible"
// only when the user closes it. Uses the shared defaults controller, keyboard model, MIDI
// output and strip controller. Main thread only.
class WindowController : public QObject {
    Q_OBJECT

public:
    static constexpr int panelWidth = 380;  // points
    static constexpr int panelHeight = 385; // points, the content's fitting height
    // The widest the panel grows for a language whose texts need more room than English.
    static constexpr int maxPanelWidth = 420;
    // Bottom-left corner of the panel's content, from the bottom-left of the primary screen.
    static constexpr int panelLeft = 1183;
    static constexpr int panelBottom = 132;
    static constexpr const char* creditLine =
        QT_TRANSLATE_NOOP("tinkella::app::WindowController", "Tinkella by Quorvin");

    // After registering the defaults, creates the piano window, gives it mainMenu (when there
    // is one) and shows it; then builds the panel (not shown), whose General tab sends the stored
    // instrument and binds its controls, has the expression played as stored and applies the
    // output mode.
    explicit WindowController(std::unique_ptr<QMenuBar> mainMenu = nullptr);
    ~WindowController() override;
    WindowController(const WindowController&) = delete;
    WindowController& operator=(const WindowController&) = delete;

    QWidget* window() const { return panel_.get(); }
    PianoWindowController* keyboardWindow() const { return keyboardWindow_.get(); }

    // Shows the panel, makes it the active window and brings it to the front.
    void showWindow();
    bool shouldShowSettingsAtLaunch() const;

    // The tabs, for the menu, the tests and the accessibility tree; keyboard() and midi() make
    // their tab if it is not made yet.
    GeneralTab& general() const { return *general_; }
    KeyboardTab& keyboard();
    MidiTab& midi();
    // Makes the tabs left for after the windows' first showing; later calls do nothing.
    void makeDeferredTabs();
    QLabel* creditLabel() const { return creditLabel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The tabs' places in the panel, in their order on the bar.
    enum Page : std::size_t { generalPage, keyboardPage, midiPage, pageCount };

    // The credit line over the tabs' bar and their pages; the bar shows every tab, the pages of
    // those not made yet empty.
    void makeContentView();
    // Puts a tab made later in its place, fitting the panel to it.
    void placeTab(std::size_t index, SettingsTab* tab);
    // Fixes the panel's size to what its pages need (see the class comment).
    void fitPanel();
    void settingsPanelWillClose();
    void applicationStateChanged(Qt::ApplicationState state);
    void placePanel();

    DefaultsController& defaults_;
    std::unique_ptr<PianoWindowController> keyboardWindow_;
    std::unique_ptr<QWidget> panel_;
    QLabel* creditLabel_ = nullptr; // a child of the panel
    // The tabs by Page, null until made; children of this controller.
    std::array<SettingsTab*, pageCount> tabs_{};
    GeneralTab* general_ = nullptr;
    KeyboardTab* keyboard_ = nullptr;
    MidiTab* midi_ = nullptr;
    // The places of the tabs made later in the panel's stack of pages; children of the panel.
    std::array<QWidget*, pageCount> places_{};
    ExpressionPacer* expressionPacer_ = nullptr; // children of this controller
    ChannelPacer* channelPacer_ = nullptr;
    bool hiddenForDeactivation_ = false;
};

} // namespace tinkella::app
