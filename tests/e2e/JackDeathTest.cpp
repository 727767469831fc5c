// The JACK server killed while keys are held, with the real objects: the MIDI output publishes
// on JACK, the synthesiser renders through FluidSynth without a device (standing in for any
// driver other than JACK). After the kill the program's objects must go on: the MIDI output
// becomes unavailable and says so, the held notes end without a crash, and the synthesiser
// keeps playing.
#include "audio/MIDIOutput.h"
#include "audio/SoundController.h"
#include "model/PianoController.h"
#include "adapters/fluidsynth/FluidSynthAudioSystem.h"
#include "adapters/jack/JackMidiSystem.h"
#include "foundation/NotificationCenter.h"
#include "support/FakeMidiLog.h"
#include "support/JackDummyServer.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace tinkella {
namespace {

using testing::JackDummyServer;
using testing::MidiLogCapture;

class JackKilled : public ::testing::Test {
protected:
    void SetUp() override {
        name = "tinkella-kill-" + std::to_string(::getpid());
        ::setenv("JACK_NO_START_SERVER", "1", 1);
        ::setenv("JACK_DEFAULT_SERVER", name.c_str(), 1);
        jackd = JackDummyServer::spawnQuiet(
            {"jackd", "--no-realtime", "-n", name, "-d", "dummy", "-r", "48000", "-p", "64"});
        ASSERT_GT(jackd, 0);
        ASSERT_EQ(JackDummyServer::runQuiet({"jack_wait", "-s", name, "-w", "-t", "10"}), 0);
    }
    void TearDown() override {
        if (jackd > 0) {
            ::kill(jackd, SIGKILL);
            ::waitpid(jackd, nullptr, 0);
        }
    }

    void killServer() {
        ::kill(jackd, SIGKILL);
        ::waitpid(jackd, nullptr, 0);
        jackd = -1;
    }

    // Runs the MIDI system's notifications as the application's event loop does, for up to
    // five seconds or until the descriptor stays quiet for half a second after a delivery.
    static void runNotifications(MIDIOutput& midi) {
        const int fd = midi.notificationDescriptor();
        ASSERT_GE(fd, 0);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        bool delivered = false;
        while (std::chrono::steady_clock::now() < deadline) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, delivered ? 500 : 50) > 0) {
                midi.dispatchNotifications();
                delivered = true;
            } else if (delivered) {
                return;
            }
        }
    }

    static void hold(PianoController& piano, std::initializer_list<std::size_t> notes,
                     bool pressed) {
        for (std::size_t note : notes) {
            piano.keys()[note].isPressedOnScreen = pressed;
        }
        piano.updatePlayingNotesFromPressedKeys();
    }

    std::string name;
    pid_t jackd = -1;
};

TEST_F(JackKilled, MidiGoesUnavailableAndSaysSoWhileTheSynthesiserPlaysOn) {
    MidiLogCapture log;
    OSStatus status = 0;
    MIDIOutput midi(JackMidiSystem::open("Tinkella", status), log.sink());
    ASSERT_TRUE(midi.isAvailable()) << "status " << status;
    FluidSynthOptions synthOptions;
    synthOptions.offline = true;
    synthOptions.announce = false;
    NotificationCenter center;
    PianoController piano(
        std::make_unique<SoundController>(makeFluidSynthAudioSystem(synthOptions)), midi, center);
    ASSERT_NE(piano.soundController().synthUnit(), nullptr);

    hold(piano, {60, 64}, true);
    runNotifications(midi);
    log.clear();

    killServer();
    runNotifications(midi);
    const std::vector<std::string> afterKill = log.stderrLines();
    EXPECT_FALSE(midi.isAvailable());
    EXPECT_TRUE(
        std::any_of(afterKill.begin(), afterKill.end(),
                    [](const std::string& line) { return line.find("JACK") != std::string::npos; }))
        << "no line names JACK going away; the log after the kill was:\n"
        << ::testing::PrintToString(afterKill);

    hold(piano, {60, 64}, false);
    EXPECT_TRUE(piano.soundController().soundingNotes().empty());
    hold(piano, {67}, true);
    EXPECT_EQ(piano.soundController().soundingNotes(), std::set<std::uint32_t>{67});
    hold(piano, {67}, false);
    EXPECT_TRUE(piano.soundController().soundingNotes().empty());
}

} // namespace
} // namespace tinkella
