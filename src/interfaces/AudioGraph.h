#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tinkella {

// Platform status: 0 is success, anything else a failure (a negative errno or a backend code).
using OSStatus = std::int32_t;

// Describes one node of the audio graph by four-character codes packed big-endian.
struct AudioComponentDescription {
    std::uint32_t componentType = 0;
    std::uint32_t componentSubType = 0;
    std::uint32_t componentManufacturer = 0;
    std::uint32_t componentFlags = 0;
    std::uint32_t componentFlagsMask = 0;
};

constexpr std::uint32_t fourCharCode(const char (&code)[5]) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(code[0])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(code[3]));
}

using AUNode = std::int32_t;

// The General MIDI synthesiser inside a graph. Main thread only.
class MusicDevice {
public:
    virtual ~MusicDevice() = default;
    // One channel message: status byte, two data bytes, a frame offset into the next rendered
    // buffer.
    virtual OSStatus midiEvent(std::uint32_t status, std::uint32_t data1, std::uint32_t data2,
                               std::uint32_t offsetSampleFrame) = 0;
};

// A synthesiser -> limiter -> output graph, built step by step; each step returns a status.
// Main thread only; rendering runs on the backend's own audio thread.
class AudioGraph {
public:
    virtual ~AudioGraph() = default;
    virtual OSStatus addNode(const AudioComponentDescription& description, AUNode& node) = 0;
    virtual OSStatus open() = 0;
    virtual OSStatus connectNodeInput(AUNode sourceNode, std::uint32_t sourceOutput,
                                      AUNode destNode, std::uint32_t destInput) = 0;
    // The music device of a node; owned by the graph, valid while the graph lives.
    virtual OSStatus nodeInfo(AUNode node, MusicDevice*& unit) = 0;
    virtual OSStatus initialize() = 0;
    virtual OSStatus start() = 0;
    // A one-line account of the last failure, for the user ("no sound font found in ...").
    virtual std::string lastError() const { return {}; }
    // After open(): replaces the synthesiser's sound font with the file at path (empty: the
    // font the graph opened with); every channel keeps its program. Returns empty on success;
    // otherwise the previous font stays and the text says why, in words for the user.
    virtual std::string replaceSoundFont(const std::string& /*path*/) {
        return "this synthesiser cannot change its sound font";
    }
};

// Makes new, empty graphs.
class AudioSystem {
public:
    virtual ~AudioSystem() = default;
    virtual OSStatus newGraph(std::unique_ptr<AudioGraph>& graph) = 0;
};

} // namespace tinkella
