#pragma once

#include "interfaces/Geometry.h"

namespace tinkella {

// What a core view needs of the toolkit widget that shows it. Main thread only; the host
// outlives its attachment to the view (it detaches itself before it goes).
class ViewHost {
public:
    virtual ~ViewHost() = default;
    // The view's bounds in points, unflipped: origin at the bottom-left corner, y upwards.
    virtual Rect bounds() const = 0;
    // Asks for the whole bounds to be drawn again soon; the drawing happens later, from the
    // toolkit's paint event, never inside this call.
    virtual void setNeedsDisplay() = 0;
};

} // namespace tinkella
