#pragma once

#include "interfaces/ViewHost.h"

namespace tinkella::testing {

// A host with settable bounds that counts the redraws asked of it.
class FakeViewHost : public ViewHost {
public:
    explicit FakeViewHost(Rect bounds = {}) : bounds_(bounds) {}
    Rect bounds() const override { return bounds_; }
    void setNeedsDisplay() override { ++redrawRequests; }

    void setBounds(Rect bounds) { bounds_ = bounds; }
    int redrawRequests = 0;

private:
    Rect bounds_;
};

} // namespace tinkella::testing
