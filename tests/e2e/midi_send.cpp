// Sends MIDI into a JACK MIDI input for end-to-end tests: midi_send PORT connects to PORT and
// prints "connected"; then each line on stdin, hex bytes of one message ("c0 49"), leaves in
// the next cycle, and "sent" is printed once it has.
#include <atomic>
#include <iostream>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <sstream>
#include <string>
#include <thread>

namespace {

unsigned char message[3];
std::size_t messageSize = 0;
std::atomic<bool> waiting{false};
jack_port_t* port = nullptr;

int process(jack_nframes_t frames, void*) {
    void* buffer = jack_port_get_buffer(port, frames);
    jack_midi_clear_buffer(buffer);
    if (waiting.load(std::memory_order_acquire)) {
        jack_midi_event_write(buffer, 0, message, messageSize);
        waiting.store(false, std::memory_order_release);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    jack_client_t* client = jack_client_open("midi_send", JackNoStartServer, nullptr);
    if (argc != 2 || client == nullptr ||
        !(port = jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0)) ||
        jack_set_process_callback(client, process, nullptr) != 0 || jack_activate(client) != 0 ||
        jack_connect(client, jack_port_name(port), argv[1]) != 0) {
        return 1;
    }
    std::cout << "connected" << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream words(line);
        messageSize = 0;
        for (unsigned byte = 0; messageSize < 3 && words >> std::hex >> byte;) {
            message[messageSize++] = static_cast<unsigned char>(byte);
        }
        for (waiting.store(true, std::memory_order_release); waiting.load();) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        std::cout << "sent" << std::endl;
    }
    jack_client_close(client);
    return 0;
}
