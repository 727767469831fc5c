// The synthesiser's own share of key to sound: how many frames FluidSynth takes from a note-on to
// its first frame above -60 dBFS (the listeners' onset threshold), with nothing else in the way:
// no JACK, no limiter, no threads. FluidSynth renders in blocks of 64 frames and starts a note
// at a block's start, so the note-on is given at several points into a block.
//
//   bench_synth_onset [SOUND_FONT [PROGRAM]]   (default /usr/share/sounds/sf2/default-GM.sf2 and
//   program 0, the piano; 48 kHz)
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fluidsynth.h>
#include <vector>

int main(int argc, char** argv) {
    const char* font = argc > 1 ? argv[1] : "/usr/share/sounds/sf2/default-GM.sf2";
    const int program = argc > 2 ? std::atoi(argv[2]) : 0;
    constexpr double rate = 48000;
    std::printf("%-9s %-22s %s\n", "velocity", "frames into a block", "note-on to -60 dBFS");
    for (int velocity : {127, 100, 64}) {
        for (int into = 0; into < 64; into += 16) {
            fluid_settings_t* settings = new_fluid_settings();
            fluid_settings_setnum(settings, "synth.sample-rate", rate);
            fluid_synth_t* synth = new_fluid_synth(settings);
            if (fluid_synth_sfload(synth, font, 1) == FLUID_FAILED) {
                std::fprintf(stderr, "bench_synth_onset: cannot load %s\n", font);
                return 1;
            }
            fluid_synth_program_change(synth, 0, program);
            std::vector<float> left(4096);
            std::vector<float> right(4096);
            fluid_synth_write_float(synth, 1024 + into, left.data(), 0, 1, right.data(), 0, 1);
            fluid_synth_noteon(synth, 0, 60, velocity);
            fluid_synth_write_float(synth, 4096, left.data(), 0, 1, right.data(), 0, 1);
            int first = -1;
            for (int i = 0; i < 4096 && first < 0; ++i) {
                first = std::fabs(left[i]) > 0.001F || std::fabs(right[i]) > 0.001F ? i : -1;
            }
            std::printf("%-9d %-22d %d frames (%.3f ms)\n", velocity, into, first,
                        1000.0 * first / rate);
            delete_fluid_synth(synth);
            delete_fluid_settings(settings);
        }
    }
    return 0;
}
