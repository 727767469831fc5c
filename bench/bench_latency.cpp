// Key to MIDI and key to sound, end to end: the application's own objects (settings panel
// controller, piano window, strip, keyboard model, FluidSynth synthesiser, JACK MIDI output) run
// offscreen against a private JACK server on the dummy driver; keys are pressed through the
// toolkit's own mouse and touch events on the hosting widgets and through key events (by scan
// code, as the window system sends them) to the piano window; a JACK client of this program
// listens to the "Tinkella" MIDI port and to the synthesiser's audio ports.
//
// Timestamps: the press is jack_get_time() taken as the toolkit hands the press event to the
// keyboard widget (an event filter on it), for a key event as it is sent to the application,
// whose filter takes it before any widget; a note-on
// leaves at jack_last_frame_time() + its offset in the cycle that carries it; sound starts at
// the first frame whose sample rises above -60 dBFS. Frames become times through the first
// cycle that runs after the press: its frame is pinned to the clock reading its callback takes,
// later frames follow at the sample rate. (The dummy driver's own frame clock,
// jack_time_to_frames(), drifts from the real clock by hundreds of milliseconds when the
// machine is loaded and its cycles run late; pinning measures what the program achieves.)
//
// On PipeWire the synthesiser plays through its own PipeWire stream into the null sink of
// bench/pipewire-session.sh, and the listener, a client of PipeWire's JACK face, hears the
// sink's monitor; run it inside such a session, as
//   bench/pipewire-session.sh pw-jack build/bench/bench_latency 40 pipewire
// "pipewire-idle" presses only after the stream has gone inactive (idle delay 0.5 s; pactl
// tells).
//
// With MPE switched on afterwards, a third as many mouse presses each slide sideways once the
// note-on has left: the time from the move event to the first pitch bend leaving is taken the
// same way (the move's clock read as the event is sent to the window's keyboard widget).
//
// The floor, pressed in turn with the others: a mouse press on a plain widget of this program
// whose handler starts a constant on a JACK client of its own (TapFloor), heard by the same
// listener. It costs what the toolkit's delivery and the JACK graph cost any program; what the
// keyboard takes beyond it is its own.
//
// Usage: bench_latency [presses] [jack|pipewire|pipewire-idle] [period frames]
//   (default 300 on a private JACK server at 64 frames; a quarter each by mouse, touch,
//   keyboard and the floor)
#include "JackDummyServer.h"
#include "TapFloor.h"
#include "adapters/fluidsynth/FluidSynthSynthesizer.h"
#include "adapters/pipewire/PipeWireOutput.h"
#include "adapters/syslog/SyslogSystemLog.h"
#include "app/AppDelegate.h"
#include "app/AppInfo.h"
#include "app/Composition.h"
#include "app/KeyboardTab.h"
#include "app/WindowController.h"
#include "foundation/PeakLimiter.h"
#include "hosting/PianoWindowController.h"
#include "hosting/QtPianoWidget.h"
#include "hosting/QtStripWindow.h"
#include "interfaces/StandardError.h"
#include "model/PianoController.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"
#include "view/PianoView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointingDevice>
#include <QTest>
#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Frame = jack_nframes_t;
constexpr std::int64_t none = -1;
// -60 dBFS as a linear amplitude.
constexpr float soundThreshold = 0.001F;

// The benchmark's JACK client. The process callback only reads its ports and stores frame
// numbers in atomics; the main thread arms it before each press and reads the results.
class Listener {
public:
    bool open() {
        jack_status_t status{};
        client_ = jack_client_open("tinkella-latency", JackNoStartServer, &status);
        if (client_ == nullptr) {
            return false;
        }
        midiIn_ =
            jack_port_register(client_, "midi_in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
        audioIn_[0] =
            jack_port_register(client_, "in_1", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
        audioIn_[1] =
            jack_port_register(client_, "in_2", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(client_, &Listener::process, this);
        jack_set_xrun_callback(client_, &Listener::xrun, this);
        return midiIn_ != nullptr && audioIn_[0] != nullptr && audioIn_[1] != nullptr &&
               jack_activate(client_) == 0;
    }
    ~Listener() {
        if (client_ != nullptr) {
            jack_client_close(client_);
        }
    }

    // Connects every output port whose name matches pattern and whose type is type to ours.
    int connectFrom(const char* pattern, const char* type, bool audio) {
        const char** ports = jack_get_ports(client_, pattern, type, JackPortIsOutput);
        int connected = 0;
        for (int i = 0; ports != nullptr && ports[i] != nullptr; ++i) {
            jack_port_t* ours = audio ? audioIn_[std::min(i, 1)] : midiIn_;
            connected += jack_connect(client_, ports[i], jack_port_name(ours)) == 0 ? 1 : 0;
        }
        jack_free(static_cast<void*>(ports));
        return connected;
    }

    static jack_time_t clock() { return jack_get_time(); }
    Frame sampleRate() const { return jack_get_sample_rate(client_); }
    Frame bufferSize() const { return jack_get_buffer_size(client_); }

    // Before each press; then pressed() with the clock reading taken at the press.
    void arm() {
        midiFrame_.store(none);
        bendFrame_.store(none);
        soundFrame_.store(none);
        anchorFrame_.store(none);
        pressTime_.store(0);
        armed_.store(true, std::memory_order_release);
    }
    void pressed(jack_time_t at) { pressTime_.store(at, std::memory_order_release); }
    void disarm() { armed_.store(false, std::memory_order_release); }
    std::int64_t midiFrame() const { return midiFrame_.load(); }
    std::int64_t bendFrame() const { return bendFrame_.load(); }
    std::int64_t soundFrame() const { return soundFrame_.load(); }
    // Milliseconds from the press to a frame, through the first cycle after the press.
    double sincePress(std::int64_t frame) const {
        const double rate = sampleRate();
        const auto offset = static_cast<std::int32_t>(static_cast<Frame>(frame) -
                                                      static_cast<Frame>(anchorFrame_.load()));
        return static_cast<double>(anchorTime_.load() - pressTime_.load()) / 1000.0 +
               1000.0 * offset / rate;
    }
    // Times between consecutive process callbacks, in bucketMicros steps; the last bucket
    // holds everything longer.
    static constexpr jack_time_t bucketMicros = 50;
    static constexpr std::size_t bucketCount = 400;
    // The interval (ms) below which p percent of the callbacks followed their predecessor.
    double intervalPercentile(double p) const {
        std::uint64_t total = 0;
        for (const auto& count : intervals_) {
            total += count.load();
        }
        std::uint64_t seen = 0;
        for (std::size_t i = 0; i < bucketCount; ++i) {
            seen += intervals_[i].load();
            if (total > 0 && static_cast<double>(seen) >= p / 100.0 * static_cast<double>(total)) {
                return static_cast<double>((i + 1) * bucketMicros) / 1000.0;
            }
        }
        return NAN;
    }

    // Cycles the server reported as late (underruns somewhere in the graph).
    std::uint32_t xruns() const { return xruns_.load(std::memory_order_relaxed); }
    // Frames in a row, up to the last cycle, that stayed below the threshold.
    std::int64_t quietFrames() const { return quietRun_.load(std::memory_order_relaxed); }

private:
    static int xrun(void* arg) {
        static_cast<Listener*>(arg)->xruns_.fetch_add(1, std::memory_order_relaxed);
        return 0;
    }
    static int process(jack_nframes_t frames, void* arg) {
        auto* self = static_cast<Listener*>(arg);
        const Frame start = jack_last_frame_time(self->client_);
        const jack_time_t press = self->pressTime_.load(std::memory_order_acquire);
        const jack_time_t ranAt = jack_get_time();
        const bool armed = self->armed_.load(std::memory_order_acquire) && press != 0;
        const jack_time_t previous = self->lastRan_.exchange(ranAt, std::memory_order_relaxed);
        if (previous != 0) {
            const jack_time_t bucket =
                std::min<jack_time_t>((ranAt - previous) / bucketMicros, bucketCount - 1);
            self->intervals_[bucket].fetch_add(1, std::memory_order_relaxed);
        }
        if (armed && self->anchorFrame_.load(std::memory_order_relaxed) == none) {
            self->anchorTime_.store(ranAt);
            self->anchorFrame_.store(start);
        }
        void* midi = jack_port_get_buffer(self->midiIn_, frames);
        const std::uint32_t count = jack_midi_get_event_count(midi);
        for (std::uint32_t i = 0; i < count; ++i) {
            jack_midi_event_t event{};
            if (jack_midi_event_get(&event, midi, i) == 0 && event.size == 3 &&
                (event.buffer[0] & 0xF0U) == 0x90U && event.buffer[2] != 0 && armed &&
                self->midiFrame_.load(std::memory_order_relaxed) == none) {
                self->midiFrame_.store(start + event.time);
            }
            if (event.size == 3 && (event.buffer[0] & 0xF0U) == 0xE0U && armed &&
                self->bendFrame_.load(std::memory_order_relaxed) == none) {
                self->bendFrame_.store(start + event.time);
            }
        }
        bool loud = false;
        for (jack_port_t* port : self->audioIn_) {
            const auto* samples = static_cast<const float*>(jack_port_get_buffer(port, frames));
            for (Frame i = 0; i < frames; ++i) {
                if (std::fabs(samples[i]) > soundThreshold) {
                    loud = true;
                    if (armed && self->soundFrame_.load(std::memory_order_relaxed) == none) {
                        self->soundFrame_.store(start + i);
                    }
                    break;
                }
            }
        }
        self->quietRun_.store(loud ? 0 : self->quietRun_.load(std::memory_order_relaxed) + frames,
                              std::memory_order_relaxed);
        return 0;
    }

    jack_client_t* client_ = nullptr;
    jack_port_t* midiIn_ = nullptr;
    jack_port_t* audioIn_[2] = {nullptr, nullptr};
    std::atomic<bool> armed_{false};
    std::atomic<std::int64_t> midiFrame_{none};
    std::atomic<std::int64_t> soundFrame_{none};
    std::atomic<std::int64_t> bendFrame_{none};
    std::atomic<jack_time_t> pressTime_{0};
    std::atomic<std::int64_t> anchorFrame_{none};
    std::atomic<jack_time_t> anchorTime_{0};
    std::atomic<jack_time_t> lastRan_{0};
    std::array<std::atomic<std::uint32_t>, bucketCount> intervals_{};
    std::atomic<std::int64_t> quietRun_{0};
    std::atomic<std::uint32_t> xruns_{0};
};

// The MIDI output's standard-error log as the program has it, noting when the line reporting a
// note-on's hand-over to JACK is written: by then both outputs have queued the note (the
// synthesiser hears of each key first). Main thread only.
class TimedStandardError : public tinkella::StandardErrorWriter {
public:
    void write(std::string_view bytes) override {
        if (bytes.starts_with("MIDI: send #") && bytes.find("status=0x90") != bytes.npos) {
            lastNoteOnQueued = jack_get_time();
        }
        out_.write(bytes);
    }
    static jack_time_t lastNoteOnQueued;

private:
    tinkella::PosixStandardErrorWriter out_;
};
jack_time_t TimedStandardError::lastNoteOnQueued = 0;

// Takes the press's time as the toolkit hands the event to a keyboard widget, before the widget
// sees it, and passes it to the listener. (QTest's touch delivery sleeps 1 ms before it sends,
// so a clock read before calling it would count that sleep as the program's.)
class PressClock : public QObject {
public:
    explicit PressClock(Listener& listener) : listener_(listener) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (pressedAt == 0 &&
            (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::TouchBegin)) {
            pressedAt = Listener::clock();
            listener_.pressed(pressedAt);
        }
        return QObject::eventFilter(watched, event);
    }
    jack_time_t pressedAt = 0;

private:
    Listener& listener_;
};

// The floor's widget: a mouse press starts the floor's sound, nothing else.
class FloorWidget : public QWidget {
public:
    explicit FloorWidget(tinkella::testing::TapFloor& floor) : floor_(floor) {}

protected:
    void mousePressEvent(QMouseEvent*) override { floor_.tap(); }

private:
    tinkella::testing::TapFloor& floor_;
};

struct Series {
    std::vector<double> keyToMidi; // ms
    std::vector<double> keyToSound;
    std::vector<double> handler; // ms inside the toolkit's delivery of the press
    std::vector<double> queued;  // ms from the press until both outputs had queued the note
    int missedMidi = 0;
    int missedSound = 0;
};

double percentile(std::vector<double> values, double p) {
    if (values.empty()) {
        return NAN;
    }
    std::sort(values.begin(), values.end());
    const double rank = p / 100.0 * static_cast<double>(values.size() - 1);
    const auto low = static_cast<std::size_t>(std::floor(rank));
    const auto high = static_cast<std::size_t>(std::ceil(rank));
    return values[low] + (values[high] - values[low]) * (rank - static_cast<double>(low));
}

// Runs the event loop for a while, in short slices so the loop sees every queued event.
template <typename Done> bool spinUntil(Done done, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

// The centre of the natural key of note in a widget, in the widget's own y-down coordinates.
QPoint keyCentre(const tinkella::QtPianoWidget& widget, std::int64_t note) {
    const tinkella::PianoView& view = widget.pianoView();
    const tinkella::PianoKey& key =
        tinkella::PianoController::sharedInstance().keys().at(static_cast<std::size_t>(note));
    const tinkella::Rect r = view.getWhiteDisplayRect(key.x);
    const double x = r.origin.x + r.size.width / 2;
    const double yUp = r.origin.y + r.size.height / 4; // lower part: below the black keys
    return QPoint(static_cast<int>(x), static_cast<int>(widget.height() - yUp));
}

void printRow(const char* path, const std::vector<double>& ms, int missed, const char* goal) {
    std::printf("%-22s %6zu %8d %10.3f %10.3f %10.3f   %s\n", path, ms.size(), missed,
                percentile(ms, 50), percentile(ms, 99),
                ms.empty() ? NAN : *std::max_element(ms.begin(), ms.end()), goal);
}

} // namespace

int main(int argc, char** argv) {
    using namespace tinkella;
    const int presses = argc > 1 ? std::max(3, std::atoi(argv[1])) : 300;
    const std::string output = argc > 2 ? argv[2] : "jack";
    const int periodFrames = argc > 3 ? std::atoi(argv[3]) : 64;
    const bool onPipeWire = output.starts_with("pipewire");
    const auto idleDelay = std::chrono::milliseconds(output == "pipewire-idle" ? 500 : 2000);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);

    std::optional<testing::JackDummyServer> server;
    if (!onPipeWire) {
        server.emplace("tinkella-latency", testing::JackDummyServer::Cycle::Asynchronous,
                       periodFrames);
        if (!server->ready()) {
            std::fprintf(stderr, "bench_latency: the JACK dummy server did not start\n");
            return 1;
        }
    }
    // On PipeWire the listener asks for the stream's own quantum (or PIPEWIRE_LATENCY's, the
    // smaller one then wins), so that the graph keeps it while the stream is inactive; the
    // stream, opened later, asks for itself.
    ::setenv("PIPEWIRE_LATENCY", "64/48000", 0);
    Listener listener;
    if (!listener.open()) {
        std::fprintf(stderr, "bench_latency: cannot open the benchmark's JACK client\n");
        return 1;
    }
    ::unsetenv("PIPEWIRE_LATENCY");

    // The same choices main() makes when told "--midi jack --audio jack": one JACK client
    // for both, opened in the background. On PipeWire the synthesiser's own stream instead,
    // opened at once, with the idle delay under test.
    app::openOutputsInBackground("jack", onPipeWire ? "none" : "jack");
    MIDIOutput::setSharedLogFactory([] {
        return MidiLogSink{std::make_unique<SyslogSystemLog>("midi"),
                           std::make_unique<TimedStandardError>()};
    });
    if (onPipeWire) {
        PianoController::setSharedSoundFactory([&] {
            FluidSynthOptions synth;
            synth.drivers = {"pipewire"};
            synth.ownOutputs = {{"pipewire", [&](double rate, std::string& e) {
                                     PipeWireStreamOptions options;
                                     options.sampleRate = rate;
                                     options.idleDelay = idleDelay;
                                     return openPipeWireOutput(options, e);
                                 }}};
            return std::make_unique<SoundController>(makeFluidSynthOpener(std::move(synth)));
        });
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(app::applicationName);
    QApplication::setOrganizationName(app::organizationName);
    app::AppDelegate delegate;
    delegate.launch();
    PianoWindowController& piano = *delegate.settingsWindowController()->keyboardWindow();
    QtStripWindow& strip = dynamic_cast<QtStripWindow&>(*piano.strip());
    strip.show();
    QCoreApplication::processEvents();
    while (MIDIOutput::shared().isPending() ||
           PianoController::sharedInstance().soundController().isPending()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    if (piano.pianoWidget() == nullptr) {
        std::fprintf(stderr, "bench_latency: the strip or the piano window has no keyboard\n");
        return 1;
    }
    QtPianoWidget& window = *piano.pianoWidget();
    QtPianoWidget& stripWidget = strip.pianoWidget();

    const int midiPorts = listener.connectFrom("^Tinkella:", JACK_DEFAULT_MIDI_TYPE, false);
    const int audioPorts = listener.connectFrom(
        onPipeWire ? "^tinkella_sink.*:monitor_F[LR]$" : "^Tinkella:", JACK_DEFAULT_AUDIO_TYPE,
        true);
    testing::TapFloor floor;
    const bool floorOpen = floor.open("tinkella-floor");
    if (!floorOpen ||
        listener.connectFrom("^tinkella-floor:", JACK_DEFAULT_AUDIO_TYPE, true) != 1) {
        std::fprintf(stderr, "bench_latency: the floor's JACK client did not open\n");
        return 1;
    }
    if (midiPorts != 1 || audioPorts < 1) {
        std::fprintf(stderr,
                     "bench_latency: found %d Tinkella MIDI port(s) and %d synthesiser audio "
                     "port(s)\n",
                     midiPorts, audioPorts);
        return 1;
    }

    QPointingDevice* touchscreen = QTest::createTouchDevice(QInputDevice::DeviceType::TouchScreen);
    PressClock pressClock(listener);
    window.installEventFilter(&pressClock);
    FloorWidget floorWidget(floor);
    floorWidget.resize(200, 100);
    floorWidget.show();
    floorWidget.installEventFilter(&pressClock);
    stripWidget.installEventFilter(&pressClock);
    const double msPerFrame = 1000.0 / listener.sampleRate();
    Series mouse;
    Series touch;
    Series keys;
    Series floorSeries;
    const std::int64_t notes[] = {60, 62, 64, 65, 67, 69, 71, 72};
    // The keys of the upper row that play those notes from the starting octave: Q W E R T Y U I.
    const std::uint32_t scanCodes[] = {24, 25, 26, 27, 28, 29, 30, 31};
    QWidget& pianoWindow = *window.window();
    const std::int64_t quietNeeded = listener.sampleRate() / 50; // 20 ms

    // The first presses of each kind warm the caches and the sound font's samples and are not
    // counted.
    constexpr int kinds = 4;
    constexpr int warmUp = 2 * kinds;
    Series discarded;
    for (int i = -warmUp; i < presses; ++i) {
        const int kind = (i + warmUp) % kinds;
        const bool byMouse = kind == 0;
        const bool byKey = kind == 2;
        const bool onFloor = kind == 3;
        Series& series = i < 0     ? discarded
                         : byMouse ? mouse
                         : byKey   ? keys
                         : onFloor ? floorSeries
                                   : touch;
        QtPianoWidget& target = byMouse ? window : stripWidget;
        const std::size_t which = static_cast<std::size_t>((i + warmUp) / kinds) % 8;
        const QPoint at = keyCentre(target, notes[which]);
        if (!spinUntil([&] { return listener.quietFrames() > quietNeeded; },
                       std::chrono::seconds(10))) {
            std::fprintf(stderr, "bench_latency: the synthesiser never fell silent\n");
            return 1;
        }
        // PipeWire's PulseAudio face shows an inactive stream as corked.
        if (output == "pipewire-idle" &&
            !spinUntil(
                [] { return std::system("pactl list sink-inputs | grep -q 'Corked: yes'") == 0; },
                std::chrono::seconds(10))) {
            std::fprintf(stderr, "bench_latency: the stream never went inactive\n");
            return 1;
        }
        listener.arm();
        pressClock.pressedAt = 0;
        if (byKey) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, scanCodes[which], 0,
                            0);
            pressClock.pressedAt = Listener::clock();
            listener.pressed(pressClock.pressedAt);
            QApplication::sendEvent(&pianoWindow, &press);
        } else if (onFloor) {
            QTest::mousePress(&floorWidget, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
        } else if (byMouse) {
            QTest::mousePress(&target, Qt::LeftButton, Qt::NoModifier, at);
        } else {
            QTest::touchEvent(&target, touchscreen, false).press(0, at).commit(false);
        }
        const jack_time_t pressTime = pressClock.pressedAt;
        if (pressTime == 0) {
            std::fprintf(stderr, "bench_latency: the press did not reach the keyboard widget\n");
            return 1;
        }
        series.handler.push_back(static_cast<double>(Listener::clock() - pressTime) / 1000.0);
        if (TimedStandardError::lastNoteOnQueued >= pressTime) {
            series.queued.push_back(
                static_cast<double>(TimedStandardError::lastNoteOnQueued - pressTime) / 1000.0);
        }
        spinUntil([&] { return listener.midiFrame() != none && listener.soundFrame() != none; },
                  std::chrono::milliseconds(500));
        listener.disarm();
        const auto since = [&](std::int64_t frame) {
            return listener.sincePress(frame);
        };
        if (listener.midiFrame() != none) {
            series.keyToMidi.push_back(since(listener.midiFrame()));
        } else if (!onFloor) {
            ++series.missedMidi;
        }
        if (listener.soundFrame() != none) {
            series.keyToSound.push_back(since(listener.soundFrame()));
        } else {
            ++series.missedSound;
        }
        if (byKey) {
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, scanCodes[which],
                              0, 0);
            QApplication::sendEvent(&pianoWindow, &release);
        } else if (onFloor) {
            QTest::mouseRelease(&floorWidget, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
        } else if (byMouse) {
            QTest::mouseRelease(&target, Qt::LeftButton, Qt::NoModifier, at);
        } else {
            QTest::touchEvent(&target, touchscreen).release(0, at);
        }
        QCoreApplication::processEvents();
    }

    // Slides with MPE on: the note-on first, then one move of a quarter key to the right.
    delegate.settingsWindowController()->keyboard().expressionChanged(1);
    QCoreApplication::processEvents();
    Series slides;
    for (int i = -warmUp; i < presses / 3; ++i) {
        const QPoint at = keyCentre(window, notes[static_cast<std::size_t>(i + warmUp) % 8]);
        listener.arm();
        pressClock.pressedAt = 0;
        QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, at);
        spinUntil([&] { return listener.midiFrame() != none; }, std::chrono::milliseconds(500));
        listener.arm();
        const QPoint to = at + QPoint(static_cast<int>(window.pianoView().keyWidth() / 4), 0);
        QMouseEvent move(QEvent::MouseMove, to, window.mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        const jack_time_t movedAt = Listener::clock();
        listener.pressed(movedAt);
        QApplication::sendEvent(&window, &move);
        spinUntil([&] { return listener.bendFrame() != none; }, std::chrono::milliseconds(500));
        listener.disarm();
        if (i >= 0 && listener.bendFrame() != none) {
            slides.keyToMidi.push_back(listener.sincePress(listener.bendFrame()));
        } else if (i >= 0) {
            ++slides.missedMidi;
        }
        QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, to);
        spinUntil([&] { return listener.quietFrames() > quietNeeded; }, std::chrono::seconds(10));
    }

    Series all;
    for (const Series* s : {&mouse, &touch, &keys}) {
        all.handler.insert(all.handler.end(), s->handler.begin(), s->handler.end());
        all.queued.insert(all.queued.end(), s->queued.begin(), s->queued.end());
        all.keyToMidi.insert(all.keyToMidi.end(), s->keyToMidi.begin(), s->keyToMidi.end());
        all.keyToSound.insert(all.keyToSound.end(), s->keyToSound.begin(), s->keyToSound.end());
        all.missedMidi += s->missedMidi;
        all.missedSound += s->missedSound;
    }
    const double period = listener.bufferSize() * msPerFrame;
    const double lookAhead = PeakLimiter::defaultLookAheadSeconds * 1000.0;
    std::printf("%s, %u Hz, %u frames per period (%.3f ms); limiter look-ahead %.3f ms; %d "
                "presses\n",
                onPipeWire ? output.c_str() : "JACK dummy driver", listener.sampleRate(),
                listener.bufferSize(), period, lookAhead, presses);
    std::printf("%-22s %6s %8s %10s %10s %10s   %s\n", "path", "n", "missed", "median ms", "p99 ms",
                "max ms", "goal");
    printRow("key to MIDI, mouse", mouse.keyToMidi, mouse.missedMidi, "<= 1.4 ms");
    printRow("key to MIDI, touch", touch.keyToMidi, touch.missedMidi, "<= 1.4 ms");
    printRow("key to MIDI, keyboard", keys.keyToMidi, keys.missedMidi, "<= 1.4 ms");
    printRow("key to MIDI, all", all.keyToMidi, all.missedMidi, "<= 1.4 ms");
    printRow("move to bend, mouse", slides.keyToMidi, slides.missedMidi, "MPE: first pitch bend");
    printRow("key to sound, mouse", mouse.keyToSound, mouse.missedSound, "<= 4.5 ms");
    printRow("key to sound, touch", touch.keyToSound, touch.missedSound, "<= 4.5 ms");
    printRow("key to sound, keyboard", keys.keyToSound, keys.missedSound, "<= 4.5 ms");
    printRow("key to sound, all", all.keyToSound, all.missedSound, "<= 4.5 ms");
    printRow("floor, mouse", floorSeries.keyToSound, floorSeries.missedSound,
             "trivial widget and JACK client");
    const auto ratio = [](const std::vector<double>& a, const std::vector<double>& b) {
        return percentile(a, 50) / percentile(b, 50);
    };
    std::printf("Keyboard / mouse / touch medians: key to MIDI %.2f : 1 : %.2f, key to sound "
                "%.2f : 1 : %.2f (mouse = 1)\n",
                ratio(keys.keyToMidi, mouse.keyToMidi), ratio(touch.keyToMidi, mouse.keyToMidi),
                ratio(keys.keyToSound, mouse.keyToSound),
                ratio(touch.keyToSound, mouse.keyToSound));
    std::printf("Key to sound over the floor, medians: mouse %.2f, touch %.2f, keyboard %.2f "
                "(mouse - floor %.3f ms)\n",
                ratio(mouse.keyToSound, floorSeries.keyToSound),
                ratio(touch.keyToSound, floorSeries.keyToSound),
                ratio(keys.keyToSound, floorSeries.keyToSound),
                percentile(mouse.keyToSound, 50) - percentile(floorSeries.keyToSound, 50));
    std::printf("Where the time goes:\n");
    printRow("press to queued, mouse", mouse.queued, 0, "both outputs have the note");
    printRow("press to queued, touch", touch.queued, 0, "both outputs have the note");
    printRow("press to queued, keys", keys.queued, 0, "both outputs have the note");
    printRow("press handler, mouse", mouse.handler, 0, "synchronous, main thread");
    printRow("press handler, touch", touch.handler, 0, "synchronous, main thread");
    printRow("press handler, keys", keys.handler, 0, "synchronous, main thread");
    std::printf("%-22s %6s %8s %10.3f %10.3f %10.3f   period %.3f ms\n", "JACK cycle interval", "",
                "", listener.intervalPercentile(50), listener.intervalPercentile(99),
                listener.intervalPercentile(100), period);
    std::printf("%-22s %6u\n", "xruns reported", listener.xruns());
    std::printf("FluidSynth's own defaults for comparison: 16 x 64 frames = %.1f ms of buffer\n",
                16 * 64 * 1000.0 / 44100.0);
    std::fflush(stdout);
    // The application's shared objects live until the process exits, as they do in the
    // program; only the server is stopped.
    if (server) {
        server->stop();
    }
    std::_Exit(0);
}
