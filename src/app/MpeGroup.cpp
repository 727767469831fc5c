#include "app/MpeGroup.h"

#include "app/SettingsTab.h"
#include "model/Preferences.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace tinkella::app {

namespace {

QComboBox* popUp(const QStringList& titles) {
    auto* box = new QComboBox;
    box->addItems(titles);
    return box;
}

QSpinBox* field(const preferences::Setting<int>& setting) {
    auto* box = new QSpinBox;
    box->setRange(setting.minimum, setting.maximum);
    return box;
}

} // namespace

MpeGroup::MpeGroup(DefaultsController& defaults, QObject* parent)
    : QObject(parent), defaults_(defaults), box_(new QGroupBox(tr("MPE"))),
      // In the order of preferences::pitchRoundingNames, timbreNames and mpeZoneNames.
      rounding_(popUp({tr("Off"), tr("Slow"), tr("Medium"), tr("Fast")})),
      timbre_(popUp({tr("Absolute"), tr("Relative")})), zone_(popUp({tr("Lower"), tr("Upper")})),
      bendRange_(field(preferences::mpeBendRange)), members_(field(preferences::mpeMembers)) {
    box_->setObjectName(QStringLiteral("mpe"));
    bendRange_->setToolTip(tr("Pitch-bend range of the member channels, in semitones either way"));
    for (QSpinBox* box : {bendRange_, members_}) {
        box->setKeyboardTracking(false); // a number typed is taken once complete
    }
    rounding_->setToolTip(tr("How fast a resting finger's pitch glides to the centre of its key"));
    timbre_->setToolTip(tr("Controller 74: from where the finger is along the key, or from "
                           "where it touched down"));
    members_->setToolTip(tr("Member channels of the zone"));

    auto* grid = new QGridLayout(box_);
    grid->setContentsMargins(8, 2, 8, 2);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1); // the right-hand pair keeps its size: a word and a number
    for (QWidget* narrow : std::initializer_list<QWidget*>{zone_, members_}) {
        narrow->setFixedWidth(76);
    }
    // Each label names its control for screen readers and is its buddy.
    const auto labelled = [grid](const QString& title, QWidget* control, int row, int column) {
        auto* label = new QLabel(title);
        label->setBuddy(control);
        SettingsTab::describe(control, title, control->toolTip());
        grid->addWidget(label, row, column);
    };
    labelled(tr("Pitch rounding"), rounding_, 0, 0);
    grid->addWidget(rounding_, 0, 1, 1, 3);
    labelled(tr("Timbre"), timbre_, 1, 0);
    grid->addWidget(timbre_, 1, 1);
    labelled(tr("Zone"), zone_, 1, 2);
    grid->addWidget(zone_, 1, 3);
    labelled(tr("Bend range"), bendRange_, 2, 0);
    grid->addWidget(bendRange_, 2, 1);
    labelled(tr("Members"), members_, 2, 2);
    grid->addWidget(members_, 2, 3);
    box_->setFixedHeight(height);

    using namespace preferences;
    const auto choice = [this](QComboBox* box, const ChoiceSetting& setting, std::size_t at) {
        connect(box, &QComboBox::activated, this, [this, &setting](int index) {
            defaults_.setObject(setting.valueOf(static_cast<std::size_t>(index)), setting);
        });
        bindings_[at] = bind(defaults_, setting, [box](std::size_t index) {
            box->setCurrentIndex(static_cast<int>(index));
        });
    };
    const auto number = [this](QSpinBox* box, const Setting<int>& setting, std::size_t at) {
        connect(box, &QSpinBox::valueChanged, this, [this, &setting](int value) {
            defaults_.setObject(DefaultsValue::integer(value), setting);
        });
        bindings_[at] = bind<int>(defaults_, setting, [box](int value) {
            const QSignalBlocker quiet(box);
            box->setValue(value);
        });
    };
    choice(rounding_, pitchRounding, 0);
    choice(timbre_, timbre, 1);
    choice(zone_, mpeZone, 2);
    number(bendRange_, mpeBendRange, 3);
    number(members_, mpeMembers, 4);
    bindings_[5] = defaults_.bind(keyPath(expression.key), [this](const DefaultsValue& stored) {
        box_->setEnabled(expression.decode(stored) == "mpe");
    });
}

} // namespace tinkella::app
