// MIDI delay to far listeners, for bench/compare-network (a plain program, not a Google
// Benchmark):
//   bench_network NOTES PORT... -- NAME=SERVER/SOURCE...
// joins each SERVER, one after the other and each in a child process of its own (libjack serves
// one server per process), as "note-listener" with an input "in" connected from SOURCE on that
// server (no SOURCE: the sender connects to it); the children share their times through shared
// memory. Then it joins the default server as "note-sender" and connects its "out" to every
// PORT (note-listener:in for a listener on the same server). It
// then plays NOTES (1..100) notes in turn: the note-on of key 10 + i at velocity 100, a pause, its
// note-off, a pause. Each pause is 20 ms plus a pseudo-random part of up to one 64-frame period
// at 48 kHz, so that hand-overs fall at every phase of the servers' cycles.
//
// Times are JACK's clock, jack_get_time(): CLOCK_MONOTONIC_RAW in microseconds, one clock for
// every JACK server of the machine whatever its network namespace. A note is sent when it is
// handed to the sender's process callback (one atomic slot, as a key press hands a note to the
// MIDI output) and heard when a listener's process callback finds it: the moment a synthesiser
// there would have it. (The cycle times a dummy server reports are its own count of periods,
// which drifts from the clock by hundreds of milliseconds on a loaded machine, so they are not
// used.) Prints, for each listener, the notes heard and the delay's median, 99th percentile and
// maximum, with the ratio of medians to the first listener; and for each other listener its own
// part, its time minus the first listener's, note by note. A note not heard within 10 s of the
// last one sent counts as lost.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <string>
#include <sys/mman.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::uint32_t firstKey = 10;
constexpr int maxNotes = 100;

jack_port_t* out = nullptr;
std::atomic<std::uint32_t> pending{0}; // 0, or 1 << 24 | status << 16 | key << 8 | velocity

// One per listener, in memory shared with its child process.
struct Listener {
    jack_port_t* in = nullptr;                     // the child's
    std::atomic<int> state{0};                     // child: 1 listening, -1 failed; parent: 2 done
    std::atomic<jack_time_t> heard[maxNotes] = {}; // 0 until the note-on arrives
};

int sendCycle(jack_nframes_t frames, void*) {
    void* buffer = jack_port_get_buffer(out, frames);
    jack_midi_clear_buffer(buffer);
    const std::uint32_t message = pending.exchange(0, std::memory_order_acq_rel);
    if (message != 0) {
        const unsigned char bytes[3] = {static_cast<unsigned char>(message >> 16),
                                        static_cast<unsigned char>(message >> 8),
                                        static_cast<unsigned char>(message)};
        jack_midi_event_write(buffer, 0, bytes, 3);
    }
    return 0;
}

int listenCycle(jack_nframes_t frames, void* arg) {
    auto* listener = static_cast<Listener*>(arg);
    void* buffer = jack_port_get_buffer(listener->in, frames);
    const jack_time_t now = jack_get_time();
    for (jack_nframes_t i = 0, n = jack_midi_get_event_count(buffer); i < n; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, buffer, i) == 0 && event.size == 3 &&
            event.buffer[0] == 0x90 && event.buffer[1] >= firstKey &&
            event.buffer[1] < firstKey + maxNotes) {
            jack_time_t expected = 0;
            listener->heard[event.buffer[1] - firstKey].compare_exchange_strong(expected, now);
        }
    }
    return 0;
}

// Hands one message over once the previous one has left; returns the clock at the hand-over.
jack_time_t send(std::uint32_t status, std::uint32_t key, std::uint32_t velocity) {
    while (pending.load(std::memory_order_acquire) != 0) {
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    const jack_time_t now = jack_get_time();
    pending.store(1u << 24 | status << 16 | key << 8 | velocity, std::memory_order_release);
    return now;
}

void pause(unsigned& seed) {
    seed = seed * 1103515245u + 12345u;
    std::this_thread::sleep_for(std::chrono::microseconds(20000 + (seed >> 8) % 1333));
}

// The child process of one listener: joins `server`, connects `source` (if any) to its input,
// says so in `state` and stays until the parent sets it to 2.
[[noreturn]] void listen(Listener& l, const std::string& server, const std::string& source) {
    const auto options = static_cast<jack_options_t>(JackNoStartServer | JackServerName);
    jack_client_t* client = jack_client_open("note-listener", options, nullptr, server.c_str());
    l.in = client ? jack_port_register(client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0)
                  : nullptr;
    const bool listening =
        l.in && !jack_set_process_callback(client, listenCycle, &l) && !jack_activate(client) &&
        (source.empty() || !jack_connect(client, source.c_str(), jack_port_name(l.in)));
    l.state.store(listening ? 1 : -1);
    while (listening && l.state.load() != 2) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (client) {
        jack_client_close(client);
    }
    _exit(listening ? 0 : 1);
}

// Prints one row: n heard, median, 99th percentile (nearest rank), maximum, in ms.
double row(const std::string& label, std::vector<double> ms, int notes, double floor) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-36s %4zu/%d", label.c_str(), ms.size(), notes);
    if (ms.empty()) {
        std::printf("\n");
        return 0;
    }
    const std::size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    const std::size_t rank = (99 * n + 99) / 100;
    std::printf(" %9.3f ms %9.3f ms %9.3f ms", median, ms[rank - 1], ms.back());
    if (floor > 0) {
        std::printf(" %8.2f", median / floor);
    }
    std::printf("\n");
    return median;
}

} // namespace

int main(int argc, char** argv) {
    const int notes = argc > 1 ? std::atoi(argv[1]) : 0;
    int split = 2;
    while (split < argc && std::string(argv[split]) != "--") {
        ++split;
    }
    if (notes < 1 || notes > maxNotes || split + 1 >= argc) {
        std::fprintf(stderr,
                     "usage: bench_network NOTES(1..100) PORT... -- NAME=SERVER/SOURCE...\n");
        return 2;
    }
    std::size_t count = static_cast<std::size_t>(argc - split - 1);
    void* shared = mmap(nullptr, count * sizeof(Listener), PROT_READ | PROT_WRITE,
                        MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (shared == MAP_FAILED) {
        return 1;
    }
    auto* listeners = static_cast<Listener*>(shared);
    std::vector<std::string> names;
    std::vector<pid_t> children;
    for (std::size_t k = 0; k < count; ++k) {
        const std::string spec = argv[split + 1 + static_cast<int>(k)];
        const auto equals = spec.find('='), slash = spec.find('/');
        names.push_back(spec.substr(0, equals));
        Listener* l = new (&listeners[k]) Listener;
        children.push_back(fork());
        if (children.back() == 0) {
            listen(*l, spec.substr(equals + 1, slash - equals - 1), spec.substr(slash + 1));
        }
        // One client joins at a time: a server can refuse a client while another joins.
        while (l->state.load() == 0 && waitpid(children.back(), nullptr, WNOHANG) == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (l->state.load() != 1) {
            std::fprintf(stderr, "bench_network: cannot listen to %s\n", spec.c_str());
            count = k;
            break;
        }
    }
    const auto stopListening = [&] {
        for (std::size_t k = 0; k < count; ++k) {
            listeners[k].state.store(2);
            waitpid(children[k], nullptr, 0);
        }
    };
    const auto fail = [&](const char* what, const char* where) {
        std::fprintf(stderr, "bench_network: cannot %s %s\n", what, where);
        stopListening();
        return 1;
    };
    if (count < static_cast<std::size_t>(argc - split - 1)) {
        return fail("listen", "everywhere");
    }
    jack_client_t* sender = jack_client_open("note-sender", JackNoStartServer, nullptr);
    out = sender ? jack_port_register(sender, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0)
                 : nullptr;
    if (!out || jack_set_process_callback(sender, sendCycle, nullptr) || jack_activate(sender)) {
        return fail("send", "");
    }
    for (int i = 2; i < split; ++i) {
        if (jack_connect(sender, jack_port_name(out), argv[i]) != 0) {
            return fail("connect to", argv[i]);
        }
    }
    // A new connection is taken into the graph a cycle or two after it is made.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::vector<jack_time_t> sent(maxNotes);
    unsigned seed = 1;
    for (int i = 0; i < notes; ++i) {
        const std::uint32_t key = firstKey + static_cast<std::uint32_t>(i);
        sent[static_cast<std::size_t>(i)] = send(0x90, key, 100);
        pause(seed);
        send(0x80, key, 0);
        pause(seed);
    }
    // Late notes count as long as they arrive within 10 s of the last one sent.
    const auto heardAll = [&] {
        for (std::size_t k = 0; k < count; ++k) {
            for (int i = 0; i < notes; ++i) {
                if (listeners[k].heard[i].load() == 0) {
                    return false;
                }
            }
        }
        return true;
    };
    for (int waited = 0; waited < 10000 && !heardAll(); waited += 10) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    jack_client_close(sender);
    stopListening();

    std::printf("%-36s %8s %12s %12s %12s %8s\n", "delay from hand-over", "heard", "median", "p99",
                "max", "ratio");
    double floor = 0;
    for (std::size_t k = 0; k < count; ++k) {
        std::vector<double> ms;
        for (int i = 0; i < notes; ++i) {
            const jack_time_t heard = listeners[k].heard[i].load();
            if (heard != 0) {
                ms.push_back((static_cast<double>(heard) - static_cast<double>(sent[i])) / 1000);
            }
        }
        const double median = row(names[k], ms, notes, floor);
        floor = floor > 0 ? floor : median;
    }
    for (std::size_t k = 1; k < count; ++k) {
        std::vector<double> ms;
        for (int i = 0; i < notes; ++i) {
            const jack_time_t far = listeners[k].heard[i].load(),
                              near = listeners[0].heard[i].load();
            if (far != 0 && near != 0) {
                ms.push_back((static_cast<double>(far) - static_cast<double>(near)) / 1000);
            }
        }
        row(names[k] + " minus " + names[0], ms, notes, 0);
    }
}
