#include "model/PianoController.h"

#include "interfaces/MidiMessage.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tinkella {

namespace {

PianoController::SoundFactory& sharedSoundFactory() {
    static PianoController::SoundFactory factory;
    return factory;
}

// Ten octaves of C..B: a sharp follows C, D, F, G and A (positions 0, 1, 3, 4, 5 of the
// seven naturals), none follows E or B.
std::vector<PianoKey> buildKeys() {
    std::vector<PianoKey> keys;
    keys.reserve(PianoController::keyCount);
    std::int64_t n = 0;
    int p = 0;
    while (keys.size() <= PianoController::keyCount - 1) {
        keys.emplace_back(n, false, static_cast<std::int64_t>(keys.size()));
        if (p <= 5 && p != 2) {
            keys.emplace_back(n, true, static_cast<std::int64_t>(keys.size()));
        }
        p = (p + 1) % 7;
        n += 1;
    }
    return keys;
}

} // namespace

void PianoController::setSharedSoundFactory(SoundFactory factory) {
    sharedSoundFactory() = std::move(factory);
}

PianoController& PianoController::sharedInstance() {
    static PianoController instance(
        sharedSoundFactory() ? sharedSoundFactory()() : std::make_unique<SoundController>(nullptr),
        MIDIOutput::shared(), NotificationCenter::defaultCenter());
    return instance;
}

PianoController::PianoController(std::unique_ptr<SoundController> soundController,
                                 MIDIOutput& midiOutput, NotificationCenter& center)
    : soundController_(std::move(soundController)), keys_(buildKeys()),
      incoming_(keys_, *soundController_), midiOutput_(midiOutput),
      expression_(*soundController_, midiOutput), player_(*soundController_, midiOutput),
      center_(center) {
    midiOutput_.setInputListener(this);
}

PianoController::~PianoController() {
    midiOutput_.setInputListener(nullptr);
}

void PianoController::received(MidiSender sender, const std::uint8_t* bytes, std::size_t size) {
    if (incoming_.receive(sender, bytes, size)) {
        notifyPressedKeysChanged();
    }
}

void PianoController::senderGone(MidiSender sender) {
    if (incoming_.senderGone(sender)) {
        notifyPressedKeysChanged();
    }
}

void PianoController::updatePlayingNotesFromPressedKeys() {
    for (PianoKey& key : keys_) {
        const bool pressed = key.isPressed();
        auto& startedOn = startedOn_[static_cast<std::size_t>(key.note)];
        if (pressed && !key.playing) {
            startedOn = soundingNoteOf(key);
            const std::optional<std::uint8_t> split = splitChannel();
            const bool below = split && key.note < *splitPoint_;
            startedChannel_[static_cast<std::size_t>(key.note)] =
                below ? *split : player_.channel();
            if (startedOn >= 0) {
                startNote(static_cast<std::uint32_t>(startedOn), key.velocity,
                          startedChannel_[static_cast<std::size_t>(key.note)], below);
            }
            key.playing = true;
            key.velocity = velocity_;
        } else if (!pressed && key.playing) {
            endNoteOf(key);
        }
    }
}

void PianoController::startNote(std::uint32_t note, std::uint8_t velocity, std::uint8_t channel,
                                bool belowSplit) {
    if (expression_.isOn()) {
        expression_.noteOn(static_cast<std::uint8_t>(note), velocity, belowSplit);
        return;
    }
    soundController_->playNote(note, SoundController::Holder::surfaces, velocity, channel);
    midiOutput_.noteOn(static_cast<std::uint8_t>(note), velocity, channel);
}

void PianoController::endNote(std::uint32_t note, std::uint8_t channel) {
    if (expression_.isOn()) {
        expression_.noteOff(static_cast<std::uint8_t>(note));
        return;
    }
    soundController_->endNote(note);
    midiOutput_.noteOff(static_cast<std::uint8_t>(note), channel);
}

void PianoController::withPedalLifted(const std::function<void()>& move) {
    const bool keyboard = sustainedByKeyboard_;
    const bool menu = sustainedByMenu_;
    setSustained(SustainSource::keyboard, false);
    setSustained(SustainSource::menu, false);
    move();
    setSustained(SustainSource::keyboard, keyboard);
    setSustained(SustainSource::menu, menu);
}

void PianoController::setChannel(std::uint8_t channel) {
    channel &= 0x0F;
    if (channel == player_.channel()) {
        return;
    }
    if (expression_.isOn()) {
        placePlayer(channel);
        return;
    }
    endCurrentNotes();
    withPedalLifted([this, channel] {
        player_.setChannel(channel, false);
        applySplit();
    });
    updatePlayingNotesFromPressedKeys();
}

void PianoController::setVelocity(std::uint8_t velocity) {
    velocity_ = std::clamp<std::uint8_t>(velocity, 1, 127);
    for (PianoKey& key : keys_) {
        if (!key.playing) {
            key.velocity = velocity_;
        }
    }
}

void PianoController::setExpression(bool mpe) {
    if (mpe == expression_.isOn()) {
        return;
    }
    endCurrentNotes();
    endIncomingNotes();
    withPedalLifted([this, mpe] {
        // The surfaces' channels left bent or pressed by notes that ended go back to rest too.
        soundController_->restoreChannels(SoundController::Holder::surfaces);
        incoming_.setPerChannel(mpe);
        expression_.setOn(mpe);
        placePlayer(player_.channel());
        applySplit();
        player_.synthRestored();
    });
    updatePlayingNotesFromPressedKeys();
    notifyPressedKeysChanged();
}

void PianoController::setMpeZone(const MpeZone& zone) {
    if (zone == expression_.zone() || !expression_.isOn()) {
        expression_.setZone(zone);
        return;
    }
    endCurrentNotes();
    soundController_->restoreChannels(SoundController::Holder::surfaces);
    expression_.setZone(zone);
    placePlayer(player_.channel());
    applySplit();
    updatePlayingNotesFromPressedKeys();
    notifyPressedKeysChanged();
}

std::optional<std::uint8_t> PianoController::splitChannel() const {
    if (!splitPoint_) {
        return std::nullopt;
    }
    if (expression_.isOn()) {
        return expression_.zones().front().manager();
    }
    const std::uint8_t channel = player_.channel();
    return static_cast<std::uint8_t>(channel == 15 ? 14 : channel + 1);
}

void PianoController::setSplit(std::optional<std::uint8_t> point, std::uint8_t program) {
    if (point) {
        point = std::min<std::uint8_t>(*point, 127);
    }
    if (point == splitPoint_ && program == splitProgram_) {
        return;
    }
    // With MPE on, a split that comes or goes moves the zones: notes end and start again there.
    const bool rezone = expression_.isOn() && point.has_value() != splitPoint_.has_value();
    if (rezone) {
        endCurrentNotes();
    }
    // The pedal is lifted where it was held and put down on the channels that play now.
    withPedalLifted([this, point, program, rezone] {
        splitPoint_ = point;
        splitProgram_ = program & 0x7F;
        if (rezone) {
            soundController_->restoreChannels(SoundController::Holder::surfaces);
        }
        expression_.setSplit(point.has_value());
        if (expression_.isOn()) {
            placePlayer(player_.channel());
        }
        applySplit();
    });
    if (rezone) {
        updatePlayingNotesFromPressedKeys();
        notifyPressedKeysChanged();
    }
}

void PianoController::placePlayer(std::uint8_t channel) {
    const bool mpe = expression_.isOn();
    player_.setChannel(channel, mpe, expression_.playerManager(),
                       mpe && splitPoint_ ? splitChannel() : std::nullopt);
}

void PianoController::applySplit() {
    if (expression_.isOn() && splitPoint_) {
        // The lower zone, its manager and members, plays the split's program.
        const MpeZone lower = expression_.zones().front();
        soundController_->setSplitChannels(static_cast<std::uint16_t>((2U << lower.members) - 1U),
                                           splitProgram_);
    } else {
        soundController_->setSplit(splitChannel(), splitProgram_);
    }
    player_.setSplitProgram(splitChannel(), splitProgram_);
}

std::int16_t PianoController::soundingNoteOf(const PianoKey& key) const {
    const std::int64_t note = key.note + transpose_;
    return note >= 0 && note <= 127 ? static_cast<std::int16_t>(note) : std::int16_t{-1};
}

void PianoController::endNoteOf(PianoKey& key) {
    const std::int16_t note = startedOn_[static_cast<std::size_t>(key.note)];
    if (note >= 0) {
        endNote(static_cast<std::uint32_t>(note),
                startedChannel_[static_cast<std::size_t>(key.note)]);
    }
    key.playing = false;
}

void PianoController::shapeExpression(const PianoKey& key, double bendSemitones,
                                      std::optional<double> along, std::optional<double> pressure) {
    const std::int16_t note =
        key.playing ? startedOn_[static_cast<std::size_t>(key.note)] : soundingNoteOf(key);
    if (note >= 0) {
        expression_.shape(static_cast<std::uint8_t>(note), bendSemitones, along, pressure);
    }
}

SoundingNotes PianoController::soundingNotes() const {
    SoundingNotes notes;
    for (const PianoKey& key : keys_) {
        const std::int16_t started = startedOn_[static_cast<std::size_t>(key.note)];
        if (key.playing && started >= 0) {
            notes.set(static_cast<std::size_t>(started));
        }
        if (key.isHeldByMidiIn) {
            notes.set(static_cast<std::size_t>(key.note));
        }
    }
    return notes;
}

void PianoController::notifyPressedKeysChanged() {
    center_.post(PressedPianoKeysChanged, this);
}

void PianoController::endCurrentNotes() {
    for (PianoKey& key : keys_) {
        if (key.playing) {
            endNoteOf(key);
        }
    }
}

void PianoController::redoPlayingNotes() {
    endCurrentNotes();
    updatePlayingNotesFromPressedKeys();
}

void PianoController::setInternalSynthMuted(bool muted) {
    soundController_->setMuted(muted);
}

void PianoController::setSustained(SustainSource source, bool down) {
    const bool before = isSustained();
    (source == SustainSource::keyboard ? sustainedByKeyboard_ : sustainedByMenu_) = down;
    if (isSustained() == before) {
        return;
    }
    soundController_->setSustain(down);
    midiOutput_.controlChange(ump::sustainController, down ? 127 : 0, player_.activeChannel());
    if (const std::optional<std::uint8_t> split = splitChannel()) {
        midiOutput_.controlChange(ump::sustainController, down ? 127 : 0, *split);
    }
}

void PianoController::panic() {
    for (PianoKey& key : keys_) {
        // A note left on a channel that the split no longer plays is beyond the panics below.
        const std::uint8_t channel = startedChannel_[static_cast<std::size_t>(key.note)];
        if (key.playing && !expression_.isOn() && channel != player_.channel() &&
            channel != splitChannel()) {
            endNoteOf(key);
        }
        key.isPressedOnTouchBar = false;
        key.isPressedOnScreen = false;
        key.isPressedOnKeyboard = false;
        key.isPressedByAction = false;
        key.playing = false;
    }
    sustainedByKeyboard_ = false;
    sustainedByMenu_ = false;
    incoming_.forget();
    soundController_->silence();
    if (expression_.isOn()) {
        expression_.panic();
    }
    midiOutput_.panic(player_.activeChannel());
    if (const std::optional<std::uint8_t> split = splitChannel()) {
        midiOutput_.panic(*split);
    }
    player_.panic();
    player_.synthRestored();
    notifyPressedKeysChanged();
}

} // namespace tinkella
