// Two JACK clients kept across server restarts: "conn-probe" with a MIDI output "out" and a
// MIDI input "in", and the synthesiser's own client "Tinkella Synth" playing a 440 Hz sine.
// Prints "gone N" / "back N" (the connection's reports so far) and "ready"; the synthesiser
// client writes its own lines on standard error. Ends at "q" or the end of standard input.
#include "adapters/jack/JackConnection.h"
#include "adapters/jack/JackSynthClient.h"

#include <cmath>
#include <cstdio>
#include <jack/midiport.h>
#include <poll.h>
#include <unistd.h>

namespace {

using tinkella::JackConnection;

class Probe final : public tinkella::JackConnectionListener {
public:
    JackConnection::Port* out = nullptr;
    int gone = 0;
    int back = 0;

    void process(jack_nframes_t frames) override {
        if (void* buffer = out ? out->buffer(frames) : nullptr) {
            jack_midi_clear_buffer(buffer);
        }
    }
    void serverGone() override { std::printf("gone %d\n", ++gone); }
    void serverBack() override { std::printf("back %d\n", ++back); }
};

class Sine final : public tinkella::AudioRenderer {
public:
    explicit Sine(double rate) : step_(2.0 * M_PI * 440.0 / rate) {}
    void render(float* left, float* right, int frames) override {
        for (int i = 0; i < frames; ++i, phase_ += step_) {
            left[i] = right[i] = static_cast<float>(0.25 * std::sin(phase_));
        }
    }
    bool isSilent() const override { return false; }

private:
    double step_;
    double phase_ = 0.0;
};

} // namespace

int main() {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Probe probe;
    int status = 0;
    auto connection = JackConnection::open("conn-probe", probe, status);
    std::string error;
    auto synth = tinkella::JackSynthClient::open(
        "Tinkella Synth", std::make_unique<tinkella::PosixStandardErrorWriter>(), error);
    if (!connection || !synth) {
        std::fprintf(stderr, "open failed: %d %s\n", status, error.c_str());
        return 1;
    }
    probe.out = connection->registerPort("out", JackConnection::PortKind::midiOut, status);
    connection->registerPort("in", JackConnection::PortKind::midiIn, status);
    auto output = synth->output();
    Sine sine(output->info().sampleRate);
    output->start(sine);
    std::printf("ready\n");

    pollfd fds[3] = {{STDIN_FILENO, POLLIN, 0},
                     {connection->pollDescriptor(), POLLIN, 0},
                     {synth->pollDescriptor(), POLLIN, 0}};
    for (;;) {
        if (poll(fds, 3, -1) < 0) {
            continue;
        }
        char byte = 0;
        if ((fds[0].revents & (POLLIN | POLLHUP)) &&
            (read(STDIN_FILENO, &byte, 1) <= 0 || byte == 'q')) {
            break;
        }
        if (fds[1].revents & POLLIN) {
            connection->dispatchPending();
        }
        if (fds[2].revents & POLLIN) {
            synth->dispatchPending();
        }
    }
    output.reset();
    std::printf("end gone %d back %d\n", probe.gone, probe.back);
    return 0;
}
