#include "adapters/jack/JackMidiSystem.h"

#include "audio/MIDIOutput.h"
#include "support/FakeMidiLog.h"
#include "support/JackDummyServer.h"

#include <algorithm>
#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>
#include <poll.h>
#include <thread>

namespace tinkella {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::JackDummyServer;
using testing::MidiLogCapture;

using Clock = std::chrono::steady_clock;

template <typename Predicate> bool waitFor(Predicate done, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// A JACK client with one MIDI input port that records the bytes of every event it receives.
class MidiListener {
public:
    MidiListener() {
        client_ = jack_client_open("listener", JackNoStartServer, nullptr);
        if (!client_) {
            return;
        }
        received_ = jack_ringbuffer_create(4096);
        port_ = jack_port_register(client_, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(client_, &MidiListener::process, this);
        jack_activate(client_);
    }
    ~MidiListener() {
        if (client_) {
            jack_deactivate(client_);
            jack_client_close(client_);
            jack_ringbuffer_free(received_);
        }
    }
    bool ok() const { return client_ && port_; }
    bool connectFrom(const std::string& source) {
        return jack_connect(client_, source.c_str(), jack_port_name(port_)) == 0;
    }
    // Every received byte so far.
    std::vector<unsigned char> take() {
        while (jack_ringbuffer_read_space(received_) > 0) {
            char byte = 0;
            jack_ringbuffer_read(received_, &byte, 1);
            bytes_.push_back(static_cast<unsigned char>(byte));
        }
        return bytes_;
    }

private:
    static int process(jack_nframes_t nframes, void* arg) {
        auto* self = static_cast<MidiListener*>(arg);
        void* buffer = jack_port_get_buffer(self->port_, nframes);
        const jack_nframes_t count = jack_midi_get_event_count(buffer);
        for (jack_nframes_t i = 0; i < count; ++i) {
            jack_midi_event_t event;
            if (jack_midi_event_get(&event, buffer, i) == 0) {
                jack_ringbuffer_write(self->received_, reinterpret_cast<const char*>(event.buffer),
                                      event.size);
            }
        }
        return 0;
    }

    jack_client_t* client_ = nullptr;
    jack_port_t* port_ = nullptr;
    jack_ringbuffer_t* received_ = nullptr;
    std::vector<unsigned char> bytes_;
};

bool waitReadable(int fd, int milliseconds) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, milliseconds) == 1;
}

// Dispatches notifications until a line containing text appears or two seconds pass.
bool dispatchUntil(MIDIOutput& output, const MidiLogCapture& log, const std::string& text) {
    return waitFor(
        [&] {
            if (waitReadable(output.notificationDescriptor(), 10)) {
                output.dispatchNotifications();
            }
            const auto lines = log.stderrLines();
            return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
                return line.find(text) != std::string::npos;
            });
        },
        std::chrono::milliseconds(2000));
}

std::unique_ptr<MIDIOutput> publish(const MidiLogCapture& log) {
    OSStatus status = -1;
    auto system = JackMidiSystem::open("Tinkella", status);
    if (!system) {
        ADD_FAILURE() << "JACK client refused: " << status;
        return nullptr;
    }
    return std::make_unique<MIDIOutput>(std::move(system), log.sink());
}

TEST(JackMidiSystem, OpeningWithoutServerFailsCleanly) {
    ::setenv("JACK_NO_START_SERVER", "1", 1);
    ::setenv("JACK_DEFAULT_SERVER", "tinkella-no-such-server", 1);
    OSStatus status = 0;
    auto system = JackMidiSystem::open("Tinkella", status);
    EXPECT_EQ(system, nullptr);
    EXPECT_NE(status, 0);
}

class JackMidi : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.ready()) << "jackd did not start"; }
    JackDummyServer server{"midi-backend"};
};

TEST_F(JackMidi, PublishesTinkellaPortVisibleWithManufacturer) {
    MidiListener listener;
    ASSERT_TRUE(listener.ok());
    MidiLogCapture log;
    auto output = publish(log);
    ASSERT_TRUE(output);
    EXPECT_TRUE(output->isAvailable());
    const auto lines = log.stderrLines();
    EXPECT_THAT(lines, Contains("MIDI: MIDIClientCreateWithBlock -> 0 (noErr)"));
    EXPECT_THAT(lines, Contains("MIDI: MIDIObjectSetStringProperty(client, manufacturer) -> 0"));
    EXPECT_THAT(lines, Contains(HasSubstr("ourSourceVisible=true")));
    EXPECT_THAT(lines, Contains("MIDI:   source [0] 'Tinkella' \u2014 Quorvin   <== OURS"));
    EXPECT_THAT(lines, Not(Contains(HasSubstr("another running instance"))));
    EXPECT_THAT(lines, Contains("MIDI:   destination [0] 'in'"));
}

TEST_F(JackMidi, NotesLeaveAsThreeByteMessagesInOrder) {
    MidiLogCapture log;
    OSStatus status = -1;
    auto owned = JackMidiSystem::open("Tinkella", status);
    ASSERT_TRUE(owned);
    JackMidiSystem* system = owned.get();
    MIDIOutput output(std::move(owned), log.sink());
    ASSERT_TRUE(output.isAvailable());
    MidiListener listener;
    ASSERT_TRUE(listener.ok());
    ASSERT_TRUE(listener.connectFrom(system->sourcePortName()));
    // The server takes a new connection into its processing graph a cycle or two after making
    // it; notes sent in between reach nobody.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));

    output.noteOn(60, 127, 0);
    output.noteOff(60, 0);
    output.noteOn(61, 100, 17);
    output.noteOn(62, 200, 0); // a velocity above 127 must not become a status byte
    const std::vector<unsigned char> expected{0x90, 0x3C, 0x7F, 0x80, 0x3C, 0x00,
                                              0x91, 0x3D, 0x64, 0x90, 0x3E, 0x7F};
    ASSERT_TRUE(waitFor([&] { return listener.take().size() >= expected.size(); },
                        std::chrono::milliseconds(3000)));
    EXPECT_EQ(listener.take(), expected);
    EXPECT_THAT(log.stderrLines(), Contains(HasSubstr("send #4 ")));
    EXPECT_THAT(log.stderrLines(), Not(Contains(HasSubstr("MIDI-ERROR"))));
}

TEST_F(JackMidi, ConnectionsBecomeNotificationsOnTheCallingThread) {
    MidiLogCapture log;
    OSStatus status = -1;
    auto owned = JackMidiSystem::open("Tinkella", status);
    ASSERT_TRUE(owned);
    JackMidiSystem* system = owned.get();
    MIDIOutput output(std::move(owned), log.sink());
    ASSERT_GE(output.notificationDescriptor(), 0);
    MidiListener listener;
    ASSERT_TRUE(listener.connectFrom(system->sourcePortName()));
    EXPECT_TRUE(dispatchUntil(output, log, "CoreMIDI notification: id=1"));
    EXPECT_THAT(log.stderrLines(), Contains("MIDI: CoreMIDI notification: id=2"));
}

TEST_F(JackMidi, SecondCopyReportsAnotherInstanceAndStillPublishes) {
    MidiLogCapture firstLog;
    auto first = publish(firstLog);
    ASSERT_TRUE(first && first->isAvailable());

    MidiLogCapture secondLog;
    auto second = publish(secondLog);
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->isAvailable());
    const auto lines = secondLog.stderrLines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) {
                                return l.find("another running instance") != std::string::npos;
                            }),
              1);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) {
                                return l.find("'Tinkella' \u2014 Quorvin   <== OURS") !=
                                       std::string::npos;
                            }),
              2);
}

TEST_F(JackMidi, ServerShutdownMakesTheOutputUnavailableAndSaysSoOnce) {
    MidiLogCapture log;
    auto output = publish(log);
    ASSERT_TRUE(output && output->isAvailable());
    server.stop();
    EXPECT_TRUE(dispatchUntil(*output, log, "CoreMIDI notification: id=7"));
    EXPECT_THAT(log.stderrLines(),
                Contains("MIDI-ERROR: the JACK server has gone away \u2014 MIDI output is "
                         "unavailable until Tinkella is restarted"));
    EXPECT_FALSE(output->isAvailable());
    log.clear();
    output->noteOn(60, 127, 0);
    EXPECT_THAT(log.stderrLines(),
                ElementsAre("MIDI: noteOn  note=60 velocity=127 channel=0",
                            "MIDI-ERROR: send skipped: MIDI source unavailable"));
    log.clear();
    output->logTopology("after shutdown");
    EXPECT_THAT(log.stderrLines(), Contains(HasSubstr("sources=0 destinations=0 devices=0")));
}

} // namespace
} // namespace tinkella
