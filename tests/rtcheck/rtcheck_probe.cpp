// A JACK client whose process callback does what the real-time checker must see, run by
// rtcheck_test.sh under the checker for `cycles` cycles:
//   rtcheck_probe faults CYCLES        allocates, frees and locks a mutex in every cycle, and
//                                      wakes an eventfd (allowed)
//   rtcheck_probe synth CYCLES FONT    plays chords through FluidSynth as the program does:
//                                      events and rendering on the audio thread, reverb and chorus
//                                      on
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fluidsynth.h>
#include <jack/jack.h>
#include <mutex>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace {

std::atomic<int> cyclesLeft;
jack_port_t* ports[2];
int wake = -1;
std::mutex mutex;
void* volatile kept;
fluid_synth_t* synth;
int cycle = 0;

int faults(jack_nframes_t, void*) {
    kept = std::malloc(64);
    std::free(kept);
    { std::lock_guard<std::mutex> lock(mutex); }
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wake, &one, sizeof one);
    cyclesLeft.fetch_sub(1);
    return 0;
}

int render(jack_nframes_t frames, void*) {
    // A three-note chord every 50 cycles, let go 25 cycles later.
    const int phase = cycle++ % 50;
    for (const int note : {60, 64, 67}) {
        if (phase == 0) {
            fluid_synth_noteon(synth, 0, note, 100);
        } else if (phase == 25) {
            fluid_synth_noteoff(synth, 0, note);
        }
    }
    float* out[2] = {static_cast<float*>(jack_port_get_buffer(ports[0], frames)),
                     static_cast<float*>(jack_port_get_buffer(ports[1], frames))};
    std::memset(out[0], 0, frames * sizeof(float));
    std::memset(out[1], 0, frames * sizeof(float));
    float* effects[4] = {out[0], out[1], out[0], out[1]};
    fluid_synth_process(synth, static_cast<int>(frames), 4, effects, 2, out);
    cyclesLeft.fetch_sub(1);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool withSynth = argc > 3 && std::strcmp(argv[1], "synth") == 0;
    if (argc < 3 || (!withSynth && std::strcmp(argv[1], "faults") != 0)) {
        std::fprintf(stderr, "usage: rtcheck_probe faults CYCLES | synth CYCLES FONT\n");
        return 2;
    }
    cyclesLeft = std::atoi(argv[2]);
    jack_client_t* client = jack_client_open("rtcheck_probe", JackNoStartServer, nullptr);
    if (client == nullptr) {
        std::fprintf(stderr, "rtcheck_probe: no JACK server\n");
        return 1;
    }
    ports[0] = jack_port_register(client, "left", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
    ports[1] = jack_port_register(client, "right", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
    fluid_settings_t* settings = nullptr;
    if (withSynth) {
        settings = new_fluid_settings();
        fluid_settings_setnum(settings, "synth.sample-rate", jack_get_sample_rate(client));
        fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
        fluid_settings_setint(settings, "synth.threadsafe-api", 0);
        synth = new_fluid_synth(settings);
        if (fluid_synth_sfload(synth, argv[3], 1) < 0) {
            std::fprintf(stderr, "rtcheck_probe: cannot load %s\n", argv[3]);
            return 1;
        }
    } else {
        wake = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    }
    jack_set_process_callback(client, withSynth ? render : faults, nullptr);
    if (jack_activate(client) != 0) {
        std::fprintf(stderr, "rtcheck_probe: cannot activate\n");
        return 1;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (cyclesLeft.load() > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    jack_client_close(client);
    if (withSynth) {
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);
    }
    std::printf("%s\n", cyclesLeft.load() > 0 ? "too few cycles" : "done");
    return cyclesLeft.load() > 0 ? 1 : 0;
}
