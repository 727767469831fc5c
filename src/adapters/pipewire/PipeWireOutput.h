#pragma once

#include "interfaces/AudioOutput.h"

#include <chrono>
#include <memory>
#include <string>

namespace tinkella {

struct PipeWireStreamOptions {
    // Hz the renderer renders at; the stream's format, and the unit of latencyFrames.
    double sampleRate = 48000.0;
    // The application, node and description name that mixers and graph tools show.
    std::string name = "Tinkella";
    // A freedesktop icon name, also given as the application id.
    std::string iconName;
    // The quantum the stream asks of the graph: a live instrument's 64 to 128 frames.
    int latencyFrames = 128;
    // Silence after which the stream goes inactive so that the graph may sleep; the next event
    // starts it again.
    std::chrono::milliseconds idleDelay{2000};
    // How long opening waits for the graph to pull the first buffer.
    std::chrono::milliseconds startTimeout{2000};
};

// A playback stream on the PipeWire daemon of the session (planar 32-bit float stereo), its
// process callback on PipeWire's real-time data thread rendering through renderer, which must
// outlive the output. Null with a one-line reason in error when no daemon answers or the graph
// never pulls a buffer. Main thread.
std::unique_ptr<AudioOutput> openPipeWireOutput(AudioRenderer& renderer,
                                                const PipeWireStreamOptions& options,
                                                std::string& error);

} // namespace tinkella
