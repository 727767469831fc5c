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

// An audio output of our own (not a synthesiser library's driver): its audio thread pulls from
// an AudioRenderer from opening until destruction, which stops that thread before returning.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Main thread, as an event is queued for the renderer: sound is coming, so an output that
    // went quiet to save power starts asking again. Never blocks.
    virtual void wake() = 0;
    // The buffering as the sound server granted it.
    virtual AudioOutputInfo info() const = 0;
};

// Opens an output rendering renderer at sampleRate (Hz); null with a one-line reason in error
// ("no PipeWire daemon running") when it cannot. renderer must outlive the output. Main thread.
using AudioOutputOpener = std::function<std::unique_ptr<AudioOutput>(
    AudioRenderer& renderer, double sampleRate, std::string& error)>;

// An output of our own by the name the ordered output table and --audio= use ("pipewire").
struct NamedAudioOutput {
    std::string name;
    AudioOutputOpener open;
};

} // namespace tinkella
