#include "adapters/fluidsynth/FluidSynthInstance.h"

#include "adapters/fluidsynth/FluidSynthSoundFont.h"
#include "interfaces/MidiMessage.h"

namespace tinkella {

namespace {

using ump::controlChangeStatus;
using ump::programChangeStatus;
// Controllers 98 and 99 choose a non-registered parameter, 100 and 101 a registered one.
constexpr std::uint8_t nonRegisteredLsbController = 98;
constexpr std::uint8_t registeredLsbController = ump::parameterLsbController;
// Controllers from here on are channel mode messages (All Sound Off first), not settings.
constexpr std::uint8_t firstModeController = ump::allSoundOffController;

// Data entry and the parameter numbers it applies to only mean something in their order.
bool isParameterSequence(int controller) {
    return controller == 6 || controller == 38 || (controller >= 96 && controller <= 101);
}

// Ready for an MPE zone in each set of 16 channels, whose manager is its first channel: the
// member channels bend ±48 semitones and channel 9 plays the melodic programs of bank 0 like the
// others, not the drum kits of bank 128 (the programs themselves are set as the font loads);
// controller 74 (timbre) moves the filter's cutoff up to two octaves either way, with its reset
// value 64 leaving it where the font puts it. The managers, channels 0 and 16 (the only ones
// played without MPE), are left as they are.
void prepareMemberChannels(fluid_synth_t* synth) {
    constexpr int memberBendRange = 48;
    for (int channel = 0; channel < ChannelState::channelCount; ++channel) {
        if (channel % 16 != 0) {
            fluid_synth_pitch_wheel_sens(synth, channel, memberBendRange);
        }
    }
    fluid_synth_set_channel_type(synth, 9, CHANNEL_TYPE_MELODIC);
    fluid_synth_bank_select(synth, 9, 0);
    fluid_mod_t* timbre = new_fluid_mod();
    if (timbre == nullptr) {
        return;
    }
    fluid_mod_set_source1(timbre, 74,
                          FLUID_MOD_CC | FLUID_MOD_LINEAR | FLUID_MOD_BIPOLAR | FLUID_MOD_POSITIVE);
    fluid_mod_set_source2(timbre, 0, 0);
    fluid_mod_set_dest(timbre, GEN_FILTERFC);
    fluid_mod_set_amount(timbre, 2400.0);
    fluid_synth_add_default_mod(synth, timbre, FLUID_SYNTH_ADD);
    delete_fluid_mod(timbre);
}

} // namespace

ChannelState::ChannelState() {
    for (auto& channel : controllers_) {
        channel.fill(unset);
    }
    bendRanges_.fill(unset);
}

bool ChannelState::note(int channel, std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    if (channel < 0 || channel >= channelCount) {
        return false;
    }
    const auto at = static_cast<std::size_t>(channel);
    std::array<std::int16_t, 120>& controllers = controllers_[at];
    if ((status & 0xF0) == programChangeStatus) {
        programs_[at] = data1;
        programSent_[at] = true;
    } else if ((status & 0xF0) == controlChangeStatus && data1 < firstModeController) {
        controllers[data1] = data2;
        if (data1 >= nonRegisteredLsbController && data1 <= ump::parameterMsbController) {
            nonRegistered_[at] = data1 < registeredLsbController;
        }
        const bool registered =
            !nonRegistered_[at] && controllers[ump::parameterMsbController] == 0;
        if (data1 == ump::dataEntryMsbController && registered &&
            controllers[ump::parameterLsbController] == 0) {
            bendRanges_[at] = data2;
        }
        return data1 != ump::dataEntryMsbController ||
               (registered && controllers[ump::parameterLsbController] >= 0 &&
                controllers[ump::parameterLsbController] <= 2);
    }
    return true;
}

void ChannelState::applyTo(fluid_synth_t* synth) const {
    for (int channel = 0; channel < channelCount; ++channel) {
        for (int controller = 0; controller < firstModeController; ++controller) {
            const std::int16_t value = controllers_[channel][controller];
            if (value != unset && !isParameterSequence(controller)) {
                fluid_synth_cc(synth, channel, controller, value);
            }
        }
        if (bendRanges_[channel] != unset) {
            const int entries[][2] = {{ump::parameterMsbController, 0},
                                      {ump::parameterLsbController, 0},
                                      {ump::dataEntryMsbController, bendRanges_[channel]},
                                      {ump::parameterMsbController, 127},
                                      {ump::parameterLsbController, 127}};
            for (const auto& [controller, value] : entries) {
                fluid_synth_cc(synth, channel, controller, value);
            }
        }
        if (programSent_[channel]) {
            fluid_synth_program_change(synth, channel, programs_[channel]);
        }
    }
}

std::unique_ptr<FluidSynthInstance>
FluidSynthInstance::make(double sampleRate, double gain, const std::vector<std::string>& candidates,
                         const std::string& directory, std::string& error) {
    captureFluidSynthLog();
    std::unique_ptr<FluidSynthInstance> instance(new FluidSynthInstance(sampleRate));
    instance->settings_ = new_fluid_settings();
    if (instance->settings_ == nullptr) {
        error = "the synthesiser's settings could not be created";
        return nullptr;
    }
    fluid_settings_t* settings = instance->settings_;
    fluid_settings_setnum(settings, "synth.sample-rate", sampleRate);
    fluid_settings_setnum(settings, "synth.gain", gain);
    // Every sample is read when the font loads, so that the audio thread never reads the file
    // (which may since have changed or gone).
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 0);
    // One thread at a time touches the synthesiser: no lock in each call on the audio thread.
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);
    // The player's 16 channels and the MIDI input's 16.
    fluid_settings_setint(settings, "synth.midi-channels", ChannelState::channelCount);
    clearFluidSynthError();
    instance->synth_ = new_fluid_synth(settings);
    if (instance->synth_ == nullptr) {
        error = "the synthesiser could not be created: " + lastFluidSynthError();
        return nullptr;
    }
    prepareMemberChannels(instance->synth_);
    SoundFontLoad font = loadSoundFont(instance->synth_, candidates, directory);
    if (font.fontId < 0) {
        error = std::move(font.error);
        return nullptr;
    }
    instance->soundFontPath_ = std::move(font.path);
    return instance;
}

FluidSynthInstance::~FluidSynthInstance() {
    if (synth_ != nullptr) {
        delete_fluid_synth(synth_);
    }
    if (settings_ != nullptr) {
        delete_fluid_settings(settings_);
    }
}

} // namespace tinkella
