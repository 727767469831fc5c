// FluidSynth is opened on first use rather than with the program. The library and the thirty-odd
// it needs (sound file codecs, SDL, PulseAudio, libinstpatch, OpenMP) would otherwise be mapped
// and relocated before the first window shows; opened here, they load on the thread that opens
// the synthesiser. The functions this program calls are defined below and forward to the
// library's own, all looked up at once by the first call of any of them (a thread that opens a
// synthesiser or checks a sound font, never a real-time callback: one cannot run before a
// synthesiser exists). Each is looked up in the process's global scope, so a library preloaded
// before FluidSynth still sees the calls. Without the library every call fails as FluidSynth's
// own do (a null object, FLUID_FAILED) and one line says why.
#include "foundation/OpenedLibrary.h"

#include <fluidsynth.h>

#ifndef TINKELLA_FLUIDSYNTH_SONAME
#define TINKELLA_FLUIDSYNTH_SONAME "libfluidsynth.so.3"
#endif

namespace {

using tinkella::OpenedLibrary;

struct Functions {
    decltype(&::new_fluid_settings) newSettings = nullptr;
    decltype(&::delete_fluid_settings) deleteSettings = nullptr;
    decltype(&::fluid_settings_setint) setInt = nullptr;
    decltype(&::fluid_settings_setnum) setNum = nullptr;
    decltype(&::fluid_settings_setstr) setStr = nullptr;
    decltype(&::fluid_settings_foreach_option) forEachOption = nullptr;
    decltype(&::fluid_set_log_function) setLogFunction = nullptr;
    decltype(&::new_fluid_synth) newSynth = nullptr;
    decltype(&::delete_fluid_synth) deleteSynth = nullptr;
    decltype(&::fluid_synth_sfload) soundFontLoad = nullptr;
    decltype(&::fluid_synth_process) process = nullptr;
    decltype(&::fluid_synth_noteon) noteOn = nullptr;
    decltype(&::fluid_synth_noteoff) noteOff = nullptr;
    decltype(&::fluid_synth_program_change) programChange = nullptr;
    decltype(&::fluid_synth_cc) controlChange = nullptr;
    decltype(&::fluid_synth_pitch_bend) pitchBend = nullptr;
    decltype(&::fluid_synth_channel_pressure) channelPressure = nullptr;
    decltype(&::fluid_synth_pitch_wheel_sens) pitchWheelSensitivity = nullptr;
    decltype(&::fluid_synth_set_channel_type) setChannelType = nullptr;
    decltype(&::fluid_synth_bank_select) bankSelect = nullptr;
    decltype(&::fluid_synth_add_default_mod) addDefaultModulator = nullptr;
    decltype(&::new_fluid_mod) newModulator = nullptr;
    decltype(&::delete_fluid_mod) deleteModulator = nullptr;
    decltype(&::fluid_mod_set_source1) setModulatorSource1 = nullptr;
    decltype(&::fluid_mod_set_source2) setModulatorSource2 = nullptr;
    decltype(&::fluid_mod_set_dest) setModulatorDestination = nullptr;
    decltype(&::fluid_mod_set_amount) setModulatorAmount = nullptr;
    decltype(&::fluid_synth_get_active_voice_count) activeVoices = nullptr;
    decltype(&::new_fluid_audio_driver2) newAudioDriver = nullptr;
    decltype(&::delete_fluid_audio_driver) deleteAudioDriver = nullptr;
    decltype(&::fluid_version_str) versionText = nullptr;
    decltype(&::fluid_is_soundfont) isSoundFont = nullptr;
    bool complete = false;
};

Functions open() {
    Functions f;
    OpenedLibrary library(TINKELLA_FLUIDSYNTH_SONAME, "FluidSynth");
    auto find = [&library](auto& pointer, const char* name) {
        return library.find(pointer, name);
    };
    f.complete = library.complete(
        find(f.newSettings, "new_fluid_settings") &&
        find(f.deleteSettings, "delete_fluid_settings") &&
        find(f.setInt, "fluid_settings_setint") && find(f.setNum, "fluid_settings_setnum") &&
        find(f.setStr, "fluid_settings_setstr") &&
        find(f.forEachOption, "fluid_settings_foreach_option") &&
        find(f.setLogFunction, "fluid_set_log_function") && find(f.newSynth, "new_fluid_synth") &&
        find(f.deleteSynth, "delete_fluid_synth") && find(f.soundFontLoad, "fluid_synth_sfload") &&
        find(f.process, "fluid_synth_process") && find(f.noteOn, "fluid_synth_noteon") &&
        find(f.noteOff, "fluid_synth_noteoff") &&
        find(f.programChange, "fluid_synth_program_change") &&
        find(f.controlChange, "fluid_synth_cc") && find(f.pitchBend, "fluid_synth_pitch_bend") &&
        find(f.channelPressure, "fluid_synth_channel_pressure") &&
        find(f.pitchWheelSensitivity, "fluid_synth_pitch_wheel_sens") &&
        find(f.setChannelType, "fluid_synth_set_channel_type") &&
        find(f.bankSelect, "fluid_synth_bank_select") &&
        find(f.addDefaultModulator, "fluid_synth_add_default_mod") &&
        find(f.newModulator, "new_fluid_mod") && find(f.deleteModulator, "delete_fluid_mod") &&
        find(f.setModulatorSource1, "fluid_mod_set_source1") &&
        find(f.setModulatorSource2, "fluid_mod_set_source2") &&
        find(f.setModulatorDestination, "fluid_mod_set_dest") &&
        find(f.setModulatorAmount, "fluid_mod_set_amount") &&
        find(f.activeVoices, "fluid_synth_get_active_voice_count") &&
        find(f.newAudioDriver, "new_fluid_audio_driver2") &&
        find(f.deleteAudioDriver, "delete_fluid_audio_driver") &&
        find(f.versionText, "fluid_version_str") && find(f.isSoundFont, "fluid_is_soundfont"));
    return f.complete ? f : Functions{};
}

// Opened by the first call; later calls read the finished table only.
const Functions& fluid() {
    static const Functions functions = open();
    return functions;
}

} // namespace

extern "C" {

fluid_settings_t* new_fluid_settings() {
    return fluid().complete ? fluid().newSettings() : nullptr;
}

void delete_fluid_settings(fluid_settings_t* settings) {
    if (fluid().complete) {
        fluid().deleteSettings(settings);
    }
}

int fluid_settings_setint(fluid_settings_t* settings, const char* name, int value) {
    return fluid().complete ? fluid().setInt(settings, name, value) : FLUID_FAILED;
}

int fluid_settings_setnum(fluid_settings_t* settings, const char* name, double value) {
    return fluid().complete ? fluid().setNum(settings, name, value) : FLUID_FAILED;
}

int fluid_settings_setstr(fluid_settings_t* settings, const char* name, const char* text) {
    return fluid().complete ? fluid().setStr(settings, name, text) : FLUID_FAILED;
}

void fluid_settings_foreach_option(fluid_settings_t* settings, const char* name, void* data,
                                   fluid_settings_foreach_option_t function) {
    if (fluid().complete) {
        fluid().forEachOption(settings, name, data, function);
    }
}

fluid_log_function_t fluid_set_log_function(int level, fluid_log_function_t function, void* data) {
    return fluid().complete ? fluid().setLogFunction(level, function, data) : nullptr;
}

fluid_synth_t* new_fluid_synth(fluid_settings_t* settings) {
    return fluid().complete ? fluid().newSynth(settings) : nullptr;
}

void delete_fluid_synth(fluid_synth_t* synth) {
    if (fluid().complete) {
        fluid().deleteSynth(synth);
    }
}

int fluid_synth_sfload(fluid_synth_t* synth, const char* filename, int resetPresets) {
    return fluid().complete ? fluid().soundFontLoad(synth, filename, resetPresets) : FLUID_FAILED;
}

int fluid_synth_process(fluid_synth_t* synth, int frames, int effectCount, float* effects[],
                        int outputCount, float* outputs[]) {
    return fluid().process(synth, frames, effectCount, effects, outputCount, outputs);
}

int fluid_synth_noteon(fluid_synth_t* synth, int channel, int key, int velocity) {
    return fluid().noteOn(synth, channel, key, velocity);
}

int fluid_synth_noteoff(fluid_synth_t* synth, int channel, int key) {
    return fluid().noteOff(synth, channel, key);
}

int fluid_synth_program_change(fluid_synth_t* synth, int channel, int program) {
    return fluid().programChange(synth, channel, program);
}

int fluid_synth_cc(fluid_synth_t* synth, int channel, int control, int value) {
    return fluid().controlChange(synth, channel, control, value);
}

int fluid_synth_pitch_bend(fluid_synth_t* synth, int channel, int value) {
    return fluid().pitchBend(synth, channel, value);
}

int fluid_synth_channel_pressure(fluid_synth_t* synth, int channel, int value) {
    return fluid().channelPressure(synth, channel, value);
}

// The calls below set a synthesiser up before it plays; a new synthesiser means the library
// is complete.
int fluid_synth_pitch_wheel_sens(fluid_synth_t* synth, int channel, int semitones) {
    return fluid().pitchWheelSensitivity(synth, channel, semitones);
}

int fluid_synth_set_channel_type(fluid_synth_t* synth, int channel, int type) {
    return fluid().setChannelType(synth, channel, type);
}

int fluid_synth_bank_select(fluid_synth_t* synth, int channel, int bank) {
    return fluid().bankSelect(synth, channel, bank);
}

int fluid_synth_add_default_mod(fluid_synth_t* synth, const fluid_mod_t* modulator, int mode) {
    return fluid().addDefaultModulator(synth, modulator, mode);
}

fluid_mod_t* new_fluid_mod() {
    return fluid().complete ? fluid().newModulator() : nullptr;
}

void delete_fluid_mod(fluid_mod_t* modulator) {
    if (fluid().complete) {
        fluid().deleteModulator(modulator);
    }
}

void fluid_mod_set_source1(fluid_mod_t* modulator, int source, int flags) {
    fluid().setModulatorSource1(modulator, source, flags);
}

void fluid_mod_set_source2(fluid_mod_t* modulator, int source, int flags) {
    fluid().setModulatorSource2(modulator, source, flags);
}

void fluid_mod_set_dest(fluid_mod_t* modulator, int destination) {
    fluid().setModulatorDestination(modulator, destination);
}

void fluid_mod_set_amount(fluid_mod_t* modulator, double amount) {
    fluid().setModulatorAmount(modulator, amount);
}

int fluid_synth_get_active_voice_count(fluid_synth_t* synth) {
    return fluid().activeVoices(synth);
}

fluid_audio_driver_t* new_fluid_audio_driver2(fluid_settings_t* settings,
                                              fluid_audio_func_t function, void* data) {
    return fluid().complete ? fluid().newAudioDriver(settings, function, data) : nullptr;
}

void delete_fluid_audio_driver(fluid_audio_driver_t* driver) {
    if (fluid().complete) {
        fluid().deleteAudioDriver(driver);
    }
}

char* fluid_version_str() {
    static char unknown[] = "(not loaded)";
    return fluid().complete ? fluid().versionText() : unknown;
}

int fluid_is_soundfont(const char* filename) {
    return fluid().complete ? fluid().isSoundFont(filename) : 0;
}

} // extern "C"
