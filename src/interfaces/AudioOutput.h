#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tinkella {

// The synthesiser as seen by an output that we drive ourselves.
class AudioRenderSource {
public:
    virtual ~AudioRenderSource() = default;
    // The output's real-time thread: fills out[0] .. out[channels - 1] with frames frames of
    // planar audio in -1..1. Never locks, allocates or logs.
    virtual void renderAudio(float* out[], int channels, std::uint32_t frames) = 0;
};

// An audio output of our own, as opposed to one of FluidSynth's drivers. It opens before the
// synthesiser is made, so that the synthesiser runs at the output's rate; plays silence until
// start(), then the source, until it is destroyed. Once the destructor has returned the source
// is no longer called.
class AudioOutputStream {
public:
    virtual ~AudioOutputStream() = default;
    // The name --audio= knows the output by ("jack").
    virtual std::string driverName() const = 0;
    virtual double sampleRate() const = 0;
    virtual int periodFrames() const = 0;
    virtual int periods() const = 0;
    // The owning thread; source must outlive the stream.
    virtual void start(AudioRenderSource& source) = 0;
};

// Opens one of our own outputs; null, with a short reason in error, when it cannot. May block.
using AudioOutputOpener = std::function<std::unique_ptr<AudioOutputStream>(std::string& error)>;

} // namespace tinkella
