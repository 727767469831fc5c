#include "adapters/fluidsynth/FluidSynthOutput.h"

#include <algorithm>
#include <alsa/asoundlib.h>
#include <cstdlib>
#include <jack/jack.h>
#include <optional>
#include <set>

namespace tinkella {

namespace {

void quiet(const char*) {}

void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// While drivers are tried, libasound's complaints (no card, unknown PCM) stay off standard
// error: the caller reports the outcome in one line of its own. The library's own handler (null)
// comes back after: no part of the program keeps another for good.
class AlsaErrorsSilenced {
public:
    AlsaErrorsSilenced() { snd_lib_error_set_handler(quietAlsa); }
    ~AlsaErrorsSilenced() { snd_lib_error_set_handler(nullptr); }
    AlsaErrorsSilenced(const AlsaErrorsSilenced&) = delete;
    AlsaErrorsSilenced& operator=(const AlsaErrorsSilenced&) = delete;
};

// Buffers for a live instrument: short enough to play, long enough not to underrun.
struct Buffering {
    int periodFrames;
    int periods;
};

Buffering bufferingFor(const std::string& driver) {
    if (driver == "alsa") {
        return {128, 2};
    }
    return {256, 2}; // pulseaudio, sdl2 and others
}

void collectOption(void* data, const char*, const char* option) {
    static_cast<std::set<std::string>*>(data)->insert(option);
}

std::set<std::string> availableDrivers(fluid_settings_t* settings) {
    std::set<std::string> names;
    fluid_settings_foreach_option(settings, "audio.driver", &names, collectOption);
    return names;
}

} // namespace

std::optional<JackServerInfo> probeJackServer(const std::string& serverName) {
    // Written only when missing: other threads may be reading the environment.
    if (const char* set = std::getenv("JACK_NO_START_SERVER"); !set || std::string(set) != "1") {
        setenv("JACK_NO_START_SERVER", "1", 1);
    }
    // libjack's own complaints stay off standard error from here on, as they do once the program
    // opens a JACK client of its own (JackConnection): the caller says in a line of its own that
    // no server runs.
    jack_set_error_function(quiet);
    jack_set_info_function(quiet);
    jack_status_t status{};
    int options = JackNoStartServer;
    if (!serverName.empty()) {
        options |= JackServerName;
    }
    jack_client_t* client =
        serverName.empty()
            ? jack_client_open("Tinkella probe", static_cast<jack_options_t>(options), &status)
            : jack_client_open("Tinkella probe", static_cast<jack_options_t>(options), &status,
                               serverName.c_str());
    std::optional<JackServerInfo> info;
    if (client != nullptr) {
        info = JackServerInfo{static_cast<double>(jack_get_sample_rate(client)),
                              static_cast<int>(jack_get_buffer_size(client))};
        jack_client_close(client);
    }
    return info;
}

OpenedOutput openAudioOutput(fluid_settings_t* settings, const OutputRequest& request,
                             fluid_audio_func_t func, const RendererAt& rendererAt) {
    OpenedOutput opened;
    const AlsaErrorsSilenced silenced;
    const std::set<std::string> available = availableDrivers(settings);
    std::string tried;
    auto note = [&](const std::string& driver, const std::string& why) {
        tried += (tried.empty() ? "" : ", ") + driver + " (" + why + ")";
        opened.notOpened += (opened.notOpened.empty() ? "" : ", ") + driver + ": " + why;
    };
    // Once made (for a FluidSynth driver that then failed to open), the synthesiser keeps its
    // rate: a later output of ours is asked for it. Those with a rate of their own (JACK's)
    // stand before every FluidSynth driver.
    double synthRate = 0.0;
    auto rendererFor = [&](double sampleRate) {
        AudioRenderer* renderer = rendererAt(sampleRate);
        synthRate = synthRate > 0.0 ? synthRate : sampleRate;
        return renderer;
    };
    for (const std::string& driver : request.drivers) {
        const auto own = std::find_if(request.ownOutputs.begin(), request.ownOutputs.end(),
                                      [&](const NamedAudioOutput& o) { return o.name == driver; });
        if (own != request.ownOutputs.end() && own->open) {
            std::string why;
            const double asked = synthRate > 0.0 ? synthRate : request.sampleRate;
            if (std::unique_ptr<AudioOutput> output = own->open(asked, why)) {
                const AudioOutputInfo info = output->info();
                AudioRenderer* renderer = rendererFor(info.sampleRate);
                if (renderer == nullptr) {
                    return opened;
                }
                output->start(*renderer);
                opened.info = info;
                opened.output = OutputHandle(std::move(output));
                return opened;
            }
            if (!why.empty()) {
                note(driver, why);
                continue;
            }
        }
        if (available.count(driver) == 0) {
            continue;
        }
        std::optional<JackServerInfo> jack;
        if (driver == "jack" && !(jack = probeJackServer(request.jackServer))) {
            tried += (tried.empty() ? "" : ", ") + driver + " (no server running)";
            continue;
        }
        tried += (tried.empty() ? "" : ", ") + driver;
        fluid_settings_setstr(settings, "audio.driver", driver.c_str());
        AudioOutputInfo info{driver, 0, 0, request.sampleRate};
        if (jack) {
            fluid_settings_setstr(settings, "audio.jack.id", request.jackClientName.c_str());
            fluid_settings_setstr(settings, "audio.jack.server", request.jackServer.c_str());
            fluid_settings_setint(settings, "audio.jack.autoconnect", 1);
            fluid_settings_setint(settings, "audio.jack.multi", 0);
            info.periodFrames = jack->bufferFrames;
            info.periods = 2;
            info.sampleRate = jack->sampleRate;
        } else {
            const Buffering buffering = bufferingFor(driver);
            fluid_settings_setint(settings, "audio.period-size", buffering.periodFrames);
            fluid_settings_setint(settings, "audio.periods", buffering.periods);
            info.periodFrames = buffering.periodFrames;
            info.periods = buffering.periods;
        }
        if (driver == "pulseaudio") {
            fluid_settings_setstr(settings, "audio.pulseaudio.media-role", "music");
        }
        AudioRenderer* renderer = rendererFor(info.sampleRate);
        if (renderer == nullptr) {
            return opened;
        }
        FluidDriverPtr fluidDriver(new_fluid_audio_driver2(settings, func, renderer));
        if (fluidDriver) {
            opened.output = OutputHandle(std::move(fluidDriver));
            opened.info = info;
            return opened;
        }
    }
    opened.error = "no audio output could be opened (tried " +
                   (tried.empty() ? std::string("none") : tried) + ")";
    return opened;
}

} // namespace tinkella
