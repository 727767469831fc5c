#pragma once

#include "foundation/DefaultsController.h"

#include <QObject>
#include <array>

class QComboBox;
class QGroupBox;
class QSpinBox;

namespace tinkella::app {

// The settings panel's "MPE" group, under Expression on the Keyboard tab: pitch rounding, timbre
// (controller 74), the member channels' bend range, the zone and its number of member channels.
// It is enabled only while Expression is MPE. Each control shows its setting's decoded value (a
// value stored out of range shows clamped) and writes what the user picks; what the keyboard does
// with them is ExpressionPacer's. The group box is handed to the panel's layout, which owns it.
// Main thread only.
class MpeGroup : public QObject {
    Q_OBJECT

public:
    // Height of the group in points, for the panel's fixed size.
    static constexpr int height = 104;

    explicit MpeGroup(DefaultsController& defaults, QObject* parent = nullptr);

    QGroupBox* box() const { return box_; }
    QComboBox* pitchRoundingPopUp() const { return rounding_; }
    QComboBox* timbrePopUp() const { return timbre_; }
    QComboBox* zonePopUp() const { return zone_; }
    QSpinBox* bendRangeField() const { return bendRange_; }
    QSpinBox* membersField() const { return members_; }

private:
    DefaultsController& defaults_;
    QGroupBox* box_;
    QComboBox* rounding_;
    QComboBox* timbre_;
    QComboBox* zone_;
    QSpinBox* bendRange_;
    QSpinBox* members_;
    std::array<DefaultsBinding, 6> bindings_;
};

} // namespace tinkella::app
