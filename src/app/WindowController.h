#pragma once

#include "foundation/DefaultsController.h"

#include <QMenuBar>
#include <QObject>
#include <memory>
#include <vector>

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
// The MIDI tab, which the panel does not open on, is made once the windows are shown (or at its
// first use, whichever comes first), so that its controls take no time from the first showing.
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

    // Builds the panel (not shown) after registering the defaults; its tabs send the stored
    // instrument and bind their controls; then the expression is played as stored, the output
    // mode applied, and the piano window created, given mainMenu (when there is one) and shown.
    explicit WindowController(std::unique_ptr<QMenuBar> mainMenu = nullptr);
    ~WindowController() override;
    WindowController(const WindowController&) = delete;
    WindowController& operator=(const WindowController&) = delete;

    QWidget* window() const { return panel_.get(); }
    PianoWindowController* keyboardWindow() const { return keyboardWindow_.get(); }

    // Shows the panel, makes it the active window and brings it to the front.
    void showWindow();
    bool shouldShowSettingsAtLaunch() const;

    // The tabs, for the menu, the tests and the accessibility tree.
    GeneralTab& general() const { return *general_; }
    KeyboardTab& keyboard() const { return *keyboard_; }
    // Makes the MIDI tab if it is not made yet.
    MidiTab& midi();
    // Makes the tabs left for after the windows' first showing; later calls do nothing.
    void makeDeferredTabs();
    QLabel* creditLabel() const { return creditLabel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The credit line over the tabs' bar and their pages; the bar also shows the MIDI tab, whose
    // page is empty until the tab is made.
    void makeContentView(const std::vector<SettingsTab*>& tabs);
    // Fixes the panel's size to what its pages need (see the class comment).
    void fitPanel();
    void settingsPanelWillClose();
    void applicationStateChanged(Qt::ApplicationState state);
    void placePanel();

    DefaultsController& defaults_;
    std::unique_ptr<PianoWindowController> keyboardWindow_;
    std::unique_ptr<QWidget> panel_;
    QLabel* creditLabel_ = nullptr;  // a child of the panel
    std::vector<SettingsTab*> tabs_; // in their order on the bar; children of this object
    GeneralTab* general_ = nullptr;  // the tabs are children of this controller
    KeyboardTab* keyboard_ = nullptr;
    MidiTab* midi_ = nullptr;
    QWidget* midiPage_ = nullptr; // the MIDI tab's place in the panel; a child of the panel
    ExpressionPacer* expressionPacer_ = nullptr; // children of this controller
    ChannelPacer* channelPacer_ = nullptr;
    bool hiddenForDeactivation_ = false;
};

} // namespace tinkella::app
