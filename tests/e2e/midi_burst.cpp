// A JACK MIDI sender for end-to-end tests, connected to the port argv[1] until its standard input
// closes (a sender leaving ends its notes, hiding what a flood left held). "burst R" sends R rounds
// of note-on then note-off 0..127, channel 1, in as few cycles as the port's buffer holds; "on N V"
// sends one note-on. Each prints "sent E events in C cycles" once written.
#include <atomic>
#include <chrono>
#include <iostream>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <string>
#include <thread>
#include <vector>

namespace {

jack_port_t* out = nullptr;
std::vector<unsigned char> queue; // three bytes a message, reserved: never moves
std::atomic<std::size_t> queued{0}, written{0}, cycles{0}; // cycles that wrote

int process(jack_nframes_t frames, void*) {
    void* buffer = jack_port_get_buffer(out, frames);
    jack_midi_clear_buffer(buffer);
    std::size_t next = written.load(std::memory_order_relaxed);
    const std::size_t end = queued.load(std::memory_order_acquire);
    if (next < end) {
        for (; next < end && jack_midi_event_write(buffer, 0, &queue[next * 3], 3) == 0; ++next) {
        }
        ++cycles;
        written.store(next, std::memory_order_release);
    }
    return 0;
}

} // namespace

int main(int, char** argv) {
    jack_client_t* client = jack_client_open("burst", JackNoStartServer, nullptr);
    out = client ? jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0)
                 : nullptr;
    queue.reserve(3 * 100000);
    if (!out || jack_set_process_callback(client, process, nullptr) || jack_activate(client) ||
        jack_connect(client, jack_port_name(out), argv[1])) {
        return 1;
    }
    std::cout << "connected" << std::endl;
    const auto add = [](unsigned char s, unsigned char d1, unsigned char d2) {
        queue.insert(queue.end(), {s, d1, d2});
    };
    std::string verb;
    for (int a = 0, b = 0; std::cin >> verb >> a;) {
        const std::size_t from = queued.load(), firstCycle = cycles.load();
        for (int note = 0; verb == "burst" && note < 256 * a; ++note) {
            add(note % 256 < 128 ? 0x90 : 0x80, note % 128, note % 256 < 128 ? 100 : 0);
        }
        if (verb == "on" && std::cin >> b) {
            add(0x90, a, b);
        }
        queued.store(queue.size() / 3, std::memory_order_release);
        while (written.load(std::memory_order_acquire) < queue.size() / 3) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::cout << "sent " << queue.size() / 3 - from << " events in " << cycles - firstCycle
                  << " cycles" << std::endl;
    }
    jack_client_close(client);
}
