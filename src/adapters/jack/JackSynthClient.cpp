#include "adapters/jack/JackSynthClient.h"

#include "adapters/jack/JackStatus.h"

#include <jack/jack.h>

namespace tinkella {

std::shared_ptr<JackSynthClient>
JackSynthClient::open(std::string_view clientName,
                      std::unique_ptr<StandardErrorWriter> standardError, std::string& error) {
    std::shared_ptr<JackSynthClient> synth(new JackSynthClient(std::move(standardError)));
    int status = 0;
    synth->connection_ = JackConnection::open(clientName, *synth, status);
    if (!synth->connection_) {
        if (status < 0 || (status & JackServerFailed) == 0) {
            error = "JACK refused the client (" + describeJackStatus(status) + ")";
        }
        return nullptr;
    }
    synth->bus_ = JackSynthBus::open(*synth->connection_, error);
    if (!synth->bus_) {
        return nullptr;
    }
    synth->playing_.store(synth->bus_.get(), std::memory_order_release);
    return synth;
}

std::unique_ptr<AudioOutput> JackSynthClient::output() {
    return bus_->output(shared_from_this());
}

void JackSynthClient::process(jack_nframes_t frames) {
    if (JackSynthBus* bus = playing_.load(std::memory_order_acquire)) {
        bus->process(frames);
    }
}

void JackSynthClient::serverGone() {
    standardError_->write(goneLine);
}

void JackSynthClient::serverBack() {
    bus_->serverBack();
    standardError_->write(backLine);
}

AudioOutputOpener jackAudioOpener(std::function<std::unique_ptr<AudioOutput>()> fromMidiPort,
                                  MainLoopWatch watch, std::string clientName) {
    return [fromMidiPort = std::move(fromMidiPort), watch = std::move(watch),
            clientName = std::move(clientName)](double, std::string& error) {
        if (fromMidiPort) {
            if (std::unique_ptr<AudioOutput> stream = fromMidiPort()) {
                return stream;
            }
        }
        std::shared_ptr<JackSynthClient> synth =
            JackSynthClient::open(clientName, std::make_unique<PosixStandardErrorWriter>(), error);
        if (!synth) {
            return std::unique_ptr<AudioOutput>();
        }
        if (watch) {
            watch(synth->pollDescriptor(), [synth] { synth->dispatchPending(); });
        }
        return synth->output();
    };
}

} // namespace tinkella
