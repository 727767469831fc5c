// Drives the shared MIDI output for end-to-end tests: --midi=alsa|jack|none picks the system;
// stdin commands "on N" (a note-on) and "quit" act on it while its notifications are relayed.
// The log goes to stderr; "ready" on stdout marks start-up done. With --audio=NAME the keyboard
// model and its synthesiser run too: "key N" and "up N" press and let go key N as a played key
// does, and "lit N..." on stdout lists the keys the MIDI input holds whenever they change.
#include "app/Composition.h"
#include "model/PianoController.h"
#include "outputs/MIDIOutput.h"

#include <cstdio>
#include <iostream>
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
    if (verb == "key" || verb == "up") {
        auto& piano = tinkella::PianoController::sharedInstance();
        piano.keys().at(note).isPressedOnKeyboard = verb == "key";
        return piano.updatePlayingNotesFromPressedKeys();
    }
    if (verb == "on") {
        output.noteOn(note, 127, 0);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string midi = argc > 1 ? argv[1] : "", audio = argc > 2 ? argv[2] : "";
    tinkella::app::useMidiBackend(midi.rfind("--midi=", 0) == 0 ? midi.substr(7) : "");
    tinkella::MIDIOutput& output = tinkella::MIDIOutput::shared();
    tinkella::ObserverRegistration lit;
    if (!audio.empty()) { // the synthesiser is running before "ready"
        tinkella::app::useAudioBackend(audio.substr(audio.find('=') + 1));
        tinkella::PianoController& piano = tinkella::PianoController::sharedInstance();
        lit = tinkella::NotificationCenter::defaultCenter().addObserver(
            tinkella::PressedPianoKeysChanged, [&piano](const tinkella::Notification&) {
                std::cout << "lit";
                for (const tinkella::PianoKey& key : piano.keys()) {
                    std::cout << (key.isHeldByMidiIn ? " " + std::to_string(key.note) : "");
                }
                std::cout << std::endl;
            });
    }

    std::cout << (output.isAvailable() ? "ready" : "unavailable") << std::endl;

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
