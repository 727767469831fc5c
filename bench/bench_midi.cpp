// MIDI output costs: messages per second through the JACK backend on a private dummy server,
// and one noteOn with its two log lines (run with standard error sent to /dev/null).
#include "JackDummyServer.h"
#include "adapters/jack/JackMidiPort.h"
#include "adapters/syslog/SyslogSystemLog.h"
#include "outputs/MIDIOutput.h"

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cerrno>
#include <chrono>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <thread>
#include <vector>

namespace {

using tinkella::testing::JackDummyServer;

// Counts the MIDI events arriving at one input port.
class EventCounter {
public:
    EventCounter() {
        client_ = jack_client_open("bench-counter", JackNoStartServer, nullptr);
        if (client_) {
            port_ = jack_port_register(client_, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
            jack_set_process_callback(client_, &EventCounter::process, this);
            jack_activate(client_);
        }
    }
    ~EventCounter() {
        if (client_) {
            jack_deactivate(client_);
            jack_client_close(client_);
        }
    }
    bool connectFrom(const std::string& source) {
        return client_ && jack_connect(client_, source.c_str(), jack_port_name(port_)) == 0;
    }
    std::uint64_t count() const { return count_.load(std::memory_order_acquire); }

private:
    static int process(jack_nframes_t nframes, void* arg) {
        auto* self = static_cast<EventCounter*>(arg);
        void* buffer = jack_port_get_buffer(self->port_, nframes);
        self->count_.fetch_add(jack_midi_get_event_count(buffer), std::memory_order_release);
        return 0;
    }

    jack_client_t* client_ = nullptr;
    jack_port_t* port_ = nullptr;
    std::atomic<std::uint64_t> count_{0};
};

// Hears nothing of interest: the benchmark only sends.
class IgnoringListener final : public tinkella::MidiPortListener {
public:
    void received(tinkella::MidiSender, const std::uint8_t*, std::size_t) override {}
    void senderGone(tinkella::MidiSender) override {}
    void changed(tinkella::MidiChange) override {}
};

// Messages handed to the backend in batches of 10000 and delivered to a listening client,
// waiting whenever the backend's queue is full: the sustained rate from the main thread
// through the process callback into the graph. Items are delivered messages.
void BM_JackMessagesDelivered(benchmark::State& state) {
    JackDummyServer server("bench-midi");
    if (!server.ready()) {
        state.SkipWithError("jackd did not start");
        return;
    }
    tinkella::MidiStatus status = 0;
    auto port = tinkella::JackMidiPort::connect("Tinkella", status);
    IgnoringListener listener;
    if (!port) {
        state.SkipWithError("JACK client refused");
        return;
    }
    const tinkella::MidiPortOpened opened =
        port->open("Tinkella", "Quorvin", "Tinkella", "Tinkella In", listener);
    if (opened.client != 0 || opened.source != 0) {
        state.SkipWithError("JACK client refused");
        return;
    }
    EventCounter counter;
    if (!counter.connectFrom(port->sourcePortName())) {
        state.SkipWithError("could not connect the counter");
        return;
    }
    constexpr std::uint64_t batch = 10000;
    const auto noteOn = tinkella::MidiMessage::noteOn(60, 100, 0);
    std::uint64_t sent = 0;
    std::uint64_t refused = 0;
    for (auto _ : state) {
        const std::uint64_t before = counter.count();
        const auto start = std::chrono::steady_clock::now();
        std::uint64_t accepted = 0;
        for (std::uint64_t i = 0; i < batch; ++i) {
            tinkella::MidiStatus result = 0;
            while ((result = port->send(noteOn)) == -ENOBUFS) {
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            }
            ++(result == 0 ? accepted : refused);
        }
        // Delivered once the listener has seen the whole batch (lost events end the wait
        // after two seconds).
        const auto deadline = start + std::chrono::seconds(2);
        while (counter.count() - before < accepted && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        sent += accepted;
    }
    const double delivered = static_cast<double>(counter.count());
    state.counters["delivered_pct"] = sent ? 100.0 * delivered / static_cast<double>(sent) : 0;
    state.counters["refused"] = static_cast<double>(refused);
    state.SetItemsProcessed(static_cast<std::int64_t>(delivered));
}
BENCHMARK(BM_JackMessagesDelivered)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

// A MIDI port that publishes at once and accepts every message, so only the output's own
// work and its log writes are measured.
class AcceptingMidiPort final : public tinkella::MidiPort {
public:
    tinkella::MidiTopology topology() override { return {}; }
    tinkella::MidiPortOpened open(std::string_view, std::string_view, std::string_view,
                                  std::string_view, tinkella::MidiPortListener&) override {
        return {0, 0, 0, 2, 2, 0};
    }
    tinkella::MidiStatus send(const tinkella::MidiMessage&) override { return 0; }
    int pollDescriptor() const override { return -1; }
    void dispatchPending() override {}
    bool waitUntilSent(std::chrono::milliseconds) override { return true; }
    std::string displayName() const override { return "MIDI system"; }
    std::string describe(tinkella::MidiStatus) const override { return "refused"; }
};

// One noteOn: its "noteOn" line, the word, the hand-over and its "send #" line, each line to
// syslog and standard error. Every 25th accepted message adds a topology dump; the median of
// single calls leaves those out.
void BM_NoteOnWithLog(benchmark::State& state) {
    tinkella::MIDIOutput output(
        std::make_unique<AcceptingMidiPort>(),
        tinkella::MidiLogSink{std::make_unique<tinkella::SyslogSystemLog>("midi"),
                              std::make_unique<tinkella::PosixStandardErrorWriter>()});
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        output.noteOn(60, 127, 0);
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::nth_element(micros.begin(), micros.begin() + static_cast<long>(micros.size() / 2),
                     micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
}
BENCHMARK(BM_NoteOnWithLog)->Iterations(20000);

} // namespace

BENCHMARK_MAIN();
