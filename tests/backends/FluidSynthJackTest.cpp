#include "audio/SoundController.h"
#include "adapters/fluidsynth/FluidSynthAudioSystem.h"
#include "adapters/fluidsynth/FluidSynthGraph.h"
#include "adapters/fluidsynth/FluidSynthRenderer.h"
#include "support/JackDummyServer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace tinkella {
namespace {

using namespace std::chrono_literals;

// What a command prints on standard output (standard error discarded).
std::string outputOf(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r")) {
        char buffer[512];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            text.append(buffer, n);
        }
        pclose(pipe);
    }
    return text;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end;
        out.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

// Peak of a 16-bit PCM WAV file as a fraction of full scale, or -1 when unreadable.
double wavPeak(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0) {
        return -1.0;
    }
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        std::uint32_t size = 0;
        std::memcpy(&size, bytes.data() + at + 4, 4);
        if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
            const std::size_t end = std::min(bytes.size(), at + 8 + size);
            int peak = 0;
            for (std::size_t i = at + 8; i + 1 < end; i += 2) {
                std::int16_t sample = 0;
                std::memcpy(&sample, bytes.data() + i, 2);
                peak = std::max(peak, std::abs(static_cast<int>(sample)));
            }
            return peak / 32768.0;
        }
        at += 8 + size + (size & 1);
    }
    return -1.0;
}

bool waitForExit(pid_t pid, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return true;
        }
        std::this_thread::sleep_for(20ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return false;
}

FluidSynthOptions jackOptions(const std::string& server) {
    FluidSynthOptions options;
    options.drivers = {"jack"};
    options.jackServer = server;
    options.announce = false;
    return options;
}

TEST(FluidSynthJack, PlaysANoteThroughARunningServerIntoItsPlaybackPorts) {
    testing::JackDummyServer server("tinkella-audio-test");
    if (!server.ready()) {
        GTEST_SKIP() << "no JACK dummy server could be started";
    }
    FluidSynthAudioSystem system(jackOptions(server.name()));
    SoundController::GraphResult made = SoundController::CreateAUGraph(system);
    ASSERT_EQ(made.status, 0) << made.failure;
    ASSERT_EQ(made.graph->initialize(), 0);
    made.unit->midiEvent(0xB0, 0, 0, 0);
    made.unit->midiEvent(0xC0, 0, 0, 0);
    ASSERT_EQ(made.graph->start(), 0);
    const auto& fluid = static_cast<const FluidSynthGraph&>(*made.graph);
    EXPECT_EQ(fluid.output().driver, "jack");
    EXPECT_EQ(fluid.output().periodFrames, 64);
    EXPECT_EQ(fluid.output().sampleRate, 48000.0);
    EXPECT_NE(fluid.startupLine().find("synthesiser on jack, 64 frames"), std::string::npos);

    std::vector<std::string> ports;
    for (const std::string& line : lines(outputOf("jack_lsp"))) {
        if (line.rfind("Tinkella Synth:", 0) == 0) {
            ports.push_back(line);
        }
    }
    ASSERT_EQ(ports.size(), 2u) << outputOf("jack_lsp");
    const std::string connections = outputOf("jack_lsp -c");
    EXPECT_NE(connections.find("system:playback_1"), std::string::npos);
    EXPECT_NE(connections.find("   " + ports[0]), std::string::npos) << connections;

    const std::string wav =
        (std::filesystem::temp_directory_path() / ("tinkella-audio-" + server.name() + ".wav"))
            .string();
    const pid_t recorder = testing::JackDummyServer::spawnQuiet(
        {"jack_rec", "-f", wav, "-d", "2", "-b", "16", ports[0], ports[1]});
    ASSERT_GT(recorder, 0);
    std::this_thread::sleep_for(500ms);
    // Choosing an instrument reads its samples; the audio thread hands the synthesiser over
    // for it rather than read them itself.
    ASSERT_EQ(made.unit->midiEvent(0xC0, 48, 0, 0), 0);
    ASSERT_EQ(made.unit->midiEvent(0xC0, 0, 0, 0), 0);
    EXPECT_EQ(fluid.renderer()->handOvers(), 3u);
    made.unit->midiEvent(0x90, 60, 127, 0);
    const bool finished = waitForExit(recorder, std::chrono::seconds(15));
    made.unit->midiEvent(0x80, 60, 0, 0);
    EXPECT_TRUE(finished) << "jack_rec did not finish";
    const double peak = wavPeak(wav);
    std::filesystem::remove(wav);
    ASSERT_GT(peak, 0.0) << "nothing recorded";
    EXPECT_GT(20.0 * std::log10(peak), -40.0);
    EXPECT_EQ(fluid.droppedEvents(), 0u);
}

TEST(FluidSynthJack, ControllerAnnouncesTheOutputInOneLine) {
    testing::JackDummyServer server("tinkella-audio-test");
    if (!server.ready()) {
        GTEST_SKIP() << "no JACK dummy server could be started";
    }
    FluidSynthOptions options = jackOptions(server.name());
    options.announce = true;
    ::testing::internal::CaptureStderr();
    {
        SoundController sound(makeFluidSynthAudioSystem(options));
        EXPECT_NE(sound.synthUnit(), nullptr);
        sound.playNote(60);
        std::this_thread::sleep_for(100ms);
        sound.endNote(60);
    }
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "Tinkella: synthesiser on jack, 64 frames \u00d7 2 at 48000 Hz (2.7 ms)\n");
}

} // namespace
} // namespace tinkella
