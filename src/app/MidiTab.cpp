#include "app/MidiTab.h"

#include "model/NoteNames.h"
#include "model/Preferences.h"
#include "outputs/SoundController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWidget>

namespace tinkella::app {

namespace {

// Shows the setting's decoded value as the item with that data; the user's choice writes it.
DefaultsBinding bindPopUp(DefaultsController& defaults, QComboBox* popUp,
                          const preferences::Setting<int>& setting) {
    QObject::connect(popUp, &QComboBox::activated, popUp, [&defaults, popUp, &setting](int index) {
        defaults.setObject(DefaultsValue::integer(popUp->itemData(index).toInt()), setting);
    });
    return preferences::bind<int>(defaults, setting, [popUp](int value) {
        const QSignalBlocker quiet(popUp);
        popUp->setCurrentIndex(popUp->findData(value));
    });
}

} // namespace

MidiTab::MidiTab(DefaultsController& defaults, QObject* parent)
    : SettingsTab(parent), channel_(new QSpinBox), velocity_(new QSpinBox),
      program_(new QCheckBox(tr("Send the instrument as program and bank"))), bank_(new QSpinBox),
      wheels_(new QCheckBox(tr("Show pitch-bend and modulation wheels"))), bendRange_(new QSpinBox),
      controllers_(new QCheckBox(tr("Show controller knobs"))), split_(new QComboBox),
      splitInstrument_(new QComboBox) {
    split_->addItem(tr("None"), -1);
    for (int note = 0; note <= 127; ++note) {
        split_->addItem(QString::fromStdString(noteName(note, false)), note);
    }
    const SoundController::InstrumentTable& names = SoundController::instruments();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i]) {
            splitInstrument_->addItem(QString::fromStdString(*names[i]), static_cast<int>(i));
        }
    }
    split_->setToolTip(tr("The keys below this note play the split instrument: with MPE off on "
                          "the channel after yours, with MPE on in the lower zone, the keys above "
                          "it in the upper zone"));
    splitInstrument_->setToolTip(tr("The General MIDI instrument the keys below the split play"));
    channel_->setToolTip(tr("The MIDI channel your notes, pedal, wheels and knobs go out on, and "
                            "the built-in synthesiser plays (with MPE off)"));
    velocity_->setToolTip(tr("The velocity of every note while \"Velocity from touch position\" "
                             "is off, and of the computer keyboard's notes always"));
    program_->setToolTip(tr("Also sends the instrument chosen on the General tab to the MIDI "
                            "output: bank select, then program change, when chosen, at start "
                            "and when a program connects"));
    bank_->setToolTip(tr("The bank sent before the program (controllers 0 and 32)"));
    wheels_->setToolTip(tr("Pitch-bend and modulation wheels at the left end of the piano "
                           "window, played with the mouse or a finger"));
    bendRange_->setToolTip(tr("How far the pitch wheel bends at either end (sent as registered "
                              "parameter 0)"));
    bendRange_->setSuffix(tr(" semitones"));
    controllers_->setToolTip(tr("Eight controller knobs above the keys; right-click a knob to "
                                "choose its controller"));

    page_ = new QWidget;
    auto* column = new QVBoxLayout(page_);
    column->setContentsMargins(0, 8, 0, 0);
    column->setSpacing(4);
    column->addWidget(makeRow(tr("Channel"), channel_, 154, channel_->toolTip()));
    column->addWidget(makeRow(tr("Velocity"), velocity_, 154, velocity_->toolTip()));
    column->addSpacing(8);
    column->addWidget(program_, 0, Qt::AlignLeft);
    column->addWidget(makeRow(tr("Bank"), bank_, 154, bank_->toolTip()));
    column->addSpacing(8);
    column->addWidget(wheels_, 0, Qt::AlignLeft);
    column->addWidget(makeRow(tr("Bend range"), bendRange_, 154, bendRange_->toolTip()));
    column->addSpacing(8);
    column->addWidget(controllers_, 0, Qt::AlignLeft);
    column->addSpacing(8);
    column->addWidget(makeRow(tr("Split"), split_, 154, split_->toolTip()));
    column->addWidget(
        makeRow(tr("Split instrument"), splitInstrument_, 194, splitInstrument_->toolTip()));
    column->addStretch(1);
    for (QCheckBox* box : {program_, wheels_, controllers_}) {
        describe(box, box->text(), box->toolTip());
    }
    setTabOrder({channel_, velocity_, program_, bank_, wheels_, bendRange_, controllers_, split_,
                 splitInstrument_});

    bindings_ = {bindField(defaults, channel_, preferences::midiChannel),
                 bindField(defaults, velocity_, preferences::velocity),
                 bindCheckbox(defaults, program_, preferences::sendProgram),
                 bindField(defaults, bank_, preferences::bank),
                 bindCheckbox(defaults, wheels_, preferences::showWheels),
                 bindField(defaults, bendRange_, preferences::bendRange),
                 bindCheckbox(defaults, controllers_, preferences::showControllers),
                 bindPopUp(defaults, split_, preferences::splitPoint),
                 bindPopUp(defaults, splitInstrument_, preferences::splitInstrument)};
}

QWidget* MidiTab::firstControl() const {
    return channel_;
}

} // namespace tinkella::app
