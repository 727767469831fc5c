#pragma once

#include "app/SettingsTab.h"
#include "foundation/DefaultsController.h"

#include <array>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace tinkella::app {

// The settings panel's "MIDI" tab: the channel the keyboard plays on and its velocity, whether
// the instrument also goes out as program and bank, the pitch-bend and modulation wheels with
// the bend range, the controller knobs, and the keyboard split with its instrument. Each control
// shows its stored setting (clamped into its range) and writes the user's changes; what the
// keyboard does with them is ChannelPacer's, and the piano window's. Main thread only.
class MidiTab final : public SettingsTab {
    Q_OBJECT

public:
    // defaults must outlive the tab.
    MidiTab(DefaultsController& defaults, QObject* parent);

    // The title, for a bar that shows the tab before it is made.
    static QString tabTitle() { return tr("MIDI"); }
    QString title() const override { return tabTitle(); }
    QWidget* page() const override { return page_; }
    QWidget* firstControl() const override;

    // The controls, for the tests and the accessibility tree.
    QSpinBox* channelField() const { return channel_; }
    QSpinBox* velocityField() const { return velocity_; }
    QCheckBox* programCheckbox() const { return program_; }
    QSpinBox* bankField() const { return bank_; }
    QCheckBox* wheelsCheckbox() const { return wheels_; }
    QSpinBox* bendRangeField() const { return bendRange_; }
    QCheckBox* controllersCheckbox() const { return controllers_; }
    QComboBox* splitPopUp() const { return split_; }
    QComboBox* splitInstrumentPopUp() const { return splitInstrument_; }

private:
    QWidget* page_ = nullptr; // owned by the panel once laid out; the controls are its children
    QSpinBox* channel_;
    QSpinBox* velocity_;
    QCheckBox* program_;
    QSpinBox* bank_;
    QCheckBox* wheels_;
    QSpinBox* bendRange_;
    QCheckBox* controllers_;
    QComboBox* split_;           // "None", then the notes; the item's data is the stored value
    QComboBox* splitInstrument_; // the General MIDI programs 1..128
    std::array<DefaultsBinding, 9> bindings_;
};

} // namespace tinkella::app
