#pragma once

#include "interfaces/ViewHost.h"

namespace tinkella::testing {

// A host with settable bounds.
class FakeViewHost : public ViewHost {
public:
    explicit FakeViewHost(Rect bounds = {}) : bounds_(bounds) {}
    Rect bounds() const override { return bounds_; }
    void setNeedsDisplay() override {}

    void setBounds(Rect bounds) { bounds_ = bounds; }

private:
    Rect bounds_;
};

} // namespace tinkella::testing
