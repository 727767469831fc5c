// A JACK client for rtcheck_test.sh, run under the real-time checker for CYCLES process cycles:
//   rtcheck_probe faults CYCLES       each cycle allocates, frees, locks a mutex and wakes an
//                                     eventfd (the one thing of the four that is allowed);
//   rtcheck_probe synth CYCLES FONT   plays chords through FluidSynth as the program does: events
//                                     and rendering on the audio thread, reverb and chorus on.
#include <atomic>
#include <chrono>
#include <cstdint>
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
fluid_synth_t* synth;
int wake;
std::mutex mutex;
void* volatile kept;

int faults(jack_nframes_t, void*) {
    kept = std::malloc(64);
    std::free(kept);
    std::lock_guard<std::mutex> lock(mutex);
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = write(wake, &one, sizeof one);
    cyclesLeft.fetch_sub(1);
    return 0;
}

int render(jack_nframes_t frames, void*) {
    const int phase = cyclesLeft.fetch_sub(1) % 50; // a chord every 50 cycles, held for 25
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
    return fluid_synth_process(synth, static_cast<int>(frames), 4, effects, 2, out);
}

} // namespace

int main(int argc, char** argv) {
    const bool withSynth = argc == 4 && std::strcmp(argv[1], "synth") == 0;
    jack_client_t* client = jack_client_open("rtcheck_probe", JackNoStartServer, nullptr);
    if (argc < 3 || client == nullptr) {
        return 2;
    }
    cyclesLeft = std::atoi(argv[2]);
    ports[0] = jack_port_register(client, "left", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
    ports[1] = jack_port_register(client, "right", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", jack_get_sample_rate(client));
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);
    synth = new_fluid_synth(settings);
    wake = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if ((withSynth && fluid_synth_sfload(synth, argv[3], 1) < 0) ||
        jack_set_process_callback(client, withSynth ? render : faults, nullptr) != 0 ||
        jack_activate(client) != 0) {
        return 1;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (cyclesLeft > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    jack_client_close(client);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return cyclesLeft > 0 ? 1 : 0;
}
