#include "foundation/StandardMidiFile.h"

#include "interfaces/MidiMessage.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace tinkella {

namespace {

constexpr std::uint32_t largestVariableLength = 0x0FFFFFFF;

void appendBigEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

// One track's events in ticks since the origin, and the notes and pedals it leaves held.
class TrackWriter {
public:
    // Data bytes above 127 keep their low seven bits, so that no reader takes one for a status.
    void message(std::uint32_t tick, const std::uint8_t* given) {
        const std::size_t size = ump::messageLength(given[0]);
        if (size == 0) {
            return;
        }
        const std::uint8_t bytes[] = {given[0], static_cast<std::uint8_t>(given[1] & 0x7F),
                                      static_cast<std::uint8_t>(given[2] & 0x7F)};
        const std::uint8_t channel = bytes[0] & 0x0F;
        const std::uint8_t kind = bytes[0] & 0xF0;
        const std::uint8_t note = bytes[1];
        if (kind == ump::noteOnStatus && bytes[2] != 0) {
            ++held_[channel][note];
        } else if ((kind == ump::noteOffStatus || kind == ump::noteOnStatus) &&
                   held_[channel][note] > 0) {
            --held_[channel][note];
        } else if (kind == ump::controlChangeStatus && bytes[1] == ump::sustainController) {
            pedal_[channel] = bytes[2] >= ump::pedalDownFrom;
        } else if (kind == ump::controlChangeStatus && (bytes[1] == ump::allSoundOffController ||
                                                        bytes[1] == ump::allNotesOffController)) {
            endHeld(tick, channel);
        }
        event(tick, bytes, size);
    }

    // Ends what is still held at tick, then the track.
    std::string finish(std::uint32_t endTick) {
        for (std::uint8_t channel = 0; channel < 16; ++channel) {
            endHeld(endTick, channel);
            if (pedal_[channel]) {
                const std::uint8_t lift[] = {
                    static_cast<std::uint8_t>(ump::controlChangeStatus | channel),
                    ump::sustainController, 0};
                event(endTick, lift, 3);
            }
        }
        appendVariableLength(body_, 0);
        body_ += "\xFF\x2F";
        body_ += '\0';
        std::string chunk = "MTrk";
        appendBigEndian(chunk, static_cast<std::uint32_t>(body_.size()), 4);
        return chunk + body_;
    }

    void meta(std::uint8_t type, std::string_view data) {
        appendVariableLength(body_, 0);
        body_ += '\xFF';
        body_ += static_cast<char>(type);
        appendVariableLength(body_, static_cast<std::uint32_t>(data.size()));
        body_ += data;
    }

private:
    void endHeld(std::uint32_t tick, std::uint8_t channel) {
        for (std::uint8_t note = 0; note < 128; ++note) {
            for (; held_[channel][note] > 0; --held_[channel][note]) {
                const std::uint8_t off[] = {static_cast<std::uint8_t>(ump::noteOffStatus | channel),
                                            note, 0};
                event(tick, off, 3);
            }
        }
    }

    void event(std::uint32_t tick, const std::uint8_t* bytes, std::size_t size) {
        appendVariableLength(body_, tick - last_);
        last_ = tick;
        body_.append(reinterpret_cast<const char*>(bytes), size);
    }

    std::string body_;
    std::uint32_t last_ = 0;
    std::array<std::array<std::uint32_t, 128>, 16> held_{};
    std::array<bool, 16> pedal_{};
};

std::string track(std::string_view name, const std::vector<TimedMessage>& messages,
                  std::int64_t origin, std::int64_t end) {
    // Rounded to the nearest tick from the origin, so no error builds up along the track.
    const auto tick = [origin](std::int64_t microseconds) {
        const std::int64_t ticks = ((microseconds - origin) * 24 + 6250) / 12500;
        return static_cast<std::uint32_t>(ticks < 0                       ? 0
                                          : ticks > largestVariableLength ? largestVariableLength
                                                                          : ticks);
    };
    TrackWriter writer;
    writer.meta(0x03, name);
    std::uint32_t last = 0;
    for (const TimedMessage& message : messages) {
        last = std::max(last, tick(message.microseconds));
        writer.message(last, message.bytes);
    }
    return writer.finish(std::max(last, tick(end)));
}

} // namespace

void appendVariableLength(std::string& out, std::uint32_t value) {
    value = value > largestVariableLength ? largestVariableLength : value;
    for (int shift = 21; shift > 0; shift -= 7) {
        if (value >> shift) {
            out += static_cast<char>(0x80 | ((value >> shift) & 0x7F));
        }
    }
    out += static_cast<char>(value & 0x7F);
}

std::string standardMidiFile(const Performance& performance) {
    // The first note-on of either track; in a performance without one, its first message.
    std::int64_t firstNote = performance.end;
    std::int64_t first = performance.end;
    bool hasNote = false;
    for (const auto* messages : {&performance.played, &performance.received}) {
        if (!messages->empty()) {
            first = std::min(first, messages->front().microseconds);
        }
        const auto note = std::find_if(messages->begin(), messages->end(), [](const auto& m) {
            return (m.bytes[0] & 0xF0) == ump::noteOnStatus && m.bytes[2] != 0;
        });
        if (note != messages->end()) {
            hasNote = true;
            firstNote = std::min(firstNote, note->microseconds);
        }
    }
    const std::int64_t origin = hasNote ? firstNote : first;
    std::string file = "MThd";
    appendBigEndian(file, 6, 4);
    appendBigEndian(file, 1, 2); // format 1
    appendBigEndian(file, 3, 2); // tracks
    appendBigEndian(file, ticksPerQuarterNote, 2);

    TrackWriter tempo;
    std::string tempoBytes;
    appendBigEndian(tempoBytes, microsecondsPerQuarterNote, 3);
    tempo.meta(0x51, tempoBytes);
    return file + tempo.finish(0) + track("Tinkella", performance.played, origin, performance.end) +
           track("Tinkella In", performance.received, origin, performance.end);
}

} // namespace tinkella
