// Drives the shared MIDI output for end-to-end tests: --midi=alsa|jack|none picks the system;
// stdin commands "note N" (on and off), "on N", "enable 0|1" and "quit" act on it while its
// notifications are relayed. The log goes to stderr; "ready" on stdout marks start-up done.
// With --audio=NAME the keyboard model and its synthesiser run too, and "lit N..." on stdout
// lists the keys the MIDI input holds whenever they change. --send is a MIDI sender instead:
// a JACK client "sender" whose port "out" sends stdin's "on N" / "off N" on the first channel.
#include "app/Composition.h"
#include "audio/MIDIOutput.h"
#include "model/PianoController.h"

#include <cstdio>
#include <iostream>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>
#include <poll.h>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

void run(const std::string& command, tinkella::MIDIOutput& output) {
    std::istringstream words(command);
    std::string verb;
    int value = 0;
    words >> verb >> value;
    const auto note = static_cast<std::uint8_t>(value);
    if (verb == "note" || verb == "on") {
        output.noteOn(note, 127, 0);
    }
    if (verb == "note") {
        output.noteOff(note, 0);
    } else if (verb == "enable") {
        output.setEnabled(value != 0);
    }
}

jack_port_t* senderPort = nullptr;
jack_ringbuffer_t* senderQueue = nullptr; // three bytes per message

int send(jack_nframes_t frames, void*) {
    void* buffer = jack_port_get_buffer(senderPort, frames);
    jack_midi_clear_buffer(buffer);
    unsigned char message[3];
    while (jack_ringbuffer_read_space(senderQueue) >= sizeof message) {
        jack_ringbuffer_read(senderQueue, reinterpret_cast<char*>(message), sizeof message);
        jack_midi_event_write(buffer, 0, message, sizeof message);
    }
    return 0;
}

int runSender() {
    jack_client_t* client = jack_client_open("sender", JackNoStartServer, nullptr);
    if (client == nullptr) {
        return 1;
    }
    senderPort = jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    senderQueue = jack_ringbuffer_create(4096);
    jack_set_process_callback(client, send, nullptr);
    jack_activate(client);
    std::cout << "ready" << std::endl;
    for (std::string line; std::getline(std::cin, line) && line != "quit";) {
        std::istringstream words(line);
        std::string verb;
        int note = 0;
        words >> verb >> note;
        const unsigned char message[3] = {static_cast<unsigned char>(verb == "on" ? 0x90 : 0x80),
                                          static_cast<unsigned char>(note),
                                          static_cast<unsigned char>(verb == "on" ? 100 : 0)};
        jack_ringbuffer_write(senderQueue, reinterpret_cast<const char*>(message), sizeof message);
    }
    jack_client_close(client);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string midi, audio;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--send") {
            return runSender();
        }
        (arg.rfind("--audio=", 0) == 0 ? audio : midi) = arg.substr(arg.find('=') + 1);
    }
    tinkella::app::useMidiBackend(midi);
    tinkella::MIDIOutput& output = tinkella::MIDIOutput::shared();
    std::cout << (output.isAvailable() ? "ready" : "unavailable") << std::endl;
    tinkella::ObserverRegistration lit;
    if (!audio.empty()) {
        tinkella::app::useAudioBackend(audio);
        tinkella::PianoController& piano = tinkella::PianoController::sharedInstance();
        lit = tinkella::NotificationCenter::defaultCenter().addObserver(
            tinkella::PressedPianoKeysChanged, [&piano](const tinkella::Notification&) {
                std::cout << "lit";
                for (const tinkella::PianoKey& key : piano.keys()) {
                    if (key.isHeldByMidiIn) {
                        std::cout << " " << key.note;
                    }
                }
                std::cout << std::endl;
            });
    }

    std::string pending;
    for (;;) {
        pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {output.notificationDescriptor(), POLLIN, 0}};
        const nfds_t count = fds[1].fd >= 0 ? 2 : 1;
        if (::poll(fds, count, -1) < 0) {
            continue;
        }
        if (count == 2 && (fds[1].revents & POLLIN)) {
            output.dispatchNotifications();
        }
        if (fds[0].revents & (POLLIN | POLLHUP)) {
            char buffer[256];
            const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (n <= 0) {
                return 0;
            }
            pending.append(buffer, static_cast<std::size_t>(n));
            for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
                const std::string line = pending.substr(0, end);
                pending.erase(0, end + 1);
                if (line == "quit") {
                    return 0;
                }
                run(line, output);
                std::cout << "done" << std::endl;
            }
        }
    }
}
