#pragma once

#include "interfaces/StripSurface.h"

#include <functional>
#include <memory>

namespace tinkella {

// Where the strip is shown. Neither set: its own frameless window, placed by the program (X11).
struct StripPlacement {
    // A surface of the desktop's shell that shows the strip by itself.
    std::unique_ptr<StripSurface> shellSurface;
    // Inside the bottom of the piano window: for desktops that let a program place no window
    // of its own and offer no shell surface for it.
    bool docked = false;
};

using StripPlacementFactory = std::function<StripPlacement()>;

// Set by the composition before the first piano window is shown; main thread only.
void setStripPlacementFactory(StripPlacementFactory factory);
// The factory's answer (asked once per piano window, when it is first shown), or a placement
// with neither set when no factory is set.
StripPlacement chooseStripPlacement();

} // namespace tinkella
