#pragma once

#include "interfaces/AudioOutput.h"

#include <array>
#include <atomic>
#include <jack/types.h>
#include <memory>
#include <string>

namespace tinkella {

// The synthesiser's two audio output ports, "left" and "right", on the MIDI system's own JACK
// client, filled by the client's process callback right after the MIDI of the same cycle.
// Shared by that client and the stream that plays it, so that either may go first.
struct JackAudioBus {
    std::array<jack_port_t*, 2> ports{};
    std::atomic<AudioRenderer*> source{nullptr};
    // Set by the process callback while it may be inside source.
    std::atomic<bool> rendering{false};

    // Process callback: the source's audio, or silence before start().
    void process(jack_nframes_t frames);
};

// Plays a renderer on a JackAudioBus. The JACK server fixes the rate; the client never sleeps,
// so wake() has nothing to do.
class JackAudioOutput final : public AudioOutput {
public:
    JackAudioOutput(std::shared_ptr<JackAudioBus> bus, double sampleRate, int periodFrames);
    ~JackAudioOutput() override;
    JackAudioOutput(const JackAudioOutput&) = delete;
    JackAudioOutput& operator=(const JackAudioOutput&) = delete;

    AudioOutputInfo info() const override { return {"jack", periodFrames_, 2, sampleRate_}; }
    void start(AudioRenderer& renderer) override;
    void wake() override {}

private:
    std::shared_ptr<JackAudioBus> bus_;
    double sampleRate_;
    int periodFrames_;
};

} // namespace tinkella
