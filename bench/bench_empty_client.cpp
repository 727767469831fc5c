// The floor for idle CPU on JACK: a client whose process callback does nothing, woken every
// cycle like any other. Runs until SIGTERM or SIGINT.
//
// Usage: bench_empty_client [client name]   (server: JACK_DEFAULT_SERVER, never started)
#include <csignal>
#include <cstdio>
#include <jack/jack.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopped = 0;

int nothing(jack_nframes_t, void*) {
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const char* name = argc > 1 ? argv[1] : "empty";
    jack_client_t* client = jack_client_open(name, JackNoStartServer, nullptr);
    if (client == nullptr) {
        std::fprintf(stderr, "bench_empty_client: no JACK server\n");
        return 1;
    }
    std::signal(SIGTERM, [](int) { stopped = 1; });
    std::signal(SIGINT, [](int) { stopped = 1; });
    jack_set_process_callback(client, nothing, nullptr);
    if (jack_activate(client) != 0) {
        std::fprintf(stderr, "bench_empty_client: cannot activate\n");
        return 1;
    }
    while (stopped == 0) {
        pause();
    }
    jack_client_close(client);
    return 0;
}
