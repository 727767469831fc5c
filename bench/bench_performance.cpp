// The performance kept for saving, over 40 simulated minutes of random playing (the recorder's
// clock is the benchmark's own, so the minutes pass at once): memory taken as the ring fills
// (resident pages of the process, beside the bound), events kept, whether what is saved is
// exactly the last 30 minutes, and the time to save a full ring and a dense half hour as a MIDI
// file, beside the floor of writing the same bytes. Densities in events a second: 20 (a pianist's
// dense passage, pedal and all, with a MIDI keyboard playing beside) and 1,000 (a flood, beyond the
// ring's half hour).
#include "app/PerformanceFile.h"
#include "foundation/ReplaceFile.h"
#include "foundation/StandardMidiFile.h"
#include "interfaces/MidiMessage.h"
#include "outputs/PerformanceRecorder.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <malloc.h>
#include <random>
#include <unistd.h>

namespace tinkella {
namespace {

constexpr std::int64_t minute = 60LL * 1000 * 1000;

std::int64_t residentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::int64_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

struct Played {
    std::int64_t time;
    std::uint8_t bytes[3];
    bool received;
};

// Random playing for 40 minutes at perSecond events a second on average (exponential gaps):
// notes on and off with random velocities, the pedal now and then, and from the MIDI input notes
// and program changes. The clock ends at the first moment past the 40 minutes.
std::vector<Played> randomPlaying(double perSecond, std::int64_t& end) {
    std::mt19937 random(42);
    std::exponential_distribution<double> gap(perSecond / 1e6);
    std::uniform_int_distribution<int> byte(0, 127);
    std::vector<Played> events;
    for (end = 1; end < 40 * minute; end += 1 + static_cast<std::int64_t>(gap(random))) {
        const int kind = byte(random);
        const auto note = static_cast<std::uint8_t>(byte(random));
        const auto velocity = static_cast<std::uint8_t>(byte(random) | 1);
        if (kind < 40) {
            events.push_back(
                {end, {kind < 30 ? std::uint8_t{0x91} : std::uint8_t{0xC1}, note, velocity}, true});
        } else if (kind < 44) {
            events.push_back(
                {end, {0xB0, 64, kind < 42 ? std::uint8_t{127} : std::uint8_t{0}}, false});
        } else {
            events.push_back({end,
                              {kind < 86 ? std::uint8_t{0x90} : std::uint8_t{0x80}, note, velocity},
                              false});
        }
    }
    return events;
}

void play(PerformanceRecorder& recorder, std::int64_t& now, const std::vector<Played>& events) {
    for (const Played& event : events) {
        now = event.time;
        if (event.received) {
            recorder.received(event.bytes, ump::messageLength(event.bytes[0]));
        } else {
            recorder.played(event.bytes[0], event.bytes[1], event.bytes[2]);
        }
    }
}

void soak(benchmark::State& state) {
    // Blocks of a megabyte or more come fresh from the kernel, so the ring's resident pages are
    // the ones it wrote, not pages another freed block left behind.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    const double perSecond = static_cast<double>(state.range(0));
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("last.mid")).toStdString();
    for (auto _ : state) {
        std::int64_t now = 0, end = 0;
        const std::vector<Played> events = randomPlaying(perSecond, end);
        const std::int64_t before = residentBytes();
        PerformanceRecorder recorder([&now] { return now; });
        play(recorder, now, events);
        const std::int64_t grown = residentBytes() - before;
        now = end;
        const Performance kept = recorder.performance();
        const std::size_t count = kept.played.size() + kept.received.size();
        const auto lastHalfHour = static_cast<std::size_t>(
            std::count_if(events.begin(), events.end(),
                          [end](const Played& e) { return e.time >= end - 30 * minute; }));
        if (count != std::min(lastHalfHour, PerformanceRecorder::capacity) ||
            PerformanceRecorder::memoryBytes() > PerformanceRecorder::memoryBound) {
            state.SkipWithError("not the last half hour, or beyond the bound");
        }
        if (!app::savePerformance(recorder, path).isEmpty()) {
            state.SkipWithError("not saved");
        }
        state.counters["events played"] = static_cast<double>(events.size());
        state.counters["events kept"] = static_cast<double>(count);
        state.counters["kept minutes"] =
            static_cast<double>(now - std::min(kept.played.front().microseconds,
                                               kept.received.front().microseconds)) /
            minute;
        state.counters["resident KiB grown"] = static_cast<double>(grown) / 1024;
        state.counters["bound KiB"] =
            static_cast<double>(PerformanceRecorder::memoryBytes()) / 1024;
        state.counters["file KiB"] =
            static_cast<double>(QFile(QString::fromStdString(path)).size()) / 1024;
    }
}
BENCHMARK(soak)->Arg(20)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The save alone (the kept events copied out, written as a file, renamed into place).
void save(benchmark::State& state) {
    std::int64_t now = 0;
    PerformanceRecorder recorder([&now] { return now; });
    play(recorder, now, randomPlaying(static_cast<double>(state.range(0)), now));
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("last.mid")).toStdString();
    for (auto _ : state) {
        benchmark::DoNotOptimize(app::savePerformance(recorder, path));
    }
    state.counters["events kept"] = static_cast<double>(recorder.size());
}
BENCHMARK(save)->Arg(20)->Arg(1000)->Unit(benchmark::kMillisecond);

// The floor of a save: the same file's bytes, already made, written and renamed the same way.
void writeOnly(benchmark::State& state) {
    std::int64_t now = 0;
    PerformanceRecorder recorder([&now] { return now; });
    play(recorder, now, randomPlaying(static_cast<double>(state.range(0)), now));
    const std::string bytes = standardMidiFile(recorder.performance());
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("last.mid")).toStdString();
    for (auto _ : state) {
        benchmark::DoNotOptimize(replaceFile(path, bytes));
    }
}
BENCHMARK(writeOnly)->Arg(20)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tinkella

BENCHMARK_MAIN();
