#pragma once

#include "interfaces/Synthesizer.h"
#include "outputs/ChannelSettings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tinkella {

// The built-in General MIDI synthesiser, played by two holders on channels of their own, behind
// note start, note end, mute and program change. Keeps its own record of the notes it started,
// of who holds each, and of what shapes each channel (ChannelSettings). Main thread only.
class SoundController {
public:
    // Who plays: the program's own surfaces, on the synthesiser's first 16 channels, or the MIDI
    // input, on the other 16. Each has its own notes, pedal and channel settings, so that neither
    // ends, holds, bends or retunes what the other plays.
    enum class Holder : std::uint8_t { surfaces = 0, midiIn = 1 };

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
    // The notes either holder sounds.
    std::size_t soundingNoteCount() const { return soundingNotes_.size(); }
    const std::set<std::uint32_t>& soundingNotes() const { return soundingNotes_; }

    // Muting ends every sounding note first; unmuting starts nothing.
    void setMuted(bool muted);
    // Ends every sounding note; with a holder's sustain down, also the notes it holds there
    // (All Sound Off).
    void endAllNotes();
    // Sustain pedal (controller 64, 127 down / 0 up) of one holder, sent to its channels whenever
    // it changes, muted or not: its notes ended while it is down ring on until it goes up.
    void setSustain(bool down, Holder holder = Holder::surfaces);
    bool isSustaining() const { return pedals_[0] || pedals_[1]; }
    // Silences at once whatever sounds: a note-off for each sounding note, then for each holder
    // sustain up, All Sound Off and All Notes Off, and every channel goes back to Tinkella's own
    // configuration (restoreChannels()).
    void silence();
    // Tinkella's instrument: programNumber 1..128 sends program change programNumber - 1 to
    // every channel; other values are ignored.
    void setInstrument(int programNumber);
    // A program change (0..127) of holder's own, on its channels in use, until they are restored.
    void programChange(std::uint8_t program, Holder holder);
    // Replaces the sound font with the file at path (empty: the system's General MIDI font);
    // the instrument stays, whatever sounds is cut. done runs on the main thread, perhaps at
    // once, with empty on success, otherwise one line saying why, with the previous font still
    // in use. A later call supersedes one not yet done: its done never runs.
    void loadSoundFont(const std::string& path, std::function<void(const std::string& error)> done);
    // Notes above 127 are ignored; a muted synthesiser starts nothing, nor does a note the
    // holder already sounds. velocity: 1..127. channel: the holder's channel where the note
    // starts (0..15); it ends there too.
    void playNote(std::uint32_t noteNum, Holder holder = Holder::surfaces,
                  std::uint32_t velocity = 127, std::uint8_t channel = 0);
    void endNote(std::uint32_t noteNum, Holder holder = Holder::surfaces);

    // Whether every channel plays: the pedal, programChange() and silence() then reach all 16
    // channels of each holder, silence() also centring their pitch bends. Switching on sends
    // the instrument to the surfaces' channels.
    void setMemberChannels(bool all);
    // Tinkella's own bend ranges on the surfaces' channels, which restoreChannels() brings them
    // back to: 2 semitones on the manager channel (0..15) and on otherManager (the second zone's,
    // beside a keyboard split), memberRange on the others.
    void setOwnBendRanges(std::uint8_t manager, std::uint8_t memberRange,
                          std::optional<std::uint8_t> otherManager = std::nullopt);
    // A pitch bend (0xE0), channel pressure (0xD0) or control change (0xB0) as it stands, on
    // holder's channel (the status's low four bits), for the notes there; other messages are
    // ignored. Sent muted or not.
    void channelMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                        Holder holder = Holder::surfaces);
    // Brings holder's channels whose bits are set (bit n: its channel n) back to Tinkella's own
    // configuration: bend centred, pressure 0, timbre 64, the bend range of the player's channel
    // or of an MPE zone's manager or member, no tuning, and the instrument. Sends only what
    // differs.
    void restoreChannels(Holder holder, std::uint16_t channels = 0xFFFF);

    // The surfaces' channel without member channels, 0..15 (MIDI channel 1..16), 0 at first: their
    // notes start there unless told otherwise, the pedal, programChange() and silence() reach it,
    // and it keeps the bend range of setBendRange(). The caller ends the surfaces' notes and lifts
    // their pedal first.
    void setPlayerChannel(std::uint8_t channel);
    std::uint8_t playerChannel() const { return static_cast<std::uint8_t>(midiChannelInUse_); }
    // The keyboard split's channel among the surfaces' (0..15, none: no split) and its program
    // (0..127): that channel plays the program instead of the instrument, with the player's bend
    // range, and the pedal, the player's messages and silence() reach it beside the player's. A
    // channel the split leaves goes back to the instrument; notes sounding there end there as they
    // started.
    void setSplit(std::optional<std::uint8_t> channel, std::uint8_t program);
    // The same for every channel whose bit is set (bit n: channel n), as the lower zone's channels
    // play the split's program beside an MPE split.
    void setSplitChannels(std::uint16_t channels, std::uint8_t program);
    // The player's channel's bend range in semitones (1..24, 2 at first), sent to it as
    // registered parameter 0 when it changes, and restored with the channel.
    void setBendRange(std::uint8_t semitones);
    // A control change (0xB0) or pitch bend (0xE0) of the surfaces' whole keyboard, the channel
    // in status ignored: to the player's channel; with member channels a control change to all
    // 16, and a pitch bend added to each member channel's own bend (as an MPE zone's manager
    // channel bends the zone). Sent muted or not.
    void playerMessage(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);

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
    using Message = ChannelSettings::Message;

    void attachSynthesizer(Opened opened);
    // channel 0..31; status: the message's kind.
    void send(std::uint32_t channel, std::uint32_t status, std::uint32_t data1,
              std::uint32_t data2);
    void dispatch(const Message& message);
    void endNotes(Holder holder);
    static void reportUnavailable(const std::string& failure);

    static std::size_t index(Holder holder) { return static_cast<std::size_t>(holder); }
    // The synthesiser's channel of holder's channel 0..15.
    static std::uint32_t channelOf(Holder holder, std::uint32_t channel) {
        return (holder == Holder::midiIn ? 16U : 0U) + (channel & 0x0F);
    }
    // Runs f with each synthesiser channel of holder the pedal, programChange(), silence() and
    // player messages reach: its first (the player's, for the surfaces), or all 16 with member
    // channels.
    template <typename F> void forEachChannelInUse(Holder holder, F f) const {
        const std::uint32_t first = holder == Holder::surfaces ? midiChannelInUse_ : 0;
        for (std::uint32_t channel = 0; channel < 16; ++channel) {
            if (memberChannels_ || channel == first ||
                (holder == Holder::surfaces && (splitChannels_ >> channel & 1U) != 0)) {
                f(channelOf(holder, channel));
            }
        }
    }
    // Gives every surfaces channel the bend range it is to keep and restores those that change.
    void applyBendRanges();
    // A member channel's own bend with the zone's added, both 0..16383.
    std::uint16_t withZoneBend(std::uint32_t channel, std::uint16_t bend) const;

    std::uint32_t midiChannelInUse_ = 0; // the player's channel
    std::uint8_t bendRange_ = 2;         // of the player's channel
    std::uint32_t manager_ = 0;          // the MPE zone's manager channel, 0 or 15
    std::uint16_t managers_ = 1;         // bit n: channel n manages a zone (with a split, two)
    std::uint8_t memberRange_ = 48;      // the MPE zone's members' bend range
    bool memberChannels_ = false;
    // With member channels: the zone's bend and each surfaces channel's own, before the zone's.
    std::uint16_t zoneBend_ = ump::bendCentre;
    std::array<std::uint16_t, 16> ownBends_{};
    std::uint32_t program_ = 0;       // 0..127, Tinkella's instrument
    std::uint16_t splitChannels_ = 0; // of the surfaces, bit n: channel n
    std::uint32_t splitProgram_ = 0;  // 0..127, played there
    // The program a synthesiser channel (0..31) plays when restored.
    std::uint32_t programOf(std::uint32_t channel) const {
        return channel < 16 && (splitChannels_ >> channel & 1U) != 0 ? splitProgram_ : program_;
    }
    bool isManager(std::uint32_t channel) const { return (managers_ >> channel & 1U) != 0; }
    std::unique_ptr<Synthesizer> synthUnit_; // runs until the controller goes
    bool isMuted_ = false;
    std::array<bool, 2> pedals_{}; // by index(holder)
    // By index(holder) and note: the synthesiser's channel where the note sounds, or -1.
    std::array<std::array<std::int8_t, 128>, 2> noteChannels_;
    std::set<std::uint32_t> soundingNotes_;
    ChannelSettings settings_;
    bool pending_ = false;
    std::vector<std::function<void()>> whenAttached_;
    std::vector<Message> waiting_; // while pending, in the order sent
};

} // namespace tinkella
