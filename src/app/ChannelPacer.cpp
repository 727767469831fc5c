#include "app/ChannelPacer.h"

#include "model/PianoController.h"
#include "model/Preferences.h"
#include "outputs/MIDIOutput.h"

#include <QTimer>

namespace tinkella::app {

ChannelPacer::ChannelPacer(DefaultsController& defaults, PianoController& piano,
                           MIDIOutput& midiOutput, QObject* parent)
    : QObject(parent), defaults_(defaults), piano_(piano) {
    using namespace preferences;
    PlayerChannel& player = piano_.player();
    // In this order, so that what is shown is sent once, with every value already in place.
    bindings_.push_back(bind<int>(defaults_, midiChannel, [this](int channel) {
        piano_.setChannel(static_cast<std::uint8_t>(channel - 1));
    }));
    bindings_.push_back(bind<int>(defaults_, velocity, [this](int value) {
        piano_.setVelocity(static_cast<std::uint8_t>(value));
    }));
    bindings_.push_back(bind<int>(defaults_, bendRange, [&player](int semitones) {
        player.setBendRange(static_cast<std::uint8_t>(semitones));
    }));
    for (std::size_t knob = 0; knob < PlayerChannel::knobCount; ++knob) {
        for (const Setting<int>* setting : {&knobControllers[knob], &knobValues[knob]}) {
            bindings_.push_back(
                bind<int>(defaults_, *setting, [this, knob](int) { knobChanged(knob); }));
        }
    }
    bindings_.push_back(bind<int>(defaults_, bank, [this](int) { programChanged(); }));
    for (const Setting<int>* setting : {&splitPoint, &splitInstrument}) {
        bindings_.push_back(bind<int>(defaults_, *setting, [this](int) { splitChanged(); }));
    }
    bindings_.push_back(bind<int>(defaults_, instrument, [this](int) { programChanged(); }));
    bindings_.push_back(
        bind<bool>(defaults_, sendProgram, [&player](bool on) { player.setProgramOut(on); }));
    bindings_.push_back(
        bind<bool>(defaults_, showWheels, [&player](bool shown) { player.setWheelsShown(shown); }));
    bindings_.push_back(bind<bool>(defaults_, showControllers,
                                   [&player](bool shown) { player.setKnobsShown(shown); }));
    connections_ = midiOutput.observeConnections(
        [this] { QTimer::singleShot(100, this, [this] { piano_.player().resend(); }); });
}

void ChannelPacer::knobChanged(std::size_t knob) {
    piano_.player().setKnob(
        knob,
        static_cast<std::uint8_t>(preferences::read(defaults_, preferences::knobControllers[knob])),
        static_cast<std::uint8_t>(preferences::read(defaults_, preferences::knobValues[knob])));
}

void ChannelPacer::splitChanged() {
    const int point = preferences::read(defaults_, preferences::splitPoint);
    piano_.setSplit(
        point < 0 ? std::nullopt : std::optional(static_cast<std::uint8_t>(point)),
        static_cast<std::uint8_t>(preferences::read(defaults_, preferences::splitInstrument) - 1));
}

void ChannelPacer::programChanged() {
    piano_.player().setProgram(
        preferences::read(defaults_, preferences::instrument),
        static_cast<std::uint16_t>(preferences::read(defaults_, preferences::bank)));
}

} // namespace tinkella::app
