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
    // The freedesktop application id (the desktop entry's name) and icon name.
    std::string applicationId;
    std::string iconName;
    // The quantum the stream asks of the graph. 64 frames took key to sound from 5.4 ms (128)
    // to 3.4 ms median with no underrun on a loaded 2-core machine; the graph then costs about
    // twice the CPU while the stream is active.
    int latencyFrames = 64;
    // Silence (checked in quarter steps) after which the stream goes inactive so that the graph
    // may sleep; the next event starts it again, which costs that note about 2 ms more. An
    // active silent stream keeps the graph at some 16 % of a core here; two seconds still let
    // the notes after a short rest start without the wake-up.
    std::chrono::milliseconds idleDelay{2000};
    // How long opening waits for the graph to pull the first buffer.
    std::chrono::milliseconds startTimeout{2000};
};

// A playback stream on the PipeWire daemon of the session (planar 32-bit float stereo at
// options.sampleRate), silent until start(), then rendering on PipeWire's real-time data thread.
// Null with a one-line reason in error when no daemon answers or the graph never pulls a buffer.
// Any one thread; it blocks until the first buffer is pulled. Once open, a daemon that goes away
// is said in one line on standard error and asked for again every 200 ms; a new connection and
// stream, with the same properties and renderer, take over when it is back, in another line.
std::unique_ptr<AudioOutput> openPipeWireOutput(const PipeWireStreamOptions& options,
                                                std::string& error);

} // namespace tinkella
