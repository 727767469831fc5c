#pragma once

#include "foundation/DefaultsController.h"
#include "model/PlayerChannel.h"

#include <QObject>
#include <QString>
#include <array>

class QDial;
class QLabel;
class QPoint;
class QWidget;

namespace tinkella {

// The row of eight controller knobs above the piano window's keys. Each knob shows its stored
// value ("knob<n>Value") and writes the user's turns to it, and names its controller
// ("knob<n>Controller") under it; its context menu (a right click, or the menu key while it
// has the focus) chooses another from the named controllers or by number. What the settings
// do is the keyboard model's (the settings panel's ChannelPacer plays them). Tab reaches each
// knob; Up / Down and Page Up / Page Down turn it. Main thread only.
class ControllerKnobs : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t count = PlayerChannel::knobCount;

    // defaults must outlive the knobs.
    explicit ControllerKnobs(DefaultsController& defaults, QObject* parent = nullptr);

    // The row, for the window's layout, which owns it from then on.
    QWidget* row() const { return row_; }
    QDial* knob(std::size_t index) const { return knobs_[index].dial; }
    QLabel* caption(std::size_t index) const { return knobs_[index].caption; }
    // A controller's name for a caption, translated: "Volume", or "CC 3" for one without.
    static QString controllerName(int controller);
    // Stores controller (when a knob may send it, isKnobController()) for knob index.
    void chooseController(std::size_t index, int controller);

private:
    struct Knob {
        QDial* dial = nullptr;
        QLabel* caption = nullptr;
        int controller = 0;
    };
    void showMenu(std::size_t index, const QPoint& global);
    void describe(std::size_t index);

    DefaultsController& defaults_;
    QWidget* row_;
    std::array<Knob, count> knobs_;
    std::array<DefaultsBinding, 2 * count> bindings_;
};

} // namespace tinkella
