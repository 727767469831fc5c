#pragma once

#include "hosting/StripPlacement.h"

#include <Qt>
#include <memory>

class QMainWindow;
class QWidget;

namespace tinkella {

class PianoView;

// Where the strip's piano view is shown and played from: its own window (X11), a surface of
// the desktop's shell (QtStripWindow, ShellStripHost), or docked in the bottom of the piano
// window. Each host is the view's host from its construction until it goes, and ends every
// finger and mouse hold it delivered. Main thread only.
class StripHost {
public:
    virtual ~StripHost() = default;
    // Shows the strip while the application is active and hides it otherwise; a docked strip
    // shows and hides with its window.
    virtual void applicationStateChanged(Qt::ApplicationState state) = 0;
    // Cancels every finger (and the mouse acting as one) held on the strip.
    virtual void releaseHeldInput() = 0;
    // The strip's own top-level window, whose key events play the computer keyboard too; null
    // when the strip has none.
    virtual QWidget* ownWindow() = 0;
};

// The host that placement asks for, showing view: a shell surface when it has one (docked once
// the surface's connection is lost, which one line on standard error says), docked in the
// bottom of pianoWindow's central widget when it says so, its own window otherwise (placed on
// pianoWindow's screen). view and pianoWindow must outlive the host.
std::unique_ptr<StripHost> makeStripHost(StripPlacement placement, PianoView& view,
                                         QMainWindow& pianoWindow);

} // namespace tinkella
