// A JACK MIDI listener that loses nothing, for end-to-end tests that count every message:
// `midi_listen [CLIENT]` registers CLIENT:input (default "midi-monitor:input", where
// jack_midi_dump would be) and prints each event it receives as one line
//   FRAME: 90 3c 7f @USEC
// FRAME the event's absolute frame, USEC its time on JACK's clock in microseconds (as
// jack_frames_to_time gives), bytes in hex (at most the first three). The process callback only
// stores events in a preallocated table; the main thread prints them, so a busy machine delays
// the lines but never drops one. Ends on SIGTERM or SIGINT after printing what it has; a table
// overflow (over a million events) is reported as "dropped N".
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <thread>
#include <vector>

namespace {

struct Event {
    std::uint64_t usecs;
    std::uint32_t frame;
    std::uint8_t size;
    std::uint8_t bytes[3];
};

constexpr std::size_t capacity = 1u << 20;
std::vector<Event> events(capacity); // written only by the process callback, below `stored`
std::atomic<std::size_t> stored{0};
std::atomic<std::size_t> dropped{0};
jack_port_t* input = nullptr;
volatile std::sig_atomic_t stopping = 0;

int process(jack_nframes_t frames, void* arg) {
    auto* client = static_cast<jack_client_t*>(arg);
    jack_nframes_t cycleStart = 0;
    jack_time_t now = 0, next = 0;
    float periodUsecs = 0;
    jack_get_cycle_times(client, &cycleStart, &now, &next, &periodUsecs);
    void* buffer = jack_port_get_buffer(input, frames);
    const jack_nframes_t count = jack_midi_get_event_count(buffer);
    std::size_t at = stored.load(std::memory_order_relaxed);
    for (jack_nframes_t i = 0; i < count; ++i) {
        jack_midi_event_t in;
        if (jack_midi_event_get(&in, buffer, i) != 0) {
            continue;
        }
        if (at == capacity) {
            dropped.fetch_add(1, std::memory_order_relaxed);
            continue;
        }
        Event& e = events[at++];
        e.frame = cycleStart + in.time;
        e.usecs = now + (next - now) * in.time / (frames ? frames : 1);
        e.size = static_cast<std::uint8_t>(in.size < 3 ? in.size : 3);
        for (std::size_t b = 0; b < e.size; ++b) {
            e.bytes[b] = in.buffer[b];
        }
    }
    stored.store(at, std::memory_order_release);
    return 0;
}

std::size_t printFrom(std::size_t from) {
    const std::size_t to = stored.load(std::memory_order_acquire);
    for (; from < to; ++from) {
        const Event& e = events[from];
        std::printf("%10u:", e.frame);
        for (std::size_t b = 0; b < e.size; ++b) {
            std::printf(" %02x", e.bytes[b]);
        }
        std::printf(" @%llu\n", static_cast<unsigned long long>(e.usecs));
    }
    std::fflush(stdout);
    return from;
}

} // namespace

int main(int argc, char** argv) {
    const char* name = argc > 1 ? argv[1] : "midi-monitor";
    jack_client_t* client = jack_client_open(name, JackNoStartServer, nullptr);
    input = client ? jack_port_register(client, "input", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0)
                   : nullptr;
    if (!input || jack_set_process_callback(client, process, client) || jack_activate(client)) {
        std::fprintf(stderr, "midi_listen: cannot join the JACK server\n");
        return 1;
    }
    std::signal(SIGTERM, [](int) { stopping = 1; });
    std::signal(SIGINT, [](int) { stopping = 1; });
    std::size_t printed = 0;
    while (!stopping) {
        printed = printFrom(printed);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    jack_deactivate(client);
    printFrom(printed);
    if (dropped.load() > 0) {
        std::printf("dropped %zu\n", dropped.load());
    }
    jack_client_close(client);
}
