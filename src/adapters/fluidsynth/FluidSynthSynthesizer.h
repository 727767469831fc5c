#pragma once

#include "adapters/fluidsynth/FluidSynthInstance.h"
#include "adapters/fluidsynth/FluidSynthOutput.h"
#include "adapters/fluidsynth/FluidSynthWorker.h"
#include "interfaces/AudioOutput.h"
#include "interfaces/Synthesizer.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <fluidsynth.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tinkella {

class FluidSynthRenderer;

struct FluidSynthOptions {
    // FluidSynth audio drivers to try, in order ("jack", "pulseaudio", "alsa", "sdl2"); drivers
    // this FluidSynth lacks are skipped, and "jack" is tried only when a JACK server already runs
    // (none is ever started). Empty: no output opens, unless offline.
    std::vector<std::string> drivers;
    // Outputs of our own ("pipewire", "jack"), tried where their name appears in drivers, before
    // a FluidSynth driver of the same name.
    std::vector<NamedAudioOutput> ownOutputs;
    // A sound font file. Empty: the file named by TINKELLA_SOUNDFONT when that is set, else
    // default-GM.sf2 in soundFontDirectory, else the other .sf2 files there by name.
    std::string soundFont;
    std::string soundFontDirectory = "/usr/share/sounds/sf2";
    // A font the user chose, tried before soundFont's. When it does not load soundFont's plays,
    // and the first loadSoundFont() that asks for it again answers why without reading it.
    std::string chosenSoundFont;
    // Runs a job on the main thread, from its event loop; any thread. With it, fonts are read
    // and freed on a thread of the synthesiser's own; without it, on the main thread.
    std::function<void(std::function<void()> job)> toMainThread;
    // Empty: the default server (JACK_DEFAULT_SERVER, else "default").
    std::string jackServer;
    std::string jackClientName = "Tinkella Synth";
    // Hz; a JACK server's own rate wins.
    double sampleRate = 48000.0;
    // The synthesiser's master gain: one note at full velocity peaks near -12 dBFS.
    double gain = 0.7;
    // No audio device: the synthesiser renders only when render() asks (tests and benchmarks).
    bool offline = false;
};

// The built-in synthesiser on FluidSynth: a General MIDI synthesiser whose sound font is wholly
// in memory, our peak limiter, and a FluidSynth audio driver or an output of our own. Messages
// reach the audio thread through the renderer's queues; a new sound font, or an output that now
// runs at another rate, brings a whole new synthesiser, made on the worker (see
// FluidSynthOptions::toMainThread) and handed to the audio thread in one step, while the one
// before plays on. Main thread only.
class FluidSynthSynthesizer final : public Synthesizer {
public:
    // Loads the sound font (the chosen one, else the system's), then opens the first output of
    // options that works, at its rate. Null, with one line saying why in failure, when no font
    // loads or no output opens. Any one thread; it blocks while the font is read and the output
    // opened.
    static std::unique_ptr<FluidSynthSynthesizer> open(FluidSynthOptions options,
                                                       std::string& failure);
    ~FluidSynthSynthesizer() override;
    FluidSynthSynthesizer(const FluidSynthSynthesizer&) = delete;
    FluidSynthSynthesizer& operator=(const FluidSynthSynthesizer&) = delete;

    void noteOn(std::uint8_t channel, std::uint8_t note, std::uint8_t velocity) override;
    void noteOff(std::uint8_t channel, std::uint8_t note) override;
    void controlChange(std::uint8_t channel, std::uint8_t controller, std::uint8_t value) override;
    void programChange(std::uint8_t channel, std::uint8_t program) override;
    void pitchBend(std::uint8_t channel, std::uint16_t value) override;
    void channelPressure(std::uint8_t channel, std::uint8_t value) override;
    // Empty path: the system's font. The font already in use is not read again.
    void loadSoundFont(const std::string& path,
                       std::function<void(const std::string& error)> done) override;
    // Offline only; the calling thread then counts as the audio thread.
    bool render(float* left, float* right, std::size_t frames) override;
    // "synthesiser on jack, 64 frames × 2 at 48000 Hz (2.7 ms)", followed by the outputs of our
    // own that failed before, if any ("(not opened: pipewire: no PipeWire daemon)").
    std::string describeOutput() const override;
    double periodMilliseconds() const override;

    // The output's buffering (empty driver when offline), the font in use and the rate (Hz) of
    // the synthesiser in use, which follows the output's.
    const AudioOutputInfo& output() const { return output_; }
    const std::string& soundFontPath() const { return soundFontPath_; }
    double sampleRate() const { return sampleRate_; }
    // Frames from a note event to its sound leaving the synthesiser, beyond the output's buffers.
    std::size_t limiterLatencyFrames() const;
    // Events dropped because the audio thread fell behind.
    std::uint64_t droppedEvents() const;
    const FluidSynthRenderer& renderer() const { return *renderer_; }

private:
    explicit FluidSynthSynthesizer(FluidSynthOptions options);
    // The first synthesiser and its renderer at sampleRate (Hz), once; null when no font loads.
    FluidSynthRenderer* makeRenderer(double sampleRate, std::string& failure);
    // channel 0..31, kind 0x80..0xE0; what ChannelState holds back is dropped.
    void send(std::uint8_t channel, std::uint8_t kind, std::uint8_t data1, std::uint8_t data2);
    // A synthesiser to make at the output's rate with the font at path (empty: the system's;
    // with fallback, the system's too when path does not load), then done on the main thread.
    struct FontLoad {
        std::uint64_t number;
        std::string path;
        bool fallback;
        std::function<void(const std::string& error)> done;
    };
    void read(FontLoad load);
    // Main thread: what load read, offered to the audio thread when it is still the latest and
    // at the output's rate, read again when the rate changed meanwhile.
    void finishLoad(FontLoad load, std::unique_ptr<FluidSynthInstance> next,
                    const std::string& error);
    // Main thread: the output runs at now's rate and period from here on; says so in one line.
    void followOutput(const AudioOutputInfo& now);
    // Reads the font in use again at the output's rate when the synthesiser's differs and no
    // load is under way (that one is made at the new rate).
    void followRate();
    // Frees doomed off the main thread when the worker is in use.
    void discard(std::unique_ptr<FluidSynthInstance> doomed);
    // Frees the synthesiser the audio thread lets go of once it takes the offered one, waiting
    // for that a little: on the worker when it is in use, else here.
    void release();

    struct SettingsDeleter {
        void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
    };

    FluidSynthOptions options_;
    double sampleRate_ = 0.0;
    std::string systemSoundFontPath_; // once the system's font has been loaded
    std::string soundFontPath_;
    // Why options_.chosenSoundFont did not load when the synthesiser opened; answered once.
    std::string chosenFailure_;
    // Numbers the loads: a result that is not the latest is dropped.
    std::atomic<std::uint64_t> latestLoad_{0};
    bool loading_ = false; // the latest load has not finished
    ChannelState channels_;
    AudioOutputInfo output_;
    // Outputs of our own that failed before the one that opened ("pipewire: ...").
    std::string notOpened_;

    // Declared so that the worker's jobs end first, then the output stops, then the renderer
    // and its synthesisers go, then the driver's settings.
    std::unique_ptr<fluid_settings_t, SettingsDeleter> driverSettings_;
    std::unique_ptr<FluidSynthRenderer> renderer_;
    OutputHandle outputHandle_;
    // What a finished load posts to the main thread reaches the synthesiser through this, unless
    // it has gone.
    std::shared_ptr<FluidSynthSynthesizer*> self_;
    FluidSynthWorker worker_;
};

// Opens FluidSynthSynthesizer::open(options) on whichever thread calls it.
SynthesizerOpener makeFluidSynthOpener(FluidSynthOptions options = {});

} // namespace tinkella
