#pragma once

#include "foundation/DefaultsController.h"
#include "model/Preferences.h"

#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <array>
#include <memory>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QEvent;
class QLabel;
class QLayout;
class QRadioButton;
class QTimer;
class QWidget;

namespace tinkella {
class PianoWindowController;
}

namespace tinkella::app {

class ExpressionPacer;
class KeyboardAidsGroup;
class RealSlider;
class SoundFontChooser;

// The settings panel and the wiring it is responsible for: registers the preference defaults,
// binds the panel's controls to them, sends the stored instrument to the synthesiser, applies
// the output mode to both outputs, and creates and owns the piano window, to which it hands
// the strip's piano view.
//
// The panel is a fixed-size utility window titled "Settings" (380 × 385 points); it hides while
// the application is inactive and comes back when it is active again, and writes false under
// "settingsVisible" only when the user closes it. Uses the shared defaults controller, keyboard
// model, MIDI output, notification centre and strip controller. Main thread only.
class WindowController : public QObject {
    Q_OBJECT

public:
    static constexpr int panelWidth = 380;  // points
    static constexpr int panelHeight = 385; // points, the content's fitting height
    // Bottom-left corner of the panel's content, from the bottom-left of the primary screen.
    static constexpr int panelLeft = 1183;
    static constexpr int panelBottom = 132;
    static constexpr const char* creditLine = "Tinkella by Quorvin";
    static constexpr const char* explanatoryText = "Tinkella can control GarageBand and other apps";

    // Builds the panel (not shown), registers the defaults, sends the stored instrument, binds
    // the controls, applies the output mode, then creates the piano window, gives it mainMenu
    // (when there is one) and shows it.
    explicit WindowController(std::unique_ptr<QMenuBar> mainMenu = nullptr);
    ~WindowController() override;
    WindowController(const WindowController&) = delete;
    WindowController& operator=(const WindowController&) = delete;

    QWidget* window() const { return panel_.get(); }
    PianoWindowController* keyboardWindow() const { return keyboardWindow_.get(); }

    // Shows the panel, makes it the active window and brings it to the front.
    void showWindow();
    bool shouldShowSettingsAtLaunch() const;
    OutputMode currentOutputMode() const;

    // The controls, for the menu, the tests and the accessibility tree.
    QComboBox* instrumentPopUp() const { return instrumentPopUp_; }
    RealSlider* blackKeySlider() const { return blackKeySlider_; }
    RealSlider* keyWidthSlider() const { return keyWidthSlider_; }
    RealSlider* noteOffsetSlider() const { return noteOffsetSlider_; }
    QCheckBox* blackKeyGlissandoCheckbox() const { return blackKeyGlissandoCheckbox_; }
    QCheckBox* velocityCheckbox() const { return velocityCheckbox_; }
    SoundFontChooser& soundFontChooser() const { return *soundFontChooser_; }
    // "Off" (index 0) or "MPE" (index 1).
    QComboBox* expressionPopUp() const { return expressionPopUp_; }
    const std::array<QRadioButton*, 3>& outputModeRadios() const { return outputModeRadios_; }
    QLabel* explanatoryNote() const { return explanatoryNote_; }
    QLabel* creditLabel() const { return creditLabel_; }
    KeyboardAidsGroup& keyboardAids() const { return *keyboardAids_; }

    // The actions. The slider ones take the phase of the user's gesture that caused them.
    enum class SliderPhase { pressed, moved, released };
    void instrumentChanged();
    void blackKeySliderChanged(SliderPhase phase);
    void keyWidthSliderChanged(SliderPhase phase);
    void noteOffsetSliderChanged(SliderPhase phase);
    void blackKeyGlissandoChanged() {}
    // tag: the clicked radio button's tag; anything but 0, 1 and 2 is ignored.
    void outputModeChanged(int tag);
    // index: the expression pop-up's item (0 off, 1 MPE).
    void expressionChanged(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void configureControls();
    QLayout* makeContentView();
    // The credit line over two tabs: the general settings and the keyboard group.
    QLayout* makeTabs(QLayout* general);
    QLayout* makeRow(const QString& label, QWidget* control, int width);
    void bindControls();
    // The control shows the setting's decoded value and writes the user's changes to it.
    DefaultsBinding bindSlider(RealSlider* slider, const preferences::Setting<double>& setting,
                               BindingOptions options);
    DefaultsBinding bindCheckbox(QCheckBox* checkbox, const preferences::Setting<bool>& setting);
    // Shows the stored expression in its pop-up and has it played (ExpressionPacer).
    void bindExpression();
    void syncOutputModeRadios();
    void applyOutputMode();
    void settingsPanelWillClose();
    void applicationStateChanged(Qt::ApplicationState state);
    void placePanel();

    DefaultsController& defaults_;
    std::unique_ptr<PianoWindowController> keyboardWindow_;
    std::unique_ptr<QWidget> panel_;
    // The controls are children of the panel.
    QComboBox* instrumentPopUp_ = nullptr;
    RealSlider* blackKeySlider_ = nullptr;
    RealSlider* keyWidthSlider_ = nullptr;
    RealSlider* noteOffsetSlider_ = nullptr;
    QCheckBox* blackKeyGlissandoCheckbox_ = nullptr;
    QCheckBox* velocityCheckbox_ = nullptr;
    SoundFontChooser* soundFontChooser_ = nullptr; // a child of this controller
    std::array<QRadioButton*, 3> outputModeRadios_{};
    QButtonGroup* outputModeGroup_ = nullptr;
    QLabel* explanatoryNote_ = nullptr;
    QLabel* creditLabel_ = nullptr;
    QComboBox* expressionPopUp_ = nullptr;
    ExpressionPacer* expressionPacer_ = nullptr; // a child of this controller
    KeyboardAidsGroup* keyboardAids_ = nullptr;  // a child of this controller
    std::array<DefaultsBinding, 6> bindings_;
    bool hiddenForDeactivation_ = false;
};

} // namespace tinkella::app
