#include "adapters/jack/JackSynthBus.h"

#include <chrono>
#include <cstring>
#include <jack/jack.h>
#include <thread>

namespace tinkella {

// Plays a renderer on a JackSynthBus. The JACK server fixes the rate and never sleeps, so
// wake() has nothing to do.
class JackSynthOutput final : public AudioOutput {
public:
    JackSynthOutput(std::shared_ptr<JackSynthBus> bus, std::shared_ptr<void> keep)
        : bus_(std::move(bus)), keep_(std::move(keep)) {}
    // Waits for a cycle inside the renderer to end, so the renderer may go right after.
    ~JackSynthOutput() override {
        whenFormatChanges({});
        bus_->source_.store(nullptr);
        while (bus_->rendering_.load()) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
    }
    JackSynthOutput(const JackSynthOutput&) = delete;
    JackSynthOutput& operator=(const JackSynthOutput&) = delete;

    AudioOutputInfo info() const override {
        const std::lock_guard lock(bus_->formatMutex_);
        return bus_->format_;
    }
    void start(AudioRenderer& renderer) override { bus_->source_.store(&renderer); }
    void wake() override {}
    void whenFormatChanges(std::function<void(const AudioOutputInfo&)> changed) override {
        const std::lock_guard lock(bus_->formatMutex_);
        bus_->formatListener_ = std::move(changed);
    }

private:
    std::shared_ptr<JackSynthBus> bus_;
    std::shared_ptr<void> keep_;
};

std::shared_ptr<JackSynthBus> JackSynthBus::open(JackConnection& connection, std::string& error) {
    std::shared_ptr<JackSynthBus> bus(new JackSynthBus(connection));
    const char* names[2] = {"left", "right"};
    for (std::size_t i = 0; i < bus->ports_.size(); ++i) {
        int status = 0;
        bus->ports_[i] =
            connection.registerPort(names[i], JackConnection::PortKind::audioOut, status);
        if (!bus->ports_[i]) {
            for (std::size_t j = 0; j < i; ++j) {
                connection.unregisterPort(bus->ports_[j]);
            }
            error = "the JACK audio ports could not be registered";
            return nullptr;
        }
    }
    bus->connectToPlayback();
    return bus;
}

void JackSynthBus::process(jack_nframes_t frames) {
    auto* left = static_cast<float*>(ports_[0]->buffer(frames));
    auto* right = static_cast<float*>(ports_[1]->buffer(frames));
    if (!left || !right) {
        return;
    }
    // Announced before the source is read: a stream that has cleared the source and then sees
    // no render in flight knows that no later cycle can reach it (both sequentially consistent).
    rendering_.store(true);
    if (AudioRenderer* playing = source_.load()) {
        playing->render(left, right, static_cast<int>(frames));
    } else {
        std::memset(left, 0, frames * sizeof(float));
        std::memset(right, 0, frames * sizeof(float));
    }
    rendering_.store(false, std::memory_order_release);
}

void JackSynthBus::connectToPlayback() {
    jack_client_t* client = connection_.client();
    if (!client) {
        return;
    }
    // As FluidSynth's own JACK driver does: left and right to the first two physical inputs.
    const char** playback = jack_get_ports(client, nullptr, JACK_DEFAULT_AUDIO_TYPE,
                                           JackPortIsInput | JackPortIsPhysical);
    if (!playback) {
        return;
    }
    for (std::size_t i = 0; i < ports_.size() && playback[i]; ++i) {
        connection_.connect(*ports_[i], playback[i]);
    }
    jack_free(playback);
}

void JackSynthBus::serverBack() {
    jack_client_t* client = connection_.client();
    // By the remembered peers, not the ports' connections: those just restored may not be in
    // the graph yet.
    for (const JackConnection::Port* port : ports_) {
        for (const std::string& peer : connection_.rememberedPeers(*port)) {
            if (!client || jack_port_by_name(client, peer.c_str())) {
                return;
            }
        }
    }
    connectToPlayback();
}

void JackSynthBus::formatChanged() {
    jack_client_t* client = connection_.client();
    if (!client) {
        return;
    }
    const auto periodFrames = static_cast<int>(jack_get_buffer_size(client));
    const auto sampleRate = static_cast<double>(jack_get_sample_rate(client));
    std::function<void(const AudioOutputInfo&)> listener;
    AudioOutputInfo now;
    {
        const std::lock_guard lock(formatMutex_);
        if (periodFrames == format_.periodFrames && sampleRate == format_.sampleRate) {
            return;
        }
        format_.periodFrames = periodFrames;
        format_.sampleRate = sampleRate;
        now = format_;
        listener = formatListener_;
    }
    // Outside the lock: the listener may ask the stream again.
    if (listener) {
        listener(now);
    }
}

std::unique_ptr<AudioOutput> JackSynthBus::output(std::shared_ptr<void> keep) {
    if (jack_client_t* client = connection_.client()) {
        const std::lock_guard lock(formatMutex_);
        format_.periodFrames = static_cast<int>(jack_get_buffer_size(client));
        format_.sampleRate = jack_get_sample_rate(client);
    }
    return std::make_unique<JackSynthOutput>(shared_from_this(), std::move(keep));
}

} // namespace tinkella
