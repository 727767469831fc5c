#pragma once

#include "foundation/DefaultsController.h"
#include "view/PianoView.h"

#include <array>
#include <memory>

namespace tinkella {

class NotificationCenter;
class PianoController;

// Owns the piano view shown on the touch strip and keeps it in step with the preferences:
// key width and scroll position through the view's setters (redraw and re-evaluation of held
// fingers), black-key touch area and glissando stored straight into the view. Receives only;
// never writes a preference. Main thread only.
class TouchBarController {
public:
    // The object name of every widget that shows the strip's piano view.
    static constexpr const char* pianoViewIdentifier = "com.quorvin.piano.label";

    // The controller of the process, made on first use with the shared defaults controller,
    // keyboard model and notification centre, and kept until the process ends.
    static TouchBarController& sharedInstance();

    // For tests and sharedInstance(): all three must outlive the controller.
    TouchBarController(DefaultsController& defaults, PianoController& pianoController,
                       NotificationCenter& center);
    ~TouchBarController();
    TouchBarController(const TouchBarController&) = delete;
    TouchBarController& operator=(const TouchBarController&) = delete;

    PianoView& pianoView() const { return *pianoView_; }

    // Forwarding properties, written by the bindings with values decoded into their rows'
    // ranges (Preferences.h): nothing is kept, so reading gives 0. The key width reaches the
    // view narrowed to single precision.
    double keyWidth() const { return 0; }
    void setKeyWidth(double keyWidth);
    float noteOffset() const { return 0; }
    void setNoteOffset(float noteOffset);

private:
    std::unique_ptr<PianoView> pianoView_;
    std::array<DefaultsBinding, 5> bindings_;
};

} // namespace tinkella
