#pragma once

#include "interfaces/AudioGraph.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tinkella {

// The built-in General MIDI synthesiser, played on the first channel: a graph of synthesiser,
// peak limiter and default output, behind note start, note end, mute and program change.
// Keeps its own record of the notes it started. Main thread only.
class SoundController {
public:
    // 129 entries: 0 is absent, n (1..128) is the General MIDI Level 1 name of program n.
    using InstrumentTable = std::array<std::optional<std::string>, 129>;
    static const InstrumentTable& instruments();

    // Builds, initialises and starts the graph made by audioSystem. When no graph can be made
    // (audioSystem is null, or any step up to the start fails) the controller is silent but
    // fully usable, and one line on standard error says what failed.
    explicit SoundController(std::unique_ptr<AudioSystem> audioSystem);
    // A controller whose graph is still being made elsewhere (see CreateAUGraph): it behaves
    // as a ready one, but every message waits, in order, until attach().
    struct Pending {};
    explicit SoundController(Pending);
    ~SoundController();
    SoundController(const SoundController&) = delete;
    SoundController& operator=(const SoundController&) = delete;

    bool isMuted() const { return isMuted_; }
    MusicDevice* synthUnit() const { return synthUnit_; }
    std::size_t soundingNoteCount() const { return soundingNotes_.size(); }
    const std::set<std::uint32_t>& soundingNotes() const { return soundingNotes_; }

    // Muting ends every sounding note first; unmuting starts nothing.
    void setMuted(bool muted);
    // Ends every sounding note; with the sustain down, also the notes it holds (All Sound Off).
    void endAllNotes();
    // Sustain pedal (controller 64, 127 down / 0 up), sent whenever the state changes, muted or
    // not: notes ended while it is down ring on in the synthesiser until it goes up.
    void setSustain(bool down);
    bool isSustaining() const { return isSustaining_; }
    // Silences at once whatever sounds: a note-off for each sounding note, sustain up, then
    // All Sound Off and All Notes Off.
    void silence();
    // programNumber 1..128 sends program change programNumber - 1; other values are ignored.
    void setInstrument(int programNumber);
    // Notes above 127 are ignored; a muted synthesiser starts nothing.
    void playNote(std::uint32_t noteNum);
    // Ends only notes this controller started.
    void endNote(std::uint32_t noteNum);

    struct GraphResult {
        std::unique_ptr<AudioGraph> graph;
        MusicDevice* unit = nullptr;
        OSStatus status = 0;
        // On failure: the step that failed and the graph's own account of why.
        std::string failure;
    };
    // Builds the three-node graph; stops at the first failing step with no graph and no unit.
    // Any one thread; it may block (opening the device, loading the sound font).
    static GraphResult CreateAUGraph(AudioSystem& audioSystem);
    // A pending controller's graph, made by CreateAUGraph: initialises and starts it, the
    // messages that waited first, so a note played and let go before sounds briefly. A failed
    // result leaves the controller silent and says so in one line. Ignored when not pending.
    void attach(GraphResult made);
    bool isPending() const { return pending_; }

private:
    void send(std::uint32_t status, std::uint32_t data1, std::uint32_t data2);
    void goSilent(std::string failure, OSStatus status);
    static void reportUnavailable(const std::string& failure, OSStatus status);

    std::uint32_t midiChannelInUse_ = 0;
    MusicDevice* synthUnit_ = nullptr; // owned by graph_
    bool isMuted_ = false;
    bool isSustaining_ = false;
    std::set<std::uint32_t> soundingNotes_;
    bool pending_ = false;
    struct Message {
        std::uint32_t status, data1, data2;
    };
    std::vector<Message> waiting_;      // while pending, in the order sent
    std::unique_ptr<AudioGraph> graph_; // runs until the controller goes
};

} // namespace tinkella
