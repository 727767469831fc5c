#pragma once

#include "app/SettingsTab.h"
#include "foundation/DefaultsController.h"
#include "model/Preferences.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace tinkella::app {

class RealSlider;
class SoundFontChooser;

// The settings panel's "General" tab, its rows as they always were: the instrument and sound
// font of the built-in synthesiser, the octave, the key size and the strip's black-key touch
// area, glissando over black keys and velocity from touch, and the output mode. It sends the
// stored instrument to the synthesiser when made and every one chosen (held keys restart with
// it), and applies the output mode to both outputs on every choice and on applyOutputMode().
// Uses the shared keyboard model, MIDI output, notification centre and strip controller.
class GeneralTab final : public SettingsTab {
    Q_OBJECT

public:
    static constexpr const char* explanatoryText = QT_TRANSLATE_NOOP(
        "tinkella::app::GeneralTab", "Tinkella can control GarageBand and other apps");

    // defaults must outlive the tab.
    GeneralTab(DefaultsController& defaults, QObject* parent);

    QString title() const override { return tr("General"); }
    QWidget* firstControl() const override;
    QWidget* page() const override { return page_; }

    // The controls, for the menu, the tests and the accessibility tree.
    QComboBox* instrumentPopUp() const { return instrumentPopUp_; }
    RealSlider* blackKeySlider() const { return blackKeySlider_; }
    RealSlider* keyWidthSlider() const { return keyWidthSlider_; }
    RealSlider* noteOffsetSlider() const { return noteOffsetSlider_; }
    QCheckBox* blackKeyGlissandoCheckbox() const { return blackKeyGlissandoCheckbox_; }
    QCheckBox* velocityCheckbox() const { return velocityCheckbox_; }
    SoundFontChooser& soundFontChooser() const { return *soundFontChooser_; }
    const std::array<QRadioButton*, 3>& outputModeRadios() const { return outputModeRadios_; }
    QLabel* explanatoryNote() const { return explanatoryNote_; }

    OutputMode currentOutputMode() const;
    // The stored output mode to both outputs: MIDI switched off for the synthesiser alone, the
    // synthesiser muted (and its pop-ups disabled) for MIDI alone.
    void applyOutputMode();

    // The actions. The slider ones take the phase of the user's gesture that caused them.
    enum class SliderPhase { pressed, moved, released };
    void instrumentChanged();
    void blackKeySliderChanged(SliderPhase phase);
    void keyWidthSliderChanged(SliderPhase phase);
    void noteOffsetSliderChanged(SliderPhase phase);
    void blackKeyGlissandoChanged() {}
    // tag: the clicked radio button's tag; anything but 0, 1 and 2 is ignored.
    void outputModeChanged(int tag);

private:
    void configureControls();
    void makePage();
    void bindControls();
    // The control shows the setting's decoded value and writes the user's changes to it.
    DefaultsBinding bindSlider(RealSlider* slider, const preferences::Setting<double>& setting,
                               BindingOptions options);
    void syncOutputModeRadios();

    DefaultsController& defaults_;
    QWidget* page_ = nullptr; // owned by the panel once laid out
    // The controls are children of the page.
    QComboBox* instrumentPopUp_ = nullptr;
    RealSlider* blackKeySlider_ = nullptr;
    RealSlider* keyWidthSlider_ = nullptr;
    RealSlider* noteOffsetSlider_ = nullptr;
    QCheckBox* blackKeyGlissandoCheckbox_ = nullptr;
    QCheckBox* velocityCheckbox_ = nullptr;
    SoundFontChooser* soundFontChooser_ = nullptr; // a child of this tab
    std::array<QRadioButton*, 3> outputModeRadios_{};
    QButtonGroup* outputModeGroup_ = nullptr;
    QLabel* explanatoryNote_ = nullptr;
    std::array<DefaultsBinding, 5> bindings_;
};

} // namespace tinkella::app
