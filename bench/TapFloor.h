#pragma once

#include <atomic>
#include <jack/jack.h>

namespace tinkella::testing {

// The sound of a floor for press-to-sound measurements: a JACK client with one output port,
// "<name>:out", that plays 50 ms (at 48 kHz) of a constant 0.5 from the first cycle after
// tap(). Nothing lies between the caller's tap() and the next cycle, so a press timed through it
// costs only what the toolkit, the window system and the JACK graph cost any program.
class TapFloor {
public:
    TapFloor() = default;
    TapFloor(const TapFloor&) = delete;
    TapFloor& operator=(const TapFloor&) = delete;
    ~TapFloor() {
        if (client_ != nullptr) {
            jack_client_close(client_);
        }
    }

    // Opens and activates the client on the default server (never started); false on failure.
    bool open(const char* name) {
        client_ = jack_client_open(name, JackNoStartServer, nullptr);
        if (client_ == nullptr) {
            return false;
        }
        out_ = jack_port_register(client_, "out", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
        jack_set_process_callback(client_, &TapFloor::process, this);
        return out_ != nullptr && jack_activate(client_) == 0;
    }
    // Any thread; the sound starts with the next cycle.
    void tap() { tapped_.store(true, std::memory_order_release); }

private:
    static int process(jack_nframes_t frames, void* arg) {
        auto* self = static_cast<TapFloor*>(arg);
        auto* samples = static_cast<float*>(jack_port_get_buffer(self->out_, frames));
        if (self->tapped_.exchange(false, std::memory_order_acquire)) {
            self->left_ = 2400;
        }
        for (jack_nframes_t i = 0; i < frames; ++i) {
            samples[i] = self->left_ > 0 ? 0.5F : 0.0F;
            self->left_ -= self->left_ > 0 ? 1 : 0;
        }
        return 0;
    }

    jack_client_t* client_ = nullptr;
    jack_port_t* out_ = nullptr;
    std::atomic<bool> tapped_{false};
    jack_nframes_t left_ = 0; // frames still to play; process thread only
};

} // namespace tinkella::testing
