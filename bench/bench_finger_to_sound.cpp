// Finger to sound: taps made by the kernel's own input devices, timed from the kernel's timestamp
// of each touch-down (or button press) to the first sample of the note at a JACK listener, both
// on CLOCK_MONOTONIC. Meant for the qemu guest of bench/finger-to-sound, where uinput exists.
//
//   bench_finger_to_sound TOUCH_DEVICE_PROGRAM WIDTH HEIGHT
//
// It makes a touch screen "finger-touch" (tests/e2e/touch_device, the real-touch test's screen)
// and an absolute pointer "finger-mouse" (BTN_LEFT, ABS_X/Y over WIDTH × HEIGHT, as qemu's
// tablet), reads both back through their evdev nodes with the clock set to CLOCK_MONOTONIC, and
// opens the JACK client "finger-listener" (audio in_1 and in_2 for the keyboard, floor_in for
// the floor, midi_in; the caller connects them), so each tap's sound is known by its source. Prints
// "ready", then reads commands on standard input:
//   taps ROUNDS KIND X Y [KIND X Y ...]   each round taps every KIND at X, Y in turn (a KIND
//                                         starting with "touch" taps the screen, any other the
//                                         pointer's left button); prints one line per tap
//                                         and "ok" after the last
//   report TITLE                          prints median, p99, standard deviation and n per KIND
//                                         of the taps since the last report, and forgets them
//   quit                                  removes the devices and ends (as end of input does)
// Each tap (a pointer's after moving there and resting 300 ms) waits for 50 ms of silence (below
// -60 dBFS) and a random 0-10 ms more (so taps fall at every phase of the JACK cycle), lands,
// waits up to 2 s for the sound of its target (a KIND ending in "floor" is the floor's), holds
// 30 ms more and lifts; "stray" marks a tap whose other program sounded first. The onset's time is
// the listener's clock reading when its process callback starts, plus the frame's offset in the
// period at the sample rate; a note-on at midi_in is stamped the same way (finger to MIDI).
// jack_get_time() is not used: JACK 2 counts it on CLOCK_MONOTONIC_RAW here, which drifts from the
// input timestamps' clock.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <iostream>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <linux/input.h>
#include <linux/uinput.h>
#include <map>
#include <poll.h>
#include <random>
#include <sstream>
#include <string>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::int64_t none = -1;
constexpr float threshold = 0.001F; // -60 dBFS

std::int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

// The JACK side: stores the first loud frame's and the first note-on's times while armed, and
// how many frames in a row have been quiet. Its callback only reads ports and stores atomics.
class Listener {
public:
    bool open() {
        client_ = jack_client_open("finger-listener", JackNoStartServer, nullptr);
        if (client_ == nullptr) {
            return false;
        }
        in_[0] = jack_port_register(client_, "in_1", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
        in_[1] = jack_port_register(client_, "in_2", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
        in_[2] =
            jack_port_register(client_, "floor_in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
        midi_ = jack_port_register(client_, "midi_in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(client_, &Listener::process, this);
        jack_set_xrun_callback(
            client_,
            [](void* self) {
                static_cast<Listener*>(self)->xruns_.fetch_add(1);
                return 0;
            },
            this);
        return in_[0] != nullptr && in_[1] != nullptr && in_[2] != nullptr && midi_ != nullptr &&
               jack_activate(client_) == 0;
    }
    void arm() {
        onset_[0].store(none);
        onset_[1].store(none);
        noteOn_.store(none);
        armed_.store(true);
    }
    void disarm() { armed_.store(false); }
    // The first loud frame since arm() on the keyboard's ports, or on the floor's.
    std::int64_t onset(bool floor) const { return onset_[floor ? 1 : 0].load(); }
    std::int64_t noteOn() const { return noteOn_.load(); }
    double quietMs() const { return 1000.0 * static_cast<double>(quiet_.load()) / rate(); }
    double rate() const { return jack_get_sample_rate(client_); }
    jack_nframes_t period() const { return jack_get_buffer_size(client_); }
    unsigned xruns() const { return xruns_.load(); }
    // The longest time between two callbacks since the last call, in ms.
    double takeLongestGap() { return static_cast<double>(longestGap_.exchange(0)) / 1e6; }

private:
    static int process(jack_nframes_t frames, void* arg) {
        auto* self = static_cast<Listener*>(arg);
        const std::int64_t now = monotonicNs();
        const std::int64_t previous = self->lastRan_.exchange(now);
        if (previous != 0 && now - previous > self->longestGap_.load()) {
            self->longestGap_.store(now - previous);
        }
        const double nsPerFrame = 1e9 / jack_get_sample_rate(self->client_);
        const bool armed = self->armed_.load();
        const auto at = [&](jack_nframes_t frame) {
            return now + static_cast<std::int64_t>(frame * nsPerFrame);
        };
        void* midi = jack_port_get_buffer(self->midi_, frames);
        for (std::uint32_t i = 0, n = jack_midi_get_event_count(midi); armed && i < n; ++i) {
            jack_midi_event_t event{};
            if (jack_midi_event_get(&event, midi, i) == 0 && event.size == 3 &&
                (event.buffer[0] & 0xF0U) == 0x90U && event.buffer[2] != 0 &&
                self->noteOn_.load() == none) {
                self->noteOn_.store(at(event.time));
            }
        }
        bool loud = false;
        for (int p = 0; p < 3; ++p) {
            const auto* samples =
                static_cast<const float*>(jack_port_get_buffer(self->in_[p], frames));
            for (jack_nframes_t i = 0; i < frames; ++i) {
                if (std::fabs(samples[i]) > threshold) {
                    loud = true;
                    std::atomic<std::int64_t>& onset = self->onset_[p == 2 ? 1 : 0];
                    if (armed && onset.load() == none) {
                        onset.store(at(i));
                    }
                    break;
                }
            }
        }
        self->quiet_.store(loud ? 0 : self->quiet_.load() + frames);
        return 0;
    }

    jack_client_t* client_ = nullptr;
    jack_port_t* in_[3] = {nullptr, nullptr, nullptr};
    jack_port_t* midi_ = nullptr;
    std::atomic<bool> armed_{false};
    std::atomic<std::int64_t> onset_[2] = {none, none};
    std::atomic<std::int64_t> noteOn_{none};
    std::atomic<std::int64_t> quiet_{0};
    std::atomic<std::int64_t> lastRan_{0};
    std::atomic<std::int64_t> longestGap_{0};
    std::atomic<unsigned> xruns_{0};
};

// The evdev node of the input device named name (made by uinput a moment ago), opened for
// reading with its timestamps on CLOCK_MONOTONIC; -1 when there is none yet.
int openEvdev(const std::string& name) {
    for (int i = 0; i < 64; ++i) {
        const std::string path = "/dev/input/event" + std::to_string(i);
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
        char found[256] = {};
        if (fd >= 0 && ioctl(fd, EVIOCGNAME(sizeof found - 1), found) >= 0 && name == found) {
            int clock = CLOCK_MONOTONIC;
            ioctl(fd, EVIOCSCLOCKID, &clock);
            return fd;
        }
        if (fd >= 0) {
            ::close(fd);
        }
    }
    return -1;
}

// Reads fd until the SYN_REPORT ending a frame that carried (type, code, value); returns that
// report's kernel timestamp (ns), or none after a second without it.
std::int64_t frameTime(int fd, int type, int code, int value) {
    bool seen = false;
    pollfd wait{fd, POLLIN, 0};
    const std::int64_t deadline = monotonicNs() + 1000000000;
    while (monotonicNs() < deadline) {
        input_event event{};
        if (::read(fd, &event, sizeof event) != sizeof event) {
            poll(&wait, 1, 10);
            continue;
        }
        seen = seen || (event.type == type && event.code == code && event.value == value);
        if (seen && event.type == EV_SYN && event.code == SYN_REPORT) {
            return std::int64_t{event.input_event_sec} * 1000000000 +
                   std::int64_t{event.input_event_usec} * 1000;
        }
    }
    return none;
}

void drain(int fd) {
    input_event event{};
    while (::read(fd, &event, sizeof event) == sizeof event) {
    }
}

// An absolute pointer with a left button, as qemu's USB tablet.
class Pointer {
public:
    bool create(int width, int height) {
        fd_ = ::open("/dev/uinput", O_WRONLY | O_NONBLOCK);
        if (fd_ < 0) {
            return false;
        }
        ioctl(fd_, UI_SET_EVBIT, EV_KEY);
        ioctl(fd_, UI_SET_KEYBIT, BTN_LEFT);
        ioctl(fd_, UI_SET_KEYBIT, BTN_RIGHT);
        ioctl(fd_, UI_SET_EVBIT, EV_ABS);
        for (const auto& [code, maximum] : {std::pair{ABS_X, width - 1}, {ABS_Y, height - 1}}) {
            uinput_abs_setup axis{};
            axis.code = static_cast<__u16>(code);
            axis.absinfo.maximum = maximum;
            ioctl(fd_, UI_SET_ABSBIT, code);
            ioctl(fd_, UI_ABS_SETUP, &axis);
        }
        uinput_setup setup{};
        setup.id = {BUS_VIRTUAL, 0x1209, 2, 1};
        std::snprintf(setup.name, sizeof setup.name, "finger-mouse");
        return ioctl(fd_, UI_DEV_SETUP, &setup) == 0 && ioctl(fd_, UI_DEV_CREATE) == 0;
    }
    void moveTo(int x, int y) { frame({{EV_ABS, ABS_X, x}, {EV_ABS, ABS_Y, y}}); }
    void button(bool down) { frame({{EV_KEY, BTN_LEFT, down ? 1 : 0}}); }

private:
    struct Event {
        int type, code, value;
    };
    void frame(std::initializer_list<Event> events) {
        for (const Event& e : events) {
            emit(e.type, e.code, e.value);
        }
        emit(EV_SYN, SYN_REPORT, 0);
    }
    void emit(int type, int code, int value) {
        input_event event{};
        event.type = static_cast<__u16>(type);
        event.code = static_cast<__u16>(code);
        event.value = value;
        if (::write(fd_, &event, sizeof event) != sizeof event) {
            std::perror("bench_finger_to_sound: pointer");
        }
    }
    int fd_ = -1;
};

struct Tap {
    double toSound = NAN; // ms
    double toMidi = NAN;
    bool stray = false; // the other program sounded first
};

double percentile(std::vector<double> v, double p) {
    if (v.empty()) {
        return NAN;
    }
    std::sort(v.begin(), v.end());
    const double rank = p / 100.0 * static_cast<double>(v.size() - 1);
    const auto low = static_cast<std::size_t>(std::floor(rank));
    const auto high = static_cast<std::size_t>(std::ceil(rank));
    return v[low] + (v[high] - v[low]) * (rank - static_cast<double>(low));
}

double deviation(const std::vector<double>& v) {
    if (v.size() < 2) {
        return NAN;
    }
    double mean = 0;
    for (double x : v) {
        mean += x / static_cast<double>(v.size());
    }
    double sum = 0;
    for (double x : v) {
        sum += (x - mean) * (x - mean);
    }
    return std::sqrt(sum / static_cast<double>(v.size() - 1));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TOUCH_DEVICE_PROGRAM WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    // The touch screen: the real-touch test's own program, fed one frame per line.
    const std::string command =
        std::string(argv[1]) + " finger-touch " + argv[2] + " " + argv[3] + " >/dev/null";
    FILE* screen = ::popen(command.c_str(), "w");
    Pointer pointer;
    if (screen == nullptr || !pointer.create(width, height)) {
        std::fprintf(stderr, "bench_finger_to_sound: no uinput devices\n");
        return 1;
    }
    int touchFd = -1;
    int pointerFd = -1;
    for (int i = 0; i < 100 && (touchFd < 0 || pointerFd < 0); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        touchFd = touchFd < 0 ? openEvdev("finger-touch") : touchFd;
        pointerFd = pointerFd < 0 ? openEvdev("finger-mouse") : pointerFd;
    }
    Listener listener;
    if (touchFd < 0 || pointerFd < 0 || !listener.open()) {
        std::fprintf(stderr, "bench_finger_to_sound: no evdev nodes or no JACK server\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    std::mt19937 random(std::random_device{}());
    std::vector<std::string> order;
    std::map<std::string, std::vector<Tap>> taps;
    std::map<std::string, int> missed;
    listener.takeLongestGap();
    const auto sleepMs = [](double ms) {
        std::this_thread::sleep_for(std::chrono::microseconds(static_cast<std::int64_t>(ms * 1e3)));
    };
    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream in(line);
        std::string verb;
        in >> verb;
        if (verb == "quit") {
            break;
        }
        if (verb == "taps") {
            int rounds = 0;
            in >> rounds;
            struct Spot {
                std::string kind;
                int x, y;
            };
            std::vector<Spot> spots;
            Spot spot;
            while (in >> spot.kind >> spot.x >> spot.y) {
                spots.push_back(spot);
                if (std::find(order.begin(), order.end(), spot.kind) == order.end()) {
                    order.push_back(spot.kind);
                }
            }
            for (int round = 0; round < rounds; ++round) {
                for (const Spot& s : spots) {
                    const bool touch = s.kind.starts_with("touch");
                    const int fd = touch ? touchFd : pointerFd;
                    for (int i = 0; i < 500 && listener.quietMs() < 50; ++i) {
                        sleepMs(10);
                    }
                    // The pointer arrives well before the click, as a player's does: the
                    // window under it has redrawn for it by then.
                    if (!touch) {
                        pointer.moveTo(s.x, s.y);
                        sleepMs(300);
                    }
                    sleepMs(std::uniform_real_distribution<double>(0, 10)(random));
                    drain(fd);
                    listener.arm();
                    std::int64_t down = none;
                    if (touch) {
                        std::fprintf(screen, "down 0 %d %d\n", s.x, s.y);
                        std::fflush(screen);
                        down = frameTime(fd, EV_KEY, BTN_TOUCH, 1);
                    } else {
                        pointer.button(true);
                        down = frameTime(fd, EV_KEY, BTN_LEFT, 1);
                    }
                    const bool floor = s.kind.ends_with("floor");
                    for (int i = 0; i < 2000 && listener.onset(floor) == none; ++i) {
                        sleepMs(1);
                    }
                    // The keyboard's note-on may leave after its sound has started.
                    for (int i = 0; i < 300 && !floor && listener.noteOn() == none; ++i) {
                        sleepMs(1);
                    }
                    sleepMs(30);
                    listener.disarm();
                    if (touch) {
                        std::fprintf(screen, "up 0\n");
                        std::fflush(screen);
                    } else {
                        pointer.button(false);
                    }
                    Tap tap;
                    const std::int64_t other = listener.onset(!floor);
                    if (down != none && listener.onset(floor) != none) {
                        tap.toSound = static_cast<double>(listener.onset(floor) - down) / 1e6;
                        tap.stray = other != none && other < listener.onset(floor);
                        if (listener.noteOn() != none) {
                            tap.toMidi = static_cast<double>(listener.noteOn() - down) / 1e6;
                        }
                        taps[s.kind].push_back(tap);
                    } else {
                        ++missed[s.kind];
                    }
                    std::printf("tap %s %.3f %.3f %s\n", s.kind.c_str(), tap.toSound, tap.toMidi,
                                tap.stray ? "stray" : "");
                    std::fflush(stdout);
                }
            }
            std::printf("ok\n");
        } else if (verb == "report") {
            std::string title;
            std::getline(in >> std::ws, title);
            std::printf("%s: %u Hz, %u frames per period; %u xruns; longest cycle gap %.1f ms\n",
                        title.c_str(), static_cast<unsigned>(listener.rate()), listener.period(),
                        listener.xruns(), listener.takeLongestGap());
            std::printf("%-14s %5s %6s %9s %9s %9s %9s %9s %11s %6s\n", "kind", "n", "missed",
                        "median", "p99", "jitter", "min", "max", "MIDI median", "stray");
            for (const std::string& kind : order) {
                std::vector<double> sound;
                std::vector<double> midi;
                int strays = 0;
                for (const Tap& t : taps[kind]) {
                    strays += t.stray ? 1 : 0;
                    sound.push_back(t.toSound);
                    if (!std::isnan(t.toMidi)) {
                        midi.push_back(t.toMidi);
                    }
                }
                std::printf("%-14s %5zu %6d %9.2f %9.2f %9.2f %9.2f %9.2f %11.2f %6d\n",
                            kind.c_str(), sound.size(), missed[kind], percentile(sound, 50),
                            percentile(sound, 99), deviation(sound), percentile(sound, 0),
                            percentile(sound, 100), percentile(midi, 50), strays);
            }
            order.clear();
            taps.clear();
            missed.clear();
        }
        std::fflush(stdout);
    }
    ::pclose(screen);
    return 0;
}
