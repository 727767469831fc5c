#pragma once

#include "interfaces/Synthesizer.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tinkella {

// The built-in General MIDI synthesiser, played on the first channel, behind note start, note
// end, mute and program change. Keeps its own record of the notes it started and of who holds
// each. Main thread only.
class SoundController {
public:
    // Who holds a note or the sustain pedal: the program's own surfaces, or the MIDI input. A
    // note sounds (one voice) while either holds it and ends when the last one lets go, and the
    // pedal stays down while either holds it, so neither cuts the other off.
    enum class Holder : std::uint8_t { surfaces = 1, midiIn = 2 };

    // 129 entries: 0 is absent, n (1..128) is the General MIDI Level 1 name of program n.
    using InstrumentTable = std::array<std::optional<std::string>, 129>;
    static const InstrumentTable& instruments();

    // What a synthesiser opener made: the running synthesiser, or null and why not.
    struct Opened {
        std::unique_ptr<Synthesizer> synthesizer;
        std::string failure;
    };
    // Runs open, on the calling thread; a null opener fails as "no audio system".
    static Opened open(const SynthesizerOpener& open);

    // Opens the synthesiser with open and sets it to bank 0, program 0. When it cannot be
    // opened (open is null or fails) the controller is silent but fully usable, and one line
    // on standard error says why.
    explicit SoundController(const SynthesizerOpener& open);
    // A controller whose synthesiser is still being opened elsewhere (see open()): it behaves
    // as a ready one, but every message waits, in order, until attach().
    struct Pending {};
    explicit SoundController(Pending);
    ~SoundController();
    SoundController(const SoundController&) = delete;
    SoundController& operator=(const SoundController&) = delete;

    bool isMuted() const { return isMuted_; }
    // The synthesiser every message goes to; null while pending or when none opened.
    Synthesizer* synthUnit() const { return synthUnit_.get(); }
    std::size_t soundingNoteCount() const { return soundingNotes_.size(); }
    const std::set<std::uint32_t>& soundingNotes() const { return soundingNotes_; }

    // Muting ends every sounding note first; unmuting starts nothing.
    void setMuted(bool muted);
    // Ends every sounding note; with the sustain down, also the notes it holds (All Sound Off).
    void endAllNotes();
    // Sustain pedal (controller 64, 127 down / 0 up) for one holder, sent whenever the combined
    // state changes, muted or not: notes ended while it is down ring on until it goes up.
    void setSustain(bool down, Holder holder = Holder::surfaces);
    bool isSustaining() const { return pedalHolders_ != 0; }
    // Silences at once whatever sounds: a note-off for each sounding note, sustain up, then
    // All Sound Off and All Notes Off.
    void silence();
    // programNumber 1..128 sends program change programNumber - 1; other values are ignored.
    void setInstrument(int programNumber);
    // Replaces the sound font with the file at path (empty: the system's General MIDI font);
    // the instrument stays, whatever sounds is cut. done runs on the main thread, perhaps at
    // once, with empty on success, otherwise one line saying why, with the previous font still
    // in use. A later call supersedes one not yet done: its done never runs.
    void loadSoundFont(const std::string& path, std::function<void(const std::string& error)> done);
    // Notes above 127 are ignored; a muted synthesiser starts nothing. A note some other holder
    // already sounds is only marked as held by this one too. velocity: 1..127.
    // channel: where the note starts (0..15); it ends there too.
    void playNote(std::uint32_t noteNum, Holder holder = Holder::surfaces,
                  std::uint32_t velocity = 127, std::uint8_t channel = 0);
    // Lets go of a note for holder; it ends when no holder is left.
    void endNote(std::uint32_t noteNum, Holder holder = Holder::surfaces);

    // Whether every channel plays: the instrument, the pedal and silence() then reach all 16
    // channels, silence() also centring their pitch bends. Switching on sends the instrument
    // to every channel.
    void setMemberChannels(bool all);
    // A pitch bend (0xE0), channel pressure (0xD0) or control change (0xB0) as it stands, for
    // the notes of its channel; other messages are ignored. Sent muted or not.
    void channelMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);

    // A pending controller's synthesiser, made by open(): bank 0 and program 0 go first, then
    // the messages that waited, so a note played and let go before sounds briefly; then the
    // output is named in one line. A failed result leaves the controller silent and says so in
    // one line. Ignored when not pending.
    void attach(Opened opened);
    // Runs ready on the main thread once the synthesiser is attached, whether it opened or not
    // (at once when the controller is not pending): what needs the running synthesiser, such
    // as a chosen sound font, waits for it this way.
    void whenAttached(std::function<void()> ready);
    bool isPending() const { return pending_; }

private:
    void attachSynthesizer(Opened opened);
    void send(std::uint32_t status, std::uint32_t data1, std::uint32_t data2);
    static void reportUnavailable(const std::string& failure);

    // The channels the pedal, the instrument and silence() reach: 1, or 16 with member channels.
    std::uint32_t channelsInUse() const { return memberChannels_ ? 16 : 1; }

    std::uint32_t midiChannelInUse_ = 0;
    bool memberChannels_ = false;
    std::uint32_t program_ = 0;                    // 0..127, the last program sent
    std::array<std::uint8_t, 128> noteChannels_{}; // where each sounding note started
    std::unique_ptr<Synthesizer> synthUnit_;       // runs until the controller goes
    bool isMuted_ = false;
    std::uint8_t pedalHolders_ = 0;               // Holder bits
    std::array<std::uint8_t, 128> noteHolders_{}; // Holder bits per note
    std::set<std::uint32_t> soundingNotes_;       // notes with a holder
    bool pending_ = false;
    std::vector<std::function<void()>> whenAttached_;
    struct Message {
        std::uint32_t status, data1, data2;
    };
    std::vector<Message> waiting_; // while pending, in the order sent
};

} // namespace tinkella
