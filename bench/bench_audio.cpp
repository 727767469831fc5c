// The built-in synthesiser: note events through the real FluidSynth synthesiser, the limiter
// per buffer, sound font load time and memory, and the idle CPU of a running synthesiser on JACK.
#include "JackDummyServer.h"
#include "adapters/fluidsynth/FluidSynthRenderer.h"
#include "adapters/fluidsynth/FluidSynthSynthesizer.h"
#include "foundation/MidiEventRing.h"
#include "foundation/PeakLimiter.h"

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

struct OfflineSynth {
    std::string failure;
    std::unique_ptr<FluidSynthSynthesizer> synth = FluidSynthSynthesizer::open(offline(), failure);
    std::vector<float> left = std::vector<float>(period);
    std::vector<float> right = std::vector<float>(period);

    OfflineSynth() {
        if (synth) {
            synth->programChange(0, 0);
        }
    }
    void renderPeriod() { synth->render(left.data(), right.data(), period); }
};

// Memory first, while the heap is fresh: the anonymous memory one open synthesiser holds with
// the system sound font (every sample of it in memory).
void BM_SoundFontMemory(benchmark::State& state) {
    for (auto _ : state) {
        const long before = rssAnonKilobytes();
        OfflineSynth g;
        if (!g.synth) {
            state.SkipWithError(g.failure.c_str());
            return;
        }
        state.counters["RssAnon_MB"] = static_cast<double>(rssAnonKilobytes() - before) / 1024.0;
        state.SetLabel(g.synth->soundFontPath());
    }
}
BENCHMARK(BM_SoundFontMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// The whole road of a note: started on the main thread, one 64-frame buffer, ended, one
// buffer, its sound cut (all sound off), one buffer. The cut keeps the voice count bounded.
void BM_NoteThroughSynthesizer(benchmark::State& state) {
    OfflineSynth g;
    if (!g.synth) {
        state.SkipWithError(g.failure.c_str());
        return;
    }
    std::uint8_t note = 48;
    for (auto _ : state) {
        g.synth->noteOn(0, note, 127);
        g.renderPeriod();
        g.synth->noteOff(0, note);
        g.renderPeriod();
        g.synth->controlChange(0, 120, 0);
        g.renderPeriod();
        note = note == 72 ? 48 : note + 1;
        benchmark::DoNotOptimize(g.left.data());
    }
}
BENCHMARK(BM_NoteThroughSynthesizer);

// The main thread's share of every note start or end: one event handed to the synthesiser,
// which queues it for the audio thread and never waits. Timed in batches of 512 events (a
// control change, cheap to apply), each batch then drained by rendering one buffer untimed.
void BM_MidiEventMainThread(benchmark::State& state) {
    OfflineSynth g;
    if (!g.synth) {
        state.SkipWithError(g.failure.c_str());
        return;
    }
    constexpr int batch = 512;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < batch; ++i) {
            g.synth->controlChange(0, 7, 100);
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        g.renderPeriod();
    }
    state.SetItemsProcessed(state.iterations() * batch);
    state.counters["dropped"] = static_cast<double>(g.synth->droppedEvents());
}
BENCHMARK(BM_MidiEventMainThread)->UseManualTime();

// Choosing an instrument: the program change queued, then applied by the audio thread (here
// the caller) at the start of the next 64-frame buffer, alternating String Ensemble 1 and the
// piano. Every sample is in memory already: nothing is read.
void BM_ProgramChange(benchmark::State& state) {
    OfflineSynth g;
    if (!g.synth) {
        state.SkipWithError(g.failure.c_str());
        return;
    }
    std::uint8_t program = 48;
    for (auto _ : state) {
        g.synth->programChange(0, program);
        g.renderPeriod();
        program = program == 48 ? 0 : 48;
    }
}
BENCHMARK(BM_ProgramChange)->Iterations(20)->Unit(benchmark::kMicrosecond);

// Changing the sound font: a whole new synthesiser with every sample of the new font read,
// set to the channels' programs and handed to the audio thread (here the caller, rendering one
// buffer), the old one then freed. Alternates two names of the system font, so that nothing is
// shared between the two.
void BM_SoundFontChange(benchmark::State& state) {
    OfflineSynth g;
    if (!g.synth) {
        state.SkipWithError(g.failure.c_str());
        return;
    }
    const std::string names[2] = {"/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                  "/usr/share/sounds/sf2/default-GM.sf2"};
    int next = 0;
    for (auto _ : state) {
        std::string error;
        g.synth->loadSoundFont(names[next], [&error](const std::string& why) { error = why; });
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            return;
        }
        g.renderPeriod();
        next = 1 - next;
    }
    g.synth->loadSoundFont("", [](const std::string&) {}); // collects the last one let go of
    state.counters["RssAnon_MB"] = static_cast<double>(rssAnonKilobytes()) / 1024.0;
}
BENCHMARK(BM_SoundFontChange)->Iterations(6)->Unit(benchmark::kMillisecond);

// One 64-frame buffer with the given number of held organ notes (0: the idle path).
void BM_RenderPeriod(benchmark::State& state) {
    OfflineSynth g;
    if (!g.synth) {
        state.SkipWithError(g.failure.c_str());
        return;
    }
    g.synth->programChange(0, 16); // Drawbar Organ: sounds for as long as it is held
    for (int i = 0; i < state.range(0); ++i) {
        g.synth->noteOn(0, static_cast<std::uint8_t>(48 + 3 * i), 127);
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

// Opening the synthesiser: FluidSynth, the system sound font read whole, the limiter.
void BM_SoundFontLoad(benchmark::State& state) {
    for (auto _ : state) {
        OfflineSynth g;
        if (!g.synth) {
            state.SkipWithError(g.failure.c_str());
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

// CPU of this process while an open synthesiser sits on a private JACK dummy server (64 frames at
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
    std::string failure;
    const std::unique_ptr<FluidSynthSynthesizer> synth =
        FluidSynthSynthesizer::open(options, failure);
    if (!synth) {
        state.SkipWithError(failure.c_str());
        return;
    }
    synth->programChange(0, 0);
    const bool holdNote = state.range(0) != 0;
    if (holdNote) {
        synth->noteOn(0, 60, 127);
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
