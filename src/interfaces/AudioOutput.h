#pragma once

#include <functional>
#include <memory>
#include <string>

namespace tinkella {

// Where an audio output of our own takes its sound from.
class AudioRenderer {
public:
    virtual ~AudioRenderer() = default;
    // Audio thread: fills left and right with frames samples each (planar stereo, full scale
    // ±1). Never locks, allocates or logs.
    virtual void render(float* left, float* right, int frames) = 0;
    // Any thread, a snapshot: true while nothing sounds, so that an output may stop asking.
    virtual bool isSilent() const = 0;
};

// The buffering an opened output runs with. JACK's period count is not visible to a client;
// two is assumed, as a JACK server runs by default.
struct AudioOutputInfo {
    std::string driver; // "jack", "pipewire", "pulseaudio", "alsa", "sdl2"; empty when offline
    int periodFrames = 0;
    int periods = 0;
    double sampleRate = 0.0;

    double bufferMilliseconds() const {
        return sampleRate > 0.0 ? 1000.0 * periodFrames * periods / sampleRate : 0.0;
    }
};

// An audio output of our own (not a synthesiser library's driver). It opens before its renderer
// exists, so that the renderer can be made at the output's rate; its audio thread plays silence
// until start(), then pulls from the renderer until destruction, which stops that thread before
// returning.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // The rate the renderer must render at (Hz) and the buffering the sound server granted.
    virtual AudioOutputInfo info() const = 0;
    // Main thread, once: from now on the audio thread pulls from renderer, which must outlive
    // the output.
    virtual void start(AudioRenderer& renderer) = 0;
    // Main thread, as an event is queued for the renderer: sound is coming, so an output that
    // went quiet to save power starts asking again. Never blocks.
    virtual void wake() = 0;
    // Any thread: from now on changed (replacing an earlier one; empty: none) runs on the main
    // thread each time the sound server makes the output run at another rate or period (a JACK
    // server back with other settings, or told to change its period), with the new info(). The
    // renderer keeps being pulled, and must follow the new rate. Outputs whose rate never changes
    // (the graph resamples) never call it.
    virtual void whenFormatChanges(std::function<void(const AudioOutputInfo& now)> changed) {
        static_cast<void>(changed);
    }
};

// Opens an output, at sampleRate (Hz) where the sound server lets the output choose (a JACK
// server fixes its own, which info() tells). Null when it cannot, with a one-line reason in
// error ("no PipeWire daemon running"), or with error empty when it does not apply here, so that
// a synthesiser driver of the same name is tried instead. Any one thread; it may block.
using AudioOutputOpener =
    std::function<std::unique_ptr<AudioOutput>(double sampleRate, std::string& error)>;

// An output of our own by the name the ordered output table and --audio= use ("pipewire").
struct NamedAudioOutput {
    std::string name;
    AudioOutputOpener open;
};

} // namespace tinkella
