// A JACK MIDI sender for end-to-end tests: `midi_send PORT` connects its "out" to PORT, prints
// "connected" and stays until its standard input closes (a sender leaving ends its notes). Each
// line is one message in hex bytes ("c0 18"), or "burst R": R rounds of note-on then note-off
// 0..127 on channel 1. A line leaves in as few cycles as the port's buffer holds, and "sent E
// events in C cycles" is printed once it has. With --rt-faults (and no port) each process cycle
// allocates, frees, locks a mutex and wakes an eventfd, for the real-time checker's self-test.
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <mutex>
#include <sstream>
#include <string>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

jack_port_t* out = nullptr;
std::vector<unsigned char> queue; // three bytes a slot, reserved: never moves
std::vector<unsigned char> sizes; // bytes used in each slot
std::atomic<std::size_t> queued{0}, written{0}, cycles{0}; // cycles that wrote
int wake = -1;                                             // with --rt-faults
std::mutex mutex;

int process(jack_nframes_t frames, void*) {
    if (wake >= 0) {
        void* volatile kept = std::malloc(64);
        std::free(kept);
        const std::lock_guard<std::mutex> lock(mutex);
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = write(wake, &one, sizeof one);
    }
    void* buffer = jack_port_get_buffer(out, frames);
    jack_midi_clear_buffer(buffer);
    std::size_t next = written.load(std::memory_order_relaxed);
    const std::size_t end = queued.load(std::memory_order_acquire);
    if (next < end) {
        for (; next < end && !jack_midi_event_write(buffer, 0, &queue[next * 3], sizes[next]);) {
            ++next;
        }
        ++cycles;
        written.store(next, std::memory_order_release);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string peer = argc > 1 ? argv[1] : "";
    jack_client_t* client = jack_client_open("midi_send", JackNoStartServer, nullptr);
    out = client ? jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0)
                 : nullptr;
    wake = peer == "--rt-faults" ? eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC) : -1;
    queue.reserve(3 * 100000);
    sizes.reserve(100000);
    if (!out || jack_set_process_callback(client, process, nullptr) || jack_activate(client) ||
        (wake < 0 && jack_connect(client, jack_port_name(out), peer.c_str()))) {
        return 1;
    }
    std::cout << "connected" << std::endl;
    const auto add = [](unsigned char s, unsigned char d1, unsigned char d2, unsigned char size) {
        queue.insert(queue.end(), {s, d1, d2});
        sizes.push_back(size);
    };
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream words(line);
        const std::size_t from = queued.load(), firstCycle = cycles.load();
        unsigned rounds = 0, bytes[3] = {}, size = 0;
        if (line.rfind("burst", 0) == 0 && words.ignore(5) >> rounds) {
            for (unsigned note = 0; note < 256 * rounds; ++note) {
                add(note % 256 < 128 ? 0x90 : 0x80, note % 128, note % 256 < 128 ? 100 : 0, 3);
            }
        }
        for (; !rounds && size < 3 && words >> std::hex >> bytes[size]; ++size) {
        }
        if (size > 0) {
            add(bytes[0], bytes[1], bytes[2], static_cast<unsigned char>(size));
        }
        queued.store(sizes.size(), std::memory_order_release);
        while (written.load(std::memory_order_acquire) < sizes.size()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::cout << "sent " << sizes.size() - from << " events in " << cycles - firstCycle
                  << " cycles" << std::endl;
    }
    jack_client_close(client);
}
