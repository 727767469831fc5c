#pragma once

#include "foundation/DefaultsController.h"

#include <QObject>
#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QSpinBox;
class QWidget;

namespace tinkella::app {

// The settings panel's "Keyboard" group: key names, transposition, the scale shown on the keys
// and its root, and whether the chord played is named. Each control shows its setting's decoded
// value (a value stored out of range shows clamped) and writes what the user picks. The group
// box is handed to the panel's layout, which owns it. Main thread only.
class KeyboardAidsGroup : public QObject {
    Q_OBJECT

public:
    // Height of the group in points, for the panel's fixed size.
    static constexpr int height = 150;

    explicit KeyboardAidsGroup(DefaultsController& defaults, QObject* parent = nullptr);

    QGroupBox* box() const { return box_; }
    QComboBox* keyLabelsPopUp() const { return keyLabels_; }
    QSpinBox* transposeField() const { return transpose_; }
    QComboBox* scalePopUp() const { return scale_; }
    QComboBox* scaleRootPopUp() const { return scaleRoot_; }
    QCheckBox* chordCheckbox() const { return chord_; }
    // The group's controls in their order on the page, for the tab order.
    std::vector<QWidget*> controls() const;

private:
    DefaultsController& defaults_;
    QGroupBox* box_;
    QComboBox* keyLabels_;
    QSpinBox* transpose_;
    QComboBox* scale_;
    QComboBox* scaleRoot_;
    QCheckBox* chord_;
    std::array<DefaultsBinding, 5> bindings_;
};

} // namespace tinkella::app
