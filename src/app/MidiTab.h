#pragma once

#include "app/SettingsTab.h"
#include "foundation/DefaultsController.h"

#include <array>

class QCheckBox;
class QSpinBox;

namespace tinkella::app {

// The settings panel's "MIDI" tab: the channel the keyboard plays on and its velocity, whether
// the instrument also goes out as program and bank, the pitch-bend and modulation wheels with
// the bend range, and the controller knobs. Each control shows its stored setting (clamped into
// its range) and writes the user's changes; what the keyboard does with them is
// ChannelPacer's, and the piano window's. Main thread only.
class MidiTab final : public SettingsTab {
    Q_OBJECT

public:
    // defaults must outlive the tab.
    MidiTab(DefaultsController& defaults, QObject* parent);

    QString title() const override { return tr("MIDI"); }
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

private:
    QWidget* page_ = nullptr; // owned by the panel once laid out; the controls are its children
    QSpinBox* channel_;
    QSpinBox* velocity_;
    QCheckBox* program_;
    QSpinBox* bank_;
    QCheckBox* wheels_;
    QSpinBox* bendRange_;
    QCheckBox* controllers_;
    std::array<DefaultsBinding, 7> bindings_;
};

} // namespace tinkella::app
