// The built-in synthesiser: note events through the real FluidSynth graph, the limiter per
// buffer, sound font load time and memory, and the idle CPU of a running graph on JACK.
#include "JackDummyServer.h"
#include "foundation/PeakLimiter.h"
#include "audio/SoundController.h"
#include "adapters/fluidsynth/FluidSynthAudioSystem.h"
#include "adapters/fluidsynth/FluidSynthGraph.h"
#include "adapters/fluidsynth/FluidSynthRenderer.h"
#include "foundation/MidiEventRing.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <fstream>
#include <jack/jack.h>
#include <random>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace tinkella {
namespace {

constexpr std::size_t period = 64;

FluidSynthOptions offline() {
    FluidSynthOptions options;
    options.offline = true;
    options.announce = false;
    return options;
}

// Resident anonymous memory of this process, in kB.
long rssAnonKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "RssAnon:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           1e-6 * static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

// CPU this process used while sleeping for the given time, in per cent of one core.
double cpuPercentOver(std::chrono::seconds span) {
    const double before = cpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(span);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return 100.0 * (cpuSeconds() - before) / wall;
}

struct OfflineGraph {
    std::unique_ptr<AudioGraph> graph;
    MusicDevice* unit = nullptr;
    std::vector<float> left = std::vector<float>(period);
    std::vector<float> right = std::vector<float>(period);

    OfflineGraph() {
        FluidSynthAudioSystem system(offline());
        SoundController::GraphResult made = SoundController::CreateAUGraph(system);
        graph = std::move(made.graph);
        unit = made.unit;
        if (graph) {
            graph->initialize();
            unit->midiEvent(0xC0, 0, 0, 0);
            graph->start();
        }
    }
    FluidSynthGraph& fluid() { return static_cast<FluidSynthGraph&>(*graph); }
    void renderPeriod() { fluid().render(left.data(), right.data(), period); }
};

// Memory first, while the heap is fresh: the anonymous memory one open graph holds with the
// system sound font (dynamic sample loading: the piano and drum kit chosen at start-up).
void BM_SoundFontMemory(benchmark::State& state) {
    for (auto _ : state) {
        const long before = rssAnonKilobytes();
        OfflineGraph g;
        if (!g.graph) {
            state.SkipWithError("no synthesiser graph");
            return;
        }
        state.counters["RssAnon_MB"] = static_cast<double>(rssAnonKilobytes() - before) / 1024.0;
        state.SetLabel(g.fluid().soundFontPath());
    }
}
BENCHMARK(BM_SoundFontMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// The whole road of a note: started on the main thread, one 64-frame buffer, ended, one
// buffer, its sound cut (all sound off), one buffer. The cut keeps the voice count bounded.
void BM_NoteThroughGraph(benchmark::State& state) {
    OfflineGraph g;
    if (!g.graph) {
        state.SkipWithError("no synthesiser graph");
        return;
    }
    std::uint32_t note = 48;
    for (auto _ : state) {
        g.unit->midiEvent(0x90, note, 127, 0);
        g.renderPeriod();
        g.unit->midiEvent(0x80, note, 0, 0);
        g.renderPeriod();
        g.unit->midiEvent(0xB0, 120, 0, 0);
        g.renderPeriod();
        note = note == 72 ? 48 : note + 1;
        benchmark::DoNotOptimize(g.left.data());
    }
}
BENCHMARK(BM_NoteThroughGraph);

// The main thread's share of every note start or end: one event handed to the music device,
// which queues it for the audio thread and never waits. Timed in batches of 512 events (a
// control change, cheap to apply), each batch then drained by rendering one buffer untimed.
void BM_MidiEventMainThread(benchmark::State& state) {
    OfflineGraph g;
    if (!g.graph) {
        state.SkipWithError("no synthesiser graph");
        return;
    }
    constexpr int batch = 512;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < batch; ++i) {
            benchmark::DoNotOptimize(g.unit->midiEvent(0xB0, 7, 100, 0));
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        g.renderPeriod();
    }
    state.SetItemsProcessed(state.iterations() * batch);
    state.counters["dropped"] = static_cast<double>(g.fluid().droppedEvents());
}
BENCHMARK(BM_MidiEventMainThread)->UseManualTime();

// Choosing an instrument: the program change reads the new instrument's samples (and frees
// the old one's) on the calling thread, here alternating String Ensemble 1 and the piano.
// With a device this runs on the main thread while the audio thread plays silence.
void BM_ProgramChange(benchmark::State& state) {
    OfflineGraph g;
    if (!g.graph) {
        state.SkipWithError("no synthesiser graph");
        return;
    }
    std::uint32_t program = 48;
    for (auto _ : state) {
        g.unit->midiEvent(0xC0, program, 0, 0);
        program = program == 48 ? 0 : 48;
    }
}
BENCHMARK(BM_ProgramChange)->Iterations(20)->Unit(benchmark::kMillisecond);

// One 64-frame buffer with the given number of held organ notes (0: the idle path).
void BM_RenderPeriod(benchmark::State& state) {
    OfflineGraph g;
    if (!g.graph) {
        state.SkipWithError("no synthesiser graph");
        return;
    }
    g.unit->midiEvent(0xC0, 16, 0, 0); // Drawbar Organ: sounds for as long as it is held
    for (int i = 0; i < state.range(0); ++i) {
        g.unit->midiEvent(0x90, static_cast<std::uint32_t>(48 + 3 * i), 127, 0);
    }
    for (int i = 0; i < 200; ++i) {
        g.renderPeriod(); // past the attack, or into idleness
    }
    for (auto _ : state) {
        g.renderPeriod();
        benchmark::DoNotOptimize(g.left.data());
    }
    state.counters["voices"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_RenderPeriod)->Arg(0)->Arg(1)->Arg(10);

void BM_LimiterPeriod(benchmark::State& state) {
    PeakLimiter limiter(48000.0);
    std::mt19937 random(1);
    std::uniform_real_distribution<float> sample(-4.0f, 4.0f);
    std::vector<float> left(48000);
    std::vector<float> right(48000);
    for (std::size_t i = 0; i < left.size(); ++i) {
        left[i] = sample(random);
        right[i] = sample(random);
    }
    std::vector<float> outLeft(period);
    std::vector<float> outRight(period);
    std::size_t at = 0;
    for (auto _ : state) {
        limiter.process(left.data() + at, right.data() + at, outLeft.data(), outRight.data(),
                        period);
        at = at + 2 * period > left.size() ? 0 : at + period;
        benchmark::DoNotOptimize(outLeft.data());
    }
}
BENCHMARK(BM_LimiterPeriod);

// Building and opening the graph: synthesiser, system sound font (dynamic sample loading),
// limiter.
void BM_SoundFontLoad(benchmark::State& state) {
    for (auto _ : state) {
        OfflineGraph g;
        if (!g.graph) {
            state.SkipWithError("no synthesiser graph");
            return;
        }
    }
}
BENCHMARK(BM_SoundFontLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

// The floor under any JACK client: a client whose process callback does nothing, on the same
// kind of server, in per cent of one core.
int doNothing(jack_nframes_t, void*) {
    return 0;
}

void BM_BareJackClientCpu(benchmark::State& state) {
    testing::JackDummyServer server("tinkella-audio-bench");
    if (!server.ready()) {
        state.SkipWithError("no JACK dummy server");
        return;
    }
    jack_client_t* client = jack_client_open("Tinkella bare", JackNoStartServer, nullptr);
    if (client == nullptr) {
        state.SkipWithError("no JACK client");
        return;
    }
    jack_set_process_callback(client, doNothing, nullptr);
    jack_port_register(client, "out", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
    jack_activate(client);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    double percent = 0.0;
    for (auto _ : state) {
        percent = cpuPercentOver(std::chrono::seconds(3));
    }
    jack_client_close(client);
    state.counters["cpu_percent_of_core"] = percent;
}
BENCHMARK(BM_BareJackClientCpu)->Iterations(1)->Unit(benchmark::kSecond);

// CPU of this process while a started graph sits on a private JACK dummy server (64 frames at
// 48 kHz), in per cent of one core: idle (nothing sounding) and holding one note.
void BM_IdleCpuOnJack(benchmark::State& state) {
    testing::JackDummyServer server("tinkella-audio-bench");
    if (!server.ready()) {
        state.SkipWithError("no JACK dummy server");
        return;
    }
    FluidSynthOptions options;
    options.drivers = {"jack"};
    options.jackServer = server.name();
    options.announce = false;
    FluidSynthAudioSystem system(options);
    SoundController::GraphResult made = SoundController::CreateAUGraph(system);
    if (!made.graph) {
        state.SkipWithError(made.failure.c_str());
        return;
    }
    made.graph->initialize();
    made.unit->midiEvent(0xC0, 0, 0, 0);
    made.graph->start();
    const bool holdNote = state.range(0) != 0;
    if (holdNote) {
        made.unit->midiEvent(0x90, 60, 127, 0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    double percent = 0.0;
    for (auto _ : state) {
        const double before = cpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(3));
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        percent = 100.0 * (cpuSeconds() - before) / wall;
    }
    state.counters["cpu_percent_of_core"] = percent;
    state.SetLabel(holdNote ? "one note held" : "idle");
}
BENCHMARK(BM_IdleCpuOnJack)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace tinkella

BENCHMARK_MAIN();
